// The dialog controls. Each is usually created from a page's dialog template (the framework
// owns that primary object) and a page member of the same class is attached to it with
// DDX_Control; both read and change the same state.
//
// User actions: the User* functions are what a host widget or a script driver calls when the
// user acts on a control. They change the state, tell the host, and send the change
// notification to the parent window (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE, LBN_SELCHANGE with
// LBS_NOTIFY, LVN_ITEMCHANGED), then the posted messages are handled. Each returns FALSE and
// does nothing when the control is unbound, hidden or disabled (itself or a parent), or the
// argument is out of range. Nothing else ever sends a change notification.
#pragma once

#include "framework/Wnd.h"

#include <string>
#include <vector>

class CStatic : public CWnd
{
};

class CButton : public CWnd
{
public:
    // BST_UNCHECKED / BST_CHECKED (0 for push buttons and group boxes).
    int GetCheck() const;
    void SetCheck(int nCheck);
    // The BS_ type of the button (BS_TYPEMASK part of the style).
    UINT GetButtonStyle() const;

    // The user clicks the button: an auto check box toggles, an auto radio button becomes
    // checked and the other radio buttons of its group unchecked; then BN_CLICKED.
    BOOL UserClick();
    // The user sets a check box or radio button to nCheck by clicking it; nothing happens (and
    // TRUE is returned) when it already is in that state.
    BOOL UserCheck(int nCheck);
};

class CEdit : public CWnd
{
public:
    // The most characters the user can enter; 0 means the default limit.
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax);
    // The current limit (30000 when none was set, as Windows has it).
    UINT GetLimitText() const;

    // The user replaces the whole text (cut to the limit). Sends exactly one EN_CHANGE when the
    // text differs from the current one, none when it is the same.
    BOOL UserType(const std::string& text);
};

// Item list shared by combo boxes and list boxes. Sorted lists (CBS_SORT / LBS_SORT) keep
// AddString's items in order ignoring letter case; InsertString puts an item where it is told.
// Indices are 0-based; the error value is CB_ERR / LB_ERR (-1).
class CListControlBase : public CWnd
{
public:
    // Returns the index of the new item.
    int AddString(const std::string& text);
    // nIndex -1 appends. Returns the index, or -1 when nIndex is beyond the end.
    int InsertString(int nIndex, const std::string& text);
    // Returns the number of items left, or -1 for a bad index. The selection follows its item
    // (none when that item is deleted).
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;

    // -1 when nothing is selected.
    int GetCurSel() const;
    // nSelect -1 clears the selection. Returns nSelect, or -1 (selection cleared) when out of
    // range, as Windows does.
    int SetCurSel(int nSelect);

    // The item's text; "" (and -1 from the length form) for a bad index.
    std::string GetItemText(int nIndex) const;
    int GetTextLen(int nIndex) const;

    // The first item whose whole text equals text, ignoring case, searching as Windows does:
    // from the item after nStartAfter (-1: from the start) to the end, then from the top back
    // to nStartAfter itself. -1 when none matches, and always for an empty text.
    int FindStringExact(int nStartAfter, const std::string& text) const;
    // The same for the first item that begins with text, ignoring case.
    int FindString(int nStartAfter, const std::string& text) const;
    // Selects the item FindString finds and returns its index; -1 and the selection unchanged
    // when none is found.
    int SelectString(int nStartAfter, const std::string& text);

    DWORD_PTR GetItemData(int nIndex) const;           // 0 for a bad index
    int SetItemData(int nIndex, DWORD_PTR dwItemData); // -1 for a bad index

    // The user selects item nIndex; the change notification is sent only when the selection
    // changes.
    BOOL UserSelect(int nIndex);

protected:
    virtual UINT SelectionChangeCode() const = 0;
    virtual BOOL NotifiesSelectionChange() const = 0;
    virtual DWORD SortStyle() const = 0;
};

class CComboBox : public CListControlBase
{
public:
    void GetLBText(int nIndex, std::string& rString) const { rString = GetItemText(nIndex); }
    std::string GetLBText(int nIndex) const { return GetItemText(nIndex); }
    int GetLBTextLen(int nIndex) const { return GetTextLen(nIndex); }

protected:
    UINT SelectionChangeCode() const override { return CBN_SELCHANGE; }
    BOOL NotifiesSelectionChange() const override { return TRUE; }
    DWORD SortStyle() const override { return CBS_SORT; }
};

class CListBox : public CListControlBase
{
public:
    void GetText(int nIndex, std::string& rString) const { rString = GetItemText(nIndex); }
    std::string GetText(int nIndex) const { return GetItemText(nIndex); }

protected:
    UINT SelectionChangeCode() const override { return LBN_SELCHANGE; }
    // Windows sends LBN_SELCHANGE only to lists with LBS_NOTIFY.
    BOOL NotifiesSelectionChange() const override;
    DWORD SortStyle() const override { return LBS_SORT; }
};

// A list view in report mode: columns with headings, rows of cell texts, per-row states
// (LVIS_SELECTED, LVIS_FOCUSED). With LVS_SINGLESEL at most one row is selected.
class CListCtrl : public CWnd
{
public:
    // Inserts a column before nCol (appends when nCol >= count). nFormat LVCFMT_LEFT, _RIGHT or
    // _CENTER; nWidth in pixels. Returns the new column's index, -1 for nCol < 0.
    int InsertColumn(int nCol, const std::string& heading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    int GetColumnCount() const;
    std::string GetColumnHeading(int nCol) const;
    int GetColumnFormat(int nCol) const;
    int GetColumnWidth(int nCol) const;

    // Inserts a row before nItem (appends when nItem >= count) with column 0 text; returns its
    // index, -1 for nItem < 0.
    int InsertItem(int nItem, const std::string& text);
    BOOL SetItemText(int nItem, int nSubItem, const std::string& text);
    std::string GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;

    // Changes the bits of nMask to nState. Selecting a row of an LVS_SINGLESEL list deselects
    // the others; focusing a row unfocuses the others. FALSE for a bad row.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    UINT GetSelectedCount() const;
    // Iterates over the selected rows in row order: nullptr when none is selected.
    POSITION GetFirstSelectedItemPosition() const;
    // The row at pos; moves pos to the next selected row (nullptr after the last).
    int GetNextSelectedItem(POSITION& pos) const;
    // The next row after nItem (-1: from the start) with all of nFlags' state (LVNI_SELECTED),
    // or any row (LVNI_ALL); -1 when none.
    int GetNextItem(int nItem, int nFlags) const;
    // The row the user last selected; -1 when none.
    int GetSelectionMark() const;

    // The user selects row nItem (it becomes selected and focused, the others not): one
    // LVN_ITEMCHANGED per row whose state changed, the deselected rows first.
    BOOL UserSelectRow(int nItem);
};
