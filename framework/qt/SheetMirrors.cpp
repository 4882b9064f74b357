#include "framework/qt/SheetMirrors.h"

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "framework/qt/Accessibility.h"
#include "framework/qt/ButtonMirrors.h"
#include "framework/qt/QtHostImpl.h"
#include "framework/qt/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSvgRenderer>

#include <algorithm>
#include <cctype>

namespace qthost
{
namespace
{
// The sheet's top-level window: Enter, Escape and the close box go to the sheet's buttons.
class WizardWindow : public QWidget
{
public:
    WizardWindow(QtHost::Impl& host, CPropertySheet& sheet)
        : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
          m_host(host), m_sheet(sheet)
    {
        // Mnemonics reach the window's own key handling before Qt's shortcuts see them.
        qApp->installEventFilter(this);
    }

protected:
    // Alt and a letter presses the sheet button it marks, when one shows, before any of the
    // page's controls: a page whose label marks the same letter would otherwise take turns
    // with the button and the wizard would never move on.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool shortcut = event->type() == QEvent::ShortcutOverride;
        if (!shortcut && event->type() != QEvent::KeyPress)
        {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        SheetMirror* mirror = widget != nullptr && widget->window() == this ? Mine() : nullptr;
        QPushButton* button =
            mirror != nullptr
                ? mirror->ButtonMarked(static_cast<QKeyEvent*>(event)->keyCombination())
                : nullptr;
        if (button == nullptr)
        {
            return false;
        }
        if (shortcut)
        {
            // Claimed, so that the key comes as a key press, handled below.
            event->accept();
        }
        else if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
        {
            button->animateClick();
        }
        return true;
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key())
        {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (SheetMirror* mirror = Mine())
            {
                mirror->PressDefaultButton();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            if (SheetMirror* mirror = Mine())
            {
                mirror->PressCancel();
            }
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }

    void closeEvent(QCloseEvent* event) override
    {
        // The framework decides: an ended sheet hides its window itself. During a busy call
        // the framework sees nothing, so the close box does nothing then.
        event->ignore();
        SheetMirror* mirror = Mine();
        if (mirror != nullptr && !m_host.ticks.Busy())
        {
            mirror->PressCancel();
        }
    }

private:
    // The sheet's mirror while this window still shows the sheet (the window lingers a moment
    // after the sheet's destruction); nullptr afterwards.
    SheetMirror* Mine() const
    {
        auto* mirror = dynamic_cast<SheetMirror*>(m_host.Find(&m_sheet));
        return mirror != nullptr && mirror->Widget() == this ? mirror : nullptr;
    }

    QtHost::Impl& m_host;
    CPropertySheet& m_sheet;
};

void AddIconSizes(QIcon& icon, const ImageResource* image, std::initializer_list<int> sizes)
{
    if (image == nullptr || image->svg == nullptr)
    {
        return;
    }
    for (int side : sizes)
    {
        QSvgRenderer renderer(QByteArray(AfxImageSvg(*image, side)));
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(picture);
    }
}

bool CanTakeFocus(const QWidget* widget)
{
    return widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
           !widget->isHidden() && widget->isEnabled();
}
} // namespace

std::unique_ptr<Mirror> MakeSheetMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<SheetMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakePageMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<PageMirror>(host, wnd);
}

// ---- SheetMirror

SheetMirror::~SheetMirror()
{
    QObject::disconnect(m_focusWatch);
}

CPropertySheet& SheetMirror::Sheet() const
{
    return static_cast<CPropertySheet&>(m_wnd);
}

QWidget* SheetMirror::MakeWidget(QWidget*)
{
    auto* window = new WizardWindow(m_host, Sheet());
    SetAccessibleRole(window, QAccessible::Dialog);
    window->setFont(m_host.font);
    m_separator = new QFrame(window);
    m_separator->setFrameShape(QFrame::HLine);
    m_separator->setFrameShadow(QFrame::Sunken);
    m_progress = new QProgressBar(window);
    m_progress->setFormat(QStringLiteral("%v of %m"));
    m_progress->hide();
    m_focusWatch = QObject::connect(qApp, &QApplication::focusChanged, window,
                                    [this](QWidget*, QWidget* now) { ShowDefault(now); });
    m_host.sheets.push_back(&m_wnd);
    return window;
}

void SheetMirror::Show(WindowChange what)
{
    switch (what)
    {
    case WindowChange::Text:
        m_widget->setWindowTitle(ToQt(m_wnd.GetWindowText()));
        break;
    case WindowChange::Visible:
        ShowWindow();
        break;
    case WindowChange::Progress:
        ShowProgress();
        break;
    case WindowChange::Icon: {
        const ImageResource* big = AfxIconImage(m_wnd.GetIcon(TRUE));
        const ImageResource* small = AfxIconImage(m_wnd.GetIcon(FALSE));
        QIcon icon;
        AddIconSizes(icon, small != nullptr ? small : big, {16, 24});
        AddIconSizes(icon, big != nullptr ? big : small, {32, 48, 64});
        m_widget->setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
        break;
    }
    default:
        Mirror::Show(what);
    }
}

void SheetMirror::ShowWindow()
{
    bool visible = (m_wnd.GetStyle() & WS_VISIBLE) != 0;
    if (!visible)
    {
        m_widget->hide();
        return;
    }
    if (m_widget->isVisible())
    {
        return;
    }
    m_widget->show();
    // Qt draws the focus only once the keyboard has moved it (showing the window forgets that
    // it has); a Windows user expects to see it from the start, also after a click.
    m_widget->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
    {
        m_widget->raise();
    }
    m_widget->activateWindow();
    // The first page was shown while the window was still hidden.
    FocusStart(ActivePage());
}

void SheetMirror::ShowProgress()
{
    const CPropertySheet::Progress progress = Sheet().GetProgress();
    if (progress.total <= 0)
    {
        m_progress->hide();
        return;
    }
    m_progress->setRange(0, progress.total);
    m_progress->setValue(progress.done);
    m_progress->show();
}

QPushButton* SheetMirror::ButtonMarked(QKeyCombination key) const
{
    for (CWnd* child : m_wnd.GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        auto* button = mirror != nullptr ? qobject_cast<QPushButton*>(mirror->Widget()) : nullptr;
        if (button != nullptr && button->isVisible() && button->isEnabled() &&
            QKeySequence::mnemonic(button->text()) == QKeySequence(key))
        {
            return button;
        }
    }
    return nullptr;
}

PageMirror* SheetMirror::ActivePage() const
{
    return dynamic_cast<PageMirror*>(m_host.Find(Sheet().GetActivePage()));
}

void SheetMirror::Layout()
{
    QRect area = PixelRect(m_wnd);
    int mx = 7 * m_host.units.x / 4;
    int my = 7 * m_host.units.y / 8;
    int pageBottom = -1;
    int buttonsTop = area.height();
    int buttonsLeft = area.width();
    int buttonsRight = 0;
    std::vector<Mirror*> buttons;
    for (CWnd* child : m_wnd.GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        if (mirror == nullptr || mirror->Widget() == nullptr)
        {
            continue;
        }
        QRect rect = PixelRect(*child);
        if (child->GetKind() == WindowKind::Page)
        {
            mirror->Widget()->setGeometry(rect.translated(mx, my));
            pageBottom = std::max(pageBottom, rect.bottom() + 1);
        }
        else
        {
            buttons.push_back(mirror);
            buttonsTop = std::min(buttonsTop, rect.top());
            buttonsLeft = std::min(buttonsLeft, rect.left());
            buttonsRight = std::max(buttonsRight, rect.right() + 1);
        }
    }
    // The row of buttons ends where the page area ends.
    int shift = std::max(0, area.width() - buttonsRight);
    int buttonsHeight = 0;
    for (Mirror* button : buttons)
    {
        button->Widget()->setGeometry(PixelRect(button->Wnd()).translated(mx + shift, my));
        buttonsHeight = std::max(buttonsHeight, button->Widget()->height());
    }
    // The progress takes the row's free room, a button's gap away from the buttons.
    m_progress->setGeometry(mx, my + buttonsTop, std::max(0, buttonsLeft + shift - mx),
                            buttonsHeight);
    if (pageBottom < 0)
    {
        pageBottom = buttonsTop - my;
    }
    int lineY = my + (pageBottom + buttonsTop) / 2 - 1;
    m_separator->setGeometry(mx, lineY, area.width(), 2);
    m_widget->setFixedSize(2 * mx + area.width(), my + area.height());
}

void SheetMirror::PageShown(PageMirror& page)
{
    std::vector<QWidget*> chain;
    for (CWnd* child : page.Wnd().GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        if (mirror != nullptr && mirror->Widget() != nullptr && mirror->TakesFocus())
        {
            chain.push_back(mirror->Widget());
        }
    }
    for (CWnd* child : m_wnd.GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        if (mirror != nullptr && mirror->Widget() != nullptr && mirror->TakesFocus())
        {
            chain.push_back(mirror->Widget());
        }
    }
    for (size_t i = 1; i < chain.size(); ++i)
    {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    FocusStart(&page);
    if (page.StartingControl() == nullptr)
    {
        Announce(page.Widget());
    }
}

void SheetMirror::FocusStart(const PageMirror* page)
{
    QWidget* target = page != nullptr ? page->StartingControl() : nullptr;
    if (target == nullptr)
    {
        target = DefaultButton();
    }
    if (target != nullptr)
    {
        // As by Tab: an edit shows its text selected, as Windows selects it.
        target->setFocus(Qt::TabFocusReason);
    }
}

QWidget* SheetMirror::DefaultButton() const
{
    for (int id : {ID_WIZFINISH, ID_WIZNEXT})
    {
        CWnd* button = m_wnd.GetDlgItem(id);
        Mirror* mirror = button != nullptr ? m_host.Find(button) : nullptr;
        if (mirror != nullptr && CanTakeFocus(mirror->Widget()))
        {
            return mirror->Widget();
        }
    }
    return nullptr;
}

void SheetMirror::ShowDefault(QWidget* focus)
{
    if (focus == nullptr || focus->window() != m_widget)
    {
        return;
    }
    auto* focusedButton = qobject_cast<QPushButton*>(focus);
    if (focusedButton != nullptr && !focusedButton->autoDefault())
    {
        focusedButton = nullptr;
    }
    for (QPushButton* button : m_widget->findChildren<QPushButton*>())
    {
        button->setDefault(focusedButton != nullptr ? button == focusedButton
                                                    : IsDefaultByStyle(*button));
    }
}

void SheetMirror::PressDefaultButton()
{
    Act([](CWnd& wnd) {
        auto& sheet = static_cast<CPropertySheet&>(wnd);
        sheet.PressButton(sheet.GetDefaultButtonId());
    });
}

void SheetMirror::PressCancel()
{
    Act([](CWnd& wnd) { static_cast<CPropertySheet&>(wnd).PressButton(IDCANCEL); });
}

void SheetMirror::ButtonsChanged()
{
    PageMirror* page = ActivePage();
    if (!m_widget->isVisible() || page == nullptr || !page->Widget()->isVisible())
    {
        return;
    }
    QWidget* focus = m_widget->focusWidget();
    if (focus == nullptr || focus == m_widget || !CanTakeFocus(focus) || !focus->isVisible())
    {
        FocusStart(page);
    }
}

// ---- PageMirror

QWidget* PageMirror::MakeWidget(QWidget* parent)
{
    return new QWidget(parent);
}

void PageMirror::Show(WindowChange what)
{
    bool wasHidden = m_widget->isHidden();
    Mirror::Show(what);
    if (what == WindowChange::Visible && wasHidden && !m_widget->isHidden())
    {
        if (auto* sheet = dynamic_cast<SheetMirror*>(m_host.Find(m_wnd.GetParent())))
        {
            sheet->PageShown(*this);
        }
    }
}

void PageMirror::AddLabel(const CWnd& label)
{
    if (m_mainText == nullptr)
    {
        m_mainText = &label;
    }
    m_labels.push_back(&label);
}

QString PageMirror::NearestLabelText() const
{
    for (auto label = m_labels.rbegin(); label != m_labels.rend(); ++label)
    {
        // A static destroyed meanwhile has no mirror any more.
        if (m_host.Find(*label) != nullptr)
        {
            return WithoutMnemonic(ToQtMultiline((*label)->GetWindowText()));
        }
    }
    return QString();
}

void PageMirror::TextShown(const CWnd& text, const QString& shown)
{
    if (&text == m_mainText)
    {
        m_widget->setAccessibleDescription(WithoutMnemonic(shown));
    }
}

void PageMirror::GiveLabelsTo(QWidget* target)
{
    std::vector<const CWnd*> labels;
    labels.swap(m_labels);
    for (const CWnd* label : labels)
    {
        // A static destroyed meanwhile has no mirror any more.
        Mirror* mirror = m_host.Find(label);
        auto* widget = mirror != nullptr ? qobject_cast<QLabel*>(mirror->Widget()) : nullptr;
        // A screen reader takes a label with this buddy for its name: the nearest one, and one
        // whose mnemonic leads here; never a page's introduction that only happens to precede.
        const bool names = widget != nullptr && (label == labels.back() ||
                                                 !QKeySequence::mnemonic(widget->text()).isEmpty());
        if (names)
        {
            widget->setBuddy(target);
            // With a buddy the label shows its mnemonic instead of dropping the mark.
            mirror->Sync(WindowChange::Text);
        }
    }
}

QButtonGroup* PageMirror::RadioGroup(bool startsGroup)
{
    if (startsGroup || m_openGroup == nullptr)
    {
        m_openGroup = new QButtonGroup(m_widget);
        m_openGroup->setExclusive(true);
    }
    return m_openGroup;
}

QWidget* PageMirror::StartingControl() const
{
    CWnd* focus = CWnd::GetFocus();
    if (focus != nullptr && focus->GetParent() == &m_wnd)
    {
        Mirror* mirror = m_host.Find(focus);
        if (mirror != nullptr && mirror->TakesFocus() && !mirror->Widget()->isHidden() &&
            mirror->Widget()->isEnabled())
        {
            return mirror->Widget();
        }
    }
    for (CWnd* child : m_wnd.GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        if (mirror != nullptr && mirror->TakesFocus() && CanTakeFocus(mirror->Widget()))
        {
            return mirror->Widget();
        }
    }
    return nullptr;
}
} // namespace qthost
