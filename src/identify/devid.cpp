#include "src/identify/devid.h"

#include "src/serial/log.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
constexpr const char* kOK = "OK\r\n";
constexpr int kAttentionSeconds = 2;

// Where the reply stands among the characters that follow a command: the reply is the first
// line after the command's echo.
enum class EchoState
{
    Start,      // nothing seen yet
    AfterCR,    // a CR came before the echo
    InEcho,     // inside the echo (or the first line)
    EchoEnded,  // the echo's CR has come
    Collecting, // inside the reply line
    Done,       // the reply line has ended
};

bool IsTrimmed(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

// The ATI2 replies after which AT%I tells whether the adapter has its option.
bool HasOptionQuery(const char* modelReply)
{
    return lstrcmpiA(modelReply, "ZANDI-TA") == 0 || lstrcmpiA(modelReply, "ZOBRA-TA") == 0;
}
} // namespace

int devid_SendCommand(urs_Port* port, char* reply, size_t capacity, int seconds,
                      const char* command)
{
    urs_StartTimeoutTimer(port, seconds);
    if (urs_PutStr(port, command) != 0)
    {
        LOG_PRINTF("<%s> urs_PutStr Failed", port->displayName);
        urs_StopTimeoutTimer(port);
        return 0;
    }
    size_t length = 0;
    reply[0] = '\0';
    EchoState state = EchoState::Start;
    const char* expected = kOK;
    while (*expected != '\0')
    {
        if (urs_TimeoutTimerExpired(port))
        {
            LOG_PRINTF("<%s> urs_TimeoutTimerExpired", port->displayName);
            urs_StopTimeoutTimer(port);
            reply[length] = '\0';
            return 0;
        }
        if (!urs_CharsWaiting(port))
        {
            urs_WaitForChar(port);
            continue;
        }
        const int c = urs_GetChar(port);
        // Odd but intended: unlike the other exits, this one leaves the timer armed. Every
        // exchange starts a timer of its own, so nothing reads the run-out one.
        if (c == urs_cTimeout)
        {
            LOG_PRINTF("<%s> urs_GetChar returned urs_cTimeout", port->displayName);
            reply[length] = '\0';
            return 0;
        }
        switch (state)
        {
        case EchoState::Start:
            if (c == '\r')
                state = EchoState::AfterCR;
            else if (c == 'A')
                state = EchoState::InEcho;
            break;
        case EchoState::AfterCR:
            if (c == '\n' || c == 'A')
                state = EchoState::InEcho;
            break;
        case EchoState::InEcho:
            if (c == '\r')
                state = EchoState::EchoEnded;
            break;
        case EchoState::EchoEnded:
            if (c == '\n')
                state = EchoState::Collecting;
            break;
        case EchoState::Collecting:
            if (c == '\r')
            {
                reply[length] = '\0';
                state = EchoState::Done;
            }
            // A read error is no character of the reply; a line longer than the buffer is cut.
            else if (c >= 0 && length + 1 < capacity)
            {
                reply[length++] = static_cast<char>(c);
            }
            break;
        case EchoState::Done:
            break;
        }
        if (c == static_cast<unsigned char>(*expected))
            ++expected;
        else
            expected = kOK;
    }
    urs_StopTimeoutTimer(port);
    reply[length] = '\0';
    devid_TrimReply(reply);
    return 1;
}

void devid_TrimReply(char* text)
{
    const char* start = text;
    while (*start != '\0' && IsTrimmed(*start))
        ++start;
    size_t length = std::strlen(start);
    std::memmove(text, start, length + 1);
    while (length > 0 && IsTrimmed(text[length - 1]))
        text[--length] = '\0';
}

int devid_Attention(urs_Port* port, char* reply, size_t capacity, int seconds)
{
    return devid_SendCommand(port, reply, capacity, seconds, "AT\r");
}

