// Push buttons, check boxes and radio buttons: the system's own, with their automatic styles as
// the templates give them (a click changes the check, the dialog manager moves through a radio
// group with the arrow keys); the framework's state is shown over theirs after every click.
#include "framework/win32/Control.h"

#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "framework/win32/HostImpl.h"

namespace win32host
{
namespace
{
class ButtonControl : public Control
{
public:
    using Control::Control;

    // A sheet's button is pressed on the sheet, which decides what it does.
    void OnCommand(UINT code) override
    {
        if (code != BN_CLICKED)
            return;
        Act([](CWnd& wnd) {
            CWnd* parent = wnd.GetParent();
            if (parent != nullptr && parent->GetKind() == WindowKind::Sheet)
                static_cast<CPropertySheet*>(parent)->PressButton(wnd.GetDlgCtrlID());
            else
                static_cast<CButton&>(wnd).UserClick();
        });
    }

protected:
    HWND MakeWindow(HWND parent) override { return MakeChild(parent, "BUTTON", m_wnd.GetStyle()); }

    void Show(WindowChange what) override
    {
        switch (what)
        {
        case WindowChange::Text:
            SetWindowTextA(m_handle, m_wnd.GetWindowText().c_str());
            break;
        case WindowChange::Check:
            SendMessageA(m_handle, BM_SETCHECK, static_cast<CButton&>(m_wnd).GetCheck(), 0);
            break;
        default:
            Control::Show(what);
        }
    }
};

// Radio buttons: a click may uncheck the others of its group, so all of the group are shown
// again.
class RadioControl : public ButtonControl
{
public:
    using ButtonControl::ButtonControl;

    void AfterUserAction() override
    {
        CWnd* page = m_wnd.GetParent();
        if (page == nullptr)
            return;
        for (CWnd* sibling : page->GetChildren())
        {
            if (auto* radio = dynamic_cast<RadioControl*>(m_host.Find(sibling)))
                radio->SyncAll();
        }
    }
};
} // namespace

std::unique_ptr<Control> MakePushButtonControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<ButtonControl>(host, wnd);
}

std::unique_ptr<Control> MakeCheckBoxControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<ButtonControl>(host, wnd);
}

std::unique_ptr<Control> MakeRadioControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<RadioControl>(host, wnd);
}
} // namespace win32host
