// One framework window and the Win32 window that shows it. Each kind of window has a class of
// its own (the table in Control.cpp picks it by the window's kind and style): it makes the
// window, shows the framework's state in it and turns the notifications the window sends about
// the user's doing into the framework's user actions. What the host shows itself never reaches
// the framework: notifications that arrive while the host updates a window are dropped, since
// some controls send them for a programmatic change too (EN_CHANGE, LVN_ITEMCHANGED).
#pragma once

#include "framework/win32/Win32Host.h"

#include <memory>

namespace win32host
{
// Win32Host::Impl::AfterUserAction, for Control::Act.
void AfterUserActionOn(Win32Host::Impl& host, const CWnd& wnd);

class Control
{
public:
    Control(Win32Host::Impl& host, CWnd& wnd) : m_host(host), m_wnd(wnd) {}
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    CWnd& Wnd() const { return m_wnd; }
    HWND Handle() const { return m_handle; }

    // Makes the window under `parent` (nullptr: a top-level window), in the dialog font; a
    // control of a page is placed at once. The window's state is shown by SyncAll afterwards.
    void Create(HWND parent);
    // Places the window again, after the base units changed.
    virtual void Place();

    // Shows one part of the window's state in the window.
    void Sync(WindowChange what);
    void SyncAll();
    // The user has acted on this window: shows its state again (the framework may have refused
    // the action).
    virtual void AfterUserAction() { SyncAll(); }

    // A WM_COMMAND notification code from this window reached its parent.
    virtual void OnCommand(UINT) {}
    // A WM_NOTIFY from this window reached its parent; true when handled (`result` set).
    virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
    // WM_DRAWITEM for an owner-drawn window.
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}

protected:
    // Runs the user's action on the window (action(CWnd&)), then the host's AfterUserAction.
    // The action may end the sheet and with it this control, so nothing of the control is used
    // once it has run.
    template <class Action> void Act(Action action)
    {
        Win32Host::Impl& host = m_host;
        CWnd& wnd = m_wnd;
        action(wnd);
        AfterUserActionOn(host, wnd);
    }

    // Makes the window (hidden and enabled; SyncAll shows the state).
    virtual HWND MakeWindow(HWND parent) = 0;
    // Where the window goes inside a page, in pixels: the window's rectangle.
    virtual RECT Placement() const;
    // The part of Sync that differs by kind; the base shows Enabled, Visible and Focus.
    virtual void Show(WindowChange what);

    // CreateWindowExA for a control of the system's class `className` on `parent`, with the
    // framework window's id and the given style (WS_CHILD is added).
    HWND MakeChild(HWND parent, const char* className, DWORD style, DWORD exStyle = 0) const;

    Win32Host::Impl& m_host;
    CWnd& m_wnd;
    HWND m_handle = nullptr;
};

// The window's rectangle in pixels, relative to its parent.
RECT PixelRect(const CWnd& wnd);

// The control of the class that the window's kind and style call for; nullptr for a window of
// no kind.
std::unique_ptr<Control> MakeControl(Win32Host::Impl& host, CWnd& wnd);

// The makers that MakeControl chooses from, each beside its class.
std::unique_ptr<Control> MakeSheetControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakePageControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeTextControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakePictureControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeLineControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeGroupBoxControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakePushButtonControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeCheckBoxControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeRadioControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeEditControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeComboControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeListBoxControl(Win32Host::Impl& host, CWnd& wnd);
std::unique_ptr<Control> MakeListViewControl(Win32Host::Impl& host, CWnd& wnd);
} // namespace win32host
