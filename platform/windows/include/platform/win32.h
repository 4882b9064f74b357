// The Win32 API of the system, for the Windows build: the build puts this folder ahead of the
// tree on the include path, so that "platform/win32.h" is this header there and the POSIX one
// (platform/win32.h at the top of the tree) everywhere else. The wizard calls the real API;
// this header adds only what a Windows SDK keeps elsewhere and what the project builds on it.
//
// - The common controls (list views, wizard sheets) and the runtime's _ftime, which the POSIX
//   header declares beside the rest.
// - The ids of the application framework's resource header (IDC_STATIC, the wizard buttons).
// - Six calls that the project makes more of than the system does, each under its Win32 name as
//   <windows.h> maps names to their A and W forms. Their contracts are those of the POSIX header,
//   and each is the system's own call otherwise:
//     Sleep, _ftime, SetCommTimeouts  follow the program's clock (platform/Clock.h), so that a
//                                     test can run it faster (platform/posix/ClockTesting.h);
//     GetModuleFileNameA              answers for an installed program with the user's folder
//                                     (platform/windows/ProgramFolder.h), or with a test's
//                                     (platform/posix/ModuleFileTesting.h);
//     WritePrivateProfileStringA      collects a thread's writes while a platform::ProfileBatch
//                                     is open, and replaces the file whole under its lock;
//     CreateFileA                     tells the port failure trace (platform/PortAccess.h) why a
//                                     COM port did not open.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <sys/timeb.h>

// The application framework's resource ids (an MFC resource header has them).
#define IDC_STATIC (-1)
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

namespace platform
{
void WINAPI ProgramSleep(DWORD dwMilliseconds);
void ProgramFtime(struct _timeb* timeptr);
BOOL WINAPI ProgramSetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts);
DWORD WINAPI ProgramGetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
BOOL WINAPI ProgramWritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                              LPCSTR lpFileName);
HANDLE WINAPI ProgramCreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                 LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                 DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                 HANDLE hTemplateFile);
} // namespace platform

#undef _ftime
#define Sleep platform::ProgramSleep
#define _ftime platform::ProgramFtime
#define SetCommTimeouts platform::ProgramSetCommTimeouts
#define GetModuleFileNameA platform::ProgramGetModuleFileNameA
#define WritePrivateProfileStringA platform::ProgramWritePrivateProfileStringA
#define CreateFileA platform::ProgramCreateFileA
