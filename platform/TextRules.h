// The small text rules that every layer shares, each written once: what a blank is, and how
// names and list items compare when letter case does not count.
//
// Letter case: only the ASCII letters fold, to lower case, as the C runtime's _stricmp folds
// them; every other byte compares by its value. So "_" sorts before the letters, and a sorted
// list box, a profile lookup and a choice table all agree on what is equal and what comes first.
#pragma once

#include <string_view>

namespace platform
{
// A space or a tab.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// `text` without blanks at either end.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

constexpr char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// <0, 0 or >0 as `a` sorts before, equal to or after `b`, ignoring letter case. A text that is
// the beginning of another sorts first.
constexpr int CompareNoCase(std::string_view a, std::string_view b)
{
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i)
    {
        const auto ca = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiLower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

constexpr bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return CompareNoCase(a, b) == 0;
}

// Orders texts as CompareNoCase does, for sorted containers of names.
struct LessNoCase
{
    constexpr bool operator()(std::string_view a, std::string_view b) const
    {
        return CompareNoCase(a, b) < 0;
    }
};

constexpr bool BeginsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}
} // namespace platform
