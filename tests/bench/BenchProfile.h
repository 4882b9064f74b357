// A profile of `sections` configurations named Config0, Config1, ... with 53 keys each, in a
// folder of its own under /tmp that goes with the object.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class BenchProfile
{
public:
    explicit BenchProfile(int sections)
    {
        char pattern[] = "/tmp/profile-bench-XXXXXX";
        m_folder = mkdtemp(pattern);
        m_path = m_folder + "/quoran.ini";
        std::ofstream out(m_path, std::ios::binary);
        for (int s = 0; s < sections; ++s)
        {
            out << "[Config" << s << "]\r\n";
            for (int k = 0; k < 53; ++k)
                out << "Key" << k << "=" << (s + k) % 1000 << "\r\n";
        }
        m_bytes = static_cast<int64_t>(std::filesystem::file_size(m_path));
    }
    ~BenchProfile() { std::filesystem::remove_all(m_folder); }

    const char* Path() const { return m_path.c_str(); }
    int64_t Bytes() const { return m_bytes; }

private:
    std::string m_folder;
    std::string m_path;
    int64_t m_bytes = 0;
};
