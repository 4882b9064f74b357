#include "framework/Wnd.h"

#include "framework/Focus.h"
#include "framework/Host.h"
#include "framework/MessageBox.h"
#include "framework/MessageQueue.h"
#include "framework/WinApp.h"
#include "framework/WindowState.h"
#include "framework/WindowTree.h"
#include "platform/TextRules.h"

#include <algorithm>

namespace
{
BaseUnits CurrentBaseUnits()
{
    Host* host = AfxGetHost();
    return host != nullptr ? host->GetBaseUnits() : BaseUnits{6, 13};
}
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd == nullptr)
    {
        return;
    }
    if (m_hWnd->primary == this)
    {
        afx::DestroyWindowState(m_hWnd);
    }
    else
    {
        std::erase(m_hWnd->bound, this);
        m_hWnd = nullptr;
    }
}

BOOL CWnd::Attach(WindowState* hWnd)
{
    if (m_hWnd != nullptr || hWnd == nullptr)
    {
        return FALSE;
    }
    m_hWnd = hWnd;
    hWnd->bound.push_back(this);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    CWnd* control = pParent != nullptr ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    return control != nullptr && Attach(control->m_hWnd);
}

CWnd* CWnd::FromHandle(WindowState* hWnd)
{
    return hWnd != nullptr ? hWnd->primary : nullptr;
}

CWnd* CWnd::GetPrimary() const
{
    return FromHandle(m_hWnd);
}

WindowKind CWnd::GetKind() const
{
    return m_hWnd != nullptr ? m_hWnd->kind : WindowKind::None;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd != nullptr ? m_hWnd->id : 0;
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd != nullptr ? m_hWnd->style : 0;
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd != nullptr ? FromHandle(m_hWnd->parent) : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    if (m_hWnd == nullptr)
    {
        return nullptr;
    }
    for (auto& child : m_hWnd->children)
    {
        if (child->id == nID)
        {
            return child->primary;
        }
    }
    return nullptr;
}

std::vector<CWnd*> CWnd::GetChildren() const
{
    std::vector<CWnd*> children;
    if (m_hWnd != nullptr)
    {
        for (auto& child : m_hWnd->children)
        {
            children.push_back(child->primary);
        }
    }
    return children;
}

void CWnd::SetWindowText(const std::string& text)
{
    if (m_hWnd == nullptr)
    {
        return;
    }
    if (m_hWnd->kind == WindowKind::ComboBox || m_hWnd->kind == WindowKind::ListBox)
    {
        // A drop-down list shows one of its items; a text names the item to select.
        auto& items = m_hWnd->items;
        for (size_t i = 0; i < items.size(); ++i)
        {
            if (platform::EqualsNoCase(items[i].text, text))
            {
                if (m_hWnd->curSel != static_cast<int>(i))
                {
                    m_hWnd->curSel = static_cast<int>(i);
                    Changed(WindowChange::Selection);
                }
                return;
            }
        }
        return;
    }
    // A program may set a longer text than an edit's limit lets the user type, as on Windows.
    if (m_hWnd->text != text)
    {
        m_hWnd->text = text;
        Changed(WindowChange::Text);
    }
}

std::string CWnd::GetWindowText() const
{
    if (m_hWnd == nullptr)
    {
        return std::string();
    }
    if (m_hWnd->kind == WindowKind::ComboBox || m_hWnd->kind == WindowKind::ListBox)
    {
        int sel = m_hWnd->curSel;
        return sel >= 0 && sel < static_cast<int>(m_hWnd->items.size()) ? m_hWnd->items[sel].text
                                                                        : std::string();
    }
    return m_hWnd->text;
}

void CWnd::GetWindowText(std::string& rString) const
{
    rString = GetWindowText();
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    BOOL wasDisabled = (m_hWnd->style & WS_DISABLED) != 0;
    if (wasDisabled == !bEnable)
    {
        return wasDisabled;
    }
    if (bEnable)
    {
        m_hWnd->style &= ~static_cast<DWORD>(WS_DISABLED);
    }
    else
    {
        m_hWnd->style |= WS_DISABLED;
        // Windows moves the focus away from a window that is disabled.
        afx::DropFocus(m_hWnd);
    }
    Changed(WindowChange::Enabled);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd != nullptr && (m_hWnd->style & WS_DISABLED) == 0;
}

