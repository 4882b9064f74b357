#include "framework/terminal/SheetMirrors.h"

#include "framework/PropertySheet.h"
#include "framework/terminal/TerminalHostImpl.h"

#include <algorithm>
#include <string>

namespace termhost
{
namespace
{
// Inside the window's frame: a blank column each side of the page area; below the page area
// the separator line and the row of buttons, which ends one column before the frame.
constexpr int kInsideColumns = TerminalHost::kColumns - 2;
constexpr int kPageRows = TerminalHost::kRows - 5;
constexpr int kSeparatorY = kPageRows + 1;
constexpr int kButtonsY = kPageRows + 2;

// The sheet's window: Enter, Escape and the close command go to the sheet's buttons; Tab from
// outside the page's controls starts the page's tab order.
class WizardWindow : public finalcut::FDialog
{
public:
    WizardWindow(TerminalHost::Impl& host, CPropertySheet& sheet, finalcut::FWidget* parent)
        : finalcut::FDialog(parent), m_host(host), m_sheet(sheet)
    {
    }

protected:
    void onKeyPress(finalcut::FKeyEvent* event) override
    {
        SheetMirror* mirror = Mine();
        if (mirror != nullptr && finalcut::isEnterKey(event->key()))
        {
            event->accept();
            mirror->PressDefaultButton();
            return;
        }
        if (mirror != nullptr && finalcut::isEscapeKey(event->key()))
        {
            event->accept();
            mirror->PressCancel();
            return;
        }
        finalcut::FDialog::onKeyPress(event);
    }

    void onClose(finalcut::FCloseEvent* event) override
    {
        // The framework decides: an ended sheet hides its window itself. During a busy call
        // the framework sees nothing, so the close command does nothing then.
        event->ignore();
        SheetMirror* mirror = Mine();
        if (mirror != nullptr && !m_host.ticks.Busy())
        {
            mirror->PressCancel();
        }
    }

    bool focusNextChild() override
    {
        SheetMirror* mirror = Mine();
        return mirror != nullptr && mirror->MoveFocus(nullptr, +1);
    }

    bool focusPrevChild() override
    {
        SheetMirror* mirror = Mine();
        return mirror != nullptr && mirror->MoveFocus(nullptr, -1);
    }

    void adjustSize() override
    {
        finalcut::FDialog::adjustSize();
        if (SheetMirror* mirror = Mine())
        {
            mirror->FitTerminal();
        }
    }

private:
    // The sheet's mirror while this window still shows the sheet; nullptr afterwards.
    SheetMirror* Mine() const
    {
        auto* mirror = dynamic_cast<SheetMirror*>(m_host.Find(&m_sheet));
        return mirror != nullptr && mirror->Widget() == this ? mirror : nullptr;
    }

    TerminalHost::Impl& m_host;
    CPropertySheet& m_sheet;
};
} // namespace

void LineWidget::draw()
{
    setColor();
    print() << finalcut::FPoint{1, 1}
            << finalcut::FString(getWidth(), finalcut::UniChar::BoxDrawingsHorizontal);
}

void ProgressWidget::SetProgress(int done, int total)
{
    m_done = done;
    m_total = total;
    finalcut::FWidget* window = getParentWidget();
    if (total > 0)
    {
        // As a control, it shows with its window; until then it is only marked visible.
        setVisible(true);
        if (window != nullptr && window->isShown())
        {
            show();
            redraw();
        }
    }
    else if (isShown())
    {
        hide();
        // The toolkit leaves a hidden child's cells as they were.
        if (window != nullptr)
        {
            window->redraw();
        }
    }
    else
    {
        setVisible(false);
    }
}

void ProgressWidget::draw()
{
    setColor();
    const std::string count = " " + std::to_string(m_done) + " of " + std::to_string(m_total);
    const int width = static_cast<int>(getWidth());
    const int bar = std::max(0, width - static_cast<int>(count.size()));
    const int full = m_total > 0 ? bar * m_done / m_total : 0;
    print() << finalcut::FPoint{1, 1}
            << finalcut::FString(static_cast<std::size_t>(full), finalcut::UniChar::FullBlock)
            << finalcut::FString(static_cast<std::size_t>(bar - full),
                                 finalcut::UniChar::MediumShade)
            << finalcut::FString(count);
}

std::unique_ptr<Mirror> MakeSheetMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<SheetMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakePageMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<PageMirror>(host, wnd);
}

