// The program's end while worker threads still run inside the serial layer: the wizard neither
// waits for nor stops its search and download workers (Cancel during the search, Finish while
// slow ports still probe), so exit() runs while they are in the middle of port calls and log
// lines. Nothing they use may be destroyed by it.
#include "sim/Adapter.h"
#include "src/serial/Urswin32.h"
#include "src/serial/log.h"
#include "tests/support/SerialTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{
constexpr int kWorkers = 4;
constexpr int kExchangesBeforeExit = 10 * kWorkers;
// How long the workers go on after exit() has run the destructors.
constexpr DWORD kWorkAfterExitMs = 200;

std::atomic<int> g_exchanges{0};
std::atomic<bool> g_sanitizerReport{false};
const char* g_folder = nullptr; // the COM port folder and working directory of the process

// Opens its port, says "AT", takes in whatever comes back while it keeps asking the port
// whether there is more, closes the port; again and again, as search workers probe ports.
DWORD WINAPI Worker(LPVOID parameter)
{
    const std::string name =
        testing_support::ComName(static_cast<int>(reinterpret_cast<intptr_t>(parameter)));
    for (;;)
    {
        urs_Port port;
        if (urs_OpenPort(&port, name.c_str()) == 0)
        {
            urs_StartTimeoutTimer(&port, 1);
            urs_PutStr(&port, "AT\r");
            for (int poll = 0; poll < 200; ++poll)
            {
                if (urs_CharsWaiting(&port))
                    urs_GetChar(&port);
            }
            urs_StopTimeoutTimer(&port);
            urs_ClosePort(&port);
        }
        ++g_exchanges;
    }
}

// Registered before anything of the serial layer exists, so it runs once exit() has destroyed
// all of that which is not meant to live on; the workers then carry on for a while before the
// process ends here, with 1 when a sanitizer began a report meanwhile (the report itself may
// need longer than the process has left).
void LetTheWorkersGoOn()
{
    Sleep(kWorkAfterExitMs);
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
    _exit(g_sanitizerReport.load() ? 1 : 0);
}

// Runs in a process of its own (the death test's) and ends it with exit(0) while the workers
// open, read, write and close noisy ports and log every byte.
[[noreturn]] void ExitWhileWorkersRun()
{
    std::atexit(LetTheWorkersGoOn);
    auto* ports = new testing_support::ComPortFolder;
    g_folder = ports->Path().c_str();
    std::filesystem::current_path(ports->Path());
    log_SetEnabledFlag(nullptr);
    log_Open();
    for (int number = 1; number <= kWorkers; ++number)
    {
        sim::Options options;
        options.faults.garbage = true;
        // Left running: the adapters serve until the process is gone.
        sim::Adapter* adapter = sim::Adapter::Start(options).release();
        if (adapter == nullptr)
            std::exit(2);
        ports->Link(number, adapter->DevicePath());
        if (CreateThread(nullptr, 0, Worker, reinterpret_cast<LPVOID>(intptr_t{number}), 0,
                         nullptr) == nullptr)
            std::exit(3);
    }
    while (g_exchanges.load() < kExchangesBeforeExit)
        Sleep(1);
    std::exit(0);
}
} // namespace

// AddressSanitizer calls this when it finds an error, before it writes the report.
extern "C" void __asan_on_error()
{
    g_sanitizerReport = true;
}

TEST(SerialExit, ExitWhileWorkersAreInsideTheSerialLayer_DestroysNothingTheyUse)
{
    // A fresh process, so that nothing of the serial layer exists before LetTheWorkersGoOn.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ExitWhileWorkersRun(), testing::ExitedWithCode(0), "");
}
