// The catalogue of the configurable parameters, as one table in build order, and building it
// for an adapter model.
#include "src/commands/CfgParam.h"

#include "framework/WinApp.h"
#include "src/commands/ChoiceTables.h"
#include "src/identify/DeviceTable.h"
#include "src/res/WizardRes.h"

#include <cstddef>

namespace
{

struct CatalogueRow
{
    const char* key;
    int controlId;
    const char* prefix;
    ParamKind kind;
    const char* defaultText; // Text and Choice; nullptr: the adapter's default switch type
    int defaultValue;        // Integer and YesNo
    int minimum;             // Integer
    int maximum;             // Integer: maximum value; Text: maximum length
    const char* charSet;     // Text
    const ChoiceEntry* choices;
};

constexpr const char* kAdapterSwitchType = nullptr;

constexpr CatalogueRow Integer(const char* key, int controlId, const char* prefix, int defaultValue,
                               int minimum, int maximum)
{
    return {key,     controlId, prefix, ParamKind::Integer, "", defaultValue, minimum,
            maximum, "",        nullptr};
}

constexpr CatalogueRow Text(const char* key, int controlId, const char* prefix,
                            const char* defaultText, int maxLength, const char* charSet)
{
    return {key, controlId, prefix,    ParamKind::Text, defaultText,
            0,   0,         maxLength, charSet,         nullptr};
}

constexpr CatalogueRow Choice(const char* key, int controlId, const char* prefix,
                              const char* defaultText, const ChoiceEntry* choices)
{
    return {key, controlId, prefix, ParamKind::Choice, defaultText, 0, 0, 0, "", choices};
}

constexpr CatalogueRow YesNo(const char* key, int controlId, const char* prefix, int defaultValue,
                             const ChoiceEntry* choices)
{
    return {key, controlId, prefix, ParamKind::YesNo, "", defaultValue, 0, 0, "", choices};
}

// clang-format off
const CatalogueRow kCatalogue[] = {
    //      key                       id                         prefix    default                   limits
    Choice ("NetworkSwitchType",      IDC_SWITCH_TYPE,           "!C0=",   kAdapterSwitchType,       kSwitchTypeChoices),
    Choice ("DataTEI",                IDC_DATA_TEI,              "!D3=",   "Auto TEI",               kTeiChoices),
    Choice ("VoiceTEI",               IDC_VOICE_TEI,             "*!D3=",  "Auto TEI",               kTeiChoices),
    Text   ("DataSPID",               IDC_DATA_SPID,             "!C6=",   "",                       20, "0:9"),
    Text   ("VoiceSPID",              IDC_VOICE_SPID,            "*!C6=",  "",                       20, "0:9"),
    Text   ("DataDirectoryNumber",    IDC_DATA_DN,               "!N1=",   "",                       25, "0:9"),
    Text   ("VoiceDirectoryNumber",   IDC_VOICE_DN,              "*!N1=",  "",                       25, "0:9"),
    Text   ("DataDirectoryNumber2",   IDC_DATA_DN2,              "!N2=",   "",                       25, "0:9"),
    Text   ("DataMSN",                IDC_DATA_MSN,              "!N1=",   "",                       25, "0:9,:"),
    Text   ("VoiceMSN",               IDC_VOICE_MSN,             "*!N1=",  "",                       25, "0:9,:"),
    Text   ("DataMSN2",               IDC_DATA_MSN2,             "!N2=",   "",                       25, "0:9,:"),
    YesNo  ("AutoAnswer",             IDC_AUTO_ANSWER,           "S0=",    1,                        kYesNoChoices),
    YesNo  ("PersistentDTRDialing",   IDC_PERSISTENT_DTR,        "$D",     0,                        kYesNoChoices),
    Choice ("DialingMethod",          IDC_DIALING_METHOD,        "%A97=",  "Enbloc",                 kDialingMethodChoices),
    Integer("RingsToAnswer",          IDC_RINGS_TO_ANSWER,       "S0=",    1,                        1, 255),
    YesNo  ("CallLineId",             IDC_CALLER_ID,             "S50=",   1,                        kYesNoChoices),
    Integer("InactivityTimer",        IDC_INACTIVITY_TIMER,      "S30=",   0,                        0, 255),
    Choice ("DataProtocol",           IDC_DATA_PROTOCOL,         "!Z=",    "V.120",                  kDataProtocolChoices),
    YesNo  ("AutoDetection",          IDC_AUTO_DETECT,           "S52=",   1,                        kYesNoChoices),
    Text   ("StoredNumber0",          IDC_STORED_NUMBER_0,       "&Z0=",   "",                       20, "0:9,,,-"),
    Text   ("StoredNumber1",          IDC_STORED_NUMBER_1,       "&Z1=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber2",          IDC_STORED_NUMBER_2,       "&Z2=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber3",          IDC_STORED_NUMBER_3,       "&Z3=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber4",          IDC_STORED_NUMBER_4,       "&Z4=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber5",          IDC_STORED_NUMBER_5,       "&Z5=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber6",          IDC_STORED_NUMBER_6,       "&Z6=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber7",          IDC_STORED_NUMBER_7,       "&Z7=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber8",          IDC_STORED_NUMBER_8,       "&Z8=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber9",          IDC_STORED_NUMBER_9,       "&Z9=",   "",                       20, "0:9,,,-,&"),
    Choice ("DTRPin",                 IDC_DTR_SIGNAL,            "&D",     "Normal",                 kDtrChoices),
    Choice ("DSRPin",                 IDC_DSR_SIGNAL,            "&S",     "Always On",              kDsrChoices),
    Choice ("DCDPin",                 IDC_DCD_SIGNAL,            "&C",     "Normal",                 kDcdChoices),
    Integer("DTRDetectTime",          IDC_DTR_DETECT_TIME,       "S25=",   5,                        0, 255),
    Integer("DCDDetectTime",          IDC_DCD_DROP_TIME,         "S10=",   7,                        0, 255),
    Choice ("CTSPin",                 IDC_CTS_SIGNAL,            "&R",     "Always On",              kCtsChoices),
    Choice ("SyncMode",               IDC_SYNC_MODE,             "&M",     "Asynchronous",           kSyncModeChoices),
    Choice ("DefaultParity",          IDC_PARITY,                "@P3=",   "None",                   kParityChoices),
    Choice ("DefaultBitRate",         IDC_BIT_RATE,              "$SB",    "115200",                 kBitRateChoices),
    Choice ("DataBits",               IDC_DATA_BITS,             "@P4=",   "8",                      kDataBitsChoices),
    Choice ("StopBits",               IDC_STOP_BITS,             "@P6=",   "1",                      kStopBitsChoices),
    Choice ("FlowControl",            IDC_FLOW_CONTROL,          "&E",     "RTS/CTS",                kFlowControlChoices),
    Choice ("RingFrequency",          IDC_RING_FREQUENCY,        "S44=",   "25 Hz",                  kRingFrequencyChoices),
    Choice ("DialTone",               IDC_DIAL_TONE,             "S45=",   "TA Generates Dial Tone", kDialToneChoices),
    Integer("DialToneGain",           IDC_DIAL_TONE_GAIN,        "S49=",   0,                        0, 10),
    Choice ("DialToneSuppression",    IDC_DIAL_TONE_SUPPRESSION, "S51=",   "Disabled",               kSuppressionChoices),
    Choice ("RingSignal",             IDC_RING_SIGNAL,           "S66=",   "Default",                kRingSignalChoices),
    Choice ("PulseDialCountry",       IDC_PULSE_RECOGNITION,     "S46=",   "Disabled",               kPulseRecognitionChoices),
    Choice ("DBAScheme",              IDC_BANDWIDTH_SCHEME,      "S59=",   "MP+",                    kBandwidthSchemeChoices),
    Integer("BODHighThreshold",       IDC_BOD_HIGH_THRESHOLD,    "S60=",   10,                       0, 255),
    Integer("BODHighThroughput",      IDC_BOD_HIGH_THROUGHPUT,   "S61=",   52,                       0, 64),
    Integer("BODLowThreshold",        IDC_BOD_LOW_THRESHOLD,     "S62=",   10,                       0, 255),
    Integer("BODLowThroughput",       IDC_BOD_LOW_THROUGHPUT,    "S63=",   26,                       0, 64),
    Choice ("CallBumping",            IDC_CALL_BUMPING,          "S64=",   "Enabled",                kCallBumpingChoices),
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
    {IDC_CTS_SIGNAL, 4, "CTSPin",             "Normal"},
    // Pulse dial recognition of the DIREDEDE adapters
    {IDC_PULSE_RECOGNITION, 6, "CountryRecognition", "England, France, India, USA..."},
};
// clang-format on

const CatalogueRow* FindRow(int controlId)
{
    for (const CatalogueRow& row : kCatalogue)
    {
        if (row.controlId == controlId)
            return &row;
    }
    return nullptr;
}

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

ParamKind CatalogueParamKind(int controlId)
{
    const CatalogueRow* row = FindRow(controlId);
    return row != nullptr ? row->kind : ParamKind::None;
}

int CatalogueMaxLength(int controlId)
{
    const CatalogueRow* row = FindRow(controlId);
    return row != nullptr && row->kind == ParamKind::Text ? row->maximum : 0;
}

void CCfgParamList::BuildCatalogue(const CParamBinding& binding, int modelCode, int extModelCode,
                                   const std::string& profilePath)
{
    RemoveAll();
    const int switchId = GetDeviceDefaultSwitchId(modelCode, extModelCode);
    const std::string adapterSwitchType =
        switchId != 0 ? AfxLoadString(static_cast<UINT>(switchId)) : std::string();
    std::string* section = binding.Section();

    for (const CatalogueRow& row : kCatalogue)
    {
        std::string key = row.key;
        std::string defaultText = row.defaultText != nullptr ? row.defaultText : adapterSwitchType;
        if (const ModelVariant* variant = FindVariant(row.controlId, modelCode))
        {
            key = variant->key;
            defaultText = variant->defaultText;
        }
        switch (row.kind)
        {
        case ParamKind::Integer:
            Add(new CCfgParam(profilePath, section, key, row.controlId, row.defaultValue,
                              binding.IntValue(row.controlId), row.minimum, row.maximum,
                              row.prefix));
            break;
        case ParamKind::Text:
            Add(new CCfgParam(profilePath, section, key, row.controlId, defaultText,
                              binding.TextValue(row.controlId), row.maximum, row.charSet,
                              row.prefix));
            break;
        case ParamKind::Choice:
            Add(new CCfgParam(profilePath, section, key, row.controlId, defaultText,
                              binding.TextValue(row.controlId), row.choices, row.prefix));
            break;
        case ParamKind::YesNo:
            Add(new CCfgParam(profilePath, section, key, row.controlId, row.defaultValue,
                              binding.IntValue(row.controlId), row.choices, row.prefix));
            break;
        case ParamKind::None:
            break;
        }
    }
}
