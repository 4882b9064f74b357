// The factory profile that installations ship (data/quoran.ini) read by the wizard's own store:
// every configuration it lists loads without a report of an invalid value, on every adapter of
// the device table, and is written back by a save exactly as it stands.
#include "src/app/CfgApp.h"
#include "src/app/CfgSheet.h"
#include "src/commands/CfgParam.h"
#include "src/identify/DeviceTable.h"
#include "src/profile/ProfileFile.h"
#include "tests/support/MessageBoxes.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string ShippedText()
{
    std::ifstream in(QUORAN_SHIPPED_PROFILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of section `name` in `text`, header included, up to the next section or blank line.
std::vector<std::string> SectionLines(const std::string& text, const std::string& name)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    bool inside = false;
    for (std::string line; std::getline(in, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind('[', 0) == 0)
            inside = line == "[" + name + "]";
        else if (line.empty())
            inside = false;
        if (inside)
            lines.push_back(line);
    }
    return lines;
}

class ShippedProfile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearMessageBoxes();
        m_shipped.Write(ShippedText());
        g_profilePath = m_shipped.Path();
    }
    void TearDown() override
    {
        theParams.RemoveAll();
        theApp.m_device.modelCode = 0;
        theApp.m_device.extModelCode = 0;
        g_profilePath.clear();
    }

    std::vector<std::string> FactoryNames() const
    {
        std::vector<std::string> names;
        for (const std::string& name : ListConfigurations(m_shipped.Path()))
        {
            if (IsFactoryDefaultConfig(name))
                names.push_back(name);
        }
        return names;
    }

    TempProfile m_shipped;
};
} // namespace

TEST_F(ShippedProfile, ListsItsFactoryConfigurations_AndNothingElse)
{
    const std::vector<std::string> names = FactoryNames();
    EXPECT_EQ(names, (std::vector<std::string>{"EuroISDN_NET3", "NorthAmerica_NI1"}));
    EXPECT_EQ(ListConfigurations(m_shipped.Path()).size(), names.size());
}

TEST_F(ShippedProfile, EveryFactoryConfiguration_LoadsCleanlyOnEveryAdapter_AndSavesAsItStands)
{
    const std::string text = ShippedText();
    for (const DeviceTableEntry* device = DeviceTable; device->nameId != 0; ++device)
    {
        for (const std::string& name : FactoryNames())
        {
            SCOPED_TRACE(name + " on model " + std::to_string(device->modelCode) + "/" +
                         std::to_string(device->extModelCode));
            auto sheet = std::make_unique<CCfgSheet>("QUORAN Configuration Wizard");
            theApp.m_device.modelCode = device->modelCode;
            theApp.m_device.extModelCode = device->extModelCode;
            sheet->BuildCatalogue(m_shipped.Path());
            sheet->m_iniSectionPage.m_strConfigName = name;
            theParams.LoadAll();
            EXPECT_TRUE(ShownTexts().empty()) << "an invalid stored value was reported";

            bool offered = false;
            const std::string protocol = sheet->m_dataProtocolPage.m_strDataProtocol;
            for (const ChoiceEntry* choice =
                     GetDeviceProtocolChoices(device->modelCode, device->extModelCode);
                 choice != nullptr && choice->stringId != 0; ++choice)
                offered = offered || AfxLoadString(static_cast<UINT>(choice->stringId)) == protocol;
            EXPECT_TRUE(offered) << "the adapter does not offer " << protocol;

            if (device != DeviceTable)
                continue;
            TempProfile copy;
            sheet->BuildCatalogue(copy.Path());
            ASSERT_TRUE(theParams.SaveAll());
            EXPECT_EQ(SectionLines(copy.Read(), name), SectionLines(text, name));
        }
    }
}
