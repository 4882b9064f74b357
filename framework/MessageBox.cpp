#include "framework/MessageBox.h"

#include "framework/Host.h"

int AfxUnattendedAnswer(UINT nType)
{
    return (nType & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

bool AfxAnswerFits(UINT nType, int answer)
{
    if ((nType & MB_TYPEMASK) == MB_YESNO)
    {
        return answer == IDYES || answer == IDNO;
    }
    return answer == IDOK;
}

int AfxShowMessageBox(const std::string& text, const std::string& caption, UINT nType,
                      const std::string& details)
{
    Host* host = AfxGetHost();
    return host != nullptr ? host->MessageBox(text, caption, nType, details)
                           : AfxUnattendedAnswer(nType);
}
