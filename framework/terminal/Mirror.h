// One framework window and the widget that shows it in the terminal. Each kind of window has a
// mirror class of its own (the table in Mirrors.cpp picks it by the window's kind and style): it
// makes the widget, shows the window's state in it and turns what the user does to the widget
// into the framework's user actions, which send the change notifications. Programmatic changes
// are shown while the mirror ignores its widget's callbacks, so that only the user's own actions
// reach the framework.
//
// Every control is a child of the wizard's window (not of its page), placed at its page's cells;
// a control shows while it and its page are visible. The keys a control does not take itself go
// to its mirror first: Enter presses the window's default button, Escape presses Cancel, Tab and
// Shift-Tab move along the page's tab order and on to the window's buttons (SheetMirrors.h).
#pragma once

#include "framework/terminal/CellLayout.h"
#include "framework/terminal/TerminalHost.h"

#include <final/final.h>

#include <memory>

namespace termhost
{
class PageMirror;
class SheetMirror;

// TerminalHost::Impl::AfterUserAction, for Mirror::Act.
void AfterUserActionOn(TerminalHost::Impl& host, const CWnd& wnd);
// Moves the keyboard focus to `widget` as the toolkit does (focus-out and focus-in events, both
// drawn again).
void FocusWidget(finalcut::FWidget* widget);

class Mirror
{
public:
    Mirror(TerminalHost::Impl& host, CWnd& wnd) : m_host(host), m_wnd(wnd) {}
    // Unhooks the widget; the widget itself goes with the wizard's window.
    virtual ~Mirror();
    Mirror(const Mirror&) = delete;
    Mirror& operator=(const Mirror&) = delete;

    CWnd& Wnd() const { return m_wnd; }
    finalcut::FWidget* Widget() const { return m_widget; }
    // The widget that takes the keyboard focus for this window (nullptr: none).
    virtual finalcut::FWidget* FocusTarget() const { return TakesFocus() ? m_widget : nullptr; }

    // Makes the widget under the wizard's window (nullptr for windows without one), placed at
    // `place` inside the page area when the window is a page's control. The window's state is
    // shown by SyncAll afterwards.
    void Create(finalcut::FWidget* window, const CellPlace& place);
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

    virtual bool TakesFocus() const { return false; }
    // The mirror shows the window's state: in its widget, or (a page) in its controls.
    virtual bool ShowsState() const { return m_widget != nullptr; }
    // Tab stops here: the template's WS_TABSTOP (radio buttons decide by their group).
    virtual bool IsTabStop() const;
    // The window shows (its page too) and is enabled: the user can act on it.
    bool Reachable() const;
    // The window and its page are visible.
    bool Shown() const;

    // A key the widget has been given, before the widget handles it; true when the mirror has
    // handled it. The base: Enter presses the default button, Escape presses Cancel.
    virtual bool Key(finalcut::FKey key);
    // Tab (+1) or Shift-Tab (-1) from this window; false when nothing takes the focus.
    bool MoveFocus(int step);
    // Whether the widget's mnemonic may act now.
    virtual bool AcceptsMnemonic() const { return Reachable(); }

protected:
    // Runs the user's action on the window (action(CWnd&)), then the host's AfterUserAction,
    // unless the mirror is showing the framework's state (then the widget's callback comes from
    // the mirror itself). The action may end the sheet and with it this mirror, so nothing of
    // the mirror is used once it has run.
    template <class Action> void Act(Action action)
    {
        if (m_showing)
        {
            return;
        }
        TerminalHost::Impl& host = m_host;
        CWnd& wnd = m_wnd;
        action(wnd);
        AfterUserActionOn(host, wnd);
    }

    virtual finalcut::FWidget* MakeWidget(finalcut::FWidget* window) = 0;
    // Places the widget at its cells (`window` coordinates, from 1).
    virtual void Place(const finalcut::FPoint& origin, const CellRect& cells);
    // The part of Sync that differs by kind; the base shows Enabled, Visible and Focus.
    virtual void Show(WindowChange what);
    SheetMirror* Sheet() const;

    TerminalHost::Impl& m_host;
    CWnd& m_wnd;
    finalcut::FWidget* m_widget = nullptr;
    CellPlace m_place;
    bool m_showing = false;
};

// A widget of the toolkit that hands its keys, its Tab moves and its mnemonic to its mirror
// first.
struct MirrorLink
{
    Mirror* mirror = nullptr;
};

// The toolkit hands every key of one read from the terminal to the widget that had the focus
// when the read began (keys typed fast, or arriving together over a slow link); a key that
// comes after the focus has moved on goes on to the widget that has it now.
template <class Base> class Mirrored : public Base, public MirrorLink
{
public:
    Mirrored(Mirror& owner, finalcut::FWidget* parent) : Base(parent) { mirror = &owner; }

protected:
    void onKeyPress(finalcut::FKeyEvent* event) override
    {
        finalcut::FWidget* focus = finalcut::FWidget::getFocusWidget();
        if (focus != nullptr && focus != this && dynamic_cast<MirrorLink*>(focus) != nullptr)
        {
            finalcut::FApplication::sendEvent(focus, event);
            event->accept();
            return;
        }
        if (mirror != nullptr && mirror->Key(event->key()))
        {
            event->accept();
            return;
        }
        Base::onKeyPress(event);
    }
    void onAccel(finalcut::FAccelEvent* event) override
    {
        if (mirror != nullptr && mirror->AcceptsMnemonic())
        {
            Base::onAccel(event);
        }
    }
    bool focusNextChild() override { return mirror != nullptr && mirror->MoveFocus(+1); }
    bool focusPrevChild() override { return mirror != nullptr && mirror->MoveFocus(-1); }
};

// The mirror of the class that the window's kind and style call for; nullptr for a window of
// no kind.
std::unique_ptr<Mirror> MakeMirror(TerminalHost::Impl& host, CWnd& wnd);

// The makers that MakeMirror chooses from, each beside its class.
std::unique_ptr<Mirror> MakeSheetMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakePageMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeTextMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakePictureMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeLineMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeGroupBoxMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakePushButtonMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeCheckBoxMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeRadioMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeEditMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeComboMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeListBoxMirror(TerminalHost::Impl& host, CWnd& wnd);
std::unique_ptr<Mirror> MakeListViewMirror(TerminalHost::Impl& host, CWnd& wnd);
} // namespace termhost
