// The names of the wizard's resource ids, shared by the resource tables of this folder (string
// table, page templates, artwork) and by the code and the tests that refer to them:
//   IDD_ page templates, IDI_/IDB_ icon and page pictures, IDC_ controls, IDS_ strings.
// Every id has its number here only; the tables and the code use the names.
#pragma once

#include "platform/win32.h"

// ---------------------------------------------------------------------------------------------
// Page templates, in ascending ids

inline constexpr UINT IDD_WELCOME = 130;
inline constexpr UINT IDD_SETUP_TYPE = 132;
inline constexpr UINT IDD_SWITCH_TYPE = 133;
inline constexpr UINT IDD_TEI = 134;
inline constexpr UINT IDD_SPID_NUMBERS = 135;
inline constexpr UINT IDD_MSN_NUMBERS = 136;
inline constexpr UINT IDD_CALL_CONTROL = 137;
inline constexpr UINT IDD_DATA_PROTOCOL = 138;
inline constexpr UINT IDD_STORED_NUMBERS = 139;
inline constexpr UINT IDD_SERIAL_SIGNALS = 140;
inline constexpr UINT IDD_SERIAL_FORMAT = 141;
inline constexpr UINT IDD_SAVE = 142;
inline constexpr UINT IDD_LOAD = 143;
inline constexpr UINT IDD_CONFIGURING = 144;
inline constexpr UINT IDD_SUCCESS = 145;
inline constexpr UINT IDD_TIMEOUT = 146;
inline constexpr UINT IDD_ERROR = 147;
inline constexpr UINT IDD_SEARCH = 148;
inline constexpr UINT IDD_COM_PORT = 182;
inline constexpr UINT IDD_POTS_PORT = 183;
inline constexpr UINT IDD_BANDWIDTH = 185;

// ---------------------------------------------------------------------------------------------
// The program's icon and the pages' pictures

inline constexpr UINT IDI_WIZARD = 128;
inline constexpr UINT IDB_WELCOME = 161;
inline constexpr UINT IDB_CONFIGURING = 162;
inline constexpr UINT IDB_SUCCESS = 163;
inline constexpr UINT IDB_TIMEOUT = 164;
inline constexpr UINT IDB_CALL_CONTROL = 165;
inline constexpr UINT IDB_DATA_PROTOCOL = 166;
inline constexpr UINT IDB_SERIAL_FORMAT = 167;
inline constexpr UINT IDB_TEI = 168;
inline constexpr UINT IDB_MSN_NUMBERS = 169;
inline constexpr UINT IDB_SERIAL_SIGNALS = 170;
inline constexpr UINT IDB_STORED_NUMBERS = 171;
inline constexpr UINT IDB_SAVE = 172;
inline constexpr UINT IDB_SETUP_TYPE = 173;
inline constexpr UINT IDB_LOAD = 174;
inline constexpr UINT IDB_SWITCH_TYPE = 175;
inline constexpr UINT IDB_ERROR = 176;
inline constexpr UINT IDB_SPID_NUMBERS = 178;
inline constexpr UINT IDB_SEARCH = 179; // the search page and the COM port page
inline constexpr UINT IDB_POTS_PORT = 184;
inline constexpr UINT IDB_BANDWIDTH = 186;

// ---------------------------------------------------------------------------------------------
// Controls, page by page. A control that edits a catalogue parameter also names the parameter.

// Welcome page
inline constexpr int IDC_WELCOME_INTRO = 1057;
inline constexpr int IDC_SEARCH_YES = 1159; // first of the radio group
inline constexpr int IDC_SEARCH_NO = 1160;

// Setup type page
inline constexpr int IDC_SETUP_INTRO = 1069;
inline constexpr int IDC_SETUP_TYPE_LABEL = 1073;
inline constexpr int IDC_SETUP_TYPE = 1054;
inline constexpr int IDC_DELETE_CONFIG = 1052;
inline constexpr int IDC_CONFIG_LIST_LABEL = 1074;
inline constexpr int IDC_CONFIG_LIST = 1040;

// Network switch type page
inline constexpr int IDC_SWITCH_INTRO = 1076;
inline constexpr int IDC_SWITCH_TYPE_LABEL = 1075;
inline constexpr int IDC_SWITCH_TYPE = 1006;

