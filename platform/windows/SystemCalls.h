// For the files of this folder that build on the system's own calls: platform/win32.h without
// the names it gives to the program's versions (Sleep, _ftime, ...), so that those names are the
// system's here. Private to this folder.
#pragma once

#include "platform/win32.h"

#undef Sleep
#undef _ftime
#undef SetCommTimeouts
#undef GetModuleFileNameA
#undef WritePrivateProfileStringA
#undef CreateFileA
