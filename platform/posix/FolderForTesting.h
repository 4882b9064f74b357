// A folder that a test puts in place of one the program works out for itself (the executable's,
// the COM ports'). Safe to set and read from any thread. Keep each in a Lasting object of a type
// of its own (Lasting.h), as workers may read it while the program ends.
#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace platform
{
class FolderForTesting
{
public:
    // nullptr: none, the program's own answer again.
    void Set(const char* folder)
    {
        std::lock_guard lock(m_mutex);
        if (folder != nullptr)
            m_folder = folder;
        else
            m_folder.reset();
    }
    std::optional<std::string> Get() const
    {
        std::lock_guard lock(m_mutex);
        return m_folder;
    }

private:
    mutable std::mutex m_mutex;
    std::optional<std::string> m_folder; // guarded by the mutex
};
} // namespace platform
