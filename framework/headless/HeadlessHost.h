// A host without a screen, for unit tests and scripts. It keeps a list of the live windows (the
// framework owns their state; read it through CWnd), runs timers on a virtual clock (tests) or
// on real time (scripts), answers message boxes from a queue and logs every one of them.
//
// Virtual clock: time stands still until AdvanceTime (or Wait) moves it; due timers then fire
// in time order (equal times in the order they were set), each tick followed by the posted
// messages. Real time: Wait sleeps and fires the timers when they are due.
//
// Errors (a message box with no queued answer, an answer that does not fit the box, a modal
// loop with nothing to drive it, a SheetController action that a user could not do) go to the
// error handler; without one they are only collected (Errors()).
#pragma once

#include "framework/Host.h"
#include "framework/PropertySheet.h"
#include "platform/Clock.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class HeadlessHost : public Host
{
public:
    enum class ClockMode
    {
        Virtual,
        RealTime, // the program's clock (platform/Clock.h), which the serial layer's waits follow
    };

    struct MessageBoxRecord
    {
        std::string text;
        std::string caption;
        UINT type;     // MB_ flags as passed
        int answer;    // what the box returned
        bool expected; // the answer came from the queue
        std::string details;
    };

    explicit HeadlessHost(ClockMode mode = ClockMode::Virtual);
    ~HeadlessHost() override;

    // Host
    BaseUnits GetBaseUnits() const override { return {6, 13}; }
    void WindowCreated(CWnd& wnd) override;
    void WindowDestroyed(CWnd& wnd) override;
    void WindowChanged(CWnd& wnd, WindowChange what) override;
    // Calls the driver's steps until the sheet ends. When there is no driver, or the driver is
    // done while the sheet is still open, the sheet is ended as Cancel would (an error without a
    // driver).
    void RunModal(CPropertySheet& sheet) override;
    void EndModal(CPropertySheet& sheet) override;
    void SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse) override;
    void KillTimer(CWnd& wnd, UINT_PTR nIDEvent) override;
    // The next queued answer; without one an error, answered IDOK (MB_OK) or IDNO (MB_YESNO).
    int MessageBox(const std::string& text, const std::string& caption, UINT nType,
                   const std::string& details) override;
    // Virtual clock: AdvanceTime(ms). Real time: sleeps ms, firing timers when due.
    void Wait(DWORD ms) override;

    // Clock
    ClockMode GetClockMode() const { return m_mode; }
    void SetClockMode(ClockMode mode);
    // Milliseconds since the host was made (virtual: the time advanced so far).
    uint64_t Now() const;
    // Moves time on by ms, firing every timer that falls due on the way (repeatedly for
    // periodic timers), each followed by the posted messages.
    void AdvanceTime(DWORD ms);
    // Lets time pass (as Wait does) until condition() holds, checking it before each timer
    // tick and at least every 50 ms of real time; false when timeoutMs passed first.
    bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
    bool HasTimer(const CWnd& wnd, UINT_PTR nIDEvent) const;
    size_t TimerCount() const { return m_timers.size(); }
    // Milliseconds until the next timer is due; -1 when no timer is set.
    int64_t TimeToNextTimer() const;

    // Message boxes
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    size_t PendingAnswers() const { return m_answers.size(); }
    void ClearAnswers() { m_answers.clear(); }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    void ClearMessageBoxes() { m_messageBoxes.clear(); }

    // Errors
    using ErrorHandler = std::function<void(const std::string& error)>;
    void SetErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }
    void ReportError(const std::string& error);
    const std::vector<std::string>& Errors() const { return m_errors; }

    // The live windows (primary objects), in creation order.
    const std::vector<CWnd*>& Windows() const { return m_windows; }
    // The number of WindowChanged calls so far (all windows, all kinds).
    size_t ChangeCount() const { return m_changeCount; }

    // Forgets queued answers, the message-box log and the errors; the virtual clock returns to 0
    // when no timer is set.
    void Reset();

private:
    struct Timer
    {
        CWnd* wnd;
        UINT_PTR id;
        UINT elapse;
        uint64_t due;
        uint64_t order;
    };
    // The index of the first timer due at or before `until`, or -1.
    int NextDueTimer(uint64_t until) const;
    void FireTimer(size_t index);
    void RunUntil(uint64_t until);

    ClockMode m_mode;
    uint64_t m_virtualNow = 0;
    platform::ProgramClock::time_point m_start;
    std::vector<Timer> m_timers;
    uint64_t m_timerOrder = 0;
    std::deque<int> m_answers;
    std::vector<MessageBoxRecord> m_messageBoxes;
    ErrorHandler m_errorHandler;
    std::vector<std::string> m_errors;
    std::vector<CWnd*> m_windows;
    size_t m_changeCount = 0;
};
