// Edits: one QLineEdit each.
#include "framework/Controls.h"
#include "framework/qt/Mirror.h"
#include "framework/qt/QtText.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace qthost
{
namespace
{
// The longest text a QLineEdit takes.
constexpr int kLineEditMaximum = 32767;

// Each keystroke of the user is one user edit (one EN_CHANGE). The text limit stops the user's
// typing only: the program may set a longer text, which the edit then shows whole, as on
// Windows.
class EditMirror : public Mirror
{
public:
    using Mirror::Mirror;
    bool TakesFocus() const override { return true; }

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* edit = new QLineEdit(parent);
        DWORD style = m_wnd.GetStyle();
        edit->setFrame((style & WS_BORDER) != 0);
        edit->setReadOnly((style & ES_READONLY) != 0);
        if ((style & ES_NUMBER) != 0)
        {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
            Act([&text](CWnd& wnd) { static_cast<CEdit&>(wnd).UserType(FromQt(text)); });
        });
        return edit;
    }

    void Show(WindowChange what) override
    {
        auto* edit = static_cast<QLineEdit*>(m_widget.data());
        if (what == WindowChange::Text)
        {
            QString shown = ToQt(m_wnd.GetWindowText());
            edit->setMaxLength(Maximum(shown));
            if (edit->text() != shown)
            {
                edit->setText(shown);
            }
        }
        else if (what == WindowChange::Limit)
        {
            edit->setMaxLength(Maximum(edit->text()));
        }
        else
        {
            Mirror::Show(what);
        }
    }

private:
    // The most characters the user may have: the limit, or more when the program has set a
    // longer text.
    int Maximum(const QString& text) const
    {
        UINT limit = static_cast<CEdit&>(m_wnd).GetLimitText();
        int length = limit == 0 || limit > static_cast<UINT>(kLineEditMaximum)
                         ? kLineEditMaximum
                         : static_cast<int>(limit);
        return std::max(length, static_cast<int>(text.size()));
    }
};
} // namespace

std::unique_ptr<Mirror> MakeEditMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<EditMirror>(host, wnd);
}
} // namespace qthost
