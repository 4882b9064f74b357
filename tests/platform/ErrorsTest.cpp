#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string SystemText(DWORD code)
{
    char buffer[512];
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}
} // namespace

TEST(Errors, SystemTexts_AreTheWindowsEnglishOnes_WithTheirLineEnd)
{
    EXPECT_EQ(SystemText(ERROR_FILE_NOT_FOUND), "The system cannot find the file specified.\r\n");
    EXPECT_EQ(SystemText(ERROR_ACCESS_DENIED), "Access is denied.\r\n");
    EXPECT_EQ(SystemText(ERROR_INVALID_HANDLE), "The handle is invalid.\r\n");
    EXPECT_EQ(SystemText(ERROR_GEN_FAILURE),
              "A device attached to the system is not functioning.\r\n");
    EXPECT_EQ(SystemText(ERROR_NOT_SUPPORTED), "The request is not supported.\r\n");
    EXPECT_EQ(SystemText(ERROR_INVALID_PARAMETER), "The parameter is incorrect.\r\n");
    EXPECT_EQ(SystemText(ERROR_SEM_TIMEOUT), "The semaphore timeout period has expired.\r\n");
    EXPECT_EQ(SystemText(ERROR_IO_DEVICE),
              "The request could not be performed because of an I/O device error.\r\n");
    for (const DWORD code : {ERROR_SUCCESS, ERROR_PATH_NOT_FOUND, ERROR_NOT_ENOUGH_MEMORY,
                             ERROR_INSUFFICIENT_BUFFER, ERROR_OPERATION_ABORTED})
        EXPECT_GT(SystemText(code).size(), 2u) << code;
}

TEST(Errors, FormatMessage_FailsCleanly_OnShortBufferUnknownCodeOrOtherFlags)
{
    // 19 characters and the terminating NUL.
    char buffer[20] = "untouched";
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, buffer,
                             20, nullptr),
              19u);
    EXPECT_STREQ(buffer, "Access is denied.\r\n");
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, buffer,
                             19, nullptr),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 424242, 0, buffer, sizeof buffer,
                             nullptr),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    constexpr DWORD kAllocateBuffer = 0x100;
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | kAllocateBuffer, nullptr,
                             ERROR_ACCESS_DENIED, 0, buffer, sizeof buffer, nullptr),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
