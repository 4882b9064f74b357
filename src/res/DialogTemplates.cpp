// The 21 page templates of the wizard, in dialog units. Each table lists its controls in tab
// order. Statics whose text a page loads from the string table at run time carry that same text
// here, so that a page already reads right before its code has run.
#include "src/res/Resources.h"

#include "src/res/StringTable.h"
#include "src/res/WizardRes.h"

namespace
{

using enum ControlClass;

constexpr const char* kWizardCaption = "QUORAN Configuration Wizard";
constexpr short kPageWidth = 266;
constexpr short kPageHeight = 150;

constexpr DWORD kBitmap = WS_VISIBLE | SS_BITMAP;
constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kHiddenText = SS_LEFT;
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

// text                                           id                               class     style              x    y    cx   cy  image

// CWelcomePage
constexpr DialogItem kWelcome[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_WELCOME},
    {StringText(IDS_WELCOME_INTRO),               IDC_WELCOME_INTRO,               Static,   kText,             5,   39,  260, 49, 0},
    {"Yes",                                       IDC_SEARCH_YES,                  Button,   kFirstRadioButton, 15,  91,  28,  10, 0},
    {"No",                                        IDC_SEARCH_NO,                   Button,   kRadioButton,      15,  105, 25,  10, 0},
};

// CINISectionPage
constexpr DialogItem kSetupType[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_SETUP_TYPE},
    {StringText(IDS_SETUP_INTRO),                 IDC_SETUP_INTRO,                 Static,   kText,             5,   39,  260, 24, 0},
    {StringText(IDS_SETUP_TYPE_LABEL),            IDC_SETUP_TYPE_LABEL,            Static,   kText,             5,   73,  24,  9,  0},
    {"",                                          IDC_SETUP_TYPE,                  ComboBox, kDropList,         32,  71,  82,  45, 0},
    {"&Delete Configuration",                     IDC_DELETE_CONFIG,               Button,   kPushButton,       123, 71,  70,  12, 0},
    {StringText(IDS_CONFIG_LIST_LABEL),           IDC_CONFIG_LIST_LABEL,           Static,   kText,             5,   86,  46,  8,  0},
    {"",                                          IDC_CONFIG_LIST,                 ListBox,  kConfigList,       5,   95,  109, 43, 0},
};

// CNetworkSwitchType
constexpr DialogItem kSwitchType[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   21,  20, IDB_SWITCH_TYPE},
    {StringText(IDS_SWITCH_INTRO),                IDC_SWITCH_INTRO,                Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_SWITCH_TYPE_LABEL),           IDC_SWITCH_TYPE_LABEL,           Static,   kText,             5,   64,  73,  8,  0},
    {"",                                          IDC_SWITCH_TYPE,                 ComboBox, kDropList,         85,  62,  55,  65, 0},
};

// CNetworkCfgPage1
constexpr DialogItem kTei[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_TEI},
    {StringText(IDS_TEI_INTRO),                   IDC_TEI_INTRO,                   Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_DATA_TEI_LABEL),              IDC_DATA_TEI_LABEL,              Static,   kText,             5,   64,  34,  8,  0},
    {"",                                          IDC_DATA_TEI,                    ComboBox, kDropList,         44,  62,  55,  65, 0},
    {StringText(IDS_VOICE_TEI_LABEL),             IDC_VOICE_TEI_LABEL,             Static,   kText,             5,   79,  36,  8,  0},
    {"",                                          IDC_VOICE_TEI,                   ComboBox, kDropList,         44,  77,  55,  65, 0},
};

// CNetworkCfgPage2US
constexpr DialogItem kSpidNumbers[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   21,  20, IDB_SPID_NUMBERS},
    {StringText(IDS_SPID_INTRO),                  IDC_SPID_INTRO,                  Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_DATA_DN_LABEL),               IDC_DATA_DN_LABEL,               Static,   kText,             5,   64,  79,  8,  0},
    {"",                                          IDC_DATA_DN,                     Edit,     kEdit,             90,  62,  97,  12, 0},
    {StringText(IDS_VOICE_DN_LABEL),              IDC_VOICE_DN_LABEL,              Static,   kText,             5,   77,  81,  8,  0},
    {"",                                          IDC_VOICE_DN,                    Edit,     kEdit,             90,  75,  97,  12, 0},
    {StringText(IDS_DATA_DN2_LABEL),              IDC_DATA_DN2_LABEL,              Static,   kText,             5,   90,  82,  8,  0},
    {"",                                          IDC_DATA_DN2,                    Edit,     kHiddenEdit,       90,  88,  97,  12, 0},
    {StringText(IDS_DATA_SPID_LABEL),             IDC_DATA_SPID_LABEL,             Static,   kText,             5,   102, 40,  8,  0},
    {"",                                          IDC_DATA_SPID,                   Edit,     kEdit,             48,  101, 97,  12, 0},
    {StringText(IDS_VOICE_SPID_LABEL),            IDC_VOICE_SPID_LABEL,            Static,   kText,             5,   115, 42,  8,  0},
    {"",                                          IDC_VOICE_SPID,                  Edit,     kEdit,             48,  113, 97,  12, 0},
};

