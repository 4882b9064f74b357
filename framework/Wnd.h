// Windows: the sheet, its pages and the controls on them. The state of each window (text,
// enabled, visible, items, selection, check, ...) lives in one WindowState object per window,
// owned by the framework. A CWnd object is bound to a window through m_hWnd; several objects may
// be bound to the same window (a template-created control and the page member that DDX_Control
// attaches to it) and they read and change the very same state.
//
// Every window has one primary object: the CPropertySheet or CPropertyPage itself, or, for a
// control created from a dialog template, an object of the control's class (CButton, CEdit, ...)
// that the framework owns. Hosts only ever see primary objects.
//
// Programmatic changes (SetWindowText, SetCurSel, SetCheck, UpdateData(FALSE), ...) never send
// a change notification; only the user actions of Controls.h do. Each change is reported to the
// host (Host::WindowChanged) so that it can mirror it.
//
// Operations on an object that is bound to no window do nothing and return the "no window"
// value (FALSE, 0, -1, "", nullptr).
#pragma once

#include "framework/MessageMap.h"

#include <string>
#include <vector>

class CDataExchange;
struct WindowState;

// What a window is; hosts choose a widget from it (and, for buttons, from the BS_ style).
enum class WindowKind
{
    None,   // the object is bound to no window
    Sheet,  // a property sheet
    Page,   // a property page inside a sheet
    Static, // text, or an SS_BITMAP / SS_ICON picture (GetImageId)
    Button, // push button, check box, radio button or group box (BS_ type in GetStyle)
    Edit,
    ComboBox,
    ListBox,
    ListView, // report view
};

// Which part of a window's state changed (Host::WindowChanged).
enum class WindowChange
{
    Text,      // window text; for a sheet its title
    Enabled,   // WS_DISABLED
    Visible,   // WS_VISIBLE
    Focus,     // the window received the input focus
    Items,     // combo/list items, list-view columns, rows or cell texts
    Selection, // current selection of a combo/list, or row states of a list view
    Check,     // check state of a button
    Limit,     // text limit of an edit
    Icon,      // big or small icon of a sheet (WM_SETICON)
    Progress,  // the progress a sheet shows (CPropertySheet::SetProgress)
};

class CRect : public RECT
{
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
};

class CWnd : public CCmdTarget
{
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window this object is bound to; nullptr when none.
    WindowState* m_hWnd = nullptr;
    WindowState* GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to an existing window. FALSE (nothing changes) when this object is
    // already bound or hWnd is nullptr.
    BOOL Attach(WindowState* hWnd);
    // Attach to the child control nID of pParent; FALSE when there is no such control.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // The primary object of a window (see above); nullptr for nullptr.
    static CWnd* FromHandle(WindowState* hWnd);
    // The primary object of this object's window; nullptr when unbound.
    CWnd* GetPrimary() const;

    WindowKind GetKind() const;
    int GetDlgCtrlID() const; // 0 when unbound
    DWORD GetStyle() const;   // the full style; WS_VISIBLE and WS_DISABLED reflect the state
    // The parent window's primary object: a control's page, a page's sheet (also before the
    // page's window exists), nullptr for a sheet.
    virtual CWnd* GetParent() const;
    // The first child window with this id (in creation order), or nullptr.
    CWnd* GetDlgItem(int nID) const;
    // The primary objects of all child windows, in creation (tab) order.
    std::vector<CWnd*> GetChildren() const;

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void GetWindowText(std::string& rString) const;

    // Returns TRUE when the window was disabled before the call.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    // The window's own enabled state (as Windows has it: a parent's state does not count).
    BOOL IsWindowEnabled() const;
    // The window and all its parents are visible and enabled: the user can act on it.
    BOOL IsUserReachable() const;
    // SW_SHOW / SW_SHOWNORMAL show, SW_HIDE hides; returns TRUE when it was visible before.
    BOOL ShowWindow(int nCmdShow);
    // The window and all its parents are visible.
    BOOL IsWindowVisible() const;

    // Gives this window the input focus; returns the window that had it (or nullptr).
    CWnd* SetFocus();
    // The window with the input focus, or nullptr.
    static CWnd* GetFocus();

    // The window's rectangle in pixels, relative to its parent's client area, from its dialog-unit
    // rectangle and the host's base units (x px = x du * baseX / 4, y px = y du * baseY / 8).
    void GetWindowRect(LPRECT lpRect) const;
    // The rectangle in dialog units, as the template gives it.
    CRect GetDialogRect() const;
    // The image resource of an SS_BITMAP / SS_ICON static, else 0.
    UINT GetImageId() const;

    // Runs the window's WindowProc now. WM_SETICON (wParam ICON_BIG or ICON_SMALL, lParam the
    // HICON) stores the icon and returns the previous one.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message; it is handled after the current handler, in posting order. FALSE when
    // the object is unbound. Like every window operation, for the user-interface thread only.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Window timers, through the host: OnTimer(nIDEvent) runs every nElapse ms until KillTimer
    // or the window's destruction. Setting an id again restarts it. Returns nIDEvent (0 when the
    // object is unbound or nIDEvent is 0).
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
    // FALSE when the timer was not set.
    BOOL KillTimer(UINT_PTR nIDEvent);

    // A modal message box through the host; returns IDOK, IDYES or IDNO. An empty caption takes
    // the application's.
    int MessageBox(const std::string& text, const std::string& caption = std::string(),
                   UINT nType = MB_OK);

    // Runs DoDataExchange. Saving (TRUE) moves control values into members and validates; a
    // failed exchange has already shown its message and focused the control, and the members
    // after the failing one are left as they were. Returns FALSE on failure.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Destroys the window with all its children (hosts are told children first); objects bound
    // to them become unbound. FALSE when unbound.
    virtual BOOL DestroyWindow();

    // Overridables.
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnTimer(UINT_PTR nIDEvent);
    // Handles WM_COMMAND, WM_NOTIFY, WM_TIMER, WM_SETICON and the message map's ON_MESSAGE
    // entries.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A control's WM_COMMAND notification (LOWORD(wParam) id, HIWORD(wParam) code, lParam the
    // control's WindowState*): runs the message-map entry; FALSE when there is none.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY (lParam an NMHDR*): runs the message-map entry; FALSE when there is none.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Framework use: creates the window of this object as its primary object. Hosts are told
    // by the caller once the window's initial state is complete (see afx::AnnounceWindow).
    BOOL CreateWindowFor(WindowKind kind, CWnd* pParent, int nID, DWORD dwStyle,
                         const CRect& dialogRect, const std::string& text);

protected:
    // Sends a WM_COMMAND notification to the parent window, as a user action does.
    void NotifyParent(UINT nCode);
    // Tells the host about a change of this window's state.
    void Changed(WindowChange what) const;
};
