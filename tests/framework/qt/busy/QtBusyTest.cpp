// A long call that a page makes on the user-interface thread (RunBusy), on the Qt host: the
// window keeps painting and the loop keeps taking other events, under the busy cursor; the
// user's input meanwhile is swallowed; the framework sees no timer tick and no posted message
// until the call is over, and then in the order a plain call would give.
#include "tests/framework/qt/QtTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace qttest
{
namespace
{
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
        {
            ++paints;
        }
        return false;
    }
};

class QtBusy : public QtSheetTest
{
protected:
    QtBusy()
    {
        Window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Window()));
    }
};

TEST_F(QtBusy, Call_PaintsAndSwallowsInput_AndTheFrameworkSeesItsEventsAfterwards)
{
    struct Seen
    {
        int paints = -1;
        bool busyCursor = false;
        std::vector<std::string> events;
        int activeIndex = -1;
        bool open = false;
    } during;
    PaintCounter counter;
    Window()->installEventFilter(&counter);
    std::atomic<bool> release{false};
    bool workDone = false;

    first.SetTimer(7, 20);
    first.onApply = [&]() {
        first.PostMessage(kTestMessage);
        QTimer::singleShot(0, [&]() {
            // The user clicks Next and presses Escape; the window is to be drawn anew.
            QTest::mouseClick(SheetButton<QPushButton>(ID_WIZNEXT), Qt::LeftButton);
            QTest::keyClick(Window(), Qt::Key_Escape);
            Window()->update();
            // Several periods of the timer later:
            QTimer::singleShot(120, [&]() {
                during.paints = counter.paints;
                during.busyCursor = QApplication::overrideCursor() != nullptr &&
                                    QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                during.events = first.events;
                during.activeIndex = sheet.GetActiveIndex();
                during.open = sheet.IsOpen();
                release = true;
            });
        });
        host->RunBusy([&]() {
            while (!release.load())
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            workDone = true;
        });
    };
    QTest::mouseClick(Widget<QPushButton>(kApply), Qt::LeftButton);

    EXPECT_TRUE(workDone);
    EXPECT_GT(during.paints, 0);
    EXPECT_TRUE(during.busyCursor);
    EXPECT_EQ(during.events, std::vector<std::string>{"BN_CLICKED:" + std::to_string(kApply)});
    EXPECT_EQ(during.activeIndex, 0);
    EXPECT_TRUE(during.open);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Once the handler has returned: its posted message, then one tick held back for the
    // timer, then the timer as before. The click and the key stay swallowed.
    ASSERT_TRUE(QTest::qWaitFor([this]() { return first.Count("TIMER", 7) >= 2; }));
    ASSERT_GE(first.events.size(), 4u);
    EXPECT_EQ(first.events[1], "POSTED");
    EXPECT_EQ(first.events[2], "TIMER:7");
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_TRUE(sheet.IsOpen());
}

TEST_F(QtBusy, HeldTick_IsDropped_WhenTheTimerIsKilledBeforeItRuns)
{
    first.SetTimer(7, 10);
    first.onApply = [&]() {
        host->RunBusy([]() { std::this_thread::sleep_for(std::chrono::milliseconds(60)); });
        first.KillTimer(7);
    };
    QTest::mouseClick(Widget<QPushButton>(kApply), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(first.Count("TIMER", 7), 0);
}

TEST_F(QtBusy, WorkThatThrows_ThrowsInTheCaller_AndLeavesTheHostAsBefore)
{
    EXPECT_THROW(host->RunBusy([]() { throw std::runtime_error("line gone"); }),
                 std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(Widget<QPushButton>(kApply), Qt::LeftButton);
    EXPECT_EQ(first.Count("BN_CLICKED", kApply), 1);
}
} // namespace
} // namespace qttest