int devid_SetEcho(urs_Port* port, char* reply, size_t capacity, int seconds)
{
    return devid_SendCommand(port, reply, capacity, seconds, "ATE1V1Q0\r");
}

int devid_GetModelInformation(urs_Port* port, char* reply, size_t capacity, int seconds)
{
    return devid_SendCommand(port, reply, capacity, seconds, "ATI2\r");
}

int devid_GetExtendedModelInformation(urs_Port* port, char* reply, size_t capacity, int seconds)
{
    return devid_SendCommand(port, reply, capacity, seconds, "ATI20\r");
}

int devid_GetOptionInformation(urs_Port* port, char* reply, size_t capacity, int seconds)
{
    return devid_SendCommand(port, reply, capacity, seconds, "AT%I\r");
}

int devid_GetModel(const char* reply, const ModelCodeEntry* table)
{
    std::string upper(reply);
    CharUpperA(upper.data());
    for (const ModelCodeEntry* row = table; row->code != -1; ++row)
    {
        if (upper.find(row->name) != std::string::npos)
        {
            LOG_PRINTF("devid_GetModel: %s Found Match %s", upper.c_str(), row->name);
            return row->code;
        }
        LOG_PRINTF("devid_GetModel: %s No Match %s", upper.c_str(), row->name);
    }
    // Odd but intended: the line says devid_GetModem, not devid_GetModel; logs are read and
    // searched for this text as it stands.
    LOG_PRINTF("devid_GetModem returning devid_kUnknown");
    return devid_kUnknown;
}

int devid_Identify(urs_Port* port, int* model, int* extendedModel, int seconds)
{
    char shortReply[devid_kShortReplySize];
    char modelReply[devid_kModelReplySize];
    char extendedReply[devid_kModelReplySize];
    char optionReply[devid_kOptionReplySize];

    devid_Attention(port, shortReply, sizeof shortReply, kAttentionSeconds);
    if (!devid_SetEcho(port, shortReply, sizeof shortReply, seconds))
    {
        LOG_PRINTF("<%s> devid_SetEcho Failed", port->displayName);
        return devid_kNotIdentified;
    }
    if (!devid_GetModelInformation(port, modelReply, sizeof modelReply, seconds))
    {
        LOG_PRINTF("<%s> devid_GetModelInformation Failed", port->displayName);
        return devid_kNotIdentified;
    }
    LOG_PRINTF("<%s> ATI2 Resp %s", port->displayName, modelReply);

    *model = devid_GetModel(modelReply, devid_ModelTable);
    // Code 1 is the model table's "OK" row: a bare OK answers ATI2 on a plain modem, which is no
    // adapter. Odd but intended: the extended table's "OK" row (code 2) is accepted below.
    if (*model == devid_kUnknown || *model == 1)
    {
        LOG_PRINTF("<%s> devid_GetModel Failed, resp %s", port->displayName, modelReply);
        return devid_kNotIdentified;
    }
    LOG_PRINTF("<%s> Model %d: %s", port->displayName, *model, modelReply);

    if (!devid_GetExtendedModelInformation(port, extendedReply, sizeof extendedReply, seconds))
        return devid_kNotIdentified;
    LOG_PRINTF("<%s> ATI20 Resp %s", port->displayName, extendedReply);

    *extendedModel = devid_GetModel(extendedReply, devid_ExtendedModelTable);
    if (*extendedModel == devid_kUnknown)
        return devid_kNotIdentified;
    LOG_PRINTF("<%s> ExtendedModel %d: %s", port->displayName, *extendedModel, extendedReply);

    int status = devid_kIdentified;
    if (HasOptionQuery(modelReply))
    {
        if (!devid_GetOptionInformation(port, optionReply, sizeof optionReply, seconds))
            status = devid_kOptionQueryFailed;
        else if (std::strtol(optionReply, nullptr, 10) != 0)
            status = devid_kOptionPresent;
    }
    LOG_PRINTF("<%s> nReturnStatus %d", port->displayName, status);
    return status;
}
