// Drop-down lists, list boxes and report-view lists: items the framework keeps in its order,
// and a selection the user changes.
#include "framework/Controls.h"
#include "framework/terminal/Mirror.h"

#include <algorithm>

namespace termhost
{
namespace
{
// A list's frame and the blank before and after each row's text.
constexpr int kFrameAndMargins = 4;

// The toolkit counts its items from 1.
std::size_t ItemNumber(int index)
{
    return static_cast<std::size_t>(index) + 1;
}

// CBS_DROPDOWNLIST: the framework sorts a CBS_SORT list itself, so the field shows the items in
// the framework's order. Closed, the arrow keys change the selection, as on Windows; F4 or the
// mouse opens the list.
class ComboMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* combo = new Mirrored<finalcut::FComboBox>(*this, window);
        combo->unsetShadow();
        combo->unsetEditable();
        // The template's height is that of the opened list, the closed field's 12 units first.
        const int opened = (m_wnd.GetDialogRect().Height() - 12) / kUnitsPerRow;
        combo->setMaxVisibleItems(static_cast<std::size_t>(std::max(1, opened)));
        combo->addCallback("row-changed", [this, combo]() {
            if (combo->getCount() == 0)
            {
                return;
            }
            const int index = combo->getItemData<int>();
            Act([index](CWnd& wnd) { static_cast<CComboBox&>(wnd).UserSelect(index); });
        });
        return combo;
    }

    void Show(WindowChange what) override
    {
        auto* combo = static_cast<finalcut::FComboBox*>(m_widget);
        auto& box = static_cast<CComboBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            combo->clear();
            for (int i = 0; i < box.GetCount(); ++i)
            {
                combo->insert(finalcut::FString(box.GetItemText(i)), int{i});
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            const int selected = box.GetCurSel();
            if (selected >= 0)
            {
                combo->setCurrentItem(ItemNumber(selected));
            }
            else
            {
                combo->clearText();
            }
            combo->redraw();
        }
        else
        {
            Mirror::Show(what);
        }
    }
};

class ListBoxMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* list = new Mirrored<finalcut::FListBox>(*this, window);
        list->addCallback("row-changed", [this, list]() {
            if (list->getCount() == 0)
            {
                return;
            }
            const int index = static_cast<int>(list->currentItem()) - 1;
            Act([index](CWnd& wnd) { static_cast<CListBox&>(wnd).UserSelect(index); });
        });
        return list;
    }

    void Show(WindowChange what) override
    {
        auto* list = static_cast<finalcut::FListBox*>(m_widget);
        auto& box = static_cast<CListBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            list->clear();
            for (int i = 0; i < box.GetCount(); ++i)
            {
                list->insert(finalcut::FString(box.GetItemText(i)));
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            const int selected = box.GetCurSel();
            if (selected >= 0)
            {
                list->setCurrentItem(ItemNumber(selected));
            }
            list->redraw();
        }
        else
        {
            Mirror::Show(what);
        }
    }
};

// A cell's text in its column's width, aligned as the column says.
std::string Aligned(std::string text, int format, std::size_t width)
{
    text = text.substr(0, width);
    const std::size_t free = width - text.size();
    switch (format & (LVCFMT_RIGHT | LVCFMT_CENTER))
    {
    case LVCFMT_RIGHT:
        return std::string(free, ' ') + text;
    case LVCFMT_CENTER:
        return std::string(free / 2, ' ') + text + std::string(free - free / 2, ' ');
    default:
        return text + std::string(free, ' ');
    }
}

// LVS_REPORT: a heading line over a list of rows, each row its cells in their columns' widths;
// the framework keeps each row's state. The rows take the focus.
class ListViewMirror : public Mirror
{
public:
    using Mirror::Mirror;
    ~ListViewMirror() override
    {
        if (m_rows != nullptr)
        {
            m_rows->mirror = nullptr;
            m_rows->delCallback();
        }
    }

    bool TakesFocus() const override { return true; }
    finalcut::FWidget* FocusTarget() const override { return m_rows; }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* view = new finalcut::FWidget(window);
        m_heading = new finalcut::FLabel(view);
        m_rows = new Mirrored<finalcut::FListBox>(*this, view);
        m_rows->addCallback("row-changed", [this]() {
            if (m_rows->getCount() == 0)
            {
                return;
            }
            const int row = static_cast<int>(m_rows->currentItem()) - 1;
            Act([row](CWnd& wnd) { static_cast<CListCtrl&>(wnd).UserSelectRow(row); });
        });
        return view;
    }

    void Place(const finalcut::FPoint& origin, const CellRect& cells) override
    {
        Mirror::Place(origin, cells);
        const auto width = static_cast<std::size_t>(std::max(1, cells.width));
        const auto height = static_cast<std::size_t>(std::max(2, cells.height));
        // The heading stands over the rows' texts, inside the list's frame.
        m_heading->setGeometry(finalcut::FPoint{3, 1}, finalcut::FSize{width - 3, 1});
        m_rows->setGeometry(finalcut::FPoint{1, 2}, finalcut::FSize{width, height - 1});
    }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Items)
        {
            ShowItems();
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            auto& list = static_cast<CListCtrl&>(m_wnd);
            for (int r = 0; r < list.GetItemCount(); ++r)
            {
                if (list.GetItemState(r, LVIS_SELECTED) != 0)
                {
                    m_rows->setCurrentItem(ItemNumber(r));
                }
            }
            m_rows->redraw();
        }
        else if (what == WindowChange::Enabled)
        {
            Mirror::Show(what);
            m_rows->setEnable(m_wnd.IsWindowEnabled() != FALSE);
        }
        else
        {
            Mirror::Show(what);
        }
    }

private:
    // The columns share the row's cells inside the frame in the shares of their widths.
    std::string Line(const std::vector<std::string>& cells) const
    {
        auto& list = static_cast<CListCtrl&>(m_wnd);
        int total = 0;
        for (int c = 0; c < list.GetColumnCount(); ++c)
        {
            total += std::max(0, list.GetColumnWidth(c));
        }
        const int inside = std::max(1, m_place.rect.width - kFrameAndMargins);
        std::string line;
        for (int c = 0; c < list.GetColumnCount(); ++c)
        {
            const int width =
                std::max(1, total > 0 ? std::max(0, list.GetColumnWidth(c)) * inside / total
                                      : inside / list.GetColumnCount());
            const std::string cell = static_cast<size_t>(c) < cells.size() ? cells[c] : "";
            line += Aligned(cell, list.GetColumnFormat(c), static_cast<std::size_t>(width));
        }
        return line;
    }

    void ShowItems()
    {
        auto& list = static_cast<CListCtrl&>(m_wnd);
        std::vector<std::string> headings;
        for (int c = 0; c < list.GetColumnCount(); ++c)
        {
            headings.push_back(list.GetColumnHeading(c));
        }
        m_heading->setText(Line(headings));
        m_rows->clear();
        for (int r = 0; r < list.GetItemCount(); ++r)
        {
            std::vector<std::string> cells;
            for (int c = 0; c < list.GetColumnCount(); ++c)
            {
                cells.push_back(list.GetItemText(r, c));
            }
            m_rows->insert(finalcut::FString(Line(cells)));
        }
        m_heading->redraw();
    }

    finalcut::FLabel* m_heading = nullptr;
    Mirrored<finalcut::FListBox>* m_rows = nullptr;
};
} // namespace

std::unique_ptr<Mirror> MakeComboMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<ComboMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeListBoxMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<ListBoxMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeListViewMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<ListViewMirror>(host, wnd);
}
} // namespace termhost
