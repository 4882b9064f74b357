// The control base and the table of control kinds.
#include "framework/win32/Control.h"

#include "framework/ControlStyles.h"
#include "framework/win32/HostImpl.h"

namespace win32host
{
namespace
{
struct ControlKind
{
    WindowKind kind;
    bool (*matches)(DWORD style);
    std::unique_ptr<Control> (*make)(Win32Host::Impl& host, CWnd& wnd);
};

bool AnyStyle(DWORD)
{
    return true;
}

// In order: the first row that matches makes the control.
constexpr ControlKind kControlKinds[] = {
    {WindowKind::Sheet, AnyStyle, MakeSheetControl},
    {WindowKind::Page, AnyStyle, MakePageControl},
    {WindowKind::Static, IsEtchedLineStyle, MakeLineControl},
    {WindowKind::Static, IsPictureStyle, MakePictureControl},
    {WindowKind::Static, AnyStyle, MakeTextControl},
    {WindowKind::Button, IsGroupBoxStyle, MakeGroupBoxControl},
    {WindowKind::Button, IsCheckBoxStyle, MakeCheckBoxControl},
    {WindowKind::Button, IsRadioStyle, MakeRadioControl},
    {WindowKind::Button, AnyStyle, MakePushButtonControl},
    {WindowKind::Edit, AnyStyle, MakeEditControl},
    {WindowKind::ComboBox, AnyStyle, MakeComboControl},
    {WindowKind::ListBox, AnyStyle, MakeListBoxControl},
    {WindowKind::ListView, AnyStyle, MakeListViewControl},
};

// What a control keeps of the framework's style: WS_VISIBLE and WS_DISABLED are state, shown by
// Sync.
constexpr DWORD kStateStyles = WS_VISIBLE | WS_DISABLED;
} // namespace

std::unique_ptr<Control> MakeControl(Win32Host::Impl& host, CWnd& wnd)
{
    for (const ControlKind& row : kControlKinds)
    {
        if (row.kind == wnd.GetKind() && row.matches(wnd.GetStyle()))
            return row.make(host, wnd);
    }
    return nullptr;
}

RECT PixelRect(const CWnd& wnd)
{
    RECT rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

Control::~Control()
{
    if (m_handle != nullptr && IsWindow(m_handle))
        m_host.DestroyLater(m_handle);
}

void Control::Create(HWND parent)
{
    m_handle = MakeWindow(parent);
    if (m_handle == nullptr)
        return;
    SendMessageA(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_host.font), FALSE);
    Place();
}

void Control::Place()
{
    CWnd* parent = m_wnd.GetParent();
    if (parent == nullptr || parent->GetKind() != WindowKind::Page)
        return;
    const RECT rect = Placement();
    SetWindowPos(m_handle, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::Placement() const
{
    return PixelRect(m_wnd);
}

HWND Control::MakeChild(HWND parent, const char* className, DWORD style, DWORD exStyle) const
{
    // IDC_STATIC (-1) is 0xFFFF in a window's id, as a dialog template stores it.
    const auto id = static_cast<WORD>(m_wnd.GetDlgCtrlID());
    return CreateWindowExA(
        exStyle, className, m_wnd.GetWindowText().c_str(), (style & ~kStateStyles) | WS_CHILD, 0, 0,
        0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), m_host.instance, nullptr);
}

void Control::Sync(WindowChange what)
{
    if (m_handle == nullptr)
        return;
    ++m_host.syncing;
    Show(what);
    --m_host.syncing;
}

void Control::SyncAll()
{
    for (WindowChange what :
         {WindowChange::Text, WindowChange::Enabled, WindowChange::Items, WindowChange::Check,
          WindowChange::Limit, WindowChange::Icon, WindowChange::Visible})
    {
        Sync(what);
    }
}

void Control::Show(WindowChange what)
{
    switch (what)
    {
    case WindowChange::Enabled:
        EnableWindow(m_handle, m_wnd.IsWindowEnabled());
        break;
    case WindowChange::Visible:
        ShowWindow(m_handle, (m_wnd.GetStyle() & WS_VISIBLE) != 0 ? SW_SHOWNA : SW_HIDE);
        break;
    case WindowChange::Focus:
        if (CWnd::GetFocus() == &m_wnd)
        {
            // As the dialog manager moves the focus: an edit shows its text selected.
            if (HWND sheet = m_host.SheetWindow())
                SendMessageA(sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_handle), TRUE);
        }
        break;
    default:
        break;
    }
}
} // namespace win32host
