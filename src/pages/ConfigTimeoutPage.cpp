#include "src/pages/ConfigTimeoutPage.h"

namespace
{
constexpr int kMessageControl = 1134;
constexpr UINT kStringTimedOut = 1431;
} // namespace

CConfigTimeoutPage::CConfigTimeoutPage() : COutcomePage(IDD, kMessageControl) {}

UINT CConfigTimeoutPage::MessageId() const
{
    return FailureMessageId(kStringTimedOut);
}
