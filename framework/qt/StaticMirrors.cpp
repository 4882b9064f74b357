// Statics (text, picture, etched line) and group boxes: controls the user cannot act on.
#include "framework/ControlStyles.h"
#include "framework/qt/Mirror.h"
#include "framework/qt/QtHostImpl.h"
#include "framework/qt/QtText.h"
#include "framework/qt/SheetMirrors.h"

#include "framework/Resources.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace qthost
{
namespace
{
// A text static wraps at word breaks within its rectangle, as Windows' SS_LEFT does. Its
// mnemonic moves the focus to the next control that takes it; until it has such a control, the
// label shows its text without the mark.
class TextMirror : public Mirror
{
public:
    using Mirror::Mirror;

    // It leaves the page's radio group open.
    void JoinPage(PageMirror& page) override { page.AddLabel(m_wnd); }

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        label->setWordWrap(true);
        DWORD type = StaticType(m_wnd.GetStyle());
        Qt::Alignment horizontal = type == SS_CENTER  ? Qt::AlignHCenter
                                   : type == SS_RIGHT ? Qt::AlignRight
                                                      : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
        return label;
    }

    void Show(WindowChange what) override
    {
        if (what != WindowChange::Text)
        {
            Mirror::Show(what);
            return;
        }
        auto* label = static_cast<QLabel*>(m_widget.data());
        QString shown = ToQtMultiline(m_wnd.GetWindowText());
        label->setText(label->buddy() != nullptr ? shown : WithoutMnemonic(shown));
        if (auto* page = dynamic_cast<PageMirror*>(m_host.Find(m_wnd.GetParent())))
        {
            page->TextShown(m_wnd, shown);
        }
    }
};

// An SS_BITMAP or SS_ICON static: the image resource drawn at the control's size.
class PictureMirror : public Mirror
{
public:
    using Mirror::Mirror;

    // Like every static, it leaves the page's radio group open.
    void JoinPage(PageMirror&) override {}

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* label = new QLabel(parent);
        label->setFocusPolicy(Qt::NoFocus);
        label->setPixmap(Render(Geometry().size()));
        return label;
    }

private:
    QPixmap Render(QSize size) const
    {
        const ImageResource* image = AfxFindImage(m_wnd.GetImageId());
        if (image == nullptr || image->svg == nullptr || size.isEmpty())
        {
            return QPixmap();
        }
        QSvgRenderer renderer(QByteArray(image->svg));
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return picture;
    }
};

// SS_ETCHEDHORZ: a sunken line.
class LineMirror : public Mirror
{
public:
    using Mirror::Mirror;

    void JoinPage(PageMirror&) override {}

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
};

// A group box frames other controls; it takes no focus and passes no mnemonic on, but it
// names the control that follows it, as a static would.
class GroupBoxMirror : public Mirror
{
public:
    using Mirror::Mirror;

    void JoinPage(PageMirror& page) override
    {
        Mirror::JoinPage(page);
        page.AddLabel(m_wnd);
    }

protected:
    QWidget* MakeWidget(QWidget* parent) override
    {
        auto* box = new QGroupBox(parent);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
        {
            static_cast<QGroupBox*>(m_widget.data())
                ->setTitle(WithoutMnemonic(ToQt(m_wnd.GetWindowText())));
        }
        else
        {
            Mirror::Show(what);
        }
    }
};
} // namespace

std::unique_ptr<Mirror> MakeTextMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<TextMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakePictureMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<PictureMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeLineMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<LineMirror>(host, wnd);
}

std::unique_ptr<Mirror> MakeGroupBoxMirror(QtHost::Impl& host, CWnd& wnd)
{
    return std::make_unique<GroupBoxMirror>(host, wnd);
}
} // namespace qthost
