#include "framework/headless/Script.h"

#include "framework/MessageBox.h"

#include <algorithm>
#include <ostream>

namespace
{
// wait-page looks at the current page this often (milliseconds).
constexpr DWORD kPagePollInterval = 100;

UINT ButtonType(const CWnd& wnd)
{
    return wnd.GetStyle() & BS_TYPEMASK;
}

bool IsCheckBox(const CWnd& wnd)
{
    return wnd.GetKind() == WindowKind::Button &&
           (ButtonType(wnd) == BS_CHECKBOX || ButtonType(wnd) == BS_AUTOCHECKBOX);
}

bool IsRadio(const CWnd& wnd)
{
    return wnd.GetKind() == WindowKind::Button &&
           (ButtonType(wnd) == BS_RADIOBUTTON || ButtonType(wnd) == BS_AUTORADIOBUTTON);
}

bool IsList(const CWnd& wnd)
{
    return wnd.GetKind() == WindowKind::ComboBox || wnd.GetKind() == WindowKind::ListBox;
}

std::string KindName(const CWnd& wnd)
{
    switch (wnd.GetKind())
    {
    case WindowKind::Static:
        return wnd.GetImageId() != 0 ? "picture" : "static";
    case WindowKind::Button:
        if (IsCheckBox(wnd))
        {
            return "checkbox";
        }
        if (IsRadio(wnd))
        {
            return "radio";
        }
        return ButtonType(wnd) == BS_GROUPBOX ? "groupbox" : "pushbutton";
    case WindowKind::Edit:
        return "edit";
    case WindowKind::ComboBox:
        return "combo";
    case WindowKind::ListBox:
        return "listbox";
    case WindowKind::ListView:
        return "listview";
    case WindowKind::Sheet:
        return "sheet";
    case WindowKind::Page:
        return "page";
    case WindowKind::None:
        break;
    }
    return "none";
}

std::string RowText(const CListCtrl& list, int row)
{
    std::string text;
    int columns = std::max(list.GetColumnCount(), 1);
    for (int column = 0; column < columns; ++column)
    {
        text += (column > 0 ? ", " : "") + list.GetItemText(row, column);
    }
    return text;
}

// Combo and list boxes: the items; list views: the rows.
std::vector<std::string> Items(const CWnd& wnd)
{
    std::vector<std::string> items;
    if (IsList(wnd))
    {
        const auto& list = static_cast<const CListControlBase&>(wnd);
        for (int i = 0; i < list.GetCount(); ++i)
        {
            items.push_back(list.GetItemText(i));
        }
    }
    else if (wnd.GetKind() == WindowKind::ListView)
    {
        const auto& list = static_cast<const CListCtrl&>(wnd);
        for (int row = 0; row < list.GetItemCount(); ++row)
        {
            items.push_back(RowText(list, row));
        }
    }
    return items;
}

std::string SelectedText(const CWnd& wnd)
{
    if (IsList(wnd))
    {
        const auto& list = static_cast<const CListControlBase&>(wnd);
        return list.GetCurSel() < 0 ? std::string() : list.GetItemText(list.GetCurSel());
    }
    const auto& list = static_cast<const CListCtrl&>(wnd);
    int row = list.GetNextItem(-1, LVNI_SELECTED);
    return row < 0 ? std::string() : RowText(list, row);
}

// What a user reads in the control: the selected item of a combo or list box, else its text.
std::string ControlText(const CWnd& wnd)
{
    return IsList(wnd) ? SelectedText(wnd) : wnd.GetWindowText();
}

std::string JoinItems(const std::vector<std::string>& items)
{
    std::string joined;
    for (size_t i = 0; i < items.size(); ++i)
    {
        joined += (i > 0 ? "|" : "") + items[i];
    }
    return joined;
}

std::string DumpLine(const CWnd& wnd)
{
    std::string line = "control " + std::to_string(wnd.GetDlgCtrlID()) + " " + KindName(wnd);
    line += wnd.IsWindowEnabled() ? " enabled" : " disabled";
    line += wnd.IsWindowVisible() ? " visible" : " hidden";
    if (wnd.GetKind() == WindowKind::Edit && (wnd.GetStyle() & ES_READONLY) != 0)
    {
        line += " readonly";
    }
    if (IsCheckBox(wnd) || IsRadio(wnd))
    {
        line += static_cast<const CButton&>(wnd).GetCheck() == BST_CHECKED ? " on" : " off";
    }
    if (wnd.GetImageId() != 0)
    {
        return line + " image " + std::to_string(wnd.GetImageId());
    }
    if (wnd.GetKind() == WindowKind::ListView)
    {
        const auto& list = static_cast<const CListCtrl&>(wnd);
        std::vector<std::string> headings;
        for (int column = 0; column < list.GetColumnCount(); ++column)
        {
            headings.push_back(list.GetColumnHeading(column));
        }
        return line + " columns " + QuoteText(JoinItems(headings)) + " rows " +
               QuoteText(JoinItems(Items(wnd))) + " selected " + QuoteText(SelectedText(wnd));
    }
    if (IsList(wnd))
    {
        return line + " items " + QuoteText(JoinItems(Items(wnd))) + " selected " +
               QuoteText(SelectedText(wnd));
    }
    return line + " text " + QuoteText(wnd.GetWindowText());
}

const char* MessageBoxButtons(UINT nType)
{
    return (nType & MB_TYPEMASK) == MB_YESNO ? "Yes,No" : "OK";
}

const char* AnswerName(int answer)
{
    switch (answer)
    {
    case IDYES:
        return "Yes";
    case IDNO:
        return "No";
    default:
        return "OK";
    }
}

// The button a sheet command presses, and its name in messages.
std::pair<int, const char*> SheetButton(ScriptOp op)
{
    switch (op)
    {
    case ScriptOp::Back:
        return {ID_WIZBACK, "Back"};
    case ScriptOp::Finish:
        return {ID_WIZFINISH, "Finish"};
    case ScriptOp::Cancel:
        return {IDCANCEL, "Cancel"};
    default:
        return {ID_WIZNEXT, "Next"};
    }
}

std::string CurrentPageName(const CPropertySheet& sheet)
{
    CPropertyPage* page = sheet.GetActivePage();
    return page != nullptr ? PageClassName(*page) : std::string("(none)");
}
} // namespace

