// Threads, and waiting for their end.
#include "platform/posix/Errors.h"
#include "platform/posix/Handles.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <limits.h>
#include <mutex>
#include <pthread.h>

namespace
{
class ThreadObject final : public platform::HandleObject
{
public:
    void Finish()
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_ended.notify_all();
    }

    // True when the thread has ended within `milliseconds` (INFINITE waits for good).
    bool WaitForEnd(DWORD milliseconds)
    {
        std::unique_lock lock(m_mutex);
        if (milliseconds == INFINITE)
        {
            m_ended.wait(lock, [this] { return m_finished; });
            return true;
        }
        return m_ended.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                [this] { return m_finished; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_finished = false;
};

struct ThreadStart
{
    std::shared_ptr<ThreadObject> thread;
    LPTHREAD_START_ROUTINE routine;
    LPVOID parameter;
};

void* RunThread(void* argument)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(argument));
    start->routine(start->parameter);
    start->thread->Finish();
    return nullptr;
}

// On Windows the stack size asked for is only the first commit; the thread may grow to the
// default reserve. Here a stack cannot grow, so nothing less than the default is ever given.
size_t StackSizeFor(SIZE_T requested)
{
    size_t fallback = 8u << 20;
    pthread_attr_t fresh;
    if (pthread_attr_init(&fresh) == 0)
    {
        size_t size = 0;
        if (pthread_attr_getstacksize(&fresh, &size) == 0 && size > 0)
            fallback = size;
        pthread_attr_destroy(&fresh);
    }
    return std::max(
        {static_cast<size_t>(requested), fallback, static_cast<size_t>(PTHREAD_STACK_MIN)});
}

std::atomic<DWORD> g_nextThreadId{1};
} // namespace

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T dwStackSize,
                    LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                    DWORD dwCreationFlags, LPDWORD lpThreadId)
{
    if (lpStartAddress == nullptr || dwCreationFlags != 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto thread = std::make_shared<ThreadObject>();
    auto start = std::make_unique<ThreadStart>(ThreadStart{thread, lpStartAddress, lpParameter});
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    int result = pthread_attr_setstacksize(&attributes, StackSizeFor(dwStackSize));
    pthread_t id{};
    if (result == 0)
        result = pthread_create(&id, &attributes, RunThread, start.get());
    pthread_attr_destroy(&attributes);
    if (result != 0)
    {
        SetLastError(result == EINVAL ? static_cast<DWORD>(ERROR_INVALID_PARAMETER)
                                      : static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
        return nullptr;
    }
    start.release();
    if (lpThreadId)
        *lpThreadId = g_nextThreadId.fetch_add(1);
    return platform::RegisterHandle(std::move(thread));
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    const auto thread = platform::LookupHandle<ThreadObject>(hHandle);
    if (!thread)
        return WAIT_FAILED;
    return thread->WaitForEnd(dwMilliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
