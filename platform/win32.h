// The subset of the Win32 API that the wizard calls, with Win32 names, types and constants.
// On Windows this header would only include <windows.h>; here the functions are implemented on
// POSIX by the files of this folder. Every function reports failure the Win32 way: a FALSE,
// INVALID_HANDLE_VALUE or zero result, with the reason in GetLastError().
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int INT;
typedef unsigned int UINT;
typedef char CHAR;
typedef size_t SIZE_T;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef void* HANDLE;
typedef void* HMODULE;
typedef void* HICON;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef DWORD* LPDWORD;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define MAX_PATH 260
#define MAXDWORD 0xFFFFFFFFu
#define INFINITE 0xFFFFFFFFu
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)))

// ---------------------------------------------------------------------------------------------
// Error codes and messages
// ---------------------------------------------------------------------------------------------

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_WRITE_FAULT 29L
#define ERROR_READ_FAULT 30L
#define ERROR_GEN_FAILURE 31L
#define ERROR_SHARING_VIOLATION 32L
#define ERROR_NOT_SUPPORTED 50L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_SEM_TIMEOUT 121L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MORE_DATA 234L
#define ERROR_OPERATION_ABORTED 995L
#define ERROR_IO_DEVICE 1117L

#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define LANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define MAKELANGID(p, s) ((static_cast<WORD>(s) << 10) | static_cast<WORD>(p))

DWORD GetLastError();
void SetLastError(DWORD error);

// Writes the English system text of `dwMessageId` (with its trailing CR LF, as Windows does)
// into lpBuffer; returns its length, or 0 with ERROR_INVALID_PARAMETER for an unknown code or
// flags other than FROM_SYSTEM/IGNORE_INSERTS, or ERROR_INSUFFICIENT_BUFFER when nSize is short.
DWORD FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                     LPSTR lpBuffer, DWORD nSize, void* Arguments);

// ---------------------------------------------------------------------------------------------
// Strings (ASCII case rules)
// ---------------------------------------------------------------------------------------------

// Compares ignoring ASCII letter case: < 0, 0, > 0.
int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);
// Upper-cases ASCII letters in place; returns lpsz.
LPSTR CharUpperA(LPSTR lpsz);

// ---------------------------------------------------------------------------------------------
// Process, threads, time
// ---------------------------------------------------------------------------------------------

// hModule must be NULL (the running executable). Returns the length copied; when the path does
// not fit, copies nSize-1 characters and a NUL, returns nSize and sets ERROR_INSUFFICIENT_BUFFER.
// For an installed program (its folder not writable by the user, or the shipped data beside it)
// the path names the executable inside the user's folder $XDG_CONFIG_HOME/quoran-wizard instead,
// so that the files kept "beside the executable" are the user's own (platform/posix/
// ProgramFolder.h).
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

typedef struct _SECURITY_ATTRIBUTES SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;
typedef DWORD(WINAPI* LPTHREAD_START_ROUTINE)(LPVOID lpThreadParameter);

// Starts a detached thread at once. dwStackSize is a minimum commit, as on Windows: the thread
// never gets less than the platform's default stack. lpThreadId may be NULL.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, SIZE_T dwStackSize,
                    LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                    DWORD dwCreationFlags, LPDWORD lpThreadId);

#define WAIT_OBJECT_0 0x00000000u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu
// Waits for a thread handle to end (the wizard never waits; tests do).
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// Sleep, _ftime and the COM port time-outs below follow the program's clock (platform/Clock.h):
// the monotonic clock, so that a change of the wall clock can neither stretch nor cut an exchange.
void Sleep(DWORD dwMilliseconds);

// The runtime library's time with milliseconds; `time` counts seconds from an arbitrary origin
// and is never 0.
struct _timeb
{
    int32_t time;
    uint16_t millitm;
    int16_t timezone;
    int16_t dstflag;
};
void _ftime(struct _timeb* timeptr);

// Closes a port (unlocked at once unless another thread is still inside a call on it, then when
// that call returns) or forgets a thread handle (the thread runs on). ERROR_INVALID_HANDLE for a
// handle that is not open.
BOOL CloseHandle(HANDLE hObject);