int ScriptHost::MessageBox(const std::string& text, const std::string&, UINT nType)
{
    return m_driver.OnMessageBox(text, nType);
}

ScriptDriver::ScriptDriver(std::vector<ScriptCommand> commands, Host& screen, std::ostream& out,
                           std::ostream& err)
    : m_host(screen, *this), m_screen(screen), m_commands(std::move(commands)), m_out(out),
      m_err(err)
{
    m_screen.SetDriver(this);
}

ScriptDriver::~ScriptDriver()
{
    if (m_screen.GetDriver() == this)
    {
        m_screen.SetDriver(nullptr);
    }
}

void ScriptDriver::Print(const std::string& text)
{
    m_out << m_label << ": " << text << "\n";
    m_out.flush();
}

bool ScriptDriver::Fail(const std::string& why)
{
    if (m_failed)
    {
        return false;
    }
    m_failed = true;
    Print("FAILED: " + why);
    if (m_current != nullptr && !m_ended)
    {
        m_err << "line " << m_current->line << ": " << FormatCommand(*m_current) << ": " << why
              << "\n";
    }
    else
    {
        m_err << (m_ended ? "end of script" : "start of script") << ": " << why << "\n";
    }
    m_err.flush();
    return false;
}

bool ScriptDriver::Step(CPropertySheet& sheet)
{
    if (!m_started)
    {
        m_started = true;
        ReportPage(sheet);
    }
    if (m_failed || m_ended)
    {
        return false;
    }
    if (m_next >= m_commands.size())
    {
        EndOfScript(sheet);
        return false;
    }
    m_current = &m_commands[m_next++];
    m_label = std::to_string(m_current->line);
    Run(sheet, *m_current);
    ReportPage(sheet);
    return !m_failed && sheet.IsOpen();
}

void ScriptDriver::EndOfScript(CPropertySheet& sheet)
{
    m_ended = true;
    m_label = "end";
    if (!sheet.IsOpen())
    {
        return;
    }
    if ((VisibleButtons(sheet) & kScriptCancel) != 0)
    {
        Print("cancel");
        sheet.PressButton(IDCANCEL);
    }
    if (sheet.IsOpen())
    {
        Print("close as Cancel");
        sheet.EndDialog(IDCANCEL);
    }
    ReportPage(sheet);
}

