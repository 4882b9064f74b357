// What a screen reader learns of the mirrors beyond what their Qt classes tell it.
#pragma once

#include <QAccessible>

class QWidget;

namespace qthost
{
// Gives `widget` the plain widget interface with `role` (a top-level QWidget would otherwise
// be a filler). Call it before anything asks for the widget's interface: Qt keeps the first.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// Tells a screen reader to read `widget` now: a page that offers nothing but its outcome.
void Announce(QWidget* widget);
} // namespace qthost
