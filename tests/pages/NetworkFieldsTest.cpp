#include "src/pages/NetworkCfgPage2Europe.h"
#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
class NetworkFields : public NetworkPagesTest
{
};

constexpr const char* kInvalid = "Invalid character(s) entered.";
constexpr const char* kRange = "Data entered is out of range.";
constexpr const char* kInteger = "Please enter an integer.";

struct FieldCheck
{
    const char* page;
    std::vector<std::pair<int, const char*>> typed;
    bool next;
    const char* message; // "" when the page is left
    int focus = 0;
    const char* dataTEI = "Auto TEI";
};

TEST_F(NetworkFields, EachPageChecksItsFieldsInOrder_AndKeepsTheFocusOnTheFirstBadOne)
{
    const FieldCheck rows[] = {
        {"CNetworkCfgPage2US", {{1001, ""}}, true, "Please enter 'VoiceSPID'.", 1001, "Disabled"},
        {"CNetworkCfgPage2US", {{1001, ""}}, false, "", 0, "Disabled"},
        {"CNetworkCfgPage2US", {{1000, "   "}}, true, "Please enter 'DataSPID'.", 1000},
        {"CNetworkCfgPage2US", {{1003, "555-1234"}}, false, kInvalid, 1003},
        {"CNetworkCfgPage2US", {{1000, ""}, {1186, "5 5"}}, true, kInvalid, 1186},
        {"CNetworkCfgPage2US", {{1001, "0123456789012345678x"}}, false, kInvalid, 1001},
        // The data MSN holds 20 digits: 25 characters fit a field, not always the pair.
        {"CNetworkCfgPage2Europe", {{1144, "1234"}}, true, ""},
        {"CNetworkCfgPage2Europe", {{1144, "12345"}}, false, kInvalid, 1042},
        {"CNetworkCfgPage2Europe", {{1043, "5"}, {1145, "1a"}}, true, kInvalid, 1043},
        {"CNetworkCfgPage2Europe", {{1042, "49 30"}, {1043, "+49"}}, false, kInvalid, 1042},
        {"CCallCtrlCfgPage", {{1010, "0"}}, true, kRange, 1010},
        {"CCallCtrlCfgPage", {{1010, "256"}}, false, kRange, 1010},
        {"CCallCtrlCfgPage", {{1178, "256"}}, true, kRange, 1178},
        {"CCallCtrlCfgPage", {{1010, "0"}, {1178, "300"}}, true, kRange, 1010},
        {"CCallCtrlCfgPage", {{1010, "0"}, {1178, "x"}}, false, kInteger, 1178},
        {"CCallCtrlCfgPage", {{1010, "-0"}}, true, kInteger, 1010},
        {"CCallCtrlCfgPage", {{1010, "255"}, {1178, "0"}}, true, ""},
    };
    for (const FieldCheck& row : rows)
    {
        SCOPED_TRACE(std::string(row.page) + " " + row.typed.back().second);
        TakeModel(3);
        sheet.m_networkCfgPage1.m_strDataTEI = row.dataTEI;
        sheet.m_networkCfgPage2US.m_strDataSPID = "1";
        sheet.m_networkCfgPage2US.m_strVoiceSPID = "2";
        sheet.m_networkCfgPage2Europe.m_strDataMSN = "12345678901234567890";
        StartOn(row.page);
        for (const auto& [id, text] : row.typed)
            ASSERT_TRUE(wizard.Type(id, text));
        EXPECT_EQ(Leave(row.next), row.message);
        if (*row.message != '\0')
        {
            EXPECT_EQ(FocusId(), row.focus);
        }
        sheet.DestroyWindow();
    }
}

TEST_F(NetworkFields, TheSpidPageStoresTrimmedNumbers_AndSendsOnlyTheChannelsWithATEI)
{
    TakeModel(3);
    sheet.m_networkCfgPage1.m_strVoiceTEI = "disabled";
    sheet.m_networkCfgPage2US.m_strVoiceSPID = "999";
    StartOn("CNetworkCfgPage2US");
    for (int id : {1045, 1000, 1046, 1002, 1050, 1186})
        EXPECT_TRUE(IsEnabled(id)) << id;
    for (int id : {1047, 1001, 1048, 1003})
        EXPECT_FALSE(IsEnabled(id)) << id;
    ASSERT_TRUE(wizard.Type(1002, "  5551234"));
    ASSERT_TRUE(wizard.Type(1000, "\t01555123400 "));
    EXPECT_TRUE(g_bCfgModified);
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkCfgPage2US.m_strDataDN, "5551234");
    EXPECT_EQ(sheet.m_networkCfgPage2US.m_strDataSPID, "01555123400");
    const std::string lines = PackedLines();
    EXPECT_NE(lines.find("!C6=01555123400"), std::string::npos) << lines;
    EXPECT_NE(lines.find("!N1=5551234"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("*!C6="), std::string::npos) << lines;
    EXPECT_EQ(lines.find("*!N1="), std::string::npos) << lines;
    EXPECT_EQ(lines.find("!N1=", lines.find("!N1=") + 1), std::string::npos) << lines; // no MSN
}

