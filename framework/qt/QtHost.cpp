#include "framework/qt/QtHostImpl.h"

#include "framework/PropertySheet.h"
#include "framework/qt/DialogFont.h"
#include "framework/qt/QtText.h"
#include "framework/qt/SheetMirrors.h"
#include "framework/qt/WizardStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <thread>

namespace
{
// Windows fires timers no more often than this (USER_TIMER_MINIMUM).
constexpr UINT kMinimumTimerElapse = 10;

QMessageBox::Icon IconOf(UINT nType)
{
    switch (nType & MB_ICONMASK)
    {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        // Every OK box the wizard shows refuses an input or reports an error.
        return (nType & MB_TYPEMASK) == MB_YESNO ? QMessageBox::Question : QMessageBox::Warning;
    }
}

// The templates of a sheet's pages, for fitting the base units to their texts.
std::vector<const DialogTemplate*> PageTemplates(const CPropertySheet& sheet)
{
    std::vector<const DialogTemplate*> templates;
    for (int i = 0; i < sheet.GetPageCount(); ++i)
    {
        if (const DialogTemplate* dialog = AfxFindDialog(sheet.GetPage(i)->GetTemplateId()))
        {
            templates.push_back(dialog);
        }
    }
    return templates;
}

// Swallows the user's input while a busy call runs: what the user does meanwhile is not
// delivered afterwards either (a click on Next must not act on the page the call leads to).
class InputSwallower : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->isInputEvent(); }
};
} // namespace

qthost::Mirror* QtHost::Impl::Find(const CWnd* wnd) const
{
    auto it = mirrors.find(wnd);
    return it != mirrors.end() ? it->second.get() : nullptr;
}

void QtHost::Impl::Create(CWnd& wnd)
{
    qthost::Mirror* parentMirror = Find(wnd.GetParent());
    QWidget* parent = parentMirror != nullptr ? parentMirror->Widget() : nullptr;
    bool isSheet = wnd.GetKind() == WindowKind::Sheet;
    if (!isSheet && parent == nullptr)
    {
        // Only sheets are top-level windows here; a window outside any shown sheet stays unseen.
        return;
    }
    std::unique_ptr<qthost::Mirror> made = qthost::MakeMirror(*this, wnd);
    if (made == nullptr)
    {
        return;
    }
    if (isSheet)
    {
        // Before any of the sheet's windows is placed.
        units = qthost::FittingBaseUnits(font, *style,
                                         PageTemplates(static_cast<CPropertySheet&>(wnd)));
    }
    qthost::Mirror& mirror = *(mirrors[&wnd] = std::move(made));
    mirror.Create(parent);
    if (auto* page = dynamic_cast<qthost::PageMirror*>(parentMirror))
    {
        mirror.JoinPage(*page);
    }
    mirror.SyncAll();
    if (auto* sheet = dynamic_cast<qthost::SheetMirror*>(&mirror))
    {
        sheet->Layout();
    }
    else if (auto* owner = dynamic_cast<qthost::SheetMirror*>(parentMirror))
    {
        owner->Layout();
    }
}

void QtHost::Impl::AfterUserAction(const CWnd* wnd)
{
    // The action may have destroyed the window; only a window still mirrored is shown again.
    if (qthost::Mirror* mirror = Find(wnd))
    {
        mirror->AfterUserAction();
    }
    AfxPumpMessages();
}

QtHost::QtHost() : QtHost(QApplication::font()) {}

QtHost::QtHost(const QFont& dialogFont) : m_impl(std::make_unique<Impl>())
{
    m_impl->font = dialogFont;
    m_impl->units = qthost::FontBaseUnits(dialogFont);
    m_impl->style = std::make_unique<qthost::WizardStyle>();
}