// ---------------------------------------------------------------------------------------------
// Files and serial communications
// ---------------------------------------------------------------------------------------------

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define OPEN_EXISTING 3
#define FILE_ATTRIBUTE_NORMAL 0x00000080

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

// Opens "\\.\COMn" (n from 1). The port resolves through the link dosdevices/comN beside the
// executable when that folder exists, otherwise through the default numbering over
// /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*. A missing port fails with ERROR_FILE_NOT_FOUND, a port
// already open (here or in another process) with ERROR_ACCESS_DENIED; never blocks. A name that
// is not "\\.\COMn", and a link that leads to something other than a terminal, fail with
// ERROR_FILE_NOT_FOUND.
HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);

#define NOPARITY 0
#define ODDPARITY 1
#define EVENPARITY 2
#define MARKPARITY 3
#define SPACEPARITY 4
#define ONESTOPBIT 0
#define ONE5STOPBITS 1
#define TWOSTOPBITS 2

#define CBR_300 300
#define CBR_1200 1200
#define CBR_2400 2400
#define CBR_4800 4800
#define CBR_9600 9600
#define CBR_14400 14400
#define CBR_19200 19200
#define CBR_38400 38400
#define CBR_57600 57600
#define CBR_115200 115200

#define DTR_CONTROL_DISABLE 0x00
#define DTR_CONTROL_ENABLE 0x01
#define DTR_CONTROL_HANDSHAKE 0x02
#define RTS_CONTROL_DISABLE 0x00
#define RTS_CONTROL_ENABLE 0x01
#define RTS_CONTROL_HANDSHAKE 0x02
#define RTS_CONTROL_TOGGLE 0x03

typedef struct _DCB
{
    DWORD DCBlength;
    DWORD BaudRate;
    DWORD fBinary : 1;
    DWORD fParity : 1;
    DWORD fOutxCtsFlow : 1;
    DWORD fOutxDsrFlow : 1;
    DWORD fDtrControl : 2;
    DWORD fDsrSensitivity : 1;
    DWORD fTXContinueOnXoff : 1;
    DWORD fOutX : 1;
    DWORD fInX : 1;
    DWORD fErrorChar : 1;
    DWORD fNull : 1;
    DWORD fRtsControl : 2;
    DWORD fAbortOnError : 1;
    DWORD fDummy2 : 17;
    WORD wReserved;
    WORD XonLim;
    WORD XoffLim;
    BYTE ByteSize;
    BYTE Parity;
    BYTE StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    WORD wReserved1;
} DCB, *LPDCB;

typedef struct _COMMTIMEOUTS
{
    DWORD ReadIntervalTimeout;
    DWORD ReadTotalTimeoutMultiplier;
    DWORD ReadTotalTimeoutConstant;
    DWORD WriteTotalTimeoutMultiplier;
    DWORD WriteTotalTimeoutConstant;
} COMMTIMEOUTS, *LPCOMMTIMEOUTS;

typedef struct _COMSTAT
{
    DWORD fCtsHold : 1;
    DWORD fDsrHold : 1;
    DWORD fRlsdHold : 1;
    DWORD fXoffHold : 1;
    DWORD fXoffSent : 1;
    DWORD fEof : 1;
    DWORD fTxim : 1;
    DWORD fReserved : 25;
    DWORD cbInQue;
    DWORD cbOutQue;
} COMSTAT, *LPCOMSTAT;

#define PURGE_TXABORT 0x0001
#define PURGE_RXABORT 0x0002
#define PURGE_TXCLEAR 0x0004
#define PURGE_RXCLEAR 0x0008

#define SETXOFF 1
#define SETXON 2
#define SETRTS 3
#define CLRRTS 4
#define SETDTR 5
#define CLRDTR 6
#define SETBREAK 8
#define CLRBREAK 9

#define CE_RXOVER 0x0001
#define CE_OVERRUN 0x0002
#define CE_RXPARITY 0x0004
#define CE_FRAME 0x0008
#define CE_BREAK 0x0010
#define CE_TXFULL 0x0100