TEST_F(NetworkFields, TheMsnPageGreysTheVoiceFields_KeepsTheirTextUnchecked_AndSendsNoSPIDs)
{
    TakeModel(3);
    sheet.m_networkCfgPage1.m_strVoiceTEI = "Disabled";
    sheet.m_networkCfgPage2Europe.m_strDataMSN = "4930123";
    sheet.m_networkCfgPage2Europe.m_strVoiceMSN = "12a:7";
    StartOn("CNetworkCfgPage2Europe");
    for (int id : {1051, 1146, 1043, 1145})
        EXPECT_FALSE(IsEnabled(id)) << id;
    EXPECT_TRUE(IsEnabled(1150));
    EXPECT_EQ(Text(1043), "12a");
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strVoiceMSN, "12a:7");
    for (int id : {1000, 1001, 1002, 1186, 1003, 1043})
        EXPECT_FALSE(IsParamEnabled(id)) << id;
    const std::string lines = PackedLines();
    EXPECT_NE(lines.find("!N1=4930123"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("*!N1="), std::string::npos) << lines;
    EXPECT_EQ(lines.find("!C6="), std::string::npos) << lines;
}

TEST_F(NetworkFields, ModelsSevenToNineLabelTheNumbersByPosition_AndHaveNoSecondDataNumber)
{
    for (int model : {3, 7, 9})
    {
        SCOPED_TRACE(model);
        const bool positional = model != 3;
        TakeModel(model);
        sheet.m_networkCfgPage2US.m_strVoiceSPID = "2";
        StartOn("CNetworkCfgPage2US");
        EXPECT_EQ(Text(1045), positional ? "SPID 1:" : "&Data SPID :");
        EXPECT_EQ(Text(1048), positional ? "Directory Number 2:" : "V&oice Directory Number :");
        EXPECT_EQ(IsVisible(1186), !positional);
        EXPECT_EQ(IsParamEnabled(1186), !positional);
        // The message names the stored key whatever the label says.
        EXPECT_EQ(Leave(true), "Please enter 'DataSPID'.");
        sheet.DestroyWindow();

        StartOn("CNetworkCfgPage2Europe");
        EXPECT_EQ(Text(1051), positional ? "MSN Number 2:" : "&Voice ISDN Number :");
        EXPECT_EQ(Text(1188).empty(), positional);
        EXPECT_EQ(IsVisible(1187), !positional);
        EXPECT_EQ(IsVisible(1150), !positional);
        EXPECT_EQ(IsParamEnabled(1187), !positional);
        sheet.DestroyWindow();
    }
}

struct Split
{
    const char* stored;
    const char* number;
    const char* subAddress;
};

TEST(NumberSubAddress, SplitsAtTheFirstColonUnlessFirst_AndJoinsOnlyWithANumber)
{
    const Split splits[] = {{"123:45", "123", "45"},
                            {":45", ":45", ""},
                            {"123:", "123", ""},
                            {"1:2:3", "1", "2:3"},
                            {"", "old", "old"}};
    for (const Split& row : splits)
    {
        std::string number = "old", subAddress = "old";
        SplitNumberSubAddress(row.stored, number, subAddress);
        EXPECT_EQ(number + "|" + subAddress, std::string(row.number) + "|" + row.subAddress);
    }
    const Split joins[] = {{"123:45", "123", "45"}, {"123", "123", ""}, {"", "", "45"}};
    for (const Split& row : joins)
        EXPECT_EQ(JoinNumberSubAddress(row.number, row.subAddress), row.stored);
}

struct MsnTyped
{
    int model;
    const char* number;
    const char* subAddress;
    const char* stored;
};

TEST_F(NetworkFields, TheMsnPageStoresThePairTyped_ButNoSubAddressForPellorS)
{
    const MsnTyped rows[] = {{3, " 4930123 ", " 17", "4930123:17"},
                             {3, "", "17", ""},
                             {8, "4930123", "17", "4930123:17"},
                             {9, "4930123", "17", "4930123"}};
    for (const MsnTyped& row : rows)
    {
        SCOPED_TRACE(row.model);
        TakeModel(row.model);
        StartOn("CNetworkCfgPage2Europe");
        ASSERT_TRUE(wizard.Type(1042, row.number));
        ASSERT_TRUE(wizard.Type(1144, row.subAddress));
        EXPECT_EQ(Leave(true), "");
        EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strDataMSN, row.stored);
        // Back from the call control page shows what was stored.
        EXPECT_EQ(Leave(false), "");
        EXPECT_EQ(JoinNumberSubAddress(Text(1042), Text(1144)), row.stored);
        sheet.DestroyWindow();
    }
}

TEST_F(NetworkFields, TheMsnPageShowsTheConfigurationLoadedSinceItsLastVisit)
{
    WriteProfile("[First]\nDataMSN=123:45\nDataMSN2=:45\nVoiceMSN=1:2:3\n"
                 "[Second]\nDataMSN=444\nVoiceMSN=555:5\n");
    TakeModel(3);
    LoadConfiguration("First");
    StartOn("CNetworkCfgPage2Europe");
    EXPECT_EQ(Text(1042) + "|" + Text(1144), "123|45");
    EXPECT_EQ(Text(1187) + "|" + Text(1150), ":45|");
    EXPECT_EQ(Text(1043) + "|" + Text(1145), "1|2:3");
    ASSERT_TRUE(wizard.Type(1145, "9"));
    EXPECT_EQ(Leave(false), "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strVoiceMSN, "1:9");

    LoadConfiguration("Second");
    EXPECT_EQ(Leave(true), "");
    ASSERT_EQ(ActivePageName(), "CNetworkCfgPage2Europe");
    EXPECT_EQ(Text(1042) + "|" + Text(1144), "444|");
    EXPECT_EQ(Text(1187) + "|" + Text(1150), "|"); // stored empty: nothing of the first
    EXPECT_EQ(Text(1043) + "|" + Text(1145), "555|5");
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strDataMSN, "444");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strDataMSN2, "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strVoiceMSN, "555:5");
}
} // namespace
