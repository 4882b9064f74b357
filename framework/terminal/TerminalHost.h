// The host of `quoran-wizard --tui`: every window of the framework becomes a FINAL CUT widget in
// a text terminal (one mirror per window, see Mirror.h; SheetMirrors.h for the wizard's window,
// its focus and its keys). As on the Qt host, a change the framework reports shows at once
// without any change notification, and what the user does reaches the framework through the
// user-action API, which sends the notifications. Pages are placed in character cells from
// their templates (CellLayout.h); the wizard's window is 80 x 24 cells, centred in a larger
// terminal; a smaller terminal is told the size it needs.
//
// The toolkit's event loop runs the host: input, drawing, the terminal's resizes, and the
// framework's timers, which follow the program's clock (platform/Clock.h) and fire on the
// user-interface thread. Everything runs on the thread that made the session.
#pragma once

#include "framework/Host.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace finalcut
{
class FWidget;
}

// The terminal, taken over by the toolkit while the session lasts (raw input, the alternate
// screen, the mouse where the terminal reports it); standard input and output must be the
// terminal. One session at a time in a process; make it before any TerminalHost and end it after
// the last. Its end gives the terminal back as it was.
class TerminalSession
{
public:
    TerminalSession();
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // The terminal's size in cells, as last reported.
    int Columns() const;
    int Rows() const;
    // What the terminal shows (the toolkit's picture of it), one UTF-8 string a row, blanks
    // kept.
    std::vector<std::string> ScreenLines() const;

    struct Impl;
    Impl& GetImpl() const { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};

class TerminalHost : public Host
{
public:
    // The least terminal the wizard's window fits.
    static constexpr int kColumns = 80;
    static constexpr int kRows = 24;

    explicit TerminalHost(TerminalSession& session);
    ~TerminalHost() override;
    TerminalHost(const TerminalHost&) = delete;
    TerminalHost& operator=(const TerminalHost&) = delete;

    // Host
    // One dialog unit is one "pixel": x 4 and y 8 per cell (CellLayout.h).
    BaseUnits GetBaseUnits() const override;
    void WindowCreated(CWnd& wnd) override;
    void WindowDestroyed(CWnd& wnd) override;
    void WindowChanged(CWnd& wnd, WindowChange what) override;
    // Runs the toolkit's event loop until EndModal. There is no driver on this host: a driver
    // that is set is not called.
    void RunModal(CPropertySheet& sheet) override;
    void EndModal(CPropertySheet& sheet) override;
    void SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse) override;
    void KillTimer(CWnd& wnd, UINT_PTR nIDEvent) override;
    // A modal message box over the wizard's window with the exact text (wrapped at blanks where
    // a line is wider than the terminal allows), OK or Yes and No. Returns IDOK, IDYES or IDNO;
    // Escape answers a Yes/No box with IDNO.
    int MessageBox(const std::string& text, const std::string& caption, UINT nType,
                   const std::string& details) override;
    // Handles the toolkit's events (input, drawing, timers) for about ms milliseconds.
    void Wait(DWORD ms) override;
    // Runs `work` on a helper thread while this thread keeps the screen drawn. Meanwhile the
    // user's input is swallowed (also what arrives during the call is not delivered afterwards)
    // and the framework sees nothing: each timer that ticks holds one tick back, run after the
    // calling handler has returned and its posted messages have been handled. An exception from
    // `work` is thrown again here.
    void RunBusy(const std::function<void()>& work) override;

    // Answers message boxes without a person: an answer that fits the box (IDOK, IDYES, IDNO)
    // is returned without showing it; nullopt shows the box to the user.
    using MessageBoxAnswerer = std::function<std::optional<int>(
        const std::string& text, const std::string& caption, UINT nType)>;
    void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

    // The widget that mirrors a window, the one that takes the focus for a control (the rows of
    // a list view); nullptr when the window has none.
    finalcut::FWidget* WidgetOf(const CWnd& wnd) const;

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