QtHost::~QtHost()
{
    if (AfxGetHost() == this)
    {
        AfxSetHost(nullptr);
    }
    for (auto& [key, timer] : m_impl->timers)
    {
        delete timer;
    }
    // Top-level widgets take their children with them; the mirrors go first, so that nothing
    // of theirs runs while the widgets go.
    std::vector<QWidget*> windows;
    for (auto& [wnd, mirror] : m_impl->mirrors)
    {
        QWidget* widget = mirror->Widget();
        if (widget == nullptr)
        {
            continue;
        }
        // Blocked, not disconnected: Qt's accessibility cache must still hear of its deletion.
        widget->blockSignals(true);
        if (widget->isWindow())
        {
            windows.push_back(widget);
        }
    }
    m_impl->mirrors.clear();
    for (QWidget* window : windows)
    {
        delete window;
    }
    // Windows destroyed earlier were handed to Qt for deletion; finish that now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BaseUnits QtHost::GetBaseUnits() const
{
    return m_impl->units;
}

void QtHost::WindowCreated(CWnd& wnd)
{
    m_impl->Create(wnd);
}

void QtHost::WindowDestroyed(CWnd& wnd)
{
    for (auto it = m_impl->timers.begin(); it != m_impl->timers.end();)
    {
        if (it->first.first == &wnd)
        {
            it->second->stop();
            it->second->deleteLater();
            it = m_impl->timers.erase(it);
        }
        else
        {
            ++it;
        }
    }
    m_impl->ticks.DropWindow(&wnd);
    std::erase(m_impl->sheets, &wnd);
    auto it = m_impl->mirrors.find(&wnd);
    if (it == m_impl->mirrors.end())
    {
        return;
    }
    if (QWidget* widget = it->second->Widget())
    {
        // The window may go while its widget is still delivering the user's action (a click
        // that ends the sheet), so Qt deletes the widget once that is over. Its signals are
        // blocked, not disconnected: Qt's accessibility cache must still hear of its deletion.
        widget->blockSignals(true);
        widget->hide();
        widget->deleteLater();
    }
    m_impl->mirrors.erase(it);
}

void QtHost::WindowChanged(CWnd& wnd, WindowChange what)
{
    if (qthost::Mirror* mirror = m_impl->Find(&wnd))
    {
        mirror->Sync(what);
    }
}

void QtHost::RunModal(CPropertySheet& sheet)
{
    if (!sheet.IsOpen())
    {
        return;
    }
    QEventLoop loop;
    m_impl->modalLoops.emplace_back(&sheet, &loop);
    // A driver takes one step per pass of the event loop, so that the window is drawn and
    // timers fire between steps.
    QTimer stepper;
    stepper.setSingleShot(true);
    stepper.setInterval(0);
    QObject::connect(&stepper, &QTimer::timeout, [this, &sheet, &stepper]() {
        Driver* driver = GetDriver();
        if (driver == nullptr || !sheet.IsOpen())
        {
            return;
        }
        bool more = driver->Step(sheet);
        AfxPumpMessages();
        if (!sheet.IsOpen())
        {
            return;
        }
        if (more)
        {
            stepper.start();
        }
        else
        {
            sheet.EndDialog(IDCANCEL);
        }
    });
    if (GetDriver() != nullptr)
    {
        stepper.start();
    }
    loop.exec();
    std::erase_if(m_impl->modalLoops, [&loop](const auto& entry) { return entry.second == &loop; });
}

void QtHost::EndModal(CPropertySheet& sheet)
{
    for (auto& [running, loop] : m_impl->modalLoops)
    {
        if (running == &sheet)
        {
            loop->quit();
        }
    }
}

void QtHost::SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse)
{
    QTimer*& timer = m_impl->timers[{&wnd, nIDEvent}];
    if (timer == nullptr)
    {
        timer = new QTimer;
        timer->setTimerType(Qt::PreciseTimer);
        Impl* impl = m_impl.get();
        CWnd* target = &wnd;
        QObject::connect(timer, &QTimer::timeout,
                         [impl, target, nIDEvent]() { impl->ticks.Tick(*target, nIDEvent); });
    }
    // Setting a timer again starts its period afresh; a tick held back from before is void.
    m_impl->ticks.Drop(&wnd, nIDEvent);
    timer->start(static_cast<int>(std::max(nElapse, kMinimumTimerElapse)));
}

