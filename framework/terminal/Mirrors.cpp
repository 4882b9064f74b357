// The mirror base and the table of mirror kinds.
#include "framework/terminal/Mirror.h"

#include "framework/ControlStyles.h"
#include "framework/terminal/SheetMirrors.h"
#include "framework/terminal/TerminalHostImpl.h"

namespace termhost
{
namespace
{

struct MirrorKind
{
    WindowKind kind;
    bool (*matches)(DWORD style);
    std::unique_ptr<Mirror> (*make)(TerminalHost::Impl& host, CWnd& wnd);
};

bool AnyStyle(DWORD)
{
    return true;
}

// In order: the first row that matches makes the mirror.
constexpr MirrorKind kMirrorKinds[] = {
    {WindowKind::Sheet, AnyStyle, MakeSheetMirror},
    {WindowKind::Page, AnyStyle, MakePageMirror},
    {WindowKind::Static, IsEtchedLineStyle, MakeLineMirror},
    {WindowKind::Static, IsPictureStyle, MakePictureMirror},
    {WindowKind::Static, AnyStyle, MakeTextMirror},
    {WindowKind::Button, IsGroupBoxStyle, MakeGroupBoxMirror},
    {WindowKind::Button, IsCheckBoxStyle, MakeCheckBoxMirror},
    {WindowKind::Button, IsRadioStyle, MakeRadioMirror},
    {WindowKind::Button, AnyStyle, MakePushButtonMirror},
    {WindowKind::Edit, AnyStyle, MakeEditMirror},
    {WindowKind::ComboBox, AnyStyle, MakeComboMirror},
    {WindowKind::ListBox, AnyStyle, MakeListBoxMirror},
    {WindowKind::ListView, AnyStyle, MakeListViewMirror},
};
} // namespace

std::unique_ptr<Mirror> MakeMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    for (const MirrorKind& row : kMirrorKinds)
    {
        if (row.kind == wnd.GetKind() && row.matches(wnd.GetStyle()))
        {
            return row.make(host, wnd);
        }
    }
    return nullptr;
}

void AfterUserActionOn(TerminalHost::Impl& host, const CWnd& wnd)
{
    host.AfterUserAction(&wnd);
}

void FocusWidget(finalcut::FWidget* widget)
{
    finalcut::FWidget* previous = finalcut::FWidget::getFocusWidget();
    if (widget == nullptr || widget == previous)
    {
        return;
    }
    if (previous != nullptr)
    {
        finalcut::FFocusEvent out(finalcut::Event::FocusOut);
        finalcut::FApplication::sendEvent(previous, &out);
    }
    widget->setFocus();
    finalcut::FFocusEvent in(finalcut::Event::FocusIn);
    finalcut::FApplication::sendEvent(widget, &in);
    if (previous != nullptr)
    {
        previous->redraw();
    }
    widget->redraw();
}

Mirror::~Mirror()
{
    if (auto* link = dynamic_cast<MirrorLink*>(m_widget))
    {
        link->mirror = nullptr;
    }
    if (m_widget != nullptr)
    {
        m_widget->delCallback();
    }
}

void Mirror::Create(finalcut::FWidget* window, const CellPlace& place)
{
    m_place = place;
    m_widget = MakeWidget(window);
    if (m_widget == nullptr)
    {
        return;
    }
    CWnd* parent = m_wnd.GetParent();
    if (parent != nullptr && parent->GetKind() == WindowKind::Page)
    {
        const finalcut::FPoint origin = SheetMirror::PageOrigin();
        Place(origin, m_place.rect);
    }
}

void Mirror::Place(const finalcut::FPoint& origin, const CellRect& cells)
{
    m_widget->setGeometry(origin + finalcut::FPoint{cells.col, cells.row},
                          finalcut::FSize{static_cast<std::size_t>(std::max(1, cells.width)),
                                          static_cast<std::size_t>(std::max(1, cells.height))});
}

void Mirror::JoinPage(PageMirror& page)
{
    page.EndRadioGroup();
    if (FocusTarget() != nullptr)
    {
        page.GiveLabelsTo(*this);
    }
}

void Mirror::Sync(WindowChange what)
{
    if (!ShowsState())
    {
        return;
    }
    m_showing = true;
    Show(what);
    // Mnemonics act only while their control shows (the toolkit keeps a window's accelerators
    // whatever shows), so a text follows its control's visibility.
    if (what == WindowChange::Visible)
    {
        Show(WindowChange::Text);
    }
    m_showing = false;
}

void Mirror::SyncAll()
{
    for (WindowChange what :
         {WindowChange::Text, WindowChange::Enabled, WindowChange::Items, WindowChange::Check,
          WindowChange::Limit, WindowChange::Icon, WindowChange::Progress, WindowChange::Visible})
    {
        Sync(what);
    }
}

bool Mirror::IsTabStop() const
{
    return (m_wnd.GetStyle() & WS_TABSTOP) != 0;
}

bool Mirror::Shown() const
{
    for (const CWnd* wnd = &m_wnd; wnd != nullptr; wnd = wnd->GetParent())
    {
        if ((wnd->GetStyle() & WS_VISIBLE) == 0)
        {
            return false;
        }
        if (wnd->GetKind() == WindowKind::Sheet)
        {
            break;
        }
    }
    return true;
}

bool Mirror::Reachable() const
{
    return Shown() && m_wnd.IsUserReachable() != FALSE;
}

SheetMirror* Mirror::Sheet() const
{
    return m_host.SheetOf(&m_wnd);
}

bool Mirror::Key(finalcut::FKey key)
{
    SheetMirror* sheet = Sheet();
    if (sheet == nullptr)
    {
        return false;
    }
    if (finalcut::isEnterKey(key))
    {
        sheet->PressDefaultButton();
        return true;
    }
    if (finalcut::isEscapeKey(key))
    {
        sheet->PressCancel();
        return true;
    }
    return false;
}

bool Mirror::MoveFocus(int step)
{
    SheetMirror* sheet = Sheet();
    return sheet != nullptr && sheet->MoveFocus(this, step);
}

void Mirror::Show(WindowChange what)
{
    switch (what)
    {
    case WindowChange::Enabled:
        m_widget->setEnable(m_wnd.IsWindowEnabled() != FALSE);
        m_widget->redraw();
        break;
    case WindowChange::Visible:
        if (Shown())
        {
            m_widget->setVisible(true);
            // A widget shows with its window; until then it is only marked visible.
            const finalcut::FWidget* window = m_widget->getParentWidget();
            if (window != nullptr && window->isShown())
            {
                m_widget->show();
            }
        }
        else if (m_widget->isShown())
        {
            m_widget->hide();
            // The toolkit leaves a hidden child's cells as they were: the window draws them
            // again without it.
            if (finalcut::FWidget* window = m_widget->getParentWidget())
            {
                window->redraw();
            }
        }
        break;
    case WindowChange::Focus:
        if (CWnd::GetFocus() == &m_wnd)
        {
            FocusWidget(FocusTarget());
        }
        break;
    default:
        break;
    }
}
} // namespace termhost
