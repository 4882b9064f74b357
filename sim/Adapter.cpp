#include "sim/Adapter.h"

#include "sim/Interpreter.h"
#include "sim/Presets.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <string_view>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace sim
{
namespace
{
using Clock = std::chrono::steady_clock;

// A command line longer than this is refused as a whole.
constexpr size_t kLongestLine = 1024;

// Noise a disturbed line produces: bytes a terminal never sends, none of them a line end.
const char kNoise[] = {'\xFF', '\x00', '\xFE', '\x80', '#', '\xFF', '\x7F', '~'};

// Bytes waiting to go out, not before `due`.
struct Chunk
{
    Clock::time_point due;
    std::string bytes;
    size_t sent = 0;
};

void CloseIfOpen(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}
} // namespace

struct Adapter::Impl
{
    Impl(const Preset& preset, const Options& startOptions)
        : options(startOptions), interpreter(preset, startOptions)
    {
    }
    ~Impl()
    {
        CloseIfOpen(master);
        CloseIfOpen(slave);
        CloseIfOpen(watch);
        CloseIfOpen(wake[0]);
        CloseIfOpen(wake[1]);
    }

    bool Open();
    void WatchDevice();
    void Run();
    void Serve();
    void Wake() const;
    void ReadCommands();
    void Receive(std::string_view bytes);
    void Receive(char c);
    void EndOfLine();
    void Queue(std::string bytes, Clock::time_point due);
    Clock::duration OnOwnClock(std::chrono::nanoseconds duration) const;
    void WriteDue();
    bool CountOpeners();
    bool WatchOpeners();
    void PeerGone();
    void CloseLine();
    void AwaitReading();

    const Options options;
    std::string path;
    int master = -1;
    // Our own descriptor on the slave: while it is open, the master never reads EIO (which it
    // would, without blocking, whenever the port is closed), and the line settings stay ours
    // until someone else changes them.
    int slave = -1;
    int watch = -1;         // inotify on the slave: others opening and closing the port
    int deviceWatch = -1;   // the slave's own watch; the folder's events only keep it apart
    int wake[2] = {-1, -1}; // a byte here makes the thread look at `stopping`/`hangUpWanted`
    int openers = 0;        // descriptors others hold on the slave, as far as inotify tells
    std::string line;       // the command line being typed
    bool lineTooLong = false;
    int linesSeen = 0;
    bool hangUpPending = false;
    std::deque<Chunk> output;
    bool outputBlocked = false; // the last write found the line full

    mutable std::mutex mutex; // guards what follows, read by the accessors
    std::condition_variable closed;
    Interpreter interpreter;
    std::vector<std::string> lines;
    bool stopping = false;
    bool hangUpWanted = false;
    bool hungUp = false;
    int users = 0; // `openers`, published once what a departed user left behind is gone
    std::thread thread;
};

bool Adapter::Impl::Open()
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return false;
    char name[128];
    if (ptsname_r(master, name, sizeof name) != 0)
        return false;
    path = name;
    slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0)
        return false;
    termios settings{};
    if (tcgetattr(slave, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    if (tcsetattr(slave, TCSANOW, &settings) != 0 || tcgetattr(master, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    if (tcsetattr(master, TCSANOW, &settings) != 0)
        return false;
    if (fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK) != 0)
        return false;
    WatchDevice();
    return pipe2(wake, O_NONBLOCK | O_CLOEXEC) == 0;
}

// Users are counted from the opens and closes of the device that inotify reports. inotify
// merges an event into the one queued right before it when the two are alike (inotify(7)), so
// two opens in a row (a user's and a refused second user's, before this thread reads them)
// would count as one, and the refused user's close would then look like the holder leaving.
// The device's folder is watched as well: every open or close of the device then queues the
// folder's event and the device's one after the other, no two events of the device are ever
// next to one another, and none is merged. Only the device's events are counted.
// Without inotify the adapter still serves; it only cannot tell when a user went away.
void Adapter::Impl::WatchDevice()
{
    watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0)
        return;
    const std::string folder = path.substr(0, path.rfind('/'));
    deviceWatch = inotify_add_watch(watch, path.c_str(), IN_OPEN | IN_CLOSE);
    if (deviceWatch < 0 || inotify_add_watch(watch, folder.c_str(), IN_OPEN | IN_CLOSE) < 0)
        CloseIfOpen(watch);
}

void Adapter::Impl::Wake() const
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = write(wake[1], &byte, 1);
}

void Adapter::Impl::Run()
{
    Serve();
    std::lock_guard lock(mutex);
    CloseLine();
}

