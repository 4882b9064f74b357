#include "framework/headless/Script.h"

#include "framework/headless/Wording.h"
#include "platform/TextRules.h"

#include <charconv>
#include <cmath>

namespace
{
// What a command takes after its name.
enum class Arguments
{
    None,
    IdText,
    IdSwitch, // on|off
    IdYesNo,
    Id,
    IdNumber,
    Answer,
    Seconds,
    ClassSeconds,
    Class,
    Text,
    Buttons,
    IdItems,
    Progress,
};

struct CommandSyntax
{
    const char* name;
    ScriptOp op;
    Arguments arguments;
};

// clang-format off
constexpr CommandSyntax kCommands[] = {
    {"next",            ScriptOp::Next,           Arguments::None},
    {"back",            ScriptOp::Back,           Arguments::None},
    {"finish",          ScriptOp::Finish,         Arguments::None},
    {"cancel",          ScriptOp::Cancel,         Arguments::None},
    {"set",             ScriptOp::Set,            Arguments::IdText},
    {"select",          ScriptOp::Select,         Arguments::IdText},
    {"check",           ScriptOp::Check,          Arguments::IdSwitch},
    {"radio",           ScriptOp::Radio,          Arguments::Id},
    {"click",           ScriptOp::Click,          Arguments::Id},
    {"row",             ScriptOp::Row,            Arguments::IdNumber},
    {"answer",          ScriptOp::Answer,         Arguments::Answer},
    {"wait",            ScriptOp::Wait,           Arguments::Seconds},
    {"wait-page",       ScriptOp::WaitPage,       Arguments::ClassSeconds},
    {"expect page",     ScriptOp::ExpectPage,     Arguments::Class},
    {"expect title",    ScriptOp::ExpectTitle,    Arguments::Text},
    {"expect buttons",  ScriptOp::ExpectButtons,  Arguments::Buttons},
    {"expect text",     ScriptOp::ExpectText,     Arguments::IdText},
    {"expect enabled",  ScriptOp::ExpectEnabled,  Arguments::IdYesNo},
    {"expect visible",  ScriptOp::ExpectVisible,  Arguments::IdYesNo},
    {"expect items",    ScriptOp::ExpectItems,    Arguments::IdItems},
    {"expect selected", ScriptOp::ExpectSelected, Arguments::IdText},
    {"expect checked",  ScriptOp::ExpectChecked,  Arguments::IdSwitch},
    {"expect message",  ScriptOp::ExpectMessage,  Arguments::Text},
    {"expect progress", ScriptOp::ExpectProgress, Arguments::Progress},
    {"dump",            ScriptOp::Dump,           Arguments::None},
    {"screenshot",      ScriptOp::Screenshot,     Arguments::Text},
};

constexpr std::pair<unsigned, const char*> kButtonNames[] = {
    {kScriptBack, "Back"},
    {kScriptNext, "Next"},
    {kScriptFinish, "Finish"},
    {kScriptDisabledFinish, "DisabledFinish"},
    {kScriptCancel, "Cancel"},
};
// clang-format on

// A day: longer waits are typing mistakes.
constexpr double kLongestWaitSeconds = 86400.0;

// Reads one line at a time, splitting off blank-separated words.
class LineReader
{
public:
    explicit LineReader(const std::string& line) : m_line(line) {}

    bool AtEnd()
    {
        SkipBlanks();
        return m_pos >= m_line.size();
    }

    std::string Word()
    {
        SkipBlanks();
        size_t start = m_pos;
        while (m_pos < m_line.size() && !platform::IsBlank(m_line[m_pos]))
        {
            ++m_pos;
        }
        return m_line.substr(start, m_pos - start);
    }

