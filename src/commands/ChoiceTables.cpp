#include "src/commands/ChoiceTables.h"

// clang-format off
const ChoiceEntry kSwitchTypeChoices[] = {
    {1224, 0},  // "AT&T 5ESS"
    {1225, 1},  // "DMS-100"
    {1226, 5},  // "NI - 1"
    {1227, 2},  // "NET3"
    {1228, 6},  // "VN4"
    {1230, 4},  // "INS64"
    {0, 0},
};

const ChoiceEntry kNorthAmericanSwitchTypeChoices[] = {
    {1224, 0},  // "AT&T 5ESS"
    {1225, 1},  // "DMS-100"
    {1226, 5},  // "NI - 1"
    {0, 0},
};

const ChoiceEntry kTeiChoices[] = {
    {1265, 240},  // "Auto TEI"
    {1266, 241},  // "Disabled"
    // "0" to "63"
    {1267,  0}, {1268,  1}, {1269,  2}, {1270,  3}, {1271,  4}, {1272,  5}, {1273,  6}, {1274,  7},
    {1275,  8}, {1276,  9}, {1277, 10}, {1278, 11}, {1279, 12}, {1280, 13}, {1281, 14}, {1282, 15},
    {1283, 16}, {1284, 17}, {1285, 18}, {1286, 19}, {1287, 20}, {1288, 21}, {1289, 22}, {1290, 23},
    {1291, 24}, {1292, 25}, {1293, 26}, {1294, 27}, {1295, 28}, {1296, 29}, {1297, 30}, {1298, 31},
    {1299, 32}, {1300, 33}, {1301, 34}, {1302, 35}, {1303, 36}, {1304, 37}, {1305, 38}, {1306, 39},
    {1307, 40}, {1308, 41}, {1309, 42}, {1310, 43}, {1311, 44}, {1312, 45}, {1313, 46}, {1314, 47},
    {1315, 48}, {1316, 49}, {1317, 50}, {1318, 51}, {1319, 52}, {1320, 53}, {1321, 54}, {1322, 55},
    {1323, 56}, {1324, 57}, {1325, 58}, {1326, 59}, {1327, 60}, {1328, 61}, {1329, 62}, {1330, 63},
    {0, 0},
};

const ChoiceEntry kYesNoChoices[] = {
    {1343, 0},  // "NO"
    {1342, 1},  // "YES"
    {0, 0},
};

const ChoiceEntry kDialingMethodChoices[] = {
    {1231, 0},  // "Enbloc"
    {1232, 1},  // "Overlap"
    {0, 0},
};

const ChoiceEntry kDataProtocolChoices[] = {
    {1234, 5},   // "V.120"
    {1233, 6},   // "V.110"
    {1235, 9},   // "MLPPP"
    {1237, 12},  // "X.75"
    {1479, 11},  // "CLEAR"
    {0, 0},
};

const ChoiceEntry kDtrChoices[] = {
    {1239, 1},  // "Normal"
    {1240, 0},  // "Ignore"
    {1241, 3},  // "Reset On DTR"
    {0, 0},
};

const ChoiceEntry kDsrChoices[] = {
    {1239, 1},  // "Normal"
    {1242, 0},  // "Always On"
    {1243, 2},  // "Momentary Drop"
    {0, 0},
};

const ChoiceEntry kDcdChoices[] = {
    {1239, 1},  // "Normal"
    {1242, 0},  // "Always On"
    {1243, 2},  // "Momentary Drop"
    {0, 0},
};

const ChoiceEntry kCtsChoices[] = {
    {1239, 0},  // "Normal"
    {1242, 1},  // "Always On"
    {1243, 2},  // "Momentary Drop"
    {0, 0},
};

const ChoiceEntry kSyncModeChoices[] = {
    {1244, 0},  // "Asynchronous"
    {1245, 1},  // "Synchronous"
    {0, 0},
};

