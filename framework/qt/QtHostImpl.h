// The inside of QtHost, shared by its sources: QtHost.cpp (windows, timers, modal loops, busy
// calls, message boxes) and the mirrors (one widget per window, Mirror.h).
#pragma once

#include "framework/qt/Mirror.h"
#include "framework/qt/QtHost.h"

#include <QFont>
#include <QObject>
#include <QStyle>

#include <map>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class QEventLoop;
class QTimer;

struct QtHost::Impl
{
    QFont font;
    // The font's own units until a sheet is made, then those fitted to the sheet's pages.
    BaseUnits units{};
    // Every mirror's widget draws with it; ~QtHost deletes the widgets before it goes.
    std::unique_ptr<QStyle> style;
    std::unordered_map<const CWnd*, std::unique_ptr<qthost::Mirror>> mirrors;
    std::map<std::pair<const CWnd*, UINT_PTR>, QTimer*> timers;
    std::vector<std::pair<CPropertySheet*, QEventLoop*>> modalLoops;
    std::vector<const CWnd*> sheets; // in creation order
    MessageBoxAnswerer answerer;

    // Busy calls (RunBusy) under way, and the timer ticks they hold back: one per timer, in the
    // order the timers first ticked, as Windows keeps one WM_TIMER per timer.
    int busyCalls = 0;
    std::vector<std::pair<CWnd*, UINT_PTR>> heldTicks;
    // The owner of queued calls that must not outlive the host.
    QObject context;

    qthost::Mirror* Find(const CWnd* wnd) const;

    // Makes the mirror of a new window, with the window's complete state.
    void Create(CWnd& wnd);
    // After the user acted on a window: shows its state again, then handles the posted
    // messages.
    void AfterUserAction(const CWnd* wnd);

    // A timer's tick: runs the window's OnTimer and the posted messages, or holds the tick back
    // while a busy call is under way.
    void Tick(CWnd& wnd, UINT_PTR nIDEvent);
    // Drops a held tick of a timer that is set again or killed.
    void DropHeldTick(const CWnd* wnd, UINT_PTR nIDEvent);
    // Runs the held ticks of the timers that still exist, once no busy call is under way.
    void RunHeldTicks();
};
