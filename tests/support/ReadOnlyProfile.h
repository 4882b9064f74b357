// A profile the wizard may read but not write: the file, or the folder it lives in, is made
// read-only for as long as the object lives. The tests may run as root, whom permissions do not
// stop, so meanwhile the process acts as the user "nobody" (effective ids only; they are given
// back, with the permissions, when the object goes). Nothing else may need root meanwhile.
#pragma once

#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support
{
class ReadOnlyProfile
{
public:
    enum class Part
    {
        File,   // the file is read-only, its folder writable
        Folder, // the folder is read-only, the file writable
    };

    ReadOnlyProfile(const std::filesystem::path& profile, Part part)
        : m_profile(profile), m_folder(profile.parent_path())
    {
        const bool file = part == Part::File;
        chmod(m_profile.c_str(), file ? 0444 : 0666);
        chmod(m_folder.c_str(), file ? 0777 : 0555);
        if (geteuid() == 0)
        {
            m_dropped = setegid(kNogroup) == 0 && seteuid(kNobody) == 0;
            EXPECT_TRUE(m_dropped) << "could not act as nobody";
        }
    }

    ~ReadOnlyProfile()
    {
        if (m_dropped)
        {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
        chmod(m_folder.c_str(), 0700);
        chmod(m_profile.c_str(), 0644);
    }

    ReadOnlyProfile(const ReadOnlyProfile&) = delete;
    ReadOnlyProfile& operator=(const ReadOnlyProfile&) = delete;

private:
    std::filesystem::path m_profile;
    std::filesystem::path m_folder;
    bool m_dropped = false;
};
} // namespace testing_support
