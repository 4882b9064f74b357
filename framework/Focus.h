// The input focus: at most one window holds it. It moves only when a window takes it
// (CWnd::SetFocus); a window that is disabled or destroyed while holding it leaves nobody
// holding it.
#pragma once

struct WindowState;

namespace afx
{
// The window that holds the focus, or nullptr.
WindowState* FocusedWindow();
// Gives ws the focus; false (nothing changes) when it holds it already.
bool TakeFocus(WindowState* ws);
// Makes nobody hold the focus when ws holds it.
void DropFocus(WindowState* ws);
} // namespace afx
