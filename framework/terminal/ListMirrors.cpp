// Drop-down lists, list boxes and report-view lists: items the framework keeps in its order,
// and a selection the user changes.
#include "framework/Controls.h"
#include "framework/terminal/Mirror.h"

#include <algorithm>
#include <cctype>
#include <functional>

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

// A drop-down list's field: the selected item and the arrow, on one row. Closed, as on Windows,
// the arrow keys, Home, End and Page Up/Down choose the previous or next item, a letter the next
// item that begins with it, and the mouse wheel steps through the items; each choice is the
// user's. (The toolkit's own drop-down gives the keyboard to a field inside it, out of reach of
// the wizard's keys.)
class DropDownField : public finalcut::FWidget
{
public:
    using finalcut::FWidget::FWidget;

    std::vector<std::string> items;
    int selected = -1;
    // The user chose another item.
    std::function<void(int)> chosen;

protected:
    void draw() override
    {
        const auto& colors = getColorTheme();
        if (!isEnabled())
        {
            setColor(colors->inputfield_inactive_fg, colors->inputfield_inactive_bg);
        }
        else if (hasFocus())
        {
            setColor(colors->inputfield_active_focus_fg, colors->inputfield_active_focus_bg);
        }
        else
        {
            setColor(colors->inputfield_active_fg, colors->inputfield_active_bg);
        }
        const std::size_t width = getWidth() > 2 ? getWidth() - 2 : 0;
        std::string text = selected >= 0 && static_cast<std::size_t>(selected) < items.size()
                               ? items[static_cast<std::size_t>(selected)]
                               : std::string();
        text = (" " + text).substr(0, width);
        text += std::string(width - text.size(), ' ');
        print() << finalcut::FPoint{1, 1} << finalcut::FString(text) << " "
                << finalcut::UniChar::BlackDownPointingTriangle;
    }

    void onKeyPress(finalcut::FKeyEvent* event) override
    {
        using finalcut::FKey;
        const int last = static_cast<int>(items.size()) - 1;
        const FKey key = event->key();
        int to = -2;
        if (key == FKey::Up || key == FKey::Left)
        {
            to = std::max(0, selected - 1);
        }
        else if (key == FKey::Down || key == FKey::Right)
        {
            to = std::min(last, selected + 1);
        }
        else if (key == FKey::Home || key == FKey::Page_up)
        {
            to = 0;
        }
        else if (key == FKey::End || key == FKey::Page_down)
        {
            to = last;
        }
        else if (static_cast<uint32_t>(key) > ' ' && static_cast<uint32_t>(key) < 0x7F)
        {
            to = NextStartingWith(static_cast<char>(key));
        }
        if (to == -2)
        {
            finalcut::FWidget::onKeyPress(event);
            return;
        }
        event->accept();
        Choose(to);
    }

    void onMouseDown(finalcut::FMouseEvent* event) override
    {
        if (event->getButton() == finalcut::MouseButton::Left && !hasFocus())
        {
            FocusWidget(this);
        }
    }

    void onWheel(finalcut::FWheelEvent* event) override
    {
        const int step = event->getWheel() == finalcut::MouseWheel::Up ? -1 : +1;
        Choose(std::clamp(selected + step, 0, static_cast<int>(items.size()) - 1));
    }

private:
    int NextStartingWith(char letter) const
    {
        const auto count = static_cast<int>(items.size());
        for (int i = 1; i <= count; ++i)
        {
            const int index = (selected + i) % count;
            const std::string& item = items[static_cast<std::size_t>(index)];
            if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) ==
                                     std::tolower(static_cast<unsigned char>(letter)))
            {
                return index;
            }
        }
        return selected;
    }

    void Choose(int index)
    {
        if (index >= 0 && index != selected && chosen)
        {
            chosen(index);
        }
    }
};

// CBS_DROPDOWNLIST: the framework sorts a CBS_SORT list itself, so the field shows the items in
// the framework's order.
class ComboMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* field = new Mirrored<DropDownField>(*this, window);
        field->setFocusable();
        field->chosen = [this](int index) {
            Act([index](CWnd& wnd) { static_cast<CComboBox&>(wnd).UserSelect(index); });
        };
        return field;
    }

    void Show(WindowChange what) override
    {
        auto* field = static_cast<DropDownField*>(m_widget);
        auto& box = static_cast<CComboBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            field->items.clear();
            for (int i = 0; i < box.GetCount(); ++i)
            {
                field->items.push_back(box.GetItemText(i));
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            field->selected = box.GetCurSel();
            field->redraw();
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
        else if (what == WindowChange::Visible)
        {
            // The toolkit hides a plain widget's children with it only when they are windows.
            if (!Shown())
            {
                m_rows->hide();
                m_heading->hide();
            }
            Mirror::Show(what);
            if (Shown())
            {
                m_rows->setVisible(true);
                m_heading->setVisible(true);
                if (m_widget->isShown())
                {
                    m_rows->show();
                    m_heading->show();
                }
            }
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
