// A temporary folder with a profile file path in it, and helpers to read and write that file
// and to run a call as an ordinary user, for the private-profile suites.
#pragma once

#include "platform/win32.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile_testing
{
class PrivateProfile : public testing::Test
{
protected:
    void Put(std::string_view content, const std::string& path = {})
    {
        testing_support::WriteFile(path.empty() ? m_path : path, std::string(content));
    }

    std::optional<std::string> Contents(const std::string& path = {}) const
    {
        std::ifstream in(path.empty() ? m_path : path, std::ios::binary);
        if (!in)
            return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    std::string Read(const char* section, const char* key, const char* def = "", DWORD size = 256)
    {
        std::string buffer(size, '\x7f');
        const DWORD length =
            GetPrivateProfileStringA(section, key, def, buffer.data(), size, m_path.c_str());
        return buffer.substr(0, length);
    }

    BOOL Write(const char* section, const char* key, const char* value)
    {
        return WritePrivateProfileStringA(section, key, value, m_path.c_str());
    }

    struct Outcome
    {
        long result = -1;
        DWORD error = 0;
    };

    // Runs `call` in a child process without root's right to ignore file permissions (the
    // suite may run as root), and returns what it returned and its last error.
    static Outcome Unprivileged(const std::function<long()>& call)
    {
        int channel[2];
        if (pipe(channel) != 0)
            return {};
        const pid_t child = fork();
        if (child == 0)
        {
            close(channel[0]);
            if (geteuid() == 0 &&
                (setgid(testing_support::kNogroup) != 0 || setuid(testing_support::kNobody) != 0))
                _exit(1);
            Outcome outcome;
            outcome.result = call();
            outcome.error = GetLastError();
            _exit(write(channel[1], &outcome, sizeof outcome) == sizeof outcome ? 0 : 1);
        }
        close(channel[1]);
        Outcome outcome;
        if (read(channel[0], &outcome, sizeof outcome) != sizeof outcome)
            outcome = {};
        close(channel[0]);
        int status = 0;
        waitpid(child, &status, 0);
        return outcome;
    }

    testing_support::TempFolder m_temp;
    std::string m_folder = m_temp.Path().string();
    std::string m_path = m_temp.File("quoran.ini");
};
} // namespace profile_testing
