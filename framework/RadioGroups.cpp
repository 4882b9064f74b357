#include "framework/RadioGroups.h"

#include "framework/ControlStyles.h"

#include "framework/WindowState.h"

namespace afx
{
bool IsRadioButton(const WindowState* ws)
{
    if (ws->kind != WindowKind::Button)
    {
        return false;
    }
    return IsRadioStyle(ws->style);
}

std::vector<WindowState*> RadioGroup(WindowState* ws, bool startsAtWs)
{
    std::vector<WindowState*> group;
    if (ws == nullptr || ws->parent == nullptr || !IsRadioButton(ws))
    {
        return group;
    }
    auto& siblings = ws->parent->children;
    size_t index = 0;
    while (siblings[index].get() != ws)
    {
        ++index;
    }
    size_t first = index;
    if (!startsAtWs)
    {
        while (first > 0 && (siblings[first]->style & WS_GROUP) == 0 &&
               IsRadioButton(siblings[first - 1].get()))
        {
            --first;
        }
    }
    group.push_back(siblings[first].get());
    for (size_t i = first + 1; i < siblings.size(); ++i)
    {
        WindowState* next = siblings[i].get();
        if (!IsRadioButton(next) || (next->style & WS_GROUP) != 0)
        {
            break;
        }
        group.push_back(next);
    }
    return group;
}
} // namespace afx
