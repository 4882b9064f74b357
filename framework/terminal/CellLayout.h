// Where a page's controls go in a text terminal: each control's dialog-unit rectangle from the
// page's template turned into character cells, 4 dialog units a column and 8 a row (the units'
// own definition: a dialog unit is a quarter of an average character's width and an eighth of
// its height), so that a 266 x 150 page takes 67 x 19 cells.
//
// A terminal's characters are wider than a proportional font's average, so texts need more
// columns than their templates give them. The layout makes room where the template leaves it:
//  - a control of one row (label, field, drop-down list, check box, radio button, push button)
//    sits on the row of its vertical middle, so that a label and the field beside it share a row;
//  - a one-row text widens to its whole text and one blank column, and the controls it would
//    run into on its row move right by as much;
//  - a text of several rows starts on the row nearest its top and wraps at word breaks within its
//    width; it takes as many rows as its text needs, more than its template's where the rows
//    below are free, and keeps the free rows below as room for longer texts set later (rows of
//    controls the template hides count as free: they are shown in place of such texts).
// Pictures take no cells (a terminal shows none). Group boxes frame their rows and are not moved.
#pragma once

#include "framework/Resources.h"

#include <span>
#include <string>
#include <vector>

namespace termhost
{
inline constexpr int kUnitsPerColumn = 4;
inline constexpr int kUnitsPerRow = 8;

// A rectangle of character cells; col and row count from 0 at the page's top left.
struct CellRect
{
    int col = 0;
    int row = 0;
    int width = 0;
    int height = 0;

    int Right() const { return col + width; }
    int Bottom() const { return row + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Intersects(const CellRect& other) const;
    bool operator==(const CellRect&) const = default;
};

// How a control is drawn in cells, read from its class and style.
enum class CellShape
{
    None,   // a picture: not drawn
    Line,   // an etched line
    Text,   // a text static, on one row or wrapped over several
    Toggle, // a check box or radio button: a mark, a blank and the text
    Push,   // a push button: its text between two blanks at least
    Frame,  // a group box: a frame with its text in the top line
    Field,  // an edit or a drop-down list: one row
    Box,    // a list box or list view: a framed area of rows
};

CellShape ShapeOf(ControlClass controlClass, DWORD style);

struct CellPlace
{
    CellRect rect;
    // The rows a text static may take from its row down without meeting another control (its
    // own height at least).
    int roomRows = 0;
};

// The places of a template's items, index for index, in a page area of `columns` x `rows`
// cells. Controls that do not fit are cut at the area's edges.
std::vector<CellPlace> LayOutPage(std::span<const DialogItem> items, int columns, int rows);

// The text as shown: without the mnemonic marks ("&&" shows one '&').
std::string WithoutMnemonic(const std::string& text);
// The text broken into lines of at most `width` characters: at its line breaks ("\r\n", "\n" or
// "\r"), then at the last blank that fits; a word longer than a line is cut.
std::vector<std::string> WrapText(const std::string& text, int width);
} // namespace termhost
