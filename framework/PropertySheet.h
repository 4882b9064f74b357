// Property sheets in wizard mode, with the Win32 semantics the wizard relies on.
//
// A sheet owns its buttons (children of the sheet window, all CButton): Back (ID_WIZBACK),
// Next (ID_WIZNEXT), Finish (ID_WIZFINISH, shown in Next's place) and Cancel (IDCANCEL). Pages
// may change them like any control (GetParent()->GetDlgItem(IDCANCEL)->EnableWindow(FALSE)).
//
// Page life: a page's window and its controls (from its dialog template) are created on its
// first activation; then OnInitDialog, then OnSetActive. Later activations only run
// OnSetActive. The sheet's title is the active page's template caption, or the first page's
// when that one names nothing.
//
// Buttons: a click on Next runs the page's OnWizardNext: -1 stays; 0 runs the page's
// OnKillActive (which can veto) and then activates the next page in index order; any other
// value names the template id of the page to activate. Back likewise with OnWizardBack and the
// previous page. Finish runs OnWizardFinish; TRUE ends the sheet with IDOK. Cancel runs
// OnQueryCancel (TRUE by default) and ends the sheet with IDCANCEL at once.
#pragma once

#include "framework/Controls.h"

#include <string>
#include <vector>

class CPropertySheet;

class CPropertyPage : public CWnd
{
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The title: the caption string when one was given, otherwise the template's caption.
    std::string GetCaption() const;
    // The sheet the page was added to (also while the page has no window yet).
    CWnd* GetParent() const override;
    CPropertySheet* GetSheet() const { return m_pOwnerSheet; }

    // Marks the page changed (kept for the sheet's Apply state; a wizard shows nothing).
    void SetModified(BOOL bChanged = TRUE) { m_bModified = bChanged; }
    BOOL IsModified() const { return m_bModified; }

    // Runs once, after the page's controls were created: the base runs UpdateData(FALSE).
    virtual BOOL OnInitDialog();
    // Each time the page is about to become active (its window exists, still hidden); the base
    // runs UpdateData(FALSE) on every activation but the first, ends the first activation and
    // returns TRUE. FALSE refuses: the sheet passes over the page to the next one in the
    // direction of travel (Next, or a jump forward: the following pages; Back, or a jump
    // backward: the preceding ones), as Win32 wizards do; when none accepts, nothing moves.
    virtual BOOL OnSetActive();
    // When the page is left; the base returns UpdateData(TRUE). FALSE keeps the page.
    virtual BOOL OnKillActive();
    // 0: move to the neighbour; -1: stay; otherwise the template id of the page to go to.
    virtual LRESULT OnWizardNext();
    virtual LRESULT OnWizardBack();
    // TRUE lets the sheet close.
    virtual BOOL OnWizardFinish();
    // TRUE lets Cancel close the sheet.
    virtual BOOL OnQueryCancel();
    virtual void OnCancel();

    BOOL DestroyWindow() override;

private:
    friend class CPropertySheet;
    UINT m_nIDTemplate;
    UINT m_nIDCaption;
    CPropertySheet* m_pOwnerSheet = nullptr;
    BOOL m_bModified = FALSE;
    BOOL m_bFirstSetActive = TRUE;
};

class CPropertySheet : public CWnd
{
public:
    explicit CPropertySheet(const std::string& caption = std::string(), CWnd* pParentWnd = nullptr,
                            UINT iSelectPage = 0);
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    PROPSHEETHEADER m_psh{}; // dwFlags: PSH_WIZARD
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    BOOL IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }

    // Pages are not owned; a page removes itself when destroyed first.
    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;            // nullptr when out of range
    CPropertyPage* GetActivePage() const;               // nullptr before the sheet is created
    int GetActiveIndex() const;                         // -1 before the sheet is created
    int GetPageIndex(const CPropertyPage* pPage) const; // -1 when not in the sheet

    // Makes a page current: first the current page's OnKillActive (FALSE: nothing moves, and
    // FALSE is returned), then the target's first-activation steps and OnSetActive. Activating
    // the current page does nothing and returns TRUE. FALSE for an unknown page.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    // Posts PSM_SETWIZBUTTONS; the request applies after the current handler, in posting order.
    // PSWIZB_BACK enables Back; PSWIZB_NEXT enables Next; PSWIZB_FINISH shows Finish (enabled)
    // in Next's place; PSWIZB_DISABLEDFINISH shows Finish disabled with Back and Next disabled.
    void SetWizardButtons(DWORD dwFlags);
    // The flags of the request applied last (PSWIZB_BACK | PSWIZB_NEXT at creation).
    DWORD GetWizardButtons() const { return m_dwWizardButtons; }

    // How far a long wait of the current page has come, which the host shows beside the wizard
    // buttons: `nDone` of `nTotal` steps (nDone is kept within 0..nTotal); nTotal 0 (or less)
    // shows none. The progress belongs to the page: activating a page clears it before the
    // page's OnSetActive. Nothing happens while the sheet has no window.
    void SetProgress(int nDone, int nTotal);
    struct Progress
    {
        int done = 0;
        int total = 0; // 0: no progress shown
    };
    Progress GetProgress() const;

    // Creates the sheet window (modeless): the sheet's buttons, OnInitDialog (which activates
    // the first page) and the posted requests; then shows the sheet. FALSE when the sheet has
    // no pages or already has a window.
    BOOL Create();
    // Create, then the host's modal loop until the sheet ends, then the windows are destroyed.
    // Returns IDOK (Finish) or IDCANCEL; -1 when the sheet could not be created.
    INT_PTR DoModal();
    // Ends the sheet with nResult: the sheet is hidden and the host's modal loop returns.
    void EndDialog(int nResult);
    // The sheet was created and has not ended yet.
    BOOL IsOpen() const;
    // The result given to EndDialog; -1 while the sheet runs.
    int GetResult() const { return m_nResult; }

    // Runs when the sheet window is created; the base activates the first page and returns
    // TRUE.
    virtual BOOL OnInitDialog();

    // The user presses one of the sheet's buttons (ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH,
    // IDCANCEL). FALSE (nothing happens) when that button is hidden or disabled.
    BOOL PressButton(int nID);
    // The wizard button that Enter presses: Finish while it is shown, else Next.
    int GetDefaultButtonId() const;

    BOOL DestroyWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    friend class CPropertyPage;
    // Creates the page's window and controls from its template and runs OnInitDialog, the
    // first time only. FALSE when the page has no window afterwards.
    BOOL CreatePageWindow(CPropertyPage* page);
    // Makes page nPage current, passing over pages whose OnSetActive refuses in the direction
    // `step` (+1 or -1). FALSE (the current page stays) when no page accepts.
    BOOL ActivatePage(int nPage, int step);
    void ApplyWizardButtons(DWORD dwFlags);
    // The window's title while `page` is current.
    std::string TitleFor(const CPropertyPage& page) const;
    // Back (step -1, OnWizardBack) or Next (step +1, OnWizardNext): asks the active page's
    // handler where to go and goes there.
    void LeavePage(LRESULT (CPropertyPage::*handler)(), int step);
    void OnFinish();
    void OnCancelButton();
    void RemovePage(CPropertyPage* pPage);

    std::string m_strCaption;
    UINT m_nStartPage;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    int m_nResult = -1;
    BOOL m_bEnded = FALSE;
    DWORD m_dwWizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
};
