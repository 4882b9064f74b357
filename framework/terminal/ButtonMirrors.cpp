// Push buttons, check boxes and radio buttons: a text with a mnemonic, the focus, and a click
// that reaches the framework as the user's.
#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "framework/terminal/Mirror.h"
#include "framework/terminal/SheetMirrors.h"
#include "framework/terminal/TerminalHostImpl.h"

namespace termhost
{
namespace
{
bool OnSheet(const CWnd& wnd)
{
    return wnd.GetParent() != nullptr && wnd.GetParent()->GetKind() == WindowKind::Sheet;
}

class ButtonMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    // A hidden button's mnemonic must not act (the toolkit keeps a window's accelerators), so
    // the mark shows only while the button does.
    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
        {
            const std::string text = m_wnd.GetWindowText();
            SetText(Shown() ? text : WithoutMnemonic(text));
            m_widget->redraw();
        }
        else
        {
            Mirror::Show(what);
        }
    }

    virtual void SetText(const std::string& text) = 0;

    // A sheet's button is pressed on the sheet, which decides what it does.
    void Clicked()
    {
        Act([](CWnd& wnd) {
            if (OnSheet(wnd))
            {
                static_cast<CPropertySheet*>(wnd.GetParent())->PressButton(wnd.GetDlgCtrlID());
            }
            else
            {
                static_cast<CButton&>(wnd).UserClick();
            }
        });
    }
};

class PushButtonMirror : public ButtonMirror
{
public:
    using ButtonMirror::ButtonMirror;

    // A focused push button takes Enter itself, as Windows makes it the default meanwhile; but
    // Enter on Cancel presses the default button instead, so that Enter never ends the wizard
    // unasked.
    bool Key(finalcut::FKey key) override
    {
        const bool isCancel = OnSheet(m_wnd) && m_wnd.GetDlgCtrlID() == IDCANCEL;
        if (finalcut::isEnterKey(key) && !isCancel)
        {
            return false;
        }
        return Mirror::Key(key);
    }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* button = new Mirrored<finalcut::FButton>(*this, window);
        button->setShadow(false);
        button->setClickAnimation(false);
        button->addCallback("clicked", [this]() { Clicked(); });
        return button;
    }

    void SetText(const std::string& text) override
    {
        static_cast<finalcut::FButton*>(m_widget)->setText(text);
    }
};

class CheckBoxMirror : public ButtonMirror
{
public:
    using ButtonMirror::ButtonMirror;

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* check = new Mirrored<finalcut::FCheckBox>(*this, window);
        check->addCallback("clicked", [this]() { Clicked(); });
        return check;
    }

    void SetText(const std::string& text) override
    {
        static_cast<finalcut::FCheckBox*>(m_widget)->setText(text);
    }

    void Show(WindowChange what) override
    {
        if (what != WindowChange::Check)
        {
            ButtonMirror::Show(what);
            return;
        }
        static_cast<finalcut::FCheckBox*>(m_widget)->setChecked(
            static_cast<CButton&>(m_wnd).GetCheck() != BST_UNCHECKED);
        m_widget->redraw();
    }
};

// Radio buttons of a page form groups (PageMirror::RadioGroup); the framework keeps one checked
// per group. As Windows does for automatic radio buttons, Tab stops at the checked button of a
// group, or, in a group with none checked, at those that the template makes tab stops; the
// arrow keys move to the group's next or previous button and check it.
class RadioMirror : public ButtonMirror
{
public:
    using ButtonMirror::ButtonMirror;

    void JoinPage(PageMirror& page) override
    {
        m_group = page.RadioGroup((m_wnd.GetStyle() & WS_GROUP) != 0);
        page.GiveLabelsTo(*this);
    }

    void AfterUserAction() override
    {
        for (RadioMirror* radio : Group())
        {
            radio->SyncAll();
        }
    }

    bool IsTabStop() const override
    {
        bool anyChecked = false;
        for (RadioMirror* radio : Group())
        {
            anyChecked = anyChecked || radio->Checked();
        }
        return anyChecked ? Checked() : Mirror::IsTabStop();
    }

    bool Key(finalcut::FKey key) override
    {
        using finalcut::FKey;
        const int step = key == FKey::Down || key == FKey::Right ? +1
                         : key == FKey::Up || key == FKey::Left  ? -1
                                                                 : 0;
        if (step == 0)
        {
            return Mirror::Key(key);
        }
        std::vector<RadioMirror*> group = Group();
        std::erase_if(group, [](RadioMirror* radio) { return !radio->Reachable(); });
        auto at = std::find(group.begin(), group.end(), this);
        if (group.size() < 2 || at == group.end())
        {
            return true;
        }
        const auto count = static_cast<int>(group.size());
        const int index = ((static_cast<int>(at - group.begin()) + step) % count + count) % count;
        RadioMirror* next = group[static_cast<size_t>(index)];
        FocusWidget(next->m_widget);
        next->Clicked();
        return true;
    }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* radio = new Mirrored<finalcut::FRadioButton>(*this, window);
        radio->addCallback("clicked", [this]() { Clicked(); });
        return radio;
    }

    void SetText(const std::string& text) override
    {
        static_cast<finalcut::FRadioButton*>(m_widget)->setText(text);
    }

    void Show(WindowChange what) override
    {
        if (what != WindowChange::Check)
        {
            ButtonMirror::Show(what);
            return;
        }
        static_cast<finalcut::FRadioButton*>(m_widget)->setChecked(Checked());
        m_widget->redraw();
    }

private:
    bool Checked() const { return static_cast<CButton&>(m_wnd).GetCheck() == BST_CHECKED; }

    std::vector<RadioMirror*> Group() const
    {
        std::vector<RadioMirror*> group;
        CWnd* page = m_wnd.GetParent();
        if (page == nullptr)
        {
            return group;
        }
        for (CWnd* sibling : page->GetChildren())
        {
            auto* radio = dynamic_cast<RadioMirror*>(m_host.Find(sibling));
            if (radio != nullptr && radio->m_group == m_group)
            {
                group.push_back(radio);
            }
        }
        return group;
    }

    int m_group = 0;
};
} // namespace

std::unique_ptr<Mirror> MakePushButtonMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<PushButtonMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeCheckBoxMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<CheckBoxMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeRadioMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<RadioMirror>(host, wnd);
}
} // namespace termhost
