#include "framework/headless/Wording.h"

#include "framework/ControlStyles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace
{
std::string RowText(const CListCtrl& list, int row)
{
    std::string text;
    int columns = std::max(list.GetColumnCount(), 1);
    for (int column = 0; column < columns; ++column)
    {
        text += (column > 0 ? ", " : "") + list.GetItemText(row, column);
    }
    return text;
}
} // namespace

std::string ControlKindName(const CWnd& wnd)
{
    switch (wnd.GetKind())
    {
    case WindowKind::Static:
        return wnd.GetImageId() != 0 ? "picture" : "static";
    case WindowKind::Button:
        if (IsCheckBox(wnd))
        {
            return "checkbox";
        }
        if (IsRadio(wnd))
        {
            return "radio";
        }
        return IsGroupBoxStyle(wnd.GetStyle()) ? "groupbox" : "pushbutton";
    case WindowKind::Edit:
        return "edit";
    case WindowKind::ComboBox:
        return "combo";
    case WindowKind::ListBox:
        return "listbox";
    case WindowKind::ListView:
        return "listview";
    case WindowKind::Sheet:
        return "sheet";
    case WindowKind::Page:
        return "page";
    case WindowKind::None:
        break;
    }
    return "none";
}

bool IsCheckBox(const CWnd& wnd)
{
    return wnd.GetKind() == WindowKind::Button && IsCheckBoxStyle(wnd.GetStyle());
}

bool IsRadio(const CWnd& wnd)
{
    return wnd.GetKind() == WindowKind::Button && IsRadioStyle(wnd.GetStyle());
}

bool IsItemList(const CWnd& wnd)
{
    return wnd.GetKind() == WindowKind::ComboBox || wnd.GetKind() == WindowKind::ListBox;
}

std::vector<std::string> ItemTexts(const CWnd& wnd)
{
    std::vector<std::string> items;
    if (IsItemList(wnd))
    {
        const auto& list = static_cast<const CListControlBase&>(wnd);
        for (int i = 0; i < list.GetCount(); ++i)
        {
            items.push_back(list.GetItemText(i));
        }
    }
    else if (wnd.GetKind() == WindowKind::ListView)
    {
        const auto& list = static_cast<const CListCtrl&>(wnd);
        for (int row = 0; row < list.GetItemCount(); ++row)
        {
            items.push_back(RowText(list, row));
        }
    }
    return items;
}

std::string SelectedItemText(const CWnd& wnd)
{
    if (IsItemList(wnd))
    {
        const auto& list = static_cast<const CListControlBase&>(wnd);
        return list.GetCurSel() < 0 ? std::string() : list.GetItemText(list.GetCurSel());
    }
    if (wnd.GetKind() == WindowKind::ListView)
    {
        const auto& list = static_cast<const CListCtrl&>(wnd);
        int row = list.GetNextItem(-1, LVNI_SELECTED);
        return row < 0 ? std::string() : RowText(list, row);
    }
    return std::string();
}

std::string JoinItems(const std::vector<std::string>& items)
{
    std::string joined;
    for (size_t i = 0; i < items.size(); ++i)
    {
        joined += (i > 0 ? "|" : "") + items[i];
    }
    return joined;
}

std::string QuoteText(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
    {
        switch (c)
        {
        case '\r':
            quoted += "\\r";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                quoted += hex;
            }
            else
            {
                quoted += c;
            }
            break;
        }
    }
    return quoted + "\"";
}

std::string PageClassName(const CPropertyPage& page)
{
    const char* mangled = typeid(page).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    std::string name = status == 0 && demangled ? std::string(demangled.get()) : mangled;
    // Scripts name a page by its class alone, whatever namespace it was declared in.
    size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

std::string CurrentPageName(const CPropertySheet& sheet)
{
    CPropertyPage* page = sheet.GetActivePage();
    return page != nullptr ? PageClassName(*page) : std::string("(none)");
}
