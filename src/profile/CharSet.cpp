#include "src/profile/CharSet.h"

#include <climits>

namespace
{

// Conversion to a signed 8-bit value is modular, which is what the comparisons of the character
// sets were written for whatever the signedness of char.
signed char Signed8(char c)
{
    return static_cast<signed char>(c);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void ParseCharSetItem(const std::string& charSet, size_t& position, signed char& low,
                      signed char& high)
{
    low = Signed8(charSet[position]);
    ++position;
    if (position >= charSet.size() || charSet[position] == ',')
    {
        high = low;
    }
    else
    {
        ++position;
        high = position < charSet.size() ? Signed8(charSet[position]) : low;
        ++position;
    }
    if (position < charSet.size())
        ++position;
}

bool CheckCharSet(const std::string& charSet, const std::string& text)
{
    for (char c : text)
    {
        const signed char value = Signed8(c);
        bool matched = false;
        size_t position = 0;
        while (!matched && position < charSet.size())
        {
            signed char low = 0;
            signed char high = 0;
            ParseCharSetItem(charSet, position, low, high);
            matched = low <= value && value <= high;
        }
        if (!matched)
            return false;
    }
    return true;
}

bool IsAllDigits(const std::string& text)
{
    for (char c : text)
    {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

int ParseDecimal(const std::string& text)
{
    if (!IsAllDigits(text))
        return -1;
    long long value = 0;
    for (char c : text)
    {
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}
