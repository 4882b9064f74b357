// Timer ticks that fall due while a host runs busy work (Host::RunBusy) wait, as WM_TIMER waits
// behind a handler that runs on Windows: each timer's tick is held once, in the order the ticks
// fell due, and runs once the busy work has ended and the host calls RunHeld, after the messages
// the handler posted. A host drops a timer's held tick when the timer is set again or killed and
// all of a window's when the window ends, so a held tick never reaches a window that is gone.
#pragma once

#include "framework/Host.h"

#include <utility>
#include <vector>

class HeldTicks
{
public:
    // Busy work begins and ends; calls nest.
    void BeginBusy() { ++m_busyCalls; }
    void EndBusy() { --m_busyCalls; }
    bool Busy() const { return m_busyCalls > 0; }

    // Runs the tick now (AfxDispatchTimer, then the messages it posts), or holds it while busy.
    void Tick(CWnd& wnd, UINT_PTR nIDEvent);
    // The timer was set again or killed: its held tick is void.
    void Drop(const CWnd* wnd, UINT_PTR nIDEvent);
    // The window ends: its held ticks go.
    void DropWindow(const CWnd* wnd);
    // Runs the held ticks, oldest first, until none is left or busy work begins again.
    void RunHeld();

private:
    int m_busyCalls = 0;
    std::vector<std::pair<CWnd*, UINT_PTR>> m_ticks;
};
