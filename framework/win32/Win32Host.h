// The host of the Windows program: every window of the framework becomes a real Win32 window,
// the sheet a dialog of its own, each page a child dialog in it and each control a child window
// of the system's own class (BUTTON, EDIT, COMBOBOX, LISTBOX, STATIC, SysListView32), placed from
// its template's dialog units with the base units of the dialog font, "MS Shell Dlg 2" at 8
// points (MapDialogRect's rules). One small class per kind of control mirrors the framework's
// state (Control.h); the framework stays the one source of truth.
//
// The windows mirror the framework both ways: a change the framework reports shows at once
// (without any change notification reaching the framework), and what the user does reaches the
// framework through the user-action API, which sends the notifications. The keyboard is the
// dialog manager's (IsDialogMessage): Tab and Shift+Tab through the page's controls and the
// sheet's buttons, arrow keys within a radio group, Alt with a mnemonic, Enter for the default
// button (Finish when it shows, else Next; a focused push button takes Enter itself), Escape and
// the close box for Cancel.
//
// Everything runs on the thread that made the host; the common controls must be initialised
// (InitCommonControlsEx) before a host is made.
#pragma once

#include "framework/Host.h"

#include <memory>
#include <string>

class Win32Host : public Host
{
public:
    // Icons and page pictures are the resources of `instance` under their resource ids.
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    // Host
    // The dialog font's base units, as MapDialogRect has them at the system's DPI (and at a
    // monitor's own once the sheet moves to it).
    BaseUnits GetBaseUnits() const override;
    void WindowCreated(CWnd& wnd) override;
    void WindowDestroyed(CWnd& wnd) override;
    void WindowChanged(CWnd& wnd, WindowChange what) override;
    // Runs a message loop until EndModal. With a driver set, one driver step runs per timer
    // tick of the loop, so that the windows paint between steps; when the driver is done while
    // the sheet is still open, the sheet ends as Cancel would.
    void RunModal(CPropertySheet& sheet) override;
    void EndModal(CPropertySheet& sheet) override;
    void SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse) override;
    void KillTimer(CWnd& wnd, UINT_PTR nIDEvent) override;
    // MessageBoxA over the sheet with the exact text, caption and style. Returns IDOK, IDYES or
    // IDNO.
    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override;
    // Handles messages (user input, timers) for about ms milliseconds of real time.
    void Wait(DWORD ms) override;
    // Runs `work` on a helper thread under the wait cursor, with the sheet disabled, while this
    // thread keeps the windows painting. The user's input meanwhile is dropped (also what
    // arrives during the call is not delivered afterwards) and the framework sees nothing: each
    // timer that ticks holds one tick back, run after the calling handler has returned and its
    // posted messages have been handled. An exception from `work` is thrown again here.
    void RunBusy(const std::function<void()>& work) override;

    // Writes a PNG of the sheet window shown last, as it stands on the screen. False when no
    // sheet window exists or the file cannot be written.
    bool Screenshot(const std::string& file);

    // The window that mirrors a framework window (the dialog for a sheet or a page); nullptr
    // when it has none.
    HWND WindowOf(const CWnd& wnd) const;

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
