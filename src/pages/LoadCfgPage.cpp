#include "src/pages/LoadCfgPage.h"

#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/download/Download.h"
#include "src/profile/ProfileFile.h"

namespace
{
constexpr StaticText kStaticTexts[] = {
    {IDC_LOAD_PROMPT, IDS_LOAD_PROMPT, TextOf<&CLoadCfgPage::m_strText>()},
};
} // namespace

CLoadCfgPage::CLoadCfgPage() : CCfgPage(IDD, kStaticTexts) {}

LRESULT CLoadCfgPage::OnWizardNext()
{
    // Packing appends; the run ends after one download (no page leads back here), so the list
    // holds this configuration's lines only.
    theParams.PackCommandLines(theApp.m_device.cmdLines);
    StartDownloadWorker(&theApp.m_device);
    return 0;
}

LRESULT CLoadCfgPage::OnWizardBack()
{
    if (g_bCfgModified)
        return 0;
    // A custom setup goes back to the POTS port page for models 7, 8 and 9 as well, although
    // their route forward left it out; this is the wizard's route as designed (the page's
    // parameters stay disabled for them, so nothing it shows is sent), not a slip.
    if (Sheet().m_bExpressSetup)
        return JumpTo(Sheet().m_dataProtocolPage);
    return JumpTo(Sheet().m_potsPortPage);
}
