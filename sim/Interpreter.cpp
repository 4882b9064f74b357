#include "sim/Interpreter.h"

#include <cctype>
#include <cstring>

namespace sim
{
namespace
{
// One configuration command: its prefix and what the value after it may be.
struct CommandRule
{
    const char* prefix;
    const char* factory; // factory value
    int minimum;         // numbers: inclusive range, when there is no choice list
    int maximum;
    const int* choices;     // numbers: the values allowed, ended by -1
    const char* characters; // text values: every character allowed; nullptr for numbers
    int maxLength;          // text values: longest text
};

// clang-format off
const int kSwitchTypes[] = {0, 1, 5, 2, 6, 4, -1};
const int kYesNo[] = {0, 1, -1};
const int kDataProtocols[] = {5, 6, 9, 12, 11, -1};
const int kDtr[] = {1, 0, 3, -1};
const int kDsrDcd[] = {1, 0, 2, -1};
const int kCts[] = {0, 1, 2, -1};
const int kParity[] = {0, 1, 4, 2, 3, -1};
const int kBitRates[] = {300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, -1};
const int kDataBits[] = {7, 8, -1};
const int kStopBits[] = {1, 2, -1};
const int kFlowControl[] = {3, 5, 4, -1};
const int kRingFrequency[] = {2, 3, 4, -1};
const int kDialTone[] = {0, 1, 2, -1};
const int kRingSignal[] = {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                           21, 22, 23, 24, 25, 26, 27, -1};
const int kPulseRecognition[] = {0, 1, 2, 3, -1};
const int kBandwidthScheme[] = {0, 1, 2, -1};

const char kDigits[] = "0123456789";
const char kNumbers[] = "0123456789:";      // directory numbers and MSNs share their prefixes
const char kStoredNumber0[] = "0123456789,-";
const char kStoredNumber[] = "0123456789,-&";

// The TEI: 0 to 63, 240 (automatic) and 241 (disabled).
const int kTei[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                    18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                    36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53,
                    54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 240, 241, -1};

const CommandRule kRules[] = {
    // prefix    factory    min  max  choices             characters      length
    {"!C0=",     "2",       0,   0,   kSwitchTypes,       nullptr,        0},
    {"!D3=",     "240",     0,   0,   kTei,               nullptr,        0},
    {"*!D3=",    "240",     0,   0,   kTei,               nullptr,        0},
    {"!C6=",     "",        0,   0,   nullptr,            kDigits,        20},
    {"*!C6=",    "",        0,   0,   nullptr,            kDigits,        20},
    {"!N1=",     "",        0,   0,   nullptr,            kNumbers,       25},
    {"*!N1=",    "",        0,   0,   nullptr,            kNumbers,       25},
    {"!N2=",     "",        0,   0,   nullptr,            kNumbers,       25},
    {"S0=",      "1",       0,   255, nullptr,            nullptr,        0},
    {"$D",       "0",       0,   0,   kYesNo,             nullptr,        0},
    {"%A97=",    "0",       0,   1,   nullptr,            nullptr,        0},
    {"S50=",     "1",       0,   0,   kYesNo,             nullptr,        0},
    {"S30=",     "0",       0,   255, nullptr,            nullptr,        0},
    {"!Z=",      "5",       0,   0,   kDataProtocols,     nullptr,        0},
    {"S52=",     "1",       0,   0,   kYesNo,             nullptr,        0},
    {"&Z0=",     "",        0,   0,   nullptr,            kStoredNumber0, 20},
    {"&Z1=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z2=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z3=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z4=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z5=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z6=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z7=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z8=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&Z9=",     "",        0,   0,   nullptr,            kStoredNumber,  20},
    {"&D",       "1",       0,   0,   kDtr,               nullptr,        0},
    {"&S",       "0",       0,   0,   kDsrDcd,            nullptr,        0},
    {"&C",       "1",       0,   0,   kDsrDcd,            nullptr,        0},
    {"S25=",     "5",       0,   255, nullptr,            nullptr,        0},
    {"S10=",     "7",       0,   255, nullptr,            nullptr,        0},
    {"&R",       "1",       0,   0,   kCts,               nullptr,        0},
    {"&M",       "0",       0,   0,   kYesNo,             nullptr,        0},
    {"@P3=",     "4",       0,   0,   kParity,            nullptr,        0},
    {"$SB",      "115200",  0,   0,   kBitRates,          nullptr,        0},
    {"@P4=",     "8",       0,   0,   kDataBits,          nullptr,        0},
    {"@P6=",     "1",       0,   0,   kStopBits,          nullptr,        0},
    {"&E",       "4",       0,   0,   kFlowControl,       nullptr,        0},
    {"S44=",     "2",       0,   0,   kRingFrequency,     nullptr,        0},
    {"S45=",     "2",       0,   0,   kDialTone,          nullptr,        0},
    {"S49=",     "0",       0,   10,  nullptr,            nullptr,        0},
    {"S51=",     "0",       0,   0,   kYesNo,             nullptr,        0},
    {"S66=",     "0",       0,   0,   kRingSignal,        nullptr,        0},
    {"S46=",     "0",       0,   0,   kPulseRecognition,  nullptr,        0},
    {"S59=",     "1",       0,   0,   kBandwidthScheme,   nullptr,        0},
    {"S60=",     "10",      0,   255, nullptr,            nullptr,        0},
    {"S61=",     "52",      0,   64,  nullptr,            nullptr,        0},
    {"S62=",     "10",      0,   255, nullptr,            nullptr,        0},
    {"S63=",     "26",      0,   64,  nullptr,            nullptr,        0},
    {"S64=",     "1",       0,   0,   kYesNo,             nullptr,        0},
};
// clang-format on

// A number longer than this is out of every range.
constexpr size_t kLongestNumber = 6;

const CommandRule* FindRule(const std::string& prefix)
{
    for (const CommandRule& rule : kRules)
    {
        if (prefix == rule.prefix)
            return &rule;
    }
    return nullptr;
}

// The rule whose prefix starts `body` at `at`, the longest when several do.
const CommandRule* MatchRule(const std::string& body, size_t at)
{
    const CommandRule* best = nullptr;
    for (const CommandRule& rule : kRules)
    {
        const size_t length = std::strlen(rule.prefix);
        if (body.compare(at, length, rule.prefix) == 0 &&
            (best == nullptr || length > std::strlen(best->prefix)))
            best = &rule;
    }
    return best;
}

bool NumberAllowed(const CommandRule& rule, int value)
{
    if (rule.choices == nullptr)
        return value >= rule.minimum && value <= rule.maximum;
    for (const int* choice = rule.choices; *choice != -1; ++choice)
    {
        if (*choice == value)
            return true;
    }
    return false;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

// The value of `rule` that starts at `at`; advances `at` past it. nullopt when it is bad.
std::optional<std::string> ParseValue(const CommandRule& rule, const std::string& body, size_t& at)
{
    const size_t start = at;
    if (rule.characters == nullptr)
    {
        while (at < body.size() && IsDigit(body[at]))
            ++at;
        const size_t length = at - start;
        if (length == 0 || length > kLongestNumber)
            return std::nullopt;
        const int value = std::stoi(body.substr(start, length));
        if (!NumberAllowed(rule, value))
            return std::nullopt;
        return std::to_string(value);
    }
    // A text value runs while its characters are allowed; an ampersand that a letter follows
    // is the start of the next command, not part of a stored number.
    while (at < body.size() && std::strchr(rule.characters, body[at]) != nullptr &&
           !(body[at] == '&' && at + 1 < body.size() && IsLetter(body[at + 1])))
        ++at;
    if (at - start > static_cast<size_t>(rule.maxLength))
        return std::nullopt;
    return body.substr(start, at - start);
}

bool ValidValue(const CommandRule& rule, const std::string& value)
{
    size_t at = 0;
    const std::optional<std::string> parsed = ParseValue(rule, value, at);
    return parsed.has_value() && at == value.size() && *parsed == value;
}

// An optional single digit after a basic command (E, V, Q, Z, &F, &W): the digit, 0 without
// one, -1 when it is a digit above `highest`.
int OptionalDigit(const std::string& body, size_t& at, int highest)
{
    if (at >= body.size() || !IsDigit(body[at]))
        return 0;
    const int digit = body[at++] - '0';
    return digit <= highest ? digit : -1;
}

std::string FileKey(const std::string& prefix)
{
    return !prefix.empty() && prefix.back() == '=' ? prefix.substr(0, prefix.size() - 1) : prefix;
}

SettingMap ToFileEntries(const SettingMap& settings)
{
    SettingMap entries;
    for (const auto& [prefix, value] : settings)
        entries[FileKey(prefix)] = value;
    return entries;
}
} // namespace

bool ValidSetting(const std::string& prefix, const std::string& value)
{
    const CommandRule* rule = FindRule(prefix);
    return rule != nullptr && ValidValue(*rule, value);
}

Interpreter::Interpreter(const Preset& preset, const Options& options)
    : m_preset(preset), m_options(options), m_echo(options.echo)
{
    if (m_preset.terminalAdapter)
    {
        for (const CommandRule& rule : kRules)
            m_factory[rule.prefix] = rule.factory;
        m_factory["!C0="] = std::to_string(m_preset.switchType);
        m_factory["&R"] = std::to_string(m_preset.ctsPin);
        m_factory["S46="] = std::to_string(m_preset.pulseRecognition);
    }
    m_stored = m_factory;
    if (!m_options.nvramPath.empty() && m_preset.terminalAdapter)
    {
        if (const std::optional<KeyValues> entries = ReadNvram(m_options.nvramPath))
        {
            for (const CommandRule& rule : kRules)
            {
                const auto entry = entries->find(FileKey(rule.prefix));
                if (entry != entries->end() && ValidValue(rule, entry->second))
                    m_stored[rule.prefix] = entry->second;
            }
        }
    }
    m_settings = m_stored;
}

std::string Interpreter::Information(const std::string& line, const State& state)
{
    return state.verbose ? "\r\n" + line + "\r\n" : line + "\r\n";
}

std::string Interpreter::Result(bool ok, const State& state) const
{
    if (state.quiet)
        return "";
    if (state.verbose)
        return ok ? "\r\nOK\r\n" : "\r\nERROR\r\n";
    return ok ? "0\r" : "4\r";
}

bool Interpreter::Store(const SettingMap& settings)
{
    if (!m_options.nvramPath.empty() && !WriteNvram(m_options.nvramPath, ToFileEntries(settings)))
        return false;
    m_stored = settings;
    return true;
}

std::optional<std::string> Interpreter::Execute(const std::string& line, bool forceError)
{
    std::string body;
    for (char c : line)
        body += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // Whatever came before the attention characters is noise on the line.
    const size_t attention = body.find("AT");
    if (attention == std::string::npos)
        return forceError ? Result(false, State{m_echo, m_verbose, m_quiet, {}}) : "";
    body.erase(0, attention + 2);

    const State before{m_echo, m_verbose, m_quiet, {}};
    if (forceError)
        return Result(false, before);

    State state{m_echo, m_verbose, m_quiet, m_settings};
    std::string information;
    std::optional<SettingMap> toStore;
    bool ok = true;
    bool answer = true;
    size_t at = 0;
    while (ok && at < body.size())
    {
        if (body[at] == ' ')
        {
            ++at;
            continue;
        }
        if (m_preset.terminalAdapter)
        {
            if (const CommandRule* rule = MatchRule(body, at))
            {
                at += std::strlen(rule->prefix);
                const std::optional<std::string> value = ParseValue(*rule, body, at);
                if (value)
                    state.settings[rule->prefix] = *value;
                else
                    ok = false;
                continue;
            }
        }
        const char command = body[at++];
        int digit = 0;
        switch (command)
        {
        case 'E':
        case 'V':
        case 'Q':
            digit = OptionalDigit(body, at, 1);
            ok = digit >= 0;
            (command == 'E'   ? state.echo
             : command == 'V' ? state.verbose
                              : state.quiet) = digit == 1;
            break;
        case 'Z':
            ok = OptionalDigit(body, at, 0) == 0;
            state.settings = m_stored;
            state.echo = m_options.echo;
            state.verbose = true;
            state.quiet = false;
            break;
        case 'I':
            digit = 0;
            while (at < body.size() && IsDigit(body[at]) && digit < 1000)
                digit = digit * 10 + (body[at++] - '0');
            if (digit == 2 || digit == 20)
            {
                const std::optional<std::string>& override =
                    digit == 2 ? m_options.modelLine : m_options.extendedModelLine;
                const std::string text = override     ? *override
                                         : digit == 2 ? m_preset.modelLine
                                                      : m_preset.extendedModelLine;
                if (!text.empty())
                    information += Information(text, state);
            }
            else
                ok = false;
            break;
        case 'S':
            // A register query, "S25?".
            digit = 0;
            while (at < body.size() && IsDigit(body[at]) && digit < 1000)
                digit = digit * 10 + (body[at++] - '0');
            if (at < body.size() && body[at] == '?' &&
                state.settings.count("S" + std::to_string(digit) + "=") != 0)
            {
                ++at;
                information +=
                    Information(state.settings["S" + std::to_string(digit) + "="], state);
            }
            else
                ok = false;
            break;
        case '&':
            if (at < body.size() && (body[at] == 'F' || body[at] == 'W'))
            {
                const char which = body[at++];
                ok = OptionalDigit(body, at, 0) == 0;
                if (which == 'F')
                {
                    state.settings = m_factory;
                    state.echo = true;
                    state.verbose = true;
                    state.quiet = false;
                }
                else
                    toStore = state.settings;
            }
            else
                ok = false;
            break;
        case '%':
            if (m_preset.terminalAdapter && at < body.size() && body[at] == 'I')
            {
                ++at;
                if (m_options.faults.optionSilent)
                    answer = false;
                else if (!m_options.optionAnswer.empty())
                    information += Information(m_options.optionAnswer, state);
            }
            else
                ok = false;
            break;
        default:
            ok = false;
            break;
        }
    }
    if (!answer)
        return std::nullopt;
    if (ok && toStore && !Store(*toStore))
        ok = false;
    if (!ok)
        return Result(false, before);
    m_echo = state.echo;
    m_verbose = state.verbose;
    m_quiet = state.quiet;
    m_settings = std::move(state.settings);
    return information + Result(true, state);
}
} // namespace sim