// TEI page
inline constexpr int IDC_TEI_INTRO = 1078;
inline constexpr int IDC_DATA_TEI_LABEL = 1081;
inline constexpr int IDC_DATA_TEI = 1004;
inline constexpr int IDC_VOICE_TEI_LABEL = 1082;
inline constexpr int IDC_VOICE_TEI = 1005;

// SPID and directory numbers page
inline constexpr int IDC_SPID_INTRO = 1085;
inline constexpr int IDC_DATA_DN_LABEL = 1046;
inline constexpr int IDC_DATA_DN = 1002;
inline constexpr int IDC_VOICE_DN_LABEL = 1048;
inline constexpr int IDC_VOICE_DN = 1003;
inline constexpr int IDC_DATA_DN2_LABEL = 1050;
inline constexpr int IDC_DATA_DN2 = 1186;
inline constexpr int IDC_DATA_SPID_LABEL = 1045;
inline constexpr int IDC_DATA_SPID = 1000;
inline constexpr int IDC_VOICE_SPID_LABEL = 1047;
inline constexpr int IDC_VOICE_SPID = 1001;

// MSN page: each number with its sub-address
inline constexpr int IDC_MSN_INTRO = 1083;
inline constexpr int IDC_DATA_MSN_LABEL = 1049;
inline constexpr int IDC_DATA_MSN = 1042;
inline constexpr int IDC_DATA_SUB_LABEL = 1143;
inline constexpr int IDC_DATA_SUB = 1144;
inline constexpr int IDC_VOICE_MSN_LABEL = 1051;
inline constexpr int IDC_VOICE_MSN = 1043;
inline constexpr int IDC_VOICE_SUB_LABEL = 1146;
inline constexpr int IDC_VOICE_SUB = 1145;
inline constexpr int IDC_DATA_MSN2_LABEL = 1053;
inline constexpr int IDC_DATA_MSN2 = 1187;
inline constexpr int IDC_DATA_SUB2_LABEL = 1148;
inline constexpr int IDC_DATA_SUB2 = 1150;
inline constexpr int IDC_MSN_NOTE = 1188;

// Call control page
inline constexpr int IDC_CALL_INTRO = 1088;
inline constexpr int IDC_PERSISTENT_DTR = 1008;
inline constexpr int IDC_CALLER_ID = 1155;
inline constexpr int IDC_AUTO_ANSWER = 1007;
inline constexpr int IDC_RINGS_LABEL = 1044;
inline constexpr int IDC_RINGS_TO_ANSWER = 1010;
inline constexpr int IDC_INACTIVITY_LABEL = 1180;
inline constexpr int IDC_INACTIVITY_TIMER = 1178;
inline constexpr int IDC_DIALING_METHOD_LABEL = 1090;
inline constexpr int IDC_DIALING_METHOD = 1009;

// Data protocol page
inline constexpr int IDC_PROTOCOL_INTRO = 1091;
inline constexpr int IDC_DATA_PROTOCOL_LABEL = 1093;
inline constexpr int IDC_DATA_PROTOCOL = 1011;
inline constexpr int IDC_AUTO_DETECT = 1156;

// Stored numbers page: number i is IDC_STORED_NUMBER_0 + i, its label IDC_STORED_NUMBER_LABEL_0 + i
inline constexpr int IDC_NUMBERS_INTRO = 1094;
inline constexpr int IDC_STORED_NUMBER_LABEL_0 = 1097;
inline constexpr int IDC_STORED_NUMBER_LABEL_1 = 1098;
inline constexpr int IDC_STORED_NUMBER_LABEL_2 = 1099;
inline constexpr int IDC_STORED_NUMBER_LABEL_3 = 1100;
inline constexpr int IDC_STORED_NUMBER_LABEL_4 = 1101;
inline constexpr int IDC_STORED_NUMBER_LABEL_5 = 1102;
inline constexpr int IDC_STORED_NUMBER_LABEL_6 = 1103;
inline constexpr int IDC_STORED_NUMBER_LABEL_7 = 1104;
inline constexpr int IDC_STORED_NUMBER_LABEL_8 = 1105;
inline constexpr int IDC_STORED_NUMBER_LABEL_9 = 1106;
inline constexpr int IDC_STORED_NUMBER_0 = 1012;
inline constexpr int IDC_STORED_NUMBER_1 = 1013;
inline constexpr int IDC_STORED_NUMBER_2 = 1014;
inline constexpr int IDC_STORED_NUMBER_3 = 1015;
inline constexpr int IDC_STORED_NUMBER_4 = 1016;
inline constexpr int IDC_STORED_NUMBER_5 = 1017;
inline constexpr int IDC_STORED_NUMBER_6 = 1018;
inline constexpr int IDC_STORED_NUMBER_7 = 1019;
inline constexpr int IDC_STORED_NUMBER_8 = 1020;
inline constexpr int IDC_STORED_NUMBER_9 = 1021;
inline constexpr int IDC_NUMBERS_NOTE = 1107;
inline constexpr int kStoredNumberCount = 10;
static_assert(IDC_STORED_NUMBER_9 == IDC_STORED_NUMBER_0 + kStoredNumberCount - 1);
static_assert(IDC_STORED_NUMBER_LABEL_9 == IDC_STORED_NUMBER_LABEL_0 + kStoredNumberCount - 1);

