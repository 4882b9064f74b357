#include "tests/framework/qt/QtTestSupport.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>

namespace qttest
{
QApplication& Application()
{
    // Tests never open a window on a real screen, whatever the environment says.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "framework_qt_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own teardown at exit would outlive the widgets' owners.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

namespace
{
constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

// clang-format off
constexpr DialogItem kFirstItems[] = {
    {"",              kBitmap,    ControlClass::Static,   WS_VISIBLE | SS_BITMAP, 1, 1, 20, 20, kPicture},
    {"Na&me:",        kNameLabel, ControlClass::Static,   kText, 5, 30, 40, 8, 0},
    {"",              kName,      ControlClass::Edit,     kEdit, 50, 28, 80, 12, 0},
    {"One\r\nTwo",    kTwoLines,  ControlClass::Static,   kText, 140, 24, 50, 18, 0},
    {"&Apply",        kApply,     ControlClass::Button,   WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 200, 26, 50, 14, 0},
    {"&Option",       kOption,    ControlClass::Button,   WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 5, 45, 60, 10, 0},
    {"A",             kRadioA,    ControlClass::Button,   WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 5, 60, 30, 10, 0},
    {"B",             kRadioB,    ControlClass::Button,   WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 72, 30, 10, 0},
    {"C",             kRadioC,    ControlClass::Button,   WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 50, 60, 30, 10, 0},
    {"D",             kRadioD,    ControlClass::Button,   WS_VISIBLE | BS_AUTORADIOBUTTON, 50, 72, 30, 10, 0},
    {"",              kChoice,    ControlClass::ComboBox, kDropList, 100, 58, 60, 60, 0},
    {"",              kSorted,    ControlClass::ComboBox, kDropList | CBS_SORT, 170, 58, 60, 60, 0},
    {"",              kList,      ControlClass::ListBox,  WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 5, 88, 60, 40, 0},
    {"Devices",       kFrame,     ControlClass::Button,   WS_VISIBLE | BS_GROUPBOX, 70, 84, 190, 60, 0},
    {"",              kDevices,   ControlClass::ListView, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 75, 94, 180, 45, 0},
    {"",              kHidden,    ControlClass::Edit,     WS_TABSTOP | WS_BORDER, 5, 130, 40, 12, 0},
};
constexpr DialogItem kSecondItems[] = {
    {"The second page.", IDC_STATIC,    ControlClass::Static,   kText, 5, 5, 200, 8, 0},
    {"",                 kSecondChoice, ControlClass::ComboBox, kDropList, 5, 20, 60, 60, 0},
    {"",                 kSecondList,   ControlClass::ListBox,  WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 40, 60, 40, 0},
};
constexpr DialogItem kThirdItems[] = {
    {"The third page.",  IDC_STATIC, ControlClass::Static, kText, 5, 5, 200, 8, 0},
};
constexpr DialogTemplate kTemplates[] = {
    {kFirstTemplate,  "First Page",  266, 150, kFirstItems},
    {kSecondTemplate, "Second Page", 266, 150, kSecondItems},
    {kThirdTemplate,  "Third Page",  266, 150, kThirdItems},
};
constexpr StringResource kStrings[] = {
    {1, "unused"},
};
constexpr ImageResource kImages[] = {
    {kPicture, "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
               "<rect width='10' height='10' fill='#1f4e79'/></svg>"},
};
// clang-format on
} // namespace

void InstallResources()
{
    AfxSetResources(ResourceTables{kStrings, kTemplates, kImages});
}

QtSheetTest::QtSheetTest() : previousHost(AfxGetHost())
{
    Application();
    InstallResources();
    host = std::make_unique<QtHost>();
    AfxSetHost(host.get());
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
    sheet.SetWizardMode();
    sheet.Create();
    QCoreApplication::processEvents();
}

QtSheetTest::~QtSheetTest()
{
    sheet.DestroyWindow();
    host.reset();
    AfxSetHost(previousHost);
}
} // namespace qttest
