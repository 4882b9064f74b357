// What the serial, exchange and identification suites share: a test that runs in a temporary
// working directory with the diagnostic log open, and helpers to read that log and to time work.
#pragma once

#include "src/serial/Urswin32.h"
#include "src/serial/log.h"
#include "tests/platform/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace serial_testing
{
using testing_support::ComName;
using testing_support::ComPortFolder;
using testing_support::PseudoTerminal;

// A test whose working directory is a fresh temporary folder, with the log open there and COM
// ports resolved through its `dosdevices` folder (ports().Link(n, device)).
class SerialTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(ports_.Path());
        // The application object, where a suite links it, keeps logging off until it starts.
        previousFlag_ = log_SetEnabledFlag(nullptr);
        log_Open();
    }

    void TearDown() override
    {
        log_Close();
        log_SetEnabledFlag(previousFlag_);
        std::filesystem::current_path(previous_);
    }

    ComPortFolder& ports() { return ports_; }

    // Closes the log and returns everything written to it.
    std::string CloseLogAndRead()
    {
        log_Close();
        std::ifstream file(ports_.Path() / "log.txt", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    ComPortFolder ports_;
    std::filesystem::path previous_;
    const volatile BYTE* previousFlag_ = nullptr;
};

// Counts how often `part` occurs in `text`.
inline int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

inline double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

inline double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
} // namespace serial_testing
