// Edits: one line-edit field each.
#include "framework/Controls.h"
#include "framework/terminal/Mirror.h"

#include <algorithm>

namespace termhost
{
namespace
{
// Each keystroke of the user is one user edit (one EN_CHANGE). The text limit stops the user's
// typing only: the program may set a longer text, which the edit then shows whole, as on
// Windows.
class EditMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override
    {
        auto* edit = new Mirrored<finalcut::FLineEdit>(*this, window);
        edit->unsetShadow();
        const DWORD style = m_wnd.GetStyle();
        edit->setReadOnly((style & ES_READONLY) != 0);
        if ((style & ES_NUMBER) != 0)
        {
            edit->setInputFilter("[0-9]");
        }
        edit->addCallback("changed", [this, edit]() {
            const std::string text = edit->getText().toString();
            Act([&text](CWnd& wnd) { static_cast<CEdit&>(wnd).UserType(text); });
        });
        return edit;
    }

    void Show(WindowChange what) override
    {
        auto* edit = static_cast<finalcut::FLineEdit*>(m_widget);
        if (what == WindowChange::Text)
        {
            const std::string shown = m_wnd.GetWindowText();
            edit->setMaxLength(Maximum(shown.size()));
            if (edit->getText().toString() != shown)
            {
                edit->setText(shown);
                edit->redraw();
            }
        }
        else if (what == WindowChange::Limit)
        {
            edit->setMaxLength(Maximum(edit->getText().getLength()));
        }
        else
        {
            Mirror::Show(what);
        }
    }

private:
    // The most characters the user may have: the limit, or more when the program has set a
    // longer text.
    std::size_t Maximum(std::size_t length) const
    {
        const UINT limit = static_cast<CEdit&>(m_wnd).GetLimitText();
        return std::max<std::size_t>(limit, length);
    }
};
} // namespace

std::unique_ptr<Mirror> MakeEditMirror(TerminalHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<EditMirror>(host, wnd);
}
} // namespace termhost
