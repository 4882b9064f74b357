// The models the simulator can play: one preset per known adapter (model code, extended model
// code) pair, plus a plain modem that is no terminal adapter at all.
#pragma once

#include <string>

namespace sim
{
struct Preset
{
    const char* name;              // "KESTRAST/13", "ZOBRA-2S with V.110", "modem"
    const char* modelLine;         // answer to ATI2
    const char* extendedModelLine; // answer to ATI20
    bool terminalAdapter;          // accepts the configuration commands and AT%I
    int switchType;                // factory "!C0=" value: 2 NET3, 5 NI - 1
    int ctsPin;                    // factory "&R" value
    int pulseRecognition;          // factory "S46=" value
};

// The preset called `name` (letter case ignored); a name shared by several presets without its
// "/code" suffix picks the first of them. nullptr when there is none.
const Preset* FindPreset(const std::string& name);

// Every preset in table order, ended by a row whose name is nullptr.
extern const Preset kPresets[];
} // namespace sim
