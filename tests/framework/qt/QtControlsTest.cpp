// Each kind of control on real Qt widgets: framework changes show at once without any
// notification; the user's actions reach the framework and notify the page.
#include "tests/framework/qt/QtTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace qttest
{
namespace
{
class QtControls : public QtSheetTest
{
protected:
    CEdit& Edit(int id) { return *static_cast<CEdit*>(first.GetDlgItem(id)); }
    CButton& Button(int id) { return *static_cast<CButton*>(first.GetDlgItem(id)); }
    CComboBox& Combo(int id) { return *static_cast<CComboBox*>(first.GetDlgItem(id)); }
    CListBox& List() { return *static_cast<CListBox*>(first.GetDlgItem(kList)); }
    CListCtrl& Devices() { return *static_cast<CListCtrl*>(first.GetDlgItem(kDevices)); }
};

TEST_F(QtControls, EditTyping_FiresOneChangePerKeystroke_WhenTheUserTypes)
{
    QLineEdit* edit = Widget<QLineEdit>(kName);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(Edit(kName).GetWindowText(), "abc");
    EXPECT_EQ(first.Count("EN_CHANGE", kName), 3);

    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit(kName).GetWindowText(), "ab");
    EXPECT_EQ(first.Count("EN_CHANGE", kName), 4);
}

TEST_F(QtControls, EditText_ShowsWithoutNotification_WhenTheProgramSetsIt)
{
    Edit(kName).SetWindowText("from the program");
    EXPECT_EQ(Widget<QLineEdit>(kName)->text(), "from the program");
    EXPECT_EQ(first.Count("EN_CHANGE", kName), 0);
}

TEST_F(QtControls, EditLimit_StopsTyping_WhileAProgramTextMayBeLonger)
{
    QLineEdit* edit = Widget<QLineEdit>(kName);
    Edit(kName).SetLimitText(3);
    QTest::keyClicks(edit, "abcdef");
    EXPECT_EQ(Edit(kName).GetWindowText(), "abc");
    EXPECT_EQ(first.Count("EN_CHANGE", kName), 3);

    Edit(kName).SetWindowText("longer than three");
    EXPECT_EQ(edit->text(), "longer than three");
}

TEST_F(QtControls, CheckBox_MirrorsBothWays)
{
    QCheckBox* check = Widget<QCheckBox>(kOption);
    ASSERT_NE(check, nullptr);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(Button(kOption).GetCheck(), BST_CHECKED);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(first.Count("BN_CLICKED", kOption), 1);

    Button(kOption).SetCheck(BST_UNCHECKED);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(first.Count("BN_CLICKED", kOption), 1);
}

TEST_F(QtControls, RadioButtons_StayInTheirGroup_WhenClicked)
{
    Button(kRadioA).SetCheck(BST_CHECKED);
    Button(kRadioC).SetCheck(BST_CHECKED);
    EXPECT_TRUE(Widget<QRadioButton>(kRadioA)->isChecked());

    QTest::mouseClick(Widget<QRadioButton>(kRadioB), Qt::LeftButton);
    EXPECT_EQ(Button(kRadioA).GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Button(kRadioB).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(kRadioC).GetCheck(), BST_CHECKED);
    EXPECT_FALSE(Widget<QRadioButton>(kRadioA)->isChecked());
    EXPECT_TRUE(Widget<QRadioButton>(kRadioB)->isChecked());
    EXPECT_TRUE(Widget<QRadioButton>(kRadioC)->isChecked());
    EXPECT_EQ(first.Count("BN_CLICKED", kRadioB), 1);

    // Clicking the checked button again keeps it checked (and still notifies, as on Windows).
    QTest::mouseClick(Widget<QRadioButton>(kRadioB), Qt::LeftButton);
    EXPECT_TRUE(Widget<QRadioButton>(kRadioB)->isChecked());
    EXPECT_EQ(Button(kRadioB).GetCheck(), BST_CHECKED);
}

TEST_F(QtControls, ArrowKeys_MoveTheCheckWithinARadioGroup)
{
    Button(kRadioA).SetCheck(BST_CHECKED);
    Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    Widget<QRadioButton>(kRadioA)->setFocus();
    QTest::keyClick(Widget<QRadioButton>(kRadioA), Qt::Key_Down);
    EXPECT_EQ(Button(kRadioB).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(kRadioA).GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(first.Count("BN_CLICKED", kRadioB), 1);
    EXPECT_TRUE(Widget<QRadioButton>(kRadioB)->hasFocus());
}

TEST_F(QtControls, RadioGroup_CanShowNoButtonChecked_WhenTheProgramClearsIt)
{
    Button(kRadioA).SetCheck(BST_CHECKED);
    Button(kRadioA).SetCheck(BST_UNCHECKED);
    EXPECT_FALSE(Widget<QRadioButton>(kRadioA)->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>(kRadioB)->isChecked());
    EXPECT_TRUE(first.events.empty());
}

TEST_F(QtControls, DropDownList_ShowsTheFrameworkOrder_AndReportsTheUsersChoice)
{
    CComboBox& sorted = Combo(kSorted);
    sorted.AddString("delta");
    sorted.AddString("Alpha");
    sorted.AddString("charlie");
    QComboBox* combo = Widget<QComboBox>(kSorted);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Alpha");
    EXPECT_EQ(combo->itemText(1), "charlie");
    EXPECT_EQ(combo->itemText(2), "delta");
    EXPECT_EQ(combo->currentIndex(), -1);

    sorted.SetCurSel(1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(first.Count("CBN_SELCHANGE", kSorted), 0);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(sorted.GetCurSel(), 2);
    EXPECT_EQ(first.Count("CBN_SELCHANGE", kSorted), 1);

    Combo(kChoice).AddString("zulu");
    Combo(kChoice).AddString("alpha");
    EXPECT_EQ(Widget<QComboBox>(kChoice)->itemText(0), "zulu");
}

TEST_F(QtControls, ListBox_MirrorsItemsAndSelection)
{
    List().AddString("one");
    List().AddString("two");
    List().AddString("three");
    QListWidget* list = Widget<QListWidget>(kList);
    ASSERT_EQ(list->count(), 3);
    List().SetCurSel(2);
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_EQ(first.Count("LBN_SELCHANGE", kList), 0);

    QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(List().GetCurSel(), 1);
    EXPECT_EQ(first.Count("LBN_SELCHANGE", kList), 1);

    List().DeleteString(1);
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(QtControls, ListBox_GettingTheFocus_SelectsNothing)
{
    List().AddString("one");
    QListWidget* list = Widget<QListWidget>(kList);
    list->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(List().GetCurSel(), -1);
    EXPECT_EQ(first.Count("LBN_SELCHANGE", kList), 0);
}

TEST_F(QtControls, ReportList_ShowsColumnsAndRows_AndReportsTheUsersRow)
{
    CListCtrl& devices = Devices();
    devices.InsertColumn(0, "Port", LVCFMT_LEFT, 60);
    devices.InsertColumn(1, "Model", LVCFMT_RIGHT, 90);
    devices.InsertItem(0, "COM1");
    devices.SetItemText(0, 1, "QUORAN 128");
    devices.InsertItem(1, "COM3");
    devices.SetItemText(1, 1, "QUORAN 64");

    QTreeWidget* view = Widget<QTreeWidget>(kDevices);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->columnCount(), 2);
    EXPECT_EQ(view->headerItem()->text(0), "Port");
    EXPECT_EQ(view->headerItem()->text(1), "Model");
    EXPECT_EQ(view->columnWidth(0), 60);
    EXPECT_EQ(view->columnWidth(1), 90);
    EXPECT_TRUE(view->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
    ASSERT_EQ(view->topLevelItemCount(), 2);
    EXPECT_EQ(view->topLevelItem(1)->text(0), "COM3");
    EXPECT_EQ(view->topLevelItem(1)->text(1), "QUORAN 64");
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);

    devices.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(view->topLevelItem(0)->isSelected());
    EXPECT_EQ(first.Count("LVN_ITEMCHANGED", kDevices), 0);

    QRect row = view->visualItemRect(view->topLevelItem(1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(devices.GetSelectionMark(), 1);
    EXPECT_NE(devices.GetItemState(1, LVIS_SELECTED), 0u);
    EXPECT_EQ(devices.GetItemState(0, LVIS_SELECTED), 0u);
    EXPECT_GE(first.Count("LVN_ITEMCHANGED", kDevices), 1);
    EXPECT_FALSE(view->topLevelItem(0)->isSelected());
}

TEST_F(QtControls, PushButton_NotifiesItsPage_WhenClicked)
{
    QPushButton* apply = Widget<QPushButton>(kApply);
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->text(), "&Apply");
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(first.Count("BN_CLICKED", kApply), 1);
}

TEST_F(QtControls, DisabledAndHiddenControls_LookAndBehaveSo)
{
    Button(kOption).EnableWindow(FALSE);
    QCheckBox* check = Widget<QCheckBox>(kOption);
    EXPECT_FALSE(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(Button(kOption).GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(first.Count("BN_CLICKED", kOption), 0);

    EXPECT_TRUE(Widget<QLineEdit>(kHidden)->isHidden());
    Edit(kHidden).ShowWindow(SW_SHOW);
    EXPECT_TRUE(Widget<QLineEdit>(kHidden)->isVisible());
    Edit(kName).ShowWindow(SW_HIDE);
    EXPECT_FALSE(Widget<QLineEdit>(kName)->isVisible());
}

TEST_F(QtControls, Statics_ShowTextsMnemonicsAndPictures)
{
    QLabel* name = Widget<QLabel>(kNameLabel);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->buddy(), Widget<QLineEdit>(kName));
    EXPECT_EQ(name->text(), "Na&me:");
    EXPECT_EQ(Widget<QLabel>(kTwoLines)->text(), "One\nTwo");
    EXPECT_TRUE(Widget<QLabel>(kTwoLines)->wordWrap());

    QLabel* picture = Widget<QLabel>(kBitmap);
    RECT rect;
    first.GetDlgItem(kBitmap)->GetWindowRect(&rect);
    ASSERT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(picture->pixmap().size(), QSize(rect.right - rect.left, rect.bottom - rect.top));
    EXPECT_EQ(picture->pixmap().toImage().pixelColor(5, 5), QColor("#1f4e79"));

    Widget<QGroupBox>(kFrame);
    EXPECT_EQ(Widget<QGroupBox>(kFrame)->title(), "Devices");
    first.GetDlgItem(kTwoLines)->SetWindowText("Changed");
    EXPECT_EQ(Widget<QLabel>(kTwoLines)->text(), "Changed");
}

TEST_F(QtControls, LabelMnemonic_FocusesTheNextControl)
{
    Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    QTest::keyClick(Window(), Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(Widget<QLineEdit>(kName)->hasFocus());
}

TEST_F(QtControls, TabOrder_FollowsTheTemplate_ThenTheSheetButtons)
{
    // A radio group's stop is its checked button; in a group with none, the template's.
    struct Row
    {
        std::vector<int> checked;
        int firstGroupStop;
        int secondGroupStop;
    };
    const Row rows[] = {
        {{}, kRadioA, kRadioC},
        {{kRadioB}, kRadioB, kRadioC},
        {{kRadioB, kRadioD}, kRadioB, kRadioD},
        {{kRadioA, kRadioD}, kRadioA, kRadioD},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "checked " << row.checked.size());
        for (int id : {kRadioA, kRadioB, kRadioC, kRadioD})
        {
            Button(id).SetCheck(BST_UNCHECKED);
        }
        for (int id : row.checked)
        {
            Button(id).SetCheck(BST_CHECKED);
        }
        // The widgets that Tab stops at, from the name field on.
        std::vector<QWidget*> stops;
        QWidget* w = Widget<QLineEdit>(kName);
        do
        {
            if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() && w->isEnabled())
            {
                stops.push_back(w);
            }
            w = w->nextInFocusChain();
        } while (w != Widget<QLineEdit>(kName) && stops.size() < 12);
        std::vector<QWidget*> expected = {
            Widget<QLineEdit>(kName),
            Widget<QPushButton>(kApply),
            Widget<QCheckBox>(kOption),
            Widget<QRadioButton>(row.firstGroupStop),
            Widget<QRadioButton>(row.secondGroupStop),
            Widget<QComboBox>(kChoice),
            Widget<QComboBox>(kSorted),
            Widget<QListWidget>(kList),
            Widget<QTreeWidget>(kDevices),
            SheetButton<QPushButton>(ID_WIZBACK),
            SheetButton<QPushButton>(ID_WIZNEXT),
            SheetButton<QPushButton>(IDCANCEL),
        };
        EXPECT_EQ(stops, expected);
    }
}

TEST_F(QtControls, FrameworkFocus_MovesTheKeyboardFocus)
{
    Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    first.GetDlgItem(kChoice)->SetFocus();
    EXPECT_TRUE(Widget<QComboBox>(kChoice)->hasFocus());
}

// An application palette like Adwaita-dark, whose fields hardly differ from the window; set
// before the sheet's widgets are made and restored after they are gone.
class DarkApplicationPalette
{
protected:
    DarkApplicationPalette()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
    }
    ~DarkApplicationPalette() { QApplication::setPalette(m_previous); }

private:
    QPalette m_previous = QApplication::palette();
};

class QtDarkControls : private DarkApplicationPalette, public QtSheetTest
{
};

TEST_F(QtDarkControls, Fields_KeepTheirFrameAndStandApartFromTheWindow_InADarkPalette)
{
    const struct
    {
        int id;
        QWidget* field;
        bool framed;
    } rows[] = {
        {kName, Widget<QLineEdit>(kName), Widget<QLineEdit>(kName)->hasFrame()},
        {kList, Widget<QListWidget>(kList),
         Widget<QListWidget>(kList)->frameShape() != QFrame::NoFrame},
        {kDevices, Widget<QTreeWidget>(kDevices),
         Widget<QTreeWidget>(kDevices)->frameShape() != QFrame::NoFrame},
    };
    for (const auto& row : rows)
    {
        const QPalette& palette = row.field->palette();
        EXPECT_TRUE(row.framed) << row.id;
        EXPECT_GE(palette.color(QPalette::Inactive, QPalette::Base).lightness() -
                      palette.color(QPalette::Window).lightness(),
                  16)
            << row.id;
    }
}
} // namespace
} // namespace qttest
