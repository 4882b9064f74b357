// The dialog base units of the Qt host. Windows computes them from the dialog font: x is the
// average width of the 52 letters A-Z and a-z, y the font's height (here the line spacing, as
// Qt lays out lines of text). The templates' dialog units
// were laid out for the classic dialog font, whose texts are narrow for their average letter;
// in a wider family (DejaVu Sans is one) a text would need more room than its rectangle gives.
// There the horizontal unit grows until every text fits, so that no text is clipped and every
// page keeps its proportions, only wider.
#pragma once

#include "framework/Host.h"
#include "framework/Resources.h"

#include <span>

class QFont;
class QFontMetrics;
class QString;
class QSize;
class QStyle;

namespace qthost
{
// The base units of a font, as Windows computes them (GdiGetCharDimensions).
BaseUnits FontBaseUnits(const QFont& font);

// FontBaseUnits, with x grown to the least value at which the text of every control of the
// templates fits its rectangle in this font and style (see TextFits). A text that would need
// more than half as much again as the font's own unit does not count: its template is wrong,
// and the window is not made huge for it.
BaseUnits FittingBaseUnits(const QFont& font, const QStyle& style,
                           std::span<const DialogTemplate* const> templates);

// The text of a control of this class and style fits `room` (its rectangle in pixels), drawn
// with these metrics in this style: a static's text wraps at word breaks within the rectangle
// and needs no more lines than its height holds (one line always counts as held); the text of
// a check box, a radio button or a push button stays on one line beside its indicator or within
// the button's margins. Controls without a text of their own always fit.
bool TextFits(ControlClass controlClass, DWORD style, const QString& text, QSize room,
              const QFontMetrics& metrics, const QStyle& qstyle);
} // namespace qthost
