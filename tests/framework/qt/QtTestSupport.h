// Support for the Qt host's tests: the one QApplication (offscreen), small test templates for the
// recording page (tests/support/RecordingPage.h), and a fixture that runs a sheet of three such
// pages modelessly on a QtHost.
#pragma once

#include "framework/Afx.h"
#include "framework/qt/QtHost.h"
#include "tests/support/RecordingPage.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace qttest
{
using namespace recording;

// The test program's QApplication on the offscreen platform, made on first use.
QApplication& Application();

inline constexpr UINT kFirstTemplate = 600;
inline constexpr UINT kSecondTemplate = 601;
inline constexpr UINT kThirdTemplate = 602;
inline constexpr UINT kPicture = 700;

inline constexpr int kNameLabel = 1100;
inline constexpr int kTwoLines = 1101; // static with a line break
inline constexpr int kFrame = 1012;    // group box
inline constexpr int kHidden = 1013;   // edit without WS_VISIBLE
inline constexpr int kBitmap = 1014;   // bitmap static
// The second page: a drop-down list first, then an empty list box.
inline constexpr int kSecondChoice = 1020;
inline constexpr int kSecondList = 1021;

// Installs the test templates, strings and the picture.
void InstallResources();

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