// Serial signals page
inline constexpr int IDC_SIGNALS_INTRO = 1109;
inline constexpr int IDC_DTR_DETECT_LABEL = 1112;
inline constexpr int IDC_DTR_DETECT_TIME = 1026;
inline constexpr int IDC_DCD_DROP_LABEL = 1113;
inline constexpr int IDC_DCD_DROP_TIME = 1027;
inline constexpr int IDC_DTR_LABEL = 1114;
inline constexpr int IDC_DTR_SIGNAL = 1022;
inline constexpr int IDC_DSR_LABEL = 1115;
inline constexpr int IDC_DSR_SIGNAL = 1023;
inline constexpr int IDC_CTS_LABEL = 1116;
inline constexpr int IDC_CTS_SIGNAL = 1024;
inline constexpr int IDC_DCD_LABEL = 1117;
inline constexpr int IDC_DCD_SIGNAL = 1025;

// Serial format page
inline constexpr int IDC_FORMAT_INTRO = 1118;
inline constexpr int IDC_PARITY_LABEL = 1122;
inline constexpr int IDC_PARITY = 1029;
inline constexpr int IDC_DATA_BITS_LABEL = 1124;
inline constexpr int IDC_DATA_BITS = 1031;
inline constexpr int IDC_BIT_RATE_LABEL = 1123;
inline constexpr int IDC_BIT_RATE = 1030;
inline constexpr int IDC_STOP_BITS_LABEL = 1125;
inline constexpr int IDC_STOP_BITS = 1032;
inline constexpr int IDC_FLOW_CONTROL_LABEL = 1126;
inline constexpr int IDC_FLOW_CONTROL = 1033;
inline constexpr int IDC_SYNC_MODE_LABEL = 1127;
inline constexpr int IDC_SYNC_MODE = 1028;

// Save page
inline constexpr int IDC_SAVE_INTRO = 1128;
inline constexpr int IDC_CONFIG_NAME_LABEL = 1130;
inline constexpr int IDC_CONFIG_NAME = 1041;

// Load page
inline constexpr int IDC_LOAD_PROMPT = 1131;

// Configuring page and the three outcome pages
inline constexpr int IDC_CONFIGURING_STATUS = 1132;
inline constexpr int IDC_SUCCESS_MESSAGE = 1137;
inline constexpr int IDC_TIMEOUT_MESSAGE = 1134;
inline constexpr int IDC_TIMEOUT_DETAILS = 1135;
inline constexpr int IDC_ERROR_MESSAGE = 1139;
inline constexpr int IDC_ERROR_DETAILS = 1140;

// Search page
inline constexpr int IDC_SEARCH_PROMPT = 1147;
inline constexpr int IDC_DEVICE_GROUP = 1190;
inline constexpr int IDC_DEVICE_LIST = 1189;
inline constexpr int IDC_SEARCH_HINT = 1149;

// COM port page
inline constexpr int IDC_PORT_PROMPT = 1163;
inline constexpr int IDC_PORT_LABEL = 1162;
inline constexpr int IDC_PORT = 1161;

