// Which folder stands for "the folder of the executable" on Windows, where the wizard keeps
// quoran.ini. Private to this folder: GetModuleFileNameA (platform/win32.h) answers with it.
//
// A program run from a folder its user may write (a portable copy beside its quoran.ini) keeps
// its files there, as the original program did. An installed program does not own its folder:
// the folder is not writable by the user (Program Files), or the installer's uninstaller stands
// beside the program, which also keeps an administrator's runs of an installed copy out of
// Program Files. Such a program keeps its files in the user's own folder,
// %APPDATA%\QUORAN Configuration Wizard, made on first use; when that folder holds no
// quoran.ini, the one beside the program (the factory profile) is copied there, never over an
// existing file. When the user's folder cannot be made, the executable's folder stays the answer
// and saves fail there as they would have.
#pragma once

#include <string>

namespace platform
{
// The name of the uninstaller that the installer puts beside the programs.
inline constexpr char kUninstallerName[] = "uninstall.exe";
// The name of the user's folder inside %APPDATA%.
inline constexpr char kUserFolderName[] = "QUORAN Configuration Wizard";

// The folder that stands for `executableFolder` under the rules above, creating and seeding the
// user's folder (inside `appData`, the user's application data folder; "" for none) when it is
// the answer.
std::string ChooseProgramFolder(const std::string& executableFolder, const std::string& appData);

// ChooseProgramFolder for this process, worked out once on the first call; "" when the
// executable's path cannot be read.
const std::string& ProgramFolder();
} // namespace platform