// CNetworkCfgPage2Europe
constexpr DialogItem kMsnNumbers[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_MSN_NUMBERS},
    {StringText(IDS_MSN_INTRO),                   IDC_MSN_INTRO,                   Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_DATA_MSN_LABEL),              IDC_DATA_MSN_LABEL,              Static,   kText,             5,   65,  72,  8,  0},
    {"",                                          IDC_DATA_MSN,                    Edit,     kEdit,             78,  63,  70,  12, 0},
    {StringText(IDS_DATA_SUB_LABEL),              IDC_DATA_SUB_LABEL,              Static,   kText,             5,   78,  72,  8,  0},
    {"",                                          IDC_DATA_SUB,                    Edit,     kEdit,             78,  76,  70,  12, 0},
    {StringText(IDS_VOICE_MSN_LABEL),             IDC_VOICE_MSN_LABEL,             Static,   kText,             5,   93,  72,  8,  0},
    {"",                                          IDC_VOICE_MSN,                   Edit,     kEdit,             78,  91,  70,  12, 0},
    {StringText(IDS_VOICE_SUB_LABEL),             IDC_VOICE_SUB_LABEL,             Static,   kText,             5,   106, 72,  8,  0},
    {"",                                          IDC_VOICE_SUB,                   Edit,     kEdit,             78,  104, 70,  12, 0},
    {StringText(IDS_DATA_MSN2_LABEL),             IDC_DATA_MSN2_LABEL,             Static,   kText,             4,   121, 72,  8,  0},
    {"",                                          IDC_DATA_MSN2,                   Edit,     kHiddenEdit,       78,  119, 70,  12, 0},
    {StringText(IDS_DATA_SUB2_LABEL),             IDC_DATA_SUB2_LABEL,             Static,   kText,             4,   134, 72,  8,  0},
    {"",                                          IDC_DATA_SUB2,                   Edit,     kHiddenEdit,       78,  132, 70,  12, 0},
    {StringText(IDS_MSN_NOTE),                    IDC_MSN_NOTE,                    Static,   kText,             155, 63,  106, 33, 0},
};

// CCallCtrlCfgPage
constexpr DialogItem kCallControl[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_CALL_CONTROL},
    {StringText(IDS_CALL_INTRO),                  IDC_CALL_INTRO,                  Static,   kText,             5,   39,  260, 10, 0},
    {"&Persistent DTR Dialing",                   IDC_PERSISTENT_DTR,              Button,   kCheckBox,         5,   57,  87,  8,  0},
    {"&Calling Line Identification",              IDC_CALLER_ID,                   Button,   kCheckBox,         5,   69,  96,  8,  0},
    {"&Auto Answer Data Calls",                   IDC_AUTO_ANSWER,                 Button,   kCheckBox,         5,   81,  90,  8,  0},
    {StringText(IDS_RINGS_LABEL),                 IDC_RINGS_LABEL,                 Static,   kText,             17,  92,  100, 8,  0},
    {"",                                          IDC_RINGS_TO_ANSWER,             Edit,     kEdit,             119, 90,  26,  12, 0},
    {StringText(IDS_INACTIVITY_LABEL),            IDC_INACTIVITY_LABEL,            Static,   kText,             5,   114, 113, 8,  0},
    {"",                                          IDC_INACTIVITY_TIMER,            Edit,     kEdit,             119, 112, 26,  12, 0},
    {StringText(IDS_DIALING_METHOD_LABEL),        IDC_DIALING_METHOD_LABEL,        Static,   kText,             5,   128, 52,  8,  0},
    {"",                                          IDC_DIALING_METHOD,              ComboBox, kDropList,         60,  126, 48,  65, 0},
};

