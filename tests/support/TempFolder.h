// Temporary folders for tests that read and write real files, and the whole-file reads and writes
// they do there.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#ifdef _WIN32
#include <cstring>
#include <direct.h>
#include <io.h>
#endif

namespace testing_support
{
// Replaces the trailing XXXXXX of `pattern` so that it names a new folder, and makes it; false
// when no folder could be made. mkdtemp, which MinGW's runtime lacks.
inline bool MakeFreshFolder(char* pattern)
{
#ifdef _WIN32
    const size_t length = std::strlen(pattern);
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        std::memcpy(pattern + length - 6, "XXXXXX", 6);
        if (_mktemp_s(pattern, length + 1) != 0)
            return false;
        if (_mkdir(pattern) == 0)
            return true;
    }
    return false;
#else
    return mkdtemp(pattern) != nullptr;
#endif
}

// A fresh folder under /tmp that every user can reach (mode 0755). It goes with the object, with
// everything in it, whatever permissions a test left on it or on the folders inside.
class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/quoran-test.XXXXXX";
        if (!MakeFreshFolder(pattern))
            throw std::runtime_error("no temporary folder");
        m_path = pattern;
        namespace fs = std::filesystem;
        fs::permissions(m_path, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    }
    ~TempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (auto it = fs::recursive_directory_iterator(m_path, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored))
        {
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of `name` in the folder.
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Makes `folder` the working directory while the object lives; the one before comes back after.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const std::filesystem::path& folder)
        : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() { std::filesystem::current_path(m_previous); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path m_previous;
};

// The whole content of the file; "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Makes `text` the whole content of the file, making the folders on its path that are missing.
inline void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
} // namespace testing_support
