#include "src/commands/CfgParam.h"

#include "platform/posix/PrivateProfileTesting.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/profile/ProfileFile.h"
#include "tests/support/MessageBoxes.h"
#include "tests/support/TempProfile.h"
#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
// The catalogue bound to the pages of a real sheet and to a profile file in a temporary folder.
class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearMessageBoxes();
        m_sheet = std::make_unique<CCfgSheet>("QUORAN Configuration Wizard");
        theApp.m_device.cmdLines.clear();
    }
    void TearDown() override
    {
        theParams.RemoveAll();
        theApp.m_device.cmdLines.clear();
        theApp.m_device.modelCode = 0;
        theApp.m_device.extModelCode = 0;
    }

    void Build(int modelCode, int extModelCode)
    {
        theApp.m_device.modelCode = modelCode;
        theApp.m_device.extModelCode = extModelCode;
        m_sheet->BuildCatalogue(m_profile.Path());
    }

    // Loads the configuration `name` as the setup page does.
    void Load(const std::string& name)
    {
        m_sheet->m_iniSectionPage.m_strConfigName = name;
        theParams.LoadAll();
    }

    void Enable(std::initializer_list<int> controlIds, BOOL enabled)
    {
        for (int controlId : controlIds)
            theParams.FindParam(controlId)->m_bEnabled = enabled;
    }

    // Auto answer and rings to answer as the call control page leaves them.
    void ApplyAutoAnswer()
    {
        const BOOL on = m_sheet->m_callCtrlCfgPage.m_bAutoAnswer != 0;
        Enable({IDC_AUTO_ANSWER}, !on);
        Enable({IDC_RINGS_TO_ANSWER}, on);
    }

    std::vector<std::string> Pack()
    {
        theApp.m_device.cmdLines.clear();
        theParams.PackCommandLines(theApp.m_device.cmdLines);
        return theApp.m_device.cmdLines;
    }

    std::string Packed() const
    {
        std::string all;
        for (const std::string& line : theApp.m_device.cmdLines)
            all += line;
        return all;
    }

    TempProfile m_profile;
    std::unique_ptr<CCfgSheet> m_sheet;
};

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_F(Catalogue, FiftyThreeParametersInTableOrder_WhenBuilt)
{
    Build(3, 13);
    ASSERT_EQ(theParams.GetCount(), 53);
    std::vector<int> ids;
    for (POSITION position = theParams.GetHeadPosition(); position != nullptr;)
    {
        const CCfgParam* param = theParams.GetNext(position);
        EXPECT_TRUE(param->m_bEnabled);
        EXPECT_EQ(param->GetIniItem()->Section(), &m_sheet->m_iniSectionPage.m_strConfigName);
        EXPECT_EQ(param->GetIniItem()->ProfilePath(), m_profile.Path());
        ids.push_back(param->GetControlId());
    }
    // clang-format off
    const std::vector<int> expected = {
        IDC_SWITCH_TYPE,           IDC_DATA_TEI,              IDC_VOICE_TEI,             IDC_DATA_SPID,
        IDC_VOICE_SPID,            IDC_DATA_DN,               IDC_VOICE_DN,              IDC_DATA_DN2,
        IDC_DATA_MSN,              IDC_VOICE_MSN,             IDC_DATA_MSN2,             IDC_AUTO_ANSWER,
        IDC_PERSISTENT_DTR,        IDC_DIALING_METHOD,        IDC_RINGS_TO_ANSWER,       IDC_CALLER_ID,
        IDC_INACTIVITY_TIMER,      IDC_DATA_PROTOCOL,         IDC_AUTO_DETECT,           IDC_STORED_NUMBER_0,
        IDC_STORED_NUMBER_1,       IDC_STORED_NUMBER_2,       IDC_STORED_NUMBER_3,       IDC_STORED_NUMBER_4,
        IDC_STORED_NUMBER_5,       IDC_STORED_NUMBER_6,       IDC_STORED_NUMBER_7,       IDC_STORED_NUMBER_8,
        IDC_STORED_NUMBER_9,       IDC_DTR_SIGNAL,            IDC_DSR_SIGNAL,            IDC_DCD_SIGNAL,
        IDC_DTR_DETECT_TIME,       IDC_DCD_DROP_TIME,         IDC_CTS_SIGNAL,            IDC_SYNC_MODE,
        IDC_PARITY,                IDC_BIT_RATE,              IDC_DATA_BITS,             IDC_STOP_BITS,
        IDC_FLOW_CONTROL,          IDC_RING_FREQUENCY,        IDC_DIAL_TONE,             IDC_DIAL_TONE_GAIN,
        IDC_DIAL_TONE_SUPPRESSION, IDC_RING_SIGNAL,           IDC_PULSE_RECOGNITION,     IDC_BANDWIDTH_SCHEME,
        IDC_BOD_HIGH_THRESHOLD,    IDC_BOD_HIGH_THROUGHPUT,   IDC_BOD_LOW_THRESHOLD,     IDC_BOD_LOW_THROUGHPUT,
        IDC_CALL_BUMPING
    };
    // clang-format on
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(theParams.FindParam(999), nullptr);
}

