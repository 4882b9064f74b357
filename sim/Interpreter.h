// The adapter's command interpreter: executes one AT command line at a time against the
// adapter's state (echo, result codes, configuration settings, stored settings). It knows
// nothing of the line it is reached through.
#pragma once

#include "sim/Adapter.h"
#include "sim/Nvram.h"
#include "sim/Presets.h"

#include <optional>
#include <string>

namespace sim
{
using SettingMap = std::map<std::string, std::string>; // command prefix -> value

class Interpreter
{
public:
    // Starts with the preset's factory settings, then takes every valid entry of the NVRAM file
    // (options.nvramPath) when there is one; invalid entries keep the factory value.
    Interpreter(const Preset& preset, const Options& options);

    // Executes one command line (without its CR). Returns the bytes to send after the echo:
    // the information lines and the result code. Empty when the line is no command (it does
    // not start with "AT"); nullopt when the line gets no answer at all (AT%I with the
    // option-silent fault). forceError answers ERROR and changes nothing. A line with any bad
    // command answers ERROR and changes nothing.
    std::optional<std::string> Execute(const std::string& line, bool forceError);

    bool Echo() const { return m_echo; }
    const SettingMap& Settings() const { return m_settings; }
    const SettingMap& StoredSettings() const { return m_stored; }

private:
    struct State
    {
        bool echo;
        bool verbose;
        bool quiet;
        SettingMap settings;
    };

    std::string Result(bool ok, const State& state) const;
    static std::string Information(const std::string& line, const State& state);
    bool Store(const SettingMap& settings);

    const Preset& m_preset;
    Options m_options;
    bool m_echo;
    bool m_verbose = true;
    bool m_quiet = false;
    SettingMap m_factory;
    SettingMap m_settings;
    SettingMap m_stored;
};

// True when `value` is acceptable for the configuration command `prefix` ("!C0=", "S25=", ...).
bool ValidSetting(const std::string& prefix, const std::string& value);
} // namespace sim
