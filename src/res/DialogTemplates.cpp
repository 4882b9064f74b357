// The 21 page templates of the wizard, in dialog units. Each table lists its controls in tab
// order. Statics whose text a page loads from the string table at run time carry that same text
// here, so that a page already reads right before its code has run.
#include "src/res/Resources.h"

#include "src/res/StringTable.h"

namespace
{

using enum ControlClass;

constexpr const char* kWizardCaption = "QUORAN Configuration Wizard";
constexpr short kPageWidth = 266;
constexpr short kPageHeight = 150;

constexpr DWORD kBitmap = WS_VISIBLE | SS_BITMAP;
constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kHiddenEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kSortedDropList = kDropList | CBS_SORT;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kFirstRadioButton = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON;
constexpr DWORD kRadioButton = WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kConfigList =
    WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_SORT | LBS_NOTIFY;
constexpr DWORD kHiddenGroupBox = BS_GROUPBOX;
constexpr DWORD kHiddenDeviceList = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL;

// clang-format off

// text                  id          class     style              x    y    cx   cy  image

// CWelcomePage
constexpr DialogItem kWelcome[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 161},
    {StringText(1370),   1057,       Static,   kText,             5,   39,  260, 49, 0},
    {"Yes",              1159,       Button,   kFirstRadioButton, 15,  91,  28,  10, 0},
    {"No",               1160,       Button,   kRadioButton,      15,  105, 25,  10, 0},
};

// CINISectionPage
constexpr DialogItem kSetupType[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 173},
    {StringText(1378),   1069,       Static,   kText,             5,   39,  260, 24, 0},
    {StringText(1379),   1073,       Static,   kText,             5,   73,  24,  9,  0},
    {"",                 1054,       ComboBox, kDropList,         32,  71,  82,  45, 0},
    {"&Delete Configuration", 1052,  Button,   kPushButton,       123, 71,  70,  12, 0},
    {StringText(1380),   1074,       Static,   kText,             5,   86,  46,  8,  0},
    {"",                 1040,       ListBox,  kConfigList,       5,   95,  109, 43, 0},
};

// CNetworkSwitchType
constexpr DialogItem kSwitchType[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   21,  20, 175},
    {StringText(1382),   1076,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1383),   1075,       Static,   kText,             5,   64,  73,  8,  0},
    {"",                 1006,       ComboBox, kDropList,         85,  62,  55,  65, 0},
};

// CNetworkCfgPage1
constexpr DialogItem kTei[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 168},
    {StringText(1384),   1078,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1385),   1081,       Static,   kText,             5,   64,  34,  8,  0},
    {"",                 1004,       ComboBox, kDropList,         44,  62,  55,  65, 0},
    {StringText(1386),   1082,       Static,   kText,             5,   79,  36,  8,  0},
    {"",                 1005,       ComboBox, kDropList,         44,  77,  55,  65, 0},
};

// CNetworkCfgPage2US
constexpr DialogItem kSpidNumbers[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   21,  20, 178},
    {StringText(1390),   1085,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1392),   1046,       Static,   kText,             5,   64,  79,  8,  0},
    {"",                 1002,       Edit,     kEdit,             90,  62,  97,  12, 0},
    {StringText(1394),   1048,       Static,   kText,             5,   77,  81,  8,  0},
    {"",                 1003,       Edit,     kEdit,             90,  75,  97,  12, 0},
    {StringText(1523),   1050,       Static,   kText,             5,   90,  82,  8,  0},
    {"",                 1186,       Edit,     kHiddenEdit,       90,  88,  97,  12, 0},
    {StringText(1391),   1045,       Static,   kText,             5,   102, 40,  8,  0},
    {"",                 1000,       Edit,     kEdit,             48,  101, 97,  12, 0},
    {StringText(1393),   1047,       Static,   kText,             5,   115, 42,  8,  0},
    {"",                 1001,       Edit,     kEdit,             48,  113, 97,  12, 0},
};

// CNetworkCfgPage2Europe
constexpr DialogItem kMsnNumbers[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 169},
    {StringText(1387),   1083,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1388),   1049,       Static,   kText,             5,   65,  72,  8,  0},
    {"",                 1042,       Edit,     kEdit,             78,  63,  70,  12, 0},
    {StringText(1436),   1143,       Static,   kText,             5,   78,  72,  8,  0},
    {"",                 1144,       Edit,     kEdit,             78,  76,  70,  12, 0},
    {StringText(1389),   1051,       Static,   kText,             5,   93,  72,  8,  0},
    {"",                 1043,       Edit,     kEdit,             78,  91,  70,  12, 0},
    {StringText(1437),   1146,       Static,   kText,             5,   106, 72,  8,  0},
    {"",                 1145,       Edit,     kEdit,             78,  104, 70,  12, 0},
    {StringText(1521),   1053,       Static,   kText,             4,   121, 72,  8,  0},
    {"",                 1187,       Edit,     kHiddenEdit,       78,  119, 70,  12, 0},
    {StringText(1522),   1148,       Static,   kText,             4,   134, 72,  8,  0},
    {"",                 1150,       Edit,     kHiddenEdit,       78,  132, 70,  12, 0},
    {StringText(1527),   1188,       Static,   kText,             155, 63,  106, 33, 0},
};

