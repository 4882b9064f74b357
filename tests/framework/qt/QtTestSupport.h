// Support for the Qt host's tests: the one QApplication (offscreen), small test templates, a
// page that records every change notification it receives, and a fixture that runs a sheet of
// three such pages modelessly on a QtHost.
#pragma once

#include "framework/Afx.h"
#include "framework/qt/QtHost.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace qttest
{
// The test program's QApplication on the offscreen platform, made on first use.
QApplication& Application();

inline constexpr UINT kFirstTemplate = 600;
inline constexpr UINT kSecondTemplate = 601;
inline constexpr UINT kThirdTemplate = 602;
inline constexpr UINT kPicture = 700;

inline constexpr int kNameLabel = 1100;
inline constexpr int kName = 1001;     // edit, after its "Na&me:" label
inline constexpr int kTwoLines = 1101; // static with a line break
inline constexpr int kOption = 1002;   // auto check box
inline constexpr int kRadioA = 1003;   // first radio group: A, B
inline constexpr int kRadioB = 1004;
inline constexpr int kRadioC = 1005; // second radio group: C, D
inline constexpr int kRadioD = 1006;
inline constexpr int kChoice = 1007;  // drop-down list
inline constexpr int kSorted = 1008;  // sorted drop-down list
inline constexpr int kList = 1009;    // notifying list box
inline constexpr int kDevices = 1010; // report-view list, single selection
inline constexpr int kApply = 1011;   // push button
inline constexpr int kFrame = 1012;   // group box
inline constexpr int kHidden = 1013;  // edit without WS_VISIBLE
inline constexpr int kBitmap = 1014;  // bitmap static
// The second page: a drop-down list first, then an empty list box.
inline constexpr int kSecondChoice = 1020;
inline constexpr int kSecondList = 1021;

// Installs the test templates, strings and the picture.
void InstallResources();

// A message a test posts to a page; the page logs it as "POSTED".
inline constexpr UINT kTestMessage = WM_USER + 1;

// A page that logs "CODE:id" for every notification of its controls.
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

// A sheet of three recording pages on a QtHost, created modelessly (the test is the user).
class QtSheetTest : public testing::Test
{
protected:
    QtSheetTest();
    ~QtSheetTest() override;

    // The widget of a control of the first page, as its Qt class.
    template <class W> W* Widget(int id) const
    {
        CWnd* control = first.GetDlgItem(id);
        return control != nullptr ? qobject_cast<W*>(host->WidgetOf(*control)) : nullptr;
    }
    template <class W> W* SecondWidget(int id) const
    {
        CWnd* control = second.GetDlgItem(id);
        return control != nullptr ? qobject_cast<W*>(host->WidgetOf(*control)) : nullptr;
    }
    template <class W> W* SheetButton(int id) const
    {
        CWnd* button = sheet.GetDlgItem(id);
        return button != nullptr ? qobject_cast<W*>(host->WidgetOf(*button)) : nullptr;
    }
    QWidget* Window() const { return host->SheetWindow(); }

    Host* previousHost;
    std::unique_ptr<QtHost> host;
    RecordingPage first{kFirstTemplate};
    RecordingPage second{kSecondTemplate};
    RecordingPage third{kThirdTemplate};
    CPropertySheet sheet{"Test Sheet"};
};
} // namespace qttest
