#include "src/download/Download.h"
#include "sim/Adapter.h"
#include "tests/support/SerialTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace serial_testing;

namespace
{
class Download : public SerialTest
{
protected:
    using SerialTest::SerialTest;

    // A simulated adapter as COM`number`.
    sim::Adapter& Attach(int number, const sim::Faults& faults = {})
    {
        sim::Options options;
        options.faults = faults;
        options.clockRate = static_cast<int>(ClockRate());
        m_adapters.push_back(sim::Adapter::Start(options));
        sim::Adapter* adapter = m_adapters.back().get();
        EXPECT_NE(adapter, nullptr);
        if (adapter)
            ports().Link(number, adapter->DevicePath());
        return *adapter;
    }

    static std::unique_ptr<DeviceRecord> Record(int number, std::vector<std::string> lines)
    {
        auto record = std::make_unique<DeviceRecord>();
        std::snprintf(record->portPath, sizeof record->portPath, "%s", ComName(number).c_str());
        record->cmdLines = std::move(lines);
        return record;
    }

    void CheckEachOutcome();

    std::vector<std::unique_ptr<sim::Adapter>> m_adapters;
};

// The program's clock at real time, for a test of the real timing.
class DownloadRealTime : public Download
{
protected:
    DownloadRealTime() : Download(1) {}
};

const std::vector<std::string> kThreeLines = {"ATS0=1\r", "AT!C0=2\r\n", "AT&W0\r\n"};
const std::vector<std::string> kReceivedThree = {"ATS0=1", "AT!C0=2", "AT&W0"};

// Every outcome of a download, and when each ends: on the program's clock, the times are the
// same at any pace.
void Download::CheckEachOutcome()
{
    sim::Faults refuseSecond;
    refuseSecond.errorOnLine = 2;
    sim::Faults silent;
    silent.silent = true;
    sim::Adapter& accepting = Attach(1);
    sim::Adapter& refusing = Attach(2, refuseSecond);
    sim::Adapter& quiet = Attach(3, silent);
    sim::Faults hangUpAfterFirst;
    hangUpAfterFirst.hangupAfterLines = 1;
    sim::Adapter& leaving = Attach(5, hangUpAfterFirst);
    sim::Adapter& idle = Attach(6);
    const struct
    {
        int port;
        std::vector<std::string> lines;
        int result;
        double minSeconds; // the 2-second pause, the 500 ms after each OK, the 10-second wait
        double maxSeconds;
    } rows[] = {
        {1, kThreeLines, kDownloadOK, 3.4, 6},
        {2, kThreeLines, kDownloadSendError, 2.4, 4}, // refused: no wait for an OK
        {3, kThreeLines, kDownloadNoOK, 11.9, 15},
        {4, kThreeLines, kDownloadPortError, 0, 1},   // no such port
        {5, kThreeLines, kDownloadSendError, 2.4, 4}, // the line is gone
        {6, {}, kDownloadOK, 1.9, 4},                 // nothing to send: still opened and paused
    };
    std::vector<std::unique_ptr<DeviceRecord>> records;
    const ClockWatch watch = StartWatch();
    for (const auto& row : rows)
    {
        records.push_back(Record(row.port, row.lines));
        ASSERT_TRUE(StartDownloadWorker(records.back().get()));
    }
    // When each result appeared, polled as the configuring page polls it (more often).
    std::vector<double> ended(records.size(), -1);
    while (watch.Seconds() < 30 && std::count(ended.begin(), ended.end(), -1) > 0)
    {
        for (size_t i = 0; i < records.size(); ++i)
        {
            if (ended[i] < 0 && records[i]->result.load() != -1)
                ended[i] = watch.Seconds();
        }
        Sleep(10);
    }
    for (size_t i = 0; i < records.size(); ++i)
    {
        EXPECT_EQ(records[i]->result.load(), rows[i].result) << "COM" << rows[i].port;
        EXPECT_GE(ended[i], rows[i].minSeconds) << "COM" << rows[i].port;
        EXPECT_LT(ended[i], rows[i].maxSeconds) << "COM" << rows[i].port;
        EXPECT_EQ(WaitForSingleObject(records[i]->hThread, 5000), WAIT_OBJECT_0);
    }
    EXPECT_EQ(accepting.ReceivedLines(), kReceivedThree);
    EXPECT_EQ(refusing.ReceivedLines(), (std::vector<std::string>{"ATS0=1", "AT!C0=2"}));
    EXPECT_EQ(quiet.ReceivedLines(), std::vector<std::string>{"ATS0=1"});
    EXPECT_EQ(leaving.ReceivedLines(), std::vector<std::string>{"ATS0=1"});
    EXPECT_TRUE(idle.ReceivedLines().empty());

    const std::string log = CloseLogAndRead();
    EXPECT_EQ(Occurrences(log, "]: Port opened <"), 5) << log;
    EXPECT_EQ(Occurrences(log, "]: Port closed\n"), 5);
    EXPECT_NE(log.find("]: <COM2>  Got ERROR for Config String: AT!C0=2\r\n\n"), std::string::npos);
}

TEST_F(Download, EachOutcomeGivesItsResult_WithThePortClosedAfterEveryRunThatOpenedIt)
{
    CheckEachOutcome();
}

TEST_F(DownloadRealTime, EachOutcomeGivesItsResult_WithThePortClosedAfterEveryRunThatOpenedIt)
{
    CheckEachOutcome();
}

TEST_F(Download, WorkerSendsWhatItWasGiven_WhenTheRecordsLinesAndPortChangeUnderIt)
{
    sim::Adapter& adapter = Attach(1);
    Attach(2);
    auto record = Record(1, kThreeLines);
    ASSERT_TRUE(StartDownloadWorker(record.get()));
    EXPECT_EQ(record->result.load(), -1);
    // What Cancel and the program's exit do to the record while the worker runs.
    record->cmdLines.clear();
    record->cmdLines.shrink_to_fit();
    std::snprintf(record->portPath, sizeof record->portPath, "%s", ComName(2).c_str());

    ASSERT_EQ(WaitForSingleObject(record->hThread, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(record->result.load(), kDownloadOK);
    EXPECT_EQ(adapter.ReceivedLines(), kReceivedThree);
    EXPECT_TRUE(record->cmdLines.empty());
}
} // namespace
