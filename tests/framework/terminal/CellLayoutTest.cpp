// The page layout in character cells, over the wizard's 21 templates: at 80 x 24 every control
// lies inside the page area, none runs into another, every text fits its cells, and a label
// shares its row with the field it names.
#include "framework/terminal/CellLayout.h"
#include "src/res/Resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termhost
{
namespace
{
// The page area of an 80 x 24 window: inside its frame, a blank column each side; above the
// separator line and the row of buttons.
constexpr int kColumns = 76;
constexpr int kRows = 19;

// The page drawn as letters (a for the first control, b for the next, ...), for failure messages.
std::string Picture(const std::vector<CellPlace>& places)
{
    std::vector<std::string> rows(kRows, std::string(kColumns, '.'));
    for (size_t i = 0; i < places.size(); ++i)
    {
        const CellRect& r = places[i].rect;
        for (int y = r.row; y < r.Bottom() && y < kRows; ++y)
        {
            for (int x = r.col; x < r.Right() && x < kColumns; ++x)
            {
                rows[y][x] = static_cast<char>('a' + i);
            }
        }
    }
    std::string picture = "\n";
    for (const std::string& row : rows)
    {
        picture += row + "\n";
    }
    return picture;
}

// The texts' own width: a one-row text shows whole, one of several rows wraps into its rows.
size_t NeededRows(const DialogItem& item, const CellRect& rect)
{
    return WrapText(WithoutMnemonic(item.text), rect.width).size();
}

TEST(CellLayout, EveryPageFitsWithoutOverlapsOrCutTexts)
{
    for (const DialogTemplate& page : WizardDialogs())
    {
        SCOPED_TRACE("template " + std::to_string(page.id));
        const std::vector<CellPlace> places = LayOutPage(page.items, kColumns, kRows);
        ASSERT_EQ(places.size(), page.items.size());
        const std::string picture = Picture(places);
        for (size_t i = 0; i < places.size(); ++i)
        {
            const DialogItem& item = page.items[i];
            const CellShape shape = ShapeOf(item.controlClass, item.style);
            const CellRect& rect = places[i].rect;
            SCOPED_TRACE("item " + std::to_string(i) + " \"" + item.text + "\"" + picture);
            if (shape == CellShape::None)
            {
                EXPECT_TRUE(rect.Empty());
                continue;
            }
            EXPECT_FALSE(rect.Empty());
            EXPECT_LE(rect.Right(), kColumns);
            EXPECT_LE(rect.Bottom(), kRows);
            if (shape == CellShape::Text)
            {
                EXPECT_LE(NeededRows(item, rect), static_cast<size_t>(rect.height));
            }
            else if (shape != CellShape::Frame)
            {
                EXPECT_LT(WithoutMnemonic(item.text).size(), static_cast<size_t>(rect.width));
            }
            for (size_t j = i + 1; j < places.size(); ++j)
            {
                const CellShape other = ShapeOf(page.items[j].controlClass, page.items[j].style);
                if (shape != CellShape::Frame && other != CellShape::Frame)
                {
                    EXPECT_FALSE(rect.Intersects(places[j].rect)) << "runs into item " << j;
                }
            }
            // A label names the field after it, a few units higher or lower in the template.
            if (shape == CellShape::Text && i + 1 < places.size() &&
                ShapeOf(page.items[i + 1].controlClass, page.items[i + 1].style) ==
                    CellShape::Field &&
                std::abs(item.y - page.items[i + 1].y) <= 4)
            {
                EXPECT_EQ(rect.row, places[i + 1].rect.row);
                EXPECT_LT(rect.col, places[i + 1].rect.col);
            }
        }
    }
}

TEST(CellLayout, TextsWrapAtBlanksAndLineBreaks)
{
    struct Row
    {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"", 10, {""}},
        {"short", 10, {"short"}},
        {"two words", 5, {"two", "words"}},
        {"a  b", 1, {"a", "b"}},
        {"unbreakable", 4, {"unbr", "eaka", "ble"}},
        {"one\r\n\r\ntwo\nthree\r", 10, {"one", "", "two", "three"}},
        {"fits exactly", 12, {"fits exactly"}},
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(WrapText(row.text, row.width), row.lines) << row.text;
    }
}

TEST(CellLayout, MnemonicMarksAreNotShown)
{
    EXPECT_EQ(WithoutMnemonic("&Next >"), "Next >");
    EXPECT_EQ(WithoutMnemonic("AT&&T"), "AT&T");
    EXPECT_EQ(WithoutMnemonic("end&"), "end");
}
} // namespace
} // namespace termhost
