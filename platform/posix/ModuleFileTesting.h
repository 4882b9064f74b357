// Test access to GetModuleFileNameA. Not for use by the wizard.
#pragma once

// Makes GetModuleFileNameA answer `folder` followed by "/" (on Windows "\\") and the
// executable's own file name, so that "the folder of the executable" (quoran.ini, dosdevices/)
// is a temporary folder of the test's own and parallel test processes never share one; nullptr (the
// state at start-up) restores the real path. Safe to call from any thread; takes effect for the
// next call.
void SetModuleFolderForTesting(const char* folder);