TEST_F(Catalogue, FreshParametersOnly_WhenBuiltTwice)
{
    Build(6, 30);
    Enable({IDC_PULSE_RECOGNITION}, FALSE);
    Build(3, 13);
    EXPECT_EQ(theParams.GetCount(), 53);
    const CCfgParam* pulse = theParams.FindParam(IDC_PULSE_RECOGNITION);
    ASSERT_NE(pulse, nullptr);
    EXPECT_TRUE(pulse->m_bEnabled);
    EXPECT_EQ(pulse->GetIniItem()->Key(), "PulseDialCountry");
}

TEST_F(Catalogue, CountryRecognitionKeyAndDefault_WhenModel6)
{
    Build(6, 30);
    Load("Dial");
    EXPECT_EQ(theParams.FindParam(IDC_PULSE_RECOGNITION)->GetIniItem()->Key(),
              "CountryRecognition");
    EXPECT_EQ(m_sheet->m_potsPortPage.m_strPulseRecognition, "England, France, India, USA...");
    EXPECT_EQ(m_sheet->m_networkSwitchTypePage.m_strSwitchType, "NI - 1");

    m_sheet->m_potsPortPage.m_strPulseRecognition = "New Zealand";
    EXPECT_TRUE(theParams.SaveAll());
    EXPECT_NE(m_profile.Read().find("\r\nCountryRecognition=New Zealand\r\n"), std::string::npos);
    EXPECT_EQ(m_profile.Read().find("PulseDialCountry"), std::string::npos);
}

TEST_F(Catalogue, PulseDialCountryKeyAndDefault_WhenOtherModel)
{
    Build(4, 31);
    Load("");
    EXPECT_EQ(theParams.FindParam(IDC_PULSE_RECOGNITION)->GetIniItem()->Key(), "PulseDialCountry");
    EXPECT_EQ(m_sheet->m_potsPortPage.m_strPulseRecognition, "Disabled");
}

TEST_F(Catalogue, CtsNormalSentAsZero_WhenModel4)
{
    Build(4, 31);
    Load("");
    EXPECT_EQ(m_sheet->m_portCtrlCfgPage1.m_strCTS, "Normal");
    Pack();
    EXPECT_EQ(Count(Packed(), "&R0"), 1);

    Build(3, 13);
    Load("");
    EXPECT_EQ(m_sheet->m_portCtrlCfgPage1.m_strCTS, "Always On");
    Pack();
    EXPECT_EQ(Count(Packed(), "&R1"), 1);
}

TEST_F(Catalogue, EmptySwitchTypeReportedAndNotSent_WhenAdapterHasNoTableRow)
{
    Build(37, 37);
    m_profile.Write("[Unknown]\r\nDataTEI=Auto TEI\r\n");
    QueueAnswers({IDOK});
    Load("Unknown");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Invalid NetworkSwitchType value found in "
                                                     "INI file. Factory default value read "
                                                     "instead."});
    EXPECT_EQ(m_sheet->m_networkSwitchTypePage.m_strSwitchType, "");
    const std::vector<std::string> lines = Pack();
    EXPECT_EQ(Packed().find("!C0="), std::string::npos);
    EXPECT_EQ(lines.front().substr(0, 9), "AT!D3=240");
}

