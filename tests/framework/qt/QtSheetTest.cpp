// The sheet's window on the Qt host: layout from dialog units, title, wizard buttons, Enter and
// Escape, timers, message boxes, the modal loop with a driver, and screenshots.
#include "tests/framework/qt/QtTestSupport.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace qttest
{
namespace
{
class QtSheet : public QtSheetTest
{
protected:
    struct ButtonsShown
    {
        bool backEnabled;
        bool nextVisible;
        bool nextEnabled; // shown and enabled
        bool finishVisible;
        bool finishEnabled; // shown and enabled
        bool cancelEnabled;
    };

    ButtonsShown Shown() const
    {
        QPushButton* back = SheetButton<QPushButton>(ID_WIZBACK);
        QPushButton* next = SheetButton<QPushButton>(ID_WIZNEXT);
        QPushButton* finish = SheetButton<QPushButton>(ID_WIZFINISH);
        QPushButton* cancel = SheetButton<QPushButton>(IDCANCEL);
        return {back->isVisible() && back->isEnabled(),     next->isVisible(),
                next->isVisible() && next->isEnabled(),     finish->isVisible(),
                finish->isVisible() && finish->isEnabled(), cancel->isEnabled()};
    }

    void SetButtons(DWORD flags)
    {
        sheet.SetWizardButtons(flags);
        AfxPumpMessages();
    }
};

TEST_F(QtSheet, ControlGeometry_FollowsItsDialogUnits)
{
    BaseUnits units = host->GetBaseUnits();
    // The name edit: x 50, y 28, 80 x 12 dialog units.
    QWidget* edit = Widget<QLineEdit>(kName);
    EXPECT_EQ(edit->geometry(),
              QRect(50 * units.x / 4, 28 * units.y / 8, 130 * units.x / 4 - 50 * units.x / 4,
                    40 * units.y / 8 - 28 * units.y / 8));
    RECT rect;
    first.GetDlgItem(kName)->GetWindowRect(&rect);
    EXPECT_EQ(edit->geometry(),
              QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    // Every page is 266 x 150 dialog units.
    QWidget* page = host->WidgetOf(first);
    EXPECT_EQ(page->size(), QSize(266 * units.x / 4, 150 * units.y / 8));
    EXPECT_EQ(page->parentWidget(), Window());
    EXPECT_TRUE(Window()->isWindow());
    // The buttons sit below the page area, Cancel's right edge on the page's.
    QWidget* cancel = SheetButton<QPushButton>(IDCANCEL);
    EXPECT_GT(cancel->geometry().top(), page->geometry().bottom());
    EXPECT_EQ(cancel->geometry().right(), page->geometry().right());
    EXPECT_LT(SheetButton<QPushButton>(ID_WIZBACK)->x(), SheetButton<QPushButton>(ID_WIZNEXT)->x());
    EXPECT_EQ(SheetButton<QPushButton>(ID_WIZNEXT)->geometry(),
              SheetButton<QPushButton>(ID_WIZFINISH)->geometry());
}

TEST_F(QtSheet, Title_FollowsTheActivePage)
{
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->windowTitle(), "First Page");
    QTest::mouseClick(SheetButton<QPushButton>(ID_WIZNEXT), Qt::LeftButton);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(Window()->windowTitle(), "Second Page");
    EXPECT_FALSE(host->WidgetOf(first)->isVisible());
    EXPECT_TRUE(host->WidgetOf(second)->isVisible());
    QTest::mouseClick(SheetButton<QPushButton>(ID_WIZBACK), Qt::LeftButton);
    EXPECT_EQ(Window()->windowTitle(), "First Page");
}

TEST_F(QtSheet, WizardButtons_ShowEveryCombination)
{
    struct Case
    {
        DWORD flags;
        ButtonsShown expected;
    };
    // back, next shown, next enabled, finish shown, finish enabled (cancel set separately)
    const Case cases[] = {
        {PSWIZB_BACK, {true, true, false, false, false, true}},
        {PSWIZB_NEXT, {false, true, true, false, false, true}},
        {PSWIZB_BACK | PSWIZB_NEXT, {true, true, true, false, false, true}},
        {PSWIZB_FINISH, {false, false, false, true, true, true}},
        {PSWIZB_BACK | PSWIZB_FINISH, {true, false, false, true, true, true}},
        {PSWIZB_DISABLEDFINISH, {false, false, false, true, false, true}},
    };
    for (bool cancelEnabled : {true, false})
    {
        sheet.GetDlgItem(IDCANCEL)->EnableWindow(cancelEnabled);
        for (const Case& c : cases)
        {
            SCOPED_TRACE(testing::Message() << "flags " << c.flags << " cancel " << cancelEnabled);
            SetButtons(c.flags);
            ButtonsShown shown = Shown();
            EXPECT_EQ(shown.backEnabled, c.expected.backEnabled);
            EXPECT_EQ(shown.nextVisible, c.expected.nextVisible);
            EXPECT_EQ(shown.nextEnabled, c.expected.nextEnabled);
            EXPECT_EQ(shown.finishVisible, c.expected.finishVisible);
            EXPECT_EQ(shown.finishEnabled, c.expected.finishEnabled);
            EXPECT_EQ(shown.cancelEnabled, cancelEnabled);
        }
    }
}

TEST_F(QtSheet, Progress_ShowsAsABarLeftOfTheButtons_UntilThePageClearsIt)
{
    auto* bar = Window()->findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    struct Step
    {
        int done;
        int total;
        bool shown;
        const char* text;
    };
    const Step steps[] = {
        {0, 36, true, "0 of 36"},
        {35, 36, true, "35 of 36"},
        {40, 9, true, "9 of 9"},
        {0, 0, false, ""},
    };
    for (const Step& step : steps)
    {
        sheet.SetProgress(step.done, step.total);
        EXPECT_EQ(bar->isVisible(), step.shown) << step.text;
        if (step.shown)
        {
            EXPECT_EQ(bar->text(), step.text);
        }
    }
    sheet.SetProgress(1, 2);
    QRect back = SheetButton<QPushButton>(ID_WIZBACK)->geometry();
    EXPECT_LT(bar->geometry().right(), back.left());
    EXPECT_EQ(bar->geometry().left(), host->WidgetOf(first)->geometry().left());
    EXPECT_EQ(bar->geometry().top(), back.top());
    QTest::mouseClick(SheetButton<QPushButton>(ID_WIZNEXT), Qt::LeftButton);
    EXPECT_FALSE(bar->isVisible()) << "a page's progress goes with it";
}

TEST_F(QtSheet, Enter_PressesNext_ThenFinishWhenShown)
{
    QWidget* edit = Widget<QLineEdit>(kName);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);

    SetButtons(PSWIZB_BACK);
    QTest::keyClick(Window(), Qt::Key_Return);
    EXPECT_EQ(sheet.GetActiveIndex(), 1); // Next is disabled

    SetButtons(PSWIZB_FINISH);
    QTest::keyClick(Window(), Qt::Key_Enter);
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetResult(), IDOK);
    EXPECT_FALSE(Window()->isVisible());
}

