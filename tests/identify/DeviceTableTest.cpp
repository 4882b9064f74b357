#include "src/identify/DeviceTable.h"

#include "src/res/Resources.h"
#include "src/res/WizardRes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

bool InStringTable(int id)
{
    for (const StringResource& entry : WizardResources().strings)
    {
        if (entry.id == static_cast<UINT>(id))
            return true;
    }
    return false;
}

int RowCount(const ModelCodeEntry* table)
{
    int rows = 0;
    while (table[rows].code != -1)
        ++rows;
    return rows;
}

} // namespace

TEST(DeviceTable, FindDeviceGivesTheRow_OrNothingForAnUnknownPair)
{
    EXPECT_EQ(FindDevice(3, 16), 1);
    EXPECT_EQ(FindDevice(6, 16), 7);
    EXPECT_EQ(FindDevice(3, 30), -1);
    EXPECT_EQ(GetDeviceNameId(3, 30), 0);
    EXPECT_EQ(GetDeviceDefaultSwitchId(3, 30), 0);
    EXPECT_EQ(GetDeviceProtocolChoices(3, 30), nullptr);
    EXPECT_EQ(FindDevice(devid_kUnknown, devid_kUnknown), -1);

    EXPECT_EQ(GetDeviceNameId(9, 32), IDS_PELLOR_S);
    EXPECT_EQ(GetDeviceDefaultSwitchId(9, 32), IDS_SWITCH_NET3);
    EXPECT_EQ(GetDeviceProtocolChoices(9, 32), devid_ProtocolsD);
    EXPECT_EQ(GetDeviceDefaultSwitchId(7, 20), IDS_SWITCH_NI1);
    EXPECT_EQ(GetDeviceProtocolChoices(10, 34), devid_ProtocolsA);
}

TEST(DeviceTable, EveryRowIsReachable_AndNamesOnlyKnownStrings)
{
    int rows = 0;
    for (; DeviceTable[rows].nameId != 0; ++rows)
    {
        const DeviceTableEntry& row = DeviceTable[rows];
        EXPECT_EQ(FindDevice(row.modelCode, row.extModelCode), rows) << "row " << rows;
        EXPECT_TRUE(InStringTable(row.nameId)) << row.nameId;
        EXPECT_TRUE(InStringTable(row.defaultSwitchId)) << row.defaultSwitchId;
        ASSERT_NE(row.protocols, nullptr) << "row " << rows;
        int protocols = 0;
        for (; row.protocols[protocols].stringId != 0; ++protocols)
            EXPECT_TRUE(InStringTable(row.protocols[protocols].stringId))
                << row.protocols[protocols].stringId;
        EXPECT_GE(protocols, 2) << "row " << rows;
    }
    EXPECT_EQ(rows, 26);
}

TEST(ModelTables, EndWithMinusOne_AndNoRowHidesALaterOne)
{
    EXPECT_EQ(RowCount(devid_ModelTable), 11);
    EXPECT_EQ(RowCount(devid_ExtendedModelTable), 25);
    for (const ModelCodeEntry* table : {devid_ModelTable, devid_ExtendedModelTable})
    {
        const int rows = RowCount(table);
        for (int earlier = 0; earlier < rows; ++earlier)
        {
            for (int later = earlier + 1; later < rows; ++later)
                EXPECT_EQ(std::strstr(table[later].name, table[earlier].name), nullptr)
                    << table[earlier].name << " hides " << table[later].name;
        }
    }
    EXPECT_EQ(devid_ModelTable[9].code, 3);
    EXPECT_STREQ(devid_ModelTable[8].name, "KESTRAST-USB");
    EXPECT_STREQ(devid_ExtendedModelTable[3].name, "16-BIT KESTRAST WITHOUT V.110");
    EXPECT_STREQ(devid_ExtendedModelTable[4].name, "16-BIT KESTRAST");
}
