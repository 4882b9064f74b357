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

int ValueAt(const CObList& list, POSITION pos)
{
    return static_cast<Item*>(list.GetAt(pos))->value;
}
} // namespace

TEST(ObList, IteratesInOrderAndRemovesByPosition)
{
    Item one(1), two(2), three(3);
    CObList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    list.AddTail(&two);
    list.AddTail(&three);
    list.AddHead(&one);
    std::vector<int> seen;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        seen.push_back(static_cast<Item*>(list.GetNext(pos))->value);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    POSITION found = list.Find(&two);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(ValueAt(list, found), 2);
    list.RemoveAt(found);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.Find(&two), nullptr);
    EXPECT_EQ(ValueAt(list, list.FindIndex(1)), 3);
    EXPECT_EQ(list.FindIndex(2), nullptr);
    EXPECT_EQ(list.RemoveHead(), &one);
    EXPECT_EQ(list.RemoveTail(), &three);
    EXPECT_EQ(list.RemoveTail(), nullptr);
}