void QtHost::KillTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
    m_impl->ticks.Drop(&wnd, nIDEvent);
    auto it = m_impl->timers.find({&wnd, nIDEvent});
    if (it == m_impl->timers.end())
    {
        return;
    }
    // The timer may be the one whose tick is running now.
    it->second->stop();
    it->second->deleteLater();
    m_impl->timers.erase(it);
}

int QtHost::MessageBox(const std::string& text, const std::string& caption, UINT nType,
                       const std::string& details)
{
    bool yesNo = (nType & MB_TYPEMASK) == MB_YESNO;
    QWidget* parent = SheetWindow();
    if (parent != nullptr && !parent->isVisible())
    {
        parent = nullptr;
    }
    QMessageBox box(IconOf(nType), qthost::ToQt(caption), qthost::ToQtMultiline(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (!details.empty())
    {
        box.setDetailedText(qthost::ToQtMultiline(details));
    }
    const bool secondIsDefault = (nType & MB_DEFMASK) == MB_DEFBUTTON2;
    box.setDefaultButton(!yesNo            ? QMessageBox::Ok
                         : secondIsDefault ? QMessageBox::No
                                           : QMessageBox::Yes);
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    if (m_impl->answerer)
    {
        if (std::optional<int> answer = m_impl->answerer(text, caption, nType))
        {
            QMessageBox::StandardButton which = *answer == IDYES  ? QMessageBox::Yes
                                                : *answer == IDNO ? QMessageBox::No
                                                : *answer == IDOK ? QMessageBox::Ok
                                                                  : QMessageBox::NoButton;
            if (QAbstractButton* button = box.button(which))
            {
                QTimer::singleShot(0, button, [button]() { button->click(); });
            }
        }
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (yesNo)
    {
        return clicked == box.button(QMessageBox::Yes) ? IDYES : IDNO;
    }
    return IDOK;
}

void QtHost::Wait(DWORD ms)
{
    if (ms == 0)
    {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtHost::RunBusy(const std::function<void()>& work)
{
    Impl& impl = *m_impl;
    impl.ticks.BeginBusy();
    InputSwallower swallower;
    qApp->installEventFilter(&swallower);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    QEventLoop loop;
    std::exception_ptr failure;
    std::thread helper([&work, &failure, &loop]() {
        try
        {
            work();
        }
        catch (...)
        {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    helper.join();
    // The input that arrived meanwhile goes to the swallower now, not to the page afterwards.
    QCoreApplication::processEvents();

    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(&swallower);
    impl.ticks.EndBusy();
    // The held ticks come after the handler that made the call, and after the messages it
    // posts, as WM_TIMER comes after posted messages on Windows.
    QTimer::singleShot(0, &impl.context, [&impl]() { impl.ticks.RunHeld(); });
    if (failure)
    {
        std::rethrow_exception(failure);
    }
}

bool QtHost::Screenshot(const std::string& file)
{
    QWidget* window = SheetWindow();
    if (window == nullptr)
    {
        return false;
    }
    // Pending paints and layouts, nothing that could run the wizard's code.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::Polish);
    QPixmap picture = window->grab();
    return !picture.isNull() && picture.save(QString::fromStdString(file), "PNG");
}

void QtHost::SetMessageBoxAnswerer(MessageBoxAnswerer answerer)
{
    m_impl->answerer = std::move(answerer);
}

QWidget* QtHost::WidgetOf(const CWnd& wnd) const
{
    qthost::Mirror* mirror = m_impl->Find(wnd.GetPrimary());
    return mirror != nullptr ? mirror->Widget() : nullptr;
}

QWidget* QtHost::SheetWindow() const
{
    return m_impl->sheets.empty() ? nullptr : WidgetOf(*m_impl->sheets.back());
}

const QFont& QtHost::DialogFont() const
{
    return m_impl->font;
}
