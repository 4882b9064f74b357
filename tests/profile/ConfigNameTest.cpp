#include "src/profile/IniItem.h"

#include "src/profile/ProfileFile.h"
#include "tests/support/MessageBoxes.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

const std::string kModified =
    "Warning:  The configuration 'Office' has been modified.\nDo you wish to continue?";

class ConfigName : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearMessageBoxes();
        m_savedModified = g_bCfgModified;
        m_profile.Write("[Default Configs]\r\nConfig1=Factory A\r\n[Office]\r\nDataSPID=1\r\n"
                        "[Home]\r\nDataSPID=2\r\n");
    }
    void TearDown() override { g_bCfgModified = m_savedModified; }

    BOOL Validate(const std::string& name) const { return m_item.ValidateConfigName(name); }

    TempProfile m_profile;
    std::string m_current = "Office";
    std::string m_value;
    CIniStringItem m_item{m_profile.Path(), &m_current, "DataSPID", "", &m_value, 20, "0:9"};
    int m_savedModified = 0;
};

TEST_F(ConfigName, Refused_WhenEmpty)
{
    QueueAnswers({IDOK});
    EXPECT_FALSE(Validate(""));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{
                                "You must enter a configuration name before you can continue."});
}

TEST_F(ConfigName, Refused_WhenBlankHyphenOrHighByteInside)
{
    for (const char* name : {"My Config", "My-Config", "Caf\xC3\xA9", "a.b"})
    {
        SCOPED_TRACE(name);
        ClearMessageBoxes();
        QueueAnswers({IDOK});
        EXPECT_FALSE(Validate(name));
        EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Invalid characters in configuration "
                                                         "name.\nPlease enter a different "
                                                         "configuration name."});
    }
}

TEST_F(ConfigName, AcceptedWithoutQuestion_WhenNewName)
{
    EXPECT_TRUE(Validate("My_Config(2)"));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(ConfigName, AcceptedWithoutQuestion_WhenCurrentNameNotModified)
{
    g_bCfgModified = 0;
    EXPECT_TRUE(Validate("office"));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(ConfigName, AskedWhetherToContinue_WhenCurrentNameModifiedAndSectionExists)
{
    g_bCfgModified = 1;
    QueueAnswers({IDYES});
    EXPECT_TRUE(Validate("Office"));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{kModified});

    ClearMessageBoxes();
    QueueAnswers({IDNO});
    EXPECT_FALSE(Validate("Office"));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{kModified});
}

TEST_F(ConfigName, AcceptedWithoutQuestion_WhenCurrentNameModifiedButNeverSaved)
{
    g_bCfgModified = 1;
    m_current = "Fresh";
    EXPECT_TRUE(Validate("FRESH"));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(ConfigName, AskedBeforeOverwriting_WhenAnotherExistingName)
{
    const std::string question =
        "Warning: This configuration, home,  already exists and will be overwritten.\nContinue?";
    const std::string before = m_profile.Read();
    g_bCfgModified = 0;
    QueueAnswers({IDNO});
    EXPECT_FALSE(Validate("home"));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{question});
    EXPECT_EQ(m_profile.Read(), before);

    ClearMessageBoxes();
    QueueAnswers({IDYES});
    EXPECT_TRUE(Validate("home"));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{question});
}

TEST_F(ConfigName, AskedBeforeOverwriting_WhenExistingSectionLiesPastAnyFixedBuffer)
{
    std::string text = m_profile.Read();
    for (int i = 0; i < 200; ++i)
        text += "[Filler" + std::to_string(i) + "]\r\n";
    text += "[Late]\r\nDataSPID=3\r\n";
    m_profile.Write(text);

    QueueAnswers({IDNO});
    EXPECT_FALSE(Validate("Late"));
    EXPECT_EQ(ShownTexts().size(), 1u);
}

} // namespace