const ChoiceEntry kParityChoices[] = {
    {1249, 0},  // "Odd"
    {1250, 1},  // "Even"
    {1246, 4},  // "None"
    {1251, 2},  // "MARK"
    {1252, 3},  // "Space"
    {0, 0},
};

const ChoiceEntry kBitRateChoices[] = {
    {1332, 300},
    {1333, 1200},
    {1334, 2400},
    {1335, 4800},
    {1336, 9600},
    {1337, 19200},
    {1338, 38400},
    {1339, 57600},
    {1340, 115200},
    {1341, 230400},
    {0, 0},
};

const ChoiceEntry kDataBitsChoices[] = {
    {1274, 7},  // "7"
    {1275, 8},  // "8"
    {0, 0},
};

const ChoiceEntry kStopBitsChoices[] = {
    {1268, 1},  // "1"
    {1269, 2},  // "2"
    {0, 0},
};

const ChoiceEntry kFlowControlChoices[] = {
    {1246, 3},  // "None"
    {1247, 5},  // "XON/XOFF"
    {1248, 4},  // "RTS/CTS"
    {0, 0},
};

const ChoiceEntry kRingFrequencyChoices[] = {
    {1480, 2},  // "25 Hz"
    {1481, 3},  // "20 Hz"
    {1482, 4},  // "16.67 Hz"
    {0, 0},
};

const ChoiceEntry kDialToneChoices[] = {
    {1483, 0},  // "No Dial Tone"
    {1484, 1},  // "Use Central Office Dial Tone"
    {1485, 2},  // "TA Generates Dial Tone"
    {0, 0},
};

const ChoiceEntry kEnblocDialToneChoices[] = {
    {1483, 0},  // "No Dial Tone"
    {1485, 2},  // "TA Generates Dial Tone"
    {0, 0},
};

const ChoiceEntry kSuppressionChoices[] = {
    {1266, 0},  // "Disabled"
    {1486, 1},  // "Enabled"
    {0, 0},
};

const ChoiceEntry kCallBumpingChoices[] = {
    {1266, 0},  // "Disabled"
    {1486, 1},  // "Enabled"
    {0, 0},
};

const ChoiceEntry kRingSignalChoices[] = {
    {1490, 0},   // "Default"
    {1491, 3},   // "Austria"
    {1492, 4},   // "Belgium"
    {1493, 5},   // "Cyprus"
    {1494, 6},   // "Denmark"
    {1495, 7},   // "Finland"
    {1496, 8},   // "France"
    {1497, 9},   // "Germany 1"
    {1498, 10},  // "Germany 2"
    {1499, 11},  // "Greece"
    {1500, 12},  // "Iceland"
    {1501, 13},  // "Ireland"
    {1502, 14},  // "Italy"
    {1503, 15},  // "Luxembourg 1"
    {1504, 16},  // "Luxembourg 2"
    {1505, 17},  // "Malta"
    {1506, 18},  // "Netherlands"
    {1507, 19},  // "Norway"
    {1508, 20},  // "Portugal"
    {1509, 21},  // "Spain"
    {1489, 22},  // "Sweden"
    {1510, 23},  // "Switzerland 1"
    {1511, 24},  // "Switzerland 2"
    {1512, 25},  // "United Kingdom 1"
    {1513, 26},  // "United Kingdom 2"
    {1514, 27},  // "United States"
    {0, 0},
};

const ChoiceEntry kPulseRecognitionChoices[] = {
    {1266, 0},  // "Disabled"
    {1487, 1},  // "England, France, India, USA..."
    {1488, 2},  // "New Zealand"
    {1489, 3},  // "Sweden"
    {0, 0},
};

const ChoiceEntry kBandwidthSchemeChoices[] = {
    {1266, 0},  // "Disabled"
    {1525, 1},  // "MP+"
    {1526, 2},  // "PPP"
    {0, 0},
};
// clang-format on