TEST_F(QtSheet, Escape_PressesCancel_OnlyWhenItIsEnabled)
{
    sheet.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    QTest::keyClick(Widget<QLineEdit>(kName), Qt::Key_Escape);
    EXPECT_TRUE(sheet.IsOpen());

    sheet.GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
    QTest::keyClick(Widget<QLineEdit>(kName), Qt::Key_Escape);
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetResult(), IDCANCEL);
}

TEST_F(QtSheet, CloseBox_ActsAsCancel)
{
    sheet.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    Window()->close();
    EXPECT_TRUE(sheet.IsOpen());
    sheet.GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
    Window()->close();
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetResult(), IDCANCEL);
}

TEST_F(QtSheet, Icon_IsSetForTheWindowAndTheApplication)
{
    const ImageResource* picture = AfxFindImage(kPicture);
    ASSERT_NE(picture, nullptr);
    HICON icon = const_cast<ImageResource*>(picture);
    sheet.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    sheet.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    EXPECT_FALSE(Window()->windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    QImage image = Window()->windowIcon().pixmap(32, 32).toImage();
    EXPECT_EQ(image.pixelColor(16, 16), QColor("#1f4e79"));
}

TEST_F(QtSheet, Timers_FireOnTheQtLoop_UntilKilled)
{
    first.SetTimer(7, 20);
    host->Wait(150);
    int ticks = first.Count("TIMER", 7);
    EXPECT_GE(ticks, 2);
    first.KillTimer(7);
    host->Wait(80);
    EXPECT_EQ(first.Count("TIMER", 7), ticks);
}

TEST_F(QtSheet, MessageBox_ShowsTheExactText_AndReturnsTheAnswer)
{
    std::string shownText;
    QString shownCaption;
    int buttons = 0;
    QTimer::singleShot(0, [&]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text().toStdString();
        shownCaption = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Yes)->click();
    });
    int answer = host->MessageBox("Drop the changes?\r\nThey are lost.", "Wizard",
                                  MB_YESNO | MB_ICONQUESTION, "");
    EXPECT_EQ(answer, IDYES);
    EXPECT_EQ(shownText, "Drop the changes?\nThey are lost.");
    EXPECT_EQ(shownCaption, "Wizard");
    EXPECT_EQ(buttons, 2);

    QTimer::singleShot(0, []() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(host->MessageBox("Again?", "Wizard", MB_YESNO, ""), IDNO);

    QTimer::singleShot(0, []() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(host->MessageBox("Error invalid device.", "", MB_OK | MB_ICONEXCLAMATION, ""), IDOK);
}

TEST_F(QtSheet, EnterInAYesNoBox_AnswersItsDefaultButton_TheSecondWhenAsked)
{
    const struct
    {
        UINT nType;
        int answer;
    } cases[] = {{MB_YESNO, IDYES}, {MB_YESNO | MB_DEFBUTTON2, IDNO}};
    for (const auto& row : cases)
    {
        QTimer::singleShot(0, []() {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(host->MessageBox("Delete it?", "Wizard", row.nType, ""), row.answer);
    }
}

TEST_F(QtSheet, MessageBoxIcon_IsTheFlagsOrElseQuestionForYesNoAndWarningForOK)
{
    struct Case
    {
        UINT nType;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MB_YESNO, QMessageBox::Question},
        {MB_OK, QMessageBox::Warning},
        {MB_OK | MB_ICONINFORMATION, QMessageBox::Information},
        {MB_OK | MB_ICONERROR, QMessageBox::Critical},
        {MB_YESNO | MB_ICONWARNING, QMessageBox::Warning},
        {MB_OK | MB_ICONQUESTION, QMessageBox::Question},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "nType " << c.nType);
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&shown]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->icon();
            box->buttons().front()->click();
        });
        host->MessageBox("Text.", "Wizard", c.nType, "");
        EXPECT_EQ(shown, c.icon);
    }
}

