#include "src/commands/ChoiceTables.h"

#include "src/res/WizardRes.h"

// clang-format off
const ChoiceEntry kSwitchTypeChoices[] = {
    {IDS_SWITCH_5ESS, 0},
    {IDS_SWITCH_DMS100, 1},
    {IDS_SWITCH_NI1, 5},
    {IDS_SWITCH_NET3, 2},
    {IDS_SWITCH_VN4, 6},
    {IDS_SWITCH_INS64, 4},
    {0, 0},
};

const ChoiceEntry kNorthAmericanSwitchTypeChoices[] = {
    {IDS_SWITCH_5ESS, 0},
    {IDS_SWITCH_DMS100, 1},
    {IDS_SWITCH_NI1, 5},
    {0, 0},
};

const ChoiceEntry kTeiChoices[] = {
    {IDS_AUTO_TEI, 240},
    {IDS_DISABLED, 241},
    // "0" to "63", each as itself
    {NumberStringId(0), 0},  {NumberStringId(1), 1},  {NumberStringId(2), 2},  {NumberStringId(3), 3},
    {NumberStringId(4), 4},  {NumberStringId(5), 5},  {NumberStringId(6), 6},  {NumberStringId(7), 7},
    {NumberStringId(8), 8},  {NumberStringId(9), 9},  {NumberStringId(10), 10}, {NumberStringId(11), 11},
    {NumberStringId(12), 12}, {NumberStringId(13), 13}, {NumberStringId(14), 14}, {NumberStringId(15), 15},
    {NumberStringId(16), 16}, {NumberStringId(17), 17}, {NumberStringId(18), 18}, {NumberStringId(19), 19},
    {NumberStringId(20), 20}, {NumberStringId(21), 21}, {NumberStringId(22), 22}, {NumberStringId(23), 23},
    {NumberStringId(24), 24}, {NumberStringId(25), 25}, {NumberStringId(26), 26}, {NumberStringId(27), 27},
    {NumberStringId(28), 28}, {NumberStringId(29), 29}, {NumberStringId(30), 30}, {NumberStringId(31), 31},
    {NumberStringId(32), 32}, {NumberStringId(33), 33}, {NumberStringId(34), 34}, {NumberStringId(35), 35},
    {NumberStringId(36), 36}, {NumberStringId(37), 37}, {NumberStringId(38), 38}, {NumberStringId(39), 39},
    {NumberStringId(40), 40}, {NumberStringId(41), 41}, {NumberStringId(42), 42}, {NumberStringId(43), 43},
    {NumberStringId(44), 44}, {NumberStringId(45), 45}, {NumberStringId(46), 46}, {NumberStringId(47), 47},
    {NumberStringId(48), 48}, {NumberStringId(49), 49}, {NumberStringId(50), 50}, {NumberStringId(51), 51},
    {NumberStringId(52), 52}, {NumberStringId(53), 53}, {NumberStringId(54), 54}, {NumberStringId(55), 55},
    {NumberStringId(56), 56}, {NumberStringId(57), 57}, {NumberStringId(58), 58}, {NumberStringId(59), 59},
    {NumberStringId(60), 60}, {NumberStringId(61), 61}, {NumberStringId(62), 62}, {NumberStringId(63), 63},
    {0, 0},
};

const ChoiceEntry kYesNoChoices[] = {
    {IDS_NO, 0},
    {IDS_YES, 1},
    {0, 0},
};

const ChoiceEntry kDialingMethodChoices[] = {
    {IDS_ENBLOC, 0},
    {IDS_OVERLAP, 1},
    {0, 0},
};

const ChoiceEntry kDataProtocolChoices[] = {
    {IDS_V120, 5},
    {IDS_V110, 6},
    {IDS_MLPPP, 9},
    {IDS_X75, 12},
    {IDS_CLEAR, 11},
    {0, 0},
};

const ChoiceEntry kDtrChoices[] = {
    {IDS_NORMAL, 1},
    {IDS_IGNORE, 0},
    {IDS_RESET_ON_DTR, 3},
    {0, 0},
};

const ChoiceEntry kDsrChoices[] = {
    {IDS_NORMAL, 1},
    {IDS_ALWAYS_ON, 0},
    {IDS_MOMENTARY_DROP, 2},
    {0, 0},
};

const ChoiceEntry kDcdChoices[] = {
    {IDS_NORMAL, 1},
    {IDS_ALWAYS_ON, 0},
    {IDS_MOMENTARY_DROP, 2},
    {0, 0},
};

