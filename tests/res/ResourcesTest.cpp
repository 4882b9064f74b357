#include "src/res/Resources.h"
#include "src/res/WizardRes.h"
#include "tests/support/PageList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace
{

const char* FindText(UINT id)
{
    for (const StringResource& entry : WizardResources().strings)
    {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}

const DialogTemplate* FindTemplate(UINT id)
{
    for (const DialogTemplate& dialog : WizardResources().dialogs)
    {
        if (dialog.id == id)
            return &dialog;
    }
    return nullptr;
}

const ImageResource* FindImageResource(UINT id)
{
    for (const ImageResource& image : WizardResources().images)
    {
        if (image.id == id)
            return &image;
    }
    return nullptr;
}

const DialogItem* FindControl(const DialogTemplate& dialog, int id)
{
    for (const DialogItem& item : dialog.items)
    {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

// The static styles (SS_LEFT ... SS_ETCHEDHORZ) share the low five bits.
constexpr DWORD kStaticTypeMask = 0x1F;

// A drop-down list's height is that of its opened list, which may hang below the page.
int VisibleHeight(const DialogItem& item)
{
    return item.controlClass == ControlClass::ComboBox ? std::min<int>(item.cy, 12) : item.cy;
}

} // namespace

TEST(StringTable, IdsAscendAndAreUnique_InTableOrder)
{
    const auto strings = WizardResources().strings;
    ASSERT_FALSE(strings.empty());
    for (size_t i = 1; i < strings.size(); ++i)
        EXPECT_LT(strings[i - 1].id, strings[i].id) << "after id " << strings[i - 1].id;
    for (const StringResource& entry : strings)
        EXPECT_NE(entry.text, nullptr) << entry.id;
}

TEST(StringTable, TextsAreExact_WhenTheyHoldEscapesPlaceholdersOrOddSpacing)
{
    EXPECT_STREQ(FindText(IDS_NOT_FOUND),
                 "Could not find your ISDN TA.  Please make sure the ISDN TA is plugged in, "
                 "turned on and the cable is connected properly.\r\nClick Finish now.");
    EXPECT_STREQ(FindText(IDS_DISCARD_NAMED_FOR_NAMED),
                 "You will lose modifications made to %s.\nAre you sure you wish to open %s?");
    EXPECT_STREQ(FindText(IDS_WELCOME_INTRO),
                 "The QUORAN Configuration Wizard will allow you to configure your terminal "
                 "adapter quickly and easily.\r\n\r\nVersion 1.56\r\n\r\nDo you want the "
                 "wizard to search for your ISDN TA?");
    EXPECT_STREQ(FindText(IDS_BAD_PROFILE_VALUE),
                 "Invalid %s value found in INI file. Factory default value read instead.");
    EXPECT_STREQ(FindText(IDS_DELETE_QUESTION), "Are you sure you want to delete '%s'?");
    EXPECT_STREQ(FindText(IDS_OVERWRITE_EXISTING),
                 "Warning: This configuration, %s,  already exists and will be "
                 "overwritten.\nContinue?");
    EXPECT_STREQ(FindText(IDS_SEARCHING),
                 "Please wait while the configuration utility searches for your ISDN "
                 "TA(s).  This may take up to 20 seconds.");
    EXPECT_STREQ(FindText(IDS_SWITCH_5ESS), "AT&T 5ESS");
    EXPECT_STREQ(FindText(IDS_CONFIG_NOT_SAVED), "The configuration could not be saved to %s.");
}

TEST(StringTable, NumberedChoicesFollowTheirIds_ForTeisAndComPorts)
{
    for (int n = 0; n <= 63; ++n)
        EXPECT_STREQ(FindText(NumberStringId(n)), std::to_string(n).c_str());
    for (int port = 1; port <= 36; ++port)
    {
        const UINT id = ComPortStringId(port);
        EXPECT_EQ(FindText(id), "COM" + std::to_string(port)) << id;
    }
}

TEST(DialogTemplates, AllTwentyOnePagesPresent_WithTheirSizeAndCaption)
{
    EXPECT_EQ(WizardResources().dialogs.size(), std::size(kPages));
    for (const PageRow& page : kPages)
    {
        const DialogTemplate* dialog = FindTemplate(page.templateId);
        ASSERT_NE(dialog, nullptr) << page.className;
        EXPECT_EQ(dialog->cx, 266) << page.className;
        EXPECT_EQ(dialog->cy, 150) << page.className;
        EXPECT_STREQ(dialog->caption, page.caption) << page.className;
        EXPECT_FALSE(dialog->items.empty()) << page.className;
    }
}

TEST(DialogTemplates, ControlsAreUniqueAndInsideThePage_InEveryTemplate)
{
    for (const DialogTemplate& dialog : WizardResources().dialogs)
    {
        std::set<int> ids;
        for (const DialogItem& item : dialog.items)
        {
            if (item.id != IDC_STATIC)
            {
                EXPECT_TRUE(ids.insert(item.id).second) << dialog.id << ": control " << item.id;
            }
            EXPECT_GE(item.x, 0) << dialog.id << ": control " << item.id;
            EXPECT_GE(item.y, 0) << dialog.id << ": control " << item.id;
            EXPECT_LE(item.x + item.cx, dialog.cx) << dialog.id << ": control " << item.id;
            EXPECT_LE(item.y + VisibleHeight(item), dialog.cy)
                << dialog.id << ": control " << item.id;
            EXPECT_NE(item.text, nullptr) << dialog.id << ": control " << item.id;
        }
    }
}

TEST(DialogTemplates, EveryPictureExists_AndFitsItsStaticsShape)
{
    for (const DialogTemplate& dialog : WizardResources().dialogs)
    {
        int pictures = 0;
        for (const DialogItem& item : dialog.items)
        {
            if ((item.style & kStaticTypeMask) != SS_BITMAP ||
                item.controlClass != ControlClass::Static)
                continue;
            ++pictures;
            const ImageResource* image = FindImageResource(item.imageId);
            ASSERT_NE(image, nullptr) << dialog.id << ": image " << item.imageId;
            const char* viewBox = std::strstr(image->svg, "viewBox=\"");
            ASSERT_NE(viewBox, nullptr) << item.imageId;
            double left = 0, top = 0, width = 0, height = 0;
            ASSERT_EQ(
                std::sscanf(viewBox, "viewBox=\"%lf %lf %lf %lf\"", &left, &top, &width, &height),
                4)
                << item.imageId;
            EXPECT_NEAR(width / height, double(item.cx) / item.cy, 0.01) << item.imageId;
        }
        EXPECT_EQ(pictures, 1) << dialog.id;
    }
}

TEST(DialogTemplates, ResultControlsStartHidden_OnTheSearchAndNumbersPages)
{
    const struct
    {
        UINT dialog;
        int control;
    } hidden[] = {{IDD_SEARCH, IDC_DEVICE_LIST},
                  {IDD_SEARCH, IDC_DEVICE_GROUP},
                  {IDD_SPID_NUMBERS, IDC_DATA_DN2},
                  {IDD_MSN_NUMBERS, IDC_DATA_MSN2},
                  {IDD_MSN_NUMBERS, IDC_DATA_SUB2}};
    for (const auto& [dialogId, controlId] : hidden)
    {
        const DialogItem* item = FindControl(*FindTemplate(dialogId), controlId);
        ASSERT_NE(item, nullptr) << controlId;
        EXPECT_EQ(item->style & WS_VISIBLE, 0u) << controlId;
    }
    const DialogItem* list = FindControl(*FindTemplate(IDD_SEARCH), IDC_DEVICE_LIST);
    EXPECT_EQ(list->controlClass, ControlClass::ListView);
    EXPECT_EQ(list->style & (LVS_REPORT | LVS_SINGLESEL), DWORD(LVS_REPORT | LVS_SINGLESEL));
}

TEST(DialogTemplates, RadioGroupStartsAtYes_OnTheWelcomePage)
{
    const DialogTemplate& welcome = *FindTemplate(IDD_WELCOME);
    const DialogItem* yes = FindControl(welcome, IDC_SEARCH_YES);
    const DialogItem* no = FindControl(welcome, IDC_SEARCH_NO);
    ASSERT_NE(yes, nullptr);
    ASSERT_NE(no, nullptr);
    EXPECT_NE(yes->style & WS_GROUP, 0u);
    EXPECT_EQ(no->style & WS_GROUP, 0u);
    EXPECT_EQ(yes->style & BS_TYPEMASK, DWORD(BS_AUTORADIOBUTTON));
    EXPECT_EQ(no->style & BS_TYPEMASK, DWORD(BS_AUTORADIOBUTTON));
}

TEST(Artwork, EveryImageIsAnSvgDocument_WithAViewBox)
{
    ASSERT_NE(FindImageResource(128), nullptr);
    for (const ImageResource& image : WizardResources().images)
    {
        std::vector<std::string_view> drawings{image.svg};
        if (image.smallSvg != nullptr)
            drawings.push_back(image.smallSvg);
        for (const std::string_view svg : drawings)
        {
            EXPECT_TRUE(svg.starts_with("<svg ")) << image.id;
            EXPECT_NE(svg.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string_view::npos)
                << image.id;
            EXPECT_NE(svg.find("viewBox=\""), std::string_view::npos) << image.id;
            EXPECT_TRUE(svg.ends_with("</svg>")) << image.id;
            EXPECT_EQ(svg.find("<svg", 1), std::string_view::npos) << image.id;
        }
    }
}
