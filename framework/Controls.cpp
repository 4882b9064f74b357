#include "framework/Controls.h"

#include "framework/MessageQueue.h"
#include "framework/RadioGroups.h"
#include "framework/WindowState.h"
#include "platform/TextRules.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// CButton
// ---------------------------------------------------------------------------------------------

int CButton::GetCheck() const
{
    return m_hWnd != nullptr ? m_hWnd->check : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck)
{
    if (m_hWnd != nullptr && m_hWnd->check != nCheck)
    {
        m_hWnd->check = nCheck;
        Changed(WindowChange::Check);
    }
}

UINT CButton::GetButtonStyle() const
{
    return static_cast<UINT>(GetStyle() & BS_TYPEMASK);
}

BOOL CButton::UserClick()
{
    if (!IsUserReachable())
    {
        return FALSE;
    }
    afx::HandlerScope scope;
    switch (GetButtonStyle())
    {
    case BS_AUTOCHECKBOX:
        SetCheck(GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTORADIOBUTTON:
        for (WindowState* member : afx::RadioGroup(m_hWnd, false))
        {
            CButton* button = static_cast<CButton*>(member->primary);
            button->SetCheck(member == m_hWnd ? BST_CHECKED : BST_UNCHECKED);
        }
        break;
    default:
        break;
    }
    NotifyParent(BN_CLICKED);
    return TRUE;
}

BOOL CButton::UserCheck(int nCheck)
{
    UINT type = GetButtonStyle();
    bool checkable = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || afx::IsRadioButton(m_hWnd);
    if (!IsUserReachable() || !checkable)
    {
        return FALSE;
    }
    if (GetCheck() == nCheck)
    {
        return TRUE;
    }
    // A user can check a radio button, never uncheck it.
    if (afx::IsRadioButton(m_hWnd) && nCheck != BST_CHECKED)
    {
        return FALSE;
    }
    return UserClick();
}

// ---------------------------------------------------------------------------------------------
// CEdit
// ---------------------------------------------------------------------------------------------

void CEdit::LimitText(int nChars)
{
    SetLimitText(nChars <= 0 ? 0x7FFFFFFEu : static_cast<UINT>(nChars));
}

void CEdit::SetLimitText(UINT nMax)
{
    if (m_hWnd != nullptr && m_hWnd->limit != nMax)
    {
        m_hWnd->limit = nMax;
        Changed(WindowChange::Limit);
    }
}

UINT CEdit::GetLimitText() const
{
    return m_hWnd != nullptr ? m_hWnd->limit : 0;
}

BOOL CEdit::UserType(const std::string& text)
{
    if (!IsUserReachable() || (GetStyle() & ES_READONLY) != 0)
    {
        return FALSE;
    }
    afx::HandlerScope scope;
    std::string typed = text.size() > m_hWnd->limit ? text.substr(0, m_hWnd->limit) : text;
    if (typed == m_hWnd->text)
    {
        return TRUE;
    }
    m_hWnd->text = typed;
    Changed(WindowChange::Text);
    NotifyParent(EN_CHANGE);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Combo boxes and list boxes
// ---------------------------------------------------------------------------------------------

int CListControlBase::AddString(const std::string& text)
{
    if (m_hWnd == nullptr)
    {
        return -1;
    }
    auto& items = m_hWnd->items;
    size_t index = items.size();
    if ((GetStyle() & SortStyle()) != 0)
    {
        index = 0;
        while (index < items.size() && platform::CompareNoCase(items[index].text, text) <= 0)
        {
            ++index;
        }
    }
    return InsertString(static_cast<int>(index), text);
}

int CListControlBase::InsertString(int nIndex, const std::string& text)
{
    if (m_hWnd == nullptr)
    {
        return -1;
    }
    auto& items = m_hWnd->items;
    if (nIndex < 0)
    {
        nIndex = static_cast<int>(items.size());
    }
    if (nIndex > static_cast<int>(items.size()))
    {
        return -1;
    }
    items.insert(items.begin() + nIndex, ListItem{text, 0});
    if (m_hWnd->curSel >= nIndex)
    {
        ++m_hWnd->curSel;
    }
    Changed(WindowChange::Items);
    return nIndex;
}

int CListControlBase::DeleteString(UINT nIndex)
{
    if (m_hWnd == nullptr || nIndex >= m_hWnd->items.size())
    {
        return -1;
    }
    auto& items = m_hWnd->items;
    items.erase(items.begin() + nIndex);
    int index = static_cast<int>(nIndex);
    bool selectionMoved = m_hWnd->curSel >= index;
    if (m_hWnd->curSel == index)
    {
        m_hWnd->curSel = -1;
    }
    else if (m_hWnd->curSel > index)
    {
        --m_hWnd->curSel;
    }
    Changed(WindowChange::Items);
    if (selectionMoved)
    {
        Changed(WindowChange::Selection);
    }
    return static_cast<int>(items.size());
}

void CListControlBase::ResetContent()
{
    if (m_hWnd == nullptr)
    {
        return;
    }
    m_hWnd->items.clear();
    m_hWnd->curSel = -1;
    Changed(WindowChange::Items);
    Changed(WindowChange::Selection);
}

int CListControlBase::GetCount() const
{
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->items.size()) : 0;
}

int CListControlBase::GetCurSel() const
{
    return m_hWnd != nullptr ? m_hWnd->curSel : -1;
}

int CListControlBase::SetCurSel(int nSelect)
{
    if (m_hWnd == nullptr)
    {
        return -1;
    }
    int result = nSelect;
    if (nSelect < -1 || nSelect >= GetCount())
    {
        nSelect = -1;
        result = -1;
    }
    if (m_hWnd->curSel != nSelect)
    {
        m_hWnd->curSel = nSelect;
        Changed(WindowChange::Selection);
    }
    return result;
}

std::string CListControlBase::GetItemText(int nIndex) const
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
    {
        return std::string();
    }
    return m_hWnd->items[static_cast<size_t>(nIndex)].text;
}

