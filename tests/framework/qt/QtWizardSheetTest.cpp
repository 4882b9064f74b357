// The wizard's own sheet on the Qt host: its first page from the real templates and artwork.
#include "src/app/CfgSheet.h"
#include "src/res/Resources.h"
#include "tests/framework/qt/QtTestSupport.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace qttest
{
namespace
{
class QtWizardSheet : public testing::Test
{
protected:
    QtWizardSheet() : previousHost(AfxGetHost())
    {
        Application();
        AfxSetResources(WizardResources());
        host = std::make_unique<QtHost>();
        AfxSetHost(host.get());
        // The sheet loads its icon when it is made: after the wizard's resources are in place.
        sheet = std::make_unique<CCfgSheet>("test", nullptr, 0);
        sheet->m_psh.dwFlags |= PSH_WIZARD;
    }
    ~QtWizardSheet() override
    {
        sheet->DestroyWindow();
        sheet.reset();
        host.reset();
        AfxSetHost(previousHost);
    }

    Host* previousHost;
    std::unique_ptr<QtHost> host;
    std::unique_ptr<CCfgSheet> sheet;
};

TEST_F(QtWizardSheet, FirstPage_ShowsInTheWindow_WithTitleIconAndControls)
{
    ASSERT_TRUE(sheet->Create());
    QWidget* window = host->SheetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "QUORAN Configuration Wizard");
    EXPECT_FALSE(window->windowIcon().isNull());

    CPropertyPage& welcome = sheet->m_welcomePage;
    ASSERT_EQ(sheet->GetActivePage(), &welcome);
    auto* yes = qobject_cast<QRadioButton*>(host->WidgetOf(*welcome.GetDlgItem(1159)));
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(yes->text(), "Yes");
    EXPECT_TRUE(yes->isVisible());

    // The introduction: x 5, y 39, 260 x 49 dialog units.
    BaseUnits units = host->GetBaseUnits();
    auto* text = qobject_cast<QLabel*>(host->WidgetOf(*welcome.GetDlgItem(1057)));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(),
              QRect(5 * units.x / 4, 39 * units.y / 8, 265 * units.x / 4 - 5 * units.x / 4,
                    88 * units.y / 8 - 39 * units.y / 8));
    EXPECT_FALSE(text->text().isEmpty());

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(sheet->IsOpen());
    EXPECT_EQ(sheet->GetResult(), IDCANCEL);
}
} // namespace
} // namespace qttest