// CDataProtocolPage
constexpr DialogItem kDataProtocol[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_DATA_PROTOCOL},
    {StringText(IDS_PROTOCOL_INTRO),              IDC_PROTOCOL_INTRO,              Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_DATA_PROTOCOL_LABEL),         IDC_DATA_PROTOCOL_LABEL,         Static,   kText,             5,   64,  48,  8,  0},
    {"",                                          IDC_DATA_PROTOCOL,               ComboBox, kDropList,         57,  62,  73,  65, 0},
    {"&Auto protocol detection",                  IDC_AUTO_DETECT,                 Button,   kCheckBox,         5,   82,  89,  10, 0},
};

// CStoredNumbersPage: each label stands right before its field, so that its mnemonic reaches it.
constexpr DialogItem kStoredNumbers[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_STORED_NUMBERS},
    {StringText(IDS_NUMBERS_INTRO),               IDC_NUMBERS_INTRO,               Static,   kText,             5,   39,  260, 10, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_0),       IDC_STORED_NUMBER_LABEL_0,       Static,   kText,             5,   57,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_0,             Edit,     kEdit,             15,  55,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_1),       IDC_STORED_NUMBER_LABEL_1,       Static,   kText,             5,   69,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_1,             Edit,     kEdit,             15,  67,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_2),       IDC_STORED_NUMBER_LABEL_2,       Static,   kText,             5,   81,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_2,             Edit,     kEdit,             15,  79,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_3),       IDC_STORED_NUMBER_LABEL_3,       Static,   kText,             5,   93,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_3,             Edit,     kEdit,             15,  91,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_4),       IDC_STORED_NUMBER_LABEL_4,       Static,   kText,             5,   105, 12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_4,             Edit,     kEdit,             15,  103, 75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_5),       IDC_STORED_NUMBER_LABEL_5,       Static,   kText,             100, 57,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_5,             Edit,     kEdit,             110, 55,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_6),       IDC_STORED_NUMBER_LABEL_6,       Static,   kText,             100, 69,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_6,             Edit,     kEdit,             110, 67,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_7),       IDC_STORED_NUMBER_LABEL_7,       Static,   kText,             100, 81,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_7,             Edit,     kEdit,             110, 79,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_8),       IDC_STORED_NUMBER_LABEL_8,       Static,   kText,             100, 93,  12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_8,             Edit,     kEdit,             110, 91,  75,  12, 0},
    {StringText(IDS_STORED_NUMBER_LABEL_9),       IDC_STORED_NUMBER_LABEL_9,       Static,   kText,             100, 105, 12,  8,  0},
    {"",                                          IDC_STORED_NUMBER_9,             Edit,     kEdit,             110, 103, 75,  12, 0},
    {StringText(IDS_NUMBERS_NOTE),                IDC_NUMBERS_NOTE,                Static,   kText,             189, 56,  76,  28, 0},
};

// CPortCtrlCfgPage1
constexpr DialogItem kSerialSignals[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_SERIAL_SIGNALS},
    {StringText(IDS_SIGNALS_INTRO),               IDC_SIGNALS_INTRO,               Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_DTR_DETECT_LABEL),            IDC_DTR_DETECT_LABEL,            Static,   kText,             5,   64,  88,  8,  0},
    {"",                                          IDC_DTR_DETECT_TIME,             Edit,     kEdit,             94,  62,  40,  12, 0},
    {StringText(IDS_DCD_DROP_LABEL),              IDC_DCD_DROP_LABEL,              Static,   kText,             5,   77,  88,  8,  0},
    {"",                                          IDC_DCD_DROP_TIME,               Edit,     kEdit,             94,  75,  40,  12, 0},
    {StringText(IDS_DTR_LABEL),                   IDC_DTR_LABEL,                   Static,   kText,             5,   93,  41,  8,  0},
    {"",                                          IDC_DTR_SIGNAL,                  ComboBox, kDropList,         49,  91,  85,  65, 0},
    {StringText(IDS_DSR_LABEL),                   IDC_DSR_LABEL,                   Static,   kText,             5,   106, 41,  8,  0},
    {"",                                          IDC_DSR_SIGNAL,                  ComboBox, kDropList,         49,  104, 85,  65, 0},
    {StringText(IDS_CTS_LABEL),                   IDC_CTS_LABEL,                   Static,   kText,             5,   119, 41,  8,  0},
    {"",                                          IDC_CTS_SIGNAL,                  ComboBox, kDropList,         49,  117, 85,  65, 0},
    {StringText(IDS_DCD_LABEL),                   IDC_DCD_LABEL,                   Static,   kText,             5,   132, 41,  8,  0},
    {"",                                          IDC_DCD_SIGNAL,                  ComboBox, kDropList,         49,  130, 85,  65, 0},
};

