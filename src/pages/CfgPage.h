// The base of the wizard's 21 pages: what every page shares (its sheet, the wizard buttons, the
// jump to another page) and what the settings pages share (the change handler bound to their
// controls, their activation, the combo boxes filled from choice tables). A page file holds only
// what is its own.
#pragma once

#include "framework/Afx.h"
#include "src/profile/ChoiceEntry.h"
#include "src/res/WizardRes.h"

#include <span>
#include <string>

class CCfgSheet;

class CCfgPage : public CPropertyPage
{
public:
    explicit CCfgPage(UINT nIDTemplate);

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }

    // Bound to the change notification of every settings control (combo box selection, edit
    // text, check box click): marks the page changed and the current configuration modified.
    void OnSettingChanged();

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built

protected:
    // Requests the sheet's wizard buttons (PSWIZB_ flags). The request is posted: it applies
    // after the current handler, after the requests posted before it.
    void RequestButtons(DWORD dwFlags);
    // The activation most settings pages share: Back and Next, then the default activation.
    BOOL ActivateSettingsPage();
    // For a Next or Back handler that routes elsewhere: makes `page` current (the current page's
    // data exchange runs first and may keep it) and returns -1, so that the sheet does not move
    // as well.
    LRESULT JumpTo(CPropertyPage& page);
    // Enables or disables the sheet's Cancel button.
    void EnableCancel(BOOL bEnable);
    // The adapter being configured is of model 7, 8 or 9 (no POTS port, no bandwidth page).
    static bool IsZandiZobraOrPellorAdapter();
    // FillComboFromChoices on the page's combo box `comboId`; nothing when the page has none.
    void FillCombo(int comboId, const ChoiceEntry* choices);
};

// Fills `combo` with one item per row of `choices` (the row's string), in table order.
void FillComboFromChoices(CComboBox& combo, const ChoiceEntry* choices);

// The TEI text "Disabled", in any letter case.
bool IsDisabledTEI(const std::string& text);
// One of the North American switch types "AT&T 5ESS", "DMS-100", "NI - 1", in any letter case.
bool IsUSSwitchType(const std::string& text);

// Switches the catalogue parameter of control `controlId` on or off (whether it is packed).
// Nothing happens while the catalogue has no such parameter (no adapter confirmed yet).
void EnableParam(int controlId, BOOL bEnable);

// Enables or disables the controls `controlIds` of `dialog` (ids it lacks are passed over).
void EnableDlgItems(CWnd& dialog, std::span<const int> controlIds, BOOL bEnable);
// Control `controlId` of `dialog` exists and is enabled.
bool IsDlgItemEnabled(const CWnd& dialog, int controlId);

// One static's text on a page whose labels depend on the model: adapters of models 7, 8 and 9
// label their fields by position.
template <class Page> struct ModelText
{
    std::string Page::*text;
    UINT positionalId;          // models 7, 8 and 9: this string, or when 0 ...
    const char* positionalText; // ... this text
    UINT stringId;              // every other model
};

// Sets each row's text on `page` for the adapter being configured (`positional`: model 7-9).
template <class Page, size_t N>
void SetModelTexts(Page& page, const ModelText<Page> (&rows)[N], bool positional)
{
    for (const ModelText<Page>& row : rows)
    {
        if (!positional)
            page.*row.text = AfxLoadString(row.stringId);
        else if (row.positionalId != 0)
            page.*row.text = AfxLoadString(row.positionalId);
        else
            page.*row.text = row.positionalText;
    }
}