// ---- SheetMirror

SheetMirror::~SheetMirror()
{
    if (finalcut::FWidget::getMainWidget() == m_widget)
    {
        finalcut::FWidget::setMainWidget(nullptr);
    }
}

CPropertySheet& SheetMirror::Sheet() const
{
    return static_cast<CPropertySheet&>(m_wnd);
}

finalcut::FPoint SheetMirror::PageOrigin()
{
    return {2, 1};
}

int SheetMirror::PageColumns()
{
    return kInsideColumns - 2;
}

int SheetMirror::PageRows()
{
    return kPageRows;
}

void SheetMirror::PlaceButtons()
{
    int left = kInsideColumns;
    int right = 0;
    std::vector<Mirror*> buttons;
    for (CWnd* child : m_wnd.GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        if (child->GetKind() == WindowKind::Button && mirror != nullptr &&
            mirror->Widget() != nullptr)
        {
            buttons.push_back(mirror);
            left = std::min(left,
                            static_cast<int>((child->GetDialogRect().left + 2) / kUnitsPerColumn));
            right = std::max(
                right, static_cast<int>((child->GetDialogRect().right + 2) / kUnitsPerColumn));
        }
    }
    const int shift = kInsideColumns - 1 - right;
    for (Mirror* button : buttons)
    {
        const CRect units = button->Wnd().GetDialogRect();
        const int col = static_cast<int>((units.left + 2) / kUnitsPerColumn);
        const int width = static_cast<int>((units.Width() + 2) / kUnitsPerColumn);
        button->Widget()->setGeometry(finalcut::FPoint{1 + shift + col, kButtonsY},
                                      finalcut::FSize{static_cast<std::size_t>(width), 1});
    }
    // From the page area's left edge to two columns before the first button.
    const finalcut::FPoint origin = PageOrigin();
    m_progress->setGeometry(
        finalcut::FPoint{origin.getX(), kButtonsY},
        finalcut::FSize{static_cast<std::size_t>(std::max(1, shift + left - origin.getX())), 1});
}

finalcut::FWidget* SheetMirror::MakeWidget(finalcut::FWidget* window)
{
    auto* dialog = new WizardWindow(m_host, Sheet(), window);
    dialog->setResizeable(false);
    dialog->setMinimizable(false);
    dialog->setSize(finalcut::FSize{TerminalHost::kColumns, TerminalHost::kRows});
    auto* separator = new LineWidget(dialog);
    separator->setGeometry(finalcut::FPoint{1, kSeparatorY},
                           finalcut::FSize{static_cast<std::size_t>(kInsideColumns), 1});
    m_progress = new ProgressWidget(dialog);
    m_progress->hide();
    m_notice = new finalcut::FDialog(dialog);
    m_notice->setText("QUORAN Configuration Wizard");
    m_notice->setResizeable(false);
    m_noticeText = new finalcut::FLabel(m_notice);
    return dialog;
}

void SheetMirror::Show(WindowChange what)
{
    switch (what)
    {
    case WindowChange::Text:
        static_cast<finalcut::FDialog*>(m_widget)->setText(m_wnd.GetWindowText());
        m_widget->redraw();
        break;
    case WindowChange::Visible:
        ShowWindow();
        break;
    case WindowChange::Progress: {
        const CPropertySheet::Progress progress = Sheet().GetProgress();
        m_progress->SetProgress(progress.done, progress.total);
        break;
    }
    case WindowChange::Enabled:
    case WindowChange::Focus:
        break;
    default:
        Mirror::Show(what);
    }
}

