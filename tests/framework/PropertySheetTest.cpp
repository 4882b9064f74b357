#include "tests/support/TestPages.h"

using namespace testpages;

namespace
{
using Log = std::vector<std::string>;

class PropertySheetTest : public SheetTest
{
};
} // namespace

TEST_F(PropertySheetTest, FirstActivation_CreatesControlsThenInitThenSetActive)
{
    ASSERT_TRUE(controller.Start());
    EXPECT_EQ(log, (Log{"init:500:controls", "setactive:500"}));
    EXPECT_EQ(controller.Title(), "First Page");
    EXPECT_EQ(sheet.GetActivePage(), &first);
    EXPECT_TRUE(first.IsWindowVisible());
    EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, NextAndBack_MoveInIndexOrderWithTitles)
{
    ASSERT_TRUE(controller.Start());
    log.clear();
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_EQ(controller.Title(), "Second Page");
    EXPECT_EQ(log, (Log{"next:500", "killactive:500", "init:501:controls", "setactive:501"}));
    EXPECT_FALSE(first.IsWindowVisible());
    EXPECT_TRUE(second.IsWindowVisible());

    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.Title(), "Third Page");
    log.clear();
    ASSERT_TRUE(controller.Back());
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_EQ(controller.Title(), "Second Page");
    // A later activation runs no OnInitDialog.
    EXPECT_EQ(log, (Log{"back:502", "killactive:502", "setactive:501"}));
    ASSERT_TRUE(controller.Back());
    EXPECT_EQ(controller.ActiveIndex(), 0);
}

TEST_F(PropertySheetTest, VetoInKillActive_KeepsPageForNextBackAndSetActivePage)
{
    ASSERT_TRUE(controller.Start());
    ASSERT_TRUE(controller.Next());
    second.m_vetoKillActive = TRUE;
    EXPECT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_TRUE(controller.Back());
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_FALSE(sheet.SetActivePage(2));
    EXPECT_FALSE(sheet.SetActivePage(&first));
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_EQ(third.m_hWnd, nullptr);
    second.m_vetoKillActive = FALSE;
    EXPECT_TRUE(sheet.SetActivePage(&third));
    EXPECT_EQ(controller.ActiveIndex(), 2);
}

TEST_F(PropertySheetTest, WizardHandlerReturningMinusOne_StaysWithoutKillActive)
{
    ASSERT_TRUE(controller.Start());
    first.m_nextResult = -1;
    log.clear();
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 0);
    EXPECT_EQ(log, (Log{"next:500"}));
}

TEST_F(PropertySheetTest, HandlerThatJumps_LandsOnTargetOnce)
{
    ASSERT_TRUE(controller.Start());
    first.m_jumpOnNext = 2;
    log.clear();
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 2);
    EXPECT_EQ(log, (Log{"next:500", "killactive:500", "init:502:controls", "setactive:502"}));
}

TEST_F(PropertySheetTest, FirstActivationEndsInTheBase_SoAPageThatSkipsItKeepsIt)
{
    ASSERT_TRUE(controller.Start());
    second.m_logExchange = TRUE;
    second.m_skipDefaultActivation = TRUE;
    ASSERT_TRUE(controller.Next());
    ASSERT_TRUE(controller.Back());
    second.m_skipDefaultActivation = FALSE;
    log.clear();
    // The second display is the first to reach the base: members were moved by OnInitDialog
    // already, so nothing is loaded; the third display loads.
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(log, (Log{"next:500", "killactive:500", "setactive:501"}));
    ASSERT_TRUE(controller.Back());
    log.clear();
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(log, (Log{"next:500", "killactive:500", "setactive:501", "load:501"}));
}

TEST_F(PropertySheetTest, RefusedActivation_PassesOverThePageInTheDirectionOfTravel)
{
    ASSERT_TRUE(controller.Start());
    second.m_refuseActivation = TRUE;
    log.clear();
    // Next: the refused page is created, asked, and passed over to the one after it.
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(controller.ActiveIndex(), 2);
    EXPECT_EQ(controller.Title(), "Third Page");
    EXPECT_EQ(log, (Log{"next:500", "killactive:500", "init:501:controls", "setactive:501",
                        "init:502:controls", "setactive:502"}));
    EXPECT_FALSE(second.IsWindowVisible());
    EXPECT_FALSE(first.IsWindowVisible());
    // Back: passed over towards the first page.
    ASSERT_TRUE(controller.Back());
    EXPECT_EQ(controller.ActiveIndex(), 0);
    // A jump to a refusing last page finds no page after it: nothing moves.
    ASSERT_TRUE(controller.Next());
    third.m_refuseActivation = TRUE;
    second.m_refuseActivation = FALSE;
    ASSERT_TRUE(sheet.SetActivePage(1));
    EXPECT_FALSE(sheet.SetActivePage(2));
    EXPECT_EQ(controller.ActiveIndex(), 1);
    EXPECT_TRUE(second.IsWindowVisible());
}

