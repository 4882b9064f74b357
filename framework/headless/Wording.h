// How the headless tools put what a user sees into words: the kind of a control, its items and
// rows, its selection, texts in double quotes, the class names of pages. The script's output and
// the sheet controller's failures use these words, so both say the same of the same control.
// Only the framework's window state is read, never a host's widgets, so that every host gives
// the same words.
#pragma once

#include "framework/PropertySheet.h"

#include <string>
#include <vector>

// The control's kind as a user tells it: "checkbox", "radio", "groupbox", "pushbutton",
// "picture", "static", "edit", "combo", "listbox", "listview", "sheet", "page", or "none" for an
// object bound to no window.
std::string ControlKindName(const CWnd& wnd);
// A button of style BS_CHECKBOX or BS_AUTOCHECKBOX.
bool IsCheckBox(const CWnd& wnd);
// A button of style BS_RADIOBUTTON or BS_AUTORADIOBUTTON.
bool IsRadio(const CWnd& wnd);
// A combo box or a list box.
bool IsItemList(const CWnd& wnd);

// Combo and list boxes: the items in display order; list views: the rows, their cells joined
// by ", "; other controls: none.
std::vector<std::string> ItemTexts(const CWnd& wnd);
// The selected item of a combo or list box, or the first selected row of a list view (as
// ItemTexts words it); "" when nothing is selected and for other controls.
std::string SelectedItemText(const CWnd& wnd);
// The texts joined by "|".
std::string JoinItems(const std::vector<std::string>& items);

// The text in double quotes, CR, LF, tab and other control characters escaped (\r \n \t \xNN).
std::string QuoteText(const std::string& text);
// The C++ class name of a page without its namespaces ("CWelcomePage").
std::string PageClassName(const CPropertyPage& page);
// The class name of the sheet's active page; "(none)" when no page is active.
std::string CurrentPageName(const CPropertySheet& sheet);
