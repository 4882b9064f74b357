#include "framework/headless/HeadlessHost.h"

#include "framework/MessageBox.h"

#include <algorithm>

namespace
{
// Windows fires timers no more often than this.
constexpr UINT kMinimumTimerElapse = 10;
// How often WaitUntil looks at its condition in real time (other threads may change it).
constexpr uint64_t kRealTimePoll = 50;
} // namespace

HeadlessHost::HeadlessHost(ClockMode mode) : m_mode(mode), m_start(platform::ProgramClock::now()) {}

HeadlessHost::~HeadlessHost()
{
    if (AfxGetHost() == this)
    {
        AfxSetHost(nullptr);
    }
}

void HeadlessHost::WindowCreated(CWnd& wnd)
{
    m_windows.push_back(&wnd);
}

void HeadlessHost::WindowDestroyed(CWnd& wnd)
{
    std::erase(m_windows, &wnd);
    std::erase_if(m_timers, [&wnd](const Timer& t) { return t.wnd == &wnd; });
}

void HeadlessHost::WindowChanged(CWnd&, WindowChange)
{
    ++m_changeCount;
}

void HeadlessHost::RunModal(CPropertySheet& sheet)
{
    while (sheet.IsOpen())
    {
        Driver* driver = GetDriver();
        if (driver != nullptr && driver->Step(sheet))
        {
            continue;
        }
        if (driver == nullptr)
        {
            ReportError("a modal sheet runs with nothing to drive it; it is cancelled");
        }
        if (sheet.IsOpen())
        {
            sheet.EndDialog(IDCANCEL);
        }
    }
}

void HeadlessHost::EndModal(CPropertySheet&) {}

void HeadlessHost::SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse)
{
    UINT elapse = std::max(nElapse, kMinimumTimerElapse);
    for (Timer& timer : m_timers)
    {
        if (timer.wnd == &wnd && timer.id == nIDEvent)
        {
            timer.elapse = elapse;
            timer.due = Now() + elapse;
            timer.order = m_timerOrder++;
            return;
        }
    }
    m_timers.push_back({&wnd, nIDEvent, elapse, Now() + elapse, m_timerOrder++});
}

void HeadlessHost::KillTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
    std::erase_if(m_timers,
                  [&wnd, nIDEvent](const Timer& t) { return t.wnd == &wnd && t.id == nIDEvent; });
}

int HeadlessHost::MessageBox(const std::string& text, const std::string& caption, UINT nType,
                             const std::string& details)
{
    int fallback = AfxUnattendedAnswer(nType);
    MessageBoxRecord record{text, caption, nType, fallback, false, details};
    if (m_answers.empty())
    {
        m_messageBoxes.push_back(record);
        ReportError("unexpected message box: \"" + text + "\"");
        return fallback;
    }
    int answer = m_answers.front();
    m_answers.pop_front();
    if (!AfxAnswerFits(nType, answer))
    {
        m_messageBoxes.push_back(record);
        ReportError("the queued answer " + std::to_string(answer) +
                    " does not fit the message box \"" + text + "\"");
        return fallback;
    }
    record.answer = answer;
    record.expected = true;
    m_messageBoxes.push_back(record);
    return answer;
}

void HeadlessHost::Wait(DWORD ms)
{
    RunUntil(Now() + ms);
}

void HeadlessHost::SetClockMode(ClockMode mode)
{
    if (mode == m_mode)
    {
        return;
    }
    // Timers keep their remaining time across the switch.
    uint64_t before = Now();
    m_mode = mode;
    if (mode == ClockMode::Virtual)
    {
        m_virtualNow = before;
    }
    else
    {
        m_start = platform::ProgramClock::now() - std::chrono::milliseconds(before);
    }
}