// POTS port page
inline constexpr int IDC_RING_SIGNAL_LABEL = 1170;
inline constexpr int IDC_RING_SIGNAL = 1176;
inline constexpr int IDC_RING_FREQUENCY_LABEL = 1165;
inline constexpr int IDC_RING_FREQUENCY = 1171;
inline constexpr int IDC_PULSE_RECOGNITION_LABEL = 1167;
inline constexpr int IDC_PULSE_RECOGNITION = 1173;
inline constexpr int IDC_DIAL_TONE_LABEL = 1166;
inline constexpr int IDC_DIAL_TONE = 1172;
inline constexpr int IDC_DIAL_TONE_SUPPRESSION_LABEL = 1169;
inline constexpr int IDC_DIAL_TONE_SUPPRESSION = 1175;
inline constexpr int IDC_DIAL_TONE_GAIN_LABEL = 1168;
inline constexpr int IDC_DIAL_TONE_GAIN = 1174;

// Bandwidth page (its labels are plain statics)
inline constexpr int IDC_BANDWIDTH_SCHEME = 1185;
inline constexpr int IDC_BOD_HIGH_THRESHOLD = 1181;
inline constexpr int IDC_BOD_LOW_THRESHOLD = 1182;
inline constexpr int IDC_BOD_HIGH_THROUGHPUT = 1179;
inline constexpr int IDC_BOD_LOW_THROUGHPUT = 1183;
inline constexpr int IDC_CALL_BUMPING = 1184;

// ---------------------------------------------------------------------------------------------
// Strings, in ascending ids

// Messages
inline constexpr UINT IDS_INVALID_CHARACTERS = 1205;
inline constexpr UINT IDS_OUT_OF_RANGE = 1206;
inline constexpr UINT IDS_BAD_PROFILE_VALUE = 1210; // %s: the key
inline constexpr UINT IDS_CONFIG_NAME_REQUIRED = 1211;
inline constexpr UINT IDS_FACTORY_DEFAULT_NAME = 1212;
inline constexpr UINT IDS_INVALID_CONFIG_NAME = 1213;
inline constexpr UINT IDS_OVERWRITE_MODIFIED = 1214;        // %s: the configuration
inline constexpr UINT IDS_OVERWRITE_EXISTING = 1215;        // %s: the configuration
inline constexpr UINT IDS_ENTER_VALUE = 1216;               // %s: what to enter
inline constexpr UINT IDS_DISCARD_NAMED_FOR_NAMED = 1218;   // %s, %s: the loaded, the chosen one
inline constexpr UINT IDS_DISCARD_NAMED_FOR_NEW = 1219;     // %s: the loaded configuration
inline constexpr UINT IDS_DISCARD_CURRENT_FOR_NAMED = 1220; // %s: the chosen configuration
inline constexpr UINT IDS_DISCARD_CURRENT_FOR_NEW = 1221;
inline constexpr UINT IDS_DELETE_QUESTION = 1222; // %s: the configuration
inline constexpr UINT IDS_SELECT_CONFIG = 1223;

// Network switch types
inline constexpr UINT IDS_SWITCH_5ESS = 1224;
inline constexpr UINT IDS_SWITCH_DMS100 = 1225;
inline constexpr UINT IDS_SWITCH_NI1 = 1226;
inline constexpr UINT IDS_SWITCH_NET3 = 1227;
inline constexpr UINT IDS_SWITCH_VN4 = 1228;
inline constexpr UINT IDS_SWITCH_1TR6 = 1229;
inline constexpr UINT IDS_SWITCH_INS64 = 1230;

// Dialing methods
inline constexpr UINT IDS_ENBLOC = 1231;
inline constexpr UINT IDS_OVERLAP = 1232;

// Data protocols
inline constexpr UINT IDS_V110 = 1233;
inline constexpr UINT IDS_V120 = 1234;
inline constexpr UINT IDS_MLPPP = 1235;
inline constexpr UINT IDS_X25 = 1236;
inline constexpr UINT IDS_X75 = 1237;
inline constexpr UINT IDS_SOFT_BOND = 1238;

// Serial signals, synchronous mode, parity, flow control
inline constexpr UINT IDS_NORMAL = 1239;
inline constexpr UINT IDS_IGNORE = 1240;
inline constexpr UINT IDS_RESET_ON_DTR = 1241;
inline constexpr UINT IDS_ALWAYS_ON = 1242;
inline constexpr UINT IDS_MOMENTARY_DROP = 1243;
inline constexpr UINT IDS_ASYNCHRONOUS = 1244;
inline constexpr UINT IDS_SYNCHRONOUS = 1245;
inline constexpr UINT IDS_NONE = 1246;
inline constexpr UINT IDS_XON_XOFF = 1247;
inline constexpr UINT IDS_RTS_CTS = 1248;
inline constexpr UINT IDS_ODD = 1249;
inline constexpr UINT IDS_EVEN = 1250;
inline constexpr UINT IDS_MARK = 1251;
inline constexpr UINT IDS_SPACE = 1252;
inline constexpr UINT IDS_DTR_DSR = 1253;

