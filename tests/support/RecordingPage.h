// A page for the screen hosts' tests (Qt, Win32) that records every notification of its
// controls as "CODE:id" (and "TIMER:id", "POSTED"), with the control ids its message map knows.
// Each host's suite has templates of its own that use these ids.
#pragma once

#include "framework/Afx.h"

#include <functional>
#include <string>
#include <vector>

namespace recording
{
inline constexpr int kName = 1001;   // edit, after its "Na&me:" label
inline constexpr int kOption = 1002; // auto check box
inline constexpr int kRadioA = 1003; // first radio group: A, B
inline constexpr int kRadioB = 1004;
inline constexpr int kRadioC = 1005; // second radio group: C (and D)
inline constexpr int kRadioD = 1006;
inline constexpr int kChoice = 1007;  // drop-down list
inline constexpr int kSorted = 1008;  // sorted drop-down list
inline constexpr int kList = 1009;    // notifying list box
inline constexpr int kDevices = 1010; // report-view list, single selection
inline constexpr int kApply = 1011;   // push button

// A message a test posts to a page; the page logs it as "POSTED".
inline constexpr UINT kTestMessage = WM_USER + 1;

class RecordingPage : public CPropertyPage
{
public:
    explicit RecordingPage(UINT templateId) : CPropertyPage(templateId) {}

    // Runs inside the Apply button's BN_CLICKED handler, after it is logged.
    std::function<void()> onApply;

    void OnTimer(UINT_PTR id) override { events.push_back("TIMER:" + std::to_string(id)); }
    // The notifications of one code, e.g. Count("EN_CHANGE", kName).
    int Count(const std::string& code, int id) const;

    std::vector<std::string> events;

private:
    void Log(const char* code, int id)
    {
        events.push_back(std::string(code) + ":" + std::to_string(id));
    }
    void OnNameChange() { Log("EN_CHANGE", kName); }
    void OnOption() { Log("BN_CLICKED", kOption); }
    void OnRadioA() { Log("BN_CLICKED", kRadioA); }
    void OnRadioB() { Log("BN_CLICKED", kRadioB); }
    void OnRadioC() { Log("BN_CLICKED", kRadioC); }
    void OnRadioD() { Log("BN_CLICKED", kRadioD); }
    void OnApply()
    {
        Log("BN_CLICKED", kApply);
        if (onApply)
        {
            onApply();
        }
    }
    LRESULT OnTestMessage(WPARAM, LPARAM)
    {
        events.push_back("POSTED");
        return 0;
    }
    void OnChoice() { Log("CBN_SELCHANGE", kChoice); }
    void OnSorted() { Log("CBN_SELCHANGE", kSorted); }
    void OnList() { Log("LBN_SELCHANGE", kList); }
    void OnDevices(NMHDR*, LRESULT*) { Log("LVN_ITEMCHANGED", kDevices); }

    DECLARE_MESSAGE_MAP()
};
} // namespace recording
