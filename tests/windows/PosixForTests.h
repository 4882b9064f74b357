// What the suites take from POSIX and MinGW's runtime lacks, for their Windows build (every
// suite's sources see this header first).
#pragma once

#ifdef __cplusplus
extern "C"
{
#endif

    // Replaces the trailing XXXXXX of `pattern` so that it names a new folder, and makes it;
    // returns `pattern`, or NULL when no folder could be made.
    char* mkdtemp(char* pattern);

#ifdef __cplusplus
}
#endif