TEST_F(PropertySheetTest, HandlerReturningTemplateId_ActivatesThatPage)
{
    ASSERT_TRUE(controller.Start());
    first.m_nextResult = kThirdTemplate;
    ASSERT_TRUE(controller.Next());
    EXPECT_EQ(sheet.GetActivePage(), &third);
}

TEST_F(PropertySheetTest, PostedButtonRequests_ApplyInOrderAfterTheHandler)
{
    ASSERT_TRUE(controller.Start());
    struct Probe
    {
        DWORD seenInsideHandler = 0;
        size_t pendingInsideHandler = 0;
    } probe;
    // The second page posts Back|Next and then Finish within one OnSetActive.
    class PostingPage : public LoggingPage
    {
    public:
        PostingPage(std::vector<std::string>& log, Probe& probe)
            : LoggingPage(kSecondTemplate, log), m_probe(probe)
        {
        }
        BOOL OnSetActive() override
        {
            auto* parent = static_cast<CPropertySheet*>(GetParent());
            parent->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
            parent->SetWizardButtons(PSWIZB_FINISH);
            m_probe.seenInsideHandler = parent->GetWizardButtons();
            m_probe.pendingInsideHandler = AfxPendingMessages();
            return CPropertyPage::OnSetActive();
        }
        Probe& m_probe;
    };
    CPropertySheet other("Other");
    PostingPage posting(log, probe);
    LoggingPage start(kFirstTemplate, log);
    start.m_buttonsOnActivate = PSWIZB_NEXT;
    other.AddPage(&start);
    other.AddPage(&posting);
    SheetController driver(other);
    ASSERT_TRUE(driver.Start());
    EXPECT_EQ(other.GetWizardButtons(), static_cast<DWORD>(PSWIZB_NEXT));
    EXPECT_FALSE(driver.IsButtonEnabled(ID_WIZBACK));
    ASSERT_TRUE(driver.Next());
    EXPECT_EQ(probe.seenInsideHandler, static_cast<DWORD>(PSWIZB_NEXT));
    EXPECT_EQ(probe.pendingInsideHandler, 2u);
    EXPECT_EQ(other.GetWizardButtons(), static_cast<DWORD>(PSWIZB_FINISH));
    EXPECT_TRUE(driver.IsButtonVisible(ID_WIZFINISH));
    EXPECT_TRUE(driver.IsButtonEnabled(ID_WIZFINISH));
    EXPECT_FALSE(driver.IsButtonVisible(ID_WIZNEXT));
    EXPECT_FALSE(driver.IsButtonEnabled(ID_WIZBACK));
    EXPECT_EQ(AfxPendingMessages(), 0u);
}

TEST_F(PropertySheetTest, DisabledFinish_GreysFinishBackAndNext)
{
    first.m_buttonsOnActivate = PSWIZB_DISABLEDFINISH;
    ASSERT_TRUE(controller.Start());
    EXPECT_TRUE(controller.IsButtonVisible(ID_WIZFINISH));
    EXPECT_FALSE(controller.IsButtonEnabled(ID_WIZFINISH));
    EXPECT_FALSE(controller.IsButtonVisible(ID_WIZNEXT));
    EXPECT_FALSE(controller.IsButtonEnabled(ID_WIZBACK));
    EXPECT_TRUE(controller.IsButtonEnabled(IDCANCEL));
    EXPECT_FALSE(sheet.PressButton(ID_WIZFINISH));
    EXPECT_FALSE(sheet.PressButton(ID_WIZNEXT));
    EXPECT_TRUE(sheet.IsOpen());
}

TEST_F(PropertySheetTest, PressingDisabledButtonThroughController_IsReportedAsError)
{
    first.m_buttonsOnActivate = PSWIZB_NEXT;
    ASSERT_TRUE(controller.Start());
    std::vector<std::string> errors;
    host.SetErrorHandler([&errors](const std::string& e) { errors.push_back(e); });
    EXPECT_FALSE(controller.Back());
    EXPECT_FALSE(controller.Finish());
    host.SetErrorHandler([](const std::string& e) { ADD_FAILURE() << e; });
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("disabled"), std::string::npos);
    EXPECT_NE(errors[1].find("hidden"), std::string::npos);
    EXPECT_EQ(controller.ActiveIndex(), 0);
}

