// Test access to the save step of WritePrivateProfileStringA. Not for use by the wizard.
#pragma once

namespace platform
{
// Called once per replacement of a profile file, with the profile locked, after the new content
// is complete and flushed in its temporary file and before that file is named and renamed over
// the old one. Returning true lets the save go on; returning false makes it fail there exactly
// as a failed rename does (temporary gone, old file untouched, FALSE with ERROR_WRITE_FAULT).
// A hook that ends the process shows what a crash at that point leaves.
using ProfileSaveHook = bool (*)();

// Installs `hook` for the saves that follow; nullptr (the state at start-up) removes it.
void SetProfileSaveHookForTesting(ProfileSaveHook hook);
} // namespace platform
