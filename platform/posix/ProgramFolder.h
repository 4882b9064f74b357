// Which folder stands for "the folder of the executable", where the wizard keeps quoran.ini and
// dosdevices/. Private to this folder: GetModuleFileNameA answers with it.
//
// A program run from a folder its user may write (a build folder, a portable copy) keeps its
// files there, as on Windows. An installed program does not own its folder: the folder is not
// writable by the user, or the shipped data folder (share/quoran-wizard/ beside bin/, as the
// install lays it out) stands next to it, which also keeps root's runs of an installed copy out
// of /usr/bin. Such a program keeps its files in the user's own folder,
// $XDG_CONFIG_HOME/quoran-wizard (~/.config/quoran-wizard when that variable is unset or not an
// absolute path), made with mode 0700 on first use; when that folder holds no quoran.ini, the
// shipped one is copied there (never over an existing file, even one another wizard wrote a
// moment earlier). When the user's folder cannot be made, the executable's folder stays the
// answer and saves fail there as they would have.
#pragma once

#include <string>

namespace platform
{
// The folder the shipped data lies in for an executable in `executableFolder`, as installed
// ("<bin>/../share/quoran-wizard"); it need not exist.
std::string ShippedDataFolder(const std::string& executableFolder);

// The user's own folder for the wizard's files, from the values of XDG_CONFIG_HOME and HOME
// (either may be null); "" when neither leads to an absolute path. Creates nothing.
std::string UserProgramFolder(const char* xdgConfigHome, const char* home);

// The folder that stands for `executableFolder` under the rules above, creating and seeding the
// user's folder when it is the answer. `userFolder` is UserProgramFolder's answer.
std::string ChooseProgramFolder(const std::string& executableFolder, const std::string& userFolder);

// ChooseProgramFolder for this process (the running executable, this user's environment),
// worked out once on the first call; "" when the executable's path cannot be read.
const std::string& ProgramFolder();
} // namespace platform