    // The rest of the line as a TEXT argument. False with `why` for a bad quoted text.
    bool Text(std::string& text, std::string& why)
    {
        SkipBlanks();
        std::string rest = m_line.substr(m_pos);
        m_pos = m_line.size();
        if (rest.empty() || rest[0] != '"')
        {
            while (!rest.empty() && platform::IsBlank(rest.back()))
            {
                rest.pop_back();
            }
            text = rest;
            return true;
        }
        text.clear();
        for (size_t i = 1; i < rest.size(); ++i)
        {
            char c = rest[i];
            if (c == '"')
            {
                for (size_t j = i + 1; j < rest.size(); ++j)
                {
                    if (!platform::IsBlank(rest[j]))
                    {
                        why = "text after the closing quote";
                        return false;
                    }
                }
                return true;
            }
            if (c != '\\')
            {
                text += c;
                continue;
            }
            if (++i >= rest.size())
            {
                break;
            }
            switch (rest[i])
            {
            case 'r':
                text += '\r';
                break;
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case '"':
            case '\\':
                text += rest[i];
                break;
            default:
                why = std::string("unknown escape \\") + rest[i];
                return false;
            }
        }
        why = "missing closing quote";
        return false;
    }

private:
    void SkipBlanks()
    {
        while (m_pos < m_line.size() && platform::IsBlank(m_line[m_pos]))
        {
            ++m_pos;
        }
    }

