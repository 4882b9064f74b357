#include "framework/WindowTree.h"

#include "framework/Focus.h"
#include "framework/Host.h"
#include "framework/MessageQueue.h"
#include "framework/Timers.h"
#include "framework/WindowState.h"

#include <algorithm>

namespace
{
std::vector<std::unique_ptr<WindowState>> g_topLevel;

std::vector<std::unique_ptr<WindowState>>& SiblingsOf(const WindowState* ws)
{
    return ws->parent != nullptr ? ws->parent->children : g_topLevel;
}
} // namespace

namespace afx
{
void AddWindow(std::unique_ptr<WindowState> ws)
{
    SiblingsOf(ws.get()).push_back(std::move(ws));
}

void AnnounceWindow(WindowState* ws)
{
    ws->announced = true;
    if (Host* host = AfxGetHost())
    {
        host->WindowCreated(*ws->primary);
    }
}

void DestroyWindowState(WindowState* ws)
{
    while (!ws->children.empty())
    {
        DestroyWindowState(ws->children.back().get());
    }
    StopTimers(ws);
    Host* host = AfxGetHost();
    if (host != nullptr && ws->announced)
    {
        host->WindowDestroyed(*ws->primary);
    }
    PurgePosted(ws);
    DropFocus(ws);
    for (CWnd* wnd : ws->bound)
    {
        wnd->m_hWnd = nullptr;
    }
    ws->bound.clear();
    // The framework's own object of the window goes after the state that names it.
    std::unique_ptr<CWnd> owned = std::move(ws->ownedPrimary);
    auto& siblings = SiblingsOf(ws);
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [ws](const std::unique_ptr<WindowState>& p) { return p.get() == ws; });
    if (it != siblings.end())
    {
        siblings.erase(it);
    }
}
} // namespace afx
