// Support for the native host's tests (Windows build, under Wine on a virtual screen): small test
// templates, a page that records every change notification it receives, and a fixture that runs
// a sheet of two such pages modelessly on a Win32Host. The test is the user: it acts on the
// real windows with the messages that a click or a key sends, and lets the host handle them.
#pragma once

#include "framework/Afx.h"
#include "framework/win32/Win32Host.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace win32test
{
inline constexpr UINT kFirstTemplate = 600;
inline constexpr UINT kSecondTemplate = 601;

inline constexpr int kName = 1001;   // edit, after its "Na&me:" label
inline constexpr int kOption = 1002; // auto check box
inline constexpr int kRadioA = 1003; // first radio group: A, B
inline constexpr int kRadioB = 1004;
inline constexpr int kRadioC = 1005;  // second radio group: C
inline constexpr int kSorted = 1008;  // sorted drop-down list
inline constexpr int kList = 1009;    // notifying list box
inline constexpr int kDevices = 1010; // report-view list, single selection
inline constexpr int kApply = 1011;   // push button

// A page that logs "CODE:id" for every notification of its controls, and "TIMER:id".
class RecordingPage : public CPropertyPage
{
public:
    explicit RecordingPage(UINT templateId) : CPropertyPage(templateId) {}

    void OnTimer(UINT_PTR id) override { events.push_back("TIMER:" + std::to_string(id)); }
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
    void OnApply() { Log("BN_CLICKED", kApply); }
    void OnSorted() { Log("CBN_SELCHANGE", kSorted); }
    void OnList() { Log("LBN_SELCHANGE", kList); }
    void OnDevices(NMHDR*, LRESULT*) { Log("LVN_ITEMCHANGED", kDevices); }

    DECLARE_MESSAGE_MAP()
};

// A sheet of two recording pages on a Win32Host, created modelessly.
class Win32SheetTest : public testing::Test
{
protected:
    Win32SheetTest();
    ~Win32SheetTest() override;

    // The window of a control of the first page, of the sheet's button `id`.
    HWND Control(int id) const { return host->WindowOf(*first.GetDlgItem(id)); }
    HWND SheetButton(int id) const { return host->WindowOf(*sheet.GetDlgItem(id)); }
    HWND Window() const { return host->WindowOf(sheet); }

    // Lets the host handle what is queued, as its message loop does.
    void Settle() const { host->Wait(0); }
    // The user presses `key` in the window that has the focus.
    void Press(UINT key) const;
    // The user types `text` into the window that has the focus.
    void Type(const std::string& text) const;
    // The user clicks a button.
    void Click(HWND button) const;
    // The window's text.
    static std::string TextOf(HWND window);

    Host* previousHost;
    std::unique_ptr<Win32Host> host;
    RecordingPage first{kFirstTemplate};
    RecordingPage second{kSecondTemplate};
    CPropertySheet sheet{"Test Sheet"};
};
} // namespace win32test
