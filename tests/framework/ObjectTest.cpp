#include "framework/Afx.h"

#include <gtest/gtest.h>

namespace
{
class Item : public CObject
{
public:
    explicit Item(int v) : value(v) {}
    int value;
};
} // namespace

TEST(ObList, IteratesInOrderAndRemovesFromTheHead)
{
    Item one(1), two(2), three(3);
    CObList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    list.AddTail(&one);
    list.AddTail(&two);
    list.AddTail(&three);
    std::vector<int> seen;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        seen.push_back(static_cast<Item*>(list.GetNext(pos))->value);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.RemoveHead(), &one);
    EXPECT_EQ(list.RemoveHead(), &two);
    EXPECT_EQ(list.RemoveHead(), &three);
    EXPECT_EQ(list.RemoveHead(), nullptr);
    EXPECT_TRUE(list.IsEmpty());
}
