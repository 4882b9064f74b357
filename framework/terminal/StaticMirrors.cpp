// Statics (text, picture, etched line) and group boxes: controls the user cannot act on.
#include "framework/ControlStyles.h"
#include "framework/terminal/Mirror.h"
#include "framework/terminal/SheetMirrors.h"
#include "framework/terminal/TerminalHostImpl.h"

#include <algorithm>

namespace termhost
{
namespace
{
// A text static wraps at word breaks within its cells, as Windows' SS_LEFT does, taking the
// free rows below it for a text longer than its template's. Its mnemonic moves the focus to the
// next control that takes it; until it has such a control, and while it does not show, the
// label shows its text without the mark (a hidden page's mnemonics must not act).
class TextMirror : public Mirror
{
public:
    using Mirror::Mirror;

    // It leaves the page's radio group open.
    void JoinPage(PageMirror& page) override { page.AddLabel(*this); }

    bool AcceptsMnemonic() const override
    {
        auto* label = static_cast<finalcut::FLabel*>(m_widget);
        const finalcut::FWidget* target = label->getAccelWidget();
        return Reachable() && target != nullptr && target->isEnabled() && target->isShown();
    }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* label = new Mirrored<finalcut::FLabel>(*this, window);
        const DWORD type = StaticType(m_wnd.GetStyle());
        label->setAlignment(type == SS_CENTER  ? finalcut::Align::Center
                            : type == SS_RIGHT ? finalcut::Align::Right
                                               : finalcut::Align::Left);
        return label;
    }

    void Show(WindowChange what) override
    {
        if (what != WindowChange::Text)
        {
            Mirror::Show(what);
            return;
        }
        auto* label = static_cast<finalcut::FLabel*>(m_widget);
        const std::string text = m_wnd.GetWindowText();
        const bool withMnemonic = label->getAccelWidget() != nullptr && Shown();
        const int width = std::max(1, m_place.rect.width);
        std::vector<std::string> lines =
            WrapText(withMnemonic ? text : WithoutMnemonic(text), width);
        const int rows = std::max(m_place.rect.height,
                                  std::min(static_cast<int>(lines.size()), m_place.roomRows));
        lines.resize(std::min(lines.size(), static_cast<size_t>(rows)));
        std::string shown;
        for (const std::string& line : lines)
        {
            shown += (shown.empty() ? "" : "\n") + line;
        }
        if (m_wnd.GetParent() != nullptr && m_wnd.GetParent()->GetKind() == WindowKind::Page)
        {
            Place(SheetMirror::PageOrigin(),
                  {m_place.rect.col, m_place.rect.row, m_place.rect.width, std::max(1, rows)});
        }
        label->setText(shown);
        label->redraw();
    }
};

// An SS_BITMAP or SS_ICON static: a terminal shows no picture.
class PictureMirror : public Mirror
{
public:
    using Mirror::Mirror;

    // Like every static, it leaves the page's radio group open.
    void JoinPage(PageMirror&) override {}

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget*) override { return nullptr; }
};

// SS_ETCHEDHORZ: a line.
class LineMirror : public Mirror
{
public:
    using Mirror::Mirror;

    void JoinPage(PageMirror&) override {}

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        return new LineWidget(window);
    }
};

// A group box frames other controls: a frame with its text in the top line. It takes no focus
// and passes no mnemonic on.
class FrameWidget : public finalcut::FWidget
{
public:
    using finalcut::FWidget::FWidget;
    std::string title;

protected:
    void draw() override
    {
        setColor();
        finalcut::drawBorder(this, finalcut::FRect{finalcut::FPoint{1, 1}, getSize()});
        if (!title.empty() && getWidth() > 4)
        {
            print() << finalcut::FPoint{2, 1} << " " + title.substr(0, getWidth() - 4) + " ";
        }
    }
};

class GroupBoxMirror : public Mirror
{
public:
    using Mirror::Mirror;

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* frame = new FrameWidget(window);
        frame->unsetFocusable();
        return frame;
    }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
        {
            static_cast<FrameWidget*>(m_widget)->title = WithoutMnemonic(m_wnd.GetWindowText());
            m_widget->redraw();
        }
        else
        {
            Mirror::Show(what);
        }
    }
};
} // namespace

std::unique_ptr<Mirror> MakeTextMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<TextMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakePictureMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<PictureMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeLineMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<LineMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeGroupBoxMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<GroupBoxMirror>(host, wnd);
}
} // namespace termhost