// CCallCtrlCfgPage
constexpr DialogItem kCallControl[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 165},
    {StringText(1395),   1088,       Static,   kText,             5,   39,  260, 10, 0},
    {"&Persistent DTR Dialing", 1008, Button,  kCheckBox,         5,   57,  87,  8,  0},
    {"&Calling Line Identification", 1155, Button, kCheckBox,     5,   69,  96,  8,  0},
    {"&Auto Answer Data Calls", 1007, Button,  kCheckBox,         5,   81,  90,  8,  0},
    {StringText(1396),   1044,       Static,   kText,             17,  92,  100, 8,  0},
    {"",                 1010,       Edit,     kEdit,             119, 90,  26,  12, 0},
    {StringText(1524),   1180,       Static,   kText,             5,   114, 113, 8,  0},
    {"",                 1178,       Edit,     kEdit,             119, 112, 26,  12, 0},
    {StringText(1397),   1090,       Static,   kText,             5,   128, 52,  8,  0},
    {"",                 1009,       ComboBox, kDropList,         60,  126, 48,  65, 0},
};

// CDataProtocolPage
constexpr DialogItem kDataProtocol[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 166},
    {StringText(1398),   1091,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1399),   1093,       Static,   kText,             5,   64,  48,  8,  0},
    {"",                 1011,       ComboBox, kDropList,         57,  62,  73,  65, 0},
    {"&Auto protocol detection", 1156, Button, kCheckBox,         5,   82,  89,  10, 0},
};

// CStoredNumbersPage: each label stands right before its field, so that its mnemonic reaches it.
constexpr DialogItem kStoredNumbers[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 171},
    {StringText(1400),   1094,       Static,   kText,             5,   39,  260, 10, 0},
    {StringText(1402),   1097,       Static,   kText,             5,   57,  12,  8,  0},
    {"",                 1012,       Edit,     kEdit,             15,  55,  75,  12, 0},
    {StringText(1403),   1098,       Static,   kText,             5,   69,  12,  8,  0},
    {"",                 1013,       Edit,     kEdit,             15,  67,  75,  12, 0},
    {StringText(1404),   1099,       Static,   kText,             5,   81,  12,  8,  0},
    {"",                 1014,       Edit,     kEdit,             15,  79,  75,  12, 0},
    {StringText(1405),   1100,       Static,   kText,             5,   93,  12,  8,  0},
    {"",                 1015,       Edit,     kEdit,             15,  91,  75,  12, 0},
    {StringText(1406),   1101,       Static,   kText,             5,   105, 12,  8,  0},
    {"",                 1016,       Edit,     kEdit,             15,  103, 75,  12, 0},
    {StringText(1407),   1102,       Static,   kText,             100, 57,  12,  8,  0},
    {"",                 1017,       Edit,     kEdit,             110, 55,  75,  12, 0},
    {StringText(1408),   1103,       Static,   kText,             100, 69,  12,  8,  0},
    {"",                 1018,       Edit,     kEdit,             110, 67,  75,  12, 0},
    {StringText(1409),   1104,       Static,   kText,             100, 81,  12,  8,  0},
    {"",                 1019,       Edit,     kEdit,             110, 79,  75,  12, 0},
    {StringText(1410),   1105,       Static,   kText,             100, 93,  12,  8,  0},
    {"",                 1020,       Edit,     kEdit,             110, 91,  75,  12, 0},
    {StringText(1411),   1106,       Static,   kText,             100, 105, 12,  8,  0},
    {"",                 1021,       Edit,     kEdit,             110, 103, 75,  12, 0},
    {StringText(1412),   1107,       Static,   kText,             189, 56,  76,  28, 0},
};

