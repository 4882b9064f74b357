#include "src/profile/ChoiceEntry.h"

#include "framework/WinApp.h"
#include "platform/TextRules.h"

const ChoiceEntry* FindChoice(const ChoiceEntry* choices, std::string_view text)
{
    for (const ChoiceEntry* row = choices; row != nullptr && row->stringId != 0; ++row)
    {
        if (platform::EqualsNoCase(text, AfxLoadString(static_cast<UINT>(row->stringId))))
            return row;
    }
    return nullptr;
}
