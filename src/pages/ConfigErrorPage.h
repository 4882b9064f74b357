// The outcome page for a download that failed on the port or on a line (not written, or refused by
// the adapter). Its details name the port's failure (the device, the program that holds it) or
// the line the download stopped at.
#pragma once

#include "src/pages/OutcomePage.h"

class CConfigErrorPage : public COutcomePage
{
public:
    static constexpr UINT IDD = IDD_ERROR;

    CConfigErrorPage();

protected:
    UINT MessageId() const override;
    std::string Reason() const override;
};