// CPortCtrlCfgPage1
constexpr DialogItem kSerialSignals[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 170},
    {StringText(1413),   1109,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1414),   1112,       Static,   kText,             5,   64,  88,  8,  0},
    {"",                 1026,       Edit,     kEdit,             94,  62,  40,  12, 0},
    {StringText(1415),   1113,       Static,   kText,             5,   77,  88,  8,  0},
    {"",                 1027,       Edit,     kEdit,             94,  75,  40,  12, 0},
    {StringText(1416),   1114,       Static,   kText,             5,   93,  41,  8,  0},
    {"",                 1022,       ComboBox, kDropList,         49,  91,  85,  65, 0},
    {StringText(1417),   1115,       Static,   kText,             5,   106, 41,  8,  0},
    {"",                 1023,       ComboBox, kDropList,         49,  104, 85,  65, 0},
    {StringText(1418),   1116,       Static,   kText,             5,   119, 41,  8,  0},
    {"",                 1024,       ComboBox, kDropList,         49,  117, 85,  65, 0},
    {StringText(1419),   1117,       Static,   kText,             5,   132, 41,  8,  0},
    {"",                 1025,       ComboBox, kDropList,         49,  130, 85,  65, 0},
};

// CPortCtrlCfgPage2
constexpr DialogItem kSerialFormat[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 167},
    {StringText(1420),   1118,       Static,   kText,             5,   39,  260, 24, 0},
    {StringText(1421),   1122,       Static,   kText,             5,   71,  47,  8,  0},
    {"",                 1029,       ComboBox, kDropList,         60,  69,  50,  65, 0},
    {StringText(1423),   1124,       Static,   kText,             113, 71,  34,  8,  0},
    {"",                 1031,       ComboBox, kDropList,         148, 69,  40,  65, 0},
    {StringText(1422),   1123,       Static,   kText,             5,   85,  55,  8,  0},
    {"",                 1030,       ComboBox, kDropList,         60,  83,  50,  65, 0},
    {StringText(1424),   1125,       Static,   kText,             113, 85,  33,  8,  0},
    {"",                 1032,       ComboBox, kDropList,         148, 83,  40,  70, 0},
    {StringText(1425),   1126,       Static,   kText,             5,   102, 44,  8,  0},
    {"",                 1033,       ComboBox, kDropList,         75,  100, 69,  65, 0},
    {StringText(1426),   1127,       Static,   kText,             5,   116, 66,  8,  0},
    {"",                 1028,       ComboBox, kDropList,         75,  114, 69,  65, 0},
};

// CSaveCfgPage
constexpr DialogItem kSave[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 172},
    {StringText(1427),   1128,       Static,   kText,             5,   39,  260, 17, 0},
    {StringText(1428),   1130,       Static,   kText,             5,   64,  74,  8,  0},
    {"",                 1041,       Edit,     kEdit,             83,  62,  84,  12, 0},
};

// CLoadCfgPage
constexpr DialogItem kLoad[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   94,  25, 174},
    {StringText(1429),   1131,       Static,   kText,             5,   41,  235, 8,  0},
};

// CConfigingPage; the status has room for the longer text shown when the adapter gives no answer.
constexpr DialogItem kConfiguring[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 162},
    {StringText(1430),   1132,       Static,   kText,             5,   39,  260, 33, 0},
};

// CConfigSuccessPage
constexpr DialogItem kSuccess[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 163},
    {StringText(1432),   1137,       Static,   kText,             5,   39,  260, 33, 0},
};

// CConfigTimeoutPage
constexpr DialogItem kTimeout[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 164},
    {StringText(1431),   1134,       Static,   kText,             5,   39,  260, 33, 0},
};

// CConfigErrorPage
constexpr DialogItem kError[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 176},
    {StringText(1433),   1139,       Static,   kText,             5,   39,  260, 33, 0},
};

// CIDingPage: the result list and its frame appear once the search has found adapters.
constexpr DialogItem kSearch[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 179},
    {StringText(1439),   1147,       Static,   kText,             5,   39,  260, 17, 0},
    {"QUORAN(s)",        1190,       Button,   kHiddenGroupBox,   5,   55,  145, 71, 0},
    {"",                 1189,       ListView, kHiddenDeviceList, 11,  66,  134, 55, 0},
    {"",                 1149,       Static,   kText,             5,   137, 192, 8,  0},
};

// CPortPage
constexpr DialogItem kComPort[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 179},
    {StringText(1443),   1163,       Static,   kText,             5,   39,  240, 10, 0},
    {StringText(1444),   1162,       Static,   kText,             5,   57,  34,  8,  0},
    {"",                 1161,       ComboBox, kDropList,         44,  55,  48,  67, 0},
};

