// What the three outcome pages of a download share: one message, and an end to the wizard. Each
// page says which message it shows; the base fills the page's static with it on first display,
// asks for Finish only and disables Cancel, so that Finish is the one way out. A failure page has
// a second static below the message for the details: why, and where the log is.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class COutcomePage : public CCfgPage
{
public:
    // `nDetailsControl` 0: the page has no details.
    COutcomePage(UINT nIDTemplate, int nMessageControl, int nDetailsControl = 0);

    // The page's message (MessageId) into its static; the details (Reason, then the log's place)
    // into theirs, which shows only when there is something to say.
    BOOL OnInitDialog() override;
    // Finish only, Cancel disabled, then the default activation.
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    std::string m_strMessage; // the text of the page's static
    std::string m_strDetails; // the text of the details static; "" without one

protected:
    // The string id of the page's message, read on first display.
    virtual UINT MessageId() const = 0;
    // A failure page's message: IDS_NOT_FOUND when the adapter's model or extended model is
    // unknown (devid_kUnknown), otherwise `failureId`.
    static UINT FailureMessageId(UINT failureId);
    // Why the download failed, in words; "" when there is nothing to say. Read on first display.
    virtual std::string Reason() const { return ""; }
    // "<what> command line 3 of 9: AT...", naming the line the download stopped at (the one after
    // those the adapter acknowledged); "" when there is no such line.
    static std::string StoppedLineText(const std::string& what);

private:
    int m_nMessageControl;
    int m_nDetailsControl;
};
