#include "framework/Wnd.h"

#include "framework/DataExchange.h"
#include "framework/Host.h"
#include "framework/WinApp.h"
#include "framework/WindowState.h"
#include "platform/TextRules.h"

#include <algorithm>
#include <cctype>
#include <deque>

namespace
{
Host* g_host = nullptr;
WindowState* g_focus = nullptr;
// Windows without a parent (sheets); children are owned by their parent's state.
std::vector<std::unique_ptr<WindowState>> g_topLevel;

struct PostedMessage
{
    WindowState* target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::deque<PostedMessage> g_posted;
int g_handlerDepth = 0;

void DrainPosted()
{
    while (!g_posted.empty())
    {
        PostedMessage posted = g_posted.front();
        g_posted.pop_front();
        if (posted.target != nullptr && posted.target->primary != nullptr)
        {
            posted.target->primary->WindowProc(posted.message, posted.wParam, posted.lParam);
        }
    }
}

BaseUnits CurrentBaseUnits()
{
    return g_host != nullptr ? g_host->GetBaseUnits() : BaseUnits{6, 13};
}
} // namespace

void AfxSetHost(Host* host)
{
    g_host = host;
}

Host* AfxGetHost()
{
    return g_host;
}

void AfxPumpMessages()
{
    if (g_handlerDepth == 0)
    {
        afx::HandlerScope scope;
    }
}

size_t AfxPendingMessages()
{
    return g_posted.size();
}

void AfxDispatchTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
    WindowState* ws = wnd.m_hWnd;
    if (ws == nullptr ||
        std::find(ws->timers.begin(), ws->timers.end(), nIDEvent) == ws->timers.end())
    {
        return;
    }
    afx::HandlerScope scope;
    ws->primary->SendMessage(WM_TIMER, nIDEvent, 0);
}

namespace afx
{
HandlerScope::HandlerScope()
{
    ++g_handlerDepth;
}

HandlerScope::~HandlerScope()
{
    if (g_handlerDepth == 1)
    {
        DrainPosted();
    }
    --g_handlerDepth;
}

void Post(WindowState* target, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_posted.push_back({target, message, wParam, lParam});
}

void PurgePosted(WindowState* target)
{
    std::erase_if(g_posted, [target](const PostedMessage& m) { return m.target == target; });
}

void AnnounceWindow(WindowState* ws)
{
    ws->announced = true;
    if (g_host != nullptr)
    {
        g_host->WindowCreated(*ws->primary);
    }
}

void DropFocus(WindowState* ws)
{
    if (g_focus == ws)
    {
        g_focus = nullptr;
    }
}

void KillAllTimers(WindowState* ws)
{
    for (auto& child : ws->children)
    {
        KillAllTimers(child.get());
    }
    std::vector<UINT_PTR> timers;
    timers.swap(ws->timers);
    if (g_host != nullptr)
    {
        for (UINT_PTR id : timers)
        {
            g_host->KillTimer(*ws->primary, id);
        }
    }
}

void DestroyWindowState(WindowState* ws)
{
    while (!ws->children.empty())
    {
        DestroyWindowState(ws->children.back().get());
    }
    std::vector<UINT_PTR> timers;
    timers.swap(ws->timers);
    if (g_host != nullptr)
    {
        for (UINT_PTR id : timers)
        {
            g_host->KillTimer(*ws->primary, id);
        }
        if (ws->announced)
        {
            g_host->WindowDestroyed(*ws->primary);
        }
    }
    PurgePosted(ws);
    DropFocus(ws);
    for (CWnd* wnd : ws->bound)
    {
        wnd->m_hWnd = nullptr;
    }
    ws->bound.clear();
    // The framework's own object of the window goes after the state that names it.
    std::unique_ptr<CWnd> owned = std::move(ws->ownedPrimary);
    auto& siblings = ws->parent != nullptr ? ws->parent->children : g_topLevel;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [ws](const std::unique_ptr<WindowState>& p) { return p.get() == ws; });
    if (it != siblings.end())
    {
        siblings.erase(it);
    }
}

bool IsRadioButton(const WindowState* ws)
{
    if (ws->kind != WindowKind::Button)
    {
        return false;
    }
    DWORD type = ws->style & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
}

std::vector<WindowState*> RadioGroup(WindowState* ws, bool startsAtWs)
{
    std::vector<WindowState*> group;
    if (ws == nullptr || ws->parent == nullptr || !IsRadioButton(ws))
    {
        return group;
    }
    auto& siblings = ws->parent->children;
    size_t index = 0;
    while (siblings[index].get() != ws)
    {
        ++index;
    }
    size_t first = index;
    if (!startsAtWs)
    {
        while (first > 0 && (siblings[first]->style & WS_GROUP) == 0 &&
               IsRadioButton(siblings[first - 1].get()))
        {
            --first;
        }
    }
    group.push_back(siblings[first].get());
    for (size_t i = first + 1; i < siblings.size(); ++i)
    {
        WindowState* next = siblings[i].get();
        if (!IsRadioButton(next) || (next->style & WS_GROUP) != 0)
        {
            break;
        }
        group.push_back(next);
    }
    return group;
}

} // namespace afx

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

WindowState* CWnd::Detach()
{
    WindowState* hWnd = m_hWnd;
    if (hWnd != nullptr && hWnd->primary != this)
    {
        std::erase(hWnd->bound, this);
        m_hWnd = nullptr;
        return hWnd;
    }
    // A window keeps its primary object for as long as it exists.
    return nullptr;
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

int CWnd::GetWindowTextLength() const
{
    return static_cast<int>(GetWindowText().size());
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
    CWnd* previous = FromHandle(g_focus);
    if (m_hWnd != nullptr && g_focus != m_hWnd)
    {
        g_focus = m_hWnd;
        Changed(WindowChange::Focus);
    }
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(g_focus);
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

void CWnd::GetClientRect(LPRECT lpRect) const
{
    if (lpRect == nullptr)
    {
        return;
    }
    CRect window;
    GetWindowRect(&window);
    *lpRect = CRect(0, 0, window.Width(), window.Height());
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
    if (g_host != nullptr)
    {
        g_host->SetTimer(*m_hWnd->primary, nIDEvent, nElapse);
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
    if (g_host != nullptr)
    {
        g_host->KillTimer(*m_hWnd->primary, nIDEvent);
    }
    return TRUE;
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT nType)
{
    if (caption.empty())
    {
        return AfxMessageBox(text, nType);
    }
    if (g_host == nullptr)
    {
        return (nType & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }
    return g_host->MessageBox(text, caption, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const afx::DataExchangeFailure&)
    {
        return FALSE;
    }
    return TRUE;
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
    if (pParent != nullptr && pParent->m_hWnd != nullptr)
    {
        ws->parent = pParent->m_hWnd;
        pParent->m_hWnd->children.push_back(std::move(ws));
    }
    else
    {
        g_topLevel.push_back(std::move(ws));
    }
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
    if (m_hWnd != nullptr && m_hWnd->announced && g_host != nullptr)
    {
        g_host->WindowChanged(*m_hWnd->primary, what);
    }
}
