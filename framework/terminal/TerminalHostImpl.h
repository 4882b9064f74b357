// The inside of TerminalHost, shared by its sources: TerminalHost.cpp (the session, the event
// loops, timers, busy calls, message boxes) and the mirrors (one widget per window, Mirror.h).
#pragma once

#include "framework/HeldTicks.h"
#include "framework/terminal/Mirror.h"
#include "framework/terminal/TerminalHost.h"
#include "platform/Clock.h"

#include <final/final.h>

#include <atomic>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

// The toolkit's application object, which runs the event loop and calls `idle` on every pass.
class TerminalApplication : public finalcut::FApplication
{
public:
    TerminalApplication(const int& argc, char* argv[]) : finalcut::FApplication(argc, argv) {}

    std::function<void()> idle;
    // What the terminal shows, from the toolkit's virtual terminal.
    const finalcut::FVTerm::FTermArea* Screen() const { return getVirtualTerminal(); }

protected:
    void processExternalUserEvent() override
    {
        if (idle)
        {
            idle();
        }
    }
};

struct TerminalSession::Impl
{
    std::unique_ptr<TerminalApplication> app;
};

struct TerminalHost::Impl
{
    using Clock = platform::ProgramClock;

    struct Timer
    {
        CWnd* wnd;
        UINT_PTR id;
        Clock::duration elapse;
        Clock::time_point due;
    };

    TerminalApplication& app;
    std::unordered_map<const CWnd*, std::unique_ptr<termhost::Mirror>> mirrors;
    std::vector<Timer> timers;
    MessageBoxAnswerer answerer;
    // The conditions that end the event loops this host runs, innermost last; nullptr for a loop
    // of the toolkit's own (a message box), which the host never ends.
    std::vector<std::function<bool()>> loops;
    // The windows of ended sheets, deleted at the next safe point (never while one of their
    // widgets may be delivering the user's action).
    std::vector<finalcut::FWidget*> ended;

    // Timer ticks, held back while a busy call (RunBusy) is under way; Idle runs them after.
    HeldTicks ticks;

    explicit Impl(TerminalApplication& application) : app(application) {}

    termhost::Mirror* Find(const CWnd* wnd) const;
    // The mirror of the wizard's window that shows `wnd` (a sheet, or the sheet of a page or
    // control); nullptr when none.
    termhost::SheetMirror* SheetOf(const CWnd* wnd) const;

    void Create(CWnd& wnd);
    // After the user acted on a window: shows its state again, then handles the posted
    // messages.
    void AfterUserAction(const CWnd* wnd);

    // One pass of the toolkit's loop: due timers, held ticks, and the end of the loop the host
    // runs when its condition holds.
    void Idle();
    // Runs the toolkit's loop until `done` holds.
    void RunLoop(std::function<bool()> done);
    void FireDueTimers();
    void DeleteEnded();
};
