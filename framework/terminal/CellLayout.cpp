#include "framework/terminal/CellLayout.h"

#include "framework/ControlStyles.h"

#include <algorithm>
#include <numeric>

namespace termhost
{
namespace
{
// A drop-down list's template height is that of its opened list; closed it is one field high.
constexpr int kFieldUnits = 12;
// Cells a check box's or radio button's mark takes before its text ("[ ] ").
constexpr int kToggleMark = 4;

int RoundDiv(int value, int divisor)
{
    return (value + divisor / 2) / divisor;
}

bool IsOneRow(CellShape shape)
{
    return shape == CellShape::Line || shape == CellShape::Toggle || shape == CellShape::Push ||
           shape == CellShape::Field;
}

// The columns a one-row control needs for its text; 0 when its template's width is enough.
int TextColumns(CellShape shape, const char* text)
{
    const int length = static_cast<int>(WithoutMnemonic(text).size());
    switch (shape)
    {
    case CellShape::Text:
        return length == 0 ? 0 : length + 1;
    case CellShape::Toggle:
        return kToggleMark + length + 1;
    case CellShape::Push:
        return length + 2;
    default:
        return 0;
    }
}

// The rows a text static's template gives it (a label of 8 or 10 units is one row).
int TemplateRows(const DialogItem& item)
{
    return std::max(1, RoundDiv(item.cy, kUnitsPerRow));
}

CellRect BaseRect(const DialogItem& item, CellShape shape)
{
    CellRect rect;
    rect.col = RoundDiv(item.x, kUnitsPerColumn);
    rect.width = std::max(1, RoundDiv(item.x + item.cx, kUnitsPerColumn) - rect.col);
    const bool oneRow = IsOneRow(shape) || (shape == CellShape::Text && TemplateRows(item) == 1);
    if (oneRow)
    {
        const int height = std::min<int>(item.cy, kFieldUnits);
        rect.row = (item.y + height / 2) / kUnitsPerRow;
        rect.height = 1;
    }
    else
    {
        rect.row = RoundDiv(item.y, kUnitsPerRow);
        rect.height = std::max(1, RoundDiv(item.y + item.cy, kUnitsPerRow) - rect.row);
    }
    return rect;
}

bool SharesRows(const CellRect& a, const CellRect& b)
{
    return a.row < b.Bottom() && b.row < a.Bottom();
}

// Widens one-row texts and moves what they run into to the right, row by row from the left.
void MakeRoomForTexts(std::span<const DialogItem> items, const std::vector<CellShape>& shapes,
                      std::vector<CellPlace>& places, int columns)
{
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&places](size_t a, size_t b) {
        return places[a].rect.col < places[b].rect.col;
    });
    for (size_t position = 0; position < order.size(); ++position)
    {
        const size_t i = order[position];
        CellRect& rect = places[i].rect;
        if (shapes[i] == CellShape::None || shapes[i] == CellShape::Frame)
        {
            continue;
        }
        // Pushed by the controls already placed to its left on its rows.
        for (size_t before = 0; before < position; ++before)
        {
            const size_t j = order[before];
            const CellRect& left = places[j].rect;
            if (shapes[j] != CellShape::None && shapes[j] != CellShape::Frame &&
                SharesRows(rect, left) && rect.Intersects(left))
            {
                rect.col = left.Right();
            }
        }
        if (rect.height == 1)
        {
            rect.width = std::max(
                rect.width, std::min(TextColumns(shapes[i], items[i].text), columns - rect.col));
        }
    }
}

// No control that the page shows from the start takes a cell of `band`. A control the template
// hides is shown later in place of something else (the search's list in place of its longer
// messages), so its rows are room too.
bool RowIsFree(std::span<const DialogItem> items, const std::vector<CellShape>& shapes,
               const std::vector<CellPlace>& places, size_t self, const CellRect& band)
{
    for (size_t j = 0; j < places.size(); ++j)
    {
        if (j != self && shapes[j] != CellShape::None && (items[j].style & WS_VISIBLE) != 0 &&
            band.Intersects(places[j].rect))
        {
            return false;
        }
    }
    return true;
}

