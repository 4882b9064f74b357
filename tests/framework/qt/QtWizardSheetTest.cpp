// The wizard's own sheet on the Qt host: its first page from the real templates and artwork,
// the keyboard on the real pages, what a screen reader learns of every page, and every text of
// every page in the fonts a Debian desktop offers.
#include "framework/MessageBox.h"
#include "framework/headless/Wording.h"
#include "platform/posix/ModuleFileTesting.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/res/Resources.h"
#include "tests/framework/qt/QtTestSupport.h"
#include "tests/support/PageList.h"
#include "tests/support/PseudoTerminal.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <span>
#include <sstream>

namespace qttest
{
namespace
{
class QtWizardSheet : public testing::Test
{
protected:
    QtWizardSheet()
        : previousHost(AfxGetHost()), previousFont((Application(), QApplication::font()))
    {
        AfxSetResources(WizardResources());
        SetModuleFolderForTesting(noPorts.Path().c_str());
    }
    ~QtWizardSheet() override
    {
        Close();
        SetModuleFolderForTesting(nullptr);
        AfxSetHost(previousHost);
        QApplication::setFont(previousFont);
    }

    // A host with the application's font as it stands, and the sheet on it, created with the
    // page `start` current.
    void Open(UINT start = 0)
    {
        Close();
        host = std::make_unique<QtHost>();
        AfxSetHost(host.get());
        // Pages on the way may ask; the first button of the box answers.
        host->SetMessageBoxAnswerer([](const std::string&, const std::string&, UINT nType) {
            return std::optional<int>(AfxUnattendedAnswer(nType));
        });
        // The sheet loads its icon when it is made: after the wizard's resources are in place.
        sheet = std::make_unique<CCfgSheet>("test", nullptr, start);
        sheet->m_psh.dwFlags |= PSH_WIZARD;
        ASSERT_TRUE(sheet->Create());
    }

    void Close()
    {
        if (sheet != nullptr)
        {
            sheet->DestroyWindow();
            sheet.reset();
        }
        host.reset();
    }

    // The executable's folder, where the search page finds no serial port.
    testing_support::ComPortFolder noPorts;
    Host* previousHost;
    QFont previousFont;
    std::unique_ptr<QtHost> host;
    std::unique_ptr<CCfgSheet> sheet;
};

TEST_F(QtWizardSheet, FirstPage_ShowsInTheWindow_WithTitleIconAndControls)
{
    Open();
    QWidget* window = host->SheetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "QUORAN Configuration Wizard");
    EXPECT_FALSE(window->windowIcon().isNull());

    CPropertyPage& welcome = sheet->m_welcomePage;
    ASSERT_EQ(sheet->GetActivePage(), &welcome);
    auto* yes = qobject_cast<QRadioButton*>(host->WidgetOf(*welcome.GetDlgItem(IDC_SEARCH_YES)));
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(yes->text(), "Yes");
    EXPECT_TRUE(yes->isVisible());

    // The introduction: x 5, y 39, 260 x 49 dialog units.
    BaseUnits units = host->GetBaseUnits();
    auto* text = qobject_cast<QLabel*>(host->WidgetOf(*welcome.GetDlgItem(IDC_WELCOME_INTRO)));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(),
              QRect(5 * units.x / 4, 39 * units.y / 8, 265 * units.x / 4 - 5 * units.x / 4,
                    88 * units.y / 8 - 39 * units.y / 8));
    EXPECT_FALSE(text->text().isEmpty());

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(sheet->IsOpen());
    EXPECT_EQ(sheet->GetResult(), IDCANCEL);
}

TEST_F(QtWizardSheet, Enter_OnTheFirstPage_MovesOn)
{
    Open();
    QWidget* window = host->SheetWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus, host->WidgetOf(*sheet->m_welcomePage.GetDlgItem(IDC_SEARCH_YES)));
    QTest::keyClick(focus, Qt::Key_Return);
    // "Yes" is checked: on to the search.
    EXPECT_EQ(sheet->GetActivePage(), &sheet->m_idingPage);
}