#define EV_RXCHAR 0x0001
#define EV_TXEMPTY 0x0004
#define EV_CTS 0x0008
#define EV_DSR 0x0010
#define EV_RLSD 0x0020
#define EV_ERR 0x0080

// The port functions below fail with ERROR_INVALID_HANDLE on a handle that is not an open port,
// and with ERROR_GEN_FAILURE once the device has gone away (unplugged, the pseudo-terminal's other
// side closed); a failed call leaves the port's settings as they were.
// SetCommState: ERROR_INVALID_PARAMETER for a rate other than 110, 300, 600, 1200, 1800, 2400,
// 4800, 9600, 19200, 38400, 57600, 115200, 230400, for data bits outside 5..8, parity or stop
// bits out of range, 1.5 stop bits without 5 data bits or 2 with 5, or equal XON/XOFF characters
// with XON/XOFF flow; ERROR_NOT_SUPPORTED for DSR flow or sensitivity, DTR handshake, RTS toggle,
// error-character replacement, null stripping and abort-on-error. GetCommState shows the fields
// the line cannot hold as they were last set.
// EscapeCommFunction: ERROR_NOT_SUPPORTED where the device has no modem lines (a pseudo-terminal).
// ReadFile/WriteFile: synchronous only (lpOverlapped NULL); they follow COMMTIMEOUTS as Windows
// does, and a time-out is a success with the count transferred. FlushFileBuffers gives up with
// ERROR_SEM_TIMEOUT when the output queue has not shrunk for 2 s.
BOOL SetupComm(HANDLE hFile, DWORD dwInQueue, DWORD dwOutQueue);
BOOL PurgeComm(HANDLE hFile, DWORD dwFlags);
BOOL SetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts);
BOOL GetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts);
BOOL EscapeCommFunction(HANDLE hFile, DWORD dwFunc);
BOOL GetCommState(HANDLE hFile, LPDCB lpDCB);
BOOL SetCommState(HANDLE hFile, LPDCB lpDCB);
BOOL SetCommMask(HANDLE hFile, DWORD dwEvtMask);
BOOL ClearCommError(HANDLE hFile, LPDWORD lpErrors, LPCOMSTAT lpStat);
BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
              LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped);
BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
               LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped);
BOOL FlushFileBuffers(HANDLE hFile);

// ---------------------------------------------------------------------------------------------
// Private profile (INI) files
// ---------------------------------------------------------------------------------------------

// The line rules are in platform/posix/PrivateProfileText.h. Every call reads the file afresh.
//
// GetPrivateProfileStringA: the value of lpKeyName in section lpAppName (both trimmed, ASCII
// case ignored), else lpDefault without its trailing spaces (NULL: empty). A value longer than
// nSize-1 is cut to nSize-1 characters and a NUL; the result is the length copied.
// lpAppName NULL: every section name; lpKeyName NULL: every key of the section. A list is its
// names, each with its NUL, then a final NUL, and the result its length without the final NUL;
// when it does not fit with room to spare the last name is cut, the buffer ends with two NULs
// and the result is nSize-2 (so a list exactly as long as the buffer also counts as cut).
// nSize 0 (or a NULL buffer) writes nothing and returns 0; nSize 1 gives "" and 0; nSize 2 gives
// an empty list and 0. Last error: ERROR_SUCCESS; ERROR_MORE_DATA when cut; when the file
// cannot be read (it then reads as empty, so the default comes back): ERROR_FILE_NOT_FOUND,
// ERROR_ACCESS_DENIED (no permission, or not a regular file), ERROR_NOT_ENOUGH_MEMORY (over
// 64 MiB) or ERROR_READ_FAULT.
DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
// Sets lpKeyName to lpString in section lpAppName (creating the file, the section or the key as
// needed); lpString NULL removes the key, lpKeyName NULL removes the section. Returns TRUE when
// the file holds the change (or needed none). Returns FALSE with the file untouched:
// ERROR_INVALID_PARAMETER for a NULL section or file name, a blank section or key, a section
// with ']', a key with '=' or starting with ';' or '[', or line breaks in any of them;
// ERROR_PATH_NOT_FOUND (no such folder), ERROR_ACCESS_DENIED (file or folder not writable, a
// file without any write permission bit even for root, file unreadable or not a regular file),
// ERROR_NOT_ENOUGH_MEMORY (file over 64 MiB), ERROR_READ_FAULT or ERROR_WRITE_FAULT (disk full,
// write failed). Each write reads, changes and replaces the file under a lock that all writers
// (threads and processes) take, so none loses another's change; the new content replaces the
// old file only once complete and flushed, and a crash leaves the old file and nothing beside
// it. Links, mode and owner: platform/posix/PrivateProfileStore.h. Several writes as one
// replacement: platform/ProfileBatch.h.
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName);
// GetPrivateProfileStringA(NULL, NULL, NULL, lpszReturnBuffer, nSize, lpFileName).
DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName);