int ScriptDriver::Finish()
{
    if (!m_failed && m_next < m_commands.size())
    {
        m_current = &m_commands[m_next];
        m_label = std::to_string(m_current->line);
        Fail(m_started ? "the wizard has closed" : "the wizard did not open");
    }
    if (!m_failed && !m_answers.empty())
    {
        m_ended = true;
        m_label = "end";
        Fail("the answer queued at line " + std::to_string(m_answers.front().line) +
             " was not used by any message box");
    }
    m_out.flush();
    return m_failed ? 1 : 0;
}

void ScriptDriver::ReportPage(CPropertySheet& sheet)
{
    bool open = sheet.IsOpen() != FALSE;
    if (open)
    {
        int index = sheet.GetActiveIndex();
        if (!m_reportedOpen || index != m_reportedPage)
        {
            Print("  page " + std::to_string(index) + " " + CurrentPageName(sheet) + " " +
                  QuoteText(sheet.GetWindowText()));
        }
        m_reportedPage = index;
    }
    else if (m_reportedOpen)
    {
        Print(sheet.GetResult() == IDOK ? "  closed (Finish)" : "  closed (Cancel)");
    }
    m_reportedOpen = open;
}

int ScriptDriver::OnMessageBox(const std::string& text, UINT nType)
{
    int fallback = AfxUnattendedAnswer(nType);
    std::string line = "  message " + QuoteText(text) + " [" + MessageBoxButtons(nType) + "]";
    m_hasMessage = true;
    m_lastMessage = text;
    if (m_answers.empty())
    {
        Print(line + " -> no answer queued");
        Fail("a message box appeared with no answer queued: " + QuoteText(text));
        return fallback;
    }
    Answer queued = m_answers.front();
    m_answers.pop_front();
    if (!AfxAnswerFits(nType, queued.answer))
    {
        Print(line + " -> " + AnswerName(queued.answer) + " does not fit");
        Fail("the answer " + std::string(AnswerName(queued.answer)) + " queued at line " +
             std::to_string(queued.line) + " does not fit a message box with " +
             MessageBoxButtons(nType));
        return fallback;
    }
    Print(line + " -> " + AnswerName(queued.answer));
    return queued.answer;
}

CWnd* ScriptDriver::FindControl(CPropertySheet& sheet, int id, std::string& why) const
{
    CPropertyPage* page = sheet.GetActivePage();
    CWnd* control = page != nullptr ? page->GetDlgItem(id) : nullptr;
    if (control == nullptr)
    {
        control = sheet.GetDlgItem(id);
    }
    if (control == nullptr || control->GetKind() == WindowKind::Page)
    {
        why = "there is no control " + std::to_string(id) + " on " + CurrentPageName(sheet);
        return nullptr;
    }
    return control;
}

void ScriptDriver::Run(CPropertySheet& sheet, const ScriptCommand& command)
{
    std::string why;
    switch (command.op)
    {
    case ScriptOp::ExpectPage:
    case ScriptOp::ExpectTitle:
    case ScriptOp::ExpectButtons:
    case ScriptOp::ExpectText:
    case ScriptOp::ExpectEnabled:
    case ScriptOp::ExpectVisible:
    case ScriptOp::ExpectItems:
    case ScriptOp::ExpectSelected:
    case ScriptOp::ExpectChecked:
    case ScriptOp::ExpectMessage:
        if (RunExpect(sheet, command, why))
        {
            Print(FormatCommand(command) + ": ok");
        }
        else
        {
            Print(FormatCommand(command));
            Fail(why);
        }
        return;
    case ScriptOp::Dump:
        Print(FormatCommand(command));
        Dump(sheet);
        return;
    case ScriptOp::Answer:
        Print(FormatCommand(command));
        m_answers.push_back({command.number, command.line});
        return;
    case ScriptOp::Wait:
        Print(FormatCommand(command));
        m_screen.Wait(static_cast<DWORD>(command.number));
        return;
    case ScriptOp::WaitPage:
        Print(FormatCommand(command));
        WaitForPage(sheet, command);
        return;
    case ScriptOp::Screenshot: {
        Print(FormatCommand(command));
        if (!m_screenshot)
        {
            Fail("screenshots need a host with a screen: run with --qt");
            return;
        }
        m_screen.Wait(0);
        std::string error = m_screenshot(command.text);
        if (!error.empty())
        {
            Fail(error);
        }
        return;
    }
    default:
        Print(FormatCommand(command));
        if (RunAction(sheet, command))
        {
            // Lets the host catch up, as between two things a user does.
            m_screen.Wait(0);
        }
        return;
    }
}

