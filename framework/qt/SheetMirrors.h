// The mirrors of a sheet and of its pages. A sheet is one top-level window in the classic wizard
// layout (the page area, a separator line, the row of sheet buttons); its pages are child
// widgets placed from their dialog units.
//
// Focus, as a Windows wizard has it: when a page becomes current (and when the window first
// appears) the focus goes to the page's first tab stop, in template order, or to the control the
// page gave it itself, else to the default button; when the focus has nowhere to stay (its
// control was disabled or hidden) it goes there again once the sheet's buttons change, so that
// Finish takes it on a page that offers nothing else. Tab runs through the page's controls,
// then the sheet's buttons. Enter presses the default button: Next, or Finish in its place, and
// nothing while that is disabled; a push button that has the focus is the default meanwhile and
// takes Enter itself, except Cancel: Enter never cancels the wizard. Escape and the close box
// press Cancel when it is enabled. The focus is drawn from the start, not only once the keyboard
// has moved it.
#pragma once

#include "framework/qt/Mirror.h"

#include <QMetaObject>

#include <vector>

class CPropertySheet;
class QButtonGroup;
class QFrame;
class QProgressBar;
class QPushButton;

namespace qthost
{
class PageMirror : public Mirror
{
public:
    using Mirror::Mirror;

    void AfterUserAction() override {}

    // Mnemonics: a static's mnemonic moves the focus to the next control in tab order that
    // takes the focus. A static (or group box) waits here until that control is made.
    void AddLabel(const CWnd& label);
    void GiveLabelsTo(QWidget* target);
    // What names the next control for a screen reader, as Windows names a control: the text of
    // the waiting label nearest before it, without its mnemonic mark; "" when none waits.
    QString NearestLabelText() const;
    // A static of the page shows `shown`. The page's first static is its main text, which a
    // screen reader gets as the page's description.
    void TextShown(const CWnd& text, const QString& shown);

    // Radio groups: a radio button joins the open group unless it starts one of its own
    // (WS_GROUP) or there is none; any other control ends the open group.
    QButtonGroup* RadioGroup(bool startsGroup);
    void EndRadioGroup() { m_openGroup = nullptr; }

    // The widget the focus goes to when the page becomes current (see above); nullptr when no
    // control of the page can take it.
    QWidget* StartingControl() const;

protected:
    QWidget* MakeWidget(QWidget* parent) override;
    void Show(WindowChange what) override;

private:
    std::vector<const CWnd*> m_labels;
    const CWnd* m_mainText = nullptr;
    QButtonGroup* m_openGroup = nullptr;
};

// The sheet's progress (CPropertySheet::SetProgress) is a bar in the row of buttons, left of
// them, while a page shows one.
class SheetMirror : public Mirror
{
public:
    using Mirror::Mirror;
    ~SheetMirror() override;

    void AfterUserAction() override {}

    CPropertySheet& Sheet() const;
    // Places the pages, buttons and separator and sizes the window.
    void Layout();
    // A page has become visible: the tab order and the focus.
    void PageShown(PageMirror& page);
    // Enter and Escape (and the close box).
    void PressDefaultButton();
    void PressCancel();
    // A sheet button was enabled, disabled, shown or hidden: a focus left with nowhere to stay
    // goes to the current page's start.
    void ButtonsChanged();
    // The shown and enabled sheet button whose mnemonic is `key` (Alt and a letter); nullptr
    // when none is.
    QPushButton* ButtonMarked(QKeyCombination key) const;

protected:
    QWidget* MakeWidget(QWidget* parent) override;
    void Show(WindowChange what) override;

private:
    void ShowWindow();
    void FocusStart(const PageMirror* page);
    QWidget* DefaultButton() const;
    // Shows which push button Enter presses now that `focus` has the focus.
    void ShowDefault(QWidget* focus);
    PageMirror* ActivePage() const;

    void ShowProgress();

    QFrame* m_separator = nullptr;
    QProgressBar* m_progress = nullptr;
    QMetaObject::Connection m_focusWatch;
};
} // namespace qthost
