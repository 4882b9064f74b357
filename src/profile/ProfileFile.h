// The profile file "quoran.ini" beside the executable and its sections: one section per named
// configuration, plus the section "Default Configs" that lists the factory default
// configurations (keys Config1, Config2, ... up to the first missing or empty one). Names are
// compared ignoring ASCII letter case. Every call reads the file afresh; nothing is cached.
#pragma once

#include <string>
#include <vector>

// "quoran.ini".
extern const std::string g_profileFileName;
// The full path of the profile file; empty until GetProfilePath fills it.
extern std::string g_profilePath;
// The current configuration was changed since it was last loaded (nonzero) or not (0).
extern int g_bCfgModified;

// Sets g_profilePath to the folder of the running executable (up to and including its last
// '\', '/' or ':') followed by g_profileFileName; just the file name when the module path has no
// separator or cannot be had.
void GetProfilePath();

// True when `name` is one of the factory default configurations listed in g_profilePath.
bool IsFactoryDefaultConfig(const std::string& name);

// Every section name of the file, in file order, duplicates included; empty when the file is
// missing or unreadable. The whole list is read, however long.
std::vector<std::string> ReadSectionNames(const std::string& profilePath);

// True when the file has a section called `name`.
bool ConfigSectionExists(const std::string& name, const std::string& profilePath);

// The configurations of the file: its section names in file order, without "Default Configs"
// and without a name that an earlier one already gives.
std::vector<std::string> ListConfigurations(const std::string& profilePath);
