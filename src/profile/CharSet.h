// Character sets and the digit helpers of the profile settings.
//
// A character set is a list of items, each followed by one separator character (a comma): an item
// is one character (that character) or three characters x:y (every character from x to y
// inclusive). Characters are compared as signed 8-bit values, so bytes 0x80-0xFF lie below every
// ASCII character. Examples: "0:9" digits, "0:9,:" digits and colon, "0:9,,,-" digits, comma and
// hyphen, "a:z,A:Z,0:9,_,(,)" configuration names.
#pragma once

#include <cstddef>
#include <string>

// The bounds of the item that starts at `position` (which must be inside the character set);
// `position` moves past the item and the separator after it. The character after the low bound is
// skipped unexamined when it is not a comma (it is the colon of x:y), and so is the separator,
// which is why a comma can itself be an item ("0:9,,,-"). An item cut short after its colon ("0:")
// is the single low character.
void ParseCharSetItem(const std::string& charSet, size_t& position, signed char& low,
                      signed char& high);

// True when every character of `text` lies in an item of `charSet`; the empty text is always
// accepted, and an empty character set rejects every other text.
bool CheckCharSet(const std::string& charSet, const std::string& text);

// True when every character is a decimal digit; the empty text counts as all digits.
bool IsAllDigits(const std::string& text);

// The value of a text of decimal digits (0 for the empty text), saturated at INT_MAX; -1 when
// the text holds anything but digits.
int ParseDecimal(const std::string& text);
