// A profile of `sections` configurations named Config0, Config1, ... with 53 keys each, in a
// temporary folder of its own that goes with the object.
#pragma once

#include "tests/support/TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

class BenchProfile
{
public:
    explicit BenchProfile(int sections)
    {
        std::ofstream out(m_path, std::ios::binary);
        for (int s = 0; s < sections; ++s)
        {
            out << "[Config" << s << "]\r\n";
            for (int k = 0; k < 53; ++k)
                out << "Key" << k << "=" << (s + k) % 1000 << "\r\n";
        }
        m_bytes = static_cast<int64_t>(std::filesystem::file_size(m_path));
    }

    const char* Path() const { return m_path.c_str(); }
    int64_t Bytes() const { return m_bytes; }

private:
    testing_support::TempFolder m_folder;
    std::string m_path = m_folder.File("quoran.ini");
    int64_t m_bytes = 0;
};
