// The host of the desktop program: every window of the framework becomes a real Qt widget (one
// mirror per window, see Mirror.h and SheetMirrors.h for the window, its focus and its keys).
// The widgets mirror the framework's state both ways: a change the framework reports shows at
// once (without any change notification), and what the user does reaches the framework through
// the user-action API (which sends the notifications).
//
// A QApplication must exist before a QtHost is made and must outlive it. Everything runs on the
// thread of the QApplication.
#pragma once

#include "framework/Host.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFont;
class QWidget;

class QtHost : public Host
{
public:
    // The dialog font is the application's font as the desktop sets it, family and size.
    QtHost();
    explicit QtHost(const QFont& dialogFont);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Host
    // From the dialog font, as Windows computes them: x is the average width of the 52 letters
    // A-Z and a-z (rounded), y the font's height. When a sheet is made, x grows as far as the
    // texts of its pages' templates need in this font (DialogFont.h); the units stay so while
    // the sheet lasts.
    BaseUnits GetBaseUnits() const override;
    void WindowCreated(CWnd& wnd) override;
    void WindowDestroyed(CWnd& wnd) override;
    void WindowChanged(CWnd& wnd, WindowChange what) override;
    // Runs a nested Qt event loop until EndModal. With a driver set, one driver step runs per
    // pass of the loop; when the driver is done while the sheet is still open, the sheet ends as
    // Cancel would.
    void RunModal(CPropertySheet& sheet) override;
    void EndModal(CPropertySheet& sheet) override;
    void SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse) override;
    void KillTimer(CWnd& wnd, UINT_PTR nIDEvent) override;
    // A modal QMessageBox over the sheet with the exact text, OK or Yes and No. Returns IDOK,
    // IDYES or IDNO (closing a Yes/No box answers IDNO). The icon is the one the MB_ICON flag of
    // nType names; without one, a Yes/No box asks (question mark) and an OK box warns, since
    // every OK box the wizard shows refuses an input or reports an error.
    int MessageBox(const std::string& text, const std::string& caption, UINT nType,
                   const std::string& details) override;
    // Handles Qt events (user input, timers) for about ms milliseconds.
    void Wait(DWORD ms) override;
    // Runs `work` on a helper thread under the busy cursor while this thread keeps the windows
    // painting. Meanwhile the user's input is swallowed (also what arrives during the call is
    // not delivered afterwards) and the framework sees nothing: each timer that ticks holds
    // one tick back, run after the calling handler has returned and its posted messages have
    // been handled; the close box does nothing. An exception from `work` is thrown again here.
    void RunBusy(const std::function<void()>& work) override;

    // Writes a PNG of the window of the sheet shown last, as it stands. False when no sheet
    // window exists or the file cannot be written.
    bool Screenshot(const std::string& file);

    // Answers message boxes without a person: called with each box once it is shown; an answer
    // (IDOK, IDYES, IDNO) clicks the matching button of the box, nullopt leaves the box to the
    // user. Answers that the box has no button for leave it to the user as well.
    using MessageBoxAnswerer = std::function<std::optional<int>(
        const std::string& text, const std::string& caption, UINT nType)>;
    void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

    // The widget that mirrors a window (the top-level window for a sheet); nullptr when the
    // window has none.
    QWidget* WidgetOf(const CWnd& wnd) const;
    // The top-level window of the sheet created last that still exists; nullptr when none.
    QWidget* SheetWindow() const;
    const QFont& DialogFont() const;

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
