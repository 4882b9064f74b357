// Support for the native host's tests (Windows build, under Wine on a virtual screen): small test
// templates for the recording page (tests/support/RecordingPage.h), and a fixture that runs
// a sheet of two such pages modelessly on a Win32Host. The test is the user: it acts on the
// real windows with the messages that a click or a key sends, and lets the host handle them.
#pragma once

#include "framework/Afx.h"
#include "framework/win32/Win32Host.h"
#include "tests/support/RecordingPage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace win32test
{
using namespace recording;

inline constexpr UINT kFirstTemplate = 600;
inline constexpr UINT kSecondTemplate = 601;

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
