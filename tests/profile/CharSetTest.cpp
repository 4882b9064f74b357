#include "src/profile/CharSet.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{

constexpr const char* kDigits = "0:9";
constexpr const char* kStoredNumberZero = "0:9,,,-";
constexpr const char* kStoredNumber = "0:9,,,-,&";
constexpr const char* kConfigName = "a:z,A:Z,0:9,_,(,)";

TEST(CharSet, ItemsAreRangesSingleCharactersAndCommas_WhenSpecListsThem)
{
    const std::string spec = kStoredNumberZero;
    size_t position = 0;
    signed char low = 0;
    signed char high = 0;

    ParseCharSetItem(spec, position, low, high);
    EXPECT_EQ(low, '0');
    EXPECT_EQ(high, '9');
    EXPECT_EQ(position, 4u);

    ParseCharSetItem(spec, position, low, high);
    EXPECT_EQ(low, ',');
    EXPECT_EQ(high, ',');
    EXPECT_EQ(position, 6u);

    ParseCharSetItem(spec, position, low, high);
    EXPECT_EQ(low, '-');
    EXPECT_EQ(high, '-');
    EXPECT_EQ(position, spec.size());
}

TEST(CharSet, StoredNumberCharactersAccepted_WhenDigitsCommasHyphensAmpersands)
{
    EXPECT_TRUE(CheckCharSet(kStoredNumber, "9,,123-456&7"));
    EXPECT_TRUE(CheckCharSet(kStoredNumber, "&"));
    EXPECT_FALSE(CheckCharSet(kStoredNumber, "123 456"));
    EXPECT_FALSE(CheckCharSet(kStoredNumber, " "));
    EXPECT_FALSE(CheckCharSet(kStoredNumberZero, "12&3"));
    EXPECT_TRUE(CheckCharSet(kStoredNumberZero, "1,2-3"));
    EXPECT_FALSE(CheckCharSet(kDigits, "12-3"));
    EXPECT_TRUE(CheckCharSet("0:9,:", "1234:56"));
}

TEST(CharSet, EmptyTextAccepted_WhateverTheSpec)
{
    EXPECT_TRUE(CheckCharSet(kDigits, ""));
    EXPECT_TRUE(CheckCharSet("", ""));
    EXPECT_FALSE(CheckCharSet("", "1"));
}

TEST(CharSet, ConfigurationNamesChecked_WhenLettersDigitsUnderscoreParentheses)
{
    EXPECT_TRUE(CheckCharSet(kConfigName, "My_Config(2)"));
    EXPECT_TRUE(CheckCharSet(kConfigName, "zZ09_()"));
    EXPECT_FALSE(CheckCharSet(kConfigName, "My Config"));
    EXPECT_FALSE(CheckCharSet(kConfigName, "My-Config"));
    EXPECT_FALSE(CheckCharSet(kConfigName, "caf\xC3\xA9"));
}

TEST(CharSet, HighBytesCompareAsNegative_WhenSpecOrTextHoldsThem)
{
    // Bytes 0x80-0xFF are -128..-1: below every ASCII character, and a range from an ASCII
    // character up to one of them is empty.
    EXPECT_FALSE(CheckCharSet(kDigits, "\xFF"));
    EXPECT_TRUE(CheckCharSet("\x80:\xFF", "\x80\xC3\xFF"));
    EXPECT_FALSE(CheckCharSet("\x80:\xFF", "a"));
    EXPECT_FALSE(CheckCharSet(" :\xFF", "a"));
    EXPECT_TRUE(CheckCharSet("\x80:~", "a\xFF~"));
}

TEST(CharSet, DamagedSpecsNeverReadPastTheirEnd_WhenItemCutShort)
{
    EXPECT_TRUE(CheckCharSet("0:", "0"));
    EXPECT_FALSE(CheckCharSet("0:", "1"));
    EXPECT_TRUE(CheckCharSet("a,", "a"));
    EXPECT_TRUE(CheckCharSet(",", ","));
    EXPECT_TRUE(CheckCharSet("0:9,", "5"));
}

TEST(Digits, AllDigitsAndValue_WhenTextIsDecimal)
{
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0042"));
    EXPECT_FALSE(IsAllDigits("-5"));
    EXPECT_FALSE(IsAllDigits("4 2"));
    EXPECT_FALSE(IsAllDigits("\xB2"));
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("0042"), 42);
    EXPECT_EQ(ParseDecimal("2147483647"), INT_MAX);
}

TEST(Digits, ValueSaturatesOrIsMinusOne_WhenTooLongOrNotDigits)
{
    EXPECT_EQ(ParseDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(ParseDecimal(std::string(500, '9')), INT_MAX);
    EXPECT_EQ(ParseDecimal("-5"), -1);
    EXPECT_EQ(ParseDecimal("12a"), -1);
}

} // namespace
