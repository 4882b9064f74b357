// One framework window and the widget that shows it. Each kind of window has a mirror class of
// its own (the table in Mirrors.cpp picks it by the window's kind and style): it makes the
// widget, shows the window's state in it and turns what the user does to the widget into the
// framework's user actions, which send the change notifications. Programmatic changes are shown
// with the widget's signals blocked, so that only the user's own actions reach the framework.
#pragma once

#include "framework/qt/QtHost.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

namespace qthost
{
class PageMirror;

// QtHost::Impl::AfterUserAction, for Mirror::Act.
void AfterUserActionOn(QtHost::Impl& host, const CWnd& wnd);

class Mirror
{
public:
    Mirror(QtHost::Impl& host, CWnd& wnd) : m_host(host), m_wnd(wnd) {}
    virtual ~Mirror() = default;
    Mirror(const Mirror&) = delete;
    Mirror& operator=(const Mirror&) = delete;

    CWnd& Wnd() const { return m_wnd; }
    // nullptr once Qt has deleted the widget.
    QWidget* Widget() const { return m_widget.data(); }

    // Makes the widget under `parent` (nullptr: a top-level window) in the host's style; a
    // control of a page is placed at once, and one that takes the focus is a tab stop when its
    // style says WS_TABSTOP. The window's state is shown by SyncAll afterwards.
    void Create(QWidget* parent);
    // Called for each control of a page as it is created, in template (tab) order, after
    // Create. The base ends the page's open radio group, and a control that takes the focus
    // becomes the target of the statics' mnemonics that wait for one.
    virtual void JoinPage(PageMirror& page);

    // Shows one part of the window's state in the widget.
    void Sync(WindowChange what);
    void SyncAll();
    // The user has acted on this window: shows its state again (the framework may have refused
    // the action), with that of the windows the action changes alongside.
    virtual void AfterUserAction() { SyncAll(); }

    // The user can give the widget the keyboard focus.
    virtual bool TakesFocus() const { return false; }

protected:
    // Runs the user's action on the window (action(CWnd&)), then the host's AfterUserAction.
    // The action may end the sheet and with it this mirror, so nothing of the mirror is used
    // once it has run.
    template <class Action> void Act(Action action)
    {
        QtHost::Impl& host = m_host;
        CWnd& wnd = m_wnd;
        action(wnd);
        AfterUserActionOn(host, wnd);
    }

    virtual QWidget* MakeWidget(QWidget* parent) = 0;
    // Where the widget goes inside a page, in pixels: the window's rectangle.
    virtual QRect Geometry() const;
    // The part of Sync that differs by kind; the base shows Enabled, Visible and Focus.
    virtual void Show(WindowChange what);

    QtHost::Impl& m_host;
    CWnd& m_wnd;
    QPointer<QWidget> m_widget;
};

// The window's rectangle in pixels, relative to its parent.
QRect PixelRect(const CWnd& wnd);

// The mirror of the class that the window's kind and style call for; nullptr for a window of
// no kind.
std::unique_ptr<Mirror> MakeMirror(QtHost::Impl& host, CWnd& wnd);

// The makers that MakeMirror chooses from, each beside its class.
std::unique_ptr<Mirror> MakeSheetMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakePageMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeTextMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakePictureMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeLineMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeGroupBoxMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakePushButtonMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeCheckBoxMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeRadioMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeEditMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeComboMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeListBoxMirror(QtHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeListViewMirror(QtHost::Impl& host, CWnd& wnd);
} // namespace qthost