TEST_F(Catalogue, S0SentOnceWithRings_WhenAutoAnswerOn)
{
    Build(3, 13);
    Load("");
    m_sheet->m_callCtrlCfgPage.m_bAutoAnswer = 1;
    m_sheet->m_callCtrlCfgPage.m_nRingsToAnswer = 3;
    ApplyAutoAnswer();
    Pack();
    EXPECT_EQ(Count(Packed(), "S0="), 1);
    EXPECT_EQ(Count(Packed(), "S0=3"), 1);

    m_sheet->m_callCtrlCfgPage.m_bAutoAnswer = 0;
    ApplyAutoAnswer();
    Pack();
    EXPECT_EQ(Count(Packed(), "S0="), 1);
    EXPECT_EQ(Count(Packed(), "S0=0"), 1);
}

TEST_F(Catalogue, AmpersandRejectedOnlyByNumberZero_WhenStoredNumbersValidated)
{
    Build(3, 13);
    for (int n = 0; n < 10; ++n)
    {
        SCOPED_TRACE(n);
        m_sheet->m_storedNumbersPage.m_strNumber[n] = "12&34";
        EXPECT_EQ(theParams.FindParam(IDC_STORED_NUMBER_0 + n)->GetIniItem()->Validate(),
                  n == 0 ? -1 : 1);
        const auto* setting = dynamic_cast<const CIniStringItem*>(
            theParams.FindParam(IDC_STORED_NUMBER_0 + n)->GetIniItem());
        ASSERT_NE(setting, nullptr);
        EXPECT_EQ(setting->GetMaxLength(), 20);
    }
}

TEST_F(Catalogue, CentralOfficeDialToneKeptAndSentAsOne_WhenSavedAndLoaded)
{
    Build(3, 13);
    Load("");
    m_sheet->m_callCtrlCfgPage.m_strDialingMethod = "Overlap";
    m_sheet->m_potsPortPage.m_strDialTone = "Use Central Office Dial Tone";
    m_sheet->m_iniSectionPage.m_strConfigName = "Office";
    ASSERT_TRUE(theParams.SaveAll());

    m_sheet->m_potsPortPage.m_strDialTone.clear();
    Load("Office");
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(m_sheet->m_potsPortPage.m_strDialTone, "Use Central Office Dial Tone");
    Pack();
    EXPECT_EQ(Count(Packed(), "S45=1"), 1);
}

// The enabled flags of a custom setup with a European switch, both TEIs automatic, auto answer
// on and no stored numbers.
void ApplyEuropeanRoute()
{
    for (int controlId : {IDC_DATA_SPID, IDC_VOICE_SPID, IDC_DATA_DN, IDC_DATA_DN2, IDC_VOICE_DN})
        theParams.FindParam(controlId)->m_bEnabled = FALSE;
    for (int n = 0; n < 10; ++n)
        theParams.FindParam(IDC_STORED_NUMBER_0 + n)->m_bEnabled = FALSE;
}

TEST_F(Catalogue, NineLinesByteForByte_WhenEuropeanDefaultsWithTwoMsnsPacked)
{
    Build(3, 13);
    Load("");
    EXPECT_EQ(m_sheet->m_networkSwitchTypePage.m_strSwitchType, "NET3");
    m_sheet->m_networkCfgPage2Europe.m_strDataMSN = "1234";
    m_sheet->m_networkCfgPage2Europe.m_strVoiceMSN = "5678";
    ApplyEuropeanRoute();
    ApplyAutoAnswer();

    EXPECT_EQ(Pack(), kWorkedExampleLines);
    EXPECT_TRUE(ShownTexts().empty());
}

