// The dialog font: the desktop's font gives the base units as Windows computes them, and the
// horizontal unit grows just as far as a text that the family draws wider needs.
#include "framework/qt/DialogFont.h"
#include "framework/qt/QtText.h"
#include "tests/framework/qt/QtTestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

#include <cmath>

namespace qttest
{
namespace
{
TEST(QtDialogFont, DefaultHost_TakesTheApplicationsFont_AndItsUnits)
{
    Application();
    const QFont previous = QApplication::font();
    const QFont desktop(QStringLiteral("DejaVu Sans"), 11);
    QApplication::setFont(desktop);
    {
        QtHost host;
        EXPECT_EQ(host.DialogFont().family(), desktop.family());
        EXPECT_EQ(host.DialogFont().pointSize(), 11);
        // GdiGetCharDimensions: the rounded average of the 52 letters; the line spacing.
        QFontMetrics metrics(desktop);
        int letters =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        BaseUnits units = host.GetBaseUnits();
        EXPECT_EQ(units.x, (letters / 26 + 1) / 2);
        EXPECT_EQ(units.y, static_cast<int>(std::ceil(QFontMetricsF(desktop).lineSpacing())));
    }
    QApplication::setFont(previous);
}

class QtDialogFontFit : public testing::Test
{
protected:
    QtDialogFontFit() : font((Application(), QApplication::font())), metrics(font) {}

    bool Fits(const DialogItem& item, int x) const
    {
        QSize room((item.x + item.cx) * x / 4 - item.x * x / 4,
                   (item.y + item.cy) * own.y / 8 - item.y * own.y / 8);
        return qthost::TextFits(item.controlClass, item.style, qthost::ToQt(item.text), room,
                                metrics, *QApplication::style());
    }

    BaseUnits Fitted(const DialogItem& item) const
    {
        const DialogTemplate dialog{900, "Fit", 266, 150, std::span(&item, 1)};
        const DialogTemplate* templates[] = {&dialog};
        return qthost::FittingBaseUnits(font, *QApplication::style(), templates);
    }

    // The widest rectangle in which the text does not fit at the font's own unit.
    short NarrowestMiss(DialogItem item) const
    {
        for (item.cx = 1; item.cx < 400 && !Fits(item, own.x); ++item.cx)
        {
        }
        return static_cast<short>(item.cx - 1);
    }

    QFont font;
    QFontMetrics metrics;
    BaseUnits own = qthost::FontBaseUnits(font);
};

TEST_F(QtDialogFontFit, HorizontalUnit_GrowsJustEnough_ForATextTooWideForItsRectangle)
{
    struct Row
    {
        const char* what;
        ControlClass controlClass;
        DWORD style;
        const char* text;
        short cy;
    };
    const Row rows[] = {
        {"one-line static", ControlClass::Static, SS_LEFT, "Online Inactivity Timer :", 8},
        {"static of two lines", ControlClass::Static, SS_LEFT,
         "Please select the settings for call control. When you are done, click Next.", 17},
        {"check box", ControlClass::Button, BS_AUTOCHECKBOX, "&Calling Line Identification", 10},
        {"radio button", ControlClass::Button, BS_AUTORADIOBUTTON, "&Express (Existing)", 10},
        {"push button", ControlClass::Button, BS_PUSHBUTTON, "&Delete Configuration", 14},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        DialogItem item{
            row.text, 1000, row.controlClass, static_cast<DWORD>(WS_VISIBLE | row.style), 5, 40, 0,
            row.cy,   0};
        item.cx = NarrowestMiss(item);
        ASSERT_GT(item.cx, 0);
        BaseUnits units = Fitted(item);
        EXPECT_GT(units.x, own.x);
        EXPECT_TRUE(Fits(item, units.x));
        EXPECT_FALSE(Fits(item, units.x - 1));
        EXPECT_EQ(units.y, own.y);

        // With room to spare, the font's own units.
        item.cx = static_cast<short>(item.cx * 2);
        EXPECT_EQ(Fitted(item).x, own.x);
    }
}

TEST_F(QtDialogFontFit, HorizontalUnit_StaysTheFonts_ForAHopelessTemplate)
{
    DialogItem item{"A text for a rectangle two units wide",
                    1000,
                    ControlClass::Static,
                    WS_VISIBLE | SS_LEFT,
                    5,
                    40,
                    2,
                    8,
                    0};
    EXPECT_EQ(Fitted(item).x, own.x);
}
} // namespace
} // namespace qttest
