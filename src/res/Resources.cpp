#include "src/res/Resources.h"

#include "src/res/StringTable.h"

std::span<const StringResource> WizardStrings()
{
    return kStringTable;
}

const ResourceTables& WizardResources()
{
    static const ResourceTables tables{WizardStrings(), WizardDialogs(), WizardImages()};
    return tables;
}
