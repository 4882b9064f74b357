// One row of a choice list: the displayed text (a string resource) and the value the adapter
// receives. A list is a constant array ended by a row whose stringId is 0.
#pragma once

#include <cstdint>
#include <string_view>

struct ChoiceEntry
{
    int32_t stringId;
    int32_t value;
};

// The first row of `choices` whose text equals `text`, ignoring letter case; nullptr when there is
// none or `choices` is nullptr.
const ChoiceEntry* FindChoice(const ChoiceEntry* choices, std::string_view text);
