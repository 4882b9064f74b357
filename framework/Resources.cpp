#include "framework/Resources.h"

#include <algorithm>

namespace
{
ResourceTables g_tables;
}

void AfxSetResources(const ResourceTables& tables)
{
    g_tables = tables;
}

const char* AfxFindString(UINT id)
{
    auto strings = g_tables.strings;
    auto it = std::lower_bound(strings.begin(), strings.end(), id,
                               [](const StringResource& s, UINT key) { return s.id < key; });
    if (it != strings.end() && it->id == id)
    {
        return it->text;
    }
    // Tables are documented as ascending; a table that is not still finds its strings.
    auto found = std::find_if(strings.begin(), strings.end(),
                              [id](const StringResource& s) { return s.id == id; });
    return found != strings.end() ? found->text : nullptr;
}

const DialogTemplate* AfxFindDialog(UINT id)
{
    for (const DialogTemplate& dialog : g_tables.dialogs)
    {
        if (dialog.id == id)
        {
            return &dialog;
        }
    }
    return nullptr;
}

const char* AfxImageSvg(const ImageResource& image, int side)
{
    return image.smallSvg != nullptr && side <= kSmallIconSide ? image.smallSvg : image.svg;
}

const ImageResource* AfxFindImage(UINT id)
{
    for (const ImageResource& image : g_tables.images)
    {
        if (image.id == id)
        {
            return &image;
        }
    }
    return nullptr;
}
