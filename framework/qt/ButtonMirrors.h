// Push buttons, check boxes and radio buttons (the mirrors are made through Mirror.h).
#pragma once

class QPushButton;

namespace qthost
{
// The button is the default one while no push button that takes Enter has the focus: a sheet's
// Next and Finish (only one of them is shown at a time) and a page's BS_DEFPUSHBUTTON.
bool IsDefaultByStyle(const QPushButton& button);
} // namespace qthost
