// The configuring page: waits for the download worker and moves on to its outcome page. It has no
// navigation buttons; only Cancel leaves it early (the worker is not stopped).
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CConfigingPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_CONFIGURING;

    CConfigingPage();

    // Disabled Finish only; the timer starts polling theApp.m_device.result every kWorkerPollMs.
    BOOL OnSetActive() override;
    // A tick: the progress shows the lines acknowledged so far; once the worker has ended, the
    // outcome page for its result becomes current; once the time limit has passed the page gives
    // up with IDS_NOT_FOUND, without the progress. Either way Finish alone remains, posted after
    // the outcome page's own request.
    void OnTimer(UINT_PTR nIDEvent) override;
    // How long the page waits for the worker, in milliseconds: 51 s (the first second past 50),
    // or for a configuration whose lines may take longer, the worker's longest run and a second
    // more, so that a slow adapter that still answers is never taken for a missing one.
    static DWORD TimeLimitMs(size_t lineCount);

    UINT m_nTimerID = 1;     // identifier of the page's wait timer
    int m_nTicks = 0;        // timer ticks (of kWorkerPollMs) since activation
    std::string m_strStatus; // static IDC_CONFIGURING_STATUS, first the waiting text

private:
    // The sheet's progress: line k (acknowledged) of the n lines of the download.
    void ShowProgress();
    // The page that reports download result `result` (1 to 4).
    CPropertyPage& OutcomePage(int result) const;
};