int CListControlBase::GetTextLen(int nIndex) const
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
    {
        return -1;
    }
    return static_cast<int>(m_hWnd->items[static_cast<size_t>(nIndex)].text.size());
}

namespace
{
// The list search of Windows: from the item after nStartAfter to the end, then on from the top
// back to nStartAfter itself; an empty text is never found.
template <class Matches>
int SearchItems(const std::vector<ListItem>& items, int nStartAfter, const std::string& text,
                Matches matches)
{
    const int count = static_cast<int>(items.size());
    if (text.empty() || count == 0)
    {
        return -1;
    }
    const int first = (nStartAfter + 1 >= count || nStartAfter < -1) ? 0 : nStartAfter + 1;
    for (int n = 0; n < count; ++n)
    {
        const int i = (first + n) % count;
        if (matches(items[static_cast<size_t>(i)].text, text))
        {
            return i;
        }
    }
    return -1;
}
} // namespace

int CListControlBase::FindStringExact(int nStartAfter, const std::string& text) const
{
    if (m_hWnd == nullptr)
    {
        return -1;
    }
    return SearchItems(m_hWnd->items, nStartAfter, text, platform::EqualsNoCase);
}

int CListControlBase::FindString(int nStartAfter, const std::string& text) const
{
    if (m_hWnd == nullptr)
    {
        return -1;
    }
    return SearchItems(m_hWnd->items, nStartAfter, text, platform::BeginsWithNoCase);
}

int CListControlBase::SelectString(int nStartAfter, const std::string& text)
{
    int index = FindString(nStartAfter, text);
    if (index >= 0)
    {
        SetCurSel(index);
    }
    return index;
}

DWORD_PTR CListControlBase::GetItemData(int nIndex) const
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
    {
        return 0;
    }
    return m_hWnd->items[static_cast<size_t>(nIndex)].data;
}

int CListControlBase::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
    {
        return -1;
    }
    m_hWnd->items[static_cast<size_t>(nIndex)].data = dwItemData;
    return 0;
}

BOOL CListControlBase::UserSelect(int nIndex)
{
    if (!IsUserReachable() || nIndex < 0 || nIndex >= GetCount())
    {
        return FALSE;
    }
    afx::HandlerScope scope;
    if (m_hWnd->curSel == nIndex)
    {
        return TRUE;
    }
    m_hWnd->curSel = nIndex;
    Changed(WindowChange::Selection);
    if (NotifiesSelectionChange())
    {
        NotifyParent(SelectionChangeCode());
    }
    return TRUE;
}