// CPOTSPortPage
constexpr DialogItem kPotsPort[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 184},
    {"Please select the settings for the POTS port.  When your selections are complete, click Next.",
                         IDC_STATIC, Static,   kText,             5,   39,  260, 19, 0},
    {StringText(1519),   1170,       Static,   kText,             5,   64,  80,  8,  0},
    {"",                 1176,       ComboBox, kSortedDropList,   90,  62,  110, 90, 0},
    {StringText(1515),   1165,       Static,   kText,             5,   78,  80,  8,  0},
    {"",                 1171,       ComboBox, kSortedDropList,   90,  76,  110, 50, 0},
    {StringText(1520),   1167,       Static,   kText,             5,   92,  80,  8,  0},
    {"",                 1173,       ComboBox, kSortedDropList,   90,  90,  110, 55, 0},
    {StringText(1516),   1166,       Static,   kText,             5,   106, 80,  8,  0},
    {"",                 1172,       ComboBox, kSortedDropList,   90,  104, 110, 50, 0},
    {StringText(1517),   1169,       Static,   kText,             5,   120, 80,  8,  0},
    {"",                 1175,       ComboBox, kSortedDropList,   90,  118, 110, 40, 0},
    {StringText(1518),   1168,       Static,   kText,             5,   134, 80,  8,  0},
    {"",                 1174,       Edit,     kEdit,             90,  132, 40,  12, 0},
};

// CBandwidthPage
constexpr DialogItem kBandwidth[] = {
    {"",                 IDC_STATIC, Static,   kBitmap,           1,   1,   20,  20, 186},
    {"Please select the settings for dynamic bandwidth allocation, high and low sampling period and throughtput, and call bumping.  Click Next to continue.",
                         IDC_STATIC, Static,   kText,             5,   39,  260, 17, 0},
    {"Dynamic Bandwidth Allocation Scheme :",
                         IDC_STATIC, Static,   kText,             5,   64,  128, 8,  0},
    {"",                 1185,       ComboBox, kSortedDropList,   137, 62,  50,  47, 0},
    {"BOD High Threshold Sampling Period (0-255 secs) :",
                         IDC_STATIC, Static,   kText,             5,   77,  162, 8,  0},
    {"",                 1181,       Edit,     kEdit,             169, 75,  18,  12, 0},
    {"BOD Low Threshold Sampling Period (0-255 secs) :",
                         IDC_STATIC, Static,   kText,             5,   89,  162, 8,  0},
    {"",                 1182,       Edit,     kEdit,             169, 87,  18,  12, 0},
    {"BOD High Throughput Threshold (0-64 kbps) :",
                         IDC_STATIC, Static,   kText,             5,   101, 146, 8,  0},
    {"",                 1179,       Edit,     kEdit,             153, 99,  18,  12, 0},
    {"BOD Low Throughput Threshold (0-64 kbps) :",
                         IDC_STATIC, Static,   kText,             5,   113, 146, 8,  0},
    {"",                 1183,       Edit,     kEdit,             153, 111, 18,  12, 0},
    {"Call Bumping :",   IDC_STATIC, Static,   kText,             5,   126, 46,  8,  0},
    {"",                 1184,       ComboBox, kSortedDropList,   53,  124, 48,  41, 0},
};

// id   caption          width       height        controls
constexpr DialogTemplate kDialogs[] = {
    {130, kWizardCaption, kPageWidth, kPageHeight, kWelcome},
    {132, kWizardCaption, kPageWidth, kPageHeight, kSetupType},
    {133, kWizardCaption, kPageWidth, kPageHeight, kSwitchType},
    {134, kWizardCaption, kPageWidth, kPageHeight, kTei},
    {135, kWizardCaption, kPageWidth, kPageHeight, kSpidNumbers},
    {136, kWizardCaption, kPageWidth, kPageHeight, kMsnNumbers},
    {137, kWizardCaption, kPageWidth, kPageHeight, kCallControl},
    {138, kWizardCaption, kPageWidth, kPageHeight, kDataProtocol},
    {139, "-",            kPageWidth, kPageHeight, kStoredNumbers},
    {140, kWizardCaption, kPageWidth, kPageHeight, kSerialSignals},
    {141, kWizardCaption, kPageWidth, kPageHeight, kSerialFormat},
    {142, kWizardCaption, kPageWidth, kPageHeight, kSave},
    {143, kWizardCaption, kPageWidth, kPageHeight, kLoad},
    {144, kWizardCaption, kPageWidth, kPageHeight, kConfiguring},
    {145, kWizardCaption, kPageWidth, kPageHeight, kSuccess},
    {146, kWizardCaption, kPageWidth, kPageHeight, kTimeout},
    {147, kWizardCaption, kPageWidth, kPageHeight, kError},
    {148, kWizardCaption, kPageWidth, kPageHeight, kSearch},
    {182, kWizardCaption, kPageWidth, kPageHeight, kComPort},
    {183, kWizardCaption, kPageWidth, kPageHeight, kPotsPort},
    {185, kWizardCaption, kPageWidth, kPageHeight, kBandwidth},
};

// clang-format on

} // namespace

std::span<const DialogTemplate> WizardDialogs()
{
    return kDialogs;
}
