// A temporary folder with a profile file in it, for tests that read and write real files. The
// folder and everything in it are removed when the object goes.
#pragma once

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>

class TempProfile
{
public:
    const std::string& Folder() const { return m_folderPath; }
    const std::string& Path() const { return m_path; }

    void Write(const std::string& text) const { testing_support::WriteFile(m_path, text); }
    std::string Read() const { return testing_support::ReadFile(m_path); }
    bool Exists() const { return std::filesystem::exists(m_path); }

private:
    testing_support::TempFolder m_folder;
    std::string m_folderPath = m_folder.Path().string();
    std::string m_path = m_folder.File("quoran.ini");
};
