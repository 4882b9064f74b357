#include "src/pages/NetworkCfgPage2Europe.h"
#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
struct Split
{
    const char* stored;
    const char* number;
    const char* subAddress;
};

TEST(NumberSubAddress, SplitsAtTheFirstColonUnlessItComesFirst)
{
    const Split rows[] = {
        {"123:45", "123", "45"}, {":45", ":45", ""},         {"123:", "123", ""},
        {"1:2:3", "1", "2:3"},   {"5551234", "5551234", ""}, {"::", "::", ""},
    };
    for (const Split& row : rows)
    {
        std::string number = "old";
        std::string subAddress = "old";
        SplitNumberSubAddress(row.stored, number, subAddress);
        EXPECT_EQ(number, row.number) << row.stored;
        EXPECT_EQ(subAddress, row.subAddress) << row.stored;
    }
    std::string number = "old";
    std::string subAddress = "older";
    SplitNumberSubAddress("", number, subAddress);
    EXPECT_EQ(number, "old");
    EXPECT_EQ(subAddress, "older");
}

TEST(NumberSubAddress, JoinsWithAColon_AndDropsASubAddressWithoutNumber)
{
    const Split rows[] = {
        {"123:45", "123", "45"},
        {"123", "123", ""},
        {"", "", "45"},
        {"", "", ""},
    };
    for (const Split& row : rows)
        EXPECT_EQ(JoinNumberSubAddress(row.number, row.subAddress), row.stored);
}

class MsnPage : public NetworkPagesTest
{
protected:
    void SetTEIs(const std::string& data, const std::string& voice)
    {
        sheet.m_networkCfgPage1.m_strDataTEI = data;
        sheet.m_networkCfgPage1.m_strVoiceTEI = voice;
    }
    CNetworkCfgPage2Europe& page = sheet.m_networkCfgPage2Europe;
};

TEST_F(MsnPage, ShowsEachStoredValueAsNumberAndSubAddress)
{
    WriteProfile("[Home]\nDataMSN=123:45\nDataMSN2=:45\nVoiceMSN=1:2:3\n");
    TakeAdapter(3, 13);
    LoadConfiguration("Home");
    StartOn(page);
    EXPECT_EQ(Text(1042), "123");
    EXPECT_EQ(Text(1144), "45");
    EXPECT_EQ(Text(1187), ":45");
    EXPECT_EQ(Text(1150), "");
    EXPECT_EQ(Text(1043), "1");
    EXPECT_EQ(Text(1145), "2:3");
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_callCtrlCfgPage);
    EXPECT_EQ(page.m_strDataMSN, "123:45");
    EXPECT_EQ(page.m_strDataMSN2, ":45");
    EXPECT_EQ(page.m_strVoiceMSN, "1:2:3");
}

struct MsnEntry
{
    int modelCode;
    int extModelCode;
    const char* number;
    const char* subAddress;
    const char* stored;
};

TEST_F(MsnPage, JoinsWhatIsTyped_WithoutBlanks_AndWithoutSubAddressesForPellorS)
{
    const MsnEntry rows[] = {
        {3, 13, " 4930123 ", " 17", "4930123:17"},
        {3, 13, "4930123", "", "4930123"},
        // A sub-address without a number is lost.
        {3, 13, "", "17", ""},
        {8, 22, "4930123", "17", "4930123:17"},
        {9, 32, "4930123", "17", "4930123"},
    };
    for (const MsnEntry& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.modelCode) + " \"" + row.number + "\" \"" + row.subAddress +
                     "\"");
        SetTEIs("Auto TEI", "Auto TEI");
        page.m_strVoiceMSN = "1";
        sheet.m_callCtrlCfgPage.m_nRingsToAnswer = 1; // so that Back from there is taken
        StartOn(page, row.modelCode, row.extModelCode);
        ASSERT_TRUE(wizard.Type(1042, row.number));
        ASSERT_TRUE(wizard.Type(1144, row.subAddress));
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(page.m_strDataMSN, row.stored);
        // Coming back shows what was stored.
        ASSERT_TRUE(wizard.Back());
        ASSERT_EQ(wizard.ActivePage(), &page);
        std::string number, subAddress;
        SplitNumberSubAddress(row.stored, number, subAddress);
        EXPECT_EQ(Text(1042), number);
        EXPECT_EQ(Text(1144), subAddress);
        sheet.DestroyWindow();
        page.m_strDataMSN.clear();
    }
}

struct MsnCheck
{
    int field;
    const char* text;
    bool byNext;
    int focus;
};

TEST_F(MsnPage, RefusesAStoredValueWithBadCharactersOrTooLong_WhenLeftEitherWay)
{
    const MsnCheck rows[] = {
        // 25 characters fit each field, not the pair with its colon.
        {1144, "123456", false, 1042}, {1145, "12", true, 1043},     {1042, "49 30", true, 1042},
        {1150, "1a", false, 1187},     {1043, "+4930", false, 1043},
    };
    for (const MsnCheck& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.field) + " \"" + row.text + "\"");
        SetTEIs("Auto TEI", "Auto TEI");
        page.m_strDataMSN = "12345678901234567890";
        page.m_strDataMSN2 = "5";
        page.m_strVoiceMSN = "1234567890123456789012345";
        StartOn(page);
        ASSERT_TRUE(wizard.Type(row.field, row.text));
        ExpectRefusal(row.byNext, "Invalid character(s) entered.", row.focus);
        sheet.DestroyWindow();
    }
}

