#include "framework/PropertySheet.h"

#include "framework/Host.h"
#include "framework/MessageQueue.h"
#include "framework/Resources.h"
#include "framework/Timers.h"
#include "framework/WinApp.h"
#include "framework/WindowState.h"
#include "framework/WindowTree.h"

#include <algorithm>
#include <cctype>

namespace
{
WindowKind KindOf(ControlClass controlClass)
{
    switch (controlClass)
    {
    case ControlClass::Static:
        return WindowKind::Static;
    case ControlClass::Button:
        return WindowKind::Button;
    case ControlClass::Edit:
        return WindowKind::Edit;
    case ControlClass::ComboBox:
        return WindowKind::ComboBox;
    case ControlClass::ListBox:
        return WindowKind::ListBox;
    case ControlClass::ListView:
        return WindowKind::ListView;
    }
    return WindowKind::Static;
}

std::unique_ptr<CWnd> NewControlObject(WindowKind kind)
{
    switch (kind)
    {
    case WindowKind::Button:
        return std::make_unique<CButton>();
    case WindowKind::Edit:
        return std::make_unique<CEdit>();
    case WindowKind::ComboBox:
        return std::make_unique<CComboBox>();
    case WindowKind::ListBox:
        return std::make_unique<CListBox>();
    case WindowKind::ListView:
        return std::make_unique<CListCtrl>();
    default:
        return std::make_unique<CStatic>();
    }
}

// Creates one control of a window and returns its object (owned by the window's state).
CWnd* CreateControl(CWnd& parent, WindowKind kind, int id, DWORD style, const CRect& rect,
                    const std::string& text, UINT imageId)
{
    std::unique_ptr<CWnd> control = NewControlObject(kind);
    control->CreateWindowFor(kind, &parent, id, style | WS_CHILD, rect, text);
    WindowState* ws = control->m_hWnd;
    ws->imageId = imageId;
    CWnd* raw = control.get();
    ws->ownedPrimary = std::move(control);
    afx::AnnounceWindow(ws);
    return raw;
}

// Sheet geometry in dialog units: the pages' area, then a row of buttons.
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 7;
constexpr short kButtonRowHeight = kButtonHeight + 2 * kButtonGap;
} // namespace

// ---------------------------------------------------------------------------------------------
// CPropertyPage
// ---------------------------------------------------------------------------------------------

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : m_nIDTemplate(nIDTemplate), m_nIDCaption(nIDCaption)
{
}

CPropertyPage::~CPropertyPage()
{
    DestroyWindow();
    if (m_pOwnerSheet != nullptr)
    {
        m_pOwnerSheet->RemovePage(this);
    }
}

std::string CPropertyPage::GetCaption() const
{
    if (m_nIDCaption != 0)
    {
        return AfxLoadString(m_nIDCaption);
    }
    const DialogTemplate* dialog = AfxFindDialog(m_nIDTemplate);
    return dialog != nullptr && dialog->caption != nullptr ? dialog->caption : std::string();
}

CWnd* CPropertyPage::GetParent() const
{
    return m_pOwnerSheet;
}

BOOL CPropertyPage::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    // The first activation follows OnInitDialog, which has just moved the members to the
    // controls. Only this base clears the flag, so a page that skips it on its first display
    // still gets the first-activation behaviour on its next one.
    if (m_bFirstSetActive)
    {
        m_bFirstSetActive = FALSE;
    }
    else
    {
        UpdateData(FALSE);
    }
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::DestroyWindow()
{
    // A page that gets a new window goes through its first activation again.
    m_bFirstSetActive = TRUE;
    return CWnd::DestroyWindow();
}

// ---------------------------------------------------------------------------------------------
// CPropertySheet
// ---------------------------------------------------------------------------------------------