// The port names "COM1" to "COM36": COM1 to COM8 and COM9 to COM36 are two runs of ids.
inline constexpr UINT IDS_COM1 = 1254;
inline constexpr UINT IDS_COM9 = 1446;
inline constexpr int kComPortCount = 36;
constexpr UINT ComPortStringId(int port)
{
    return port <= 8 ? IDS_COM1 + static_cast<UINT>(port - 1)
                     : IDS_COM9 + static_cast<UINT>(port - 9);
}

// Setup types
inline constexpr UINT IDS_SETUP_CUSTOM_NEW = 1262;
inline constexpr UINT IDS_SETUP_CUSTOM_EXISTING = 1263;
inline constexpr UINT IDS_SETUP_EXPRESS_EXISTING = 1264;

// TEIs; the numbers "0" to "63" also count data and stop bits
inline constexpr UINT IDS_AUTO_TEI = 1265;
inline constexpr UINT IDS_DISABLED = 1266; // also a choice of the POTS port and bandwidth lists
inline constexpr UINT IDS_NUMBER_0 = 1267;
inline constexpr int kNumberStringCount = 64;
constexpr UINT NumberStringId(int number)
{
    return IDS_NUMBER_0 + static_cast<UINT>(number);
}
inline constexpr UINT IDS_ONE_AND_A_HALF = 1331;

// Bit rates
inline constexpr UINT IDS_BIT_RATE_300 = 1332;
inline constexpr UINT IDS_BIT_RATE_1200 = 1333;
inline constexpr UINT IDS_BIT_RATE_2400 = 1334;
inline constexpr UINT IDS_BIT_RATE_4800 = 1335;
inline constexpr UINT IDS_BIT_RATE_9600 = 1336;
inline constexpr UINT IDS_BIT_RATE_19200 = 1337;
inline constexpr UINT IDS_BIT_RATE_38400 = 1338;
inline constexpr UINT IDS_BIT_RATE_57600 = 1339;
inline constexpr UINT IDS_BIT_RATE_115200 = 1340;
inline constexpr UINT IDS_BIT_RATE_230400 = 1341;

// Yes and no; the factory default list's section and key
inline constexpr UINT IDS_YES = 1342;
inline constexpr UINT IDS_NO = 1343;
inline constexpr UINT IDS_DEFAULT_CONFIGS_SECTION = 1344; // also the stored port's section
inline constexpr UINT IDS_DEFAULT_CONFIG_KEY = 1345;