// Every member of the catalogue set away from its default.
void SetEveryValue(CCfgSheet& sheet)
{
    sheet.m_networkSwitchTypePage.m_strSwitchType = "DMS-100";
    sheet.m_networkCfgPage1.m_strDataTEI = "63";
    sheet.m_networkCfgPage1.m_strVoiceTEI = "Disabled";
    sheet.m_networkCfgPage2US.m_strDataSPID = "01234567890123456789";
    sheet.m_networkCfgPage2US.m_strVoiceSPID = "11";
    sheet.m_networkCfgPage2US.m_strDataDN = "5550100";
    sheet.m_networkCfgPage2US.m_strVoiceDN = "5550101";
    sheet.m_networkCfgPage2US.m_strDataDN2 = "5550102";
    sheet.m_networkCfgPage2Europe.m_strDataMSN = "1234:5";
    sheet.m_networkCfgPage2Europe.m_strVoiceMSN = "5678";
    sheet.m_networkCfgPage2Europe.m_strDataMSN2 = "9:9";
    sheet.m_callCtrlCfgPage.m_bAutoAnswer = 0;
    sheet.m_callCtrlCfgPage.m_bPersistentDTR = 1;
    sheet.m_callCtrlCfgPage.m_strDialingMethod = "Overlap";
    sheet.m_callCtrlCfgPage.m_nRingsToAnswer = 255;
    sheet.m_callCtrlCfgPage.m_bCallerId = 0;
    sheet.m_callCtrlCfgPage.m_nInactivityTimer = 30;
    sheet.m_dataProtocolPage.m_strDataProtocol = "CLEAR";
    sheet.m_dataProtocolPage.m_bAutoDetect = 0;
    for (int n = 0; n < 10; ++n)
        sheet.m_storedNumbersPage.m_strNumber[n] =
            n == 0 ? "9,,555-0100" : std::to_string(n) + "&1";
    sheet.m_portCtrlCfgPage1.m_strDTR = "Reset On DTR";
    sheet.m_portCtrlCfgPage1.m_strDSR = "Momentary Drop";
    sheet.m_portCtrlCfgPage1.m_strDCD = "Always On";
    sheet.m_portCtrlCfgPage1.m_nDTRDetectTime = 0;
    sheet.m_portCtrlCfgPage1.m_nDCDDropTime = 255;
    sheet.m_portCtrlCfgPage1.m_strCTS = "Normal";
    sheet.m_portCtrlCfgPage2.m_strSyncMode = "Synchronous";
    sheet.m_portCtrlCfgPage2.m_strParity = "Space";
    sheet.m_portCtrlCfgPage2.m_strBitRate = "230400";
    sheet.m_portCtrlCfgPage2.m_strDataBits = "7";
    sheet.m_portCtrlCfgPage2.m_strStopBits = "2";
    sheet.m_portCtrlCfgPage2.m_strFlowControl = "XON/XOFF";
    sheet.m_potsPortPage.m_strRingFrequency = "16.67 Hz";
    sheet.m_potsPortPage.m_strDialTone = "No Dial Tone";
    sheet.m_potsPortPage.m_nDialToneGain = 10;
    sheet.m_potsPortPage.m_strSuppression = "Enabled";
    sheet.m_potsPortPage.m_strRingSignal = "United States";
    sheet.m_potsPortPage.m_strPulseRecognition = "Sweden";
    sheet.m_bandwidthPage.m_strDBAScheme = "PPP";
    sheet.m_bandwidthPage.m_nHighThreshold = 255;
    sheet.m_bandwidthPage.m_nHighThroughput = 64;
    sheet.m_bandwidthPage.m_nLowThreshold = 1;
    sheet.m_bandwidthPage.m_nLowThroughput = 0;
    sheet.m_bandwidthPage.m_strCallBumping = "Disabled";
}

