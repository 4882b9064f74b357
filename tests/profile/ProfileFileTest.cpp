#include "src/profile/ProfileFile.h"

#include "platform/win32.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class ProfileFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedPath = g_profilePath;
        g_profilePath = m_profile.Path();
    }
    void TearDown() override { g_profilePath = m_savedPath; }

    TempProfile m_profile;
    std::string m_savedPath;
};

// Sections "Config0000", "Config0001", ... each of 12 characters with its NUL.
std::string ManySections(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
    {
        char name[32];
        snprintf(name, sizeof name, "Config%04d", i);
        text += std::string("[") + name + "]\r\nDataTEI=Auto TEI\r\n";
    }
    return text;
}

TEST(ProfilePath, FileBesideExecutable_WhenPathTaken)
{
    const std::string saved = g_profilePath;
    char module[4096] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    const std::string modulePath = module;

    GetProfilePath();

    const std::string folder = modulePath.substr(0, modulePath.find_last_of('/') + 1);
    EXPECT_EQ(g_profilePath, folder + "quoran.ini");
    EXPECT_EQ(g_profileFileName, "quoran.ini");
    g_profilePath = saved;
}

TEST_F(ProfileFile, OnlyNamesBeforeTheGapAreFactoryDefaults_WhenConfig2Missing)
{
    m_profile.Write("[Default Configs]\r\nConfig1=Factory A\r\nConfig3=Factory C\r\n");

    EXPECT_TRUE(IsFactoryDefaultConfig("Factory A"));
    EXPECT_FALSE(IsFactoryDefaultConfig("Factory C"));
    EXPECT_FALSE(IsFactoryDefaultConfig("Mine"));
}

TEST_F(ProfileFile, FactoryDefaultFound_WhenNameDiffersInCase)
{
    m_profile.Write("[default configs]\r\nconfig1=Factory A\r\nConfig2=Factory B\r\n");

    EXPECT_TRUE(IsFactoryDefaultConfig("factory a"));
    EXPECT_TRUE(IsFactoryDefaultConfig("FACTORY B"));
}

TEST_F(ProfileFile, ListEndsAtEmptyValue_WhenConfigKeyHasNoName)
{
    m_profile.Write("[Default Configs]\r\nConfig1=Factory A\r\nConfig2=\r\nConfig3=Factory C\r\n");

    EXPECT_TRUE(IsFactoryDefaultConfig("Factory A"));
    EXPECT_FALSE(IsFactoryDefaultConfig("Factory C"));
    EXPECT_FALSE(IsFactoryDefaultConfig(""));
}

TEST_F(ProfileFile, NothingExists_WhenFileIsMissing)
{
    EXPECT_FALSE(IsFactoryDefaultConfig("Factory A"));
    EXPECT_FALSE(ConfigSectionExists("Mine", m_profile.Path()));
    EXPECT_TRUE(ListConfigurations(m_profile.Path()).empty());
    EXPECT_TRUE(ReadSectionNames(m_profile.Path()).empty());
}

TEST_F(ProfileFile, SectionFoundIgnoringCase_WhenNamedInFile)
{
    m_profile.Write("[Default Configs]\r\nConfig1=Factory A\r\n[Office]\r\nDataTEI=0\r\n");

    EXPECT_TRUE(ConfigSectionExists("office", m_profile.Path()));
    EXPECT_TRUE(ConfigSectionExists("OFFICE", m_profile.Path()));
    EXPECT_FALSE(ConfigSectionExists("Offic", m_profile.Path()));
    EXPECT_FALSE(ConfigSectionExists("", m_profile.Path()));
}

TEST_F(ProfileFile, SectionPastTheFirst512CharactersFound_WhenListIsLong)
{
    // 50 sections of 12 characters: the last starts at character 588 of the list.
    m_profile.Write(ManySections(50));

    EXPECT_TRUE(ConfigSectionExists("Config0049", m_profile.Path()));
    const std::vector<std::string> listed = ListConfigurations(m_profile.Path());
    ASSERT_EQ(listed.size(), 50u);
    EXPECT_EQ(listed.back(), "Config0049");
}

TEST_F(ProfileFile, EverySectionListedInFileOrder_WhenFileHasTenThousand)
{
    m_profile.Write(ManySections(10000));

    EXPECT_TRUE(ConfigSectionExists("config9999", m_profile.Path()));
    const std::vector<std::string> listed = ListConfigurations(m_profile.Path());
    ASSERT_EQ(listed.size(), 10000u);
    EXPECT_EQ(listed.front(), "Config0000");
    EXPECT_EQ(listed[5000], "Config5000");
    EXPECT_EQ(listed.back(), "Config9999");
}

TEST_F(ProfileFile, DefaultConfigsAndRepeatsLeftOut_WhenConfigurationsListed)
{
    m_profile.Write("[Home]\r\n[DEFAULT CONFIGS]\r\nConfig1=Home\r\n[Office]\r\n[home]\r\n"
                    "[Lab(2)]\r\n[OFFICE]\r\n");

    const std::vector<std::string> expected = {"Home", "Office", "Lab(2)"};
    EXPECT_EQ(ListConfigurations(m_profile.Path()), expected);
    EXPECT_EQ(ReadSectionNames(m_profile.Path()).size(), 6u);
}

TEST_F(ProfileFile, DamagedFileListsWhatItCanRead_WhenBinaryBytesAndLongNames)
{
    std::string text = "\xEF\xBB\xBF[First]\r\n\x01\x02\xFF\xFE garbage\r\n[";
    text += std::string(70000, 'N');
    text += "]\r\n[Caf\xC3\xA9]\r\n[Half";
    text += '\0';
    text += "ignored]\r\n[Last\r\n";
    m_profile.Write(text);

    const std::vector<std::string> listed = ListConfigurations(m_profile.Path());
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed[0], "First");
    EXPECT_EQ(listed[1].size(), 70000u);
    EXPECT_EQ(listed[2], "Caf\xC3\xA9");
    EXPECT_EQ(listed[3], "Half");
    EXPECT_EQ(listed[4], "Last");
}

} // namespace
