// Line reading and editing of profile text.
#include "platform/posix/PrivateProfileText.h"

#include <cstddef>

namespace platform::profile
{
namespace
{
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";

enum class LineKind
{
    Blank,
    Comment,
    Section,
    Entry,
    Other,
};

struct Line
{
    size_t begin = 0;
    size_t contentEnd = 0; // where the line break starts
    size_t end = 0;        // just past the line break
    LineKind kind = LineKind::Blank;
    std::string_view name; // section name or key
    std::string_view value;

    bool HasLineBreak() const { return end > contentEnd; }
};

// `wanted` is already trimmed; an empty one names nothing.
bool Matches(std::string_view name, std::string_view wanted)
{
    return !wanted.empty() && EqualsNoCase(name, wanted);
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

void Classify(std::string_view content, Line& line)
{
    const size_t nul = content.find('\0');
    if (nul != std::string_view::npos)
        content = content.substr(0, nul);
    const std::string_view text = TrimBlanks(content);
    line.name = {};
    line.value = {};
    if (text.empty())
    {
        line.kind = LineKind::Blank;
        return;
    }
    if (text.front() == ';')
    {
        line.kind = LineKind::Comment;
        return;
    }
    if (text.front() == '[')
    {
        const std::string_view inside = text.substr(1);
        line.kind = LineKind::Section;
        line.name = TrimBlanks(inside.substr(0, inside.find(']')));
        return;
    }
    const size_t equals = text.find('=');
    const std::string_view key =
        equals == std::string_view::npos ? std::string_view{} : TrimBlanks(text.substr(0, equals));
    if (key.empty())
    {
        line.kind = LineKind::Other;
        return;
    }
    line.kind = LineKind::Entry;
    line.name = key;
    line.value = Unquote(TrimBlanks(text.substr(equals + 1)));
}

// Walks the lines of a text once, front to back.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_text(text)
    {
        if (m_text.starts_with(kByteOrderMark))
            m_position = kByteOrderMark.size();
    }

    size_t Start() const { return m_text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0; }

    bool Next(Line& line)
    {
        if (m_position >= m_text.size())
            return false;
        line.begin = m_position;
        size_t end = m_position;
        while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        line.contentEnd = end;
        if (end < m_text.size())
            end +=
                (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n') ? 2 : 1;
        line.end = end;
        m_position = end;
        Classify(m_text.substr(line.begin, line.contentEnd - line.begin), line);
        return true;
    }

private:
    std::string_view m_text;
    size_t m_position = 0;
};

void AppendEntry(std::string& out, std::string_view key, std::string_view value)
{
    out.append(key).append("=").append(value).append(kLineBreak);
}

// The bytes of `line` as they are, with a CR LF added when the line had no break.
void AppendLineClosed(std::string& out, std::string_view text, const Line& line)
{
    out.append(text.substr(line.begin, line.end - line.begin));
    if (!line.HasLineBreak())
        out.append(kLineBreak);
}
} // namespace

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key)
{
    LineReader reader(text);
    Line line;
    bool inSection = false;
    while (reader.Next(line))
    {
        if (line.kind == LineKind::Section)
        {
            if (inSection)
                return std::nullopt;
            inSection = Matches(line.name, section);
        }
        else if (inSection && line.kind == LineKind::Entry && Matches(line.name, key))
            return line.value;
    }
    return std::nullopt;
}

std::vector<std::string_view> SectionNames(std::string_view text)
{
    std::vector<std::string_view> names;
    LineReader reader(text);
    Line line;
    while (reader.Next(line))
        if (line.kind == LineKind::Section && !line.name.empty())
            names.push_back(line.name);
    return names;
}

std::vector<std::string_view> KeyNames(std::string_view text, std::string_view section)
{
    std::vector<std::string_view> names;
    LineReader reader(text);
    Line line;
    bool inSection = false;
    while (reader.Next(line))
    {
        if (line.kind == LineKind::Section)
        {
            if (inSection)
                break;
            inSection = Matches(line.name, section);
        }
        else if (inSection && line.kind == LineKind::Entry)
            names.push_back(line.name);
    }
    return names;
}

bool IsWritableSectionName(std::string_view section)
{
    return !TrimBlanks(section).empty() && section.find_first_of("]\r\n") == std::string_view::npos;
}

bool IsWritableKey(std::string_view key)
{
    const std::string_view trimmed = TrimBlanks(key);
    return !trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '[' &&
           key.find_first_of("=\r\n") == std::string_view::npos;
}

bool IsWritableValue(std::string_view value)
{
    return value.find_first_of("\r\n") == std::string_view::npos;
}

std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value)
{
    LineReader reader(text);
    Line line;
    bool inSection = false;
    std::optional<Line> anchor; // the line the new entry goes after
    while (reader.Next(line))
    {
        if (line.kind == LineKind::Section)
        {
            if (inSection)
                break;
            inSection = Matches(line.name, section);
            if (inSection)
                anchor = line;
        }
        else if (inSection && line.kind == LineKind::Entry && Matches(line.name, key))
        {
            if (line.value == Unquote(TrimBlanks(value)))
                return std::nullopt;
            std::string out;
            out.reserve(text.size() + value.size() + 2);
            out.append(text.substr(0, line.begin));
            AppendEntry(out, line.name, value);
            out.append(text.substr(line.end));
            return out;
        }
        else if (inSection && line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            anchor = line;
    }

    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 10);
    if (anchor)
    {
        out.append(text.substr(0, anchor->begin));
        AppendLineClosed(out, text, *anchor);
        AppendEntry(out, key, value);
        out.append(text.substr(anchor->end));
        return out;
    }
    out.append(text);
    const std::string_view body = text.substr(reader.Start());
    if (!body.empty() && body.back() != '\n' && body.back() != '\r')
        out.append(kLineBreak);
    out.append("[").append(section).append("]").append(kLineBreak);
    AppendEntry(out, key, value);
    return out;
}

std::optional<std::string> RemoveKey(std::string_view text, std::string_view section,
                                     std::string_view key)
{
    LineReader reader(text);
    Line line;
    bool inSection = false;
    std::string out;
    size_t kept = 0; // text before this offset is already in `out` or dropped
    bool changed = false;
    while (reader.Next(line))
    {
        if (line.kind == LineKind::Section)
        {
            if (inSection)
                break;
            inSection = Matches(line.name, section);
        }
        else if (inSection && line.kind == LineKind::Entry && Matches(line.name, key))
        {
            out.append(text.substr(kept, line.begin - kept));
            kept = line.end;
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    out.append(text.substr(kept));
    return out;
}

std::optional<std::string> RemoveSection(std::string_view text, std::string_view section)
{
    LineReader reader(text);
    Line line;
    bool inRemoved = false;
    std::string out;
    size_t kept = 0;
    bool changed = false;
    while (reader.Next(line))
    {
        if (line.kind == LineKind::Section)
            inRemoved = Matches(line.name, section);
        if (inRemoved && line.kind != LineKind::Blank && line.kind != LineKind::Comment)
        {
            out.append(text.substr(kept, line.begin - kept));
            kept = line.end;
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    out.append(text.substr(kept));
    return out;
}
} // namespace platform::profile
