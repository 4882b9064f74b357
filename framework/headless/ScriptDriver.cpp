#include "framework/headless/ScriptDriver.h"

#include "framework/MessageBox.h"
#include "framework/headless/SheetController.h"
#include "framework/headless/Wording.h"

#include <algorithm>
#include <ostream>

namespace
{
// wait-page looks at the current page this often (milliseconds).
constexpr DWORD kPagePollInterval = 100;

// What a user reads in the control: the selected item of a combo or list box, else its text.
std::string ControlText(const CWnd& wnd)
{
    return IsItemList(wnd) ? SelectedItemText(wnd) : wnd.GetWindowText();
}

std::string DumpLine(const CWnd& wnd)
{
    std::string line = "control " + std::to_string(wnd.GetDlgCtrlID()) + " " + ControlKindName(wnd);
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
               QuoteText(JoinItems(ItemTexts(wnd))) + " selected " +
               QuoteText(SelectedItemText(wnd));
    }
    if (IsItemList(wnd))
    {
        return line + " items " + QuoteText(JoinItems(ItemTexts(wnd))) + " selected " +
               QuoteText(SelectedItemText(wnd));
    }
    return line + " text " + QuoteText(wnd.GetWindowText());
}

// Does what an action command says, as a user would; false when a user could not.
bool Act(SheetController& user, const ScriptCommand& command)
{
    using Need = SheetController::ButtonNeed;
    switch (command.op)
    {
    case ScriptOp::Next:
        return user.Next();
    case ScriptOp::Back:
        return user.Back();
    case ScriptOp::Finish:
        return user.Finish();
    case ScriptOp::Cancel:
        return user.Cancel();
    case ScriptOp::Set:
        return user.Type(command.id, command.text);
    case ScriptOp::Select:
        return user.SelectText(command.id, command.text);
    case ScriptOp::Check:
        return user.Check(command.id, command.flag ? BST_CHECKED : BST_UNCHECKED, Need::CheckBox);
    case ScriptOp::Radio:
        return user.Click(command.id, Need::RadioButton);
    case ScriptOp::Click:
        return user.Click(command.id);
    case ScriptOp::Row:
        return user.SelectRow(command.id, command.number);
    default:
        return true;
    }
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
} // namespace

int ScriptHost::MessageBox(const std::string& text, const std::string&, UINT nType,
                           const std::string&)
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
    case ScriptOp::ExpectProgress:
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
    SheetController user(sheet, [&why](const std::string& failure) { why = failure; });
    return Act(user, command) || Fail(why);
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
    case ScriptOp::ExpectProgress: {
        const CPropertySheet::Progress progress = sheet.GetProgress();
        why = progress.total == 0
                  ? std::string("no progress is shown")
                  : "the progress is " + FormatProgress(progress.done, progress.total);
        return progress.total == command.total &&
               (command.number < 0 || progress.done == command.number);
    }
    case ScriptOp::ExpectMessage:
        why = m_hasMessage ? "the last message was " + QuoteText(m_lastMessage)
                           : std::string("no message box has been shown");
        return m_hasMessage && m_lastMessage == command.text;
    default:
        break;
    }
    SheetController user(sheet, [&why](const std::string& failure) { why = failure; });
    CWnd* control = user.RequireControl(command.id);
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
        if (!IsItemList(*control) && control->GetKind() != WindowKind::ListView)
        {
            why = name + " is a " + ControlKindName(*control) + "; it has no items";
            return false;
        }
        std::vector<std::string> items = ItemTexts(*control);
        why = name + " has the items " + QuoteText(JoinItems(items));
        return items == command.items;
    }
    case ScriptOp::ExpectSelected: {
        if (!IsItemList(*control) && control->GetKind() != WindowKind::ListView)
        {
            why = name + " is a " + ControlKindName(*control) + "; it has no selection";
            return false;
        }
        std::string selected = SelectedItemText(*control);
        why = name + " has " + (selected.empty() ? "nothing" : QuoteText(selected)) + " selected";
        return selected == command.text;
    }
    case ScriptOp::ExpectChecked: {
        if (!IsCheckBox(*control) && !IsRadio(*control))
        {
            why = name + " is a " + ControlKindName(*control) + "; it cannot be checked";
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
