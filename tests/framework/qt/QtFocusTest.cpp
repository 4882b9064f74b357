// The focus as a Windows wizard has it: a page that becomes current gives it to its first tab
// stop, whatever moved to the page; it is drawn also after a click or a mnemonic; the default
// push button looks apart from the focused control, and Enter presses it.
#include "tests/framework/qt/QtTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace qttest
{
namespace
{
class QtFocus : public QtSheetTest
{
protected:
    QtFocus()
    {
        Window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Window()));
    }

    // The widget as it is drawn now.
    static QImage Look(QWidget* widget) { return widget->grab().toImage(); }

    // Mnemonics click their button when the key is released a moment later.
    void WaitForPage(int index)
    {
        EXPECT_TRUE(QTest::qWaitFor([&]() { return sheet.GetActiveIndex() == index; }));
    }
};

TEST_F(QtFocus, PageBecomingCurrent_FocusesItsFirstTabStop_HoweverItWasReached)
{
    // The first page as the window appears: its name field, not the Back button.
    EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(kName));

    struct Way
    {
        const char* name;
        std::function<void()> forward;
        std::function<void()> backward;
    };
    const Way ways[] = {
        {"click",
         [this]() { QTest::mouseClick(SheetButton<QPushButton>(ID_WIZNEXT), Qt::LeftButton); },
         [this]() { QTest::mouseClick(SheetButton<QPushButton>(ID_WIZBACK), Qt::LeftButton); }},
        {"mnemonic",
         [this]() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier); },
         [this]() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier); }},
        {"Enter", [this]() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
         [this]() { sheet.PressButton(ID_WIZBACK); }},
    };
    for (const Way& way : ways)
    {
        SCOPED_TRACE(way.name);
        way.forward();
        WaitForPage(1);
        EXPECT_EQ(QApplication::focusWidget(), SecondWidget<QComboBox>(kSecondChoice));
        way.backward();
        WaitForPage(0);
        EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(kName));
    }
}

TEST_F(QtFocus, FocusedDropDownAndEmptyListBox_DrawTheFocus_AfterAClick)
{
    QTest::mouseClick(SheetButton<QPushButton>(ID_WIZNEXT), Qt::LeftButton);
    QComboBox* combo = SecondWidget<QComboBox>(kSecondChoice);
    QListWidget* list = SecondWidget<QListWidget>(kSecondList);
    ASSERT_TRUE(combo->hasFocus());
    ASSERT_EQ(list->count(), 0);
    QImage comboFocused = Look(combo);
    QImage listUnfocused = Look(list);

    QTest::keyClick(combo, Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_NE(Look(combo), comboFocused);
    EXPECT_NE(Look(list), listUnfocused);
}

TEST_F(QtFocus, DefaultButton_LooksApartFromTheFocus_AndFollowsAFocusedPushButton)
{
    QPushButton* back = SheetButton<QPushButton>(ID_WIZBACK);
    QPushButton* next = SheetButton<QPushButton>(ID_WIZNEXT);
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_TRUE(SecondWidget<QComboBox>(kSecondChoice)->hasFocus());
    EXPECT_TRUE(next->isDefault());
    EXPECT_FALSE(back->isDefault());
    QImage defaultLook = Look(next);

    next->setFocus(Qt::TabFocusReason);
    EXPECT_NE(Look(next), defaultLook); // the focus shows on the default button too

    // As on Windows, a focused push button is the default meanwhile and takes Enter.
    back->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(back->isDefault());
    EXPECT_FALSE(next->isDefault());
    QImage plainLook = Look(next);
    EXPECT_NE(plainLook, defaultLook);
    QTest::keyClick(back, Qt::Key_Return);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_TRUE(Widget<QLineEdit>(kName)->hasFocus());
    EXPECT_TRUE(next->isDefault());
    EXPECT_FALSE(back->isDefault());
}
} // namespace
} // namespace qttest
