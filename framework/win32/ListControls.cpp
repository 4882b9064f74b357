// Drop-down lists, list boxes and report-view lists: items the framework keeps in its order (it
// sorts a CBS_SORT or LBS_SORT list itself, so the system's never sorts), and a selection the
// user changes.
#include "framework/win32/Control.h"

#include "framework/Controls.h"
#include "framework/win32/HostImpl.h"

#include <commctrl.h>

namespace win32host
{
namespace
{
DWORD ClientEdgeFor(DWORD style)
{
    return (style & WS_BORDER) != 0 ? WS_EX_CLIENTEDGE : 0;
}

// CBS_DROPDOWNLIST: the template's height is that of the opened list, as on Windows.
class ComboControl : public Control
{
public:
    using Control::Control;

    void OnCommand(UINT code) override
    {
        if (code != CBN_SELCHANGE)
            return;
        const int index = static_cast<int>(SendMessageA(m_handle, CB_GETCURSEL, 0, 0));
        Act([index](CWnd& wnd) { static_cast<CComboBox&>(wnd).UserSelect(index); });
    }

protected:
    HWND MakeWindow(HWND parent) override
    {
        return MakeChild(parent, "COMBOBOX", (m_wnd.GetStyle() & ~CBS_SORT) | WS_VSCROLL);
    }

    void Show(WindowChange what) override
    {
        auto& box = static_cast<CComboBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            SendMessageA(m_handle, CB_RESETCONTENT, 0, 0);
            for (int i = 0; i < box.GetCount(); ++i)
            {
                SendMessageA(m_handle, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(box.GetItemText(i).c_str()));
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            SendMessageA(m_handle, CB_SETCURSEL, static_cast<WPARAM>(box.GetCurSel()), 0);
        }
        else
        {
            Control::Show(what);
        }
    }
};

class ListBoxControl : public Control
{
public:
    using Control::Control;

    void OnCommand(UINT code) override
    {
        if (code != LBN_SELCHANGE)
            return;
        const int index = static_cast<int>(SendMessageA(m_handle, LB_GETCURSEL, 0, 0));
        Act([index](CWnd& wnd) {
            if (index >= 0)
                static_cast<CListBox&>(wnd).UserSelect(index);
        });
    }

protected:
    HWND MakeWindow(HWND parent) override
    {
        // LBS_NOTIFY always: the host follows every selection; the framework decides whether
        // the page hears of it.
        const DWORD style = m_wnd.GetStyle();
        return MakeChild(parent, "LISTBOX",
                         (style & ~(LBS_SORT | WS_BORDER)) | LBS_NOTIFY | WS_VSCROLL,
                         ClientEdgeFor(style));
    }

    void Show(WindowChange what) override
    {
        auto& box = static_cast<CListBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            SendMessageA(m_handle, LB_RESETCONTENT, 0, 0);
            for (int i = 0; i < box.GetCount(); ++i)
            {
                SendMessageA(m_handle, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(box.GetItemText(i).c_str()));
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            SendMessageA(m_handle, LB_SETCURSEL, static_cast<WPARAM>(box.GetCurSel()), 0);
        }
        else
        {
            Control::Show(what);
        }
    }
};

// LVS_REPORT: columns with headings, rows of cells; the framework keeps each row's state.
class ListViewControl : public Control
{
public:
    using Control::Control;

    bool OnNotify(const NMHDR& header, LRESULT& result) override
    {
        result = 0;
        if (header.code != LVN_ITEMCHANGED)
            return false;
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool selected = (change.uChanged & LVIF_STATE) != 0 &&
                              (change.uNewState & LVIS_SELECTED) != 0 &&
                              (change.uOldState & LVIS_SELECTED) == 0;
        if (selected && change.iItem >= 0)
        {
            const int row = change.iItem;
            Act([row](CWnd& wnd) { static_cast<CListCtrl&>(wnd).UserSelectRow(row); });
        }
        return true;
    }

protected:
    HWND MakeWindow(HWND parent) override
    {
        const DWORD style = m_wnd.GetStyle();
        HWND view = MakeChild(parent, WC_LISTVIEWA, style & ~WS_BORDER, ClientEdgeFor(style));
        if (view != nullptr)
        {
            SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE,
                         LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                         LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        }
        return view;
    }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Items)
        {
            ShowItems();
            ShowSelection();
        }
        else if (what == WindowChange::Selection)
        {
            ShowSelection();
        }
        else
        {
            Control::Show(what);
        }
    }

private:
    void ShowItems()
    {
        auto& list = static_cast<CListCtrl&>(m_wnd);
        SendMessageA(m_handle, LVM_DELETEALLITEMS, 0, 0);
        while (SendMessageA(m_handle, LVM_DELETECOLUMN, 0, 0))
        {
        }
        const int columns = list.GetColumnCount();
        for (int c = 0; c < columns; ++c)
        {
            std::string heading = list.GetColumnHeading(c);
            LVCOLUMNA column{};
            column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.fmt = list.GetColumnFormat(c);
            column.cx = list.GetColumnWidth(c) >= 0 ? list.GetColumnWidth(c) : 0;
            column.pszText = heading.data();
            column.iSubItem = c;
            SendMessageA(m_handle, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                         reinterpret_cast<LPARAM>(&column));
        }
        for (int r = 0; r < list.GetItemCount(); ++r)
        {
            for (int c = 0; c < columns; ++c)
            {
                std::string text = list.GetItemText(r, c);
                LVITEMA item{};
                item.mask = LVIF_TEXT;
                item.iItem = r;
                item.iSubItem = c;
                item.pszText = text.data();
                SendMessageA(m_handle, c == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA,
                             static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&item));
            }
        }
        for (int c = 0; c < columns; ++c)
        {
            if (list.GetColumnWidth(c) < 0)
                SendMessageA(m_handle, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c),
                             LVSCW_AUTOSIZE_USEHEADER);
        }
    }

    void ShowSelection()
    {
        auto& list = static_cast<CListCtrl&>(m_wnd);
        const int rows = static_cast<int>(SendMessageA(m_handle, LVM_GETITEMCOUNT, 0, 0));
        for (int r = 0; r < rows; ++r)
        {
            LVITEMA item{};
            item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            item.state = list.GetItemState(r, LVIS_SELECTED | LVIS_FOCUSED);
            SendMessageA(m_handle, LVM_SETITEMSTATE, static_cast<WPARAM>(r),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
};
} // namespace

std::unique_ptr<Control> MakeComboControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<ComboControl>(host, wnd);
}

std::unique_ptr<Control> MakeListBoxControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<ListBoxControl>(host, wnd);
}

std::unique_ptr<Control> MakeListViewControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<ListViewControl>(host, wnd);
}
} // namespace win32host
