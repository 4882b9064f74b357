#include "src/pages/ConfigErrorPage.h"

namespace
{
constexpr int kMessageControl = 1139;
constexpr UINT kStringError = 1433;
} // namespace

CConfigErrorPage::CConfigErrorPage() : COutcomePage(IDD, kMessageControl) {}

UINT CConfigErrorPage::MessageId() const
{
    return FailureMessageId(kStringError);
}
