// One widget per window, and the mirroring of the window's state into it. Programmatic changes
// are shown with the widget's signals blocked, so that only the user's own actions reach the
// framework (as user actions, which send the change notifications).
#include "framework/qt/QtHostImpl.h"

#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "framework/Resources.h"
#include "framework/WinApp.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QTreeWidget>

#include <algorithm>

namespace qthost
{
QString ToQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToQtMultiline(const std::string& text)
{
    QString result = ToQt(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::string FromQt(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString WithoutMnemonic(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (text[i] == QLatin1Char('&'))
        {
            ++i;
            if (i == text.size())
            {
                break;
            }
        }
        result += text[i];
    }
    return result;
}
} // namespace qthost

namespace
{
using qthost::Mirror;

// The longest text a QLineEdit takes.
constexpr int kLineEditMaximum = 32767;
// Static styles (SS_TYPEMASK part).
constexpr DWORD kStaticTypeMask = 0x1F;

// The sheet's top-level window: Enter, Escape and the close box go to the sheet's buttons.
class WizardWindow : public QWidget
{
public:
    WizardWindow(QtHost::Impl& impl, CPropertySheet& sheet)
        : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
          m_impl(impl), m_sheet(sheet)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key())
        {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (Mine())
            {
                m_impl.PressDefaultButton(m_sheet);
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            if (Mine())
            {
                m_impl.PressCancel(m_sheet);
            }
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }

    void closeEvent(QCloseEvent* event) override
    {
        // The framework decides: an ended sheet hides its window itself.
        event->ignore();
        if (Mine())
        {
            m_impl.PressCancel(m_sheet);
        }
    }

private:
    // The window still shows its sheet (it lingers a moment after the sheet's destruction).
    bool Mine() const
    {
        Mirror* mirror = m_impl.Find(&m_sheet);
        return mirror != nullptr && mirror->widget == this;
    }

    QtHost::Impl& m_impl;
    CPropertySheet& m_sheet;
};

QRect PixelRect(const CWnd& wnd)
{
    RECT rect;
    wnd.GetWindowRect(&rect);
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QPixmap RenderImage(UINT imageId, QSize size)
{
    const ImageResource* image = AfxFindImage(imageId);
    if (image == nullptr || image->svg == nullptr || size.isEmpty())
    {
        return QPixmap();
    }
    QSvgRenderer renderer(QByteArray(image->svg));
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

void AddIconSizes(QIcon& icon, const ImageResource* image, std::initializer_list<int> sizes)
{
    if (image == nullptr || image->svg == nullptr)
    {
        return;
    }
    QSvgRenderer renderer(QByteArray(image->svg));
    for (int side : sizes)
    {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(picture);
    }
}

UINT ButtonType(const CWnd& wnd)
{
    return static_cast<UINT>(wnd.GetStyle() & BS_TYPEMASK);
}

bool IsRadio(UINT type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsCheckBox(UINT type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

bool IsPictureStatic(const CWnd& wnd)
{
    DWORD type = wnd.GetStyle() & kStaticTypeMask;
    return type == SS_BITMAP || type == SS_ICON;
}

// A control that a static's mnemonic can move the focus to.
bool TakesFocus(const CWnd& wnd)
{
    switch (wnd.GetKind())
    {
    case WindowKind::Button:
        return ButtonType(wnd) != BS_GROUPBOX;
    case WindowKind::Edit:
    case WindowKind::ComboBox:
    case WindowKind::ListBox:
    case WindowKind::ListView:
        return true;
    default:
        return false;
    }
}

// The most characters the user may have in an edit: its limit, or more when the program has
// set a longer text (the edit then shows it all, as on Windows).
int EditMaximum(const CEdit& edit, const QString& text)
{
    UINT limit = edit.GetLimitText();
    int length = limit == 0 || limit > static_cast<UINT>(kLineEditMaximum)
                     ? kLineEditMaximum
                     : static_cast<int>(limit);
    return std::max(length, static_cast<int>(text.size()));
}

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
} // namespace

void QtHost::Impl::Create(CWnd& wnd)
{
    WindowKind kind = wnd.GetKind();
    QWidget* parent = ParentWidget(wnd);
    if (kind != WindowKind::Sheet && parent == nullptr)
    {
        // Only sheets are top-level windows here; a window outside any shown sheet stays unseen.
        return;
    }
    Mirror mirror;
    mirror.wnd = &wnd;
    QWidget* widget = nullptr;
    DWORD style = wnd.GetStyle();
    Mirror* page =
        kind != WindowKind::Sheet && kind != WindowKind::Page ? Find(wnd.GetParent()) : nullptr;
    bool onPage = page != nullptr && page->wnd->GetKind() == WindowKind::Page;
    CWnd* target = &wnd;

    switch (kind)
    {
    case WindowKind::Sheet: {
        auto* window = new WizardWindow(*this, static_cast<CPropertySheet&>(wnd));
        window->setFont(font);
        mirror.separator = new QFrame(window);
        mirror.separator->setFrameShape(QFrame::HLine);
        mirror.separator->setFrameShadow(QFrame::Sunken);
        widget = window;
        sheets.push_back(&wnd);
        break;
    }
    case WindowKind::Page:
        widget = new QWidget(parent);
        break;
    case WindowKind::Static: {
        DWORD type = style & kStaticTypeMask;
        if (type == SS_ETCHEDHORZ)
        {
            auto* line = new QFrame(parent);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            widget = line;
            break;
        }
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        if (IsPictureStatic(wnd))
        {
            label->setPixmap(RenderImage(wnd.GetImageId(), PixelRect(wnd).size()));
        }
        else
        {
            label->setWordWrap(true);
            Qt::Alignment horizontal = type == SS_CENTER  ? Qt::AlignHCenter
                                       : type == SS_RIGHT ? Qt::AlignRight
                                                          : Qt::AlignLeft;
            label->setAlignment(horizontal | Qt::AlignTop);
            if (onPage)
            {
                page->pendingBuddies.push_back(label);
            }
        }
        widget = label;
        break;
    }
    case WindowKind::Button: {
        UINT type = ButtonType(wnd);
        bool onSheet =
            wnd.GetParent() != nullptr && wnd.GetParent()->GetKind() == WindowKind::Sheet;
        if (type == BS_GROUPBOX)
        {
            auto* box = new QGroupBox(parent);
            box->setFocusPolicy(Qt::NoFocus);
            widget = box;
        }
        else if (IsCheckBox(type))
        {
            auto* check = new QCheckBox(parent);
            QObject::connect(check, &QCheckBox::clicked, [this, target]() {
                static_cast<CButton*>(target)->UserClick();
                AfterUserAction(target);
            });
            widget = check;
        }
        else if (IsRadio(type))
        {
            auto* radio = new QRadioButton(parent);
            radio->setAutoExclusive(false);
            if (onPage)
            {
                if ((style & WS_GROUP) != 0 || page->openRadioGroup == nullptr)
                {
                    page->openRadioGroup = new QButtonGroup(page->widget);
                    page->openRadioGroup->setExclusive(true);
                }
                page->openRadioGroup->addButton(radio);
                mirror.radioGroup = page->openRadioGroup;
            }
            QObject::connect(radio, &QRadioButton::clicked, [this, target]() {
                static_cast<CButton*>(target)->UserClick();
                AfterUserAction(target);
            });
            widget = radio;
        }
        else
        {
            auto* push = new QPushButton(parent);
            // A focused push button takes Enter, as Windows makes it the default meanwhile.
            push->setAutoDefault(true);
            int id = wnd.GetDlgCtrlID();
            if (onSheet && (id == ID_WIZNEXT || id == ID_WIZFINISH))
            {
                push->setDefault(true);
            }
            else if (type == BS_DEFPUSHBUTTON)
            {
                push->setDefault(true);
            }
            CWnd* sheet = onSheet ? wnd.GetParent() : nullptr;
            QObject::connect(push, &QPushButton::clicked, [this, target, sheet, id]() {
                if (sheet != nullptr)
                {
                    static_cast<CPropertySheet*>(sheet)->PressButton(id);
                }
                else
                {
                    static_cast<CButton*>(target)->UserClick();
                }
                AfterUserAction(target);
            });
            widget = push;
        }
        break;
    }
    case WindowKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setFrame((style & WS_BORDER) != 0);
        if ((style & ES_READONLY) != 0)
        {
            edit->setReadOnly(true);
        }
        if ((style & ES_NUMBER) != 0)
        {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        QObject::connect(edit, &QLineEdit::textEdited, [this, target](const QString& text) {
            static_cast<CEdit*>(target)->UserType(qthost::FromQt(text));
            AfterUserAction(target);
        });
        widget = edit;
        break;
    }
    case WindowKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        QObject::connect(combo, &QComboBox::activated, [this, target](int index) {
            static_cast<CComboBox*>(target)->UserSelect(index);
            AfterUserAction(target);
        });
        widget = combo;
        break;
    }
    case WindowKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        if ((style & WS_BORDER) == 0)
        {
            list->setFrameShape(QFrame::NoFrame);
        }
        // Selections, not the current row: a list that gets the focus makes its first row
        // current without selecting it.
        QObject::connect(list, &QListWidget::itemSelectionChanged, [this, target, list]() {
            QList<QListWidgetItem*> selected = list->selectedItems();
            if (selected.size() == 1)
            {
                static_cast<CListBox*>(target)->UserSelect(list->row(selected.front()));
            }
            AfterUserAction(target);
        });
        widget = list;
        break;
    }
    case WindowKind::ListView: {
        auto* view = new QTreeWidget(parent);
        view->setRootIsDecorated(false);
        view->setUniformRowHeights(true);
        view->setItemsExpandable(false);
        view->setAllColumnsShowFocus(true);
        view->setSortingEnabled(false);
        view->header()->setStretchLastSection(false);
        view->header()->setSectionsMovable(false);
        view->setSelectionMode((style & LVS_SINGLESEL) != 0 ? QAbstractItemView::SingleSelection
                                                            : QAbstractItemView::ExtendedSelection);
        if ((style & WS_BORDER) == 0)
        {
            view->setFrameShape(QFrame::NoFrame);
        }
        QObject::connect(view, &QTreeWidget::itemSelectionChanged, [this, target, view]() {
            QList<QTreeWidgetItem*> selected = view->selectedItems();
            if (selected.size() == 1)
            {
                static_cast<CListCtrl*>(target)->UserSelectRow(
                    view->indexOfTopLevelItem(selected.front()));
            }
            AfterUserAction(target);
        });
        widget = view;
        break;
    }
    case WindowKind::None:
        return;
    }

    if (kind != WindowKind::Sheet && kind != WindowKind::Page && kind != WindowKind::Static)
    {
        bool groupBox = kind == WindowKind::Button && ButtonType(wnd) == BS_GROUPBOX;
        if (!groupBox)
        {
            widget->setFocusPolicy((style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
    if (onPage && kind != WindowKind::Static)
    {
        bool radio = kind == WindowKind::Button && IsRadio(ButtonType(wnd));
        if (!radio)
        {
            page->openRadioGroup = nullptr;
        }
        if (TakesFocus(wnd))
        {
            // A static's mnemonic moves the focus to the next control in tab order.
            std::vector<QLabel*> labels;
            labels.swap(page->pendingBuddies);
            for (QLabel* label : labels)
            {
                label->setBuddy(widget);
                for (auto& [other, candidate] : mirrors)
                {
                    if (candidate.widget == label)
                    {
                        Sync(candidate, WindowChange::Text);
                    }
                }
            }
        }
    }

    mirror.widget = widget;
    Mirror& stored = mirrors[&wnd] = mirror;
    if (onPage && kind == WindowKind::ComboBox)
    {
        // The template's height is the height of the opened list.
        QRect rect = PixelRect(wnd);
        int field = std::min(rect.height(), 12 * units.y / 8);
        int itemHeight = std::max(1, QFontMetrics(font).height());
        static_cast<QComboBox*>(widget)->setMaxVisibleItems(
            std::max(1, (rect.height() - field) / itemHeight));
        widget->setGeometry(rect.x(), rect.y(), rect.width(), field);
    }
    else if (onPage)
    {
        widget->setGeometry(PixelRect(wnd));
    }
    SyncAll(stored);
    if (kind == WindowKind::Sheet)
    {
        LayoutSheet(stored);
    }
    else if (Mirror* parentMirror = Find(wnd.GetParent());
             parentMirror != nullptr && parentMirror->wnd->GetKind() == WindowKind::Sheet)
    {
        LayoutSheet(*parentMirror);
    }
}

void QtHost::Impl::LayoutSheet(Mirror& sheet)
{
    QRect area = PixelRect(*sheet.wnd);
    int mx = MarginX();
    int my = MarginY();
    int pageBottom = -1;
    int buttonsTop = area.height();
    int buttonsRight = 0;
    std::vector<Mirror*> buttons;
    for (CWnd* child : sheet.wnd->GetChildren())
    {
        Mirror* mirror = Find(child);
        if (mirror == nullptr || mirror->widget == nullptr)
        {
            continue;
        }
        QRect rect = PixelRect(*child);
        if (child->GetKind() == WindowKind::Page)
        {
            mirror->widget->setGeometry(rect.translated(mx, my));
            pageBottom = std::max(pageBottom, rect.bottom() + 1);
        }
        else
        {
            buttons.push_back(mirror);
            buttonsTop = std::min(buttonsTop, rect.top());
            buttonsRight = std::max(buttonsRight, rect.right() + 1);
        }
    }
    // The row of buttons ends where the page area ends.
    int shift = std::max(0, area.width() - buttonsRight);
    for (Mirror* button : buttons)
    {
        button->widget->setGeometry(PixelRect(*button->wnd).translated(mx + shift, my));
    }
    if (pageBottom < 0)
    {
        pageBottom = buttonsTop - MarginY();
    }
    int lineY = my + (pageBottom + buttonsTop) / 2 - 1;
    sheet.separator->setGeometry(mx, lineY, area.width(), 2);
    sheet.widget->setFixedSize(2 * mx + area.width(), my + area.height());
}

void QtHost::Impl::PageShown(Mirror& page)
{
    CWnd* sheet = page.wnd->GetParent();
    std::vector<QWidget*> chain;
    QWidget* first = nullptr;
    for (CWnd* child : page.wnd->GetChildren())
    {
        Mirror* mirror = Find(child);
        if (mirror == nullptr || mirror->widget == nullptr || !TakesFocus(*child))
        {
            continue;
        }
        chain.push_back(mirror->widget);
        if (first == nullptr && (child->GetStyle() & WS_TABSTOP) != 0 && child->IsUserReachable())
        {
            first = mirror->widget;
        }
    }
    QWidget* defaultButton = nullptr;
    if (sheet != nullptr)
    {
        for (CWnd* child : sheet->GetChildren())
        {
            Mirror* mirror = Find(child);
            if (mirror != nullptr && mirror->widget != nullptr &&
                child->GetKind() == WindowKind::Button)
            {
                chain.push_back(mirror->widget);
                int id = child->GetDlgCtrlID();
                if ((id == ID_WIZNEXT || id == ID_WIZFINISH) && child->IsUserReachable())
                {
                    defaultButton = mirror->widget;
                }
            }
        }
    }
    for (size_t i = 1; i < chain.size(); ++i)
    {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    CWnd* focus = CWnd::GetFocus();
    Mirror* focused = focus != nullptr ? Find(focus) : nullptr;
    if (focused != nullptr && focus->GetParent() == page.wnd && focus->IsUserReachable())
    {
        focused->widget->setFocus(Qt::OtherFocusReason);
    }
    else if (first != nullptr)
    {
        first->setFocus(Qt::TabFocusReason);
    }
    else if (defaultButton != nullptr)
    {
        defaultButton->setFocus(Qt::OtherFocusReason);
    }
}

void QtHost::Impl::SyncAll(Mirror& mirror)
{
    for (WindowChange what :
         {WindowChange::Text, WindowChange::Enabled, WindowChange::Items, WindowChange::Check,
          WindowChange::Limit, WindowChange::Icon, WindowChange::Visible})
    {
        Sync(mirror, what);
    }
}

void QtHost::Impl::Sync(Mirror& mirror, WindowChange what)
{
    QWidget* widget = mirror.widget.data();
    if (widget == nullptr)
    {
        return;
    }
    CWnd& wnd = *mirror.wnd;
    WindowKind kind = wnd.GetKind();
    QSignalBlocker blocker(widget);

    switch (what)
    {
    case WindowChange::Text: {
        std::string text = wnd.GetWindowText();
        if (kind == WindowKind::Sheet)
        {
            widget->setWindowTitle(qthost::ToQt(text));
        }
        else if (auto* label = qobject_cast<QLabel*>(widget))
        {
            if (!IsPictureStatic(wnd))
            {
                QString shown = qthost::ToQtMultiline(text);
                label->setText(label->buddy() != nullptr ? shown : qthost::WithoutMnemonic(shown));
            }
        }
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
        {
            box->setTitle(qthost::WithoutMnemonic(qthost::ToQt(text)));
        }
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        {
            button->setText(qthost::ToQt(text));
        }
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        {
            QString shown = qthost::ToQt(text);
            edit->setMaxLength(EditMaximum(static_cast<CEdit&>(wnd), shown));
            if (edit->text() != shown)
            {
                edit->setText(shown);
            }
        }
        break;
    }
    case WindowChange::Enabled:
        widget->setEnabled(wnd.IsWindowEnabled() != FALSE);
        break;
    case WindowChange::Visible: {
        bool visible = (wnd.GetStyle() & WS_VISIBLE) != 0;
        if (kind == WindowKind::Sheet)
        {
            if (visible && !widget->isVisible())
            {
                widget->show();
                if (QGuiApplication::platformName() != QLatin1String("offscreen"))
                {
                    widget->raise();
                }
                widget->activateWindow();
            }
            else if (!visible)
            {
                widget->hide();
            }
        }
        else
        {
            bool wasHidden = widget->isHidden();
            widget->setVisible(visible);
            if (kind == WindowKind::Page && visible && wasHidden)
            {
                PageShown(mirror);
            }
        }
        break;
    }
    case WindowChange::Focus:
        if (CWnd::GetFocus() == &wnd)
        {
            widget->setFocus(Qt::OtherFocusReason);
        }
        break;
    case WindowChange::Items:
        if (auto* combo = qobject_cast<QComboBox*>(widget))
        {
            auto& list = static_cast<CComboBox&>(wnd);
            combo->clear();
            for (int i = 0; i < list.GetCount(); ++i)
            {
                combo->addItem(qthost::ToQt(list.GetItemText(i)));
            }
        }
        else if (auto* listWidget = qobject_cast<QListWidget*>(widget))
        {
            auto& list = static_cast<CListBox&>(wnd);
            listWidget->clear();
            for (int i = 0; i < list.GetCount(); ++i)
            {
                listWidget->addItem(qthost::ToQt(list.GetItemText(i)));
            }
        }
        else if (auto* view = qobject_cast<QTreeWidget*>(widget))
        {
            auto& list = static_cast<CListCtrl&>(wnd);
            int columns = list.GetColumnCount();
            view->clear();
            view->setColumnCount(std::max(1, columns));
            view->setHeaderHidden(columns == 0);
            auto* header = new QTreeWidgetItem;
            for (int c = 0; c < columns; ++c)
            {
                header->setText(c, qthost::ToQt(list.GetColumnHeading(c)));
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
                    row->setText(c, qthost::ToQt(list.GetItemText(r, c)));
                    row->setTextAlignment(c, ColumnAlignment(list.GetColumnFormat(c)));
                }
                view->addTopLevelItem(row);
            }
        }
        Sync(mirror, WindowChange::Selection);
        break;
    case WindowChange::Selection:
        if (auto* combo = qobject_cast<QComboBox*>(widget))
        {
            combo->setCurrentIndex(static_cast<CComboBox&>(wnd).GetCurSel());
        }
        else if (auto* listWidget = qobject_cast<QListWidget*>(widget))
        {
            int sel = static_cast<CListBox&>(wnd).GetCurSel();
            if (sel >= 0)
            {
                listWidget->setCurrentRow(sel);
            }
            else
            {
                listWidget->clearSelection();
                listWidget->setCurrentRow(-1);
            }
        }
        else if (auto* view = qobject_cast<QTreeWidget*>(widget))
        {
            auto& list = static_cast<CListCtrl&>(wnd);
            QSignalBlocker selectionBlocker(view->selectionModel());
            for (int r = 0; r < view->topLevelItemCount(); ++r)
            {
                QTreeWidgetItem* row = view->topLevelItem(r);
                if (list.GetItemState(r, LVIS_FOCUSED) != 0)
                {
                    view->selectionModel()->setCurrentIndex(view->indexFromItem(row),
                                                            QItemSelectionModel::NoUpdate);
                }
            }
            for (int r = 0; r < view->topLevelItemCount(); ++r)
            {
                view->topLevelItem(r)->setSelected(list.GetItemState(r, LVIS_SELECTED) != 0);
            }
            view->viewport()->update();
        }
        break;
    case WindowChange::Check:
        if (auto* check = qobject_cast<QCheckBox*>(widget))
        {
            int state = static_cast<CButton&>(wnd).GetCheck();
            check->setTristate(state == BST_INDETERMINATE);
            check->setCheckState(state == BST_CHECKED         ? Qt::Checked
                                 : state == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                              : Qt::Unchecked);
        }
        else if (auto* radio = qobject_cast<QRadioButton*>(widget))
        {
            bool checked = static_cast<CButton&>(wnd).GetCheck() == BST_CHECKED;
            if (radio->isChecked() != checked)
            {
                // An exclusive group refuses to lose its checked button; the framework may
                // leave a group without one.
                bool exclusive = mirror.radioGroup != nullptr && mirror.radioGroup->exclusive();
                if (exclusive && !checked)
                {
                    mirror.radioGroup->setExclusive(false);
                }
                radio->setChecked(checked);
                if (exclusive && !checked)
                {
                    mirror.radioGroup->setExclusive(true);
                }
            }
        }
        break;
    case WindowChange::Limit:
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
        {
            edit->setMaxLength(EditMaximum(static_cast<CEdit&>(wnd), edit->text()));
        }
        break;
    case WindowChange::Icon:
        if (kind == WindowKind::Sheet)
        {
            const ImageResource* big = AfxIconImage(wnd.GetIcon(TRUE));
            const ImageResource* small = AfxIconImage(wnd.GetIcon(FALSE));
            QIcon icon;
            AddIconSizes(icon, small != nullptr ? small : big, {16, 24});
            AddIconSizes(icon, big != nullptr ? big : small, {32, 48, 64});
            widget->setWindowIcon(icon);
            QApplication::setWindowIcon(icon);
        }
        break;
    }
}
