#include "src/commands/config.h"

#include "src/serial/log.h"

#include <cstring>

namespace
{
constexpr const char* kOK = "OK\r\n";
// A refused line ends at once with this final result, rather than waiting out the time for an OK
// that never comes and then blaming the cable.
constexpr const char* kError = "\r\nERROR\r\n";
} // namespace

void TextMatcher::Reset(const char* pattern)
{
    m_pPatternStart = pattern;
    m_pPosition = pattern;
}

bool TextMatcher::Feed(int c)
{
    if (*m_pPosition == '\0')
        return true;
    if (c == static_cast<unsigned char>(*m_pPosition))
    {
        ++m_pPosition;
        return *m_pPosition == '\0';
    }
    // The longest match that still ends with c: j characters, the last being c and the first
    // j - 1 being the last j - 1 characters matched before it.
    const char* pattern = m_pPatternStart;
    const size_t matched = static_cast<size_t>(m_pPosition - pattern);
    for (size_t j = matched; j >= 1; --j)
    {
        if (c == static_cast<unsigned char>(pattern[j - 1]) &&
            std::memcmp(pattern, pattern + matched - j + 1, j - 1) == 0)
        {
            m_pPosition = pattern + j;
            return false;
        }
    }
    m_pPosition = pattern;
    return false;
}

int config_SendStrings(urs_Port* port, const std::vector<std::string>& lines,
                       std::atomic<int>* acknowledged)
{
    int acknowledgedLines = 0;
    for (const std::string& line : lines)
    {
        LOG_PRINTF("<%s>  Config String: %s", port->displayName, line.c_str());
        if (urs_PutStr(port, line.c_str()) != 0)
            return config_kSendFailed;
        const int reply = config_WaitForOK(port, config_kLineReplySeconds);
        if (reply == config_kGotError)
        {
            LOG_PRINTF("<%s>  Got ERROR for Config String: %s", port->displayName, line.c_str());
            return config_kSendFailed;
        }
        if (reply != config_kGotOK)
            return config_kNoOK;
        LOG_PRINTF("<%s>  Got OK for Config String: %s", port->displayName, line.c_str());
        ++acknowledgedLines;
        if (acknowledged != nullptr)
            acknowledged->store(acknowledgedLines, std::memory_order_release);
        urs_Flush(port);
        urs_DelayMs(config_kPauseAfterLineMs);
    }
    return config_kSent;
}

int config_WaitForOK(urs_Port* port, int seconds)
{
    urs_StartTimeoutTimer(port, seconds);
    TextMatcher ok;
    ok.Reset(kOK);
    TextMatcher error;
    error.Reset(kError);
    int reply = config_kNoResult;
    while (reply == config_kNoResult)
    {
        const int c = urs_GetChar(port);
        if (c == urs_cTimeout)
            break;
        if (ok.Feed(c))
            reply = config_kGotOK;
        else if (error.Feed(c))
            reply = config_kGotError;
        // A failed read returns at once; waiting for the line keeps a dead device from turning
        // this loop into a stream of read errors until the timer ends.
        else if (c == urs_cCommError)
            urs_WaitForChar(port);
    }
    urs_StopTimeoutTimer(port);
    return reply;
}
