// The tree of windows. Each window's state is owned by its parent's state, in creation (tab)
// order; a window without a parent (a sheet) belongs to the list of top-level windows. The host
// hears of a window once its initial state is complete (AnnounceWindow) and hears of its end,
// children first, when it is destroyed. A destroyed window leaves nothing behind: no timer, no
// posted message, no focus, and every object that was bound to it is unbound.
#pragma once

#include <memory>

struct WindowState;

namespace afx
{
// Puts a new window into the tree: at the end of its parent's children (ws->parent), or among
// the top-level windows when it has no parent.
void AddWindow(std::unique_ptr<WindowState> ws);
// Tells the host that the window exists, with its complete initial state.
void AnnounceWindow(WindowState* ws);
// Destroys a window with its children (see CWnd::DestroyWindow).
void DestroyWindowState(WindowState* ws);
} // namespace afx
