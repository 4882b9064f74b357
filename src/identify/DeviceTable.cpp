#include "src/identify/DeviceTable.h"

#include "src/res/WizardRes.h"

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

// The data protocols and the values the adapter receives for them.
const ChoiceEntry devid_ProtocolsA[] = {{IDS_V110, 6},   {IDS_V120, 5},   {IDS_MLPPP, 9},  {IDS_X75, 12},                    {0, 0}};
const ChoiceEntry devid_ProtocolsB[] = {{IDS_V120, 5},   {IDS_V110, 6},   {IDS_MLPPP, 9},  {IDS_X75, 12},   {IDS_CLEAR, 11}, {0, 0}};
const ChoiceEntry devid_ProtocolsC[] = {{IDS_V120, 5},   {IDS_MLPPP, 9},  {IDS_X75, 12},   {IDS_CLEAR, 11},                  {0, 0}};
const ChoiceEntry devid_ProtocolsD[] = {{IDS_V120, 5},   {IDS_MLPPP, 9},  {IDS_X75, 12},                                     {0, 0}};
const ChoiceEntry devid_ProtocolsE[] = {{IDS_V120, 5},   {IDS_MLPPP, 9},                                                     {0, 0}};
const ChoiceEntry devid_ProtocolsF[] = {{IDS_V110, 6},   {IDS_V120, 5},   {IDS_MLPPP, 9},                                    {0, 0}};

const DeviceTableEntry DeviceTable[] = {
    // name               model  ext  protocols         default switch
    {IDS_KESTRAST,        3,     13,  devid_ProtocolsA, IDS_SWITCH_NET3},
    {IDS_KESTRAST,        3,     16,  devid_ProtocolsA, IDS_SWITCH_NET3},
    {IDS_KESTRAST,        3,     14,  devid_ProtocolsB, IDS_SWITCH_NET3},
    {IDS_KESTRAST,        3,     17,  devid_ProtocolsB, IDS_SWITCH_NET3},
    {IDS_KESTRAST,        3,     15,  devid_ProtocolsC, IDS_SWITCH_NET3},
    {IDS_KESTRAST_II,     11,    35,  devid_ProtocolsC, IDS_SWITCH_NET3},
    {IDS_DIREDEDE,        6,     30,  devid_ProtocolsC, IDS_SWITCH_NI1},
    {IDS_DIREDEDE,        6,     16,  devid_ProtocolsC, IDS_SWITCH_NI1},
    {IDS_DIREDEDE_II,     12,    36,  devid_ProtocolsC, IDS_SWITCH_NI1},
    {IDS_MIRELO,          4,     31,  devid_ProtocolsB, IDS_SWITCH_NET3},
    {IDS_MIRELO,          4,     17,  devid_ProtocolsB, IDS_SWITCH_NET3},
    {IDS_KESTRAST_RC,     5,     15,  devid_ProtocolsC, IDS_SWITCH_NET3},
    {IDS_ZANDI_2S,        7,     18,  devid_ProtocolsE, IDS_SWITCH_NET3},
    {IDS_ZANDI_2S,        7,     19,  devid_ProtocolsE, IDS_SWITCH_NET3},
    {IDS_ZANDI_2S_V110,   7,     21,  devid_ProtocolsF, IDS_SWITCH_NET3},
    {IDS_ZANDI_2U,        7,     20,  devid_ProtocolsE, IDS_SWITCH_NI1},
    {IDS_ZOBRA_2S,        8,     22,  devid_ProtocolsE, IDS_SWITCH_NET3},
    {IDS_ZOBRA_2S_V110,   8,     23,  devid_ProtocolsF, IDS_SWITCH_NET3},
    {IDS_ZOBRA_2U,        8,     24,  devid_ProtocolsE, IDS_SWITCH_NI1},
    {IDS_ZOBRA_2U_V110,   8,     25,  devid_ProtocolsF, IDS_SWITCH_NI1},
    {IDS_ZOBRA_4S,        8,     26,  devid_ProtocolsE, IDS_SWITCH_NET3},
    {IDS_ZOBRA_4S_V110,   8,     27,  devid_ProtocolsF, IDS_SWITCH_NET3},
    {IDS_ZOBRA_4U,        8,     28,  devid_ProtocolsE, IDS_SWITCH_NI1},
    {IDS_ZOBRA_4U_V110,   8,     29,  devid_ProtocolsF, IDS_SWITCH_NI1},
    {IDS_PELLOR_S,        9,     32,  devid_ProtocolsD, IDS_SWITCH_NET3},
    {IDS_KESTRAST_USB,    10,    34,  devid_ProtocolsA, IDS_SWITCH_NET3},
    {0,                   0,     0,   nullptr,          0},
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