BOOL CWnd::IsUserReachable() const
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    for (WindowState* ws = m_hWnd; ws != nullptr; ws = ws->parent)
    {
        if ((ws->style & WS_VISIBLE) == 0 || (ws->style & WS_DISABLED) != 0)
        {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    BOOL wasVisible = (m_hWnd->style & WS_VISIBLE) != 0;
    BOOL show = nCmdShow != SW_HIDE;
    if (wasVisible == show)
    {
        return wasVisible;
    }
    if (show)
    {
        m_hWnd->style |= WS_VISIBLE;
    }
    else
    {
        m_hWnd->style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    Changed(WindowChange::Visible);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    for (WindowState* ws = m_hWnd; ws != nullptr; ws = ws->parent)
    {
        if ((ws->style & WS_VISIBLE) == 0)
        {
            return FALSE;
        }
    }
    return TRUE;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_hWnd != nullptr && afx::TakeFocus(m_hWnd))
    {
        Changed(WindowChange::Focus);
    }
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(afx::FocusedWindow());
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    if (lpRect == nullptr)
    {
        return;
    }
    BaseUnits units = CurrentBaseUnits();
    CRect du = GetDialogRect();
    lpRect->left = du.left * units.x / 4;
    lpRect->top = du.top * units.y / 8;
    lpRect->right = du.right * units.x / 4;
    lpRect->bottom = du.bottom * units.y / 8;
}

CRect CWnd::GetDialogRect() const
{
    return m_hWnd != nullptr ? m_hWnd->dialogRect : CRect();
}

UINT CWnd::GetImageId() const
{
    return m_hWnd != nullptr ? m_hWnd->imageId : 0;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* primary = GetPrimary();
    return primary != nullptr ? primary->WindowProc(message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    afx::Post(m_hWnd, message, wParam, lParam);
    return TRUE;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    if (m_hWnd == nullptr)
    {
        return nullptr;
    }
    HICON& slot = bBigIcon ? m_hWnd->bigIcon : m_hWnd->smallIcon;
    HICON previous = slot;
    slot = hIcon;
    Changed(WindowChange::Icon);
    return previous;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    if (m_hWnd == nullptr)
    {
        return nullptr;
    }
    return bBigIcon ? m_hWnd->bigIcon : m_hWnd->smallIcon;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*)
{
    if (m_hWnd == nullptr || nIDEvent == 0)
    {
        return 0;
    }
    auto& timers = m_hWnd->timers;
    if (std::find(timers.begin(), timers.end(), nIDEvent) == timers.end())
    {
        timers.push_back(nIDEvent);
    }
    if (Host* host = AfxGetHost())
    {
        host->SetTimer(*m_hWnd->primary, nIDEvent, nElapse);
    }
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    auto& timers = m_hWnd->timers;
    auto it = std::find(timers.begin(), timers.end(), nIDEvent);
    if (it == timers.end())
    {
        return FALSE;
    }
    timers.erase(it);
    if (Host* host = AfxGetHost())
    {
        host->KillTimer(*m_hWnd->primary, nIDEvent);
    }
    return TRUE;
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT nType)
{
    return caption.empty() ? AfxMessageBox(text, nType) : AfxShowMessageBox(text, caption, nType);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    WindowState* ws = m_hWnd;
    if (ws->primary != this)
    {
        return ws->primary->DestroyWindow();
    }
    afx::DestroyWindowState(ws);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::OnTimer(UINT_PTR) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (message)
    {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        OnNotify(wParam, lParam, &result);
        return result;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_SETICON:
        return reinterpret_cast<LRESULT>(
            SetIcon(reinterpret_cast<HICON>(lParam), wParam == ICON_BIG ? TRUE : FALSE));
    default:
        DispatchMessageEntry(message, 0, 0, wParam, lParam, &result);
        return result;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    return DispatchMessageEntry(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), wParam, lParam,
                                &result);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr)
    {
        return FALSE;
    }
    return DispatchMessageEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), wParam,
                                lParam, pResult);
}

BOOL CWnd::CreateWindowFor(WindowKind kind, CWnd* pParent, int nID, DWORD dwStyle,
                           const CRect& dialogRect, const std::string& text)
{
    if (m_hWnd != nullptr)
    {
        return FALSE;
    }
    auto ws = std::make_unique<WindowState>();
    ws->kind = kind;
    ws->id = nID;
    ws->style = dwStyle;
    ws->dialogRect = dialogRect;
    ws->text = text;
    ws->primary = this;
    ws->bound.push_back(this);
    m_hWnd = ws.get();
    ws->parent = pParent != nullptr ? pParent->m_hWnd : nullptr;
    afx::AddWindow(std::move(ws));
    return TRUE;
}

void CWnd::NotifyParent(UINT nCode)
{
    CWnd* parent = m_hWnd != nullptr ? FromHandle(m_hWnd->parent) : nullptr;
    if (parent != nullptr)
    {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(m_hWnd->id, nCode),
                            reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void CWnd::Changed(WindowChange what) const
{
    Host* host = AfxGetHost();
    if (m_hWnd != nullptr && m_hWnd->announced && host != nullptr)
    {
        host->WindowChanged(*m_hWnd->primary, what);
    }
}
