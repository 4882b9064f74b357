// The inside of QtHost, shared by its sources: QtHost.cpp (windows, timers, modal loops, busy
// calls, message boxes) and the mirrors (one widget per window, Mirror.h).
#pragma once

#include "framework/HeldTicks.h"
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

    // Timer ticks, held back while a busy call (RunBusy) is under way.
    HeldTicks ticks;
    // The owner of queued calls that must not outlive the host.
    QObject context;

    qthost::Mirror* Find(const CWnd* wnd) const;

    // Makes the mirror of a new window, with the window's complete state.
    void Create(CWnd& wnd);
    // After the user acted on a window: shows its state again, then handles the posted
    // messages.
    void AfterUserAction(const CWnd* wnd);
};
