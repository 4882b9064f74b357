// Where the wizard's own files are on this system, beyond the folder GetModuleFileNameA names:
// whether that folder can hold the configurations, and where the diagnostic log goes. Windows
// has nothing like it, so these are not Win32 calls; the rest of the platform layer stays in
// platform/win32.h.
#pragma once

#include <string>

// Why no folder can hold the profile, in words for the user, naming the folder tried and the
// system's reason, and what the wizard does instead (it reads the configurations it can find,
// and cannot save); "" when the folder that stands for the executable's can hold it. Decided
// once per process, with that folder.
std::string GetProfileFolderProblem();

// Where the diagnostic log goes, decided once per process.
struct LogPlace
{
    // A program in a folder of its own, started from a working folder it may write: "./log.txt",
    // emptied at every start. An installed program, or one started from a folder it may not
    // write: log.txt in the user's state folder, $XDG_STATE_HOME/quoran-wizard
    // (~/.local/state/quoran-wizard), made with mode 0700 on first use. "./log.txt" too when that
    // folder cannot be made.
    std::string path;
    // The previous run's log is kept as `path` + ".1" (the state folder's log).
    bool keepsPrevious = false;
};
LogPlace GetLogPlace();
