#include "framework/qt/QtHostImpl.h"

#include "framework/PropertySheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace
{
// Windows fires timers no more often than this (USER_TIMER_MINIMUM).
constexpr UINT kMinimumTimerElapse = 10;

BaseUnits DialogBaseUnits(const QFont& font)
{
    QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // GdiGetCharDimensions: the average of the 52 letters, rounded to the nearest pixel.
    return {(width / 26 + 1) / 2, metrics.height()};
}

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
        return QMessageBox::NoIcon;
    }
}
} // namespace

qthost::Mirror* QtHost::Impl::Find(const CWnd* wnd)
{
    auto it = mirrors.find(wnd);
    return it != mirrors.end() ? &it->second : nullptr;
}

QWidget* QtHost::Impl::ParentWidget(const CWnd& wnd)
{
    qthost::Mirror* parent = Find(wnd.GetParent());
    return parent != nullptr ? parent->widget.data() : nullptr;
}

void QtHost::Impl::AfterUserAction(const CWnd* wnd)
{
    // The action may have destroyed the window; only a window still mirrored is shown again.
    qthost::Mirror* mirror = Find(wnd);
    WindowKind kind = mirror != nullptr ? wnd->GetKind() : WindowKind::None;
    if (kind != WindowKind::None && kind != WindowKind::Sheet && kind != WindowKind::Page)
    {
        SyncAll(*mirror);
        if (mirror->radioGroup != nullptr && wnd->GetParent() != nullptr)
        {
            for (CWnd* sibling : wnd->GetParent()->GetChildren())
            {
                qthost::Mirror* other = Find(sibling);
                if (other != nullptr && other != mirror && other->radioGroup == mirror->radioGroup)
                {
                    SyncAll(*other);
                }
            }
        }
    }
    AfxPumpMessages();
}

void QtHost::Impl::PressDefaultButton(CPropertySheet& sheet)
{
    CWnd* finish = sheet.GetDlgItem(ID_WIZFINISH);
    bool finishShown = finish != nullptr && (finish->GetStyle() & WS_VISIBLE) != 0;
    sheet.PressButton(finishShown ? ID_WIZFINISH : ID_WIZNEXT);
    AfterUserAction(&sheet);
}

void QtHost::Impl::PressCancel(CPropertySheet& sheet)
{
    sheet.PressButton(IDCANCEL);
    AfterUserAction(&sheet);
}

namespace
{
QFont DefaultDialogFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}
} // namespace

QtHost::QtHost() : QtHost(DefaultDialogFont()) {}

QtHost::QtHost(const QFont& dialogFont) : m_impl(std::make_unique<Impl>())
{
    m_impl->host = this;
    m_impl->font = dialogFont;
    m_impl->units = DialogBaseUnits(dialogFont);
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
    // Top-level widgets take their children with them.
    for (auto& [wnd, mirror] : m_impl->mirrors)
    {
        if (mirror.widget != nullptr && mirror.widget->isWindow())
        {
            delete mirror.widget.data();
        }
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
    std::erase(m_impl->sheets, &wnd);
    auto it = m_impl->mirrors.find(&wnd);
    if (it == m_impl->mirrors.end())
    {
        return;
    }
    if (QWidget* widget = it->second.widget.data())
    {
        // The window may go while its widget is still delivering the user's action (a click
        // that ends the sheet), so Qt deletes the widget once that is over.
        widget->disconnect();
        widget->hide();
        widget->deleteLater();
    }
    m_impl->mirrors.erase(it);
}

void QtHost::WindowChanged(CWnd& wnd, WindowChange what)
{
    if (qthost::Mirror* mirror = m_impl->Find(&wnd))
    {
        m_impl->Sync(*mirror, what);
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
        CWnd* target = &wnd;
        QObject::connect(timer, &QTimer::timeout, [target, nIDEvent]() {
            AfxDispatchTimer(*target, nIDEvent);
            AfxPumpMessages();
        });
    }
    timer->start(static_cast<int>(std::max(nElapse, kMinimumTimerElapse)));
}

void QtHost::KillTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
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

int QtHost::MessageBox(const std::string& text, const std::string& caption, UINT nType)
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
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
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
    return mirror != nullptr ? mirror->widget.data() : nullptr;
}

QWidget* QtHost::SheetWindow() const
{
    return m_impl->sheets.empty() ? nullptr : WidgetOf(*m_impl->sheets.back());
}

const QFont& QtHost::DialogFont() const
{
    return m_impl->font;
}