BOOL CListBox::NotifiesSelectionChange() const
{
    return (GetStyle() & LBS_NOTIFY) != 0;
}

// ---------------------------------------------------------------------------------------------
// CListCtrl
// ---------------------------------------------------------------------------------------------

namespace
{
bool ValidRow(const WindowState* ws, int nItem)
{
    return ws != nullptr && nItem >= 0 && nItem < static_cast<int>(ws->rows.size());
}

POSITION RowPosition(int row)
{
    return reinterpret_cast<POSITION>(static_cast<uintptr_t>(row + 1));
}

int PositionRow(POSITION pos)
{
    return static_cast<int>(reinterpret_cast<uintptr_t>(pos)) - 1;
}
} // namespace

int CListCtrl::InsertColumn(int nCol, const std::string& heading, int nFormat, int nWidth, int)
{
    if (m_hWnd == nullptr || nCol < 0)
    {
        return -1;
    }
    auto& columns = m_hWnd->columns;
    size_t index = std::min(static_cast<size_t>(nCol), columns.size());
    columns.insert(columns.begin() + static_cast<std::ptrdiff_t>(index),
                   ListColumn{heading, nFormat, nWidth < 0 ? 0 : nWidth});
    for (ListRow& row : m_hWnd->rows)
    {
        if (index < row.cells.size())
        {
            row.cells.insert(row.cells.begin() + static_cast<std::ptrdiff_t>(index), std::string());
        }
    }
    Changed(WindowChange::Items);
    return static_cast<int>(index);
}

int CListCtrl::GetColumnCount() const
{
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->columns.size()) : 0;
}

std::string CListCtrl::GetColumnHeading(int nCol) const
{
    if (nCol < 0 || nCol >= GetColumnCount())
    {
        return std::string();
    }
    return m_hWnd->columns[static_cast<size_t>(nCol)].heading;
}

int CListCtrl::GetColumnFormat(int nCol) const
{
    if (nCol < 0 || nCol >= GetColumnCount())
    {
        return LVCFMT_LEFT;
    }
    return m_hWnd->columns[static_cast<size_t>(nCol)].format;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    if (nCol < 0 || nCol >= GetColumnCount())
    {
        return 0;
    }
    return m_hWnd->columns[static_cast<size_t>(nCol)].width;
}

int CListCtrl::InsertItem(int nItem, const std::string& text)
{
    if (m_hWnd == nullptr || nItem < 0)
    {
        return -1;
    }
    auto& rows = m_hWnd->rows;
    size_t index = std::min(static_cast<size_t>(nItem), rows.size());
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(index), ListRow{{text}, 0, 0});
    if (m_hWnd->selectionMark >= static_cast<int>(index))
    {
        ++m_hWnd->selectionMark;
    }
    Changed(WindowChange::Items);
    return static_cast<int>(index);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const std::string& text)
{
    if (!ValidRow(m_hWnd, nItem) || nSubItem < 0)
    {
        return FALSE;
    }
    auto& cells = m_hWnd->rows[static_cast<size_t>(nItem)].cells;
    if (static_cast<size_t>(nSubItem) >= cells.size())
    {
        cells.resize(static_cast<size_t>(nSubItem) + 1);
    }
    cells[static_cast<size_t>(nSubItem)] = text;
    Changed(WindowChange::Items);
    return TRUE;
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    if (!ValidRow(m_hWnd, nItem) || nSubItem < 0)
    {
        return std::string();
    }
    const auto& cells = m_hWnd->rows[static_cast<size_t>(nItem)].cells;
    return static_cast<size_t>(nSubItem) < cells.size() ? cells[static_cast<size_t>(nSubItem)]
                                                        : std::string();
}

