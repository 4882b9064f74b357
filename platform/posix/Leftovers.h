// Files a process names after itself while it writes them, and removes or renames once they are
// whole: the profile's new content ("quoran.ini.new-<pid>-<n>"), the user folder's first copy of
// the profile (".quoran.ini.seed-<pid>-<n>"), a lock file on its way to its name
// ("LTMP.<pid>.<n>"). A process killed in between leaves such a file behind; whoever comes next
// removes it once that process is gone. Private to this folder.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform
{
// The process id in `entry` when it reads `prefix`, a decimal process id, `separator` and a
// decimal number; 0 otherwise.
pid_t LeftoverOwner(std::string_view entry, std::string_view prefix, char separator);

// Removes from `folder` every file that LeftoverOwner gives to a process that no longer exists.
// Files of live processes, this one's included, stay; a folder that cannot be read is passed
// over.
void RemoveLeftovers(const std::string& folder, std::string_view prefix, char separator);
} // namespace platform
