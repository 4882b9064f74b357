#include "src/profile/IniItem.h"

#include "src/commands/ChoiceTables.h"
#include "src/profile/ProfileFile.h"
#include "tests/support/MessageBoxes.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

const std::string kBadRingsToAnswer =
    "Invalid RingsToAnswer value found in INI file. Factory default value read instead.";

class IniItem : public ::testing::Test
{
protected:
    void SetUp() override { ClearMessageBoxes(); }

    // Stores `line` (a "key=value" line, or nothing) in section [Mine].
    void Store(const std::string& lines) { m_profile.Write("[Mine]\r\n" + lines + "\r\n"); }

    TempProfile m_profile;
    std::string m_section = "Mine";
};

// ---------------------------------------------------------------------------------------------
// Integers

class IntItem : public IniItem
{
protected:
    int ReadRings()
    {
        CIniIntItem item(m_profile.Path(), &m_section, "RingsToAnswer", 1, &m_value, 1, 255);
        m_value = 77;
        item.Read();
        return m_value;
    }

    int m_value = 0;
};

TEST_F(IntItem, ValueRead_WhenStoredNumberInRange)
{
    Store("RingsToAnswer=255");
    EXPECT_EQ(ReadRings(), 255);
    Store("RingsToAnswer=007");
    EXPECT_EQ(ReadRings(), 7);
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(IntItem, DefaultAfterMessage_WhenStoredNumberOutOfRange)
{
    for (const char* stored : {"RingsToAnswer=0", "RingsToAnswer=300", "RingsToAnswer=25512"})
    {
        SCOPED_TRACE(stored);
        ClearMessageBoxes();
        Store(stored);
        QueueAnswers({IDOK});
        EXPECT_EQ(ReadRings(), 1);
        EXPECT_EQ(ShownTexts(), std::vector<std::string>{kBadRingsToAnswer});
    }
}

TEST_F(IntItem, DefaultAfterMessage_WhenStoredTextIsNotAllDigits)
{
    for (const char* stored : {"RingsToAnswer=-5", "RingsToAnswer=", "RingsToAnswer=3x",
                               "RingsToAnswer=\xB3", "RingsToAnswer=+3"})
    {
        SCOPED_TRACE(stored);
        ClearMessageBoxes();
        Store(stored);
        QueueAnswers({IDOK});
        EXPECT_EQ(ReadRings(), 1);
        EXPECT_EQ(ShownTexts(), std::vector<std::string>{kBadRingsToAnswer});
    }
}

TEST_F(IntItem, DefaultSilently_WhenKeyOrSectionOrFileMissing)
{
    Store("DataTEI=0");
    EXPECT_EQ(ReadRings(), 1);
    m_section = "Other";
    EXPECT_EQ(ReadRings(), 1);
    m_section = "";
    EXPECT_EQ(ReadRings(), 1);
    std::filesystem::remove(m_profile.Path());
    m_section = "Mine";
    EXPECT_EQ(ReadRings(), 1);
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(IntItem, SignedDecimalWritten_WhenValueSaved)
{
    CIniIntItem item(m_profile.Path(), &m_section, "RingsToAnswer", 1, &m_value, 1, 255);
    m_value = 42;
    EXPECT_TRUE(item.Write());
    m_value = -3;
    CIniIntItem other(m_profile.Path(), &m_section, "Offset", 0, &m_value, -10, 10);
    EXPECT_TRUE(other.Write());
    EXPECT_EQ(m_profile.Read(), "[Mine]\r\nRingsToAnswer=42\r\nOffset=-3\r\n");
    EXPECT_EQ(item.Validate(), -2);
    EXPECT_EQ(other.Validate(), 1);
}

// ---------------------------------------------------------------------------------------------
// Texts

class StringItem : public IniItem
{
protected:
    std::string ReadSpid()
    {
        CIniStringItem item(m_profile.Path(), &m_section, "DataSPID", "", &m_value, 20, "0:9");
        m_value = "untouched";
        item.Read();
        return m_value;
    }

    std::string m_value;
};

TEST_F(StringItem, CutToMaximumWithoutMessage_WhenStoredTextTooLong)
{
    Store("DataSPID=1234567890123456789012345");
    EXPECT_EQ(ReadSpid(), "12345678901234567890");
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(StringItem, DefaultAfterMessage_WhenStoredTextHasForeignCharacters)
{
    for (const char* stored : {"DataSPID=123-456", "DataSPID=12 34", "DataSPID=12\xE9"})
    {
        SCOPED_TRACE(stored);
        ClearMessageBoxes();
        Store(stored);
        QueueAnswers({IDOK});
        EXPECT_EQ(ReadSpid(), "");
        EXPECT_EQ(ShownTexts(),
                  std::vector<std::string>{"Invalid DataSPID value found in INI file. Factory "
                                           "default value read instead."});
    }
}

TEST_F(StringItem, TooLongAndForeignRejected_WhenValidated)
{
    CIniStringItem item(m_profile.Path(), &m_section, "StoredNumber0", "", &m_value, 20, "0:9,,,-");
    m_value = "1,2-3";
    EXPECT_EQ(item.Validate(), 1);
    m_value = "1&2";
    EXPECT_EQ(item.Validate(), -1);
    m_value = std::string(21, '1');
    EXPECT_EQ(item.Validate(), -1);
    m_value = "";
    EXPECT_EQ(item.Validate(), 1);
    EXPECT_EQ(item.GetMaxLength(), 20);
}

// ---------------------------------------------------------------------------------------------
// Choices

class ChoiceItem : public IniItem
{
protected:
    std::string ReadParity()
    {
        CIniChoiceItem item(m_profile.Path(), &m_section, "DefaultParity", "None", &m_value,
                            kParityChoices);
        item.Read();
        return m_value;
    }

    std::string m_value;
};

TEST_F(ChoiceItem, KeptAsStored_WhenTextMatchesInOtherCase)
{
    Store("DefaultParity=mark");
    EXPECT_EQ(ReadParity(), "mark");
    Store("DefaultParity=EVEN");
    EXPECT_EQ(ReadParity(), "EVEN");
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(ChoiceItem, DefaultAfterMessage_WhenTextIsNoChoice)
{
    for (const std::string& stored :
         {std::string("DefaultParity=Evens"), std::string("DefaultParity="),
          "DefaultParity=" + std::string(100000, 'E'), std::string("DefaultParity=\xC9VEN")})
    {
        ClearMessageBoxes();
        Store(stored);
        QueueAnswers({IDOK});
        EXPECT_EQ(ReadParity(), "None");
        EXPECT_EQ(ShownTexts().size(), 1u);
    }
}

TEST_F(ChoiceItem, ValueStoredAsText_WhenSaved)
{
    CIniChoiceItem item(m_profile.Path(), &m_section, "DefaultParity", "None", &m_value,
                        kParityChoices);
    m_value = "Space";
    EXPECT_TRUE(item.Write());
    m_value.clear();
    item.Read();
    EXPECT_EQ(m_value, "Space");
    m_value = "1.5";
    EXPECT_EQ(item.Validate(), -3);
}

// ---------------------------------------------------------------------------------------------
// Yes/no

class YesNoItem : public IniItem
{
protected:
    int ReadAutoAnswer(int defaultValue = 1)
    {
        CIniYesNoItem item(m_profile.Path(), &m_section, "AutoAnswer", defaultValue, &m_value,
                           kYesNoChoices);
        m_value = 7;
        item.Read();
        return m_value;
    }

    int m_value = 0;
};

TEST_F(YesNoItem, FlagRead_WhenYesOrNoInAnyCase)
{
    Store("AutoAnswer=yes");
    EXPECT_EQ(ReadAutoAnswer(0), 1);
    Store("AutoAnswer=NO");
    EXPECT_EQ(ReadAutoAnswer(1), 0);
    Store("AutoAnswer=No");
    EXPECT_EQ(ReadAutoAnswer(1), 0);
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(YesNoItem, DefaultAfterMessage_WhenStoredTextIsNeither)
{
    Store("AutoAnswer=1");
    QueueAnswers({IDOK});
    EXPECT_EQ(ReadAutoAnswer(0), 0);
    EXPECT_EQ(
        ShownTexts(),
        std::vector<std::string>{
            "Invalid AutoAnswer value found in INI file. Factory default value read instead."});
}

TEST_F(YesNoItem, DefaultSilently_WhenKeyMissing)
{
    Store("");
    EXPECT_EQ(ReadAutoAnswer(1), 1);
    EXPECT_EQ(ReadAutoAnswer(0), 0);
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(YesNoItem, YesForAnyNonZero_WhenSaved)
{
    CIniYesNoItem item(m_profile.Path(), &m_section, "AutoAnswer", 1, &m_value, kYesNoChoices);
    m_value = 7;
    EXPECT_TRUE(item.Write());
    EXPECT_EQ(m_profile.Read(), "[Mine]\r\nAutoAnswer=Yes\r\n");
    m_value = 0;
    EXPECT_TRUE(item.Write());
    EXPECT_EQ(m_profile.Read(), "[Mine]\r\nAutoAnswer=No\r\n");
    EXPECT_EQ(item.Validate(), 1);
}

// ---------------------------------------------------------------------------------------------
// Writing

TEST_F(IniItem, WriteFails_WhenFolderIsGoneOrSectionEmpty)
{
    int value = 5;
    CIniIntItem item(m_profile.Path() + ".d/quoran.ini", &m_section, "DTRDetectTime", 5, &value, 0,
                     255);
    EXPECT_FALSE(item.Write());

    std::string noSection;
    CIniIntItem unnamed(m_profile.Path(), &noSection, "DTRDetectTime", 5, &value, 0, 255);
    EXPECT_FALSE(unnamed.Write());
    EXPECT_FALSE(m_profile.Exists());
}

TEST_F(IniItem, SectionFollowsSharedName_WhenNameChangesBetweenCalls)
{
    m_profile.Write("[A]\r\nDTRDetectTime=10\r\n[B]\r\nDTRDetectTime=20\r\n");
    int value = 0;
    std::string current = "A";
    CIniIntItem item(m_profile.Path(), &current, "DTRDetectTime", 5, &value, 0, 255);

    item.Read();
    EXPECT_EQ(value, 10);
    current = "b";
    item.Read();
    EXPECT_EQ(value, 20);
    EXPECT_EQ(item.Section(), &current);
}

} // namespace
