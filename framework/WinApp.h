// The application object, the program's entry, string and message-box helpers.
#pragma once

#include "framework/Host.h"
#include "framework/MessageMap.h"
#include "framework/Resources.h"

#include <string>

// The standard Help command id (routed by applications to CWinApp::OnHelp).
inline constexpr UINT ID_HELP = 0xE146;

// The one application object; its constructor makes it AfxGetApp().
class CWinApp : public CCmdTarget
{
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    // Start-up hook; the base returns TRUE. Whatever it returns, AfxWinMain then runs
    // ExitInstance: the program has no message loop of its own beyond the modal sheet.
    virtual BOOL InitInstance();
    // Returns the program's exit code; the base returns 0.
    virtual int ExitInstance();

    // The icon resource nIDResource, as a handle the hosts understand (AfxIconImage); nullptr
    // when there is no such image.
    HICON LoadIcon(UINT nIDResource) const;
    // The three-dimensional control look is the only look there is.
    void Enable3dControlsStatic() {}
    void OnHelp() {}

    CWnd* m_pMainWnd = nullptr;
    // Caption of message boxes; "" when constructed without a name.
    std::string m_strAppName;
};

// The application object, or nullptr when none was constructed.
CWinApp* AfxGetApp();

// Installs the host, runs InitInstance and ExitInstance of the application object, uninstalls
// the host and returns ExitInstance's code (1 when there is no application object).
int AfxWinMain(Host& host);

// The image an icon handle of CWinApp::LoadIcon stands for; nullptr for nullptr.
const ImageResource* AfxIconImage(HICON hIcon);

// The string resource id: the application's table first, then the framework's own messages;
// "" when unknown.
std::string AfxLoadString(UINT nID);

// A modal message box through the host, with the application's caption. Returns IDOK, IDYES or
// IDNO.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK,
                  const std::string& details = std::string());
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

// Runs `work` through the host's RunBusy (a plain call when there is no host).
void AfxRunBusy(const std::function<void()>& work);

// Replaces %1 in the format with s1, and %2 ... %9 with "".
std::string AfxFormatString1(const std::string& format, const std::string& s1);
