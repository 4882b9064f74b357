// Radio groups, as Windows forms them from a dialog's controls: a group is a run of radio buttons
// that follow each other among their parent's children, starting at a button with WS_GROUP (or
// after any other control) and ending before the next WS_GROUP control or non-radio control.
#pragma once

#include <vector>

struct WindowState;

namespace afx
{
// A button of style BS_RADIOBUTTON or BS_AUTORADIOBUTTON.
bool IsRadioButton(const WindowState* ws);
// The radio buttons of the group that contains ws, in template order; with startsAtWs, the
// group is taken to start at ws itself (DDX_Radio names a group by its first button). Empty
// when ws is no radio button or has no parent.
std::vector<WindowState*> RadioGroup(WindowState* ws, bool startsAtWs);
} // namespace afx