// A caption that names nothing (one page's template has "-") keeps the first page's, the
// wizard's own title, in the title bar: the window has one name on every page.
std::string CPropertySheet::TitleFor(const CPropertyPage& page) const
{
    const auto namesSomething = [](const std::string& text) {
        return std::any_of(text.begin(), text.end(),
                           [](unsigned char c) { return std::isalnum(c) != 0; });
    };
    std::string title = page.GetCaption();
    if (!namesSomething(title) && !m_pages.empty())
        title = m_pages.front()->GetCaption();
    return namesSomething(title) ? title : m_strCaption;
}

CPropertySheet::CPropertySheet(const std::string& caption, CWnd*, UINT iSelectPage)
    : m_strCaption(caption), m_nStartPage(iSelectPage)
{
    m_psh.dwSize = sizeof(m_psh);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd*, UINT iSelectPage)
    : m_strCaption(AfxLoadString(nIDCaption)), m_nStartPage(iSelectPage)
{
    m_psh.dwSize = sizeof(m_psh);
}

CPropertySheet::~CPropertySheet()
{
    DestroyWindow();
    for (CPropertyPage* page : m_pages)
    {
        page->m_pOwnerSheet = nullptr;
    }
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == nullptr || GetPageIndex(pPage) >= 0)
    {
        return;
    }
    pPage->m_pOwnerSheet = this;
    m_pages.push_back(pPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int index = GetPageIndex(pPage);
    if (index < 0)
    {
        return;
    }
    m_pages.erase(m_pages.begin() + index);
    if (m_nActive == index)
    {
        m_nActive = -1;
    }
    else if (m_nActive > index)
    {
        --m_nActive;
    }
    pPage->m_pOwnerSheet = nullptr;
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
    {
        return nullptr;
    }
    return m_pages[static_cast<size_t>(nPage)];
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(m_nActive);
}

