// The outcome page for a configuration the adapter accepted. It ends the wizard with Finish only:
// a second adapter is configured in a new run, because the pages fill their model-dependent lists
// and labels once per run.
#pragma once

#include "src/pages/OutcomePage.h"

class CConfigSuccessPage : public COutcomePage
{
public:
    static constexpr UINT IDD = IDD_SUCCESS;

    CConfigSuccessPage();

protected:
    UINT MessageId() const override;
};
