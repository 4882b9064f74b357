#include "tests/support/RecordingPage.h"

#include <algorithm>

namespace recording
{
BEGIN_MESSAGE_MAP(RecordingPage, CPropertyPage)
ON_EN_CHANGE(kName, &RecordingPage::OnNameChange)
ON_BN_CLICKED(kOption, &RecordingPage::OnOption)
ON_BN_CLICKED(kRadioA, &RecordingPage::OnRadioA)
ON_BN_CLICKED(kRadioB, &RecordingPage::OnRadioB)
ON_BN_CLICKED(kRadioC, &RecordingPage::OnRadioC)
ON_BN_CLICKED(kRadioD, &RecordingPage::OnRadioD)
ON_BN_CLICKED(kApply, &RecordingPage::OnApply)
ON_CBN_SELCHANGE(kChoice, &RecordingPage::OnChoice)
ON_CBN_SELCHANGE(kSorted, &RecordingPage::OnSorted)
ON_LBN_SELCHANGE(kList, &RecordingPage::OnList)
ON_NOTIFY(LVN_ITEMCHANGED, kDevices, &RecordingPage::OnDevices)
ON_MESSAGE(kTestMessage, &RecordingPage::OnTestMessage)
END_MESSAGE_MAP()

int RecordingPage::Count(const std::string& code, int id) const
{
    std::string entry = code + ":" + std::to_string(id);
    return static_cast<int>(std::count(events.begin(), events.end(), entry));
}
} // namespace recording
