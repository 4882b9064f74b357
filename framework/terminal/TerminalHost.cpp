#include "framework/terminal/TerminalHostImpl.h"

#include "framework/MessageBox.h"
#include "framework/PropertySheet.h"
#include "framework/terminal/SheetMirrors.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace
{
// Windows fires timers no more often than this (USER_TIMER_MINIMUM).
constexpr UINT kMinimumTimerElapse = 10;
// How long the toolkit's loop waits for input before a pass of its own: the finest step of the
// framework's timers (the toolkit otherwise sleeps until a key arrives).
constexpr uint64_t kInputWaitMicroseconds = 5000;
// Room a message box keeps beside its text: frame, margins and the terminal's edge.
constexpr int kMessageBoxMargin = 8;

// The toolkit's message box starts with its first button focused and keeps its buttons to
// itself; Enter presses the focused one, so the second becomes the default by taking the focus
// before the box shows.
void FocusSecondButton(finalcut::FMessageBox& box)
{
    int buttons = 0;
    for (finalcut::FObject* child : box.getChildren())
    {
        auto* button = dynamic_cast<finalcut::FButton*>(child);
        if (button != nullptr && ++buttons == 2)
        {
            button->setFocus();
            return;
        }
    }
}

// The toolkit blocks the input of every window that is not modal while a modal dialog counts;
// a busy call counts as one.
class InputBlock : public finalcut::FWidget
{
public:
    static void Hold(bool on) { setModalDialogCounter() += on ? 1 : -1; }
};

void AppendUtf8(std::string& out, wchar_t ch)
{
    auto code = static_cast<uint32_t>(ch);
    if (code < 0x80)
    {
        out += static_cast<char>(code);
    }
    else if (code < 0x800)
    {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    else if (code < 0x10000)
    {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A message box's text with its long lines wrapped to the terminal.
std::string FittedText(const std::string& text, int columns)
{
    std::string fitted;
    for (const std::string& line :
         termhost::WrapText(text, std::max(20, columns - kMessageBoxMargin)))
    {
        fitted += (fitted.empty() ? "" : "\n") + line;
    }
    return fitted;
}
} // namespace

// ---- TerminalSession

TerminalSession::TerminalSession() : m_impl(std::make_unique<Impl>())
{
    // The toolkit reads its own options from the arguments; the program's are not for it.
    static char name[] = "quoran-wizard";
    static char* arguments[] = {name, nullptr};
    static const int count = 1;
    m_impl->app = std::make_unique<TerminalApplication>(count, arguments);
    finalcut::FKeyboard::setReadBlockingTime(kInputWaitMicroseconds);
}

TerminalSession::~TerminalSession() = default;

int TerminalSession::Columns() const
{
    return static_cast<int>(m_impl->app->getDesktopWidth());
}

int TerminalSession::Rows() const
{
    return static_cast<int>(m_impl->app->getDesktopHeight());
}

std::vector<std::string> TerminalSession::ScreenLines() const
{
    std::vector<std::string> lines;
    const finalcut::FVTerm::FTermArea* screen = m_impl->app->Screen();
    if (screen == nullptr || screen->data == nullptr)
    {
        return lines;
    }
    for (int y = 0; y < screen->height; ++y)
    {
        std::string line;
        for (int x = 0; x < screen->width; ++x)
        {
            const finalcut::FChar& cell = screen->data[y * screen->width + x];
            if (cell.attr.bit.fullwidth_padding == 0)
            {
                AppendUtf8(line, cell.ch[0] == L'\0' ? L' ' : cell.ch[0]);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

// ---- TerminalHost::Impl

termhost::Mirror* TerminalHost::Impl::Find(const CWnd* wnd) const
{
    auto it = mirrors.find(wnd);
    return it != mirrors.end() ? it->second.get() : nullptr;
}

termhost::SheetMirror* TerminalHost::Impl::SheetOf(const CWnd* wnd) const
{
    for (const CWnd* up = wnd; up != nullptr; up = up->GetParent())
    {
        if (up->GetKind() == WindowKind::Sheet)
        {
            return dynamic_cast<termhost::SheetMirror*>(Find(up));
        }
    }
    return nullptr;
}

void TerminalHost::Impl::Create(CWnd& wnd)
{
    termhost::Mirror* parentMirror = Find(wnd.GetParent());
    const bool isSheet = wnd.GetKind() == WindowKind::Sheet;
    if (!isSheet && parentMirror == nullptr)
    {
        // Only sheets are windows here; a window outside any shown sheet stays unseen.
        return;
    }
    std::unique_ptr<termhost::Mirror> made = termhost::MakeMirror(*this, wnd);
    if (made == nullptr)
    {
        return;
    }
    finalcut::FWidget* window = nullptr;
    if (isSheet)
    {
        // The toolkit's application holds one window: the previous sheet's goes first.
        DeleteEnded();
        window = &app;
    }
    else if (termhost::SheetMirror* sheet = SheetOf(&wnd))
    {
        window = sheet->Widget();
    }
    if (window == nullptr)
    {
        return;
    }
    auto* page = dynamic_cast<termhost::PageMirror*>(parentMirror);
    const termhost::CellPlace place = page != nullptr ? page->NextPlace() : termhost::CellPlace{};
    termhost::Mirror& mirror = *(mirrors[&wnd] = std::move(made));
    mirror.Create(window, place);
    if (page != nullptr)
    {
        mirror.JoinPage(*page);
    }
    else if (auto* sheet = dynamic_cast<termhost::SheetMirror*>(parentMirror))
    {
        sheet->PlaceButtons();
    }
    mirror.SyncAll();
}

void TerminalHost::Impl::AfterUserAction(const CWnd* wnd)
{
    // The action may have destroyed the window; only a window still mirrored is shown again.
    if (termhost::Mirror* mirror = Find(wnd))
    {
        mirror->AfterUserAction();
    }
    AfxPumpMessages();
}

void TerminalHost::Impl::Idle()
{
    FireDueTimers();
    // Held ticks run here, after the handler whose busy call held them and after the messages
    // it posted, as WM_TIMER comes after posted messages on Windows.
    ticks.RunHeld();
    if (!loops.empty() && loops.back() && loops.back()())
    {
        app.exitLoop();
    }
}

void TerminalHost::Impl::RunLoop(std::function<bool()> done)
{
    if (done())
    {
        return;
    }
    loops.push_back(std::move(done));
    app.enterLoop();
    loops.pop_back();
}

void TerminalHost::Impl::FireDueTimers()
{
    const Clock::time_point now = Clock::now();
    std::vector<std::pair<CWnd*, UINT_PTR>> due;
    for (const Timer& timer : timers)
    {
        if (timer.due <= now)
        {
            due.emplace_back(timer.wnd, timer.id);
        }
    }
    for (auto [wnd, id] : due)
    {
        // An earlier tick's handler may have killed or set the timer again.
        auto it = std::find_if(timers.begin(), timers.end(), [wnd, id](const Timer& timer) {
            return timer.wnd == wnd && timer.id == id;
        });
        if (it == timers.end() || it->due > now)
        {
            continue;
        }
        // A late tick is not made up for, as Windows coalesces timer messages.
        it->due = std::max(it->due + it->elapse, now + it->elapse / 2);
        ticks.Tick(*wnd, id);
    }
}

void TerminalHost::Impl::DeleteEnded()
{
    std::vector<finalcut::FWidget*> windows;
    windows.swap(ended);
    for (finalcut::FWidget* window : windows)
    {
        delete window;
    }
}

// ---- TerminalHost

TerminalHost::TerminalHost(TerminalSession& session)
    : m_impl(std::make_unique<Impl>(*session.GetImpl().app))
{
    m_impl->app.idle = [impl = m_impl.get()]() { impl->Idle(); };
}

TerminalHost::~TerminalHost()
{
    if (AfxGetHost() == this)
    {
        AfxSetHost(nullptr);
    }
    m_impl->app.idle = nullptr;
    for (auto& [wnd, mirror] : m_impl->mirrors)
    {
        if (wnd->GetKind() == WindowKind::Sheet && mirror->Widget() != nullptr)
        {
            m_impl->ended.push_back(mirror->Widget());
        }
    }
    m_impl->mirrors.clear();
    m_impl->DeleteEnded();
}

BaseUnits TerminalHost::GetBaseUnits() const
{
    return {termhost::kUnitsPerColumn, termhost::kUnitsPerRow};
}

void TerminalHost::WindowCreated(CWnd& wnd)
{
    m_impl->Create(wnd);
}

void TerminalHost::WindowDestroyed(CWnd& wnd)
{
    std::erase_if(m_impl->timers, [&wnd](const Impl::Timer& timer) { return timer.wnd == &wnd; });
    m_impl->ticks.DropWindow(&wnd);
    auto it = m_impl->mirrors.find(&wnd);
    if (it == m_impl->mirrors.end())
    {
        return;
    }
    if (finalcut::FWidget* widget = it->second->Widget())
    {
        // The window may go while its widget is still delivering the user's action (a key that
        // ends the sheet); the widgets go with the sheet's window, at the next safe point.
        widget->hide();
        if (wnd.GetKind() == WindowKind::Sheet)
        {
            m_impl->ended.push_back(widget);
        }
    }
    m_impl->mirrors.erase(it);
}

void TerminalHost::WindowChanged(CWnd& wnd, WindowChange what)
{
    if (termhost::Mirror* mirror = m_impl->Find(&wnd))
    {
        mirror->Sync(what);
    }
}

void TerminalHost::RunModal(CPropertySheet& sheet)
{
    m_impl->RunLoop([&sheet]() { return !sheet.IsOpen(); });
    if (sheet.IsOpen())
    {
        // The toolkit's loop ended by itself (the application was told to quit).
        sheet.EndDialog(IDCANCEL);
    }
}

void TerminalHost::EndModal(CPropertySheet&)
{
    // The loop that RunModal runs ends on its next pass, once it sees the sheet ended.
}

void TerminalHost::SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse)
{
    const auto elapse = std::chrono::duration_cast<Impl::Clock::duration>(
        std::chrono::milliseconds(std::max(nElapse, kMinimumTimerElapse)));
    const Impl::Clock::time_point due = Impl::Clock::now() + elapse;
    // Setting a timer again starts its period afresh; a tick held back from before is void.
    m_impl->ticks.Drop(&wnd, nIDEvent);
    for (Impl::Timer& timer : m_impl->timers)
    {
        if (timer.wnd == &wnd && timer.id == nIDEvent)
        {
            timer.elapse = elapse;
            timer.due = due;
            return;
        }
    }
    m_impl->timers.push_back({&wnd, nIDEvent, elapse, due});
}

void TerminalHost::KillTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
    m_impl->ticks.Drop(&wnd, nIDEvent);
    std::erase_if(m_impl->timers, [&wnd, nIDEvent](const Impl::Timer& timer) {
        return timer.wnd == &wnd && timer.id == nIDEvent;
    });
}

int TerminalHost::MessageBox(const std::string& text, const std::string& caption, UINT nType,
                             const std::string& details)
{
    const bool yesNo = (nType & MB_TYPEMASK) == MB_YESNO;
    if (m_impl->answerer)
    {
        std::optional<int> answer = m_impl->answerer(text, caption, nType);
        if (answer && AfxAnswerFits(nType, *answer))
        {
            return *answer;
        }
    }
    using Button = finalcut::FMessageBox::ButtonType;
    finalcut::FWidget* parent = finalcut::FWidget::getMainWidget();
    finalcut::FMessageBox box(caption,
                              FittedText(details.empty() ? text : text + "\n\n" + details,
                                         static_cast<int>(m_impl->app.getDesktopWidth())),
                              yesNo ? Button::Yes : Button::Ok, yesNo ? Button::No : Button::Reject,
                              Button::Reject, parent);
    if ((nType & MB_DEFMASK) == MB_DEFBUTTON2)
    {
        FocusSecondButton(box);
    }
    // The box runs a loop of the toolkit's own, which the host's conditions must not end.
    m_impl->loops.push_back(nullptr);
    const Button answer = box.exec();
    m_impl->loops.pop_back();
    if (yesNo)
    {
        return answer == Button::Yes ? IDYES : IDNO;
    }
    return IDOK;
}

void TerminalHost::Wait(DWORD ms)
{
    const Impl::Clock::time_point until = Impl::Clock::now() + std::chrono::milliseconds(ms);
    int passes = 0;
    m_impl->RunLoop([until, &passes]() { return ++passes > 1 && Impl::Clock::now() >= until; });
}

void TerminalHost::RunBusy(const std::function<void()>& work)
{
    Impl& impl = *m_impl;
    impl.ticks.BeginBusy();
    InputBlock::Hold(true);
    std::atomic<bool> done{false};
    std::exception_ptr failure;
    std::thread helper([&work, &failure, &done]() {
        try
        {
            work();
        }
        catch (...)
        {
            failure = std::current_exception();
        }
        done.store(true, std::memory_order_release);
    });
    impl.RunLoop([&done]() { return done.load(std::memory_order_acquire); });
    helper.join();
    // The input that arrived meanwhile is read and dropped now, not delivered to the page
    // afterwards.
    int passes = 0;
    impl.RunLoop([&passes]() { return ++passes > 2; });
    InputBlock::Hold(false);
    impl.ticks.EndBusy();
    if (failure)
    {
        std::rethrow_exception(failure);
    }
}

void TerminalHost::SetMessageBoxAnswerer(MessageBoxAnswerer answerer)
{
    m_impl->answerer = std::move(answerer);
}

finalcut::FWidget* TerminalHost::WidgetOf(const CWnd& wnd) const
{
    termhost::Mirror* mirror = m_impl->Find(wnd.GetPrimary());
    if (mirror == nullptr)
    {
        return nullptr;
    }
    return mirror->FocusTarget() != nullptr ? mirror->FocusTarget() : mirror->Widget();
}
