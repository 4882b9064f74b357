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
// profile found beside the program (a copy on a read-only medium), or else the shipped one, is
// copied there (never over an existing file, even one another wizard wrote a moment earlier).
// When the user's folder cannot be made or written, the answer is a folder the profile can at
// least be read from (the executable's when a profile lies there, else the shipped data's, else
// the executable's), saves fail there, and the choice carries the problem in words.
#pragma once

#include "platform/ProgramFiles.h"

#include <string>

namespace platform
{
// The running program's own file (/proc/self/exe); "" when unknown.
std::string ExecutablePath();

// The program in `executableFolder` does not own its folder (see above).
bool IsInstalledProgram(const std::string& executableFolder);

struct ProgramFolderChoice
{
    std::string folder;
    std::string problem; // GetProfileFolderProblem's words; "" when the folder can hold a profile
};

// The folder the shipped data lies in for an executable in `executableFolder`, as installed
// ("<bin>/../share/quoran-wizard"); it need not exist.
std::string ShippedDataFolder(const std::string& executableFolder);

// The user's own folder for the wizard's files, from the values of XDG_CONFIG_HOME and HOME
// (either may be null); "" when neither leads to an absolute path. Creates nothing.
std::string UserProgramFolder(const char* xdgConfigHome, const char* home);

// The folder that stands for `executableFolder` under the rules above, creating and seeding the
// user's folder when it is the answer. `userFolder` is UserProgramFolder's answer.
ProgramFolderChoice ChooseProgramFolder(const std::string& executableFolder,
                                        const std::string& userFolder);

// The user's folder for the wizard's state (its log), from the values of XDG_STATE_HOME and HOME
// (either may be null): $XDG_STATE_HOME/quoran-wizard, else ~/.local/state/quoran-wizard; ""
// when neither leads to an absolute path. Creates nothing.
std::string UserStateFolder(const char* xdgStateHome, const char* home);

// LogPlace's rule for a program in `executableFolder` started in `workingFolder`, `stateFolder`
// being UserStateFolder's answer (made when it is the answer).
LogPlace ChooseLogPlace(const std::string& executableFolder, const std::string& workingFolder,
                        const std::string& stateFolder);

// ChooseProgramFolder for this process (the running executable, this user's environment),
// worked out once on the first call; folder "" when the executable's path cannot be read.
const ProgramFolderChoice& ProgramFolder();
} // namespace platform
