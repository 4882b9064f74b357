// The framework's only way out to a screen. A host (headless for tests and scripts, Qt for the
// program) mirrors the windows the framework owns and reports what the user does.
//
// Ownership: the framework owns every window's state. The host creates one widget per window
// when told (WindowCreated), updates it when told (WindowChanged) and drops it when told
// (WindowDestroyed). User input goes back through the user-action API of Controls.h (and
// CPropertySheet::PressButton for the sheet's buttons); the host never changes state directly.
// All calls happen on the one user-interface thread.
//
// A script driver runs inside the host's modal loop: RunModal calls Driver::Step, one step at a
// time, while the sheet is open; a step may act on controls and call Wait to let time pass.
#pragma once

#include "framework/Wnd.h"

#include <functional>
#include <string>

class CWnd;
class CPropertySheet;

struct BaseUnits
{
    int x; // pixels per 4 horizontal dialog units
    int y; // pixels per 8 vertical dialog units
};

// Drives a running sheet as a user would (the script interpreter).
class Driver
{
public:
    virtual ~Driver() = default;
    // Called by the host's modal loop while the sheet is open. Returns false when the driver has
    // nothing more to do; the host then closes the sheet as Cancel would.
    virtual bool Step(CPropertySheet& sheet) = 0;
};

class Host
{
public:
    virtual ~Host() = default;

    virtual BaseUnits GetBaseUnits() const = 0;

    // A window now exists with its complete initial state (kind, id, parent, style, dialog
    // rectangle, text, image). Parents are announced before their children: the sheet (still
    // hidden), then its four buttons, then each page on its first activation (hidden) followed
    // by its controls in template order. Showing a window is a Visible change.
    virtual void WindowCreated(CWnd& wnd) = 0;
    // The window is about to go; its state is still readable. Children before parents.
    virtual void WindowDestroyed(CWnd& wnd) = 0;
    // Part of a window's state changed; read the new state from wnd.
    virtual void WindowChanged(CWnd& wnd, WindowChange what) = 0;

    // Runs until EndModal(sheet) is called (the sheet is created and shown already). Calls the
    // driver's steps when one is set.
    virtual void RunModal(CPropertySheet& sheet) = 0;
    // The sheet has ended; RunModal must return.
    virtual void EndModal(CPropertySheet& sheet) = 0;

    // Starts (or restarts) a periodic timer; on every tick the host calls AfxDispatchTimer(wnd,
    // nIDEvent), which runs the window's OnTimer.
    virtual void SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse) = 0;
    virtual void KillTimer(CWnd& wnd, UINT_PTR nIDEvent) = 0;

    // A modal message box; returns IDOK, IDYES or IDNO (MB_TYPEMASK part of nType: MB_OK or
    // MB_YESNO; MB_ICONMASK part: the icon; MB_DEFMASK part: MB_DEFBUTTON2 makes No the
    // default of a Yes/No box). `details`, when not empty, says more than the text (which device,
    // the system's reason): the host offers it beside the text, never in its place.
    virtual int MessageBox(const std::string& text, const std::string& caption, UINT nType,
                           const std::string& details) = 0;

    // Lets about `ms` milliseconds pass while timers fire and events are handled.
    virtual void Wait(DWORD ms) = 0;

    // Runs `work` to its end before returning: a long call that the user-interface thread makes
    // (the identification on a named port). `work` must not touch any window. The framework sees
    // no event meanwhile, so the order of events is that of a plain call; this base makes exactly
    // that plain call. A host with a screen may run `work` on another thread and keep its window
    // painted, with a busy cursor and user input ignored, until it ends.
    virtual void RunBusy(const std::function<void()>& work) { work(); }

    void SetDriver(Driver* driver) { m_driver = driver; }
    Driver* GetDriver() const { return m_driver; }

private:
    Driver* m_driver = nullptr;
};

// Installs the host the framework talks to (nullptr: none; windows then exist without a screen,
// timers never fire and message boxes take the unattended answer of MessageBox.h).
void AfxSetHost(Host* host);
Host* AfxGetHost();

// A timer tick from the host: runs wnd's OnTimer when the window still has that timer, then
// handles the posted messages.
void AfxDispatchTimer(CWnd& wnd, UINT_PTR nIDEvent);
// Handles every posted message now, in posting order (also those posted meanwhile). Does
// nothing inside a handler: there the queue is handled when the outermost handler returns.
void AfxPumpMessages();
// The number of posted messages not yet handled.
size_t AfxPendingMessages();
