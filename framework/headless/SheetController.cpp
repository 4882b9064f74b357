#include "framework/headless/HeadlessHost.h"

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

SheetController::SheetController(CPropertySheet& sheet) : m_sheet(sheet) {}

bool SheetController::Start()
{
    if (!m_sheet.Create())
    {
        return Fail("the sheet could not be created");
    }
    return true;
}

bool SheetController::Fail(const std::string& what) const
{
    if (auto* host = dynamic_cast<HeadlessHost*>(AfxGetHost()))
    {
        host->ReportError(what);
    }
    return false;
}

bool SheetController::Press(int id, const char* name)
{
    if (!m_sheet.IsOpen())
    {
        return Fail(std::string("cannot press ") + name + ": the sheet is not open");
    }
    if (!IsButtonVisible(id))
    {
        return Fail(std::string("cannot press ") + name + ": the button is hidden");
    }
    if (!IsButtonEnabled(id))
    {
        return Fail(std::string("cannot press ") + name + ": the button is disabled");
    }
    return m_sheet.PressButton(id) != FALSE;
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
    return page != nullptr ? page->GetDlgItem(id) : nullptr;
}

template <class T> T* SheetController::Find(int id, WindowKind kind, const char* action) const
{
    CWnd* control = Control(id);
    std::string name = std::string(action) + " control " + std::to_string(id);
    if (control == nullptr)
    {
        Fail("cannot " + name + ": the active page has no such control");
        return nullptr;
    }
    if (control->GetKind() != kind)
    {
        Fail("cannot " + name + ": it is a " + KindName(control->GetKind()));
        return nullptr;
    }
    if (!control->IsUserReachable())
    {
        Fail("cannot " + name + ": it is hidden or disabled");
        return nullptr;
    }
    return static_cast<T*>(control);
}

bool SheetController::Click(int id)
{
    CButton* button = Find<CButton>(id, WindowKind::Button, "click");
    return button != nullptr && (button->UserClick() != FALSE || Fail("click failed"));
}

bool SheetController::Check(int id, int state)
{
    CButton* button = Find<CButton>(id, WindowKind::Button, "check");
    return button != nullptr &&
           (button->UserCheck(state) != FALSE ||
            Fail("cannot set control " + std::to_string(id) + " to " + std::to_string(state)));
}

bool SheetController::Type(int id, const std::string& text)
{
    CEdit* edit = Find<CEdit>(id, WindowKind::Edit, "type into");
    return edit != nullptr &&
           (edit->UserType(text) != FALSE ||
            Fail("cannot type into control " + std::to_string(id) + ": it is read-only"));
}

bool SheetController::Select(int id, int index)
{
    CWnd* control = Control(id);
    WindowKind kind = control != nullptr && control->GetKind() == WindowKind::ListBox
                          ? WindowKind::ListBox
                          : WindowKind::ComboBox;
    auto* list = Find<CListControlBase>(id, kind, "select in");
    return list != nullptr &&
           (list->UserSelect(index) != FALSE ||
            Fail("control " + std::to_string(id) + " has no item " + std::to_string(index)));
}

bool SheetController::SelectText(int id, const std::string& text)
{
    CWnd* control = Control(id);
    WindowKind kind = control != nullptr && control->GetKind() == WindowKind::ListBox
                          ? WindowKind::ListBox
                          : WindowKind::ComboBox;
    auto* list = Find<CListControlBase>(id, kind, "select in");
    if (list == nullptr)
    {
        return false;
    }
    int index = list->FindStringExact(-1, text);
    if (index < 0)
    {
        return Fail("control " + std::to_string(id) + " has no item \"" + text + "\"");
    }
    return list->UserSelect(index) != FALSE;
}

bool SheetController::SelectRow(int id, int row)
{
    CListCtrl* list = Find<CListCtrl>(id, WindowKind::ListView, "select a row of");
    return list != nullptr &&
           (list->UserSelectRow(row) != FALSE ||
            Fail("control " + std::to_string(id) + " has no row " + std::to_string(row)));
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