TEST_F(PropertySheetTest, Cancel_ClosesAtOnceWithoutQuestion)
{
    ASSERT_TRUE(controller.Start());
    ASSERT_TRUE(controller.Next());
    log.clear();
    ASSERT_TRUE(controller.Cancel());
    EXPECT_FALSE(controller.IsOpen());
    EXPECT_EQ(controller.Result(), IDCANCEL);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(host.MessageBoxes().empty());
    EXPECT_FALSE(sheet.IsWindowVisible());
}

TEST_F(PropertySheetTest, CancelDisabledByPage_CannotBePressed)
{
    ASSERT_TRUE(controller.Start());
    first.GetParent()->GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    EXPECT_FALSE(sheet.PressButton(IDCANCEL));
    EXPECT_TRUE(controller.IsOpen());
    first.GetParent()->GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
    EXPECT_TRUE(controller.Cancel());
}

TEST_F(PropertySheetTest, Finish_RunsOnWizardFinishThenCloses)
{
    first.m_buttonsOnActivate = PSWIZB_FINISH;
    ASSERT_TRUE(controller.Start());
    first.m_finishResult = FALSE;
    ASSERT_TRUE(controller.Finish());
    EXPECT_TRUE(controller.IsOpen());
    first.m_finishResult = TRUE;
    ASSERT_TRUE(controller.Finish());
    EXPECT_FALSE(controller.IsOpen());
    EXPECT_EQ(controller.Result(), IDOK);
}

TEST_F(PropertySheetTest, DoModal_RunsTheDriverUntilTheSheetEnds)
{
    class CancelAfterNext : public Driver
    {
    public:
        bool Step(CPropertySheet& s) override
        {
            ++steps;
            if (steps == 1)
            {
                return s.PressButton(ID_WIZNEXT) != FALSE;
            }
            activeBeforeCancel = s.GetActiveIndex();
            return s.PressButton(IDCANCEL) != FALSE;
        }
        int steps = 0;
        int activeBeforeCancel = -1;
    } driver;
    host.SetDriver(&driver);
    INT_PTR result = sheet.DoModal();
    host.SetDriver(nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(driver.steps, 2);
    EXPECT_EQ(driver.activeBeforeCancel, 1);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(first.m_hWnd, nullptr);
    EXPECT_TRUE(host.Windows().empty());
}

TEST_F(PropertySheetTest, SecondRun_CreatesPagesAnew)
{
    ASSERT_TRUE(controller.Start());
    ASSERT_TRUE(controller.Cancel());
    sheet.DestroyWindow();
    log.clear();
    ASSERT_TRUE(controller.Start());
    EXPECT_EQ(log, (Log{"init:500:controls", "setactive:500"}));
}

TEST_F(PropertySheetTest, PageReachesSheetThroughParent_BeforeAndAfterCreation)
{
    EXPECT_EQ(first.GetParent(), &sheet);
    EXPECT_EQ(dynamic_cast<CPropertySheet*>(second.GetParent()), &sheet);
    ASSERT_TRUE(controller.Start());
    EXPECT_EQ(first.GetParent(), &sheet);
    EXPECT_EQ(first.GetDlgItem(kName)->GetParent(), &first);
    EXPECT_EQ(sheet.GetPageIndex(&third), 2);
    EXPECT_EQ(sheet.GetPageCount(), 3);
}

TEST_F(PropertySheetTest, SheetIcons_AreStoredAndMirrored)
{
    ASSERT_TRUE(controller.Start());
    CWinApp app;
    HICON icon = app.LoadIcon(kIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(AfxIconImage(icon)->id, kIcon);
    size_t changesBefore = host.ChangeCount();
    sheet.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    sheet.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    EXPECT_EQ(sheet.GetIcon(TRUE), icon);
    EXPECT_EQ(sheet.GetIcon(FALSE), icon);
    EXPECT_EQ(host.ChangeCount(), changesBefore + 2);
    EXPECT_EQ(app.LoadIcon(999), nullptr);
}

TEST_F(PropertySheetTest, PagesDestroyedBeforeSheet_LeaveSheetConsistent)
{
    auto extra = std::make_unique<LoggingPage>(kSecondTemplate, log);
    sheet.AddPage(extra.get());
    ASSERT_TRUE(controller.Start());
    ASSERT_TRUE(sheet.SetActivePage(3));
    extra.reset();
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetActivePage(), nullptr);
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(controller.Title(), "First Page");
}
