// A profile the wizard may read but not write: the file, or the folder it lives in, is made
// read-only for as long as the object lives. On Linux the tests may run as root, whom permissions
// do not stop, so meanwhile the process acts as the user "nobody" (effective ids only; they are
// given back, with the permissions, when the object goes). Nothing else may need root meanwhile.
// On Windows the modes stand for the read-only attribute, which stops writes to a file but not in
// a folder: there only the file is made read-only (kParts).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

#ifndef _WIN32
#include "tests/support/Unprivileged.h"

#include <unistd.h>
#endif

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
    // The parts that this system keeps the wizard from writing.
#ifdef _WIN32
    static constexpr Part kParts[] = {Part::File};
#else
    static constexpr Part kParts[] = {Part::File, Part::Folder};
#endif

    ReadOnlyProfile(const std::filesystem::path& profile, Part part)
        : m_profile(profile.string()), m_folder(profile.parent_path().string())
    {
        const bool file = part == Part::File;
        chmod(m_profile.c_str(), file ? 0444 : 0666);
        chmod(m_folder.c_str(), file ? 0777 : 0555);
#ifndef _WIN32
        if (geteuid() == 0)
        {
            m_dropped = setegid(kNogroup) == 0 && seteuid(kNobody) == 0;
            EXPECT_TRUE(m_dropped) << "could not act as nobody";
        }
#endif
    }

    ~ReadOnlyProfile()
    {
#ifndef _WIN32
        if (m_dropped)
        {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
#endif
        chmod(m_folder.c_str(), 0700);
        chmod(m_profile.c_str(), 0644);
    }

    ReadOnlyProfile(const ReadOnlyProfile&) = delete;
    ReadOnlyProfile& operator=(const ReadOnlyProfile&) = delete;

private:
    std::string m_profile;
    std::string m_folder;
    bool m_dropped = false;
};
} // namespace testing_support
