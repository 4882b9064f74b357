// The outcome page for a download that got no final result for a line in time. Its details name
// that line.
#pragma once

#include "src/pages/OutcomePage.h"

class CConfigTimeoutPage : public COutcomePage
{
public:
    static constexpr UINT IDD = IDD_TIMEOUT;

    CConfigTimeoutPage();

protected:
    UINT MessageId() const override;
    std::string Reason() const override;
};
