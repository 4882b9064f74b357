#include "tests/windows/PosixForTests.h"

#include <cstring>
#include <direct.h>
#include <io.h>

char* mkdtemp(char* pattern)
{
    const size_t length = std::strlen(pattern);
    if (length < 6 || std::strcmp(pattern + length - 6, "XXXXXX") != 0)
        return nullptr;
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        std::memcpy(pattern + length - 6, "XXXXXX", 6);
        if (_mktemp_s(pattern, length + 1) != 0)
            return nullptr;
        if (_mkdir(pattern) == 0)
            return pattern;
    }
    return nullptr;
}
