// The inside of Win32Host, shared by its sources: Win32Host.cpp (windows, timers, modal loops,
// busy calls, message boxes, base units) and the controls (one class per kind, Control.h).
#pragma once

#include "framework/HeldTicks.h"
#include "framework/win32/Control.h"
#include "framework/win32/Win32Host.h"

#include <map>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class CPropertySheet;

struct Win32Host::Impl
{
    Impl(Win32Host& host, HINSTANCE module);
    ~Impl();

    Win32Host& owner;
    HINSTANCE instance;
    ULONG_PTR gdiplusToken = 0;
    // The dialog font at the sheet's DPI, and its base units; every control is drawn with it.
    LOGFONTA logFont{};
    HFONT font = nullptr;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    BaseUnits units{};
    // A message-only window: timers, the driver's steps and deferred work arrive here.
    HWND messages = nullptr;

    std::unordered_map<const CWnd*, std::unique_ptr<win32host::Control>> controls;
    std::unordered_map<HWND, win32host::Control*> byHandle;
    std::vector<const CWnd*> sheets; // in creation order

    // Timers by the key their system timer has on `messages`.
    std::map<UINT_PTR, std::pair<CWnd*, UINT_PTR>> timers;
    UINT_PTR nextTimerKey;

    struct ModalLoop
    {
        CPropertySheet* sheet;
        bool ended;
    };
    std::vector<ModalLoop*> modalLoops; // innermost last

    // While above 0, the host is updating windows: their notifications are its own.
    int syncing = 0;
    // Timer ticks, held back while a busy call (RunBusy) is under way.
    HeldTicks ticks;

    win32host::Control* Find(const CWnd* wnd) const;
    win32host::Control* FindHandle(HWND handle) const;

    // Makes the control of a new window, with the window's complete state.
    void Create(CWnd& wnd);
    // Lets the system destroy `handle` once the message being handled is over (a window may go
    // while it is still delivering the user's action).
    void DestroyLater(HWND handle);
    // After the user acted on a window: shows its state again, then handles the posted
    // messages.
    void AfterUserAction(const CWnd* wnd);
    // Passes a control's WM_COMMAND, WM_NOTIFY or WM_DRAWITEM from its parent's procedure to
    // the control; true when the message was one of those for a control of ours.
    bool RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The window of the sheet whose modal loop runs innermost (or of the sheet made last);
    // nullptr when there is none.
    HWND SheetWindow() const;
    // Handles one message as a dialog's message loop does.
    void Dispatch(MSG& message);

    // The dialog font and its base units at `newDpi`, from a dialog made for measuring.
    void MeasureDialogFont(UINT newDpi);

    // The driver's next step on the sheet of the innermost modal loop.
    void Step();
};

namespace win32host
{
// Messages of the host's message-only window.
inline constexpr UINT kRunHeldTicks = WM_APP + 1;
inline constexpr UINT kDestroyWindow = WM_APP + 2;
inline constexpr UINT_PTR kStepTimer = 1;

// Makes the sheet's default button follow its buttons (SheetControls.cpp).
void UpdateDefaultButtonOf(Win32Host::Impl& host, const CWnd& sheet);

// An in-memory dialog template without controls, in the dialog font, for CreateDialogIndirect.
std::vector<WORD> EmptyDialogTemplate(DWORD style, DWORD exStyle);
} // namespace win32host
