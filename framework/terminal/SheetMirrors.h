// The mirrors of a sheet and of its pages. A sheet is one window of the terminal in the classic
// wizard layout: its title, the page area, a line, the row of sheet buttons; 80 x 24 cells,
// centred in a larger terminal. In a smaller one a notice over the window tells the size the
// wizard needs. A page has no widget of its own: its controls are placed in the page area and
// show while the page does.
//
// Focus, as a Windows wizard has it: when a page becomes current (and when the window first
// appears) the focus goes to the page's first tab stop, in template order, or to the control the
// page gave it itself, else to the default button; Tab runs through the page's tab stops, then
// the sheet's buttons, and round again (Shift-Tab backwards). Enter presses the default button,
// Next, or Finish in its place; a push button that has the focus takes Enter itself, except
// Cancel: Enter never cancels the wizard. Escape and the window's close command press Cancel.
#pragma once

#include "framework/terminal/Mirror.h"

#include <vector>

class CPropertySheet;

namespace termhost
{
// An etched line (a static) and the sheet's separator: one row of a horizontal line.
class LineWidget : public finalcut::FWidget
{
public:
    using finalcut::FWidget::FWidget;

protected:
    void draw() override;
};

// The sheet's progress (CPropertySheet::SetProgress) in the row of buttons, left of them: a bar
// of full and shaded cells, then "k of n".
class ProgressWidget : public finalcut::FWidget
{
public:
    using finalcut::FWidget::FWidget;

    void SetProgress(int done, int total);

protected:
    void draw() override;

private:
    int m_done = 0;
    int m_total = 0;
};

class PageMirror : public Mirror
{
public:
    using Mirror::Mirror;

    void AfterUserAction() override {}
    bool ShowsState() const override { return true; }

    // The cells of the page's next control (in template order), from the page's template.
    CellPlace NextPlace() const;

    // Mnemonics: a static's mnemonic moves the focus to the next control in tab order that
    // takes the focus. A static waits here until that control is made.
    void AddLabel(Mirror& label);
    void GiveLabelsTo(Mirror& target);

    // Radio groups: a radio button joins the open group unless it starts one of its own
    // (WS_GROUP) or there is none; any other control ends the open group. Groups are numbered
    // from 1 within the page.
    int RadioGroup(bool startsGroup);
    void EndRadioGroup() { m_openGroup = 0; }

    // The control the focus goes to when the page becomes current (see above); nullptr when no
    // control of the page can take it.
    Mirror* StartingControl() const;

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget*) override { return nullptr; }
    void Show(WindowChange what) override;

private:
    std::vector<Mirror*> m_labels;
    int m_groups = 0;
    int m_openGroup = 0;
};

class SheetMirror : public Mirror
{
public:
    using Mirror::Mirror;
    ~SheetMirror() override;

    void AfterUserAction() override {}

    CPropertySheet& Sheet() const;
    // Where a page's cell (0, 0) is in the window.
    static finalcut::FPoint PageOrigin();
    static int PageColumns();
    static int PageRows();
    // Places the sheet's buttons from their dialog units in the row of buttons, which ends one
    // column before the frame, as it ends at the page area's edge on the desktop; the progress
    // takes the room left of them.
    void PlaceButtons();

    // A page has become visible: the focus goes to its start.
    void PageShown(PageMirror& page);
    // The controls Tab stops at now, in order: the current page's, then the sheet's buttons.
    std::vector<Mirror*> FocusChain() const;
    // Tab (+1) or Shift-Tab (-1) from `from` (nullptr: from outside the chain); false when
    // nothing takes the focus.
    bool MoveFocus(const Mirror* from, int step);
    // Enter and Escape (and the close command).
    void PressDefaultButton();
    void PressCancel();
    // Centres the window in the terminal and tells a terminal that is too small.
    void FitTerminal();

protected:
    finalcut::FWidget* MakeWidget(finalcut::FWidget* window) override;
    void Show(WindowChange what) override;

private:
    void ShowWindow();
    void FocusStart(const PageMirror* page);
    Mirror* DefaultButton() const;
    PageMirror* ActivePage() const;

    ProgressWidget* m_progress = nullptr;
    finalcut::FDialog* m_notice = nullptr;
    finalcut::FLabel* m_noticeText = nullptr;
};
} // namespace termhost