TEST_F(QtWizardSheet, Enter_WhereOnlyCancelIsEnabled_DoesNothing_AndOnAnOutcomePageFinishes)
{
    // The search waits for the silent port; the download page for a worker that never ends.
    testing_support::PseudoTerminal silent;
    noPorts.Link(1, silent.SlavePath());
    const int previousResult = theApp.m_device.result.exchange(-1);
    const struct
    {
        UINT page;
        bool finishes;
    } rows[] = {{2, false}, {17, false}, {18, true}, {19, true}, {20, true}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(kPages[row.page].className);
        Open(row.page);
        QWidget* window = host->SheetWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        auto* finish = qobject_cast<QPushButton*>(host->WidgetOf(*sheet->GetDlgItem(ID_WIZFINISH)));
        if (row.finishes)
        {
            EXPECT_TRUE(finish->hasFocus());
            EXPECT_TRUE(finish->isDefault());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_FALSE(sheet->IsOpen());
            continue;
        }
        // Where the focus is, and on Cancel, a second time as if pressed a moment late.
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                        Qt::Key_Return);
        host->WidgetOf(*sheet->GetDlgItem(IDCANCEL))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        EXPECT_TRUE(sheet->IsOpen());
        EXPECT_EQ(sheet->GetActiveIndex(), static_cast<int>(row.page));
    }
    Close();
    theApp.m_device.result.store(previousResult);
}

TEST_F(QtWizardSheet, AltN_WhereALabelMarksNTheSame_PressesNext)
{
    Open(12); // "DCD Sig&nal"
    QWidget* window = host->SheetWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return sheet->GetActiveIndex() == 13; }));
}

// A template's text as a screen reader gets it: the mnemonic mark gone, lines broken by "\n".
QString Spoken(const char* text)
{
    QString spoken = QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return spoken.remove(QLatin1Char('&'));
}

// What a screen reader calls the control. On Linux a drop-down list's name is its value; the
// reader names it by the one label it is labelled by.
QString NameOf(QAccessibleInterface& input)
{
    if (input.role() != QAccessible::ComboBox)
    {
        return input.text(QAccessible::Name);
    }
    const auto labels = input.relations(QAccessible::Label);
    return labels.size() == 1 ? labels[0].first->text(QAccessible::Name)
                              : QString::number(labels.size()) + " labels";
}

// Windows names a control after the item right before it in its template (each label stands
// there); a check box or radio button says its own text.
TEST_F(QtWizardSheet, EveryPage_NamesEachInputByItsLabel_InADialogWithTheWizardsTitle)
{
    for (UINT index = 0; index < std::size(kPages); ++index)
    {
        Open(index);
        CPropertyPage& page = *sheet->GetActivePage();
        SCOPED_TRACE(PageClassName(page));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(host->SheetWindow());
        EXPECT_EQ(window->role(), QAccessible::Dialog);
        EXPECT_EQ(window->text(QAccessible::Name), kWizardTitle);

        std::span<const DialogItem> items = AfxFindDialog(kPages[index].templateId)->items;
        const DialogItem* mainText = &*std::find_if(
            items.begin(), items.end(), [](const DialogItem& item) { return *item.text; });
        EXPECT_EQ(QAccessible::queryAccessibleInterface(host->WidgetOf(page))
                      ->text(QAccessible::Description),
                  Spoken(mainText->text));

        for (size_t i = 1; i < items.size(); ++i)
        {
            CWnd* control = items[i].id != IDC_STATIC ? page.GetDlgItem(items[i].id) : nullptr;
            QAccessibleInterface* input =
                control != nullptr ? QAccessible::queryAccessibleInterface(host->WidgetOf(*control))
                                   : nullptr;
            if (input == nullptr || input->role() == QAccessible::PushButton ||
                input->role() == QAccessible::StaticText || input->role() == QAccessible::Grouping)
            {
                continue;
            }
            SCOPED_TRACE(items[i].id);
            const DWORD button =
                items[i].controlClass == ControlClass::Button ? items[i].style & 0xF : 0;
            if (button == BS_AUTORADIOBUTTON)
            {
                EXPECT_EQ(input->role(), QAccessible::RadioButton);
                EXPECT_FALSE(input->text(QAccessible::Description).isEmpty());
            }
            EXPECT_EQ(NameOf(*input), Spoken(button != 0 ? items[i].text : items[i - 1].text));
        }
    }
}