// Gives each text static the rows its wrapped text needs, and notes the free rows below it.
void GrowTexts(std::span<const DialogItem> items, const std::vector<CellShape>& shapes,
               std::vector<CellPlace>& places, int rows)
{
    for (size_t i = 0; i < items.size(); ++i)
    {
        if (shapes[i] != CellShape::Text)
        {
            continue;
        }
        CellRect& rect = places[i].rect;
        int room = rect.height;
        while (rect.row + room < rows &&
               RowIsFree(items, shapes, places, i, {rect.col, rect.row + room, rect.width, 1}))
        {
            ++room;
        }
        const int needed =
            static_cast<int>(WrapText(WithoutMnemonic(items[i].text), rect.width).size());
        rect.height = std::max(rect.height, std::min(needed, room));
        places[i].roomRows = room;
    }
}

void CutToArea(CellRect& rect, int columns, int rows)
{
    rect.width = std::max(0, std::min(rect.width, columns - rect.col));
    rect.height = std::max(0, std::min(rect.height, rows - rect.row));
}
} // namespace

bool CellRect::Intersects(const CellRect& other) const
{
    return !Empty() && !other.Empty() && col < other.Right() && other.col < Right() &&
           row < other.Bottom() && other.row < Bottom();
}

CellShape ShapeOf(ControlClass controlClass, DWORD style)
{
    switch (controlClass)
    {
    case ControlClass::Static: {
        if (IsPictureStyle(style))
        {
            return CellShape::None;
        }
        return IsEtchedLineStyle(style) ? CellShape::Line : CellShape::Text;
    }
    case ControlClass::Button:
        if (IsGroupBoxStyle(style))
        {
            return CellShape::Frame;
        }
        return IsCheckBoxStyle(style) || IsRadioStyle(style) ? CellShape::Toggle : CellShape::Push;
    case ControlClass::Edit:
    case ControlClass::ComboBox:
        return CellShape::Field;
    case ControlClass::ListBox:
    case ControlClass::ListView:
        return CellShape::Box;
    }
    return CellShape::None;
}

std::vector<CellPlace> LayOutPage(std::span<const DialogItem> items, int columns, int rows)
{
    std::vector<CellShape> shapes;
    std::vector<CellPlace> places;
    for (const DialogItem& item : items)
    {
        shapes.push_back(ShapeOf(item.controlClass, item.style));
        CellPlace place;
        if (shapes.back() != CellShape::None)
        {
            place.rect = BaseRect(item, shapes.back());
        }
        places.push_back(place);
    }
    MakeRoomForTexts(items, shapes, places, columns);
    GrowTexts(items, shapes, places, rows);
    for (CellPlace& place : places)
    {
        CutToArea(place.rect, columns, rows);
        place.roomRows = std::max(place.roomRows, place.rect.height);
    }
    return places;
}

std::string WithoutMnemonic(const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '&' && ++i == text.size())
        {
            break;
        }
        shown += text[i];
    }
    return shown;
}

std::vector<std::string> WrapText(const std::string& text, int width)
{
    std::vector<std::string> lines;
    const size_t limit = static_cast<size_t>(std::max(1, width));
    size_t start = 0;
    while (start <= text.size())
    {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
        {
            end = text.size();
        }
        std::string paragraph = text.substr(start, end - start);
        while (paragraph.size() > limit)
        {
            size_t cut = paragraph.rfind(' ', limit);
            if (cut == std::string::npos || cut == 0)
            {
                cut = limit;
            }
            lines.push_back(paragraph.substr(0, cut));
            paragraph.erase(0, paragraph.find_first_not_of(' ', cut) == std::string::npos
                                   ? paragraph.size()
                                   : paragraph.find_first_not_of(' ', cut));
        }
        lines.push_back(paragraph);
        if (end == text.size())
        {
            break;
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    while (lines.size() > 1 && lines.back().empty())
    {
        lines.pop_back();
    }
    return lines;
}
} // namespace termhost
