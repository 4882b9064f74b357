// The sheet and its pages: the sheet is a dialog of its own in the classic wizard layout (the
// page area, a separator line, the row of sheet buttons), each page a child dialog in it
// (DS_CONTROL, so that the dialog manager takes the keyboard through both as one).
//
// Focus, as a Windows wizard has it: when a page becomes current (and when the window first
// appears) the focus goes to the control the page gave it, or to the page's first tab stop in
// template order, or to the default button.
#include "framework/win32/Control.h"

#include "framework/PropertySheet.h"
#include "framework/Resources.h"
#include "framework/WinApp.h"
#include "framework/win32/HostImpl.h"

#include <algorithm>

namespace win32host
{
namespace
{
class SheetControl;

// What the sheet's and the pages' dialog procedures share: the controls' notifications go to
// the controls.
bool RouteFromDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                     Win32Host::Impl*& host)
{
    if (message == WM_INITDIALOG)
    {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return true;
    }
    host = reinterpret_cast<Win32Host::Impl*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (host == nullptr)
        return false;
    LRESULT result = 0;
    if (!host->RouteToControl(message, wParam, lParam, result))
        return false;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return true;
}

bool CanTakeFocus(HWND window)
{
    return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window) &&
           (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) != 0;
}

class PageControl : public Control
{
public:
    using Control::Control;

    void AfterUserAction() override {}

    // The window the focus goes to when the page becomes current; nullptr when no control of
    // the page can take it.
    HWND StartingControl() const
    {
        CWnd* focus = CWnd::GetFocus();
        if (focus != nullptr && focus->GetParent() == &m_wnd)
        {
            Control* control = m_host.Find(focus);
            if (control != nullptr && IsWindowVisible(control->Handle()) &&
                IsWindowEnabled(control->Handle()))
                return control->Handle();
        }
        for (CWnd* child : m_wnd.GetChildren())
        {
            Control* control = m_host.Find(child);
            if (control != nullptr && CanTakeFocus(control->Handle()))
            {
                // In a radio group the dialog manager stops at the checked button.
                if (HWND checked = CheckedInGroup(control->Handle()))
                    return checked;
                return control->Handle();
            }
        }
        return nullptr;
    }

protected:
    HWND MakeWindow(HWND parent) override
    {
        std::vector<WORD> dialogTemplate =
            EmptyDialogTemplate(WS_CHILD | DS_CONTROL | DS_3DLOOK, WS_EX_CONTROLPARENT);
        return CreateDialogIndirectParamA(m_host.instance,
                                          reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                          parent, Procedure, reinterpret_cast<LPARAM>(&m_host));
    }