    const std::string& m_line;
    size_t m_pos = 0;
};

bool ParseId(const std::string& word, int& id)
{
    int base = 10;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
    {
        base = 16;
        first += 2;
    }
    auto [end, ec] = std::from_chars(first, last, id, base);
    return ec == std::errc() && end == last && first != last && id >= 0 && id <= 0xFFFF;
}

bool ParseCount(const std::string& word, int& value)
{
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && !word.empty() && value >= 0;
}

bool ParseSeconds(const std::string& word, int& milliseconds)
{
    double seconds = 0;
    auto [end, ec] =
        std::from_chars(word.data(), word.data() + word.size(), seconds, std::chars_format::fixed);
    if (ec != std::errc() || end != word.data() + word.size() || word.empty() ||
        !(seconds >= 0.0) || seconds > kLongestWaitSeconds)
    {
        return false;
    }
    milliseconds = static_cast<int>(std::lround(seconds * 1000.0));
    return true;
}

bool ParseSwitch(const std::string& word, const char* on, const char* off, bool& flag)
{
    if (word == on || word == off)
    {
        flag = word == on;
        return true;
    }
    return false;
}

bool ParseButtons(const std::string& list, unsigned& buttons, std::string& why)
{
    buttons = 0;
    if (list == "none")
    {
        return true;
    }
    size_t start = 0;
    for (;;)
    {
        size_t comma = list.find(',', start);
        std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
        bool known = false;
        for (const auto& [bit, buttonName] : kButtonNames)
        {
            if (name == buttonName)
            {
                buttons |= bit;
                known = true;
            }
        }
        if (!known)
        {
            why = "unknown button \"" + name +
                  "\" (Back, Next, Finish, DisabledFinish, Cancel or none)";
            return false;
        }
        if (comma == std::string::npos)
        {
            return true;
        }
        start = comma + 1;
    }
}

// "none", "DONE/TOTAL" or "*/TOTAL" (TOTAL from 1): `done` -1 for "*", `total` 0 for "none".
bool ParseProgress(const std::string& word, int& done, int& total)
{
    done = 0;
    total = 0;
    if (word == "none")
    {
        return true;
    }
    const size_t slash = word.find('/');
    if (slash == std::string::npos || !ParseCount(word.substr(slash + 1), total) || total == 0)
    {
        return false;
    }
    const std::string count = word.substr(0, slash);
    if (count == "*")
    {
        done = -1;
        return true;
    }
    return ParseCount(count, done) && done <= total;
}

std::vector<std::string> SplitItems(const std::string& list)
{
    std::vector<std::string> items;
    if (list.empty())
    {
        return items;
    }
    size_t start = 0;
    for (;;)
    {
        size_t bar = list.find('|', start);
        items.push_back(list.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos)
        {
            return items;
        }
        start = bar + 1;
    }
}

// Parses the arguments of one command; false with `why` when they do not fit its syntax.
bool ParseArguments(LineReader& reader, Arguments arguments, ScriptCommand& command,
                    std::string& why)
{
    auto missing = [&why](const char* what) {
        why = std::string("missing ") + what;
        return false;
    };
    auto id = [&]() {
        if (reader.AtEnd())
        {
            return missing("control id");
        }
        std::string word = reader.Word();
        if (!ParseId(word, command.id))
        {
            why = "bad control id \"" + word + "\"";
            return false;
        }
        return true;
    };
    auto text = [&](const char* what) {
        if (reader.AtEnd())
        {
            return missing(what);
        }
        return reader.Text(command.text, why);
    };
    auto word = [&](const char* what, std::string& value) {
        if (reader.AtEnd())
        {
            return missing(what);
        }
        value = reader.Word();
        return true;
    };
    std::string value;
    // A control id and a switch: `on` sets command.flag, `off` clears it.
    auto idSwitch = [&](const char* on, const char* off) {
        if (!id() || !word((std::string(on) + " or " + off).c_str(), value))
        {
            return false;
        }
        if (!ParseSwitch(value, on, off, command.flag))
        {
            why = "\"" + value + "\" is neither " + on + " nor " + off;
            return false;
        }
        return true;
    };
    switch (arguments)
    {
    case Arguments::None:
        break;
    case Arguments::Id:
        if (!id())
        {
            return false;
        }
        break;
    case Arguments::IdText:
        if (!id() || !text("text"))
        {
            return false;
        }
        return true;
    case Arguments::IdItems:
        if (!id() || !text("item list"))
        {
            return false;
        }
        command.items = SplitItems(command.text);
        return true;
    case Arguments::IdSwitch:
        if (!idSwitch("on", "off"))
        {
            return false;
        }
        break;
    case Arguments::IdYesNo:
        if (!idSwitch("yes", "no"))
        {
            return false;
        }
        break;
    case Arguments::IdNumber:
        if (!id() || !word("row number", value))
        {
            return false;
        }
        if (!ParseCount(value, command.number))
        {
            why = "bad row number \"" + value + "\"";
            return false;
        }
        break;
    case Arguments::Answer:
        if (!word("answer (yes, no or ok)", value))
        {
            return false;
        }
        if (value == "yes" || value == "no" || value == "ok")
        {
            command.number = value == "yes" ? IDYES : value == "no" ? IDNO : IDOK;
            command.text = value;
            break;
        }
        why = "\"" + value + "\" is not an answer (yes, no or ok)";
        return false;
    case Arguments::ClassSeconds:
        if (!word("page class", command.text))
        {
            return false;
        }
        [[fallthrough]];
    case Arguments::Seconds:
        if (!word("seconds", command.seconds))
        {
            return false;
        }
        if (!ParseSeconds(command.seconds, command.number))
        {
            why = "bad number of seconds \"" + command.seconds + "\"";
            return false;
        }
        break;
    case Arguments::Class:
        if (!word("page class", command.text))
        {
            return false;
        }
        break;
    case Arguments::Text:
        return text(command.op == ScriptOp::Screenshot ? "file name" : "text");
    case Arguments::Buttons: {
        if (!word("button list", command.text))
        {
            return false;
        }
        unsigned buttons = 0;
        if (!ParseButtons(command.text, buttons, why))
        {
            return false;
        }
        command.number = static_cast<int>(buttons);
        break;
    }
    case Arguments::Progress:
        if (!word("progress (DONE/TOTAL, */TOTAL or none)", value))
        {
            return false;
        }
        if (!ParseProgress(value, command.number, command.total))
        {
            why = "bad progress \"" + value + "\" (DONE/TOTAL, */TOTAL or none)";
            return false;
        }
        break;
    }
    if (!reader.AtEnd())
    {
        why = "unexpected \"" + reader.Word() + "\" after the arguments";
        return false;
    }
    return true;
}

const CommandSyntax* FindCommand(const std::string& name)
{
    for (const CommandSyntax& syntax : kCommands)
    {
        if (name == syntax.name)
        {
            return &syntax;
        }
    }
    return nullptr;
}

const char* CommandName(ScriptOp op)
{
    for (const CommandSyntax& syntax : kCommands)
    {
        if (syntax.op == op)
        {
            return syntax.name;
        }
    }
    return "?";
}
} // namespace

