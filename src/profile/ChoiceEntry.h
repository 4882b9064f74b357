// One row of a choice list: the displayed text (a string resource) and the value the adapter
// receives. A list is a constant array ended by a row whose stringId is 0.
#pragma once

#include <cstdint>

struct ChoiceEntry
{
    int32_t stringId;
    int32_t value;
};