// CPortCtrlCfgPage2
constexpr DialogItem kSerialFormat[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_SERIAL_FORMAT},
    {StringText(IDS_FORMAT_INTRO),                IDC_FORMAT_INTRO,                Static,   kText,             5,   39,  260, 24, 0},
    {StringText(IDS_PARITY_LABEL),                IDC_PARITY_LABEL,                Static,   kText,             5,   71,  47,  8,  0},
    {"",                                          IDC_PARITY,                      ComboBox, kDropList,         60,  69,  50,  65, 0},
    {StringText(IDS_DATA_BITS_LABEL),             IDC_DATA_BITS_LABEL,             Static,   kText,             113, 71,  34,  8,  0},
    {"",                                          IDC_DATA_BITS,                   ComboBox, kDropList,         148, 69,  40,  65, 0},
    {StringText(IDS_BIT_RATE_LABEL),              IDC_BIT_RATE_LABEL,              Static,   kText,             5,   85,  55,  8,  0},
    {"",                                          IDC_BIT_RATE,                    ComboBox, kDropList,         60,  83,  50,  65, 0},
    {StringText(IDS_STOP_BITS_LABEL),             IDC_STOP_BITS_LABEL,             Static,   kText,             113, 85,  33,  8,  0},
    {"",                                          IDC_STOP_BITS,                   ComboBox, kDropList,         148, 83,  40,  70, 0},
    {StringText(IDS_FLOW_CONTROL_LABEL),          IDC_FLOW_CONTROL_LABEL,          Static,   kText,             5,   102, 44,  8,  0},
    {"",                                          IDC_FLOW_CONTROL,                ComboBox, kDropList,         75,  100, 69,  65, 0},
    {StringText(IDS_SYNC_MODE_LABEL),             IDC_SYNC_MODE_LABEL,             Static,   kText,             5,   116, 66,  8,  0},
    {"",                                          IDC_SYNC_MODE,                   ComboBox, kDropList,         75,  114, 69,  65, 0},
};

// CSaveCfgPage
constexpr DialogItem kSave[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_SAVE},
    {StringText(IDS_SAVE_INTRO),                  IDC_SAVE_INTRO,                  Static,   kText,             5,   39,  260, 17, 0},
    {StringText(IDS_CONFIG_NAME_LABEL),           IDC_CONFIG_NAME_LABEL,           Static,   kText,             5,   64,  74,  8,  0},
    {"",                                          IDC_CONFIG_NAME,                 Edit,     kEdit,             83,  62,  84,  12, 0},
};

// CLoadCfgPage
constexpr DialogItem kLoad[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   94,  25, IDB_LOAD},
    {StringText(IDS_LOAD_PROMPT),                 IDC_LOAD_PROMPT,                 Static,   kText,             5,   41,  235, 8,  0},
};

// CConfigingPage; the status has room for the longer text shown when the adapter gives no answer.
constexpr DialogItem kConfiguring[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_CONFIGURING},
    {StringText(IDS_CONFIGURING),                 IDC_CONFIGURING_STATUS,          Static,   kText,             5,   39,  260, 33, 0},
};

// CConfigSuccessPage
constexpr DialogItem kSuccess[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_SUCCESS},
    {StringText(IDS_CONFIGURED),                  IDC_SUCCESS_MESSAGE,             Static,   kText,             5,   39,  260, 33, 0},
};

// CConfigTimeoutPage; the details (which line, where the log is) appear when there is something
// to say, with room for seven lines of them.
constexpr DialogItem kTimeout[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_TIMEOUT},
    {StringText(IDS_TIMED_OUT),                   IDC_TIMEOUT_MESSAGE,             Static,   kText,             5,   39,  260, 33, 0},
    {"",                                          IDC_TIMEOUT_DETAILS,             Static,   kHiddenText,       5,   80,  260, 56, 0},
};