uint64_t HeadlessHost::Now() const
{
    if (m_mode == ClockMode::Virtual)
    {
        return m_virtualNow;
    }
    auto elapsed = platform::ProgramClock::now() - m_start;
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void HeadlessHost::AdvanceTime(DWORD ms)
{
    RunUntil(Now() + ms);
}

bool HeadlessHost::WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const uint64_t deadline = Now() + timeoutMs;
    for (;;)
    {
        AfxPumpMessages();
        if (condition())
        {
            return true;
        }
        uint64_t now = Now();
        if (now >= deadline)
        {
            return false;
        }
        // The condition is looked at again right after the next timer tick. On the virtual clock
        // nothing changes between ticks, so time jumps to it; in real time other threads may
        // change the condition meanwhile.
        uint64_t step = deadline - now;
        int64_t nextTimer = TimeToNextTimer();
        if (nextTimer >= 0)
        {
            step = std::min<uint64_t>(step, static_cast<uint64_t>(std::max<int64_t>(nextTimer, 1)));
        }
        if (m_mode == ClockMode::RealTime)
        {
            step = std::min<uint64_t>(step, kRealTimePoll);
        }
        RunUntil(now + step);
    }
}

bool HeadlessHost::HasTimer(const CWnd& wnd, UINT_PTR nIDEvent) const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [&wnd, nIDEvent](const Timer& t) {
        return t.wnd == &wnd && t.id == nIDEvent;
    });
}

int64_t HeadlessHost::TimeToNextTimer() const
{
    if (m_timers.empty())
    {
        return -1;
    }
    uint64_t now = Now();
    uint64_t due =
        std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
            return a.due < b.due;
        })->due;
    return due > now ? static_cast<int64_t>(due - now) : 0;
}

int HeadlessHost::NextDueTimer(uint64_t until) const
{
    int best = -1;
    for (size_t i = 0; i < m_timers.size(); ++i)
    {
        const Timer& t = m_timers[i];
        if (t.due > until)
        {
            continue;
        }
        if (best < 0 || t.due < m_timers[static_cast<size_t>(best)].due ||
            (t.due == m_timers[static_cast<size_t>(best)].due &&
             t.order < m_timers[static_cast<size_t>(best)].order))
        {
            best = static_cast<int>(i);
        }
    }
    return best;
}

void HeadlessHost::FireTimer(size_t index)
{
    Timer& timer = m_timers[index];
    timer.due += timer.elapse;
    if (m_mode == ClockMode::RealTime && timer.due <= Now())
    {
        // A late tick is not made up for, as Windows coalesces timer messages.
        timer.due = Now() + timer.elapse;
    }
    timer.order = m_timerOrder++;
    CWnd* wnd = timer.wnd;
    UINT_PTR id = timer.id;
    // The handler may set or kill timers; nothing of m_timers is used after this call.
    AfxDispatchTimer(*wnd, id);
}

void HeadlessHost::RunUntil(uint64_t until)
{
    for (;;)
    {
        int next = NextDueTimer(until);
        if (next < 0)
        {
            break;
        }
        uint64_t due = m_timers[static_cast<size_t>(next)].due;
        if (m_mode == ClockMode::Virtual)
        {
            m_virtualNow = std::max(m_virtualNow, due);
        }
        else if (const uint64_t now = Now(); due > now)
        {
            Sleep(static_cast<DWORD>(due - now));
        }
        FireTimer(static_cast<size_t>(next));
    }
    if (m_mode == ClockMode::Virtual)
    {
        m_virtualNow = std::max(m_virtualNow, until);
    }
    else
    {
        uint64_t now = Now();
        if (until > now)
        {
            Sleep(static_cast<DWORD>(until - now));
        }
    }
    AfxPumpMessages();
}

void HeadlessHost::ReportError(const std::string& error)
{
    m_errors.push_back(error);
    if (m_errorHandler)
    {
        m_errorHandler(error);
    }
}

void HeadlessHost::Reset()
{
    m_answers.clear();
    m_messageBoxes.clear();
    m_errors.clear();
    if (m_timers.empty())
    {
        m_virtualNow = 0;
    }
}
