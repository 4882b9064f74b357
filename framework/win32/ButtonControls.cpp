// Push buttons, check boxes and radio buttons: the system's own, with their automatic styles as
// the templates give them (a click changes the check, the dialog manager moves through a radio
// group with the arrow keys); the framework's state is shown over theirs after every click.
#include "framework/win32/Control.h"

#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "framework/win32/HostImpl.h"

#include <vector>

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
// again. Tab stops at the checked button of a group and, in a group with none checked, at those
// that the template makes tab stops (the system's button takes the tab stop from every radio
// button it unchecks, which would leave such a group out of reach of the keyboard).
class RadioControl : public ButtonControl
{
public:
    using ButtonControl::ButtonControl;

    void AfterUserAction() override
    {
        ForEachInGroup([](RadioControl& radio) { radio.SyncAll(); });
    }

protected:
    void Show(WindowChange what) override
    {
        ButtonControl::Show(what);
        if (what == WindowChange::Check)
            UpdateTabStops();
    }

private:
    // The radio buttons of this one's group: from the one with WS_GROUP before it to the next
    // control that is not a radio button or starts a group of its own.
    template <class Visit> void ForEachInGroup(Visit visit)
    {
        CWnd* page = m_wnd.GetParent();
        if (page == nullptr)
            return;
        std::vector<RadioControl*> group;
        bool mine = false;
        for (CWnd* sibling : page->GetChildren())
        {
            auto* radio = dynamic_cast<RadioControl*>(m_host.Find(sibling));
            if (radio == nullptr || (sibling->GetStyle() & WS_GROUP) != 0)
            {
                if (mine)
                    break;
                group.clear();
            }
            if (radio != nullptr)
                group.push_back(radio);
            mine = mine || radio == this;
        }
        for (RadioControl* radio : group)
            visit(*radio);
    }

    void UpdateTabStops()
    {
        bool anyChecked = false;
        ForEachInGroup([&anyChecked](RadioControl& radio) {
            anyChecked = anyChecked || static_cast<CButton&>(radio.m_wnd).GetCheck() == BST_CHECKED;
        });
        ForEachInGroup([anyChecked](RadioControl& radio) {
            const bool tabStop = anyChecked
                                     ? static_cast<CButton&>(radio.m_wnd).GetCheck() == BST_CHECKED
                                     : (radio.m_wnd.GetStyle() & WS_TABSTOP) != 0;
            const LONG style = GetWindowLongA(radio.m_handle, GWL_STYLE);
            SetWindowLongA(radio.m_handle, GWL_STYLE,
                           tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
        });
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
