#include "tests/support/TestPages.h"

using namespace testpages;

namespace
{
class TimerTest : public SheetTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(controller.Start());
        log.clear();
    }
};

using Log = std::vector<std::string>;
} // namespace

TEST_F(TimerTest, Timers_FireOnlyWhenVirtualTimeAdvances)
{
    EXPECT_EQ(first.SetTimer(1, 1000), 1u);
    EXPECT_TRUE(log.empty());
    host.AdvanceTime(999);
    EXPECT_TRUE(log.empty());
    host.AdvanceTime(1);
    host.AdvanceTime(2500);
    EXPECT_EQ(log, (Log{"timer:500:1@1000", "timer:500:1@2000", "timer:500:1@3000"}));
    EXPECT_TRUE(first.KillTimer(1));
    EXPECT_FALSE(first.KillTimer(1));
    host.AdvanceTime(5000);
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(TimerTest, SeveralTimers_FireInTimeOrder)
{
    first.SetTimer(7, 300);
    first.SetTimer(8, 200);
    host.AdvanceTime(600);
    EXPECT_EQ(log, (Log{"timer:500:8@200", "timer:500:7@300", "timer:500:8@400", "timer:500:7@600",
                        "timer:500:8@600"}));
}

TEST_F(TimerTest, HandlerKillingItsTimer_StopsFurtherTicks)
{
    first.m_killTimerAfter = 2;
    first.SetTimer(3, 1000);
    host.AdvanceTime(10000);
    EXPECT_EQ(log, (Log{"timer:500:3@1000", "timer:500:3@2000"}));
    EXPECT_EQ(host.TimerCount(), 0u);
}

TEST_F(TimerTest, PostedRequestsOfATick_ApplyAfterTheTick)
{
    class TickingPage : public LoggingPage
    {
    public:
        using LoggingPage::LoggingPage;
        void OnTimer(UINT_PTR id) override
        {
            KillTimer(id);
            auto* parent = static_cast<CPropertySheet*>(GetParent());
            parent->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
            parent->SetWizardButtons(PSWIZB_FINISH);
            buttonsDuringTick = parent->GetWizardButtons();
        }
        DWORD buttonsDuringTick = 0;
    } ticking(kSecondTemplate, log);
    CPropertySheet other("Ticking");
    other.AddPage(&ticking);
    SheetController driver(other);
    ASSERT_TRUE(driver.Start());
    ticking.SetTimer(1, 1000);
    host.AdvanceTime(1000);
    EXPECT_EQ(ticking.buttonsDuringTick, static_cast<DWORD>(PSWIZB_BACK | PSWIZB_NEXT));
    EXPECT_EQ(other.GetWizardButtons(), static_cast<DWORD>(PSWIZB_FINISH));
}

TEST_F(TimerTest, EndingTheSheet_StopsItsPagesTimers)
{
    first.SetTimer(1, 1000);
    ASSERT_TRUE(host.HasTimer(first, 1));
    ASSERT_TRUE(controller.Cancel());
    EXPECT_FALSE(host.HasTimer(first, 1));
    host.AdvanceTime(5000);
    EXPECT_TRUE(log.empty());
}

TEST_F(TimerTest, SettingATimerAgain_RestartsIt)
{
    first.SetTimer(1, 1000);
    host.AdvanceTime(800);
    first.SetTimer(1, 1000);
    host.AdvanceTime(900);
    EXPECT_TRUE(log.empty());
    host.AdvanceTime(100);
    EXPECT_EQ(log, (Log{"timer:500:1@1800"}));
    EXPECT_EQ(first.SetTimer(0, 100), 0u);
}
