// The catalogue of the configurable parameters, as one table in build order, and the two
// operations that need the application: building the catalogue for the adapter being
// configured, and packing into its command lines.
#include "src/commands/CfgParam.h"

#include "framework/WinApp.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/ChoiceTables.h"
#include "src/identify/DeviceTable.h"
#include "src/profile/ProfileFile.h"

#include <cstddef>

namespace
{

enum class Kind
{
    Integer,
    Text,
    Choice,
    YesNo,
};

using IntBinding = int* (*)(CCfgSheet&);
using TextBinding = std::string* (*)(CCfgSheet&);

// The page member a parameter is bound to: member `Member` of the sheet's page `Page`.
template <auto Page, auto Member> int* IntOf(CCfgSheet& sheet)
{
    return &((sheet.*Page).*Member);
}

template <auto Page, auto Member> std::string* TextOf(CCfgSheet& sheet)
{
    return &((sheet.*Page).*Member);
}

template <auto Page, auto Member, size_t Index> std::string* ElementOf(CCfgSheet& sheet)
{
    return &((sheet.*Page).*Member)[Index];
}

struct CatalogueRow
{
    const char* key;
    int controlId;
    const char* prefix;
    Kind kind;
    const char* defaultText; // Text and Choice; nullptr: the adapter's default switch type
    int defaultValue;        // Integer and YesNo
    int minimum;             // Integer
    int maximum;             // Integer: maximum value; Text: maximum length
    const char* charSet;     // Text
    const ChoiceEntry* choices;
    IntBinding intValue;
    TextBinding textValue;
};

constexpr const char* kAdapterSwitchType = nullptr;

constexpr CatalogueRow Integer(const char* key, int controlId, const char* prefix, int defaultValue,
                               int minimum, int maximum, IntBinding value)
{
    return {key,     controlId, prefix, Kind::Integer, "",    defaultValue,
            minimum, maximum,   "",     nullptr,       value, nullptr};
}

constexpr CatalogueRow Text(const char* key, int controlId, const char* prefix,
                            const char* defaultText, int maxLength, const char* charSet,
                            TextBinding value)
{
    return {key, controlId, prefix,  Kind::Text, defaultText, 0,
            0,   maxLength, charSet, nullptr,    nullptr,     value};
}

constexpr CatalogueRow Choice(const char* key, int controlId, const char* prefix,
                              const char* defaultText, const ChoiceEntry* choices,
                              TextBinding value)
{
    return {key, controlId, prefix, Kind::Choice, defaultText, 0,
            0,   0,         "",     choices,      nullptr,     value};
}

constexpr CatalogueRow YesNo(const char* key, int controlId, const char* prefix, int defaultValue,
                             const ChoiceEntry* choices, IntBinding value)
{
    return {key, controlId, prefix, Kind::YesNo, "",    defaultValue,
            0,   0,         "",     choices,     value, nullptr};
}

using S = CCfgSheet;

// clang-format off
const CatalogueRow kCatalogue[] = {
    //      key                       id    prefix    default                   limits
    Choice ("NetworkSwitchType",      1006, "!C0=",   kAdapterSwitchType,       kSwitchTypeChoices,
            TextOf<&S::m_networkSwitchTypePage, &CNetworkSwitchType::m_strSwitchType>),
    Choice ("DataTEI",                1004, "!D3=",   "Auto TEI",               kTeiChoices,
            TextOf<&S::m_networkCfgPage1, &CNetworkCfgPage1::m_strDataTEI>),
    Choice ("VoiceTEI",               1005, "*!D3=",  "Auto TEI",               kTeiChoices,
            TextOf<&S::m_networkCfgPage1, &CNetworkCfgPage1::m_strVoiceTEI>),
    Text   ("DataSPID",               1000, "!C6=",   "",                       20, "0:9",
            TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataSPID>),
    Text   ("VoiceSPID",              1001, "*!C6=",  "",                       20, "0:9",
            TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strVoiceSPID>),
    Text   ("DataDirectoryNumber",    1002, "!N1=",   "",                       25, "0:9",
            TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataDN>),
    Text   ("VoiceDirectoryNumber",   1003, "*!N1=",  "",                       25, "0:9",
            TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strVoiceDN>),
    Text   ("DataDirectoryNumber2",   1186, "!N2=",   "",                       25, "0:9",
            TextOf<&S::m_networkCfgPage2US, &CNetworkCfgPage2US::m_strDataDN2>),
    Text   ("DataMSN",                1042, "!N1=",   "",                       25, "0:9,:",
            TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strDataMSN>),
    Text   ("VoiceMSN",               1043, "*!N1=",  "",                       25, "0:9,:",
            TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strVoiceMSN>),
    Text   ("DataMSN2",               1187, "!N2=",   "",                       25, "0:9,:",
            TextOf<&S::m_networkCfgPage2Europe, &CNetworkCfgPage2Europe::m_strDataMSN2>),
    YesNo  ("AutoAnswer",             1007, "S0=",    1,                        kYesNoChoices,
            IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bAutoAnswer>),
    YesNo  ("PersistentDTRDialing",   1008, "$D",     0,                        kYesNoChoices,
            IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bPersistentDTR>),
    Choice ("DialingMethod",          1009, "%A97=",  "Enbloc",                 kDialingMethodChoices,
            TextOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_strDialingMethod>),
    Integer("RingsToAnswer",          1010, "S0=",    1,                        1, 255,
            IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_nRingsToAnswer>),
    YesNo  ("CallLineId",             1155, "S50=",   1,                        kYesNoChoices,
            IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_bCallerId>),
    Integer("InactivityTimer",        1178, "S30=",   0,                        0, 255,
            IntOf<&S::m_callCtrlCfgPage, &CCallCtrlCfgPage::m_nInactivityTimer>),
    Choice ("DataProtocol",           1011, "!Z=",    "V.120",                  kDataProtocolChoices,
            TextOf<&S::m_dataProtocolPage, &CDataProtocolPage::m_strDataProtocol>),
    YesNo  ("AutoDetection",          1156, "S52=",   1,                        kYesNoChoices,
            IntOf<&S::m_dataProtocolPage, &CDataProtocolPage::m_bAutoDetect>),
    Text   ("StoredNumber0",          1012, "&Z0=",   "",                       20, "0:9,,,-",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 0>),
    Text   ("StoredNumber1",          1013, "&Z1=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 1>),
    Text   ("StoredNumber2",          1014, "&Z2=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 2>),
    Text   ("StoredNumber3",          1015, "&Z3=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 3>),
    Text   ("StoredNumber4",          1016, "&Z4=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 4>),
    Text   ("StoredNumber5",          1017, "&Z5=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 5>),
    Text   ("StoredNumber6",          1018, "&Z6=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 6>),
    Text   ("StoredNumber7",          1019, "&Z7=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 7>),
    Text   ("StoredNumber8",          1020, "&Z8=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 8>),
    Text   ("StoredNumber9",          1021, "&Z9=",   "",                       20, "0:9,,,-,&",
            ElementOf<&S::m_storedNumbersPage, &CStoredNumbersPage::m_strNumber, 9>),
    Choice ("DTRPin",                 1022, "&D",     "Normal",                 kDtrChoices,
            TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDTR>),
    Choice ("DSRPin",                 1023, "&S",     "Always On",              kDsrChoices,
            TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDSR>),
    Choice ("DCDPin",                 1025, "&C",     "Normal",                 kDcdChoices,
            TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strDCD>),
    Integer("DTRDetectTime",          1026, "S25=",   5,                        0, 255,
            IntOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_nDTRDetectTime>),
    Integer("DCDDetectTime",          1027, "S10=",   7,                        0, 255,
            IntOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_nDCDDropTime>),
    Choice ("CTSPin",                 1024, "&R",     "Always On",              kCtsChoices,
            TextOf<&S::m_portCtrlCfgPage1, &CPortCtrlCfgPage1::m_strCTS>),
    Choice ("SyncMode",               1028, "&M",     "Asynchronous",           kSyncModeChoices,
            TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strSyncMode>),
    Choice ("DefaultParity",          1029, "@P3=",   "None",                   kParityChoices,
            TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strParity>),
    Choice ("DefaultBitRate",         1030, "$SB",    "115200",                 kBitRateChoices,
            TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strBitRate>),
    Choice ("DataBits",               1031, "@P4=",   "8",                      kDataBitsChoices,
            TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strDataBits>),
    Choice ("StopBits",               1032, "@P6=",   "1",                      kStopBitsChoices,
            TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strStopBits>),
    Choice ("FlowControl",            1033, "&E",     "RTS/CTS",                kFlowControlChoices,
            TextOf<&S::m_portCtrlCfgPage2, &CPortCtrlCfgPage2::m_strFlowControl>),
    Choice ("RingFrequency",          1171, "S44=",   "25 Hz",                  kRingFrequencyChoices,
            TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strRingFrequency>),
    Choice ("DialTone",               1172, "S45=",   "TA Generates Dial Tone", kDialToneChoices,
            TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strDialTone>),
    Integer("DialToneGain",           1174, "S49=",   0,                        0, 10,
            IntOf<&S::m_potsPortPage, &CPOTSPortPage::m_nDialToneGain>),
    Choice ("DialToneSuppression",    1175, "S51=",   "Disabled",               kSuppressionChoices,
            TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strSuppression>),
    Choice ("RingSignal",             1176, "S66=",   "Default",                kRingSignalChoices,
            TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strRingSignal>),
    Choice ("PulseDialCountry",       1173, "S46=",   "Disabled",               kPulseRecognitionChoices,
            TextOf<&S::m_potsPortPage, &CPOTSPortPage::m_strPulseRecognition>),
    Choice ("DBAScheme",              1185, "S59=",   "MP+",                    kBandwidthSchemeChoices,
            TextOf<&S::m_bandwidthPage, &CBandwidthPage::m_strDBAScheme>),
    Integer("BODHighThreshold",       1181, "S60=",   10,                       0, 255,
            IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nHighThreshold>),
    Integer("BODHighThroughput",      1179, "S61=",   52,                       0, 64,
            IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nHighThroughput>),
    Integer("BODLowThreshold",        1182, "S62=",   10,                       0, 255,
            IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nLowThreshold>),
    Integer("BODLowThroughput",       1183, "S63=",   26,                       0, 64,
            IntOf<&S::m_bandwidthPage, &CBandwidthPage::m_nLowThroughput>),
    Choice ("CallBumping",            1184, "S64=",   "Enabled",                kCallBumpingChoices,
            TextOf<&S::m_bandwidthPage, &CBandwidthPage::m_strCallBumping>),
};

// Rows that read differently for one model: its key and default replace the table's.
struct ModelVariant
{
    int controlId;
    int modelCode;
    const char* key;
    const char* defaultText;
};

const ModelVariant kModelVariants[] = {
    // CTS of the MIRELO adapters
    {1024, 4, "CTSPin",             "Normal"},
    // Pulse dial recognition of the DIREDEDE adapters
    {1173, 6, "CountryRecognition", "England, France, India, USA..."},
};
// clang-format on

const ModelVariant* FindVariant(int controlId, int modelCode)
{
    for (const ModelVariant& variant : kModelVariants)
    {
        if (variant.controlId == controlId && variant.modelCode == modelCode)
            return &variant;
    }
    return nullptr;
}

} // namespace

void CCfgParamList::BuildCatalogue(CCfgSheet* pSheet)
{
    GetProfilePath();
    BuildCatalogue(pSheet, g_profilePath);
}

void CCfgParamList::BuildCatalogue(CCfgSheet* pSheet, const std::string& profilePath)
{
    RemoveAll();
    const DeviceRecord& device = theApp.m_device;
    const int switchId = GetDeviceDefaultSwitchId(device.modelCode, device.extModelCode);
    const std::string adapterSwitchType =
        switchId != 0 ? AfxLoadString(static_cast<UINT>(switchId)) : std::string();
    std::string* section = &pSheet->m_iniSectionPage.m_strConfigName;

    for (const CatalogueRow& row : kCatalogue)
    {
        std::string key = row.key;
        std::string defaultText = row.defaultText != nullptr ? row.defaultText : adapterSwitchType;
        if (const ModelVariant* variant = FindVariant(row.controlId, device.modelCode))
        {
            key = variant->key;
            defaultText = variant->defaultText;
        }
        switch (row.kind)
        {
        case Kind::Integer:
            Add(new CCfgParam(profilePath, section, key, row.controlId, row.defaultValue,
                              row.intValue(*pSheet), row.minimum, row.maximum, row.prefix));
            break;
        case Kind::Text:
            Add(new CCfgParam(profilePath, section, key, row.controlId, defaultText,
                              row.textValue(*pSheet), row.maximum, row.charSet, row.prefix));
            break;
        case Kind::Choice:
            Add(new CCfgParam(profilePath, section, key, row.controlId, defaultText,
                              row.textValue(*pSheet), row.choices, row.prefix));
            break;
        case Kind::YesNo:
            Add(new CCfgParam(profilePath, section, key, row.controlId, row.defaultValue,
                              row.intValue(*pSheet), row.choices, row.prefix));
            break;
        }
    }
}

void CCfgParamList::PackCommandLines() const
{
    PackCommandLines(theApp.m_device.cmdLines);
}
