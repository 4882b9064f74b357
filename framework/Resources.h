// The application's resources as constant data: the string table, the dialog templates and the
// artwork. The application registers its tables once at start-up (AfxSetResources); the
// framework looks strings, templates and images up by id.
#pragma once

#include "platform/win32.h"

#include <cstddef>
#include <span>

// The window class of a dialog control, as a resource script names it.
enum class ControlClass
{
    Static,   // "Static": text, SS_BITMAP picture, SS_ICON
    Button,   // "Button": push button, check box, radio button, group box (BS_ style)
    Edit,     // "Edit"
    ComboBox, // "ComboBox"
    ListBox,  // "ListBox"
    ListView, // "SysListView32"
};

// One control of a dialog template. `style` is complete: WS_VISIBLE, WS_TABSTOP, WS_GROUP,
// WS_DISABLED and the class styles are given explicitly (WS_CHILD is implied). Positions and
// sizes are in dialog units.
struct DialogItem
{
    const char* text; // caption; "" for none
    int id;           // IDC_STATIC for controls without an id of their own
    ControlClass controlClass;
    DWORD style;
    short x, y, cx, cy;
    UINT imageId; // bitmap or icon resource of an SS_BITMAP / SS_ICON static, else 0
};

struct DialogTemplate
{
    UINT id;
    const char* caption;
    short cx, cy; // dialog units
    std::span<const DialogItem> items;
};

struct StringResource
{
    UINT id;
    const char* text;
};

// Artwork: an SVG document drawn by us. Hosts that show pictures render it at the control's size.
// An icon may carry a second drawing made for the small sizes, as a Windows icon carries an image
// per size: a picture scaled down to 16 pixels blurs into a strip.
struct ImageResource
{
    UINT id;
    const char* svg;
    const char* smallSvg = nullptr; // for sides up to kSmallIconSide; nullptr: svg at every size
};

// The largest side, in pixels, that an icon's small drawing is for.
inline constexpr int kSmallIconSide = 24;

// The drawing of `image` to render `side` pixels high: its small drawing up to kSmallIconSide
// when it has one, else its svg.
const char* AfxImageSvg(const ImageResource& image, int side);

struct ResourceTables
{
    std::span<const StringResource> strings; // ascending ids
    std::span<const DialogTemplate> dialogs;
    std::span<const ImageResource> images; // bitmaps and icons
};

// Registers the tables the lookups below search; the tables must outlive every lookup.
void AfxSetResources(const ResourceTables& tables);

// Lookups; each returns nullptr when the id is not in the registered tables.
const char* AfxFindString(UINT id);
const DialogTemplate* AfxFindDialog(UINT id);
const ImageResource* AfxFindImage(UINT id);
