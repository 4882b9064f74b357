// The identification tables: the name fragments that map the adapter's ATI2 and ATI20 replies to
// a model code and an extended model code, and the device table that gives each known pair its
// display name, its data protocols and its default switch type. All are constant data.
#pragma once

#include "src/profile/ChoiceEntry.h"

#include <cstdint>

// One row of a model code table: an upper-case name fragment and its code. A table ends with a
// row whose code is -1. The first row whose name occurs in a reply wins, so longer names stand
// before their prefixes.
struct ModelCodeEntry
{
    const char* name;
    int32_t code;
};

extern const ModelCodeEntry devid_ModelTable[];         // ATI2 replies
extern const ModelCodeEntry devid_ExtendedModelTable[]; // ATI20 replies

// The code of a reply that no row matches.
inline constexpr int devid_kUnknown = 37;

// One known adapter. The table ends with a row whose nameId is 0.
struct DeviceTableEntry
{
    int32_t nameId; // string id of the display name
    int32_t modelCode;
    int32_t extModelCode;
    const ChoiceEntry* protocols; // data protocols the adapter offers, ended by {0, 0}
    int32_t defaultSwitchId;      // string id of the default network switch type
};

extern const DeviceTableEntry DeviceTable[];

// The data protocol lists of the device table, each ended by {0, 0}.
extern const ChoiceEntry devid_ProtocolsA[];
extern const ChoiceEntry devid_ProtocolsB[];
extern const ChoiceEntry devid_ProtocolsC[];
extern const ChoiceEntry devid_ProtocolsD[];
extern const ChoiceEntry devid_ProtocolsE[];
extern const ChoiceEntry devid_ProtocolsF[];

// The ZANDI and ZOBRA families and PELLOR-S (model codes 7, 8 and 9): adapters without an
// analogue port and without bandwidth on demand, whose numbers pages are labelled by position.
constexpr bool IsZandiZobraOrPellor(int modelCode)
{
    return modelCode == 7 || modelCode == 8 || modelCode == 9;
}

// Index of the first DeviceTable row with both codes, or -1 when there is none.
int FindDevice(int modelCode, int extModelCode);

// Display name string id of the pair's row; 0 when there is no row.
int GetDeviceNameId(int modelCode, int extModelCode);

// Default switch type string id of the pair's row; 0 when there is no row.
int GetDeviceDefaultSwitchId(int modelCode, int extModelCode);

// Data protocol list of the pair's row; nullptr when there is no row.
const ChoiceEntry* GetDeviceProtocolChoices(int modelCode, int extModelCode);
