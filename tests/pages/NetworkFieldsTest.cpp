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
    // clang-format off
    const FieldCheck rows[] = {
        {"CNetworkCfgPage2US", {{IDC_VOICE_SPID, ""}}, true, "Please enter 'VoiceSPID'.", IDC_VOICE_SPID, "Disabled"},
        {"CNetworkCfgPage2US", {{IDC_VOICE_SPID, ""}}, false, "", 0, "Disabled"},
        {"CNetworkCfgPage2US", {{IDC_DATA_SPID, "   "}}, true, "Please enter 'DataSPID'.", IDC_DATA_SPID},
        {"CNetworkCfgPage2US", {{IDC_VOICE_DN, "555-1234"}}, false, kInvalid, IDC_VOICE_DN},
        {"CNetworkCfgPage2US", {{IDC_DATA_SPID, ""}, {IDC_DATA_DN2, "5 5"}}, true, kInvalid, IDC_DATA_DN2},
        {"CNetworkCfgPage2US", {{IDC_VOICE_SPID, "0123456789012345678x"}}, false, kInvalid, IDC_VOICE_SPID},
        // The data MSN holds 20 digits: 25 characters fit a field, not always the pair.
        {"CNetworkCfgPage2Europe", {{IDC_DATA_SUB, "1234"}}, true, ""},
        {"CNetworkCfgPage2Europe", {{IDC_DATA_SUB, "12345"}}, false, kInvalid, IDC_DATA_MSN},
        {"CNetworkCfgPage2Europe", {{IDC_VOICE_MSN, "5"}, {IDC_VOICE_SUB, "1a"}}, true, kInvalid, IDC_VOICE_MSN},
        {"CNetworkCfgPage2Europe", {{IDC_DATA_MSN, "49 30"}, {IDC_VOICE_MSN, "+49"}}, false, kInvalid, IDC_DATA_MSN},
        {"CCallCtrlCfgPage", {{IDC_RINGS_TO_ANSWER, "0"}}, true, kRange, IDC_RINGS_TO_ANSWER},
        {"CCallCtrlCfgPage", {{IDC_RINGS_TO_ANSWER, "256"}}, false, kRange, IDC_RINGS_TO_ANSWER},
        {"CCallCtrlCfgPage", {{IDC_INACTIVITY_TIMER, "256"}}, true, kRange, IDC_INACTIVITY_TIMER},
        {"CCallCtrlCfgPage", {{IDC_RINGS_TO_ANSWER, "0"}, {IDC_INACTIVITY_TIMER, "300"}}, true, kRange, IDC_RINGS_TO_ANSWER},
        {"CCallCtrlCfgPage", {{IDC_RINGS_TO_ANSWER, "0"}, {IDC_INACTIVITY_TIMER, "x"}}, false, kInteger, IDC_INACTIVITY_TIMER},
        {"CCallCtrlCfgPage", {{IDC_RINGS_TO_ANSWER, "-0"}}, true, kInteger, IDC_RINGS_TO_ANSWER},
        {"CCallCtrlCfgPage", {{IDC_RINGS_TO_ANSWER, "255"}, {IDC_INACTIVITY_TIMER, "0"}}, true, ""},
    };
    // clang-format on
    for (const FieldCheck& row : rows)
    {
        SCOPED_TRACE(std::string(row.page) + " " + row.typed.back().second);
        TakeModel(3);
        sheet.m_networkCfgPage1.m_strDataTEI = row.dataTEI;
        sheet.m_networkCfgPage2US.m_strDataSPID = "1";
        sheet.m_networkCfgPage2US.m_strVoiceSPID = "2";
        sheet.m_networkCfgPage2Europe.m_strDataMSN = "12345678901234567890";
        StartOn(PageNamed(row.page));
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
    StartOn(sheet.m_networkCfgPage2US);
    for (int id : {IDC_DATA_SPID_LABEL, IDC_DATA_SPID, IDC_DATA_DN_LABEL, IDC_DATA_DN,
                   IDC_DATA_DN2_LABEL, IDC_DATA_DN2})
        EXPECT_TRUE(IsEnabled(id)) << id;
    for (int id : {IDC_VOICE_SPID_LABEL, IDC_VOICE_SPID, IDC_VOICE_DN_LABEL, IDC_VOICE_DN})
        EXPECT_FALSE(IsEnabled(id)) << id;
    ASSERT_TRUE(wizard.Type(IDC_DATA_DN, "  5551234"));
    ASSERT_TRUE(wizard.Type(IDC_DATA_SPID, "\t01555123400 "));
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
    StartOn(sheet.m_networkCfgPage2Europe);
    for (int id : {IDC_VOICE_MSN_LABEL, IDC_VOICE_SUB_LABEL, IDC_VOICE_MSN, IDC_VOICE_SUB})
        EXPECT_FALSE(IsEnabled(id)) << id;
    EXPECT_TRUE(IsEnabled(IDC_DATA_SUB2));
    EXPECT_EQ(Text(IDC_VOICE_MSN), "12a");
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strVoiceMSN, "12a:7");
    for (int id :
         {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_DATA_DN2, IDC_VOICE_DN, IDC_VOICE_MSN})
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
        StartOn(sheet.m_networkCfgPage2US);
        EXPECT_EQ(Text(IDC_DATA_SPID_LABEL), positional ? "SPID 1:" : "&Data SPID :");
        EXPECT_EQ(Text(IDC_VOICE_DN_LABEL),
                  positional ? "Directory Number 2:" : "V&oice Directory Number :");
        EXPECT_EQ(IsVisible(IDC_DATA_DN2), !positional);
        EXPECT_EQ(IsParamEnabled(IDC_DATA_DN2), !positional);
        // The message names the stored key whatever the label says.
        EXPECT_EQ(Leave(true), "Please enter 'DataSPID'.");
        sheet.DestroyWindow();

        StartOn(sheet.m_networkCfgPage2Europe);
        EXPECT_EQ(Text(IDC_VOICE_MSN_LABEL), positional ? "MSN Number 2:" : "&Voice ISDN Number :");
        EXPECT_EQ(Text(IDC_MSN_NOTE).empty(), positional);
        EXPECT_EQ(IsVisible(IDC_DATA_MSN2), !positional);
        EXPECT_EQ(IsVisible(IDC_DATA_SUB2), !positional);
        EXPECT_EQ(IsParamEnabled(IDC_DATA_MSN2), !positional);
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
        StartOn(sheet.m_networkCfgPage2Europe);
        ASSERT_TRUE(wizard.Type(IDC_DATA_MSN, row.number));
        ASSERT_TRUE(wizard.Type(IDC_DATA_SUB, row.subAddress));
        EXPECT_EQ(Leave(true), "");
        EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strDataMSN, row.stored);
        // Back from the call control page shows what was stored.
        EXPECT_EQ(Leave(false), "");
        EXPECT_EQ(JoinNumberSubAddress(Text(IDC_DATA_MSN), Text(IDC_DATA_SUB)), row.stored);
        sheet.DestroyWindow();
    }
}

