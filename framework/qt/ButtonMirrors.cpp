#include "framework/qt/ButtonMirrors.h"

#include "framework/ControlStyles.h"
#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "framework/qt/QtHostImpl.h"
#include "framework/qt/QtText.h"
#include "framework/qt/SheetMirrors.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace qthost
{
namespace
{
constexpr char kDefaultByStyle[] = "quoranDefaultByStyle";
constexpr char kQuestion[] = "quoranQuestion";

// What the three kinds share: a text with a mnemonic, the focus, and a click that reaches the
// framework as the user's.
class ButtonMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
        {
            static_cast<QAbstractButton*>(m_widget.data())->setText(ToQt(m_wnd.GetWindowText()));
            return;
        }
        Mirror::Show(what);
        auto* sheet = dynamic_cast<SheetMirror*>(m_host.Find(m_wnd.GetParent()));
        if (sheet != nullptr && (what == WindowChange::Enabled || what == WindowChange::Visible))
        {
            sheet->ButtonsChanged();
        }
    }

    // A sheet's button is pressed on the sheet, which decides what it does.
    void Clicked()
    {
        Act([](CWnd& wnd) {
            CWnd* parent = wnd.GetParent();
            if (parent != nullptr && parent->GetKind() == WindowKind::Sheet)
            {
                static_cast<CPropertySheet*>(parent)->PressButton(wnd.GetDlgCtrlID());
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

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* button = new QPushButton(parent);
        int id = m_wnd.GetDlgCtrlID();
        bool onSheet =
            m_wnd.GetParent() != nullptr && m_wnd.GetParent()->GetKind() == WindowKind::Sheet;
        // A focused push button takes Enter, as Windows makes it the default meanwhile; but never
        // the sheet's Cancel, so that Enter (or one pressed a moment late, after the page has
        // changed under it) never throws the user's work away: on Cancel, Enter goes to the
        // window, which presses Next or Finish when enabled.
        button->setAutoDefault(!(onSheet && id == IDCANCEL));
        bool isDefault = onSheet ? id == ID_WIZNEXT || id == ID_WIZFINISH
                                 : ButtonType(m_wnd.GetStyle()) == BS_DEFPUSHBUTTON;
        button->setProperty(kDefaultByStyle, isDefault);
        button->setDefault(isDefault);
        QObject::connect(button, &QPushButton::clicked, [this]() { Clicked(); });
        return button;
    }
};

class CheckBoxMirror : public ButtonMirror
{
public:
    using ButtonMirror::ButtonMirror;

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* check = new QCheckBox(parent);
        QObject::connect(check, &QCheckBox::clicked, [this]() { Clicked(); });
        return check;
    }

    void Show(WindowChange what) override
    {
        if (what != WindowChange::Check)
        {
            ButtonMirror::Show(what);
            return;
        }
        int state = static_cast<CButton&>(m_wnd).GetCheck();
        auto* check = static_cast<QCheckBox*>(m_widget.data());
        check->setTristate(state == BST_INDETERMINATE);
        check->setCheckState(state == BST_CHECKED         ? Qt::Checked
                             : state == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                          : Qt::Unchecked);
    }
};

// Radio buttons of a page form exclusive groups (see PageMirror::RadioGroup). As Windows does
// for automatic radio buttons, Tab stops at the checked button of a group; in a group with none
// checked, at those that the template makes tab stops.
class RadioMirror : public ButtonMirror
{
public:
    using ButtonMirror::ButtonMirror;

    void JoinPage(PageMirror& page) override
    {
        m_group = page.RadioGroup((m_wnd.GetStyle() & WS_GROUP) != 0);
        m_group->addButton(Radio());
        // The group's question: what names its first button's place.
        if (!m_group->property(kQuestion).isValid())
        {
            m_group->setProperty(kQuestion, page.NearestLabelText());
        }
        Radio()->setAccessibleDescription(m_group->property(kQuestion).toString());
        page.GiveLabelsTo(m_widget);
        UpdateTabStops();
    }

    void AfterUserAction() override
    {
        ForEachInGroup([](RadioMirror& radio) { radio.SyncAll(); });
    }

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* radio = new QRadioButton(parent);
        // Auto-exclusive, as a screen reader tells radio buttons from check boxes by it; the
        // page's exclusive group takes precedence and decides only within the group.
        radio->setAutoExclusive(true);
        QObject::connect(radio, &QRadioButton::clicked, [this]() { Clicked(); });
        return radio;
    }

    void Show(WindowChange what) override
    {
        if (what != WindowChange::Check)
        {
            ButtonMirror::Show(what);
            return;
        }
        bool checked = static_cast<CButton&>(m_wnd).GetCheck() == BST_CHECKED;
        QRadioButton* radio = Radio();
        if (radio->isChecked() != checked)
        {
            // An exclusive group refuses to lose its checked button; the framework may leave a
            // group without one.
            bool exclusive = m_group != nullptr && m_group->exclusive() && !checked;
            if (exclusive)
            {
                m_group->setExclusive(false);
            }
            radio->setChecked(checked);
            if (exclusive)
            {
                m_group->setExclusive(true);
            }
        }
        UpdateTabStops();
    }

private:
    QRadioButton* Radio() const { return static_cast<QRadioButton*>(m_widget.data()); }

    template <class Visit> void ForEachInGroup(Visit visit)
    {
        CWnd* page = m_wnd.GetParent();
        if (m_group == nullptr || page == nullptr)
        {
            visit(*this);
            return;
        }
        for (CWnd* sibling : page->GetChildren())
        {
            auto* radio = dynamic_cast<RadioMirror*>(m_host.Find(sibling));
            if (radio != nullptr && radio->m_group == m_group && radio->m_widget != nullptr)
            {
                visit(*radio);
            }
        }
    }

    void UpdateTabStops()
    {
        bool anyChecked = m_group != nullptr && m_group->checkedButton() != nullptr;
        ForEachInGroup([anyChecked](RadioMirror& radio) {
            bool tabStop = anyChecked ? radio.Radio()->isChecked()
                                      : (radio.m_wnd.GetStyle() & WS_TABSTOP) != 0;
            radio.m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }

    QButtonGroup* m_group = nullptr;
};
} // namespace

bool IsDefaultByStyle(const QPushButton& button)
{
    return button.property(kDefaultByStyle).toBool();
}

std::unique_ptr<Mirror> MakePushButtonMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<PushButtonMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeCheckBoxMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<CheckBoxMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeRadioMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<RadioMirror>(host, wnd);
}
} // namespace qthost
