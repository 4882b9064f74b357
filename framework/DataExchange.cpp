#include "framework/DataExchange.h"

#include "framework/RadioGroups.h"
#include "framework/WinApp.h"
#include "framework/WindowState.h"
#include "platform/TextRules.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace
{
[[noreturn]] void FailWithMessage(CDataExchange* pDX, const std::string& message)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// A whole decimal integer in int range, blanks allowed around it.
bool ParseInt(const std::string& text, int& value)
{
    std::string digits(platform::TrimBlanks(text));
    size_t first = (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) ? 1 : 0;
    if (digits.size() == first)
    {
        return false;
    }
    for (size_t i = first; i < digits.size(); ++i)
    {
        if (digits[i] < '0' || digits[i] > '9')
        {
            return false;
        }
    }
    errno = 0;
    long long parsed = std::strtoll(digits.c_str(), nullptr, 10);
    if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
    {
        return false;
    }
    // The framework this one follows takes a zero result for "no number" unless the text
    // starts with the digit 0, so "-0" and "+0" are refused while "00" is taken.
    if (parsed == 0 && first != 0)
    {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

CListControlBase* PrepareList(CDataExchange* pDX, int nIDC)
{
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (control == nullptr ||
        (control->GetKind() != WindowKind::ComboBox && control->GetKind() != WindowKind::ListBox))
    {
        return nullptr;
    }
    return static_cast<CListControlBase*>(control);
}

void ExchangeListString(CDataExchange* pDX, int nIDC, std::string& value)
{
    CListControlBase* list = PrepareList(pDX, nIDC);
    if (list == nullptr)
    {
        return;
    }
    if (pDX->m_bSaveAndValidate)
    {
        value = list->GetItemText(list->GetCurSel());
    }
    else if (!value.empty())
    {
        list->SelectString(-1, value);
    }
}
} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

// A window's side of the exchange lives here, with the exchange it runs, so that windows do not
// depend on data exchange.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const afx::DataExchangeFailure&)
    {
        return FALSE;
    }
    return TRUE;
}

CWnd* CDataExchange::PrepareCtrl(int nIDC)
{
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd != nullptr ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC)
{
    CWnd* control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_pDlgWnd != nullptr && m_idLastControl != 0)
    {
        CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl);
        if (control != nullptr)
        {
            control->SetFocus();
        }
    }
    throw afx::DataExchangeFailure{};
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (control == nullptr)
    {
        return;
    }
    if (pDX->m_bSaveAndValidate)
    {
        value = control->GetWindowText();
    }
    else
    {
        control->SetWindowText(value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (control == nullptr)
    {
        return;
    }
    if (pDX->m_bSaveAndValidate)
    {
        int parsed = 0;
        if (!ParseInt(control->GetWindowText(), parsed))
        {
            FailWithMessage(pDX, AfxLoadString(AFX_IDP_PARSE_INT));
        }
        value = parsed;
    }
    else
    {
        control->SetWindowText(std::to_string(value));
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value)
{
    ExchangeListString(pDX, nIDC, value);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, std::string& value)
{
    ExchangeListString(pDX, nIDC, value);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    CListControlBase* list = PrepareList(pDX, nIDC);
    if (list == nullptr)
    {
        return;
    }
    if (pDX->m_bSaveAndValidate)
    {
        index = list->GetCurSel();
    }
    else
    {
        list->SetCurSel(index);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* first = pDX->PrepareCtrl(nIDC);
    if (first == nullptr)
    {
        return;
    }
    std::vector<WindowState*> group = afx::RadioGroup(first->m_hWnd, true);
    if (pDX->m_bSaveAndValidate)
    {
        value = -1;
    }
    for (size_t i = 0; i < group.size(); ++i)
    {
        CButton* button = static_cast<CButton*>(group[i]->primary);
        if (pDX->m_bSaveAndValidate)
        {
            if (button->GetCheck() == BST_CHECKED && value == -1)
            {
                value = static_cast<int>(i);
            }
        }
        else
        {
            button->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (control == nullptr || control->GetKind() != WindowKind::Button)
    {
        return;
    }
    CButton* button = static_cast<CButton*>(control);
    if (pDX->m_bSaveAndValidate)
    {
        value = button->GetCheck();
    }
    else
    {
        button->SetCheck(value);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
    {
        return;
    }
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (control != nullptr)
    {
        rControl.Attach(control->m_hWnd);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (static_cast<int>(value.size()) > nChars)
        {
            FailWithMessage(pDX, AfxFormatString1(AfxLoadString(AFX_IDP_PARSE_STRING_SIZE),
                                                  std::to_string(nChars)));
        }
        return;
    }
    if (pDX->m_bEditLastControl && pDX->m_pDlgWnd != nullptr)
    {
        CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl);
        if (control != nullptr && control->GetKind() == WindowKind::Edit)
        {
            static_cast<CEdit*>(control)->LimitText(nChars);
        }
    }
}