bool ScriptDriver::RunAction(CPropertySheet& sheet, const ScriptCommand& command)
{
    std::string why;
    if (command.op == ScriptOp::Next || command.op == ScriptOp::Back ||
        command.op == ScriptOp::Finish || command.op == ScriptOp::Cancel)
    {
        auto [id, name] = SheetButton(command.op);
        CWnd* button = sheet.GetDlgItem(id);
        if (button == nullptr || !button->IsWindowVisible())
        {
            return Fail(std::string("the ") + name + " button is hidden");
        }
        if (!button->IsWindowEnabled())
        {
            return Fail(std::string("the ") + name + " button is disabled");
        }
        return sheet.PressButton(id) != FALSE ||
               Fail(std::string("the ") + name + " button could not be pressed");
    }
    CWnd* control = FindControl(sheet, command.id, why);
    if (control == nullptr)
    {
        return Fail(why);
    }
    std::string name = "control " + std::to_string(command.id);
    auto wrongKind = [&](const char* wanted) {
        return Fail(name + " is a " + KindName(*control) + ", not " + wanted);
    };
    if (!control->IsUserReachable())
    {
        return Fail(name + (control->IsWindowVisible() ? " is disabled" : " is hidden"));
    }
    switch (command.op)
    {
    case ScriptOp::Set:
        if (control->GetKind() != WindowKind::Edit)
        {
            return wrongKind("an edit");
        }
        return static_cast<CEdit*>(control)->UserType(command.text) != FALSE ||
               Fail(name + " is read-only");
    case ScriptOp::Select: {
        if (!IsList(*control))
        {
            return wrongKind("a combo box or list box");
        }
        auto* list = static_cast<CListControlBase*>(control);
        std::vector<std::string> items = Items(*control);
        auto exact = std::find(items.begin(), items.end(), command.text);
        int index = exact != items.end() ? static_cast<int>(exact - items.begin())
                                         : list->FindStringExact(-1, command.text);
        if (index < 0)
        {
            return Fail(name + " has no item " + QuoteText(command.text) + " (items " +
                        QuoteText(JoinItems(items)) + ")");
        }
        return list->UserSelect(index) != FALSE || Fail(name + " refused the selection");
    }
    case ScriptOp::Check:
        if (!IsCheckBox(*control))
        {
            return wrongKind("a check box");
        }
        return static_cast<CButton*>(control)->UserCheck(command.flag ? BST_CHECKED
                                                                      : BST_UNCHECKED) != FALSE ||
               Fail(name + " could not be clicked");
    case ScriptOp::Radio:
        if (!IsRadio(*control))
        {
            return wrongKind("a radio button");
        }
        return static_cast<CButton*>(control)->UserClick() != FALSE ||
               Fail(name + " could not be clicked");
    case ScriptOp::Click:
        if (control->GetKind() != WindowKind::Button)
        {
            return wrongKind("a button");
        }
        return static_cast<CButton*>(control)->UserClick() != FALSE ||
               Fail(name + " could not be clicked");
    case ScriptOp::Row: {
        if (control->GetKind() != WindowKind::ListView)
        {
            return wrongKind("a list view");
        }
        auto* list = static_cast<CListCtrl*>(control);
        if (command.number >= list->GetItemCount())
        {
            return Fail(name + " has no row " + std::to_string(command.number) + " (" +
                        std::to_string(list->GetItemCount()) + " rows)");
        }
        return list->UserSelectRow(command.number) != FALSE ||
               Fail(name + " refused the selection");
    }
    default:
        return true;
    }
}