    void Show(WindowChange what) override;

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Win32Host::Impl* host = nullptr;
        return RouteFromDialog(dialog, message, wParam, lParam, host) ? TRUE : FALSE;
    }

    // The checked auto radio button of the group that `radio` starts, if `radio` is one.
    HWND CheckedInGroup(HWND radio) const
    {
        if ((SendMessageA(radio, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0)
            return nullptr;
        HWND page = GetParent(radio);
        HWND member = radio;
        do
        {
            if (SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED)
                return member;
            member = GetNextDlgGroupItem(page, member, FALSE);
        } while (member != nullptr && member != radio);
        return nullptr;
    }
};

class SheetControl : public Control
{
public:
    using Control::Control;
    ~SheetControl() override
    {
        if (m_icons[0] != nullptr)
            DestroyIcon(m_icons[0]);
        if (m_icons[1] != nullptr)
            DestroyIcon(m_icons[1]);
    }

    void AfterUserAction() override {}

    CPropertySheet& Sheet() const { return static_cast<CPropertySheet&>(m_wnd); }

    // Places the pages, buttons and separator and sizes the window to them.
    void Layout()
    {
        const RECT area = PixelRect(m_wnd);
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        const int mx = 7 * m_host.units.x / 4;
        const int my = 7 * m_host.units.y / 8;
        int pageBottom = -1;
        int buttonsTop = height;
        int buttonsRight = 0;
        std::vector<Control*> buttons;
        for (CWnd* child : m_wnd.GetChildren())
        {
            Control* control = m_host.Find(child);
            if (control == nullptr)
                continue;
            const RECT rect = PixelRect(*child);
            if (child->GetKind() == WindowKind::Page)
            {
                SetWindowPos(control->Handle(), nullptr, rect.left + mx, rect.top + my,
                             rect.right - rect.left, rect.bottom - rect.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                pageBottom = std::max(pageBottom, static_cast<int>(rect.bottom));
            }
            else
            {
                buttons.push_back(control);
                buttonsTop = std::min(buttonsTop, static_cast<int>(rect.top));
                buttonsRight = std::max(buttonsRight, static_cast<int>(rect.right));
            }
        }
        // The row of buttons ends where the page area ends.
        const int shift = std::max(0, width - buttonsRight);
        for (Control* button : buttons)
        {
            const RECT rect = PixelRect(button->Wnd());
            SetWindowPos(button->Handle(), nullptr, rect.left + mx + shift, rect.top + my,
                         rect.right - rect.left, rect.bottom - rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (pageBottom < 0)
            pageBottom = buttonsTop - my;
        SetWindowPos(m_separator, nullptr, mx, my + (pageBottom + buttonsTop) / 2 - 1, width, 2,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        RECT frame{0, 0, 2 * mx + width, my + height};
        AdjustWindowRectExForDpi(&frame, GetWindowLongA(m_handle, GWL_STYLE), FALSE,
                                 GetWindowLongA(m_handle, GWL_EXSTYLE), m_host.dpi);
        SetWindowPos(m_handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // A page has become visible: the focus goes to its start.
    void PageShown(const PageControl& page) { FocusStart(&page); }

    // The default button follows the sheet's buttons: Finish where it shows, else Next. A
    // focus that was on the button Finish replaced (or on Finish, when Next comes back) goes
    // to the one in its place, as a wizard's keyboard focus does.
    void UpdateDefaultButton()
    {
        const int id = static_cast<const CPropertySheet&>(m_wnd).GetDefaultButtonId();
        SendMessageA(m_handle, DM_SETDEFID, id, 0);
        HWND focus = GetFocus();
        const bool lost = focus == nullptr || focus == m_handle ||
                          (IsChild(m_handle, focus) && !IsWindowVisible(focus));
        Control* button = m_host.Find(m_wnd.GetDlgItem(id));
        if (lost && button != nullptr && IsWindowVisible(m_handle) && GetActiveWindow() == m_handle)
            SendMessageA(m_handle, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button->Handle()), TRUE);
    }

protected:
    HWND MakeWindow(HWND) override
    {
        std::vector<WORD> dialogTemplate =
            EmptyDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK,
                                WS_EX_CONTROLPARENT | WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME);
        HWND window = CreateDialogIndirectParamA(
            m_host.instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), nullptr,
            Procedure, reinterpret_cast<LPARAM>(&m_host));
        m_separator = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, 0,
                                      0, 0, window, nullptr, m_host.instance, nullptr);
        return window;
    }

    void Show(WindowChange what) override
    {
        switch (what)
        {
        case WindowChange::Text:
            SetWindowTextA(m_handle, m_wnd.GetWindowText().c_str());
            break;
        case WindowChange::Visible:
            ShowSheet();
            break;
        case WindowChange::Icon:
            ShowIcon(TRUE, SM_CXICON);
            ShowIcon(FALSE, SM_CXSMICON);
            break;
        default:
            Control::Show(what);
        }
    }

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Win32Host::Impl* host = nullptr;
        if (RouteFromDialog(dialog, message, wParam, lParam, host))
            return TRUE;
        if (host == nullptr)
            return FALSE;
        switch (message)
        {
        case WM_CLOSE:
            // The framework decides: an ended sheet hides its window itself. During a busy call
            // the framework sees nothing, so the close box does nothing then.
            if (auto* sheet = dynamic_cast<SheetControl*>(host->FindHandle(dialog));
                sheet != nullptr && !host->ticks.Busy())
            {
                sheet->Act(
                    [](CWnd& wnd) { static_cast<CPropertySheet&>(wnd).PressButton(IDCANCEL); });
            }
            return TRUE;
        case WM_DPICHANGED:
            if (auto* sheet = dynamic_cast<SheetControl*>(host->FindHandle(dialog)))
                sheet->MoveToDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        default:
            return FALSE;
        }
    }

    void ShowSheet()
    {
        if ((m_wnd.GetStyle() & WS_VISIBLE) == 0)
        {
            ShowWindow(m_handle, SW_HIDE);
            return;
        }
        if (IsWindowVisible(m_handle))
            return;
        Layout();
        UpdateDefaultButton();
        CenterOnScreen();
        ShowWindow(m_handle, SW_SHOW);
        SetForegroundWindow(m_handle);
        // The first page was shown while the window was still hidden.
        FocusStart(dynamic_cast<PageControl*>(m_host.Find(Sheet().GetActivePage())));
    }

    void CenterOnScreen()
    {
        RECT window;
        GetWindowRect(m_handle, &window);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(m_handle, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int x = work.left + (work.right - work.left - (window.right - window.left)) / 2;
        const int y = work.top + (work.bottom - work.top - (window.bottom - window.top)) / 2;
        SetWindowPos(m_handle, nullptr, std::max<int>(x, work.left), std::max<int>(y, work.top), 0,
                     0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void FocusStart(const PageControl* page)
    {
        HWND target = page != nullptr ? page->StartingControl() : nullptr;
        if (target == nullptr)
        {
            for (int id : {ID_WIZFINISH, ID_WIZNEXT})
            {
                CWnd* button = m_wnd.GetDlgItem(id);
                Control* control = button != nullptr ? m_host.Find(button) : nullptr;
                if (control != nullptr && IsWindowVisible(control->Handle()) &&
                    IsWindowEnabled(control->Handle()))
                {
                    target = control->Handle();
                    break;
                }
            }
        }
        if (target != nullptr)
            SendMessageA(m_handle, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    }

    void ShowIcon(BOOL big, int metric)
    {
        const ImageResource* image = AfxIconImage(m_wnd.GetIcon(big));
        if (image == nullptr)
            image = AfxIconImage(m_wnd.GetIcon(!big));
        if (image == nullptr)
            return;
        const int side = GetSystemMetricsForDpi(metric, m_host.dpi);
        HICON icon = static_cast<HICON>(LoadImageA(m_host.instance, MAKEINTRESOURCEA(image->id),
                                                   IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
        if (icon == nullptr)
            return;
        SendMessageA(m_handle, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(icon));
        HICON& slot = m_icons[big ? 0 : 1];
        if (slot != nullptr)
            DestroyIcon(slot);
        slot = icon;
    }

    // The sheet moved to a monitor of another DPI: the dialog font and its base units at that
    // DPI, every window placed again, the window where the system suggests.
    void MoveToDpi(UINT dpi, const RECT& suggested)
    {
        m_host.MeasureDialogFont(dpi);
        for (auto& [wnd, control] : m_host.controls)
        {
            if (control.get() == this || !IsChild(m_handle, control->Handle()))
                continue;
            SendMessageA(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_host.font),
                         TRUE);
            control->Place();
        }
        SendMessageA(m_separator, WM_SETFONT, reinterpret_cast<WPARAM>(m_host.font), FALSE);
        SetWindowPos(m_handle, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        ShowIcon(TRUE, SM_CXICON);
        ShowIcon(FALSE, SM_CXSMICON);
    }

    HWND m_separator = nullptr;
    HICON m_icons[2] = {nullptr, nullptr};
};

void PageControl::Show(WindowChange what)
{
    const bool wasHidden = (GetWindowLongA(m_handle, GWL_STYLE) & WS_VISIBLE) == 0;
    Control::Show(what);
    if (what == WindowChange::Visible && wasHidden && (m_wnd.GetStyle() & WS_VISIBLE) != 0)
    {
        if (auto* sheet = dynamic_cast<SheetControl*>(m_host.Find(m_wnd.GetParent())))
        {
            sheet->Layout();
            sheet->PageShown(*this);
        }
    }
}
} // namespace

std::unique_ptr<Control> MakeSheetControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<SheetControl>(host, wnd);
}

std::unique_ptr<Control> MakePageControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<PageControl>(host, wnd);
}

void UpdateDefaultButtonOf(Win32Host::Impl& host, const CWnd& sheet)
{
    if (auto* control = dynamic_cast<SheetControl*>(host.Find(&sheet)))
        control->UpdateDefaultButton();
}
} // namespace win32host
