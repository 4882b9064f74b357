// A temporary folder with a profile file in it, for tests that read and write real files. The
// folder and everything in it are removed when the object goes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempProfile
{
public:
    TempProfile()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quoran-profile-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_folder = pattern;
        m_path = (std::filesystem::path(m_folder) / "quoran.ini").string();
    }
    ~TempProfile()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_folder, ignored);
    }
    TempProfile(const TempProfile&) = delete;
    TempProfile& operator=(const TempProfile&) = delete;

    const std::string& Folder() const { return m_folder; }
    const std::string& Path() const { return m_path; }

    void Write(const std::string& text) const
    {
        std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
        file << text;
    }
    std::string Read() const
    {
        std::ifstream file(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    bool Exists() const { return std::filesystem::exists(m_path); }

private:
    std::string m_folder;
    std::string m_path;
};
