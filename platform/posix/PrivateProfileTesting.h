// Test access to the save step of WritePrivateProfileStringA. Not for use by the wizard.
#pragma once

namespace platform
{
// Called once per save, after the new content is complete and flushed in its temporary file
// (`temporaryPath`, in the folder of the profile) and before that file is renamed over the old
// one. Returning true lets the save go on; returning false makes it fail there exactly as a
// failed rename does (temporary removed, old file untouched, FALSE with ERROR_WRITE_FAULT).
// A hook that ends the process leaves the temporary behind, as a crash at that point would.
using ProfileSaveHook = bool (*)(const char* temporaryPath);

// Installs `hook` for the saves that follow; nullptr (the state at start-up) removes it.
void SetProfileSaveHookForTesting(ProfileSaveHook hook);
} // namespace platform