BOOL CListCtrl::DeleteAllItems()
{
    if (m_hWnd == nullptr)
    {
        return FALSE;
    }
    m_hWnd->rows.clear();
    m_hWnd->selectionMark = -1;
    Changed(WindowChange::Items);
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->rows.size()) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    if (!ValidRow(m_hWnd, nItem))
    {
        return FALSE;
    }
    m_hWnd->rows[static_cast<size_t>(nItem)].data = dwData;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    return ValidRow(m_hWnd, nItem) ? m_hWnd->rows[static_cast<size_t>(nItem)].data : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    if (!ValidRow(m_hWnd, nItem))
    {
        return FALSE;
    }
    auto& rows = m_hWnd->rows;
    bool selecting = (nMask & nState & LVIS_SELECTED) != 0;
    bool focusing = (nMask & nState & LVIS_FOCUSED) != 0;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        if (static_cast<int>(i) == nItem)
        {
            continue;
        }
        if (selecting && (GetStyle() & LVS_SINGLESEL) != 0)
        {
            rows[i].state &= ~static_cast<UINT>(LVIS_SELECTED);
        }
        if (focusing)
        {
            rows[i].state &= ~static_cast<UINT>(LVIS_FOCUSED);
        }
    }
    UINT& state = rows[static_cast<size_t>(nItem)].state;
    state = (state & ~nMask) | (nState & nMask);
    Changed(WindowChange::Selection);
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return ValidRow(m_hWnd, nItem) ? m_hWnd->rows[static_cast<size_t>(nItem)].state & nMask : 0;
}

UINT CListCtrl::GetSelectedCount() const
{
    UINT count = 0;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (GetItemState(i, LVIS_SELECTED) != 0)
        {
            ++count;
        }
    }
    return count;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int row = GetNextItem(-1, LVNI_SELECTED);
    return row >= 0 ? RowPosition(row) : nullptr;
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    if (pos == nullptr)
    {
        return -1;
    }
    int row = PositionRow(pos);
    int next = GetNextItem(row, LVNI_SELECTED);
    pos = next >= 0 ? RowPosition(next) : nullptr;
    return row;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    for (int i = std::max(nItem + 1, 0); i < GetItemCount(); ++i)
    {
        if ((nFlags & LVNI_SELECTED) == 0 || GetItemState(i, LVIS_SELECTED) != 0)
        {
            return i;
        }
    }
    return -1;
}

int CListCtrl::GetSelectionMark() const
{
    return m_hWnd != nullptr ? m_hWnd->selectionMark : -1;
}

BOOL CListCtrl::UserSelectRow(int nItem)
{
    if (!IsUserReachable() || !ValidRow(m_hWnd, nItem))
    {
        return FALSE;
    }
    afx::HandlerScope scope;
    struct RowChange
    {
        int row;
        UINT oldState;
        UINT newState;
    };
    std::vector<RowChange> changes;
    auto& rows = m_hWnd->rows;
    const UINT bits = LVIS_SELECTED | LVIS_FOCUSED;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        int row = static_cast<int>(i);
        UINT oldState = rows[i].state;
        UINT newState = row == nItem ? (oldState | bits) : (oldState & ~bits);
        if (newState != oldState)
        {
            rows[i].state = newState;
            changes.push_back({row, oldState, newState});
        }
    }
    m_hWnd->selectionMark = nItem;
    if (changes.empty())
    {
        return TRUE;
    }
    Changed(WindowChange::Selection);
    std::stable_partition(changes.begin(), changes.end(),
                          [](const RowChange& c) { return (c.newState & LVIS_SELECTED) == 0; });
    WindowState* self = m_hWnd;
    for (const RowChange& change : changes)
    {
        CWnd* parent = self->parent != nullptr ? self->parent->primary : nullptr;
        if (parent == nullptr)
        {
            break;
        }
        NMLISTVIEW info{};
        // The record names the control by its window state, as the framework knows windows.
        info.hdr.hwndFrom = reinterpret_cast<HWND>(self);
        info.hdr.idFrom = static_cast<UINT_PTR>(self->id);
        info.hdr.code = LVN_ITEMCHANGED;
        info.iItem = change.row;
        info.iSubItem = 0;
        info.uNewState = change.newState;
        info.uOldState = change.oldState;
        info.uChanged = LVIF_STATE;
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(self->id),
                            reinterpret_cast<LPARAM>(&info));
        if (m_hWnd != self)
        {
            break;
        }
    }
    return TRUE;
}
