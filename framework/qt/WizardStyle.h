// The look of the wizard's widgets where the desktop style would mislead a Windows user. Fusion
// (Qt's style on a plain X desktop) outlines the default push button exactly as it outlines the
// focused one, and an item view shows the focus only on a current row, so an empty list box
// shows none. In the wizard:
// - the default push button is framed in the window-text colour, as Windows frames it, while
//   the focused control keeps the style's focus outline (a default button that has the focus
//   shows both);
// - a drop-down list that has the focus shows its field in the selection colours, as Windows
//   does (Fusion's thin outline alone is easily missed), empty or not;
// - list boxes and list views draw the style's focus outline on their frame while they have the
//   focus, empty or not;
// - in a dark palette (light text on a dark window) a field (edit, combo box, list) whose base
//   colour is close to the window's gets a base a clear step lighter, so that an unfocused field
//   does not vanish into the window (the style's frame is drawn darker than the window). Light
//   palettes keep their colours.
// Everything else is the base style's. The wizard's window also shows the focus from the start
// (Qt otherwise waits until the keyboard has moved it), see SheetMirror.
#pragma once

#include <QProxyStyle>

namespace qthost
{
class WizardStyle : public QProxyStyle
{
public:
    // Based on a new instance of the application's style.
    WizardStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

private:
    void DrawPushButtonPanel(const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const;
    void DrawItemViewFrame(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const;
    void DrawComboBoxLabel(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const;
};
} // namespace qthost
