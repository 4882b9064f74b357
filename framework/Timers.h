// Window timers. The ids a window has set live in its state (CWnd::SetTimer, CWnd::KillTimer);
// the host keeps the time and calls AfxDispatchTimer on every tick. A tick for an id the window
// no longer has is ignored, so a timer stopped while its tick was on the way never runs.
#pragma once

struct WindowState;

namespace afx
{
// Stops the timers of ws and of every window inside it (children before their parent), with
// the host: when a sheet ends, and for each window that is destroyed. Afterwards no window of
// that part of the tree has a timer.
void StopTimers(WindowState* ws);
} // namespace afx