int CPropertySheet::GetActiveIndex() const
{
    return m_nActive;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
    {
        return FALSE;
    }
    if (m_hWnd == nullptr)
    {
        m_nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    if (nPage == m_nActive)
    {
        return TRUE;
    }
    afx::HandlerScope scope;
    CPropertyPage* current = GetActivePage();
    if (current != nullptr && !current->OnKillActive())
    {
        return FALSE;
    }
    return ActivatePage(nPage, nPage > m_nActive ? +1 : -1);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

BOOL CPropertySheet::CreatePageWindow(CPropertyPage* page)
{
    if (page->m_hWnd != nullptr)
    {
        return TRUE;
    }
    const DialogTemplate* dialog = AfxFindDialog(page->GetTemplateId());
    CRect pageRect = dialog != nullptr ? CRect(0, 0, dialog->cx, dialog->cy) : CRect();
    page->CreateWindowFor(WindowKind::Page, this, 0, WS_CHILD, pageRect, page->GetCaption());
    afx::AnnounceWindow(page->m_hWnd);
    if (dialog != nullptr)
    {
        for (const DialogItem& item : dialog->items)
        {
            CRect rect(item.x, item.y, item.x + item.cx, item.y + item.cy);
            CreateControl(*page, KindOf(item.controlClass), item.id, item.style, rect,
                          item.text != nullptr ? item.text : "", item.imageId);
        }
    }
    page->OnInitDialog();
    return page->m_hWnd != nullptr;
}

BOOL CPropertySheet::ActivatePage(int nPage, int step)
{
    const int previousIndex = m_nActive;
    // A page whose OnSetActive answers FALSE is passed over, and the page after it in the
    // direction of travel is tried, as Win32 wizards do; when none is left, nothing moves.
    for (int index = nPage; m_hWnd != nullptr; index += step)
    {
        CPropertyPage* page = GetPage(index);
        if (page == nullptr || !CreatePageWindow(page) || GetPageIndex(page) != index)
        {
            m_nActive = previousIndex;
            return FALSE;
        }
        m_nActive = index;
        SetProgress(0, 0);
        if (!page->OnSetActive())
        {
            continue;
        }
        CPropertyPage* previous = GetPage(previousIndex);
        SetWindowText(TitleFor(*page));
        if (previous != nullptr && previous != page)
        {
            previous->ShowWindow(SW_HIDE);
        }
        page->ShowWindow(SW_SHOW);
        return TRUE;
    }
    return FALSE;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

void CPropertySheet::ApplyWizardButtons(DWORD dwFlags)
{
    m_dwWizardButtons = dwFlags;
    bool disabledFinish = (dwFlags & PSWIZB_DISABLEDFINISH) != 0;
    bool finishShown = disabledFinish || (dwFlags & PSWIZB_FINISH) != 0;
    if (CWnd* back = GetDlgItem(ID_WIZBACK))
    {
        back->EnableWindow((dwFlags & PSWIZB_BACK) != 0 && !disabledFinish);
    }
    if (CWnd* next = GetDlgItem(ID_WIZNEXT))
    {
        next->EnableWindow((dwFlags & PSWIZB_NEXT) != 0 && !disabledFinish);
        next->ShowWindow(finishShown ? SW_HIDE : SW_SHOW);
    }
    if (CWnd* finish = GetDlgItem(ID_WIZFINISH))
    {
        finish->EnableWindow(!disabledFinish);
        finish->ShowWindow(finishShown ? SW_SHOW : SW_HIDE);
    }
}

void CPropertySheet::SetProgress(int nDone, int nTotal)
{
    if (m_hWnd == nullptr)
    {
        return;
    }
    const int total = std::max(nTotal, 0);
    const int done = std::clamp(nDone, 0, total);
    if (m_hWnd->progressDone == done && m_hWnd->progressTotal == total)
    {
        return;
    }
    m_hWnd->progressDone = done;
    m_hWnd->progressTotal = total;
    Changed(WindowChange::Progress);
}

CPropertySheet::Progress CPropertySheet::GetProgress() const
{
    if (m_hWnd == nullptr)
    {
        return {};
    }
    return {m_hWnd->progressDone, m_hWnd->progressTotal};
}

BOOL CPropertySheet::Create()
{
    if (m_hWnd != nullptr || m_pages.empty())
    {
        return FALSE;
    }
    afx::HandlerScope scope;
    short cx = 0;
    short cy = 0;
    for (CPropertyPage* page : m_pages)
    {
        if (const DialogTemplate* dialog = AfxFindDialog(page->GetTemplateId()))
        {
            cx = std::max(cx, dialog->cx);
            cy = std::max(cy, dialog->cy);
        }
    }
    cx = std::max<short>(cx, 4 * kButtonWidth + 4 * kButtonGap);
    m_bEnded = FALSE;
    m_nResult = -1;
    m_nActive = -1;
    CreateWindowFor(WindowKind::Sheet, nullptr, 0, 0, CRect(0, 0, cx, cy + kButtonRowHeight),
                    m_strCaption);
    afx::AnnounceWindow(m_hWnd);

    const short y = static_cast<short>(cy + kButtonGap);
    const short cancelX = static_cast<short>(cx - kButtonGap - kButtonWidth);
    const short nextX = static_cast<short>(cancelX - kButtonGap - kButtonWidth);
    const short backX = static_cast<short>(nextX - kButtonWidth);
    auto button = [&](int id, short x, const char* text, DWORD extra) {
        CreateControl(*this, WindowKind::Button, id, WS_TABSTOP | BS_PUSHBUTTON | extra,
                      CRect(x, y, x + kButtonWidth, y + kButtonHeight), text, 0);
    };
    button(ID_WIZBACK, backX, "< &Back", WS_VISIBLE);
    button(ID_WIZNEXT, nextX, "&Next >", WS_VISIBLE);
    button(ID_WIZFINISH, nextX, "&Finish", 0);
    button(IDCANCEL, cancelX, "Cancel", WS_VISIBLE);
    ApplyWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);

    OnInitDialog();
    if (m_hWnd != nullptr && !m_bEnded)
    {
        ShowWindow(SW_SHOW);
    }
    return TRUE;
}

BOOL CPropertySheet::OnInitDialog()
{
    int start = m_nStartPage < m_pages.size() ? static_cast<int>(m_nStartPage) : 0;
    ActivatePage(start, +1);
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    if (!Create())
    {
        return -1;
    }
    Host* host = AfxGetHost();
    if (IsOpen())
    {
        if (host != nullptr)
        {
            host->RunModal(*this);
        }
        else
        {
            // Without a screen nobody can press a button.
            EndDialog(IDCANCEL);
        }
    }
    int result = m_nResult;
    DestroyWindow();
    return result;
}

void CPropertySheet::EndDialog(int nResult)
{
    if (m_hWnd == nullptr || m_bEnded)
    {
        return;
    }
    m_nResult = nResult;
    m_bEnded = TRUE;
    afx::StopTimers(m_hWnd);
    ShowWindow(SW_HIDE);
    if (Host* host = AfxGetHost())
    {
        host->EndModal(*this);
    }
}

BOOL CPropertySheet::IsOpen() const
{
    return m_hWnd != nullptr && !m_bEnded;
}

int CPropertySheet::GetDefaultButtonId() const
{
    const CWnd* finish = GetDlgItem(ID_WIZFINISH);
    const bool finishShown = finish != nullptr && (finish->GetStyle() & WS_VISIBLE) != 0;
    return finishShown ? ID_WIZFINISH : ID_WIZNEXT;
}

BOOL CPropertySheet::PressButton(int nID)
{
    if (nID != ID_WIZBACK && nID != ID_WIZNEXT && nID != ID_WIZFINISH && nID != IDCANCEL)
    {
        return FALSE;
    }
    CWnd* button = GetDlgItem(nID);
    return button != nullptr && IsOpen() && static_cast<CButton*>(button)->UserClick();
}

BOOL CPropertySheet::DestroyWindow()
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    for (CPropertyPage* page : m_pages)
    {
        page->DestroyWindow();
    }
    m_nActive = -1;
    return CWnd::DestroyWindow();
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PSM_SETWIZBUTTONS)
    {
        ApplyWizardButtons(static_cast<DWORD>(lParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && IsOpen())
    {
        switch (LOWORD(wParam))
        {
        case ID_WIZBACK:
            LeavePage(&CPropertyPage::OnWizardBack, -1);
            return TRUE;
        case ID_WIZNEXT:
            LeavePage(&CPropertyPage::OnWizardNext, +1);
            return TRUE;
        case ID_WIZFINISH:
            OnFinish();
            return TRUE;
        case IDCANCEL:
            OnCancelButton();
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

namespace
{
// The page a wizard handler's result names: 0 the neighbour, otherwise a template id.
int TargetOf(const CPropertySheet& sheet, LRESULT result, int step)
{
    if (result == 0)
    {
        return sheet.GetActiveIndex() + step;
    }
    for (int i = 0; i < sheet.GetPageCount(); ++i)
    {
        if (static_cast<LRESULT>(sheet.GetPage(i)->GetTemplateId()) == result)
        {
            return i;
        }
    }
    return -1;
}
} // namespace

void CPropertySheet::LeavePage(LRESULT (CPropertyPage::*handler)(), int step)
{
    CPropertyPage* page = GetActivePage();
    if (page == nullptr)
    {
        return;
    }
    LRESULT result = (page->*handler)();
    if (result == -1 || !IsOpen())
    {
        return;
    }
    int target = TargetOf(*this, result, step);
    if (GetPage(target) != nullptr)
    {
        SetActivePage(target);
    }
}

void CPropertySheet::OnFinish()
{
    CPropertyPage* page = GetActivePage();
    if (page == nullptr || page->OnWizardFinish())
    {
        EndDialog(IDOK);
    }
}

void CPropertySheet::OnCancelButton()
{
    CPropertyPage* page = GetActivePage();
    if (page != nullptr && !page->OnQueryCancel())
    {
        return;
    }
    if (page != nullptr)
    {
        page->OnCancel();
    }
    EndDialog(IDCANCEL);
}