// CConfigErrorPage; the details as on the time-out page (which line, the port's holder, the log).
constexpr DialogItem kError[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_ERROR},
    {StringText(IDS_SEND_ERROR),                  IDC_ERROR_MESSAGE,               Static,   kText,             5,   39,  260, 33, 0},
    {"",                                          IDC_ERROR_DETAILS,               Static,   kHiddenText,       5,   80,  260, 56, 0},
};

// CIDingPage: the result list and its frame appear once the search has found adapters; the
// prompt has room for the three lines of the text shown when none was found.
constexpr DialogItem kSearch[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_SEARCH},
    {StringText(IDS_SEARCHING),                   IDC_SEARCH_PROMPT,               Static,   kText,             5,   39,  260, 25, 0},
    {"QUORAN(s)",                                 IDC_DEVICE_GROUP,                Button,   kHiddenGroupBox,   5,   55,  145, 71, 0},
    {"",                                          IDC_DEVICE_LIST,                 ListView, kHiddenDeviceList, 11,  66,  134, 55, 0},
    {"",                                          IDC_SEARCH_HINT,                 Static,   kText,             5,   137, 192, 8,  0},
};

// CPortPage
constexpr DialogItem kComPort[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_SEARCH},
    {StringText(IDS_PORT_PROMPT),                 IDC_PORT_PROMPT,                 Static,   kText,             5,   39,  240, 10, 0},
    {StringText(IDS_PORT_LABEL),                  IDC_PORT_LABEL,                  Static,   kText,             5,   57,  34,  8,  0},
    {"",                                          IDC_PORT,                        ComboBox, kDropList,         44,  55,  48,  67, 0},
};

// CPOTSPortPage
constexpr DialogItem kPotsPort[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_POTS_PORT},
    {"Please select the settings for the POTS port.  When your selections are complete, click Next.",
                                                  IDC_STATIC,                      Static,   kText,             5,   39,  260, 19, 0},
    {StringText(IDS_RING_SIGNAL_LABEL),           IDC_RING_SIGNAL_LABEL,           Static,   kText,             5,   64,  80,  8,  0},
    {"",                                          IDC_RING_SIGNAL,                 ComboBox, kSortedDropList,   90,  62,  110, 90, 0},
    {StringText(IDS_RING_FREQUENCY_LABEL),        IDC_RING_FREQUENCY_LABEL,        Static,   kText,             5,   78,  80,  8,  0},
    {"",                                          IDC_RING_FREQUENCY,              ComboBox, kSortedDropList,   90,  76,  110, 50, 0},
    {StringText(IDS_PULSE_RECOGNITION_LABEL),     IDC_PULSE_RECOGNITION_LABEL,     Static,   kText,             5,   92,  80,  8,  0},
    {"",                                          IDC_PULSE_RECOGNITION,           ComboBox, kSortedDropList,   90,  90,  110, 55, 0},
    {StringText(IDS_DIAL_TONE_LABEL),             IDC_DIAL_TONE_LABEL,             Static,   kText,             5,   106, 80,  8,  0},
    {"",                                          IDC_DIAL_TONE,                   ComboBox, kSortedDropList,   90,  104, 110, 50, 0},
    {StringText(IDS_DIAL_TONE_SUPPRESSION_LABEL), IDC_DIAL_TONE_SUPPRESSION_LABEL, Static,   kText,             5,   120, 80,  8,  0},
    {"",                                          IDC_DIAL_TONE_SUPPRESSION,       ComboBox, kSortedDropList,   90,  118, 110, 40, 0},
    {StringText(IDS_DIAL_TONE_GAIN_LABEL),        IDC_DIAL_TONE_GAIN_LABEL,        Static,   kText,             5,   134, 80,  8,  0},
    {"",                                          IDC_DIAL_TONE_GAIN,              Edit,     kEdit,             90,  132, 40,  12, 0},
};

