// The host of the desktop program: every window of the framework becomes a real Qt widget. A
// sheet is one top-level window in the classic wizard layout (the page area, a separator line,
// the row of sheet buttons); its pages and their controls are child widgets placed from their
// dialog units. The widgets mirror the framework's state both ways: a change the framework
// reports shows at once (without any change notification), and what the user does reaches the
// framework through the user-action API (which sends the notifications).
//
// Keyboard: Enter presses Next, or Finish when it is shown (a focused push button takes Enter
// itself, as on Windows); Escape, and the window's close box, press Cancel when it is enabled.
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
    // The dialog font (which also gives the base units) is the application's font family at 8
    // points, the size the wizard's templates are laid out for (as Windows' dialog font is).
    QtHost();
    explicit QtHost(const QFont& dialogFont);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Host
    // From the dialog font, as Windows computes them: x is the average width of the 52 letters
    // A-Z and a-z (rounded), y the font's height.
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
    // A modal QMessageBox over the sheet with the exact text, OK or Yes and No, and the icon of
    // nType. Returns IDOK, IDYES or IDNO (closing a Yes/No box answers IDNO).
    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override;
    // Handles Qt events (user input, timers) for about ms milliseconds.
    void Wait(DWORD ms) override;

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
