#include "sim/Presets.h"

#include "sim/Adapter.h"

#include <cctype>

namespace sim
{
namespace
{
constexpr int kNet3 = 2;
constexpr int kNi1 = 5;
} // namespace

// Each ATI2 line contains the name of its model family and no name that the identification
// tables list before it; each ATI20 line likewise for the extended model. The ZANDI and ZOBRA
// families answer ATI2 with the bare family name, which makes the wizard ask AT%I.
// clang-format off
const Preset kPresets[] = {
    // name                         ATI2            ATI20                            TA    !C0=   &R  S46=
    {"KESTRAST/13",                 "KESTRAST",     "8-bit KESTRAST",                true, kNet3, 1,  0},
    {"KESTRAST/16",                 "KESTRAST",     "Hardware Rev B",                true, kNet3, 1,  0},
    {"KESTRAST/14",                 "KESTRAST",     "16-bit KESTRAST",               true, kNet3, 1,  0},
    {"KESTRAST/17",                 "KESTRAST",     "Hardware Rev D",                true, kNet3, 1,  0},
    {"KESTRAST/15",                 "KESTRAST",     "16-bit KESTRAST without V.110", true, kNet3, 1,  0},
    {"KESTRAST-II",                 "KESTRAST-II",  "KESTRAST-II",                   true, kNet3, 1,  0},
    {"DIREDEDE/30",                 "DIREDEDE",     "DIREDEDE",                      true, kNi1,  1,  1},
    {"DIREDEDE/16",                 "DIREDEDE",     "Hardware Rev B",                true, kNi1,  1,  1},
    {"DIREDEDE-II",                 "DIREDEDE-II",  "DIREDEDE-II",                   true, kNi1,  1,  0},
    {"MIRELO/31",                   "MIRELO",       "MIRELO",                        true, kNet3, 0,  0},
    {"MIRELO/17",                   "MIRELO",       "Hardware Rev D",                true, kNet3, 0,  0},
    {"KESTRAST-RC",                 "KESTRAST-RC",  "16-bit KESTRAST without V.110", true, kNet3, 1,  0},
    {"ZANDI-2S without V.110/18",   "ZANDI-TA",     "ZANDI-2S Rev. 0-A",             true, kNet3, 1,  0},
    {"ZANDI-2S without V.110/19",   "ZANDI-TA",     "ZANDI-2S Rev. B+",              true, kNet3, 1,  0},
    {"ZANDI-2S with V.110",         "ZANDI-TA",     "ZANDI-2S Rev. B+ with V.110",   true, kNet3, 1,  0},
    {"ZANDI-2U",                    "ZANDI-TA",     "ZANDI-2U Rev. 0",               true, kNi1,  1,  0},
    {"ZOBRA-2S without V.110",      "ZOBRA-TA",     "ZOBRA-2S",                      true, kNet3, 1,  0},
    {"ZOBRA-2S with V.110",         "ZOBRA-TA",     "ZOBRA-2S with V.110",           true, kNet3, 1,  0},
    {"ZOBRA-2U without V.110",      "ZOBRA-TA",     "ZOBRA-2U",                      true, kNi1,  1,  0},
    {"ZOBRA-2U with V.110",         "ZOBRA-TA",     "ZOBRA-2U with V.110",           true, kNi1,  1,  0},
    {"ZOBRA-4S",                    "ZOBRA-TA",     "ZOBRA-4S",                      true, kNet3, 1,  0},
    {"ZOBRA-4S with V.110",         "ZOBRA-TA",     "ZOBRA-4S with V.110",           true, kNet3, 1,  0},
    {"ZOBRA-4U",                    "ZOBRA-TA",     "ZOBRA-4U",                      true, kNi1,  1,  0},
    {"ZOBRA-4U with V.110",         "ZOBRA-TA",     "ZOBRA-4U with V.110",           true, kNi1,  1,  0},
    {"PELLOR-S",                    "PELLOR-S",     "ISDN TA S/T",                   true, kNet3, 1,  0},
    {"KESTRAST-USB",                "KESTRAST-USB", "KESTRAST-USB",                  true, kNet3, 1,  0},
    {"modem",                       "56000 Data/Fax Modem", "V.90 Firmware 2.10",    false, 0,    0,  0},
    {nullptr,                       nullptr,        nullptr,                         false, 0,    0,  0},
};
// clang-format on

namespace
{
bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
} // namespace

const Preset* FindPreset(const std::string& name)
{
    for (const Preset* preset = kPresets; preset->name != nullptr; ++preset)
    {
        if (SameIgnoringCase(preset->name, name))
            return preset;
    }
    for (const Preset* preset = kPresets; preset->name != nullptr; ++preset)
    {
        const std::string full = preset->name;
        const size_t slash = full.rfind('/');
        if (slash != std::string::npos && SameIgnoringCase(full.substr(0, slash), name))
            return preset;
    }
    return nullptr;
}

std::vector<std::string> PresetNames()
{
    std::vector<std::string> names;
    for (const Preset* preset = kPresets; preset->name != nullptr; ++preset)
        names.emplace_back(preset->name);
    return names;
}
} // namespace sim
