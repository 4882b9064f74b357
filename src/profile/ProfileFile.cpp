#include "src/profile/ProfileFile.h"

#include "platform/TextRules.h"
#include "platform/win32.h"
#include "src/res/StringTable.h"
#include "src/res/WizardRes.h"

#include <set>
#include <vector>

const std::string g_profileFileName = "quoran.ini";
std::string g_profilePath;
int g_bCfgModified = 0;

namespace
{

constexpr const char* kDefaultConfigsSection = StringText(IDS_DEFAULT_CONFIGS_SECTION);
constexpr const char* kDefaultConfigKey = StringText(IDS_DEFAULT_CONFIG_KEY);
constexpr DWORD kFactoryNameBufferSize = 80;

std::string ModulePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0)
            return {};
        if (length < size)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

void GetProfilePath()
{
    std::string path = ModulePath();
    const size_t separator = path.find_last_of("\\/:");
    path.resize(separator == std::string::npos ? 0 : separator + 1);
    g_profilePath = path + g_profileFileName;
}

bool IsFactoryDefaultConfig(const std::string& name)
{
    for (int n = 1;; ++n)
    {
        const std::string key = kDefaultConfigKey + std::to_string(n);
        char value[kFactoryNameBufferSize] = {};
        const DWORD length =
            GetPrivateProfileStringA(kDefaultConfigsSection, key.c_str(), "", value,
                                     kFactoryNameBufferSize, g_profilePath.c_str());
        if (length == 0)
            return false;
        if (platform::EqualsNoCase(std::string(value, length), name))
            return true;
    }
}

std::vector<std::string> ReadSectionNames(const std::string& profilePath)
{
    // A list that does not fit comes back cut, with the length nSize - 2; the buffer grows
    // until the whole list fits, so that no section is ever out of sight.
    std::vector<char> buffer(4096);
    DWORD length = 0;
    for (;;)
    {
        const DWORD size = static_cast<DWORD>(buffer.size());
        length = GetPrivateProfileSectionNamesA(buffer.data(), size, profilePath.c_str());
        if (length + 2 < size)
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<std::string> names;
    size_t start = 0;
    while (start < length)
    {
        const std::string name(buffer.data() + start);
        start += name.size() + 1;
        if (!name.empty())
            names.push_back(name);
    }
    return names;
}

bool ConfigSectionExists(const std::string& name, const std::string& profilePath)
{
    for (const std::string& section : ReadSectionNames(profilePath))
    {
        if (platform::EqualsNoCase(section, name))
            return true;
    }
    return false;
}

std::vector<std::string> ListConfigurations(const std::string& profilePath)
{
    std::vector<std::string> configurations;
    std::set<std::string, platform::LessNoCase> listed;
    for (const std::string& section : ReadSectionNames(profilePath))
    {
        if (platform::EqualsNoCase(section, kDefaultConfigsSection))
            continue;
        if (listed.insert(section).second)
            configurations.push_back(section);
    }
    return configurations;
}
