#include "framework/headless/SheetController.h"

#include "framework/headless/HeadlessHost.h"
#include "framework/headless/Wording.h"

#include <algorithm>
#include <sstream>

namespace
{
const char* KindName(WindowKind kind)
{
    switch (kind)
    {
    case WindowKind::None:
        return "none";
    case WindowKind::Sheet:
        return "sheet";
    case WindowKind::Page:
        return "page";
    case WindowKind::Static:
        return "static";
    case WindowKind::Button:
        return "button";
    case WindowKind::Edit:
        return "edit";
    case WindowKind::ComboBox:
        return "combo";
    case WindowKind::ListBox:
        return "list";
    case WindowKind::ListView:
        return "listview";
    }
    return "?";
}

void DescribeItems(std::ostringstream& out, const CListControlBase& list)
{
    out << " items=[";
    for (int i = 0; i < list.GetCount(); ++i)
    {
        out << (i > 0 ? "|" : "") << list.GetItemText(i);
    }
    out << "] sel=" << list.GetCurSel();
}
} // namespace

std::string DescribeControl(const CWnd& wnd)
{
    std::ostringstream out;
    out << KindName(wnd.GetKind()) << " " << wnd.GetDlgCtrlID();
    out << (wnd.IsWindowEnabled() ? "" : " disabled");
    out << ((wnd.GetStyle() & WS_VISIBLE) != 0 ? "" : " hidden");
    switch (wnd.GetKind())
    {
    case WindowKind::Button: {
        const auto& button = static_cast<const CButton&>(wnd);
        UINT type = button.GetButtonStyle();
        if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
            type == BS_RADIOBUTTON)
        {
            out << " check=" << button.GetCheck();
        }
        out << " \"" << wnd.GetWindowText() << "\"";
        break;
    }
    case WindowKind::ComboBox:
    case WindowKind::ListBox:
        DescribeItems(out, static_cast<const CListControlBase&>(wnd));
        break;
    case WindowKind::ListView: {
        const auto& list = static_cast<const CListCtrl&>(wnd);
        out << " columns=[";
        for (int c = 0; c < list.GetColumnCount(); ++c)
        {
            out << (c > 0 ? "|" : "") << list.GetColumnHeading(c);
        }
        out << "] rows=[";
        for (int r = 0; r < list.GetItemCount(); ++r)
        {
            out << (r > 0 ? "; " : "");
            for (int c = 0; c < std::max(list.GetColumnCount(), 1); ++c)
            {
                out << (c > 0 ? "|" : "") << list.GetItemText(r, c);
            }
            if (list.GetItemState(r, LVIS_SELECTED) != 0)
            {
                out << "*";
            }
        }
        out << "]";
        break;
    }
    case WindowKind::Edit:
        out << " limit=" << static_cast<const CEdit&>(wnd).GetLimitText();
        out << " \"" << wnd.GetWindowText() << "\"";
        break;
    default:
        if (wnd.GetImageId() != 0)
        {
            out << " image=" << wnd.GetImageId();
        }
        else
        {
            out << " \"" << wnd.GetWindowText() << "\"";
        }
        break;
    }
    return out.str();
}

SheetController::SheetController(CPropertySheet& sheet)
    : SheetController(sheet, [](const std::string& why) {
          if (auto* host = dynamic_cast<HeadlessHost*>(AfxGetHost()))
          {
              host->ReportError(why);
          }
      })
{
}

SheetController::SheetController(CPropertySheet& sheet, FailureHandler onFailure)
    : m_sheet(sheet), m_onFailure(std::move(onFailure))
{
}

bool SheetController::Start()
{
    if (!m_sheet.Create())
    {
        return Fail("the sheet could not be created");
    }
    return true;
}

bool SheetController::Fail(const std::string& why) const
{
    if (m_onFailure)
    {
        m_onFailure(why);
    }
    return false;
}

bool SheetController::Press(int id, const char* name)
{
    std::string button = std::string("the ") + name + " button";
    if (!m_sheet.IsOpen())
    {
        return Fail(button + " cannot be pressed: the sheet is closed");
    }
    if (!IsButtonVisible(id))
    {
        return Fail(button + " is hidden");
    }
    if (!IsButtonEnabled(id))
    {
        return Fail(button + " is disabled");
    }
    return m_sheet.PressButton(id) != FALSE || Fail(button + " could not be pressed");
}

bool SheetController::IsButtonEnabled(int id) const
{
    CWnd* button = m_sheet.GetDlgItem(id);
    return button != nullptr && button->IsWindowEnabled() && button->IsWindowVisible();
}

bool SheetController::IsButtonVisible(int id) const
{
    CWnd* button = m_sheet.GetDlgItem(id);
    return button != nullptr && button->IsWindowVisible();
}

CWnd* SheetController::Control(int id) const
{
    CPropertyPage* page = m_sheet.GetActivePage();
    CWnd* control = page != nullptr ? page->GetDlgItem(id) : nullptr;
    if (control == nullptr)
    {
        control = m_sheet.GetDlgItem(id);
    }
    return control != nullptr && control->GetKind() != WindowKind::Page ? control : nullptr;
}