TEST_F(NetworkFields, TheMsnPageShowsTheConfigurationLoadedSinceItsLastVisit)
{
    WriteProfile("[First]\nDataMSN=123:45\nDataMSN2=:45\nVoiceMSN=1:2:3\n"
                 "[Second]\nDataMSN=444\nVoiceMSN=555:5\n");
    TakeModel(3);
    LoadConfiguration("First");
    StartOn(sheet.m_networkCfgPage2Europe);
    EXPECT_EQ(Text(IDC_DATA_MSN) + "|" + Text(IDC_DATA_SUB), "123|45");
    EXPECT_EQ(Text(IDC_DATA_MSN2) + "|" + Text(IDC_DATA_SUB2), ":45|");
    EXPECT_EQ(Text(IDC_VOICE_MSN) + "|" + Text(IDC_VOICE_SUB), "1|2:3");
    ASSERT_TRUE(wizard.Type(IDC_VOICE_SUB, "9"));
    EXPECT_EQ(Leave(false), "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strVoiceMSN, "1:9");

    LoadConfiguration("Second");
    EXPECT_EQ(Leave(true), "");
    ASSERT_EQ(ActivePageName(), "CNetworkCfgPage2Europe");
    EXPECT_EQ(Text(IDC_DATA_MSN) + "|" + Text(IDC_DATA_SUB), "444|");
    EXPECT_EQ(Text(IDC_DATA_MSN2) + "|" + Text(IDC_DATA_SUB2),
              "|"); // stored empty: nothing of the first
    EXPECT_EQ(Text(IDC_VOICE_MSN) + "|" + Text(IDC_VOICE_SUB), "555|5");
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strDataMSN, "444");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strDataMSN2, "");
    EXPECT_EQ(sheet.m_networkCfgPage2Europe.m_strVoiceMSN, "555:5");
}

class SwitchTypePage : public NetworkPagesTest
{
};

TEST_F(SwitchTypePage, OffersTheNorthAmericanSwitchesOnly_ForTheDiredede)
{
    for (int model : {6, 3})
    {
        TakeModel(model);
        StartOn(sheet.m_networkSwitchTypePage);
        const auto& combo = static_cast<const CComboBox&>(*wizard.Control(IDC_SWITCH_TYPE));
        EXPECT_EQ(combo.GetCount(), model == 6 ? 3 : 6);
        EXPECT_EQ(combo.FindStringExact(-1, "1TR6"), CB_ERR);
        sheet.DestroyWindow();
    }
}

struct SwitchTypeLeft
{
    const char* loaded;
    bool next;
    const char* kept;
    BOOL us;
};

TEST_F(SwitchTypePage, RecordsANorthAmericanSwitch_InAnyCaseAndEitherWay)
{
    const SwitchTypeLeft rows[] = {
        {"ni - 1", true, "NI - 1", TRUE},
        {"dms-100", false, "DMS-100", TRUE},
        {"NET3", true, "NET3", FALSE},
        // Offered by no item: nothing selected, and leaving keeps no switch type.
        {"1TR6", false, "", FALSE},
    };
    for (const SwitchTypeLeft& row : rows)
    {
        SCOPED_TRACE(row.loaded);
        TakeModel(3);
        sheet.m_networkSwitchTypePage.m_strSwitchType = row.loaded;
        sheet.m_bUSSwitchType = !row.us;
        StartOn(sheet.m_networkSwitchTypePage);
        EXPECT_EQ(Leave(row.next), "");
        EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, row.kept);
        EXPECT_EQ(sheet.m_bUSSwitchType, row.us);
        sheet.DestroyWindow();
    }
}

TEST_F(SwitchTypePage, KeepsItsSelection_WhenALoadedTypeMatchesNoItem)
{
    TakeModel(3);
    StartOn(sheet.m_networkSwitchTypePage);
    ASSERT_TRUE(wizard.SelectText(IDC_SWITCH_TYPE, "VN4"));
    EXPECT_TRUE(g_bCfgModified);
    EXPECT_EQ(Leave(true), "");
    sheet.m_networkSwitchTypePage.m_strSwitchType = "1TR6";
    EXPECT_EQ(Leave(false), "");
    EXPECT_EQ(Leave(true), "");
    EXPECT_EQ(sheet.m_networkSwitchTypePage.m_strSwitchType, "VN4");
}
} // namespace
