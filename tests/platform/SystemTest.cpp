#include "platform/TextRules.h"
#include "platform/posix/ModuleFileTesting.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

TEST(System, CaseInsensitiveCompare_IgnoresAsciiCaseOnly)
{
    EXPECT_EQ(lstrcmpiA("NI - 1", "ni - 1"), 0);
    EXPECT_LT(lstrcmpiA("abc", "ABD"), 0);
    EXPECT_GT(lstrcmpiA("abc", "AB"), 0);
    EXPECT_NE(lstrcmpiA("\xe9", "\xc9"), 0);
    // Letters fold to lower case, so "_" sorts before them in every layer alike (a sorted list
    // box and a profile lookup must agree).
    EXPECT_LT(lstrcmpiA("A_B", "AAB"), 0);
    EXPECT_LT(platform::CompareNoCase("Config_1", "CONFIGA"), 0);
    char text[] = "kestrast-usb \xe9";
    EXPECT_STREQ(CharUpperA(text), "KESTRAST-USB \xe9");
}

TEST(System, ModuleFileName_IsTheRunningExecutable_AndCutsWhenShort)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::string(path).substr(std::string(path).rfind('/') + 1), "platform_tests");
    EXPECT_EQ(access(path, X_OK), 0);

    char shortBuffer[5];
    EXPECT_EQ(GetModuleFileNameA(nullptr, shortBuffer, sizeof shortBuffer), 5u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(shortBuffer), std::string(path).substr(0, 4));

    SetModuleFolderForTesting("/tmp/elsewhere");
    char moved[MAX_PATH];
    GetModuleFileNameA(nullptr, moved, sizeof moved);
    SetModuleFolderForTesting(nullptr);
    EXPECT_STREQ(moved, "/tmp/elsewhere/platform_tests");
}
