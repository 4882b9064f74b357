// The bandwidth page: dynamic bandwidth allocation, the bandwidth on demand thresholds and call
// bumping. Adapters of model 7, 8 and 9 have none of these, and the routes never show the page
// for them.
#pragma once

#include "src/pages/CfgPage.h"

#include <string>

class CBandwidthPage : public CCfgPage
{
public:
    static constexpr UINT IDD = IDD_BANDWIDTH;

    CBandwidthPage();

    // Fills the two lists.
    BOOL OnInitDialog() override;
    // Custom setup: 0, the TEI page. Express setup: the first numbers page that applies, or the
    // data protocol page when both TEIs are disabled (-1).
    LRESULT OnWizardNext() override;
    // Custom setup: 0, the switch type page. Express setup: the setup type page (-1).
    LRESULT OnWizardBack() override;

    int m_nHighThreshold = 0;     // edit IDC_BOD_HIGH_THRESHOLD, seconds
    int m_nHighThroughput = 0;    // edit IDC_BOD_HIGH_THROUGHPUT, kbps
    int m_nLowThreshold = 0;      // edit IDC_BOD_LOW_THRESHOLD, seconds
    int m_nLowThroughput = 0;     // edit IDC_BOD_LOW_THROUGHPUT, kbps
    std::string m_strCallBumping; // combo IDC_CALL_BUMPING
    std::string m_strDBAScheme;   // combo IDC_BANDWIDTH_SCHEME

protected:
    // Leaving the page (by Next or by Back) refuses a value that is not an integer, then one
    // outside its parameter's range, in the order high threshold, high throughput, low
    // threshold, low throughput.
    void DoDataExchange(CDataExchange* pDX) override;
};
