// Runs a parsed wizard script (Script.h) on the sheet that a host runs modally, acting through a
// SheetController as a user would and printing what happens.
//
// Output: every line of output starts with the script line it belongs to ("12:"), or with
// "start:" (before the first command) or "end:" (after the last).
//   12: next                                  the command as run, texts quoted and escaped
//   12:   message "Text\r\n" [Yes,No] -> Yes  a message box: text, buttons, the answer given
//   12:   page 3 CINISectionPage "Title"      the command made another page current
//   12:   closed (Finish)                     the command closed the sheet (Finish or Cancel)
//   13: expect page CINISectionPage: ok
//   14: FAILED: why                           the first failure; the script stops there
//   15: dump                                  then one line each: page, title, buttons and
//   15:   control 1161 combo enabled visible items "COM1|COM2" selected "COM1"
//   end: cancel                               the script ended with the sheet open: Cancel is
//                                             pressed ("close as Cancel" when it is disabled)
// The first failure also goes to the error stream as "line 14: COMMAND: why". A message box
// with no answer queued, or one that does not fit its buttons, is a failure (the box gets No,
// or OK); so is an answer still queued when the script ends.
// Texts are printed in double quotes with CR, LF, tab and other control characters escaped
// (\r \n \t \xNN). Only the framework's window state is printed, never a host's widgets, so
// that every host prints the same lines.
#pragma once

#include "framework/Host.h"
#include "framework/headless/Script.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class ScriptDriver;

// The host that a scripted run installs: it passes everything to the host that owns the screen
// except message boxes, which the script answers (so that no host shows one).
class ScriptHost : public Host
{
public:
    ScriptHost(Host& screen, ScriptDriver& driver) : m_screen(screen), m_driver(driver) {}

    BaseUnits GetBaseUnits() const override { return m_screen.GetBaseUnits(); }
    void WindowCreated(CWnd& wnd) override { m_screen.WindowCreated(wnd); }
    void WindowDestroyed(CWnd& wnd) override { m_screen.WindowDestroyed(wnd); }
    void WindowChanged(CWnd& wnd, WindowChange what) override { m_screen.WindowChanged(wnd, what); }
    void RunModal(CPropertySheet& sheet) override { m_screen.RunModal(sheet); }
    void EndModal(CPropertySheet& sheet) override { m_screen.EndModal(sheet); }
    void SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse) override
    {
        m_screen.SetTimer(wnd, nIDEvent, nElapse);
    }
    void KillTimer(CWnd& wnd, UINT_PTR nIDEvent) override { m_screen.KillTimer(wnd, nIDEvent); }
    int MessageBox(const std::string& text, const std::string& caption, UINT nType,
                   const std::string& details) override;
    void Wait(DWORD ms) override { m_screen.Wait(ms); }
    void RunBusy(const std::function<void()>& work) override { m_screen.RunBusy(work); }

private:
    Host& m_screen;
    ScriptDriver& m_driver;
};

// Runs parsed commands on the sheet that the screen host runs modally. Install GetHost() as
// the framework's host (AfxWinMain(driver.GetHost())); the driver sets itself as the screen
// host's driver. Output goes to `out`; the first failure also to `err`.
class ScriptDriver : public Driver
{
public:
    // Takes a PNG of the sheet; returns "" when done, otherwise why it could not be done.
    using ScreenshotHandler = std::function<std::string(const std::string& file)>;

    ScriptDriver(std::vector<ScriptCommand> commands, Host& screen, std::ostream& out,
                 std::ostream& err);
    ~ScriptDriver() override;

    Host& GetHost() { return m_host; }
    void SetScreenshotHandler(ScreenshotHandler handler) { m_screenshot = std::move(handler); }

    // Runs the next command. Returns false when the script has failed or ended; at its end a
    // sheet that is still open is cancelled by the Cancel button (when enabled).
    bool Step(CPropertySheet& sheet) override;

    // After the sheet has closed: a script with commands left over (the sheet closed, or never
    // opened) or with queued answers that no message box used fails. Returns the exit code: 0
    // when every command ran, 1 after a failure.
    int Finish();

    // ScriptHost: a message box shown while the script runs.
    int OnMessageBox(const std::string& text, UINT nType);

private:
    struct Answer
    {
        int answer;
        int line;
    };

    void Run(CPropertySheet& sheet, const ScriptCommand& command);
    bool RunAction(CPropertySheet& sheet, const ScriptCommand& command);
    bool RunExpect(CPropertySheet& sheet, const ScriptCommand& command, std::string& why);
    bool WaitForPage(CPropertySheet& sheet, const ScriptCommand& command);
    void Dump(CPropertySheet& sheet);
    void ReportPage(CPropertySheet& sheet);
    void EndOfScript(CPropertySheet& sheet);
    // Records the first failure and prints it. Returns false.
    bool Fail(const std::string& why);
    void Print(const std::string& text);

    ScriptHost m_host;
    Host& m_screen;
    std::vector<ScriptCommand> m_commands;
    size_t m_next = 0;
    std::ostream& m_out;
    std::ostream& m_err;
    ScreenshotHandler m_screenshot;
    std::deque<Answer> m_answers;
    std::string m_label = "start";
    const ScriptCommand* m_current = nullptr;
    bool m_started = false;
    bool m_ended = false;
    bool m_failed = false;
    bool m_hasMessage = false;
    std::string m_lastMessage;
    int m_reportedPage = -1;
    bool m_reportedOpen = false;
};
