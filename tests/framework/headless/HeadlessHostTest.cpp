#include "framework/Afx.h"
#include "framework/headless/SheetController.h"
#include "tests/support/TestHost.h"
#include "tests/support/TestPages.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace testpages;

namespace
{
class OnePage : public CPropertyPage
{
public:
    OnePage() : CPropertyPage(kSecondTemplate) {}
    void OnTimer(UINT_PTR) override { ++ticks; }
    int ticks = 0;
};

class HeadlessHostTest : public testing::Test
{
protected:
    HeadlessHostTest() { InstallResources(); }

    HeadlessHost& host = TestHost();
};
} // namespace

TEST_F(HeadlessHostTest, MessageBoxes_TakeQueuedAnswersAndAreLogged)
{
    host.QueueAnswer(IDYES);
    host.QueueAnswer(IDOK);
    EXPECT_EQ(AfxMessageBox(kHelloString, MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(AfxMessageBox("Done.", MB_OK), IDOK);
    ASSERT_EQ(host.MessageBoxes().size(), 2u);
    EXPECT_EQ(host.MessageBoxes()[0].text, "Hello");
    EXPECT_EQ(host.MessageBoxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(host.MessageBoxes()[0].answer, IDYES);
    EXPECT_TRUE(host.MessageBoxes()[1].expected);
    EXPECT_EQ(host.PendingAnswers(), 0u);
}

TEST_F(HeadlessHostTest, UnexpectedOrUnfittingMessageBox_IsAnErrorWithSafeAnswer)
{
    std::vector<std::string> errors;
    host.SetErrorHandler([&errors](const std::string& e) { errors.push_back(e); });
    EXPECT_EQ(AfxMessageBox("Sure?", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("Note."), IDOK);
    host.QueueAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox("Note."), IDOK);
    host.SetErrorHandler([](const std::string& e) { ADD_FAILURE() << e; });
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("Sure?"), std::string::npos);
    EXPECT_FALSE(host.MessageBoxes()[0].expected);
    EXPECT_EQ(host.Errors().size(), 3u);
}

TEST_F(HeadlessHostTest, LoadString_FindsApplicationAndFrameworkStrings)
{
    EXPECT_EQ(AfxLoadString(kHelloString), "Hello");
    EXPECT_EQ(AfxLoadString(AFX_IDP_PARSE_INT), "Please enter an integer.");
    EXPECT_EQ(AfxLoadString(12345), "");
    EXPECT_EQ(AfxFormatString1("%1 of %2", "one"), "one of ");
}

TEST_F(HeadlessHostTest, RealTimeWait_FiresTimersWhenDue)
{
    OnePage page;
    CPropertySheet sheet("Real time");
    sheet.AddPage(&page);
    SheetController controller(sheet);
    ASSERT_TRUE(controller.Start());
    host.SetClockMode(HeadlessHost::ClockMode::RealTime);
    page.SetTimer(1, 20);
    auto start = std::chrono::steady_clock::now();
    host.Wait(110);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(110));
    EXPECT_GE(page.ticks, 1);
    EXPECT_LE(page.ticks, 6);
    host.SetClockMode(HeadlessHost::ClockMode::Virtual);
    int before = page.ticks;
    int64_t firstDue = host.TimeToNextTimer();
    ASSERT_GE(firstDue, 0);
    ASSERT_LE(firstDue, 20);
    host.AdvanceTime(200);
    EXPECT_EQ(page.ticks, before + (firstDue == 0 ? 11 : 10));
}

TEST_F(HeadlessHostTest, RunModalWithoutDriver_CancelsAndReports)
{
    OnePage page;
    CPropertySheet sheet("Modal");
    sheet.AddPage(&page);
    std::vector<std::string> errors;
    host.SetErrorHandler([&errors](const std::string& e) { errors.push_back(e); });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    host.SetErrorHandler([](const std::string& e) { ADD_FAILURE() << e; });
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(HeadlessHostTest, DriverThatStops_LeavesTheSheetCancelled)
{
    class TypeThenStop : public Driver
    {
    public:
        bool Step(CPropertySheet& sheet) override
        {
            SheetController controller(sheet);
            typed = controller.Type(kCount, "abc");
            text = controller.Control(kCount)->GetWindowText();
            description = controller.Describe();
            return false;
        }
        bool typed = false;
        std::string text;
        std::string description;
    } driver;
    OnePage page;
    CPropertySheet sheet("Driven");
    sheet.AddPage(&page);
    host.SetDriver(&driver);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    host.SetDriver(nullptr);
    EXPECT_TRUE(driver.typed);
    EXPECT_EQ(driver.text, "abc");
    EXPECT_NE(driver.description.find("title \"Second Page\" page 0"), std::string::npos);
    EXPECT_NE(driver.description.find("buttons Back Next Cancel"), std::string::npos);
    EXPECT_NE(driver.description.find("edit 1010 limit=30000 \"abc\""), std::string::npos);
    EXPECT_NE(driver.description.find("button 1013 check=0 \"Option\""), std::string::npos);
}

namespace
{
class TestApp : public CWinApp
{
public:
    TestApp() : CWinApp("Test App") {}
    BOOL InitInstance() override
    {
        hostDuringInit = AfxGetHost();
        AfxMessageBox("Hello");
        return FALSE;
    }
    int ExitInstance() override { return 3; }
    Host* hostDuringInit = nullptr;
};
} // namespace

TEST_F(HeadlessHostTest, WinMain_RunsTheApplicationWithTheGivenHost)
{
    HeadlessHost own;
    own.QueueAnswer(IDOK);
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(own), 3);
    EXPECT_EQ(app.hostDuringInit, &own);
    ASSERT_EQ(own.MessageBoxes().size(), 1u);
    EXPECT_EQ(own.MessageBoxes()[0].caption, "Test App");
    EXPECT_EQ(AfxGetHost(), &host);
}

TEST_F(HeadlessHostTest, WaitUntil_AdvancesToTheTickThatMakesTheConditionTrue)
{
    OnePage page;
    CPropertySheet sheet("Waiting");
    sheet.AddPage(&page);
    SheetController controller(sheet);
    ASSERT_TRUE(controller.Start());
    page.SetTimer(1, 1000);
    EXPECT_TRUE(host.WaitUntil([&page] { return page.ticks == 3; }, 10000));
    EXPECT_EQ(host.Now(), 3000u);
    EXPECT_FALSE(host.WaitUntil([&page] { return page.ticks == 100; }, 2500));
    EXPECT_EQ(host.Now(), 5500u);
    EXPECT_EQ(page.ticks, 5);
}
