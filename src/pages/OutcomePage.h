// What the three outcome pages of a download share: one message, and an end to the wizard. Each
// page says which message it shows; the base fills the page's static with it on first display,
// asks for Finish only and disables Cancel, so that Finish is the one way out.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class COutcomePage : public CCfgPage
{
public:
    COutcomePage(UINT nIDTemplate, int nMessageControl);

    // The page's message (MessageId) into its static.
    BOOL OnInitDialog() override;
    // Finish only, Cancel disabled, then the default activation.
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strMessage; // the text of the page's static

protected:
    // The string id of the page's message, read on first display.
    virtual UINT MessageId() const = 0;
    // A failure page's message: IDS_NOT_FOUND when the adapter's model or extended model is
    // unknown (devid_kUnknown), otherwise `failureId`.
    static UINT FailureMessageId(UINT failureId);

private:
    int m_nMessageControl;
};
