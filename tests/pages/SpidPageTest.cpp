#include "tests/pages/NetworkPagesTest.h"

using wizard_testing::NetworkPagesTest;

namespace
{
constexpr int kDataControls[] = {1045, 1000, 1046, 1002, 1050, 1186};
constexpr int kDataParams[] = {1000, 1002, 1186};
constexpr int kVoiceControls[] = {1047, 1001, 1048, 1003};
constexpr int kVoiceParams[] = {1001, 1003};
constexpr int kMsnParams[] = {1042, 1187, 1043};

class SpidPage : public NetworkPagesTest
{
protected:
    void SetTEIs(const std::string& data, const std::string& voice)
    {
        sheet.m_networkCfgPage1.m_strDataTEI = data;
        sheet.m_networkCfgPage1.m_strVoiceTEI = voice;
    }
    // The SPIDs, and no directory numbers.
    void SetNumbers(const std::string& dataSPID, const std::string& voiceSPID)
    {
        sheet.m_networkCfgPage2US.m_strDataDN.clear();
        sheet.m_networkCfgPage2US.m_strVoiceDN.clear();
        sheet.m_networkCfgPage2US.m_strDataDN2.clear();
        sheet.m_networkCfgPage2US.m_strDataSPID = dataSPID;
        sheet.m_networkCfgPage2US.m_strVoiceSPID = voiceSPID;
    }
};

struct ChannelState
{
    const char* dataTEI;
    const char* voiceTEI;
    bool data;
    bool voice;
};

TEST_F(SpidPage, GreysAndKeepsFromTheAdapterTheChannelOfADisabledTEI)
{
    const ChannelState rows[] = {
        {"Disabled", "Auto TEI", false, true},
        {"Auto TEI", "DISABLED", true, false},
        {"5", "63", true, true},
    };
    for (const ChannelState& row : rows)
    {
        SCOPED_TRACE(std::string(row.dataTEI) + "/" + row.voiceTEI);
        SetTEIs(row.dataTEI, row.voiceTEI);
        StartOn(sheet.m_networkCfgPage2US);
        for (int id : kDataControls)
            EXPECT_EQ(IsEnabled(id), row.data) << id;
        for (int id : kDataParams)
            EXPECT_EQ(IsParamEnabled(id), row.data) << id;
        for (int id : kVoiceControls)
            EXPECT_EQ(IsEnabled(id), row.voice) << id;
        for (int id : kVoiceParams)
            EXPECT_EQ(IsParamEnabled(id), row.voice) << id;
        for (int id : kMsnParams)
            EXPECT_FALSE(IsParamEnabled(id)) << id;
        sheet.DestroyWindow();
    }
}

struct NumberCheck
{
    const char* dataTEI;
    int field;        // typed into
    const char* text; // "" types nothing
    bool byNext;
    const char* message; // "" when the page is left
    int focus;
};

TEST_F(SpidPage, ChecksTheEnabledFields_AndRequiresTheSPIDsOnlyOnTheWayForward)
{
    const NumberCheck rows[] = {
        // Data TEI "Disabled": the empty data SPID is no matter, the voice SPID is.
        {"Disabled", 0, "", true, "Please enter 'VoiceSPID'.", 1001},
        {"Disabled", 0, "", false, "", 0},
        {"Auto TEI", 0, "", true, "Please enter 'DataSPID'.", 1000},
        // Blanks alone are no SPID.
        {"Auto TEI", 1000, "   ", true, "Please enter 'DataSPID'.", 1000},
        // Characters and lengths are checked on the way back too, in the order of the fields.
        {"Auto TEI", 1003, "555-1234", false, "Invalid character(s) entered.", 1003},
        {"Auto TEI", 1002, "5551234x", true, "Invalid character(s) entered.", 1002},
        {"Auto TEI", 1186, "5 5", false, "Invalid character(s) entered.", 1186},
        {"Auto TEI", 1001, "0123456789012345678a", false, "Invalid character(s) entered.", 1001},
        {"Disabled", 1003, "12.", true, "Invalid character(s) entered.", 1003},
    };
    for (const NumberCheck& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.field) + " \"" + row.text + "\"");
        SetTEIs(row.dataTEI, "Auto TEI");
        SetNumbers("", "");
        StartOn(sheet.m_networkCfgPage2US);
        if (row.field != 0)
        {
            ASSERT_TRUE(wizard.Type(row.field, row.text));
        }
        if (*row.message != '\0')
        {
            ExpectRefusal(row.byNext, row.message, row.focus);
        }
        else
        {
            ASSERT_TRUE(row.byNext ? wizard.Next() : wizard.Back());
            EXPECT_EQ(wizard.ActivePage(), &sheet.m_networkCfgPage1);
        }
        sheet.DestroyWindow();
    }
}