TEST_F(MsnPage, GreysTheVoiceFields_KeepsTheirTextUnchecked_AndDoesNotSendThem)
{
    SetTEIs("Auto TEI", "disabled");
    page.m_strDataMSN = "4930123";
    page.m_strVoiceMSN = "12a:7";
    StartOn(page);
    for (int id : {1051, 1146, 1043, 1145})
        EXPECT_FALSE(IsEnabled(id)) << id;
    for (int id : {1049, 1143, 1042, 1144, 1053, 1148, 1187, 1150})
        EXPECT_TRUE(IsEnabled(id)) << id;
    for (int id : {1000, 1001, 1002, 1186, 1003, 1043})
        EXPECT_FALSE(IsParamEnabled(id)) << id;
    EXPECT_TRUE(IsParamEnabled(1042));
    EXPECT_TRUE(IsParamEnabled(1187));
    EXPECT_EQ(Text(1043), "12a");
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_callCtrlCfgPage);
    EXPECT_EQ(page.m_strVoiceMSN, "12a:7");
    const std::string lines = PackedLines();
    EXPECT_NE(lines.find("!N1=4930123"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("*!N1="), std::string::npos) << lines;
    EXPECT_EQ(lines.find("!C6="), std::string::npos) << lines;
}

struct MsnLabels
{
    int modelCode;
    int extModelCode;
    std::vector<std::string> texts; // statics 1083, 1049, 1143, 1051, 1146, 1053, 1148, 1188
    bool secondNumber;
};

TEST_F(MsnPage, LabelsTheFieldsByPosition_AndDropsTheSecondNumber_ForModelsSevenToNine)
{
    const std::vector<std::string> positional = {AfxLoadString(1528),
                                                 "MSN Number 1:",
                                                 "MSN Sub Address 1:",
                                                 "MSN Number 2:",
                                                 "MSN Sub Address 2:",
                                                 "",
                                                 "",
                                                 ""};
    const MsnLabels rows[] = {
        {3,
         13,
         {AfxLoadString(1387), "&Data ISDN Number :", "D&ata Sub Address :", "&Voice ISDN Number :",
          "V&oice Sub Address :", "Data &ISDN Number 2 :", "Data &Sub Address 2 :",
          AfxLoadString(1527)},
         true},
        {7, 18, positional, false},
        {9, 32, positional, false},
    };
    for (const MsnLabels& row : rows)
    {
        SCOPED_TRACE(row.modelCode);
        SetTEIs("Auto TEI", "Auto TEI");
        StartOn(page, row.modelCode, row.extModelCode);
        const std::vector<std::string> texts = {Text(1083), Text(1049), Text(1143), Text(1051),
                                                Text(1146), Text(1053), Text(1148), Text(1188)};
        EXPECT_EQ(texts, row.texts);
        EXPECT_EQ(IsVisible(1187), row.secondNumber);
        EXPECT_EQ(IsVisible(1150), row.secondNumber);
        EXPECT_EQ(IsParamEnabled(1187), row.secondNumber);
        EXPECT_TRUE(IsParamEnabled(1042));
        sheet.DestroyWindow();
    }
}

struct MsnRoute
{
    BOOL express;
    int modelCode;
    int extModelCode;
    bool byNext;
    CPropertyPage* (*target)(CCfgSheet&);
};

TEST_F(MsnPage, LeavesForTheRouteOfTheSetupType)
{
    auto callCtrl = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_callCtrlCfgPage; };
    auto protocol = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_dataProtocolPage; };
    auto tei = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; };
    auto bandwidth = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_bandwidthPage; };
    auto setupType = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_iniSectionPage; };
    const MsnRoute rows[] = {
        {FALSE, 3, 13, true, callCtrl},  {FALSE, 9, 32, true, callCtrl},
        {TRUE, 3, 13, true, protocol},   {TRUE, 7, 18, true, protocol},
        {FALSE, 3, 13, false, tei},      {FALSE, 8, 22, false, tei},
        {TRUE, 4, 31, false, bandwidth}, {TRUE, 9, 32, false, setupType},
    };
    for (const MsnRoute& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.express) + " " + std::to_string(row.modelCode) +
                     (row.byNext ? " Next" : " Back"));
        SetTEIs("Auto TEI", "Auto TEI");
        sheet.m_bExpressSetup = row.express;
        StartOn(page, row.modelCode, row.extModelCode);
        ASSERT_TRUE(row.byNext ? wizard.Next() : wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), row.target(sheet));
        sheet.DestroyWindow();
    }
}

TEST_F(MsnPage, ShowsTheNumbersOfTheConfigurationLoadedSinceTheLastVisit)
{
    WriteProfile("[First]\nDataMSN=111:1\nDataMSN2=222\nVoiceMSN=333:3\n"
                 "[Second]\nDataMSN=444\nVoiceMSN=555:5\n");
    TakeAdapter(3, 13);
    LoadConfiguration("First");
    StartOn(page);
    ASSERT_TRUE(wizard.Type(1145, "33"));
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_networkCfgPage1);
    EXPECT_EQ(page.m_strVoiceMSN, "333:33");

    LoadConfiguration("Second");
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &page);
    EXPECT_EQ(Text(1042), "444");
    EXPECT_EQ(Text(1144), "");
    // Stored empty: both fields empty, not the first configuration's number.
    EXPECT_EQ(Text(1187), "");
    EXPECT_EQ(Text(1150), "");
    EXPECT_EQ(Text(1043), "555");
    EXPECT_EQ(Text(1145), "5");
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(page.m_strDataMSN, "444");
    EXPECT_EQ(page.m_strDataMSN2, "");
    EXPECT_EQ(page.m_strVoiceMSN, "555:5");
}
} // namespace