// Page texts and labels
inline constexpr UINT IDS_WELCOME_INTRO = 1370;
inline constexpr UINT IDS_SETUP_INTRO = 1378;
inline constexpr UINT IDS_SETUP_TYPE_LABEL = 1379;
inline constexpr UINT IDS_CONFIG_LIST_LABEL = 1380;
inline constexpr UINT IDS_SWITCH_INTRO = 1382;
inline constexpr UINT IDS_SWITCH_TYPE_LABEL = 1383;
inline constexpr UINT IDS_TEI_INTRO = 1384;
inline constexpr UINT IDS_DATA_TEI_LABEL = 1385;
inline constexpr UINT IDS_VOICE_TEI_LABEL = 1386;
inline constexpr UINT IDS_MSN_INTRO = 1387;
inline constexpr UINT IDS_DATA_MSN_LABEL = 1388;
inline constexpr UINT IDS_VOICE_MSN_LABEL = 1389;
inline constexpr UINT IDS_SPID_INTRO = 1390;
inline constexpr UINT IDS_DATA_SPID_LABEL = 1391;
inline constexpr UINT IDS_DATA_DN_LABEL = 1392;
inline constexpr UINT IDS_VOICE_SPID_LABEL = 1393;
inline constexpr UINT IDS_VOICE_DN_LABEL = 1394;
inline constexpr UINT IDS_CALL_INTRO = 1395;
inline constexpr UINT IDS_RINGS_LABEL = 1396;
inline constexpr UINT IDS_DIALING_METHOD_LABEL = 1397;
inline constexpr UINT IDS_PROTOCOL_INTRO = 1398;
inline constexpr UINT IDS_DATA_PROTOCOL_LABEL = 1399;
inline constexpr UINT IDS_NUMBERS_INTRO = 1400;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_0 = 1402; // label i is IDS_STORED_NUMBER_LABEL_0 + i
inline constexpr UINT IDS_STORED_NUMBER_LABEL_1 = 1403;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_2 = 1404;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_3 = 1405;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_4 = 1406;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_5 = 1407;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_6 = 1408;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_7 = 1409;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_8 = 1410;
inline constexpr UINT IDS_STORED_NUMBER_LABEL_9 = 1411;
inline constexpr UINT IDS_NUMBERS_NOTE = 1412;
inline constexpr UINT IDS_SIGNALS_INTRO = 1413;
inline constexpr UINT IDS_DTR_DETECT_LABEL = 1414;
inline constexpr UINT IDS_DCD_DROP_LABEL = 1415;
inline constexpr UINT IDS_DTR_LABEL = 1416;
inline constexpr UINT IDS_DSR_LABEL = 1417;
inline constexpr UINT IDS_CTS_LABEL = 1418;
inline constexpr UINT IDS_DCD_LABEL = 1419;
inline constexpr UINT IDS_FORMAT_INTRO = 1420;
inline constexpr UINT IDS_PARITY_LABEL = 1421;
inline constexpr UINT IDS_BIT_RATE_LABEL = 1422;
inline constexpr UINT IDS_DATA_BITS_LABEL = 1423;
inline constexpr UINT IDS_STOP_BITS_LABEL = 1424;
inline constexpr UINT IDS_FLOW_CONTROL_LABEL = 1425;
inline constexpr UINT IDS_SYNC_MODE_LABEL = 1426;
inline constexpr UINT IDS_SAVE_INTRO = 1427;
inline constexpr UINT IDS_CONFIG_NAME_LABEL = 1428;
inline constexpr UINT IDS_LOAD_PROMPT = 1429;
inline constexpr UINT IDS_CONFIGURING = 1430;
inline constexpr UINT IDS_TIMED_OUT = 1431;
inline constexpr UINT IDS_CONFIGURED = 1432;
inline constexpr UINT IDS_SEND_ERROR = 1433;
inline constexpr UINT IDS_DEFAULT_NOT_DELETED = 1434;
inline constexpr UINT IDS_UNTITLED = 1435;
inline constexpr UINT IDS_DATA_SUB_LABEL = 1436;
inline constexpr UINT IDS_VOICE_SUB_LABEL = 1437;
inline constexpr UINT IDS_NOT_FOUND = 1438;
inline constexpr UINT IDS_SEARCHING = 1439;

// COM port page
inline constexpr UINT IDS_PORT_PROMPT = 1443;
inline constexpr UINT IDS_PORT_LABEL = 1444;
inline constexpr UINT IDS_PORT_KEY = 1445; // the stored port's key

// Adapter names
inline constexpr UINT IDS_KESTRAST = 1474;
inline constexpr UINT IDS_DIREDEDE = 1475;
inline constexpr UINT IDS_PELLOR_S = 1477;

// Data protocol
inline constexpr UINT IDS_CLEAR = 1479;

// POTS port: ring frequency, dial tone, suppression, pulse recognition
inline constexpr UINT IDS_RING_25_HZ = 1480;
inline constexpr UINT IDS_RING_20_HZ = 1481;
inline constexpr UINT IDS_RING_16_67_HZ = 1482;
inline constexpr UINT IDS_NO_DIAL_TONE = 1483;
inline constexpr UINT IDS_CENTRAL_OFFICE_DIAL_TONE = 1484;
inline constexpr UINT IDS_TA_DIAL_TONE = 1485;
inline constexpr UINT IDS_ENABLED = 1486;
inline constexpr UINT IDS_PULSE_ENGLAND_FRANCE_INDIA_USA = 1487;
inline constexpr UINT IDS_NEW_ZEALAND = 1488;
inline constexpr UINT IDS_SWEDEN = 1489; // pulse recognition and ring signal

