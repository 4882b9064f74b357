// Dialog data exchange: a window's DoDataExchange lists its controls and members once, and
// UpdateData runs that list in one of two directions:
//   loading (UpdateData(FALSE)): members -> controls; never sends change notifications;
//   saving (UpdateData(TRUE)): controls -> members, with validation.
// A failed exchange (wrong input, or a page's own check calling Fail) shows its message box,
// focuses the control that was prepared last, and abandons the rest of DoDataExchange: the
// members after the failing line keep their values and UpdateData returns FALSE.
//
// Controls that do not exist are skipped (nothing is moved in either direction).
#pragma once

#include "framework/Controls.h"

#include <string>

// The framework's own messages of a failed exchange (looked up like the application's strings).
// "Please enter an integer."
inline constexpr UINT AFX_IDP_PARSE_INT = 0xF110;
// "Please enter no more than %1 characters."
inline constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 0xF113;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls -> members
    CWnd* m_pDlgWnd;         // the window whose controls are exchanged

    // Remembers control nIDC as the one to focus on failure; returns it (nullptr when missing).
    CWnd* PrepareCtrl(int nIDC);
    // The same for an edit control (DDV_MaxChars limits the control prepared last).
    CWnd* PrepareEditCtrl(int nIDC);
    // Focuses the control prepared last and abandons the exchange; never returns. Show the
    // message first.
    [[noreturn]] void Fail();

    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

// Edit or static text. The int form shows the number in decimal; saving refuses a text that is
// not a whole integer in int range (empty, trailing characters, overflow, a zero with a sign)
// with "Please enter an integer.". Leading and trailing blanks are allowed around the number.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);

// Combo box / list box by text. Loading selects the first item that begins with value,
// ignoring case; when none does, or value is empty, the selection stays as it was. Saving takes
// the selected item's text, "" when nothing is selected.
void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_LBString(CDataExchange* pDX, int nIDC, std::string& value);
// Combo box by position; -1 means no selection.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// Radio group starting at nIDC (the buttons that follow it in the template up to the next
// WS_GROUP control or non-radio control). value is the index of the checked button in the
// group, -1 for none; loading checks that one and unchecks the others.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Check box: BST_UNCHECKED / BST_CHECKED.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

// Binds rControl to control nIDC the first time (when rControl is not bound yet); later calls
// do nothing. Runs in both directions.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// After a DDX_Text on an edit: loading limits that edit to nChars; saving refuses a longer
// value with "Please enter no more than <nChars> characters.".
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);
