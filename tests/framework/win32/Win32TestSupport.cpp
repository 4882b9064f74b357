#include "tests/framework/win32/Win32TestSupport.h"

#include <algorithm>

namespace win32test
{
namespace
{
constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kTabStop = WS_VISIBLE | WS_TABSTOP;

// clang-format off
constexpr DialogItem kFirstItems[] = {
    {"Na&me:",  IDC_STATIC, ControlClass::Static,   kText, 5, 30, 40, 8, 0},
    {"",        kName,      ControlClass::Edit,     kTabStop | WS_BORDER | ES_AUTOHSCROLL, 50, 28, 80, 12, 0},
    {"&Apply",  kApply,     ControlClass::Button,   kTabStop | BS_PUSHBUTTON, 200, 26, 50, 14, 0},
    {"&Option", kOption,    ControlClass::Button,   kTabStop | BS_AUTOCHECKBOX, 5, 45, 60, 10, 0},
    {"A",       kRadioA,    ControlClass::Button,   kTabStop | WS_GROUP | BS_AUTORADIOBUTTON, 5, 60, 30, 10, 0},
    {"B",       kRadioB,    ControlClass::Button,   WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 72, 30, 10, 0},
    {"C",       kRadioC,    ControlClass::Button,   kTabStop | WS_GROUP | BS_AUTORADIOBUTTON, 50, 60, 30, 10, 0},
    {"",        kSorted,    ControlClass::ComboBox, kTabStop | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 170, 58, 60, 60, 0},
    {"",        kList,      ControlClass::ListBox,  kTabStop | WS_BORDER | LBS_NOTIFY, 5, 88, 60, 40, 0},
    {"",        kDevices,   ControlClass::ListView, kTabStop | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 75, 94, 180, 45, 0},
};
constexpr DialogItem kSecondItems[] = {
    {"The second page.", IDC_STATIC, ControlClass::Static, kText, 5, 5, 200, 8, 0},
};
constexpr DialogTemplate kTemplates[] = {
    {kFirstTemplate,  "First Page",  266, 150, kFirstItems},
    {kSecondTemplate, "Second Page", 266, 150, kSecondItems},
};
constexpr StringResource kStrings[] = {
    {1, "unused"},
};
// clang-format on
} // namespace

Win32SheetTest::Win32SheetTest() : previousHost(AfxGetHost())
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    AfxSetResources(ResourceTables{kStrings, kTemplates, {}});
    host = std::make_unique<Win32Host>(GetModuleHandleA(nullptr));
    AfxSetHost(host.get());
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.SetWizardMode();
    sheet.Create();
    Settle();
}

Win32SheetTest::~Win32SheetTest()
{
    sheet.DestroyWindow();
    host.reset();
    AfxSetHost(previousHost);
}

void Win32SheetTest::Press(UINT key) const
{
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    Settle();
}

void Win32SheetTest::Type(const std::string& text) const
{
    for (char c : text)
    {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        Settle();
    }
}

void Win32SheetTest::Click(HWND button) const
{
    SendMessageA(button, BM_CLICK, 0, 0);
    Settle();
}

std::string Win32SheetTest::TextOf(HWND window)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
} // namespace win32test