// POTS port: country ring signal
inline constexpr UINT IDS_RING_DEFAULT = 1490;
inline constexpr UINT IDS_AUSTRIA = 1491;
inline constexpr UINT IDS_BELGIUM = 1492;
inline constexpr UINT IDS_CYPRUS = 1493;
inline constexpr UINT IDS_DENMARK = 1494;
inline constexpr UINT IDS_FINLAND = 1495;
inline constexpr UINT IDS_FRANCE = 1496;
inline constexpr UINT IDS_GERMANY_1 = 1497;
inline constexpr UINT IDS_GERMANY_2 = 1498;
inline constexpr UINT IDS_GREECE = 1499;
inline constexpr UINT IDS_ICELAND = 1500;
inline constexpr UINT IDS_IRELAND = 1501;
inline constexpr UINT IDS_ITALY = 1502;
inline constexpr UINT IDS_LUXEMBOURG_1 = 1503;
inline constexpr UINT IDS_LUXEMBOURG_2 = 1504;
inline constexpr UINT IDS_MALTA = 1505;
inline constexpr UINT IDS_NETHERLANDS = 1506;
inline constexpr UINT IDS_NORWAY = 1507;
inline constexpr UINT IDS_PORTUGAL = 1508;
inline constexpr UINT IDS_SPAIN = 1509;
inline constexpr UINT IDS_SWITZERLAND_1 = 1510;
inline constexpr UINT IDS_SWITZERLAND_2 = 1511;
inline constexpr UINT IDS_UNITED_KINGDOM_1 = 1512;
inline constexpr UINT IDS_UNITED_KINGDOM_2 = 1513;
inline constexpr UINT IDS_UNITED_STATES = 1514;

// POTS port, numbers, call control and bandwidth texts
inline constexpr UINT IDS_RING_FREQUENCY_LABEL = 1515;
inline constexpr UINT IDS_DIAL_TONE_LABEL = 1516;
inline constexpr UINT IDS_DIAL_TONE_SUPPRESSION_LABEL = 1517;
inline constexpr UINT IDS_DIAL_TONE_GAIN_LABEL = 1518;
inline constexpr UINT IDS_RING_SIGNAL_LABEL = 1519;
inline constexpr UINT IDS_PULSE_RECOGNITION_LABEL = 1520;
inline constexpr UINT IDS_DATA_MSN2_LABEL = 1521;
inline constexpr UINT IDS_DATA_SUB2_LABEL = 1522;
inline constexpr UINT IDS_DATA_DN2_LABEL = 1523;
inline constexpr UINT IDS_INACTIVITY_LABEL = 1524;
inline constexpr UINT IDS_MP_PLUS = 1525;
inline constexpr UINT IDS_PPP = 1526;
inline constexpr UINT IDS_MSN_NOTE = 1527;
inline constexpr UINT IDS_MSN_POSITIONAL_INTRO = 1528; // the MSN page's intro, models 7, 8 and 9

// Adapter names
inline constexpr UINT IDS_MIRELO = 1529;
inline constexpr UINT IDS_KESTRAST_RC = 1530;
inline constexpr UINT IDS_ZANDI_2S = 1531;
inline constexpr UINT IDS_ZANDI_2S_V110 = 1532;
inline constexpr UINT IDS_ZANDI_2U = 1533;
inline constexpr UINT IDS_ZOBRA_2S = 1534;
inline constexpr UINT IDS_ZOBRA_2S_V110 = 1535;
inline constexpr UINT IDS_ZOBRA_2U = 1536;
inline constexpr UINT IDS_ZOBRA_2U_V110 = 1537;
inline constexpr UINT IDS_KESTRAST_USB = 1539;
inline constexpr UINT IDS_ZOBRA_4U = 1540;
inline constexpr UINT IDS_ZOBRA_4S = 1541;
inline constexpr UINT IDS_ZOBRA_4U_V110 = 1542;
inline constexpr UINT IDS_ZOBRA_4S_V110 = 1543;
inline constexpr UINT IDS_KESTRAST_II = 1544;
inline constexpr UINT IDS_DIREDEDE_II = 1545;

// Our own messages: writing the profile file failed; %s takes the file's path.
inline constexpr UINT IDS_CONFIG_NOT_SAVED = 1600;
inline constexpr UINT IDS_CONFIG_NOT_DELETED = 1601;