// ---------------------------------------------------------------------------------------------
// User-interface constants (window styles, messages, message boxes), as <windows.h> has them.
// The application framework implements the windows; only the numbers live here.
// ---------------------------------------------------------------------------------------------

// Window geometry and visibility.
typedef struct tagRECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

// Window and control styles.
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L

#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_ICON 0x00000003L
#define SS_BITMAP 0x0000000EL
#define SS_ETCHEDHORZ 0x00000010L

#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_TYPEMASK 0x0000000FL

#define ES_LEFT 0x0000L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L
#define ES_NUMBER 0x2000L

#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_SORT 0x0100L

#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L

#define LVS_REPORT 0x0001
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008

// Control states and list-view items.
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002

#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002
#define LVIF_TEXT 0x0001
#define LVIF_STATE 0x0008
#define LVNI_ALL 0x0000
#define LVNI_SELECTED 0x0002

#define LB_ERR (-1)
#define CB_ERR (-1)

// Dialog and control ids.
#define IDC_STATIC (-1)
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7
#define IDHELP 9

// Message boxes.
#define MB_OK 0x00000000L
#define MB_YESNO 0x00000004L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFMASK 0x00000F00L

// Messages and notifications. A notification record names its control by a window handle; the
// application framework's handles are its own window objects.
typedef uintptr_t DWORD_PTR;
typedef intptr_t INT_PTR;
typedef struct HWND__* HWND;

typedef struct tagPOINT
{
    LONG x;
    LONG y;
} POINT;

typedef struct tagNMHDR
{
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
} NMHDR, *LPNMHDR;

typedef struct tagNMLISTVIEW
{
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
} NMLISTVIEW, *LPNMLISTVIEW;

#define MAKEWPARAM(l, h)                                                                           \
    (static_cast<WPARAM>(static_cast<DWORD>(static_cast<WORD>(l)) |                                \
                         (static_cast<DWORD>(static_cast<WORD>(h)) << 16)))
#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD_PTR>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD_PTR>(l) >> 16) & 0xFFFF))

#define WM_SETTEXT 0x000C
#define WM_CLOSE 0x0010
#define WM_NOTIFY 0x004E
#define WM_SETICON 0x0080
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_USER 0x0400
#define ICON_SMALL 0
#define ICON_BIG 1

#define BN_CLICKED 0
#define EN_CHANGE 0x0300
#define CBN_SELCHANGE 1
#define LBN_SELCHANGE 1
#define LVN_FIRST (0U - 100U)
#define LVN_ITEMCHANGED (LVN_FIRST - 1)

// Wizard property sheets and their buttons. The sheet's header has the fields the framework
// uses; Windows' has more after them.
typedef struct _PROPSHEETHEADER
{
    DWORD dwSize;
    DWORD dwFlags;
} PROPSHEETHEADER;

#define PSM_SETWIZBUTTONS (WM_USER + 112)
#define PSWIZB_BACK 0x00000001
#define PSWIZB_NEXT 0x00000002
#define PSWIZB_FINISH 0x00000004
#define PSWIZB_DISABLEDFINISH 0x00000008
#define PSH_WIZARD 0x00000020
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025