void Adapter::Impl::Serve()
{
    for (;;)
    {
        {
            std::lock_guard lock(mutex);
            if (stopping || hangUpWanted)
                return;
        }
        // A user that does not read is not waited for.
        if (hangUpPending && (output.empty() || outputBlocked))
        {
            AwaitReading();
            return;
        }
        pollfd fds[3] = {{wake[0], POLLIN, 0}, {watch, POLLIN, 0}, {master, POLLIN, 0}};
        int timeoutMs = -1;
        if (!output.empty())
        {
            const auto wait =
                std::chrono::ceil<std::chrono::milliseconds>(output.front().due - Clock::now());
            if (wait.count() <= 0)
                fds[2].events |= POLLOUT;
            else
                timeoutMs = static_cast<int>(wait.count());
        }
        const int ready = poll(fds, 3, timeoutMs);
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[0].revents & POLLIN)
        {
            char drained[64];
            while (read(wake[0], drained, sizeof drained) > 0)
            {
            }
        }
        WatchOpeners();
        if (fds[2].revents & (POLLIN | POLLHUP | POLLERR))
            ReadCommands();
        WriteDue();
    }
}

// Reads the opens and closes inotify has queued so far; true when the count fell to nobody.
bool Adapter::Impl::CountOpeners()
{
    alignas(inotify_event) char buffer[4096];
    bool wentAway = false;
    for (;;)
    {
        const ssize_t got = read(watch, buffer, sizeof buffer);
        if (got <= 0)
            break;
        for (ssize_t at = 0; at < got;)
        {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->wd == deviceWatch && (event->mask & IN_OPEN))
                ++openers;
            if (event->wd == deviceWatch && (event->mask & IN_CLOSE) && openers > 0 &&
                --openers == 0)
            {
                wentAway = true;
                // A user that ended without giving the port back (a search cancelled midway)
                // leaves the terminal exclusive, which would keep every later user but root out.
                ioctl(slave, TIOCNXCL);
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return wentAway;
}

// Takes note of the opens and closes so far; true when the last user went away and nobody is
// there now. Called before input is handled and output written, so that what the previous user
// left behind is gone before anything of the next user's is looked at.
bool Adapter::Impl::WatchOpeners()
{
    const bool wentAway = CountOpeners();
    if (wentAway)
        PeerGone();
    std::lock_guard lock(mutex);
    users = openers;
    return wentAway && openers == 0;
}

// The last user closed the port: what it typed and what it was not given any more belongs to
// nobody. Input is kept when someone opened the port again in the meantime, as that may be
// the new user's command.
void Adapter::Impl::PeerGone()
{
    line.clear();
    lineTooLong = false;
    output.clear();
    tcflush(slave, TCIFLUSH);
    if (openers > 0)
        return;
    std::string drained;
    char buffer[4096];
    for (;;)
    {
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got > 0)
            drained.append(buffer, static_cast<size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    // A new user may have opened the port and typed while the old input was drained. Its open
    // is queued before its first byte is written, so it shows now, and what was drained may
    // be its command.
    CountOpeners();
    if (openers > 0)
        Receive(drained);
}

void Adapter::Impl::ReadCommands()
{
    char buffer[4096];
    for (;;)
    {
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got > 0)
        {
            // Bytes whose writer has closed the port since are nobody's command any more. A
            // new user's open is queued before its first byte, so with nobody there now the
            // bytes are a departed user's, late through the line.
            if (WatchOpeners() || (watch >= 0 && openers == 0))
                continue;
            Receive(std::string_view(buffer, static_cast<size_t>(got)));
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return;
    }
}

// Nothing is taken in once a hang-up is due.
void Adapter::Impl::Receive(std::string_view bytes)
{
    for (const char c : bytes)
    {
        if (hangUpPending)
            return;
        Receive(c);
    }
}

void Adapter::Impl::Receive(char c)
{
    if (c == '\n')
        return;
    if (!options.faults.silent && interpreter.Echo())
        Queue(std::string(1, c), Clock::now());
    if (c == '\r')
    {
        EndOfLine();
        return;
    }
    if (c == '\b' || c == '\x7F')
    {
        if (!line.empty())
            line.pop_back();
        return;
    }
    if (line.size() < kLongestLine)
        line += c;
    else
        lineTooLong = true;
}

void Adapter::Impl::EndOfLine()
{
    if (line.empty() && !lineTooLong)
        return;
    const std::string command = std::move(line);
    const bool refused = lineTooLong;
    line.clear();
    lineTooLong = false;
    ++linesSeen;

    const Faults& faults = options.faults;
    std::optional<std::string> reply;
    {
        std::lock_guard lock(mutex);
        lines.push_back(command);
        reply = interpreter.Execute(command, refused || linesSeen == faults.errorOnLine);
    }
    if (faults.floodBytes > 0 && linesSeen == 1)
        reply = "\r\n" + std::string(faults.floodBytes, 'X');
    if (reply && !reply->empty() && !faults.silent)
    {
        if (faults.garbage)
            reply->insert(0, kNoise, sizeof kNoise);
        Queue(std::move(*reply),
              Clock::now() + OnOwnClock(std::chrono::milliseconds(faults.replyDelayMs)));
    }
    if (faults.hangupAfterLines > 0 && linesSeen >= faults.hangupAfterLines)
        hangUpPending = true;
}

// How long `duration` of the adapter's clock lasts in real time.
Clock::duration Adapter::Impl::OnOwnClock(std::chrono::nanoseconds duration) const
{
    return duration / std::max(options.clockRate, 1);
}

void Adapter::Impl::Queue(std::string bytes, Clock::time_point due)
{
    // Output keeps its order: nothing overtakes a reply that waits for its delay.
    if (!output.empty() && output.back().due >= due)
        due = output.back().due;
    if (!output.empty() && output.back().due == due && output.back().sent == 0)
        output.back().bytes += bytes;
    else
        output.push_back(Chunk{due, std::move(bytes)});
}

void Adapter::Impl::WriteDue()
{
    outputBlocked = false;
    WatchOpeners();
    while (!output.empty() && output.front().due <= Clock::now())
    {
        Chunk& chunk = output.front();
        const ssize_t written =
            write(master, chunk.bytes.data() + chunk.sent, chunk.bytes.size() - chunk.sent);
        if (written < 0)
        {
            // EAGAIN: the user does not read; poll says when there is room again.
            if (errno == EAGAIN)
                outputBlocked = true;
            else if (errno != EINTR)
                output.clear();
            return;
        }
        chunk.sent += static_cast<size_t>(written);
        if (chunk.sent == chunk.bytes.size())
            output.pop_front();
    }
}

// Closing the master discards what the user has not read yet, and the last answer before a
// hang-up is part of the dialogue: give the user a moment to read it. Written bytes reach the
// user's queue a little later than the write, so the queue may look empty at first. The moment
// is one of the adapter's clock: a user whose clock runs as fast gets the hang-up at the same
// point of its dialogue.
void Adapter::Impl::AwaitReading()
{
    const auto nothingCame = OnOwnClock(std::chrono::milliseconds(100));
    const auto longest = OnOwnClock(std::chrono::seconds(2));
    const auto start = Clock::now();
    bool arrived = false;
    for (;;)
    {
        int unread = 0;
        if (ioctl(slave, FIONREAD, &unread) != 0)
            return;
        arrived = arrived || unread > 0;
        const auto waited = Clock::now() - start;
        if ((unread == 0 && (arrived || waited > nothingCame)) || waited > longest)
            return;
        {
            std::lock_guard lock(mutex);
            if (stopping || hangUpWanted)
                return;
        }
        pollfd woken{wake[0], POLLIN, 0};
        poll(&woken, 1, 5);
    }
}

void Adapter::Impl::CloseLine()
{
    CloseIfOpen(master);
    CloseIfOpen(slave);
    hungUp = true;
    closed.notify_all();
}

Adapter::Adapter(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

std::unique_ptr<Adapter> Adapter::Start(const Options& options)
{
    const Preset* preset = FindPreset(options.model);
    if (preset == nullptr)
        return nullptr;
    auto impl = std::make_unique<Impl>(*preset, options);
    if (!impl->Open())
        return nullptr;
    Impl* running = impl.get();
    running->thread = std::thread([running] { running->Run(); });
    return std::unique_ptr<Adapter>(new Adapter(std::move(impl)));
}

Adapter::~Adapter()
{
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->stopping = true;
    }
    m_impl->Wake();
    m_impl->thread.join();
}

const std::string& Adapter::DevicePath() const
{
    return m_impl->path;
}

bool Adapter::LinkAs(const std::string& linkPath) const
{
    // A new link under a temporary name, renamed over the old one: the path never dangles.
    const std::string temporary = linkPath + ".new";
    std::remove(temporary.c_str());
    if (symlink(m_impl->path.c_str(), temporary.c_str()) != 0)
        return false;
    if (std::rename(temporary.c_str(), linkPath.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> Adapter::ReceivedLines() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->lines;
}

std::map<std::string, std::string> Adapter::Settings() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->interpreter.Settings();
}

std::map<std::string, std::string> Adapter::StoredSettings() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->interpreter.StoredSettings();
}

void Adapter::HangUp()
{
    std::unique_lock lock(m_impl->mutex);
    m_impl->hangUpWanted = true;
    m_impl->Wake();
    m_impl->closed.wait(lock, [this] { return m_impl->hungUp; });
}

int Adapter::Users() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->users;
}

bool Adapter::HungUp() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->hungUp;
}
} // namespace sim
