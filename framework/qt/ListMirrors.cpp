// Drop-down lists, list boxes and report-view lists: items the framework keeps in its order,
// and a selection the user changes.
#include "framework/Controls.h"
#include "framework/qt/Mirror.h"
#include "framework/qt/QtHostImpl.h"
#include "framework/qt/QtText.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

#include <algorithm>

namespace qthost
{
namespace
{
// CBS_DROPDOWNLIST: the framework sorts a CBS_SORT list itself, so the widget shows the items
// in the framework's order.
class ComboMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* combo = new QComboBox(parent);
        QObject::connect(combo, &QComboBox::activated, [this](int index) {
            Act([index](CWnd& wnd) { static_cast<CComboBox&>(wnd).UserSelect(index); });
        });
        // The template's height is the height of the opened list.
        QRect rect = PixelRect(m_wnd);
        int itemHeight = std::max(1, QFontMetrics(m_host.font).height());
        combo->setMaxVisibleItems(std::max(1, (rect.height() - Geometry().height()) / itemHeight));
        return combo;
    }

    // The closed field: as high as the template's 12 dialog units at most.
    QRect Geometry() const override
    {
        QRect rect = PixelRect(m_wnd);
        rect.setHeight(std::min(rect.height(), 12 * m_host.units.y / 8));
        return rect;
    }

    void Show(WindowChange what) override
    {
        auto* combo = static_cast<QComboBox*>(m_widget.data());
        auto& box = static_cast<CComboBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            combo->clear();
            for (int i = 0; i < box.GetCount(); ++i)
            {
                combo->addItem(ToQt(box.GetItemText(i)));
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            combo->setCurrentIndex(box.GetCurSel());
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
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        if ((m_wnd.GetStyle() & WS_BORDER) == 0)
        {
            list->setFrameShape(QFrame::NoFrame);
        }
        // Selections, not the current row: a list that gets the focus makes its first row
        // current without selecting it.
        QObject::connect(list, &QListWidget::itemSelectionChanged, [this, list]() {
            QList<QListWidgetItem*> selected = list->selectedItems();
            int row = selected.size() == 1 ? list->row(selected.front()) : -1;
            Act([row](CWnd& wnd) {
                if (row >= 0)
                {
                    static_cast<CListBox&>(wnd).UserSelect(row);
                }
            });
        });
        return list;
    }

    void Show(WindowChange what) override
    {
        auto* list = static_cast<QListWidget*>(m_widget.data());
        auto& box = static_cast<CListBox&>(m_wnd);
        if (what == WindowChange::Items)
        {
            list->clear();
            for (int i = 0; i < box.GetCount(); ++i)
            {
                list->addItem(ToQt(box.GetItemText(i)));
            }
            Show(WindowChange::Selection);
        }
        else if (what == WindowChange::Selection)
        {
            int sel = box.GetCurSel();
            if (sel >= 0)
            {
                list->setCurrentRow(sel);
            }
            else
            {
                list->clearSelection();
                list->setCurrentRow(-1);
            }
        }
        else
        {
            Mirror::Show(what);
        }
    }
};

Qt::Alignment ColumnAlignment(int format)
{
    switch (format & (LVCFMT_RIGHT | LVCFMT_CENTER))
    {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// LVS_REPORT: columns with headings, rows of cells; the framework keeps each row's state.
class ListViewMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* view = new QTreeWidget(parent);
        view->setRootIsDecorated(false);
        view->setUniformRowHeights(true);
        view->setItemsExpandable(false);
        view->setAllColumnsShowFocus(true);
        view->setSortingEnabled(false);
        view->header()->setStretchLastSection(false);
        view->header()->setSectionsMovable(false);
        DWORD style = m_wnd.GetStyle();
        view->setSelectionMode((style & LVS_SINGLESEL) != 0 ? QAbstractItemView::SingleSelection
                                                            : QAbstractItemView::ExtendedSelection);
        if ((style & WS_BORDER) == 0)
        {
            view->setFrameShape(QFrame::NoFrame);
        }
        QObject::connect(view, &QTreeWidget::itemSelectionChanged, [this, view]() {
            QList<QTreeWidgetItem*> selected = view->selectedItems();
            int row = selected.size() == 1 ? view->indexOfTopLevelItem(selected.front()) : -1;
            Act([row](CWnd& wnd) {
                if (row >= 0)
                {
                    static_cast<CListCtrl&>(wnd).UserSelectRow(row);
                }
            });
        });
        return view;
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
            ShowSelection();
        }
        else
        {
            Mirror::Show(what);
        }
    }

private:
    void ShowItems()
    {
        auto* view = static_cast<QTreeWidget*>(m_widget.data());
        auto& list = static_cast<CListCtrl&>(m_wnd);
        int columns = list.GetColumnCount();
        view->clear();
        view->setColumnCount(std::max(1, columns));
        view->setHeaderHidden(columns == 0);
        auto* header = new QTreeWidgetItem;
        for (int c = 0; c < columns; ++c)
        {
            header->setText(c, ToQt(list.GetColumnHeading(c)));
            header->setTextAlignment(c, ColumnAlignment(list.GetColumnFormat(c)));
        }
        view->setHeaderItem(header);
        for (int c = 0; c < columns; ++c)
        {
            int width = list.GetColumnWidth(c);
            if (width >= 0)
            {
                view->setColumnWidth(c, width);
            }
            else
            {
                view->resizeColumnToContents(c);
            }
        }
        for (int r = 0; r < list.GetItemCount(); ++r)
        {
            auto* row = new QTreeWidgetItem;
            for (int c = 0; c < columns; ++c)
            {
                row->setText(c, ToQt(list.GetItemText(r, c)));
                row->setTextAlignment(c, ColumnAlignment(list.GetColumnFormat(c)));
            }
            view->addTopLevelItem(row);
        }
    }

    void ShowSelection()
    {
        auto* view = static_cast<QTreeWidget*>(m_widget.data());
        auto& list = static_cast<CListCtrl&>(m_wnd);
        QSignalBlocker selectionBlocker(view->selectionModel());
        for (int r = 0; r < view->topLevelItemCount(); ++r)
        {
            if (list.GetItemState(r, LVIS_FOCUSED) != 0)
            {
                view->selectionModel()->setCurrentIndex(view->indexFromItem(view->topLevelItem(r)),
                                                        QItemSelectionModel::NoUpdate);
            }
        }
        for (int r = 0; r < view->topLevelItemCount(); ++r)
        {
            view->topLevelItem(r)->setSelected(list.GetItemState(r, LVIS_SELECTED) != 0);
        }
        view->viewport()->update();
    }
};
} // namespace

std::unique_ptr<Mirror> MakeComboMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<ComboMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeListBoxMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<ListBoxMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeListViewMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<ListViewMirror>(host, wnd);
}
} // namespace qthost
