#include "platform/win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>

namespace
{
// Uses about depth x 1 KiB of stack: far beyond the 4 KiB asked for below.
int Recurse(int depth)
{
    volatile char frame[1024];
    std::memset(const_cast<char*>(frame), depth & 0x7F, sizeof frame);
    if (depth == 0)
        return frame[0];
    return Recurse(depth - 1) + frame[depth % sizeof frame];
}

struct Work
{
    std::atomic<int> result{-1};
    std::atomic<bool> release{false};
};

DWORD WINAPI DeepWorker(LPVOID parameter)
{
    auto* work = static_cast<Work*>(parameter);
    work->result.store(Recurse(2000) >= 0 ? 1 : 0);
    return 0;
}

DWORD WINAPI WaitingWorker(LPVOID parameter)
{
    auto* work = static_cast<Work*>(parameter);
    while (!work->release.load())
        Sleep(5);
    work->result.store(7);
    return 0;
}
} // namespace

TEST(Threads, TinyStackSize_StillGivesTheDefaultStack_ForADeepRecursion)
{
    Work work;
    DWORD id = 0;
    const HANDLE thread = CreateThread(nullptr, 4096, DeepWorker, &work, 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(work.result.load(), 1);
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Threads, Wait_TimesOutWhileTheThreadRuns_ThenSeesItsEnd)
{
    Work work;
    const HANDLE thread = CreateThread(nullptr, 0, WaitingWorker, &work, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(thread, 50), WAIT_TIMEOUT);
    work.release.store(true);
    EXPECT_EQ(WaitForSingleObject(thread, 60000), WAIT_OBJECT_0);
    EXPECT_EQ(work.result.load(), 7);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(CloseHandle(thread));
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Threads, ClosingTheHandle_LeavesTheThreadRunning)
{
    Work work;
    const HANDLE thread = CreateThread(nullptr, 0, WaitingWorker, &work, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_TRUE(CloseHandle(thread));
    work.release.store(true);
    const auto start = std::chrono::steady_clock::now();
    while (work.result.load() != 7 &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(30))
        Sleep(5);
    EXPECT_EQ(work.result.load(), 7);
}

TEST(Threads, CreationFlags_OtherThanZeroAreRefused)
{
    Work work;
    constexpr DWORD kCreateSuspended = 0x4;
    EXPECT_EQ(CreateThread(nullptr, 0, DeepWorker, &work, kCreateSuspended, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(work.result.load(), -1);
}
