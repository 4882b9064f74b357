#include "src/profile/ProfileMessages.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "platform/TextRules.h"
#include "src/profile/ProfileFile.h"
#include "src/res/WizardRes.h"

std::string FormatStringResource(UINT stringId, const std::string& text)
{
    const std::string format = AfxLoadString(stringId);
    std::string result;
    size_t start = 0;
    for (size_t mark = format.find("%s"); mark != std::string::npos;
         mark = format.find("%s", start))
    {
        result.append(format, start, mark - start);
        result += text;
        start = mark + 2;
    }
    result.append(format, start, std::string::npos);
    return result;
}

void RequireText(CDataExchange* pDX, const std::string& text, const std::string& label,
                 BOOL required)
{
    if (!pDX->m_bSaveAndValidate || !required)
        return;
    if (!platform::TrimBlanks(text).empty())
        return;
    AfxMessageBox(FormatStringResource(IDS_ENTER_VALUE, label), MB_OK);
    pDX->Fail();
}

void ReportSaveFailure()
{
    AfxMessageBox(FormatStringResource(IDS_CONFIG_NOT_SAVED, g_profilePath), MB_OK);
}

void ReportDeleteFailure()
{
    AfxMessageBox(FormatStringResource(IDS_CONFIG_NOT_DELETED, g_profilePath), MB_OK);
}
