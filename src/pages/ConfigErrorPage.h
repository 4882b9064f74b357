// The outcome page for a download that failed on the port or on a line (not written, or refused by
// the adapter).
#pragma once

#include "src/pages/OutcomePage.h"

class CConfigErrorPage : public COutcomePage
{
public:
    static constexpr UINT IDD = IDD_ERROR;

    CConfigErrorPage();

protected:
    UINT MessageId() const override;
};
