#include "framework/qt/DialogFont.h"

#include "framework/ControlStyles.h"
#include "framework/qt/QtText.h"

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace qthost
{
namespace
{
// Qt's flags for measuring what QLabel and the buttons draw: '&' marks a mnemonic.
constexpr int kLineFlags = Qt::TextShowMnemonic;
constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

bool StaticTextFits(const QString& text, QSize room, const QFontMetrics& metrics, const QStyle&)
{
    QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), room), kWrapFlags, text);
    return needed.width() <= room.width() &&
           needed.height() <= std::max(room.height(), metrics.height());
}

bool IndicatorTextFits(QStyle::ContentsType type, const QString& text, QSize room,
                       const QFontMetrics& metrics, const QStyle& style)
{
    QStyleOptionButton option;
    option.text = text;
    option.fontMetrics = metrics;
    option.rect = QRect(QPoint(0, 0), room);
    QSize needed = style.sizeFromContents(type, &option, metrics.size(kLineFlags, text));
    return needed.width() <= room.width();
}

bool CheckBoxTextFits(const QString& text, QSize room, const QFontMetrics& metrics,
                      const QStyle& style)
{
    return IndicatorTextFits(QStyle::CT_CheckBox, text, room, metrics, style);
}

bool RadioTextFits(const QString& text, QSize room, const QFontMetrics& metrics,
                   const QStyle& style)
{
    return IndicatorTextFits(QStyle::CT_RadioButton, text, room, metrics, style);
}

bool PushTextFits(const QString& text, QSize room, const QFontMetrics& metrics, const QStyle& style)
{
    QStyleOptionButton option;
    option.text = text;
    option.fontMetrics = metrics;
    option.rect = QRect(QPoint(0, 0), room);
    option.features = QStyleOptionButton::AutoDefaultButton;
    QRect contents = style.subElementRect(QStyle::SE_PushButtonContents, &option, nullptr);
    return metrics.size(kLineFlags, text).width() <= contents.width();
}

struct TextRoom
{
    ControlClass controlClass;
    bool (*isKind)(DWORD style);
    bool (*fits)(const QString& text, QSize room, const QFontMetrics& metrics, const QStyle& style);
};

constexpr TextRoom kTextRooms[] = {
    {ControlClass::Static, IsTextStaticStyle, StaticTextFits},
    {ControlClass::Button, IsCheckBoxStyle, CheckBoxTextFits},
    {ControlClass::Button, IsRadioStyle, RadioTextFits},
    {ControlClass::Button, IsPushStyle, PushTextFits},
};

// The pixel size of a control's rectangle, mapped as CWnd::GetWindowRect maps it.
QSize PixelSize(const DialogItem& item, BaseUnits units)
{
    return QSize((item.x + item.cx) * units.x / 4 - item.x * units.x / 4,
                 (item.y + item.cy) * units.y / 8 - item.y * units.y / 8);
}
} // namespace

BaseUnits FontBaseUnits(const QFont& font)
{
    QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Windows' height is the distance from one line of a static's text to the next. Qt puts
    // the font's leading between lines and rounds up where QFontMetrics::height() rounds.
    int lineHeight = static_cast<int>(std::ceil(QFontMetricsF(font).lineSpacing()));
    // GdiGetCharDimensions: the average of the 52 letters, rounded to the nearest pixel.
    return {(width / 26 + 1) / 2, lineHeight};
}

bool TextFits(ControlClass controlClass, DWORD style, const QString& text, QSize room,
              const QFontMetrics& metrics, const QStyle& qstyle)
{
    for (const TextRoom& kind : kTextRooms)
    {
        if (kind.controlClass == controlClass && kind.isKind(style))
        {
            return text.isEmpty() || kind.fits(text, room, metrics, qstyle);
        }
    }
    return true;
}

BaseUnits FittingBaseUnits(const QFont& font, const QStyle& style,
                           std::span<const DialogTemplate* const> templates)
{
    const BaseUnits own = FontBaseUnits(font);
    const int limit = own.x + own.x / 2;
    QFontMetrics metrics(font);
    BaseUnits units = own;
    for (const DialogTemplate* dialog : templates)
    {
        for (const DialogItem& item : dialog->items)
        {
            QString text = ToQtMultiline(item.text != nullptr ? item.text : "");
            for (int x = units.x; x <= limit; ++x)
            {
                BaseUnits trial{x, units.y};
                if (TextFits(item.controlClass, item.style, text, PixelSize(item, trial), metrics,
                             style))
                {
                    units.x = x;
                    break;
                }
            }
        }
    }
    return units;
}
} // namespace qthost
