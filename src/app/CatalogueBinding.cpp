// The catalogue bound to the sheet's pages: each parameter's value is the member of the page
// whose control edits it, and the configuration's name is the setup type page's.
#include "src/app/CfgSheet.h"

#include "src/app/CfgApp.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileFile.h"

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
    {1006, TextOf<&S::m_networkSwitchTypePage, &CNetworkSwitchType::m_strSwitchType>()},
    {1004, TextOf<&S::m_networkCfgPage1, &CNetworkCfgPage1::m_strDataTEI>()},
    {1005, TextOf<&S::m_networkCfgPage1, &CNetworkCfgPage1::m_strVoiceTEI>()},
    {1000, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataSPID>()},
    {1001, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strVoiceSPID>()},
    {1002, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataDN>()},
    {1003, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strVoiceDN>()},
    {1186, TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataDN2>()},
    {1042, TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strDataMSN>()},
    {1043, TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strVoiceMSN>()},
    {1187, TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strDataMSN2>()},
    {1007, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bAutoAnswer>()},
    {1008, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bPersistentDTR>()},
    {1009, TextOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_strDialingMethod>()},
    {1010, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_nRingsToAnswer>()},
    {1155, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bCallerId>()},
    {1178, IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_nInactivityTimer>()},
    {1011, TextOf<&S::m_dataProtocolPage, &CDataProtocolPage::m_strDataProtocol>()},
    {1156, IntOf<&S::m_dataProtocolPage, &CDataProtocolPage::m_bAutoDetect>()},
    {1012, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 0>()},
    {1013, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 1>()},
    {1014, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 2>()},
    {1015, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 3>()},
    {1016, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 4>()},
    {1017, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 5>()},
    {1018, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 6>()},
    {1019, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 7>()},
    {1020, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 8>()},
    {1021, ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 9>()},
    {1022, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDTR>()},
    {1023, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDSR>()},
    {1025, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDCD>()},
    {1026, IntOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_nDTRDetectTime>()},
    {1027, IntOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_nDCDDropTime>()},
    {1024, TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strCTS>()},
    {1028, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strSyncMode>()},
    {1029, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strParity>()},
    {1030, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strBitRate>()},
    {1031, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strDataBits>()},
    {1032, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strStopBits>()},
    {1033, TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strFlowControl>()},
    {1171, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strRingFrequency>()},
    {1172, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strDialTone>()},
    {1174, IntOf<&S::m_potsPortPage, &CPOTSPortPage::m_nDialToneGain>()},
    {1175, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strSuppression>()},
    {1176, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strRingSignal>()},
    {1173, TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strPulseRecognition>()},
    {1185, TextOf<&S::m_bandwidthPage, &CBandwidthPage::m_strDBAScheme>()},
    {1181, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nHighThreshold>()},
    {1179, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nHighThroughput>()},
    {1182, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nLowThreshold>()},
    {1183, IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nLowThroughput>()},
    {1184, TextOf<&S::m_bandwidthPage, &CBandwidthPage::m_strCallBumping>()},
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
