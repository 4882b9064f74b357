// Edits: the system's EDIT, framed in the 3D look as a dialog's edits are.
#include "framework/win32/Control.h"

#include "framework/Controls.h"
#include "framework/win32/HostImpl.h"

#include <algorithm>
#include <string>

namespace win32host
{
namespace
{
// Each change of the user's is one user edit (one EN_CHANGE). The text limit stops the user's
// typing only: the program may set a longer text, which the edit then shows whole, as Windows
// does.
class EditControl : public Control
{
public:
    using Control::Control;

    void OnCommand(UINT code) override
    {
        if (code != EN_CHANGE)
            return;
        const std::string text = Text();
        Act([&text](CWnd& wnd) { static_cast<CEdit&>(wnd).UserType(text); });
    }

protected:
    HWND MakeWindow(HWND parent) override
    {
        const DWORD style = m_wnd.GetStyle();
        const DWORD exStyle = (style & WS_BORDER) != 0 ? WS_EX_CLIENTEDGE : 0;
        return MakeChild(parent, "EDIT", (style & ~WS_BORDER) | ES_AUTOHSCROLL, exStyle);
    }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
        {
            const std::string shown = m_wnd.GetWindowText();
            if (Text() != shown)
                SetWindowTextA(m_handle, shown.c_str());
            ShowLimit();
        }
        else if (what == WindowChange::Limit)
        {
            ShowLimit();
        }
        else
        {
            Control::Show(what);
        }
    }

private:
    std::string Text() const
    {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(m_handle)) + 1, '\0');
        text.resize(static_cast<size_t>(
            GetWindowTextA(m_handle, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    // The most characters the user may have: the limit, or more when the program has set a
    // longer text.
    void ShowLimit()
    {
        const UINT limit = static_cast<CEdit&>(m_wnd).GetLimitText();
        const auto length = static_cast<UINT>(GetWindowTextLengthA(m_handle));
        SendMessageA(m_handle, EM_SETLIMITTEXT, limit == 0 ? 0 : std::max(limit, length), 0);
    }
};
} // namespace

std::unique_ptr<Control> MakeEditControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<EditControl>(host, wnd);
}
} // namespace win32host
