// COM port names and their device paths.
#include "platform/posix/ComPortNames.h"
#include "platform/posix/FolderForTesting.h"
#include "platform/posix/Lasting.h"

#include "platform/TextRules.h"
#include "platform/win32.h"

#include <sys/stat.h>

namespace
{
struct PortFolderForTesting : platform::FolderForTesting
{
};

std::string ExecutableFolder()
{
    char path[4096];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return ".";
    const std::string file(path, length);
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? "." : file.substr(0, slash);
}

std::string PortFolder()
{
    if (const auto folder = platform::Lasting<PortFolderForTesting>().Get())
        return *folder;
    return ExecutableFolder();
}

bool IsDirectory(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0;
}

} // namespace

namespace platform
{
int ComPortNumber(const char* name)
{
    if (name == nullptr || !BeginsWithNoCase(name, "\\\\.\\COM"))
        return 0;
    const char* digits = name + 7;
    if (*digits < '1' || *digits > '9')
        return 0;
    int number = 0;
    for (const char* p = digits; *p; ++p)
    {
        if (*p < '0' || *p > '9' || number > 99999)
            return 0;
        number = number * 10 + (*p - '0');
    }
    return number;
}

std::string DefaultComPortPath(int number, const std::string& deviceFolder)
{
    if (number < 1)
        return "";
    int remaining = number;
    for (const char* family : {"ttyS", "ttyUSB", "ttyACM"})
    {
        for (int index = 0;; ++index)
        {
            std::string path = deviceFolder + "/" + family + std::to_string(index);
            if (!Exists(path))
                break;
            if (--remaining == 0)
                return path;
        }
    }
    return "";
}

std::string ResolveComPort(int number)
{
    if (number < 1)
        return "";
    const std::string dosDevices = PortFolder() + "/dosdevices";
    if (IsDirectory(dosDevices))
        return dosDevices + "/com" + std::to_string(number);
    return DefaultComPortPath(number, "/dev");
}
} // namespace platform

void SetComPortFolderForTesting(const char* folder)
{
    platform::Lasting<PortFolderForTesting>().Set(folder);
}
