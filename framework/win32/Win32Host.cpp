#include "framework/win32/HostImpl.h"

#include "framework/PropertySheet.h"

// GDI+ takes COM's types, which the lean <windows.h> leaves out.
#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace
{
constexpr char kMessagesClass[] = "QuoranHostMessages";
constexpr wchar_t kDialogFontFace[] = L"MS Shell Dlg 2";
constexpr WORD kDialogFontPoints = 8;

LRESULT CALLBACK MessagesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* impl = reinterpret_cast<Win32Host::Impl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (impl == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message)
    {
    case WM_TIMER:
        if (wParam == win32host::kStepTimer)
        {
            impl->Step();
        }
        else if (auto timer = impl->timers.find(wParam); timer != impl->timers.end())
        {
            impl->ticks.Tick(*timer->second.first, timer->second.second);
        }
        return 0;
    case win32host::kRunHeldTicks:
        impl->ticks.RunHeld();
        return 0;
    case win32host::kDestroyWindow:
        if (IsWindow(reinterpret_cast<HWND>(wParam)))
            DestroyWindow(reinterpret_cast<HWND>(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

INT_PTR CALLBACK MeasuringProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

bool IsInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}
} // namespace

namespace win32host
{
std::vector<WORD> EmptyDialogTemplate(DWORD style, DWORD exStyle)
{
    // DLGTEMPLATE, then the menu, class and title (none of each), then the font: its size in
    // points and its face.
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* head = reinterpret_cast<DLGTEMPLATE*>(words.data());
    head->style = style | DS_SETFONT;
    head->dwExtendedStyle = exStyle;
    words.insert(words.end(), {0, 0, 0, kDialogFontPoints});
    for (const wchar_t* c = kDialogFontFace; *c != L'\0'; ++c)
        words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

void AfterUserActionOn(Win32Host::Impl& host, const CWnd& wnd)
{
    host.AfterUserAction(&wnd);
}
} // namespace win32host

// ---- Win32Host::Impl

Win32Host::Impl::Impl(Win32Host& host, HINSTANCE module)
    : owner(host), instance(module), nextTimerKey(win32host::kStepTimer + 1)
{
    Gdiplus::GdiplusStartupInput startup;
    Gdiplus::GdiplusStartup(&gdiplusToken, &startup, nullptr);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MessagesProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kMessagesClass;
    RegisterClassA(&windowClass);
    messages = CreateWindowExA(0, kMessagesClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               instance, nullptr);
    SetWindowLongPtrA(messages, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    MeasureDialogFont(GetDpiForSystem());
}

Win32Host::Impl::~Impl()
{
    for (auto& [key, timer] : timers)
        ::KillTimer(messages, key);
    DestroyWindow(messages);
    if (font != nullptr)
        DeleteObject(font);
    Gdiplus::GdiplusShutdown(gdiplusToken);
}

void Win32Host::Impl::MeasureDialogFont(UINT newDpi)
{
    // A dialog made from a template in the dialog font measures it as the dialog manager does;
    // its font is scaled from the system's DPI to `newDpi`.
    std::vector<WORD> dialogTemplate = win32host::EmptyDialogTemplate(WS_POPUP, 0);
    HWND measuring = CreateDialogIndirectParamA(
        instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), nullptr, MeasuringProc,
        0);
    if (measuring == nullptr)
        return;
    RECT rect{0, 0, 4, 8};
    MapDialogRect(measuring, &rect);
    LOGFONTA measured{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(measuring, WM_GETFONT, 0, 0)), sizeof measured,
               &measured);
    DestroyWindow(measuring);
    const UINT systemDpi = GetDpiForSystem();
    units = {MulDiv(rect.right, newDpi, systemDpi), MulDiv(rect.bottom, newDpi, systemDpi)};
    measured.lfHeight = MulDiv(measured.lfHeight, newDpi, systemDpi);
    logFont = measured;
    dpi = newDpi;
    if (font != nullptr)
        DeleteObject(font);
    font = CreateFontIndirectA(&logFont);
}

win32host::Control* Win32Host::Impl::Find(const CWnd* wnd) const
{
    auto it = controls.find(wnd);
    return it != controls.end() ? it->second.get() : nullptr;
}

win32host::Control* Win32Host::Impl::FindHandle(HWND handle) const
{
    auto it = byHandle.find(handle);
    return it != byHandle.end() ? it->second : nullptr;
}

void Win32Host::Impl::Create(CWnd& wnd)
{
    win32host::Control* parentControl = Find(wnd.GetParent());
    HWND parent = parentControl != nullptr ? parentControl->Handle() : nullptr;
    const bool isSheet = wnd.GetKind() == WindowKind::Sheet;
    if (!isSheet && parent == nullptr)
    {
        // Only sheets are top-level windows here; a window outside any shown sheet stays unseen.
        return;
    }
    std::unique_ptr<win32host::Control> made = win32host::MakeControl(*this, wnd);
    if (made == nullptr)
        return;
    win32host::Control& control = *(controls[&wnd] = std::move(made));
    control.Create(parent);
    if (control.Handle() == nullptr)
    {
        controls.erase(&wnd);
        return;
    }
    byHandle[control.Handle()] = &control;
    if (isSheet)
        sheets.push_back(&wnd);
    control.SyncAll();
}

void Win32Host::Impl::DestroyLater(HWND handle)
{
    ShowWindow(handle, SW_HIDE);
    PostMessageA(messages, win32host::kDestroyWindow, reinterpret_cast<WPARAM>(handle), 0);
}

void Win32Host::Impl::AfterUserAction(const CWnd* wnd)
{
    // The action may have destroyed the window; only a window still mirrored is shown again.
    if (win32host::Control* control = Find(wnd))
        control->AfterUserAction();
    AfxPumpMessages();
}

bool Win32Host::Impl::RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message)
    {
    case WM_COMMAND:
        if (win32host::Control* control = FindHandle(reinterpret_cast<HWND>(lParam)))
        {
            if (syncing == 0 && !ticks.Busy())
                control->OnCommand(HIWORD(wParam));
            return true;
        }
        return false;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        win32host::Control* control = header != nullptr ? FindHandle(header->hwndFrom) : nullptr;
        if (control == nullptr)
            return false;
        if (syncing == 0 && !ticks.Busy())
            return control->OnNotify(*header, result);
        return true;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        win32host::Control* control = item != nullptr ? FindHandle(item->hwndItem) : nullptr;
        if (control == nullptr)
            return false;
        control->OnDrawItem(*item);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

HWND Win32Host::Impl::SheetWindow() const
{
    const CWnd* sheet = !modalLoops.empty() ? modalLoops.back()->sheet
                        : !sheets.empty()   ? sheets.back()
                                            : nullptr;
    win32host::Control* control = Find(sheet);
    return control != nullptr ? control->Handle() : nullptr;
}

void Win32Host::Impl::Dispatch(MSG& message)
{
    HWND sheet = SheetWindow();
    if (sheet != nullptr && IsDialogMessageA(sheet, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Win32Host::Impl::Step()
{
    ::KillTimer(messages, win32host::kStepTimer);
    if (modalLoops.empty() || ticks.Busy())
        return;
    CPropertySheet& sheet = *modalLoops.back()->sheet;
    Driver* driver = owner.GetDriver();
    if (driver == nullptr || !sheet.IsOpen())
        return;
    const bool more = driver->Step(sheet);
    AfxPumpMessages();
    if (!sheet.IsOpen())
        return;
    if (more)
        ::SetTimer(messages, win32host::kStepTimer, USER_TIMER_MINIMUM, nullptr);
    else
        sheet.EndDialog(IDCANCEL);
}

// ---- Win32Host

Win32Host::Win32Host(HINSTANCE instance) : m_impl(std::make_unique<Impl>(*this, instance)) {}

Win32Host::~Win32Host()
{
    if (AfxGetHost() == this)
        AfxSetHost(nullptr);
    // Windows of the framework that still exist go without telling it; the controls first, so
    // that nothing of theirs runs while the windows go.
    std::vector<HWND> sheets;
    for (auto& [wnd, control] : m_impl->controls)
    {
        if (wnd->GetKind() == WindowKind::Sheet && IsWindow(control->Handle()))
            sheets.push_back(control->Handle());
    }
    m_impl->controls.clear();
    m_impl->byHandle.clear();
    for (HWND sheet : sheets)
        DestroyWindow(sheet);
    MSG message;
    while (PeekMessageA(&message, m_impl->messages, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

BaseUnits Win32Host::GetBaseUnits() const
{
    return m_impl->units;
}

void Win32Host::WindowCreated(CWnd& wnd)
{
    m_impl->Create(wnd);
}

void Win32Host::WindowDestroyed(CWnd& wnd)
{
    for (auto it = m_impl->timers.begin(); it != m_impl->timers.end();)
    {
        if (it->second.first == &wnd)
        {
            ::KillTimer(m_impl->messages, it->first);
            it = m_impl->timers.erase(it);
        }
        else
        {
            ++it;
        }
    }
    m_impl->ticks.DropWindow(&wnd);
    std::erase(m_impl->sheets, &wnd);
    auto it = m_impl->controls.find(&wnd);
    if (it == m_impl->controls.end())
        return;
    m_impl->byHandle.erase(it->second->Handle());
    m_impl->controls.erase(it);
}

void Win32Host::WindowChanged(CWnd& wnd, WindowChange what)
{
    win32host::Control* control = m_impl->Find(&wnd);
    if (control == nullptr)
        return;
    control->Sync(what);
    const CWnd* parent = wnd.GetParent();
    if (what == WindowChange::Visible && parent != nullptr &&
        parent->GetKind() == WindowKind::Sheet)
        win32host::UpdateDefaultButtonOf(*m_impl, *parent);
}

void Win32Host::RunModal(CPropertySheet& sheet)
{
    if (!sheet.IsOpen())
        return;
    Impl::ModalLoop loop{&sheet, false};
    m_impl->modalLoops.push_back(&loop);
    if (GetDriver() != nullptr)
        ::SetTimer(m_impl->messages, win32host::kStepTimer, USER_TIMER_MINIMUM, nullptr);
    MSG message;
    while (!loop.ended)
    {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0)
        {
            // WM_QUIT belongs to an outer loop; this one ends as Cancel would.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            if (sheet.IsOpen())
                sheet.EndDialog(IDCANCEL);
            break;
        }
        m_impl->Dispatch(message);
    }
    std::erase(m_impl->modalLoops, &loop);
}

void Win32Host::EndModal(CPropertySheet& sheet)
{
    for (Impl::ModalLoop* loop : m_impl->modalLoops)
    {
        if (loop->sheet == &sheet)
            loop->ended = true;
    }
    PostMessageA(m_impl->messages, WM_NULL, 0, 0);
}

void Win32Host::SetTimer(CWnd& wnd, UINT_PTR nIDEvent, UINT nElapse)
{
    UINT_PTR key = 0;
    for (const auto& [existing, timer] : m_impl->timers)
    {
        if (timer.first == &wnd && timer.second == nIDEvent)
            key = existing;
    }
    if (key == 0)
    {
        key = m_impl->nextTimerKey++;
        m_impl->timers[key] = {&wnd, nIDEvent};
    }
    // Setting a timer again starts its period afresh; a tick held back from before is void.
    m_impl->ticks.Drop(&wnd, nIDEvent);
    ::SetTimer(m_impl->messages, key, nElapse, nullptr);
}

void Win32Host::KillTimer(CWnd& wnd, UINT_PTR nIDEvent)
{
    m_impl->ticks.Drop(&wnd, nIDEvent);
    for (auto it = m_impl->timers.begin(); it != m_impl->timers.end(); ++it)
    {
        if (it->second.first == &wnd && it->second.second == nIDEvent)
        {
            ::KillTimer(m_impl->messages, it->first);
            m_impl->timers.erase(it);
            return;
        }
    }
}

int Win32Host::MessageBox(const std::string& text, const std::string& caption, UINT nType,
                          const std::string& details)
{
    HWND owner = m_impl->SheetWindow();
    if (owner != nullptr && !IsWindowVisible(owner))
        owner = nullptr;
    // MessageBoxA has no room for details of their own: they follow the text after a blank line.
    const std::string shown = details.empty() ? text : text + "\n\n" + details;
    const int answer = ::MessageBoxA(owner, shown.c_str(), caption.c_str(), nType);
    if ((nType & MB_TYPEMASK) == MB_YESNO)
        return answer == IDYES ? IDYES : IDNO;
    return IDOK;
}

void Win32Host::Wait(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    MSG message;
    for (;;)
    {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (message.message == WM_QUIT)
            {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            m_impl->Dispatch(message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

void Win32Host::RunBusy(const std::function<void()>& work)
{
    Impl& impl = *m_impl;
    impl.ticks.BeginBusy();
    HWND sheet = impl.SheetWindow();
    HWND focus = GetFocus();
    const bool disabled = sheet != nullptr && !EnableWindow(sheet, FALSE);
    HCURSOR previousCursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));

    std::atomic<bool> done{false};
    std::exception_ptr failure;
    const HWND wake = impl.messages;
    std::thread helper([&work, &failure, &done, wake]() {
        try
        {
            work();
        }
        catch (...)
        {
            failure = std::current_exception();
        }
        done.store(true);
        PostMessageA(wake, WM_NULL, 0, 0);
    });
    MSG message;
    while (!done.load())
    {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0)
        {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        // The user's input is not delivered: not now, and not to the page the call leads to.
        if (IsInput(message.message))
            continue;
        if (message.message == WM_SETCURSOR)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    helper.join();
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
           PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
    {
    }

    SetCursor(previousCursor);
    if (disabled)
        EnableWindow(sheet, TRUE);
    if (focus != nullptr && IsWindow(focus))
        SetFocus(focus);
    impl.ticks.EndBusy();
    // The held ticks come after the handler that made the call, and after the messages it
    // posts, as WM_TIMER comes after posted messages.
    PostMessageA(impl.messages, win32host::kRunHeldTicks, 0, 0);
    if (failure)
        std::rethrow_exception(failure);
}

HWND Win32Host::WindowOf(const CWnd& wnd) const
{
    win32host::Control* control = m_impl->Find(wnd.GetPrimary());
    return control != nullptr ? control->Handle() : nullptr;
}