CWnd* SheetController::RequireControl(int id) const
{
    CWnd* control = Control(id);
    if (control == nullptr)
    {
        Fail("there is no control " + std::to_string(id) + " on " + CurrentPageName(m_sheet));
    }
    return control;
}

CWnd* SheetController::Reach(int id, bool (*fits)(const CWnd&), const char* wanted) const
{
    CWnd* control = RequireControl(id);
    if (control == nullptr)
    {
        return nullptr;
    }
    std::string name = "control " + std::to_string(id);
    if (!control->IsUserReachable())
    {
        Fail(name + (control->IsWindowVisible() ? " is disabled" : " is hidden"));
        return nullptr;
    }
    if (!fits(*control))
    {
        Fail(name + " is a " + ControlKindName(*control) + ", not " + wanted);
        return nullptr;
    }
    return control;
}

CButton* SheetController::ReachButton(int id, ButtonNeed need) const
{
    struct Need
    {
        bool (*fits)(const CWnd&);
        const char* wanted;
    };
    // One row per ButtonNeed, in its order.
    static constexpr Need kNeeds[] = {
        {[](const CWnd& wnd) { return wnd.GetKind() == WindowKind::Button; }, "a button"},
        {IsCheckBox, "a check box"},
        {IsRadio, "a radio button"},
        {[](const CWnd& wnd) { return IsCheckBox(wnd) || IsRadio(wnd); },
         "a check box or radio button"},
    };
    const Need& wanted = kNeeds[static_cast<size_t>(need)];
    return static_cast<CButton*>(Reach(id, wanted.fits, wanted.wanted));
}

CListControlBase* SheetController::ReachItemList(int id) const
{
    return static_cast<CListControlBase*>(Reach(id, IsItemList, "a combo box or list box"));
}

bool SheetController::Accepted(BOOL done, int id, const char* refusal) const
{
    return done != FALSE || Fail("control " + std::to_string(id) + " " + refusal);
}

bool SheetController::InRange(int id, int index, int count, const char* entry) const
{
    return (index >= 0 && index < count) ||
           Fail("control " + std::to_string(id) + " has no " + entry + " " + std::to_string(index) +
                " (" + std::to_string(count) + " " + entry + "s)");
}

bool SheetController::Click(int id, ButtonNeed need)
{
    CButton* button = ReachButton(id, need);
    return button != nullptr && Accepted(button->UserClick(), id, "could not be clicked");
}

bool SheetController::Check(int id, int state, ButtonNeed need)
{
    CButton* button = ReachButton(id, need);
    return button != nullptr && Accepted(button->UserCheck(state), id, "could not be clicked");
}

bool SheetController::Type(int id, const std::string& text)
{
    auto isEdit = [](const CWnd& wnd) { return wnd.GetKind() == WindowKind::Edit; };
    auto* edit = static_cast<CEdit*>(Reach(id, isEdit, "an edit"));
    return edit != nullptr && Accepted(edit->UserType(text), id, "is read-only");
}

bool SheetController::Select(int id, int index)
{
    CListControlBase* list = ReachItemList(id);
    return list != nullptr && InRange(id, index, list->GetCount(), "item") &&
           Accepted(list->UserSelect(index), id, "refused the selection");
}

bool SheetController::SelectText(int id, const std::string& text)
{
    CListControlBase* list = ReachItemList(id);
    if (list == nullptr)
    {
        return false;
    }
    std::vector<std::string> items = ItemTexts(*list);
    auto exact = std::find(items.begin(), items.end(), text);
    int index = exact != items.end() ? static_cast<int>(exact - items.begin())
                                     : list->FindStringExact(-1, text);
    if (index < 0)
    {
        return Fail("control " + std::to_string(id) + " has no item " + QuoteText(text) +
                    " (items " + QuoteText(JoinItems(items)) + ")");
    }
    return Accepted(list->UserSelect(index), id, "refused the selection");
}

bool SheetController::SelectRow(int id, int row)
{
    auto isListView = [](const CWnd& wnd) { return wnd.GetKind() == WindowKind::ListView; };
    auto* list = static_cast<CListCtrl*>(Reach(id, isListView, "a list view"));
    return list != nullptr && InRange(id, row, list->GetItemCount(), "row") &&
           Accepted(list->UserSelectRow(row), id, "refused the selection");
}

std::string SheetController::Describe() const
{
    std::ostringstream out;
    out << "title \"" << Title() << "\" page " << ActiveIndex() << (IsOpen() ? "" : " closed")
        << "\nbuttons";
    const std::pair<int, const char*> buttons[] = {
        {ID_WIZBACK, "Back"}, {ID_WIZNEXT, "Next"}, {ID_WIZFINISH, "Finish"}, {IDCANCEL, "Cancel"}};
    for (const auto& [id, name] : buttons)
    {
        if (IsButtonVisible(id))
        {
            out << " " << name << (IsButtonEnabled(id) ? "" : "(disabled)");
        }
    }
    out << "\n";
    if (CPropertyPage* page = ActivePage())
    {
        for (CWnd* control : page->GetChildren())
        {
            out << DescribeControl(*control) << "\n";
        }
    }
    return out.str();
}
