// Drives a sheet as a user would, for tests and scripts: starts it without blocking, presses its
// buttons, acts on the controls of the active page (and on the sheet's own buttons) and reads
// the state. Every user action of the tests and of the script driver goes through here.
//
// An action a user could not do (the sheet is closed; there is no such control; it is hidden or
// disabled; it is of another kind than the action needs; it has no such item or row; the
// control refuses) changes nothing and returns false, and one sentence saying why goes to the
// failure handler. The default handler reports it to the installed host when that is a
// HeadlessHost (HeadlessHost::ReportError), and drops it otherwise.
#pragma once

#include "framework/PropertySheet.h"

#include <functional>
#include <string>

class SheetController
{
public:
    using FailureHandler = std::function<void(const std::string& why)>;

    // What a button action needs the button to be.
    enum class ButtonNeed
    {
        AnyButton,
        CheckBox,
        RadioButton,
        CheckBoxOrRadioButton,
    };

    explicit SheetController(CPropertySheet& sheet);
    SheetController(CPropertySheet& sheet, FailureHandler onFailure);

    // Creates the sheet window (modeless) and activates the first page.
    bool Start();
    bool Next() { return Press(ID_WIZNEXT, "Next"); }
    bool Back() { return Press(ID_WIZBACK, "Back"); }
    bool Finish() { return Press(ID_WIZFINISH, "Finish"); }
    bool Cancel() { return Press(IDCANCEL, "Cancel"); }

    // The control nID of the active page, or else the sheet's own window nID (its buttons);
    // nullptr when neither has one.
    CWnd* Control(int id) const;
    // The same; a missing control is a failure.
    CWnd* RequireControl(int id) const;

    // Clicks a button (BN_CLICKED; an auto check box toggles, an auto radio button is checked).
    bool Click(int id, ButtonNeed need = ButtonNeed::AnyButton);
    // Clicks a check box or radio button when its check state differs from `state`.
    bool Check(int id, int state, ButtonNeed need = ButtonNeed::CheckBoxOrRadioButton);
    // Replaces an edit's text, as one user edit.
    bool Type(int id, const std::string& text);
    // Selects item `index` of a combo box or list box.
    bool Select(int id, int index);
    // Selects the item of a combo box or list box whose whole text is `text`: the first with
    // that exact text, else the first that equals it ignoring case.
    bool SelectText(int id, const std::string& text);
    // Selects row `row` of a list view.
    bool SelectRow(int id, int row);

    // State
    bool IsOpen() const { return m_sheet.IsOpen() != FALSE; }
    int Result() const { return m_sheet.GetResult(); }
    std::string Title() const { return m_sheet.GetWindowText(); }
    int ActiveIndex() const { return m_sheet.GetActiveIndex(); }
    CPropertyPage* ActivePage() const { return m_sheet.GetActivePage(); }
    // A sheet button (ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL) can be pressed.
    bool IsButtonEnabled(int id) const;
    bool IsButtonVisible(int id) const;
    // A readable dump: title, buttons, then every control of the active page with kind, id,
    // enabled/visible, text, items, selection and check.
    std::string Describe() const;

    CPropertySheet& Sheet() const { return m_sheet; }

private:
    bool Press(int id, const char* name);
    bool Fail(const std::string& why) const;
    // The control `id` when a user can reach it and `fits` accepts it; otherwise the failure is
    // reported (`wanted` names what fits: "an edit") and nullptr returned.
    CWnd* Reach(int id, bool (*fits)(const CWnd&), const char* wanted) const;
    CButton* ReachButton(int id, ButtonNeed need) const;
    CListControlBase* ReachItemList(int id) const;
    // `done` (what a User* function returned), or else the failure "control <id> <refusal>".
    bool Accepted(BOOL done, int id, const char* refusal) const;
    // index is one of the control's `count` entries ("item", "row"), or else the failure
    // "control <id> has no <entry> <index> (<count> <entry>s)".
    bool InRange(int id, int index, int count, const char* entry) const;

    CPropertySheet& m_sheet;
    FailureHandler m_onFailure;
};

// One line describing a control's state (used by SheetController::Describe).
std::string DescribeControl(const CWnd& wnd);