TEST_F(Catalogue, EveryValueRoundTripsThroughProfileIntoFragments_WhenSavedLoadedPacked)
{
    Build(3, 13);
    SetEveryValue(*m_sheet);
    m_sheet->m_iniSectionPage.m_strConfigName = "Trip";
    ASSERT_TRUE(theParams.SaveAll());
    EXPECT_EQ(m_profile.Read(),
              "[Trip]\r\n"
              "NetworkSwitchType=DMS-100\r\nDataTEI=63\r\nVoiceTEI=Disabled\r\n"
              "DataSPID=01234567890123456789\r\nVoiceSPID=11\r\n"
              "DataDirectoryNumber=5550100\r\nVoiceDirectoryNumber=5550101\r\n"
              "DataDirectoryNumber2=5550102\r\nDataMSN=1234:5\r\nVoiceMSN=5678\r\n"
              "DataMSN2=9:9\r\nAutoAnswer=No\r\nPersistentDTRDialing=Yes\r\n"
              "DialingMethod=Overlap\r\nRingsToAnswer=255\r\nCallLineId=No\r\n"
              "InactivityTimer=30\r\nDataProtocol=CLEAR\r\nAutoDetection=No\r\n"
              "StoredNumber0=9,,555-0100\r\nStoredNumber1=1&1\r\nStoredNumber2=2&1\r\n"
              "StoredNumber3=3&1\r\nStoredNumber4=4&1\r\nStoredNumber5=5&1\r\n"
              "StoredNumber6=6&1\r\nStoredNumber7=7&1\r\nStoredNumber8=8&1\r\n"
              "StoredNumber9=9&1\r\nDTRPin=Reset On DTR\r\nDSRPin=Momentary Drop\r\n"
              "DCDPin=Always On\r\nDTRDetectTime=0\r\nDCDDetectTime=255\r\nCTSPin=Normal\r\n"
              "SyncMode=Synchronous\r\nDefaultParity=Space\r\nDefaultBitRate=230400\r\n"
              "DataBits=7\r\nStopBits=2\r\nFlowControl=XON/XOFF\r\nRingFrequency=16.67 Hz\r\n"
              "DialTone=No Dial Tone\r\nDialToneGain=10\r\nDialToneSuppression=Enabled\r\n"
              "RingSignal=United States\r\nPulseDialCountry=Sweden\r\nDBAScheme=PPP\r\n"
              "BODHighThreshold=255\r\nBODHighThroughput=64\r\nBODLowThreshold=1\r\n"
              "BODLowThroughput=0\r\nCallBumping=Disabled\r\n");

    m_sheet = std::make_unique<CCfgSheet>("QUORAN Configuration Wizard");
    Build(3, 13);
    Load("trip");
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(m_sheet->m_networkCfgPage2US.m_strDataSPID, "01234567890123456789");
    EXPECT_EQ(m_sheet->m_storedNumbersPage.m_strNumber[9], "9&1");
    EXPECT_EQ(m_sheet->m_potsPortPage.m_strRingFrequency, "16.67 Hz");

    const std::vector<std::string> lines = Pack();
    const std::vector<std::string> expectedLines = {"AT!C0=1!D3=63*!D3=241\r",
                                                    "AT!C6=01234567890123456789\r",
                                                    "AT*!C6=11!N1=5550100\r",
                                                    "AT*!N1=5550101!N2=5550102\r",
                                                    "AT!N1=1234:5*!N1=5678!N2=9:9\r",
                                                    "ATS0=0$D1%A97=1S0=255S50=0\r",
                                                    "ATS30=30!Z=11S52=0\r",
                                                    "AT&Z0=9,,555-0100&Z1=1&1\r",
                                                    "AT&Z2=2&1&Z3=3&1&Z4=4&1\r",
                                                    "AT&Z5=5&1&Z6=6&1&Z7=7&1\r",
                                                    "AT&Z8=8&1&Z9=9&1&D3&S2&C0\r",
                                                    "ATS25=0S10=255&R0&M1@P3=3\r",
                                                    "AT$SB230400@P4=7@P6=2&E5S44=4\r",
                                                    "ATS45=0S49=10S51=1S66=27S46=3\r",
                                                    "ATS59=2S60=255S61=64S62=1\r",
                                                    "ATS63=0S64=0\r\n",
                                                    "AT&W0\r\n"};
    EXPECT_EQ(lines, expectedLines);
    for (const std::string& line : lines)
    {
        const size_t body = line.size() - (line.ends_with("\r\n") ? 2 : 1);
        EXPECT_LE(body, 29u) << line;
    }
}

TEST_F(Catalogue, DefaultsForEveryParameter_WhenNewConfigurationLoaded)
{
    Build(3, 13);
    SetEveryValue(*m_sheet);
    Load("");
    EXPECT_TRUE(ShownTexts().empty());
    ApplyEuropeanRoute();
    ApplyAutoAnswer();
    m_sheet->m_networkCfgPage2Europe.m_strDataMSN = "1234";
    m_sheet->m_networkCfgPage2Europe.m_strVoiceMSN = "5678";
    Pack();
    std::string whole;
    for (const std::string& line : kWorkedExampleLines)
        whole += line;
    EXPECT_EQ(Packed(), whole);
}

