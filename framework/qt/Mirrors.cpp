// The mirror base and the table of mirror kinds.
#include "framework/qt/Mirror.h"

#include "framework/ControlStyles.h"
#include "framework/qt/QtHostImpl.h"
#include "framework/qt/SheetMirrors.h"

#include <QAbstractButton>
#include <QSignalBlocker>

namespace qthost
{
namespace
{
struct MirrorKind
{
    WindowKind kind;
    bool (*matches)(DWORD style);
    std::unique_ptr<Mirror> (*make)(QtHost::Impl& host, CWnd& wnd);
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

std::unique_ptr<Mirror> MakeMirror(QtHost::Impl& host, CWnd& wnd)
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

void AfterUserActionOn(QtHost::Impl& host, const CWnd& wnd)
{
    host.AfterUserAction(&wnd);
}

QRect PixelRect(const CWnd& wnd)
{
    RECT rect;
    wnd.GetWindowRect(&rect);
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void Mirror::Create(QWidget* parent)
{
    m_widget = MakeWidget(parent);
    m_widget->setStyle(m_host.style.get());
    if (TakesFocus())
    {
        m_widget->setFocusPolicy((m_wnd.GetStyle() & WS_TABSTOP) != 0 ? Qt::StrongFocus
                                                                      : Qt::ClickFocus);
    }
    CWnd* parentWnd = m_wnd.GetParent();
    if (parentWnd != nullptr && parentWnd->GetKind() == WindowKind::Page)
    {
        m_widget->setGeometry(Geometry());
    }
}

void Mirror::JoinPage(PageMirror& page)
{
    page.EndRadioGroup();
    if (!TakesFocus())
    {
        return;
    }
    // A button says its own text.
    if (qobject_cast<QAbstractButton*>(m_widget.data()) == nullptr)
    {
        m_widget->setAccessibleName(page.NearestLabelText());
    }
    page.GiveLabelsTo(m_widget);
}

QRect Mirror::Geometry() const
{
    return PixelRect(m_wnd);
}

void Mirror::Sync(WindowChange what)
{
    if (m_widget == nullptr)
    {
        return;
    }
    QSignalBlocker blocker(m_widget.data());
    Show(what);
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

void Mirror::Show(WindowChange what)
{
    switch (what)
    {
    case WindowChange::Enabled:
        m_widget->setEnabled(m_wnd.IsWindowEnabled() != FALSE);
        break;
    case WindowChange::Visible:
        m_widget->setVisible((m_wnd.GetStyle() & WS_VISIBLE) != 0);
        break;
    case WindowChange::Focus:
        if (CWnd::GetFocus() == &m_wnd)
        {
            m_widget->setFocus(Qt::OtherFocusReason);
        }
        break;
    default:
        break;
    }
}
} // namespace qthost