TEST_F(QtSheet, MessageBoxAnswerer_ClicksTheAnswer)
{
    std::string asked;
    host->SetMessageBoxAnswerer(
        [&asked](const std::string& text, const std::string&, UINT) -> std::optional<int> {
            asked = text;
            return IDNO;
        });
    EXPECT_EQ(host->MessageBox("Delete it?", "Wizard", MB_YESNO, ""), IDNO);
    EXPECT_EQ(asked, "Delete it?");
}

class StepDriver : public Driver
{
public:
    bool Step(CPropertySheet& sheet) override
    {
        ++steps;
        if (steps == 1)
        {
            sheet.PressButton(ID_WIZNEXT);
            return true;
        }
        title = sheet.GetWindowText();
        return false;
    }
    int steps = 0;
    std::string title;
};

TEST_F(QtSheet, RunModal_StepsTheDriver_AndCancelsWhenItIsDone)
{
    sheet.DestroyWindow();
    StepDriver driver;
    host->SetDriver(&driver);
    INT_PTR result = sheet.DoModal();
    host->SetDriver(nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(driver.steps, 2);
    EXPECT_EQ(driver.title, "Second Page");
}

TEST_F(QtSheet, RunModal_ReturnsWhenTheUserFinishes)
{
    sheet.DestroyWindow();
    QTimer::singleShot(0, [this]() {
        sheet.SetWizardButtons(PSWIZB_FINISH);
        AfxPumpMessages();
        QTest::mouseClick(SheetButton<QPushButton>(ID_WIZFINISH), Qt::LeftButton);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(QtSheet, Screenshot_WritesThePictureOfTheWindow)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::string file = folder.filePath("sheet.png").toStdString();
    ASSERT_TRUE(host->Screenshot(file));
    QImage image(QString::fromStdString(file));
    EXPECT_EQ(image.size(), Window()->size());
    EXPECT_FALSE(host->Screenshot(folder.filePath("missing/sheet.png").toStdString()));
}
} // namespace
} // namespace qttest