TEST_F(Catalogue, EveryKeyReportedAndDefaulted_WhenSectionHoldsHugeHighByteValues)
{
    Build(3, 13);
    const std::string junk(10000, '\xFF');
    std::string text = "[Junk]\r\n";
    for (POSITION position = theParams.GetHeadPosition(); position != nullptr;)
        text += theParams.GetNext(position)->GetIniItem()->Key() + "=" + junk + "\r\n";
    m_profile.Write(text);
    for (int i = 0; i < 53; ++i)
        TestHost().QueueAnswer(IDOK);

    Load("Junk");

    EXPECT_EQ(ShownTexts().size(), 53u);
    EXPECT_EQ(m_sheet->m_networkSwitchTypePage.m_strSwitchType, "NET3");
    EXPECT_EQ(m_sheet->m_networkCfgPage2US.m_strDataSPID, "");
    EXPECT_EQ(m_sheet->m_callCtrlCfgPage.m_nRingsToAnswer, 1);
    EXPECT_EQ(m_sheet->m_callCtrlCfgPage.m_bAutoAnswer, 1);
    EXPECT_EQ(m_sheet->m_bandwidthPage.m_nHighThroughput, 52);
}

TEST_F(Catalogue, SaveReportsFailure_WhenProfileFolderIsMissing)
{
    theApp.m_device.modelCode = 3;
    theApp.m_device.extModelCode = 13;
    const std::string unreachable = m_profile.Folder() + "/gone/quoran.ini";
    m_sheet->BuildCatalogue(unreachable);
    Load("");
    m_sheet->m_iniSectionPage.m_strConfigName = "Office";
    EXPECT_FALSE(theParams.SaveAll());
    EXPECT_FALSE(std::filesystem::exists(unreachable));

    m_sheet->BuildCatalogue(m_profile.Path());
    EXPECT_TRUE(theParams.SaveAll());
}

// ---------------------------------------------------------------------------------------------
// Saving a whole configuration

// The eleven digit fields of a configuration, spread over the catalogue from its 4th to its 29th
// entry: the data SPID and the ten stored numbers.
std::vector<std::string*> DigitFields(CCfgSheet& sheet)
{
    std::vector<std::string*> fields = {&sheet.m_networkCfgPage2US.m_strDataSPID};
    for (std::string& number : sheet.m_storedNumbersPage.m_strNumber)
        fields.push_back(&number);
    return fields;
}

int g_replacements = 0;
int g_crashAtReplacement = 0;

bool CountReplacements()
{
    if (++g_replacements == g_crashAtReplacement)
        _exit(0);
    return true;
}

TEST_F(Catalogue, SaveAll_ReplacesTheFileOnce_SoACrashLeavesItWhollyOldOrWhollyNew)
{
    Build(3, 13);
    Load("");
    m_sheet->m_iniSectionPage.m_strConfigName = "Office";
    for (std::string* field : DigitFields(*m_sheet))
        *field = "1111";
    g_replacements = 0;
    platform::SetProfileSaveHookForTesting(CountReplacements);
    const BOOL saved = theParams.SaveAll();
    platform::SetProfileSaveHookForTesting(nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(g_replacements, 1);
    EXPECT_NE(m_profile.Read().find("[Office]\r\nNetworkSwitchType="), std::string::npos);
    EXPECT_NE(m_profile.Read().find("\r\nStoredNumber9=1111\r\n"), std::string::npos);

    for (const int crashAt : {1, 2})
    {
        SCOPED_TRACE(crashAt);
        const pid_t child = fork();
        if (child == 0)
        {
            for (std::string* field : DigitFields(*m_sheet))
                *field = "2222";
            g_replacements = 0;
            g_crashAtReplacement = crashAt;
            platform::SetProfileSaveHookForTesting(CountReplacements);
            _exit(theParams.SaveAll() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        Load("Office");
        const std::vector<std::string*> fields = DigitFields(*m_sheet);
        for (const std::string* field : fields)
            EXPECT_EQ(*field, *fields.front());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_profile.Folder()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

} // namespace
