#include "platform/posix/ComPortNames.h"
#include "tests/support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testing_support::ComPortFolder;

TEST(ComPortNames, PortNumber_IsReadOnlyFromDeviceNamespaceComNames)
{
    EXPECT_EQ(platform::ComPortNumber("\\\\.\\COM1"), 1);
    EXPECT_EQ(platform::ComPortNumber("\\\\.\\com36"), 36);
    EXPECT_EQ(platform::ComPortNumber("\\\\.\\Com256"), 256);
    for (const char* name : {"\\\\.\\COM0", "\\\\.\\COM", "\\\\.\\COM07", "\\\\.\\COM1 ",
                             "\\\\.\\COM-1", "COM1", "\\\\?\\COM1", "\\\\.\\COM99999999999", ""})
        EXPECT_EQ(platform::ComPortNumber(name), 0) << name;
    EXPECT_EQ(platform::ComPortNumber(nullptr), 0);
}

TEST(ComPortNames, DefaultNumbering_RunsThroughEachListUpToItsFirstGap)
{
    ComPortFolder scratch;
    const auto dev = scratch.Path() / "dev";
    std::filesystem::create_directory(dev);
    for (const char* node : {"ttyS0", "ttyS1", "ttyS3", "ttyUSB0", "ttyACM0", "ttyACM1"})
        std::ofstream(dev / node).put('\n');
    const std::string root = dev.string();

    EXPECT_EQ(platform::DefaultComPortPath(1, root), root + "/ttyS0");
    EXPECT_EQ(platform::DefaultComPortPath(2, root), root + "/ttyS1");
    EXPECT_EQ(platform::DefaultComPortPath(3, root), root + "/ttyUSB0") << "ttyS3 is past the gap";
    EXPECT_EQ(platform::DefaultComPortPath(4, root), root + "/ttyACM0");
    EXPECT_EQ(platform::DefaultComPortPath(5, root), root + "/ttyACM1");
    EXPECT_EQ(platform::DefaultComPortPath(6, root), "");
    EXPECT_EQ(platform::DefaultComPortPath(0, root), "");

    std::filesystem::remove(dev / "ttyS0");
    EXPECT_EQ(platform::DefaultComPortPath(1, root), root + "/ttyUSB0") << "no serial list at all";
}

TEST(ComPortNames, DosDevicesFolder_DecidesAlone_WhenItExists)
{
    ComPortFolder folder;
    folder.Link(7, "/dev/null");
    EXPECT_EQ(platform::ResolveComPort(7), (folder.Path() / "dosdevices" / "com7").string());
    EXPECT_EQ(platform::ResolveComPort(1), (folder.Path() / "dosdevices" / "com1").string())
        << "a missing link is a missing port, not a fall-back to /dev";

    std::filesystem::remove_all(folder.Path() / "dosdevices");
    EXPECT_EQ(platform::ResolveComPort(1), platform::DefaultComPortPath(1, "/dev"));
}
