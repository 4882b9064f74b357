#include "platform/windows/ProgramFolder.h"

#include "platform/ProgramFiles.h"
#include "platform/posix/FolderForTesting.h"
#include "platform/posix/Lasting.h"
#include "platform/posix/ModuleFileTesting.h"

#include "platform/windows/SystemCalls.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

namespace
{
constexpr char kProfileName[] = "quoran.ini";

std::string Join(const std::string& folder, const char* name)
{
    return folder + "\\" + name;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether this user may create files in `folder`: one that goes again when closed tells.
bool Writable(const std::string& folder)
{
    const std::string probe =
        Join(folder, ("~quoran-" + std::to_string(GetCurrentProcessId()) + ".tmp").c_str());
    const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

std::string ExecutablePath()
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

std::string FolderOf(const std::string& path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

struct ModuleFolderForTesting : platform::FolderForTesting
{
};

// The folder a test set, else ProgramFolder's answer.
std::string ModuleFolder()
{
    if (const auto folder = platform::Lasting<ModuleFolderForTesting>().Get())
        return *folder;
    return platform::ProgramFolder();
}

std::string AppDataFolder()
{
    char path[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
        return {};
    return path;
}
} // namespace

namespace platform
{
std::string ChooseProgramFolder(const std::string& executableFolder, const std::string& appData)
{
    const bool installed =
        Exists(Join(executableFolder, kUninstallerName)) || !Writable(executableFolder);
    if (!installed || appData.empty())
        return executableFolder;
    const std::string userFolder = Join(appData, kUserFolderName);
    if (!CreateDirectoryA(userFolder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return executableFolder;
    // FALSE when the user's folder has its own already: that one stays.
    CopyFileA(Join(executableFolder, kProfileName).c_str(), Join(userFolder, kProfileName).c_str(),
              TRUE);
    return userFolder;
}

const std::string& ProgramFolder()
{
    static const std::string* const folder = [] {
        const std::string executable = ExecutablePath();
        return new std::string(executable.empty()
                                   ? std::string()
                                   : ChooseProgramFolder(FolderOf(executable), AppDataFolder()));
    }();
    return *folder;
}

DWORD WINAPI ProgramGetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize)
{
    if (hModule != nullptr)
        return GetModuleFileNameA(hModule, lpFilename, nSize);
    const std::string executable = ExecutablePath();
    const std::string folder = ModuleFolder();
    if (executable.empty() || folder.empty())
        return GetModuleFileNameA(hModule, lpFilename, nSize);
    const std::string path = folder + executable.substr(executable.find_last_of("\\/"));
    if (lpFilename == nullptr || nSize == 0)
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() >= nSize)
    {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}
} // namespace platform

void SetModuleFolderForTesting(const char* folder)
{
    platform::Lasting<ModuleFolderForTesting>().Set(folder);
}

// A user's folder that cannot be made leaves the executable's folder in use, where saves fail
// with the system's reason as they always have: nothing more to say here.
std::string GetProfileFolderProblem()
{
    return {};
}

// The log goes where the profile is: an installed program's lives in the user's folder, since
// the working folder of a shortcut into Program Files may not be written; a portable copy keeps
// .\log.txt in its working folder, as the original program did.
LogPlace GetLogPlace()
{
    const std::string executable = ExecutablePath();
    const std::string& folder = platform::ProgramFolder();
    if (executable.empty() || folder.empty() || folder == FolderOf(executable))
        return {"./log.txt", false};
    return {folder + "\\log.txt", false};
}