bool ScriptDriver::RunExpect(CPropertySheet& sheet, const ScriptCommand& command, std::string& why)
{
    switch (command.op)
    {
    case ScriptOp::ExpectPage: {
        std::string current = CurrentPageName(sheet);
        why = "the current page is " + current;
        return current == command.text;
    }
    case ScriptOp::ExpectTitle:
        why = "the title is " + QuoteText(sheet.GetWindowText());
        return sheet.GetWindowText() == command.text;
    case ScriptOp::ExpectButtons: {
        unsigned buttons = VisibleButtons(sheet);
        why = "the buttons are " + FormatButtons(buttons);
        return buttons == static_cast<unsigned>(command.number);
    }
    case ScriptOp::ExpectMessage:
        why = m_hasMessage ? "the last message was " + QuoteText(m_lastMessage)
                           : std::string("no message box has been shown");
        return m_hasMessage && m_lastMessage == command.text;
    default:
        break;
    }
    CWnd* control = FindControl(sheet, command.id, why);
    if (control == nullptr)
    {
        return false;
    }
    std::string name = "control " + std::to_string(command.id);
    switch (command.op)
    {
    case ScriptOp::ExpectText: {
        std::string text = ControlText(*control);
        why = name + " shows " + QuoteText(text);
        return text == command.text;
    }
    case ScriptOp::ExpectEnabled:
        why = name + (control->IsWindowEnabled() ? " is enabled" : " is disabled");
        return (control->IsWindowEnabled() != FALSE) == command.flag;
    case ScriptOp::ExpectVisible:
        why = name + (control->IsWindowVisible() ? " is visible" : " is hidden");
        return (control->IsWindowVisible() != FALSE) == command.flag;
    case ScriptOp::ExpectItems: {
        if (!IsList(*control) && control->GetKind() != WindowKind::ListView)
        {
            why = name + " is a " + KindName(*control) + "; it has no items";
            return false;
        }
        std::vector<std::string> items = Items(*control);
        why = name + " has the items " + QuoteText(JoinItems(items));
        return items == command.items;
    }
    case ScriptOp::ExpectSelected: {
        if (!IsList(*control) && control->GetKind() != WindowKind::ListView)
        {
            why = name + " is a " + KindName(*control) + "; it has no selection";
            return false;
        }
        std::string selected = SelectedText(*control);
        why = name + " has " + (selected.empty() ? "nothing" : QuoteText(selected)) + " selected";
        return selected == command.text;
    }
    case ScriptOp::ExpectChecked: {
        if (!IsCheckBox(*control) && !IsRadio(*control))
        {
            why = name + " is a " + KindName(*control) + "; it cannot be checked";
            return false;
        }
        bool checked = static_cast<CButton*>(control)->GetCheck() == BST_CHECKED;
        why = name + (checked ? " is on" : " is off");
        return checked == command.flag;
    }
    default:
        return true;
    }
}

bool ScriptDriver::WaitForPage(CPropertySheet& sheet, const ScriptCommand& command)
{
    DWORD limit = static_cast<DWORD>(command.number);
    DWORD waited = 0;
    for (;;)
    {
        if (m_failed)
        {
            return false;
        }
        if (!sheet.IsOpen())
        {
            return Fail("the wizard closed while waiting for " + command.text);
        }
        if (CurrentPageName(sheet) == command.text)
        {
            return true;
        }
        if (waited >= limit)
        {
            return Fail(command.text + " did not become current within " + command.seconds +
                        " s (the current page is " + CurrentPageName(sheet) + ")");
        }
        DWORD step = std::min(kPagePollInterval, limit - waited);
        m_screen.Wait(step);
        waited += step;
    }
}

void ScriptDriver::Dump(CPropertySheet& sheet)
{
    CPropertyPage* page = sheet.GetActivePage();
    Print("  page " + std::to_string(sheet.GetActiveIndex()) + " " + CurrentPageName(sheet));
    Print("  title " + QuoteText(sheet.GetWindowText()));
    Print("  buttons " + FormatButtons(VisibleButtons(sheet)));
    if (page == nullptr)
    {
        return;
    }
    for (CWnd* control : page->GetChildren())
    {
        Print("  " + DumpLine(*control));
    }
}