// What a control's text needs beyond the room its widget gives it, as the widget draws it; ""
// when it fits.
std::string Overflow(QWidget* widget)
{
    std::ostringstream out;
    QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && label->pixmap().isNull() && !label->text().isEmpty())
    {
        QRect room = label->contentsRect();
        int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                    (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0);
        QRect needed = metrics.boundingRect(room, flags, label->text());
        if (needed.width() > room.width() || needed.height() > room.height())
        {
            out << "needs " << needed.width() << " x " << needed.height() << ", has "
                << room.width() << " x " << room.height();
        }
    }
    else if (qobject_cast<QCheckBox*>(widget) != nullptr ||
             qobject_cast<QRadioButton*>(widget) != nullptr)
    {
        if (widget->sizeHint().width() > widget->width())
        {
            out << "needs " << widget->sizeHint().width() << " wide, has " << widget->width();
        }
    }
    else if (auto* button = qobject_cast<QPushButton*>(widget))
    {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.features = QStyleOptionButton::AutoDefaultButton;
        QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        int needed = metrics.size(Qt::TextShowMnemonic, button->text()).width();
        if (needed > contents.width())
        {
            out << "needs " << needed << " wide, has " << contents.width();
        }
    }
    return out.str();
}

class QtWizardFonts : public QtWizardSheet, public testing::WithParamInterface<const char*>
{
};

TEST_P(QtWizardFonts, EveryTextOfEveryPage_FitsItsControl_From8To12Points)
{
    const QString family = QString::fromLatin1(GetParam());
    if (QFontInfo(QFont(family)).family() != family)
    {
        GTEST_SKIP() << GetParam() << " is not installed";
    }
    std::vector<std::string> clipped;
    for (int points = 8; points <= 12; ++points)
    {
        QApplication::setFont(QFont(family, points));
        for (UINT page = 0; page < std::size(kPages); ++page)
        {
            // Each page first (no route to follow, no page left behind to veto).
            Open(page);
            ASSERT_EQ(sheet->GetActiveIndex(), static_cast<int>(page));
            std::vector<CWnd*> controls = sheet->GetActivePage()->GetChildren();
            for (CWnd* button : sheet->GetChildren())
            {
                if (button->GetKind() == WindowKind::Button)
                {
                    controls.push_back(button);
                }
            }
            for (CWnd* control : controls)
            {
                QWidget* widget = host->WidgetOf(*control);
                std::string overflow = widget != nullptr ? Overflow(widget) : "";
                if (!overflow.empty())
                {
                    clipped.push_back(std::to_string(points) + " pt, " +
                                      PageClassName(*sheet->GetActivePage()) + " \"" +
                                      control->GetWindowText() + "\": " + overflow);
                }
            }
        }
    }
    std::ostringstream report;
    for (const std::string& line : clipped)
    {
        report << "\n  " << line;
    }
    EXPECT_TRUE(clipped.empty()) << clipped.size() << " clipped text(s):" << report.str();
}

INSTANTIATE_TEST_SUITE_P(DebianFonts, QtWizardFonts,
                         testing::Values("DejaVu Sans", "Liberation Sans", "Noto Sans"),
                         [](const testing::TestParamInfo<const char*>& row) {
                             std::string name = row.param;
                             std::erase(name, ' ');
                             return name;
                         });
} // namespace
} // namespace qttest
