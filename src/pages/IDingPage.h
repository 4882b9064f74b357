// The port search page: identifies adapters on every COM port at once, lists those that answered
// and makes the chosen one the adapter being configured.
//
// The search runs once per run of the program, on the first activation: 36 workers (one per
// port, COM1 to COM36) while a timer polls them every kWorkerPollMs; 21 seconds after the start
// it gives up on the ports still probing. Later activations show the same list again.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>
#include <vector>

class CIDingPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_SEARCH;

    CIDingPage();

    // First activation: disabled Finish only, the search starts. Later ones: Back and Next.
    BOOL OnSetActive() override;
    // A tick of the search timer: the progress shows how many ports have ended; when every
    // worker has ended, or 21 seconds after the start, drops the ports without an identified
    // adapter and shows the rest (or IDS_NOT_FOUND and Finish only), without the progress.
    void OnTimer(UINT_PTR nIDEvent) override;
    // Back to the welcome page.
    LRESULT OnWizardBack() override;
    // Without a selected row: a message, and the page stays. Otherwise the row's adapter becomes
    // theApp.m_device and the catalogue is rebuilt for it (with the POTS port and bandwidth
    // parameters disabled for models 7, 8 and 9); the setup type page follows.
    LRESULT OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    UINT m_nTimerID = 1;          // identifier of the page's search timer
    int m_nTicks = 0;             // timer ticks (of kWorkerPollMs) since the search started
    BYTE m_bSearchPending = TRUE; // TRUE until the first activation starts the search
    CListCtrl m_listDevices;      // control IDC_DEVICE_LIST, the adapters found
    CButton m_groupDevices;       // control IDC_DEVICE_GROUP, group box around the list
    std::string m_strPrompt;      // static IDC_SEARCH_PROMPT, first IDS_SEARCHING
    std::string m_strHint;        // static IDC_SEARCH_HINT

private:
    // One record and one identify worker per port, appended to theApp.m_devices in port order.
    static void StartSearch();
    // No record of theApp.m_devices is still waiting for its worker.
    static bool AllProbesDone();
    // The sheet's progress: how many of the ports have answered or failed (their workers have
    // ended).
    void ShowProgress();
    // Drops from theApp.m_devices every record without an identified adapter (keeping the order)
    // and logs the rest. Returns the names ("COM3") of the ports that answered, but not as a
    // known adapter.
    static std::vector<std::string> PruneAndLogDevices();
    // The list of adapters, or IDS_NOT_FOUND with a hint why: the ports that failed to open for
    // a reason the user can act on, else those in `unknownAnswers`.
    void ShowOutcome(const std::vector<std::string>& unknownAnswers);
    void ShowDevices();
    void FillDeviceList();
};
