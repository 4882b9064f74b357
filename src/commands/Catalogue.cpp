// The catalogue of the configurable parameters, as one table in build order, and building it
// for an adapter model.
#include "src/commands/CfgParam.h"

#include "framework/WinApp.h"
#include "src/commands/ChoiceTables.h"
#include "src/identify/DeviceTable.h"

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
};

constexpr const char* kAdapterSwitchType = nullptr;

constexpr CatalogueRow Integer(const char* key, int controlId, const char* prefix, int defaultValue,
                               int minimum, int maximum)
{
    return {key, controlId, prefix, Kind::Integer, "", defaultValue, minimum, maximum, "", nullptr};
}

constexpr CatalogueRow Text(const char* key, int controlId, const char* prefix,
                            const char* defaultText, int maxLength, const char* charSet)
{
    return {key, controlId, prefix, Kind::Text, defaultText, 0, 0, maxLength, charSet, nullptr};
}

constexpr CatalogueRow Choice(const char* key, int controlId, const char* prefix,
                              const char* defaultText, const ChoiceEntry* choices)
{
    return {key, controlId, prefix, Kind::Choice, defaultText, 0, 0, 0, "", choices};
}

constexpr CatalogueRow YesNo(const char* key, int controlId, const char* prefix, int defaultValue,
                             const ChoiceEntry* choices)
{
    return {key, controlId, prefix, Kind::YesNo, "", defaultValue, 0, 0, "", choices};
}

// clang-format off
const CatalogueRow kCatalogue[] = {
    //      key                       id    prefix    default                   limits
    Choice ("NetworkSwitchType",      1006, "!C0=",   kAdapterSwitchType,       kSwitchTypeChoices),
    Choice ("DataTEI",                1004, "!D3=",   "Auto TEI",               kTeiChoices),
    Choice ("VoiceTEI",               1005, "*!D3=",  "Auto TEI",               kTeiChoices),
    Text   ("DataSPID",               1000, "!C6=",   "",                       20, "0:9"),
    Text   ("VoiceSPID",              1001, "*!C6=",  "",                       20, "0:9"),
    Text   ("DataDirectoryNumber",    1002, "!N1=",   "",                       25, "0:9"),
    Text   ("VoiceDirectoryNumber",   1003, "*!N1=",  "",                       25, "0:9"),
    Text   ("DataDirectoryNumber2",   1186, "!N2=",   "",                       25, "0:9"),
    Text   ("DataMSN",                1042, "!N1=",   "",                       25, "0:9,:"),
    Text   ("VoiceMSN",               1043, "*!N1=",  "",                       25, "0:9,:"),
    Text   ("DataMSN2",               1187, "!N2=",   "",                       25, "0:9,:"),
    YesNo  ("AutoAnswer",             1007, "S0=",    1,                        kYesNoChoices),
    YesNo  ("PersistentDTRDialing",   1008, "$D",     0,                        kYesNoChoices),
    Choice ("DialingMethod",          1009, "%A97=",  "Enbloc",                 kDialingMethodChoices),
    Integer("RingsToAnswer",          1010, "S0=",    1,                        1, 255),
    YesNo  ("CallLineId",             1155, "S50=",   1,                        kYesNoChoices),
    Integer("InactivityTimer",        1178, "S30=",   0,                        0, 255),
    Choice ("DataProtocol",           1011, "!Z=",    "V.120",                  kDataProtocolChoices),
    YesNo  ("AutoDetection",          1156, "S52=",   1,                        kYesNoChoices),
    Text   ("StoredNumber0",          1012, "&Z0=",   "",                       20, "0:9,,,-"),
    Text   ("StoredNumber1",          1013, "&Z1=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber2",          1014, "&Z2=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber3",          1015, "&Z3=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber4",          1016, "&Z4=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber5",          1017, "&Z5=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber6",          1018, "&Z6=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber7",          1019, "&Z7=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber8",          1020, "&Z8=",   "",                       20, "0:9,,,-,&"),
    Text   ("StoredNumber9",          1021, "&Z9=",   "",                       20, "0:9,,,-,&"),
    Choice ("DTRPin",                 1022, "&D",     "Normal",                 kDtrChoices),
    Choice ("DSRPin",                 1023, "&S",     "Always On",              kDsrChoices),
    Choice ("DCDPin",                 1025, "&C",     "Normal",                 kDcdChoices),
    Integer("DTRDetectTime",          1026, "S25=",   5,                        0, 255),
    Integer("DCDDetectTime",          1027, "S10=",   7,                        0, 255),
    Choice ("CTSPin",                 1024, "&R",     "Always On",              kCtsChoices),
    Choice ("SyncMode",               1028, "&M",     "Asynchronous",           kSyncModeChoices),
    Choice ("DefaultParity",          1029, "@P3=",   "None",                   kParityChoices),
    Choice ("DefaultBitRate",         1030, "$SB",    "115200",                 kBitRateChoices),
    Choice ("DataBits",               1031, "@P4=",   "8",                      kDataBitsChoices),
    Choice ("StopBits",               1032, "@P6=",   "1",                      kStopBitsChoices),
    Choice ("FlowControl",            1033, "&E",     "RTS/CTS",                kFlowControlChoices),
    Choice ("RingFrequency",          1171, "S44=",   "25 Hz",                  kRingFrequencyChoices),
    Choice ("DialTone",               1172, "S45=",   "TA Generates Dial Tone", kDialToneChoices),
    Integer("DialToneGain",           1174, "S49=",   0,                        0, 10),
    Choice ("DialToneSuppression",    1175, "S51=",   "Disabled",               kSuppressionChoices),
    Choice ("RingSignal",             1176, "S66=",   "Default",                kRingSignalChoices),
    Choice ("PulseDialCountry",       1173, "S46=",   "Disabled",               kPulseRecognitionChoices),
    Choice ("DBAScheme",              1185, "S59=",   "MP+",                    kBandwidthSchemeChoices),
    Integer("BODHighThreshold",       1181, "S60=",   10,                       0, 255),
    Integer("BODHighThroughput",      1179, "S61=",   52,                       0, 64),
    Integer("BODLowThreshold",        1182, "S62=",   10,                       0, 255),
    Integer("BODLowThroughput",       1183, "S63=",   26,                       0, 64),
    Choice ("CallBumping",            1184, "S64=",   "Enabled",                kCallBumpingChoices),
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
        case Kind::Integer:
            Add(new CCfgParam(profilePath, section, key, row.controlId, row.defaultValue,
                              binding.IntValue(row.controlId), row.minimum, row.maximum,
                              row.prefix));
            break;
        case Kind::Text:
            Add(new CCfgParam(profilePath, section, key, row.controlId, defaultText,
                              binding.TextValue(row.controlId), row.maximum, row.charSet,
                              row.prefix));
            break;
        case Kind::Choice:
            Add(new CCfgParam(profilePath, section, key, row.controlId, defaultText,
                              binding.TextValue(row.controlId), row.choices, row.prefix));
            break;
        case Kind::YesNo:
            Add(new CCfgParam(profilePath, section, key, row.controlId, row.defaultValue,
                              binding.IntValue(row.controlId), row.choices, row.prefix));
            break;
        }
    }
}