TEST_F(SpidPage, StoresTheNumbersWithoutBlanks_AndSendsOnlyTheEnabledChannel)
{
    SetTEIs("Auto TEI", "Disabled");
    sheet.m_networkCfgPage2US.m_strVoiceSPID = "999";
    StartOn(sheet.m_networkCfgPage2US);
    ASSERT_TRUE(wizard.Type(1002, "  5551234"));
    ASSERT_TRUE(wizard.Type(1186, "5551235 "));
    ASSERT_TRUE(wizard.Type(1000, "\t01555123400 "));
    EXPECT_TRUE(g_bCfgModified);
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_callCtrlCfgPage);
    EXPECT_EQ(sheet.m_networkCfgPage2US.m_strDataDN, "5551234");
    EXPECT_EQ(sheet.m_networkCfgPage2US.m_strDataDN2, "5551235");
    EXPECT_EQ(sheet.m_networkCfgPage2US.m_strDataSPID, "01555123400");
    EXPECT_EQ(sheet.m_networkCfgPage2US.m_strVoiceSPID, "999");
    const std::string lines = PackedLines();
    EXPECT_NE(lines.find("!C6=01555123400"), std::string::npos) << lines;
    EXPECT_NE(lines.find("!N1=5551234"), std::string::npos) << lines;
    EXPECT_NE(lines.find("!N2=5551235"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("*!C6="), std::string::npos) << lines;
    EXPECT_EQ(lines.find("*!N1="), std::string::npos) << lines;
}

struct Labels
{
    int modelCode;
    int extModelCode;
    std::vector<std::string> texts; // statics 1046, 1048, 1050, 1045, 1047
    bool secondNumber;
};

TEST_F(SpidPage, LabelsTheFieldsByPosition_AndDropsTheSecondNumber_ForModelsSevenToNine)
{
    const Labels rows[] = {
        {3,
         13,
         {"D&ata Directory Number :", "V&oice Directory Number :", "Data Directory Number 2 :",
          "&Data SPID :", "&Voice SPID :"},
         true},
        {7, 20, {"Directory Number 1:", "Directory Number 2:", "", "SPID 1:", "SPID 2:"}, false},
        {9, 32, {"Directory Number 1:", "Directory Number 2:", "", "SPID 1:", "SPID 2:"}, false},
    };
    for (const Labels& row : rows)
    {
        SCOPED_TRACE(row.modelCode);
        SetTEIs("Auto TEI", "Auto TEI");
        SetNumbers("", "1234");
        StartOn(sheet.m_networkCfgPage2US, row.modelCode, row.extModelCode);
        EXPECT_EQ(Text(1085), AfxLoadString(1390));
        const std::vector<std::string> texts = {Text(1046), Text(1048), Text(1050), Text(1045),
                                                Text(1047)};
        EXPECT_EQ(texts, row.texts);
        EXPECT_EQ(IsVisible(1186), row.secondNumber);
        EXPECT_EQ(IsParamEnabled(1186), row.secondNumber);
        // The message names the stored key, whatever the label says.
        ExpectRefusal(true, "Please enter 'DataSPID'.", 1000);
        sheet.DestroyWindow();
    }
}

struct SpidRoute
{
    BOOL express;
    int modelCode;
    int extModelCode;
    bool byNext;
    CPropertyPage* (*target)(CCfgSheet&);
};

TEST_F(SpidPage, LeavesForTheRouteOfTheSetupType)
{
    auto callCtrl = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_callCtrlCfgPage; };
    auto protocol = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_dataProtocolPage; };
    auto tei = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_networkCfgPage1; };
    auto bandwidth = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_bandwidthPage; };
    auto setupType = [](CCfgSheet& s) -> CPropertyPage* { return &s.m_iniSectionPage; };
    const SpidRoute rows[] = {
        {FALSE, 3, 13, true, callCtrl},  {FALSE, 8, 22, true, callCtrl},
        {TRUE, 3, 13, true, protocol},   {TRUE, 9, 32, true, protocol},
        {FALSE, 3, 13, false, tei},      {FALSE, 7, 18, false, tei},
        {TRUE, 6, 30, false, bandwidth}, {TRUE, 8, 22, false, setupType},
    };
    for (const SpidRoute& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.express) + " " + std::to_string(row.modelCode) +
                     (row.byNext ? " Next" : " Back"));
        SetTEIs("Auto TEI", "Auto TEI");
        SetNumbers("1", "2");
        sheet.m_bExpressSetup = row.express;
        StartOn(sheet.m_networkCfgPage2US, row.modelCode, row.extModelCode);
        ASSERT_TRUE(row.byNext ? wizard.Next() : wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), row.target(sheet));
        sheet.DestroyWindow();
    }
}
} // namespace
