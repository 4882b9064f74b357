// What the page suites share: the wizard's sheet on the headless host's virtual clock, run in a
// temporary folder of its own. The folder stands for the executable's folder (quoran.ini and
// dosdevices/ live there) and is the working directory (log.txt). Nothing here needs Linux: the
// COM ports of simulated adapters come with WithAdapters (tests/support/WizardAdapters.h).
//
// Worker threads (search, download) work on real ports while the page timers run on the virtual
// clock: WaitForWorkers lets the workers end, then AdvanceTime moves the pages on. The workers'
// clock (and the simulated adapters') runs twenty times as fast as real time, so that the
// search's pauses and the download's time-outs take a twentieth of their time.
#pragma once

#include "framework/headless/Script.h"
#include "framework/headless/SheetController.h"
#include "framework/headless/Wording.h"
#include "platform/posix/ClockTesting.h"
#include "platform/posix/ModuleFileTesting.h"
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/profile/ProfileFile.h"
#include "src/serial/log.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace wizard_testing
{
class WizardTest : public ::testing::Test
{
protected:
    // The pace of the workers' clock: the shortest wait of theirs that a page test meets, the
    // 500 ms after a configuration line, still lasts 25 ms.
    static constexpr unsigned kClockRate = 20;

    WizardTest()
    {
        SetClockRateForTesting(kClockRate);
        std::filesystem::create_directory(m_folder.Path() / "dosdevices");
        SetModuleFolderForTesting(m_folder.Path().string().c_str());
        ResetProgramState();
        theApp.m_bLogEnabled = TRUE;
        log_Open();
        sheet.SetWizardMode();
    }

    ~WizardTest() override
    {
        DestroySheet();
        WaitForWorkers(15000);
        log_Close();
        ResetProgramState();
        SetClockRateForTesting(1);
        SetModuleFolderForTesting(nullptr);
    }

    void DestroySheet()
    {
        if (sheet.GetSafeHwnd() != nullptr)
            sheet.DestroyWindow();
    }

    const std::filesystem::path& Folder() const { return m_folder.Path(); }
    std::string ProfilePath() const { return m_folder.File("quoran.ini"); }
    void WriteProfile(const std::string& text) const
    {
        testing_support::WriteFile(ProfilePath(), text);
    }
    std::string ReadProfile() const { return testing_support::ReadFile(ProfilePath()); }
    // What the log holds so far (its lines are flushed as they are written).
    std::string ReadLog() const { return testing_support::ReadFile(m_folder.File("log.txt")); }

    // Makes the adapter being configured the one of these codes on COM`port`, as taking it on
    // the search page does, and builds the catalogue for the sheet (bound to this folder's
    // quoran.ini).
    void TakeAdapter(int modelCode, int extModelCode, int port = 1)
    {
        snprintf(theApp.m_device.portPath, sizeof theApp.m_device.portPath, "\\\\.\\COM%d", port);
        theApp.m_device.modelCode = modelCode;
        theApp.m_device.extModelCode = extModelCode;
        theApp.m_device.status.store(0);
        theApp.m_device.result.store(0);
        sheet.BuildCatalogue();
    }

    // Starts a run of the sheet on `page`. A run before it ends first, so that no page has to
    // be left on the way.
    void StartOn(CPropertyPage& page)
    {
        sheet.DestroyWindow();
        sheet.SetActivePage(&page);
        ASSERT_TRUE(wizard.Start());
        ASSERT_EQ(wizard.ActivePage(), &page);
    }
    // The same, with the adapter of these codes taken (TakeAdapter) once the run before ended.
    void StartOn(CPropertyPage& page, int modelCode, int extModelCode)
    {
        sheet.DestroyWindow();
        TakeAdapter(modelCode, extModelCode);
        StartOn(page);
    }

    // The sheet's page of that class ("CNetworkCfgPage1").
    CPropertyPage& PageNamed(const std::string& className) const
    {
        for (int index = 0; index < sheet.GetPageCount(); ++index)
        {
            if (PageClassName(*sheet.GetPage(index)) == className)
                return *sheet.GetPage(index);
        }
        throw std::invalid_argument("no page " + className);
    }

    // A value typed into an edit, and the message that leaving the page then shows (nullptr:
    // the value is accepted).
    struct TypedValue
    {
        int edit;
        const char* typed;
        const char* message;
    };

    // Leaves the page by Next and by Back with each row's value typed, on the page that `start`
    // makes current afresh for every try: a refused value keeps the page, with its message shown
    // and the focus on its edit; an accepted one leads to `next` or `back` without a message.
    void ExpectValuesCheckedBothWays(std::span<const TypedValue> rows,
                                     const std::function<void()>& start, CPropertyPage& next,
                                     CPropertyPage& back)
    {
        for (bool forward : {true, false})
        {
            for (const TypedValue& row : rows)
            {
                SCOPED_TRACE(std::string(forward ? "Next " : "Back ") + row.typed);
                start();
                CPropertyPage* page = wizard.ActivePage();
                ASSERT_TRUE(wizard.Type(row.edit, row.typed));
                host.ClearMessageBoxes();
                if (row.message != nullptr)
                    host.QueueAnswer(IDOK);
                ASSERT_TRUE(forward ? wizard.Next() : wizard.Back());
                if (row.message != nullptr)
                {
                    EXPECT_EQ(LastMessage(), row.message);
                    EXPECT_EQ(wizard.ActivePage(), page);
                    EXPECT_EQ(CWnd::GetFocus(), wizard.Control(row.edit));
                }
                else
                {
                    EXPECT_TRUE(host.MessageBoxes().empty());
                    EXPECT_EQ(wizard.ActivePage(), forward ? &next : &back);
                }
            }
        }
    }

    // Lets real time pass until no worker writes a record any more; false after `timeoutMs`.
    static bool WaitForWorkers(int timeoutMs)
    {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline)
        {
            if (!AnyWorkerRuns())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return !AnyWorkerRuns();
    }

    // The sheet buttons a user can see and use, as the wizard script's "expect buttons" names
    // them.
    static std::string UsableButtons(const CPropertySheet& sheet)
    {
        return FormatButtons(VisibleButtons(sheet));
    }
    std::string UsableButtons() const { return UsableButtons(sheet); }

    HeadlessHost& host = TestHost();
    CCfgSheet sheet{"test", nullptr, 0};
    SheetController wizard{sheet};

    // The items of list or combo box `id` of the active page, in display order.
    std::vector<std::string> ItemsOf(int id) const
    {
        std::vector<std::string> items;
        if (auto* list = dynamic_cast<CListControlBase*>(wizard.Control(id)))
        {
            for (int i = 0; i < list->GetCount(); ++i)
                items.push_back(list->GetItemText(i));
        }
        return items;
    }
    // The selected item of list or combo box `id` of the active page; "" when none.
    std::string SelectionOf(int id) const
    {
        auto* list = dynamic_cast<CListControlBase*>(wizard.Control(id));
        return list != nullptr ? list->GetItemText(list->GetCurSel()) : std::string();
    }
    // The class name of the active page ("CLoadCfgPage"); "(none)" before the sheet runs.
    std::string ActivePageName() const
    {
        const CPropertyPage* page = wizard.ActivePage();
        return page != nullptr ? PageClassName(*page) : std::string("(none)");
    }
    // The text of the last message box shown; "" when none was.
    std::string LastMessage() const
    {
        return host.MessageBoxes().empty() ? std::string() : host.MessageBoxes().back().text;
    }

    // The link that makes a device COM`number`.
    std::string PortLink(int number) const
    {
        return (Folder() / "dosdevices" / ("com" + std::to_string(number))).string();
    }

private:
    static bool AnyWorkerRuns()
    {
        const auto& devices = theApp.m_devices;
        const auto& dropped = theApp.m_droppedDevices;
        return (theApp.m_device.hThread != nullptr && WorkerStillWrites(&theApp.m_device)) ||
               std::any_of(devices.begin(), devices.end(), WorkerStillWrites) ||
               std::any_of(dropped.begin(), dropped.end(), WorkerStillWrites);
    }

    // The program's globals as at start-up. The application takes the records back as the
    // search drops them: one that a worker still writes stays parked.
    static void ResetProgramState()
    {
        std::vector<DeviceRecord*> records;
        records.swap(theApp.m_devices);
        records.insert(records.end(), theApp.m_droppedDevices.begin(),
                       theApp.m_droppedDevices.end());
        theApp.m_droppedDevices.clear();
        for (DeviceRecord* record : records)
            theApp.DropDevice(record);
        theApp.m_device = DeviceRecord();
        theApp.m_device.cmdLines.clear();
        theParams.RemoveAll();
        g_bCfgModified = FALSE;
        g_profilePath.clear();
    }

    testing_support::TempFolder m_folder;
    testing_support::WorkingDirectory m_inFolder{m_folder.Path()};
};
} // namespace wizard_testing
