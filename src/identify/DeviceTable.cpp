#include "src/identify/DeviceTable.h"

// clang-format off

const ModelCodeEntry devid_ModelTable[] = {
    {"MIRELO",        4},
    {"ZANDI-TA",      7},
    {"ZOBRA-TA",      8},
    {"PELLOR-S",      9},
    {"DIREDEDE-II",   12},
    {"DIREDEDE",      6},
    {"KESTRAST-II",   11},
    {"KESTRAST-RC",   5},
    {"KESTRAST-USB",  10},
    {"KESTRAST",      3},
    {"OK",            1},
    {nullptr,         -1},
};

const ModelCodeEntry devid_ExtendedModelTable[] = {
    {"MIRELO",                        31},
    {"DIREDEDE-II",                   36},
    {"DIREDEDE",                      30},
    {"16-BIT KESTRAST WITHOUT V.110", 15},
    {"16-BIT KESTRAST",               14},
    {"8-BIT KESTRAST",                13},
    {"ZANDI-2S REV. 0-A",             18},
    {"ZANDI-2S REV. B+ WITH V.110",   21},
    {"ZANDI-2S REV. B+",              19},
    {"ZANDI-2U REV. 0",               20},
    {"ZOBRA-2S WITH V.110",           23},
    {"ZOBRA-2S",                      22},
    {"ZOBRA-2U WITH V.110",           25},
    {"ZOBRA-2U",                      24},
    {"ZOBRA-4S WITH V.110",           27},
    {"ZOBRA-4S",                      26},
    {"ZOBRA-4U WITH V.110",           29},
    {"ZOBRA-4U",                      28},
    {"REV B",                         16},
    {"REV D",                         17},
    {"ISDN TA S/T",                   32},
    {"UNKNOWN HARDWARE",              33},
    {"KESTRAST-II",                   35},
    {"KESTRAST-USB",                  34},
    {"OK",                            2},
    {nullptr,                         -1},
};

// V.110 1233 -> 6, V.120 1234 -> 5, MLPPP 1235 -> 9, X.75 1237 -> 12, CLEAR 1479 -> 11
const ChoiceEntry devid_ProtocolsA[] = {{1233, 6}, {1234, 5}, {1235, 9}, {1237, 12},             {0, 0}};
const ChoiceEntry devid_ProtocolsB[] = {{1234, 5}, {1233, 6}, {1235, 9}, {1237, 12}, {1479, 11}, {0, 0}};
const ChoiceEntry devid_ProtocolsC[] = {{1234, 5}, {1235, 9}, {1237, 12}, {1479, 11},            {0, 0}};
const ChoiceEntry devid_ProtocolsD[] = {{1234, 5}, {1235, 9}, {1237, 12},                        {0, 0}};
const ChoiceEntry devid_ProtocolsE[] = {{1234, 5}, {1235, 9},                                    {0, 0}};
const ChoiceEntry devid_ProtocolsF[] = {{1233, 6}, {1234, 5}, {1235, 9},                         {0, 0}};

// Default switch types: 1227 NET3, 1226 NI - 1.
const DeviceTableEntry DeviceTable[] = {
    // name id                        model  ext  protocols         default switch
    {1474 /* KESTRAST */,             3,     13,  devid_ProtocolsA, 1227},
    {1474 /* KESTRAST */,             3,     16,  devid_ProtocolsA, 1227},
    {1474 /* KESTRAST */,             3,     14,  devid_ProtocolsB, 1227},
    {1474 /* KESTRAST */,             3,     17,  devid_ProtocolsB, 1227},
    {1474 /* KESTRAST */,             3,     15,  devid_ProtocolsC, 1227},
    {1544 /* KESTRAST-II */,          11,    35,  devid_ProtocolsC, 1227},
    {1475 /* DIREDEDE */,             6,     30,  devid_ProtocolsC, 1226},
    {1475 /* DIREDEDE */,             6,     16,  devid_ProtocolsC, 1226},
    {1545 /* DIREDEDE-II */,          12,    36,  devid_ProtocolsC, 1226},
    {1529 /* MIRELO */,               4,     31,  devid_ProtocolsB, 1227},
    {1529 /* MIRELO */,               4,     17,  devid_ProtocolsB, 1227},
    {1530 /* KESTRAST-RC */,          5,     15,  devid_ProtocolsC, 1227},
    {1531 /* ZANDI-2S without V.110 */,7,     18,  devid_ProtocolsE, 1227},
    {1531 /* ZANDI-2S without V.110 */,7,     19,  devid_ProtocolsE, 1227},
    {1532 /* ZANDI-2S with V.110 */,  7,     21,  devid_ProtocolsF, 1227},
    {1533 /* ZANDI-2U */,             7,     20,  devid_ProtocolsE, 1226},
    {1534 /* ZOBRA-2S without V.110 */,8,     22,  devid_ProtocolsE, 1227},
    {1535 /* ZOBRA-2S with V.110 */,  8,     23,  devid_ProtocolsF, 1227},
    {1536 /* ZOBRA-2U without V.110 */,8,     24,  devid_ProtocolsE, 1226},
    {1537 /* ZOBRA-2U with V.110 */,  8,     25,  devid_ProtocolsF, 1226},
    {1541 /* ZOBRA-4S */,             8,     26,  devid_ProtocolsE, 1227},
    {1543 /* ZOBRA-4S with V.110 */,  8,     27,  devid_ProtocolsF, 1227},
    {1540 /* ZOBRA-4U */,             8,     28,  devid_ProtocolsE, 1226},
    {1542 /* ZOBRA-4U with V.110 */,  8,     29,  devid_ProtocolsF, 1226},
    {1477 /* PELLOR-S */,             9,     32,  devid_ProtocolsD, 1227},
    {1539 /* KESTRAST-USB */,         10,    34,  devid_ProtocolsA, 1227},
    {0,                               0,     0,   nullptr,          0},
};

// clang-format on

int FindDevice(int modelCode, int extModelCode)
{
    for (int row = 0; DeviceTable[row].nameId != 0; ++row)
    {
        if (DeviceTable[row].modelCode == modelCode &&
            DeviceTable[row].extModelCode == extModelCode)
            return row;
    }
    return -1;
}

int GetDeviceNameId(int modelCode, int extModelCode)
{
    const int row = FindDevice(modelCode, extModelCode);
    return row < 0 ? 0 : DeviceTable[row].nameId;
}

int GetDeviceDefaultSwitchId(int modelCode, int extModelCode)
{
    const int row = FindDevice(modelCode, extModelCode);
    return row < 0 ? 0 : DeviceTable[row].defaultSwitchId;
}

const ChoiceEntry* GetDeviceProtocolChoices(int modelCode, int extModelCode)
{
    const int row = FindDevice(modelCode, extModelCode);
    return row < 0 ? nullptr : DeviceTable[row].protocols;
}
