#include "framework/Timers.h"

#include "framework/Host.h"
#include "framework/MessageQueue.h"
#include "framework/WindowState.h"

#include <algorithm>

void AfxDispatchTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
    WindowState* ws = wnd.m_hWnd;
    if (ws == nullptr ||
        std::find(ws->timers.begin(), ws->timers.end(), nIDEvent) == ws->timers.end())
    {
        return;
    }
    afx::HandlerScope scope;
    ws->primary->WindowProc(WM_TIMER, nIDEvent, 0);
}

namespace afx
{
void StopTimers(WindowState* ws)
{
    for (auto& child : ws->children)
    {
        StopTimers(child.get());
    }
    std::vector<UINT_PTR> timers;
    timers.swap(ws->timers);
    if (Host* host = AfxGetHost())
    {
        for (UINT_PTR id : timers)
        {
            host->KillTimer(*ws->primary, id);
        }
    }
}
} // namespace afx
