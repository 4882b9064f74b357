// The catalogue bound to the sheet's pages: each parameter's value is the member of the page
// whose control edits it, and the configuration's name is the setup type page's.
#include "src/app/CfgSheet.h"

#include "src/app/CfgApp.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileFile.h"
#include "src/res/WizardRes.h"

#include <cstddef>

namespace
{
using S = CCfgSheet;

// The variable of a parameter: member `Member` of the sheet's page `Page` (an int or a text).
struct BoundMember
{
    int* (*intValue)(S&);
    std::string* (*textValue)(S&);
};

template <auto Page, auto Member> constexpr BoundMember IntOf()
{
    return {[](S& sheet) { return &((sheet.*Page).*Member); }, nullptr};
}

template <auto Page, auto Member> constexpr BoundMember TextOf()
{
    return {nullptr, [](S& sheet) { return &((sheet.*Page).*Member); }};
}

template <auto Page, auto Member, size_t Index> constexpr BoundMember ElementOf()
{
    return {nullptr, [](S& sheet) { return &((sheet.*Page).*Member)[Index]; }};
}

struct BindingRow
{
    int controlId;
    BoundMember member;
};

// clang-format off
const BindingRow kPageMembers[] = {
    {IDC_SWITCH_TYPE, TextOf<&S::m_networkSwitchTypePage, &CNetworkSwitchType::m_strSwitchType>()},
    {IDC_DATA_TEI, TextOf<&S::m_networkCfgPage1, &CNetworkCfgPage1::m_strDataTEI>()},
    {IDC_VOICE_TEI, TextOf<&S::m_networkCfgPage1, &CNetworkCfgPage1::m_strVoiceTEI>()},
    {IDC_DATA_SPID, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataSPID>()},
    {IDC_VOICE_SPID, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strVoiceSPID>()},
    {IDC_DATA_DN, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataDN>()},
    {IDC_VOICE_DN, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strVoiceDN>()},
    {IDC_DATA_DN2, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataDN2>()},
    {IDC_DATA_MSN, TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strDataMSN>()},
    {IDC_VOICE_MSN, TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strVoiceMSN>()},
    {IDC_DATA_MSN2, TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strDataMSN2>()},
    {IDC_AUTO_ANSWER, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bAutoAnswer>()},
    {IDC_PERSISTENT_DTR, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bPersistentDTR>()},
    {IDC_DIALING_METHOD, TextOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_strDialingMethod>()},
    {IDC_RINGS_TO_ANSWER, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_nRingsToAnswer>()},
    {IDC_CALLER_ID, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bCallerId>()},
    {IDC_INACTIVITY_TIMER, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_nInactivityTimer>()},
    {IDC_DATA_PROTOCOL, TextOf<&S::m_dataProtocolPage, &CDataProtocolPage::m_strDataProtocol>()},
    {IDC_AUTO_DETECT, IntOf<&S::m_dataProtocolPage, &CDataProtocolPage::m_bAutoDetect>()},
    {IDC_STORED_NUMBER_0, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 0>()},
    {IDC_STORED_NUMBER_1, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 1>()},
    {IDC_STORED_NUMBER_2, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 2>()},
    {IDC_STORED_NUMBER_3, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 3>()},
    {IDC_STORED_NUMBER_4, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 4>()},
    {IDC_STORED_NUMBER_5, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 5>()},
    {IDC_STORED_NUMBER_6, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 6>()},
    {IDC_STORED_NUMBER_7, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 7>()},
    {IDC_STORED_NUMBER_8, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 8>()},
    {IDC_STORED_NUMBER_9, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 9>()},
    {IDC_DTR_SIGNAL, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDTR>()},
    {IDC_DSR_SIGNAL, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDSR>()},
    {IDC_DCD_SIGNAL, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDCD>()},
    {IDC_DTR_DETECT_TIME, IntOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_nDTRDetectTime>()},
    {IDC_DCD_DROP_TIME, IntOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_nDCDDropTime>()},
    {IDC_CTS_SIGNAL, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strCTS>()},
    {IDC_SYNC_MODE, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strSyncMode>()},
    {IDC_PARITY, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strParity>()},
    {IDC_BIT_RATE, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strBitRate>()},
    {IDC_DATA_BITS, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strDataBits>()},
    {IDC_STOP_BITS, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strStopBits>()},
    {IDC_FLOW_CONTROL, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strFlowControl>()},
    {IDC_RING_FREQUENCY, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strRingFrequency>()},
    {IDC_DIAL_TONE, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strDialTone>()},
    {IDC_DIAL_TONE_GAIN, IntOf<&S::m_potsPortPage, &CPOTSPortPage::m_nDialToneGain>()},
    {IDC_DIAL_TONE_SUPPRESSION, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strSuppression>()},
    {IDC_RING_SIGNAL, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strRingSignal>()},
    {IDC_PULSE_RECOGNITION, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strPulseRecognition>()},
    {IDC_BANDWIDTH_SCHEME, TextOf<&S::m_bandwidthPage, &CBandwidthPage::m_strDBAScheme>()},
    {IDC_BOD_HIGH_THRESHOLD, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nHighThreshold>()},
    {IDC_BOD_HIGH_THROUGHPUT, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nHighThroughput>()},
    {IDC_BOD_LOW_THRESHOLD, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nLowThreshold>()},
    {IDC_BOD_LOW_THROUGHPUT, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nLowThroughput>()},
    {IDC_CALL_BUMPING, TextOf<&S::m_bandwidthPage, &CBandwidthPage::m_strCallBumping>()},
};
// clang-format on

class PageBinding : public CParamBinding
{
public:
    explicit PageBinding(S& sheet) : m_sheet(sheet) {}

    int* IntValue(int controlId) const override
    {
        const BoundMember* member = Find(controlId);
        return member != nullptr && member->intValue != nullptr ? member->intValue(m_sheet)
                                                                : nullptr;
    }
    std::string* TextValue(int controlId) const override
    {
        const BoundMember* member = Find(controlId);
        return member != nullptr && member->textValue != nullptr ? member->textValue(m_sheet)
                                                                 : nullptr;
    }
    std::string* Section() const override { return &m_sheet.m_iniSectionPage.m_strConfigName; }

private:
    static const BoundMember* Find(int controlId)
    {
        for (const BindingRow& row : kPageMembers)
        {
            if (row.controlId == controlId)
                return &row.member;
        }
        return nullptr;
    }

    S& m_sheet;
};
} // namespace

void CCfgSheet::BuildCatalogue()
{
    GetProfilePath();
    BuildCatalogue(g_profilePath);
}

void CCfgSheet::BuildCatalogue(const std::string& profilePath)
{
    const DeviceRecord& device = theApp.m_device;
    theParams.BuildCatalogue(PageBinding(*this), device.modelCode, device.extModelCode,
                             profilePath);
}