// CBandwidthPage
constexpr DialogItem kBandwidth[] = {
    {"",                                          IDC_STATIC,                      Static,   kBitmap,           1,   1,   20,  20, IDB_BANDWIDTH},
    {"Please select the settings for dynamic bandwidth allocation, high and low sampling period and throughtput, and call bumping.  Click Next to continue.",
                                                  IDC_STATIC,                      Static,   kText,             5,   39,  260, 17, 0},
    {"Dynamic Bandwidth Allocation Scheme :",
                                                  IDC_STATIC,                      Static,   kText,             5,   64,  128, 8,  0},
    {"",                                          IDC_BANDWIDTH_SCHEME,            ComboBox, kSortedDropList,   137, 62,  50,  47, 0},
    {"BOD High Threshold Sampling Period (0-255 secs) :",
                                                  IDC_STATIC,                      Static,   kText,             5,   77,  162, 8,  0},
    {"",                                          IDC_BOD_HIGH_THRESHOLD,          Edit,     kEdit,             169, 75,  18,  12, 0},
    {"BOD Low Threshold Sampling Period (0-255 secs) :",
                                                  IDC_STATIC,                      Static,   kText,             5,   89,  162, 8,  0},
    {"",                                          IDC_BOD_LOW_THRESHOLD,           Edit,     kEdit,             169, 87,  18,  12, 0},
    {"BOD High Throughput Threshold (0-64 kbps) :",
                                                  IDC_STATIC,                      Static,   kText,             5,   101, 146, 8,  0},
    {"",                                          IDC_BOD_HIGH_THROUGHPUT,         Edit,     kEdit,             153, 99,  18,  12, 0},
    {"BOD Low Throughput Threshold (0-64 kbps) :",
                                                  IDC_STATIC,                      Static,   kText,             5,   113, 146, 8,  0},
    {"",                                          IDC_BOD_LOW_THROUGHPUT,          Edit,     kEdit,             153, 111, 18,  12, 0},
    {"Call Bumping :",                            IDC_STATIC,                      Static,   kText,             5,   126, 46,  8,  0},
    {"",                                          IDC_CALL_BUMPING,                ComboBox, kSortedDropList,   53,  124, 48,  41, 0},
};

// id                caption          width       height       controls
constexpr DialogTemplate kDialogs[] = {
    {IDD_WELCOME,        kWizardCaption, kPageWidth, kPageHeight, kWelcome},
    {IDD_SETUP_TYPE,     kWizardCaption, kPageWidth, kPageHeight, kSetupType},
    {IDD_SWITCH_TYPE,    kWizardCaption, kPageWidth, kPageHeight, kSwitchType},
    {IDD_TEI,            kWizardCaption, kPageWidth, kPageHeight, kTei},
    {IDD_SPID_NUMBERS,   kWizardCaption, kPageWidth, kPageHeight, kSpidNumbers},
    {IDD_MSN_NUMBERS,    kWizardCaption, kPageWidth, kPageHeight, kMsnNumbers},
    {IDD_CALL_CONTROL,   kWizardCaption, kPageWidth, kPageHeight, kCallControl},
    {IDD_DATA_PROTOCOL,  kWizardCaption, kPageWidth, kPageHeight, kDataProtocol},
    {IDD_STORED_NUMBERS, "-",            kPageWidth, kPageHeight, kStoredNumbers},
    {IDD_SERIAL_SIGNALS, kWizardCaption, kPageWidth, kPageHeight, kSerialSignals},
    {IDD_SERIAL_FORMAT,  kWizardCaption, kPageWidth, kPageHeight, kSerialFormat},
    {IDD_SAVE,           kWizardCaption, kPageWidth, kPageHeight, kSave},
    {IDD_LOAD,           kWizardCaption, kPageWidth, kPageHeight, kLoad},
    {IDD_CONFIGURING,    kWizardCaption, kPageWidth, kPageHeight, kConfiguring},
    {IDD_SUCCESS,        kWizardCaption, kPageWidth, kPageHeight, kSuccess},
    {IDD_TIMEOUT,        kWizardCaption, kPageWidth, kPageHeight, kTimeout},
    {IDD_ERROR,          kWizardCaption, kPageWidth, kPageHeight, kError},
    {IDD_SEARCH,         kWizardCaption, kPageWidth, kPageHeight, kSearch},
    {IDD_COM_PORT,       kWizardCaption, kPageWidth, kPageHeight, kComPort},
    {IDD_POTS_PORT,      kWizardCaption, kPageWidth, kPageHeight, kPotsPort},
    {IDD_BANDWIDTH,      kWizardCaption, kPageWidth, kPageHeight, kBandwidth},
};

// clang-format on

} // namespace

std::span<const DialogTemplate> WizardDialogs()
{
    return kDialogs;
}
