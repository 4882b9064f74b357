#include "src/pages/ConfigSuccessPage.h"

namespace
{
constexpr int kMessageControl = 1137;
constexpr UINT kStringSuccess = 1432;
} // namespace

CConfigSuccessPage::CConfigSuccessPage() : COutcomePage(IDD, kMessageControl) {}

UINT CConfigSuccessPage::MessageId() const
{
    return kStringSuccess;
}
