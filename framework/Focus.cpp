#include "framework/Focus.h"

namespace
{
WindowState* g_focus = nullptr;
} // namespace

namespace afx
{
WindowState* FocusedWindow()
{
    return g_focus;
}

bool TakeFocus(WindowState* ws)
{
    if (g_focus == ws)
    {
        return false;
    }
    g_focus = ws;
    return true;
}

void DropFocus(WindowState* ws)
{
    if (g_focus == ws)
    {
        g_focus = nullptr;
    }
}
} // namespace afx
