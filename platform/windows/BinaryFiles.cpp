// Files, and the standard streams, in binary mode, as on Linux: the log, the profile and the
// programs' output carry exactly the bytes the wizard writes, a bare "\n" included, where the C
// runtime would write "\r\n" in its text mode.
//
// The runtime's start-up code sets its default file mode from the variable _fmode of the
// program, which MinGW's own library defines as text mode; this definition takes its place
// (the start-up code names it, so the linker takes it from this library, before MinGW's). The
// standard streams are open by then, so they change mode when the program's objects are made.
#include <cstdio>
#include <fcntl.h>
#include <io.h>

extern "C" int _fmode;
int _fmode = _O_BINARY;

namespace
{
struct StandardStreamsInBinary
{
    StandardStreamsInBinary()
    {
        _setmode(_fileno(stdin), _O_BINARY);
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
    }
} g_standardStreamsInBinary;
} // namespace
