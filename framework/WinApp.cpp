#include "framework/WinApp.h"

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

namespace
{
CWinApp* g_app = nullptr;

// The framework's own messages, found after the application's table.
// clang-format off
constexpr StringResource kFrameworkStrings[] = {
    {AFX_IDP_PARSE_INT,         "Please enter an integer."},
    {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
};
// clang-format on
} // namespace

CWinApp::CWinApp(const char* pszAppName) : m_strAppName(pszAppName != nullptr ? pszAppName : "")
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
    {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    // The handle is the image resource itself; hosts turn it back with AfxIconImage.
    return reinterpret_cast<HICON>(const_cast<ImageResource*>(AfxFindImage(nIDResource)));
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int AfxWinMain(Host& host)
{
    Host* previous = AfxGetHost();
    AfxSetHost(&host);
    CWinApp* app = AfxGetApp();
    int code = 1;
    if (app != nullptr)
    {
        app->InitInstance();
        code = app->ExitInstance();
    }
    AfxSetHost(previous);
    return code;
}

const ImageResource* AfxIconImage(HICON hIcon)
{
    return reinterpret_cast<const ImageResource*>(hIcon);
}

std::string AfxLoadString(UINT nID)
{
    if (const char* text = AfxFindString(nID))
    {
        return text;
    }
    for (const StringResource& own : kFrameworkStrings)
    {
        if (own.id == nID)
        {
            return own.text;
        }
    }
    return std::string();
}

int AfxMessageBox(const std::string& text, UINT nType, const std::string& details)
{
    return AfxShowMessageBox(text, g_app != nullptr ? g_app->m_strAppName : std::string(), nType,
                             details);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType);
}

void AfxRunBusy(const std::function<void()>& work)
{
    if (Host* host = AfxGetHost())
    {
        host->RunBusy(work);
    }
    else
    {
        work();
    }
}

std::string AfxFormatString1(const std::string& format, const std::string& s1)
{
    std::string result;
    for (size_t i = 0; i < format.size(); ++i)
    {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' &&
            format[i + 1] <= '9')
        {
            if (format[i + 1] == '1')
            {
                result += s1;
            }
            ++i;
        }
        else
        {
            result += format[i];
        }
    }
    return result;
}
