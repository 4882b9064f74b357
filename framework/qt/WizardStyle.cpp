#include "framework/qt/WizardStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace qthost
{
namespace
{
bool ShowsFocus(const QStyleOption& option)
{
    return (option.state & QStyle::State_HasFocus) != 0 &&
           (option.state & QStyle::State_KeyboardFocusChange) != 0;
}

// The colour Fusion outlines a focused field with.
QColor FocusOutline(const QPalette& palette)
{
    QColor outline = palette.color(QPalette::Highlight).darker(125);
    if (outline.value() > 160)
    {
        outline.setHsl(outline.hue(), outline.saturation(), 160);
    }
    return outline;
}

// How far a field's base stands apart from the window in a dark palette, in HSL lightness.
constexpr int kDarkFieldContrast = 24;

bool IsField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}

// Fusion's button outline: one pixel inside the button's rectangle, rounded by 2 pixels.
void DrawButtonOutline(QPainter* painter, const QRect& rect, const QColor& color, int inset)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(0.5, -0.5);
    painter->setPen(color);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect.adjusted(inset, 1 + inset, -1 - inset, -inset)), 2.0, 2.0);
    painter->restore();
}
} // namespace

WizardStyle::WizardStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void WizardStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelButtonCommand)
    {
        DrawPushButtonPanel(option, painter, widget);
    }
    else if (element == PE_Frame && qobject_cast<const QAbstractItemView*>(widget) != nullptr)
    {
        DrawItemViewFrame(option, painter, widget);
    }
    else
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void WizardStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element == CE_ComboBoxLabel)
    {
        DrawComboBoxLabel(option, painter, widget);
    }
    else
    {
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void WizardStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    QPalette palette = widget->palette();
    const QColor window = palette.color(QPalette::Window);
    const QColor base = palette.color(QPalette::Base);
    const bool dark = window.lightness() < palette.color(QPalette::WindowText).lightness();
    if (!IsField(widget) || !dark || base.lightness() - window.lightness() >= kDarkFieldContrast ||
        window.lightness() - base.lightness() >= kDarkFieldContrast)
    {
        return;
    }
    const QColor lighter =
        QColor::fromHsl(window.hslHue(), window.hslSaturation(),
                        std::min(255, window.lightness() + kDarkFieldContrast), base.alpha());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    {
        palette.setColor(group, QPalette::Base, lighter);
    }
    widget->setPalette(palette);
}

void WizardStyle::DrawPushButtonPanel(const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (button == nullptr || (button->features & QStyleOptionButton::DefaultButton) == 0)
    {
        QProxyStyle::drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        return;
    }
    QStyleOptionButton plain(*button);
    plain.features &= ~QStyleOptionButton::DefaultButton;
    QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &plain, painter, widget);
    if ((option->state & State_Enabled) == 0)
    {
        return;
    }
    // Two pixels of frame, the inner one showing the focus when the button has it.
    QColor frame = option->palette.color(QPalette::WindowText);
    DrawButtonOutline(painter, option->rect, frame, 0);
    DrawButtonOutline(painter, option->rect,
                      ShowsFocus(*option) ? FocusOutline(option->palette) : frame, 1);
}

void WizardStyle::DrawItemViewFrame(const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(PE_Frame, option, painter, widget);
    if (!ShowsFocus(*option))
    {
        return;
    }
    painter->save();
    painter->setPen(FocusOutline(option->palette));
    painter->setBrush(Qt::NoBrush);
    // Two pixels: the frame and the line inside it.
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

void WizardStyle::DrawComboBoxLabel(const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (combo == nullptr || combo->editable || !ShowsFocus(*option) ||
        (option->state & State_Enabled) == 0)
    {
        QProxyStyle::drawControl(CE_ComboBoxLabel, option, painter, widget);
        return;
    }
    QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
    painter->save();
    painter->fillRect(field.adjusted(1, 1, -1, -1), option->palette.brush(QPalette::Highlight));
    // The label is drawn in the painter's pen.
    painter->setPen(option->palette.color(QPalette::HighlightedText));
    QProxyStyle::drawControl(CE_ComboBoxLabel, option, painter, widget);
    painter->restore();
}
} // namespace qthost