void SheetMirror::ShowWindow()
{
    const bool visible = (m_wnd.GetStyle() & WS_VISIBLE) != 0;
    if (!visible)
    {
        m_widget->hide();
        return;
    }
    if (m_widget->isShown())
    {
        return;
    }
    finalcut::FWidget::setMainWidget(m_widget);
    m_widget->show();
    m_notice->hide();
    // Each control shows as its window and page say, now that the window does.
    for (auto& [wnd, mirror] : m_host.mirrors)
    {
        if (mirror.get() != this && m_host.SheetOf(wnd) == this)
        {
            mirror->Sync(WindowChange::Visible);
        }
    }
    PlaceButtons();
    static_cast<finalcut::FDialog*>(m_widget)->activateDialog();
    FitTerminal();
    // The first page was shown while the window was still hidden.
    FocusStart(ActivePage());
}

void SheetMirror::FitTerminal()
{
    if (m_widget == nullptr || !m_widget->isShown())
    {
        return;
    }
    const int columns = static_cast<int>(m_widget->getDesktopWidth());
    const int rows = static_cast<int>(m_widget->getDesktopHeight());
    m_widget->setPos(finalcut::FPoint{1 + std::max(0, (columns - TerminalHost::kColumns) / 2),
                                      1 + std::max(0, (rows - TerminalHost::kRows) / 2)});
    if (columns >= TerminalHost::kColumns && rows >= TerminalHost::kRows)
    {
        m_notice->hide();
        m_widget->redraw();
        return;
    }
    const std::string text = "The wizard needs a terminal of at least " +
                             std::to_string(TerminalHost::kColumns) + " x " +
                             std::to_string(TerminalHost::kRows) + " characters; this one has " +
                             std::to_string(columns) + " x " + std::to_string(rows) + ".";
    const int width = std::max(10, std::min(columns, 44));
    const std::vector<std::string> lines = WrapText(text, width - 4);
    std::string shown;
    for (const std::string& line : lines)
    {
        shown += (shown.empty() ? "" : "\n") + line;
    }
    const int height = static_cast<int>(lines.size()) + 4;
    m_noticeText->setText(shown);
    m_noticeText->setGeometry(finalcut::FPoint{2, 2},
                              finalcut::FSize{static_cast<std::size_t>(width - 4), lines.size()});
    m_notice->setGeometry(finalcut::FPoint{1, 1},
                          finalcut::FSize{static_cast<std::size_t>(width),
                                          static_cast<std::size_t>(std::min(height, rows))});
    m_notice->show();
    m_notice->raiseWindow();
    m_notice->redraw();
}

PageMirror* SheetMirror::ActivePage() const
{
    return dynamic_cast<PageMirror*>(m_host.Find(Sheet().GetActivePage()));
}

void SheetMirror::PageShown(PageMirror& page)
{
    if (m_widget->isShown())
    {
        FocusStart(&page);
    }
}

std::vector<Mirror*> SheetMirror::FocusChain() const
{
    std::vector<Mirror*> chain;
    auto add = [this, &chain](CWnd& parent) {
        for (CWnd* child : parent.GetChildren())
        {
            Mirror* mirror = m_host.Find(child);
            if (mirror != nullptr && mirror->FocusTarget() != nullptr && mirror->IsTabStop() &&
                mirror->Reachable())
            {
                chain.push_back(mirror);
            }
        }
    };
    if (CPropertyPage* page = Sheet().GetActivePage())
    {
        add(*page);
    }
    add(m_wnd);
    return chain;
}

bool SheetMirror::MoveFocus(const Mirror* from, int step)
{
    const std::vector<Mirror*> chain = FocusChain();
    if (chain.empty())
    {
        return false;
    }
    const auto count = static_cast<int>(chain.size());
    auto at = std::find(chain.begin(), chain.end(), from);
    int index =
        at != chain.end() ? static_cast<int>(at - chain.begin()) : (step > 0 ? count - 1 : 0);
    if (at == chain.end() && from != nullptr)
    {
        // From a control Tab does not stop at (a radio button of a group): from its place in
        // the tab order.
        for (int i = 0; i < count; ++i)
        {
            if (chain[static_cast<size_t>(i)]->Wnd().GetParent() == from->Wnd().GetParent())
            {
                index = step > 0 ? i - 1 : i;
            }
        }
    }
    index = ((index + step) % count + count) % count;
    FocusWidget(chain[static_cast<size_t>(index)]->FocusTarget());
    return true;
}