bool ParseScript(const std::string& script, std::vector<ScriptCommand>& commands,
                 ScriptError& error)
{
    commands.clear();
    size_t start = 0;
    int lineNumber = 0;
    while (start < script.size())
    {
        size_t end = script.find('\n', start);
        std::string line = script.substr(start, end == std::string::npos ? end : end - start);
        start = end == std::string::npos ? script.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        LineReader reader(line);
        if (reader.AtEnd())
        {
            continue;
        }
        std::string name = reader.Word();
        if (name[0] == '#')
        {
            continue;
        }
        if (name == "expect")
        {
            std::string subject = reader.Word();
            if (subject.empty())
            {
                error = {lineNumber, "missing what to expect"};
                return false;
            }
            name += " " + subject;
        }
        const CommandSyntax* syntax = FindCommand(name);
        if (syntax == nullptr)
        {
            error = {lineNumber, "unknown command \"" + name + "\""};
            return false;
        }
        ScriptCommand command;
        command.line = lineNumber;
        command.op = syntax->op;
        std::string why;
        if (!ParseArguments(reader, syntax->arguments, command, why))
        {
            error = {lineNumber, name + ": " + why};
            return false;
        }
        commands.push_back(std::move(command));
    }
    return true;
}

std::string FormatButtons(unsigned buttons)
{
    std::string list;
    for (const auto& [bit, name] : kButtonNames)
    {
        if ((buttons & bit) != 0)
        {
            list += (list.empty() ? "" : ",") + std::string(name);
        }
    }
    return list.empty() ? "none" : list;
}

std::string FormatProgress(int done, int total)
{
    if (total <= 0)
    {
        return "none";
    }
    return (done < 0 ? std::string("*") : std::to_string(done)) + "/" + std::to_string(total);
}

std::string FormatCommand(const ScriptCommand& command)
{
    std::string text = CommandName(command.op);
    std::string id = std::to_string(command.id);
    switch (command.op)
    {
    case ScriptOp::Set:
    case ScriptOp::Select:
    case ScriptOp::ExpectText:
    case ScriptOp::ExpectSelected:
    case ScriptOp::ExpectItems:
        return text + " " + id + " " + QuoteText(command.text);
    case ScriptOp::Check:
    case ScriptOp::ExpectChecked:
        return text + " " + id + (command.flag ? " on" : " off");
    case ScriptOp::ExpectEnabled:
    case ScriptOp::ExpectVisible:
        return text + " " + id + (command.flag ? " yes" : " no");
    case ScriptOp::Radio:
    case ScriptOp::Click:
        return text + " " + id;
    case ScriptOp::Row:
        return text + " " + id + " " + std::to_string(command.number);
    case ScriptOp::Answer:
        return text + " " + command.text;
    case ScriptOp::Wait:
        return text + " " + command.seconds;
    case ScriptOp::WaitPage:
        return text + " " + command.text + " " + command.seconds;
    case ScriptOp::ExpectPage:
        return text + " " + command.text;
    case ScriptOp::ExpectButtons:
        return text + " " + FormatButtons(static_cast<unsigned>(command.number));
    case ScriptOp::ExpectProgress:
        return text + " " + FormatProgress(command.number, command.total);
    case ScriptOp::ExpectTitle:
    case ScriptOp::ExpectMessage:
    case ScriptOp::Screenshot:
        return text + " " + QuoteText(command.text);
    case ScriptOp::Next:
    case ScriptOp::Back:
    case ScriptOp::Finish:
    case ScriptOp::Cancel:
    case ScriptOp::Dump:
        break;
    }
    return text;
}

unsigned VisibleButtons(const CPropertySheet& sheet)
{
    auto shown = [&sheet](int id) {
        CWnd* button = sheet.GetDlgItem(id);
        return button != nullptr && button->IsWindowVisible();
    };
    auto usable = [&sheet, &shown](int id) {
        return shown(id) && sheet.GetDlgItem(id)->IsWindowEnabled();
    };
    unsigned buttons = 0;
    buttons |= usable(ID_WIZBACK) ? kScriptBack : 0;
    buttons |= usable(ID_WIZNEXT) ? kScriptNext : 0;
    if (shown(ID_WIZFINISH))
    {
        buttons |= usable(ID_WIZFINISH) ? kScriptFinish : kScriptDisabledFinish;
    }
    buttons |= usable(IDCANCEL) ? kScriptCancel : 0;
    return buttons;
}