const ChoiceEntry kCtsChoices[] = {
    {IDS_NORMAL, 0},
    {IDS_ALWAYS_ON, 1},
    {IDS_MOMENTARY_DROP, 2},
    {0, 0},
};

const ChoiceEntry kSyncModeChoices[] = {
    {IDS_ASYNCHRONOUS, 0},
    {IDS_SYNCHRONOUS, 1},
    {0, 0},
};

const ChoiceEntry kParityChoices[] = {
    {IDS_ODD, 0},
    {IDS_EVEN, 1},
    {IDS_NONE, 4},
    {IDS_MARK, 2},
    {IDS_SPACE, 3},
    {0, 0},
};

const ChoiceEntry kBitRateChoices[] = {
    {IDS_BIT_RATE_300, 300},
    {IDS_BIT_RATE_1200, 1200},
    {IDS_BIT_RATE_2400, 2400},
    {IDS_BIT_RATE_4800, 4800},
    {IDS_BIT_RATE_9600, 9600},
    {IDS_BIT_RATE_19200, 19200},
    {IDS_BIT_RATE_38400, 38400},
    {IDS_BIT_RATE_57600, 57600},
    {IDS_BIT_RATE_115200, 115200},
    {IDS_BIT_RATE_230400, 230400},
    {0, 0},
};

const ChoiceEntry kDataBitsChoices[] = {
    {NumberStringId(7), 7},
    {NumberStringId(8), 8},
    {0, 0},
};

const ChoiceEntry kStopBitsChoices[] = {
    {NumberStringId(1), 1},
    {NumberStringId(2), 2},
    {0, 0},
};

const ChoiceEntry kFlowControlChoices[] = {
    {IDS_NONE, 3},
    {IDS_XON_XOFF, 5},
    {IDS_RTS_CTS, 4},
    {0, 0},
};

const ChoiceEntry kRingFrequencyChoices[] = {
    {IDS_RING_25_HZ, 2},
    {IDS_RING_20_HZ, 3},
    {IDS_RING_16_67_HZ, 4},
    {0, 0},
};

const ChoiceEntry kDialToneChoices[] = {
    {IDS_NO_DIAL_TONE, 0},
    {IDS_CENTRAL_OFFICE_DIAL_TONE, 1},
    {IDS_TA_DIAL_TONE, 2},
    {0, 0},
};

const ChoiceEntry kEnblocDialToneChoices[] = {
    {IDS_NO_DIAL_TONE, 0},
    {IDS_TA_DIAL_TONE, 2},
    {0, 0},
};

const ChoiceEntry kSuppressionChoices[] = {
    {IDS_DISABLED, 0},
    {IDS_ENABLED, 1},
    {0, 0},
};

const ChoiceEntry kCallBumpingChoices[] = {
    {IDS_DISABLED, 0},
    {IDS_ENABLED, 1},
    {0, 0},
};

const ChoiceEntry kRingSignalChoices[] = {
    {IDS_RING_DEFAULT, 0},
    {IDS_AUSTRIA, 3},
    {IDS_BELGIUM, 4},
    {IDS_CYPRUS, 5},
    {IDS_DENMARK, 6},
    {IDS_FINLAND, 7},
    {IDS_FRANCE, 8},
    {IDS_GERMANY_1, 9},
    {IDS_GERMANY_2, 10},
    {IDS_GREECE, 11},
    {IDS_ICELAND, 12},
    {IDS_IRELAND, 13},
    {IDS_ITALY, 14},
    {IDS_LUXEMBOURG_1, 15},
    {IDS_LUXEMBOURG_2, 16},
    {IDS_MALTA, 17},
    {IDS_NETHERLANDS, 18},
    {IDS_NORWAY, 19},
    {IDS_PORTUGAL, 20},
    {IDS_SPAIN, 21},
    {IDS_SWEDEN, 22},
    {IDS_SWITZERLAND_1, 23},
    {IDS_SWITZERLAND_2, 24},
    {IDS_UNITED_KINGDOM_1, 25},
    {IDS_UNITED_KINGDOM_2, 26},
    {IDS_UNITED_STATES, 27},
    {0, 0},
};

const ChoiceEntry kPulseRecognitionChoices[] = {
    {IDS_DISABLED, 0},
    {IDS_PULSE_ENGLAND_FRANCE_INDIA_USA, 1},
    {IDS_NEW_ZEALAND, 2},
    {IDS_SWEDEN, 3},
    {0, 0},
};

const ChoiceEntry kBandwidthSchemeChoices[] = {
    {IDS_DISABLED, 0},
    {IDS_MP_PLUS, 1},
    {IDS_PPP, 2},
    {0, 0},
};
// clang-format on