void SheetMirror::FocusStart(const PageMirror* page)
{
    Mirror* target = page != nullptr ? page->StartingControl() : nullptr;
    if (target == nullptr)
    {
        target = DefaultButton();
    }
    if (target != nullptr)
    {
        FocusWidget(target->FocusTarget());
    }
}

Mirror* SheetMirror::DefaultButton() const
{
    for (int id : {ID_WIZFINISH, ID_WIZNEXT})
    {
        Mirror* mirror = m_host.Find(m_wnd.GetDlgItem(id));
        if (mirror != nullptr && mirror->Reachable())
        {
            return mirror;
        }
    }
    return nullptr;
}

void SheetMirror::PressDefaultButton()
{
    Act([](CWnd& wnd) {
        auto& sheet = static_cast<CPropertySheet&>(wnd);
        sheet.PressButton(sheet.GetDefaultButtonId());
    });
}

void SheetMirror::PressCancel()
{
    Act([](CWnd& wnd) { static_cast<CPropertySheet&>(wnd).PressButton(IDCANCEL); });
}

// ---- PageMirror

CellPlace PageMirror::NextPlace() const
{
    const DialogTemplate* dialog =
        AfxFindDialog(static_cast<CPropertyPage&>(m_wnd).GetTemplateId());
    if (dialog == nullptr)
    {
        return {};
    }
    // The control just made is the page's last child.
    const size_t index = m_wnd.GetChildren().size() - 1;
    const std::vector<CellPlace> places =
        LayOutPage(dialog->items, SheetMirror::PageColumns(), SheetMirror::PageRows());
    return index < places.size() ? places[index] : CellPlace{};
}

void PageMirror::Show(WindowChange what)
{
    if (what != WindowChange::Visible)
    {
        return;
    }
    for (CWnd* child : m_wnd.GetChildren())
    {
        if (Mirror* mirror = m_host.Find(child))
        {
            mirror->Sync(WindowChange::Visible);
        }
    }
    if ((m_wnd.GetStyle() & WS_VISIBLE) != 0)
    {
        if (SheetMirror* sheet = Sheet())
        {
            sheet->PageShown(*this);
        }
    }
}

void PageMirror::AddLabel(Mirror& label)
{
    m_labels.push_back(&label);
}

void PageMirror::GiveLabelsTo(Mirror& target)
{
    std::vector<Mirror*> labels;
    labels.swap(m_labels);
    for (Mirror* label : labels)
    {
        if (auto* text = dynamic_cast<finalcut::FLabel*>(label->Widget()))
        {
            text->setAccelWidget(target.FocusTarget());
            label->Sync(WindowChange::Text);
        }
    }
}

int PageMirror::RadioGroup(bool startsGroup)
{
    if (startsGroup || m_openGroup == 0)
    {
        m_openGroup = ++m_groups;
    }
    return m_openGroup;
}

Mirror* PageMirror::StartingControl() const
{
    CWnd* focus = CWnd::GetFocus();
    if (focus != nullptr && focus->GetParent() == &m_wnd)
    {
        Mirror* mirror = m_host.Find(focus);
        if (mirror != nullptr && mirror->FocusTarget() != nullptr && mirror->Reachable())
        {
            return mirror;
        }
    }
    for (CWnd* child : m_wnd.GetChildren())
    {
        Mirror* mirror = m_host.Find(child);
        if (mirror != nullptr && mirror->FocusTarget() != nullptr && mirror->IsTabStop() &&
            mirror->Reachable())
        {
            return mirror;
        }
    }
    return nullptr;
}
} // namespace termhost
