#include "tests/support/ReadOnlyProfile.h"
#include "tests/support/WizardTest.h"

#include "src/pages/INISectionPage.h"

#include <functional>

using testing_support::ReadOnlyProfile;
using wizard_testing::WizardTest;

namespace
{
constexpr const char* kProfile = "[Default Configs]\n"
                                 "Config1=Factory A\n"
                                 "[Office]\n"
                                 "RingsToAnswer=3\n"
                                 "[Factory A]\n"
                                 "RingsToAnswer=5\n"
                                 "[home]\n"
                                 "RingsToAnswer=7\n"
                                 "[HOME]\n"
                                 "RingsToAnswer=8\n"
                                 "[Branch]\n"
                                 "RingsToAnswer=9\n";

class SetupTypePage : public WizardTest
{
protected:
    CINISectionPage& Page() { return sheet.m_iniSectionPage; }
    int Rings() const { return sheet.m_callCtrlCfgPage.m_nRingsToAnswer; }

    std::string Items() const
    {
        std::string items;
        const CListBox& list = sheet.m_iniSectionPage.m_lbConfigs;
        for (int i = 0; i < list.GetCount(); ++i)
            items += (i > 0 ? "|" : "") + list.GetText(i);
        return items;
    }

    std::string SelectedItem() const
    {
        const CListBox& list = sheet.m_iniSectionPage.m_lbConfigs;
        return list.GetText(list.GetCurSel());
    }

    bool Enabled(int id) const { return wizard.Control(id)->IsWindowEnabled() != FALSE; }
};

// ---------------------------------------------------------------------------------------------
// The list of configurations and the setup types
// ---------------------------------------------------------------------------------------------

TEST_F(SetupTypePage, ConfigurationsAreListedSorted_WithoutDefaultConfigsAndRepeats)
{
    WriteProfile(kProfile);
    StartOn(Page(), 3, 13);
    EXPECT_EQ(Items(), "Branch|Factory A|home|Office");
    EXPECT_EQ(SelectedItem(), "Branch");
    EXPECT_EQ(Page().m_cbSetup.GetCurSel(), kSetupExpressExisting);
    EXPECT_TRUE(Enabled(IDC_CONFIG_LIST));
    EXPECT_TRUE(Enabled(IDC_DELETE_CONFIG));
    EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZBACK));
    EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZNEXT));
}

TEST_F(SetupTypePage, OnlyCustomNewIsOfferedAndDefaultsLoaded_WhenTheProfileHasNoSection)
{
    StartOn(Page(), 3, 13);
    EXPECT_EQ(Page().m_cbSetup.GetCurSel(), kSetupCustomNew);
    EXPECT_EQ(Page().m_nSetupType, kSetupCustomNew);
    EXPECT_TRUE(Enabled(IDC_SETUP_TYPE));
    EXPECT_FALSE(Enabled(IDC_CONFIG_LIST));
    EXPECT_FALSE(Enabled(IDC_DELETE_CONFIG));

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_networkSwitchTypePage);
    EXPECT_EQ(Rings(), 1);
    EXPECT_EQ(Page().m_strConfigName, "");
    EXPECT_EQ(Page().m_nLoadedSetupType, kSetupCustomNew);
}

TEST_F(SetupTypePage, ListAndDeleteServeTheExistingSetupsOnly_WhenTheSetupTypeChanges)
{
    WriteProfile(kProfile);
    StartOn(Page(), 3, 13);
    const std::pair<int, bool> rows[] = {
        {kSetupCustomNew, false},
        {kSetupCustomExisting, true},
        {kSetupCustomNew, false},
        {kSetupExpressExisting, true},
    };
    for (const auto& [setupType, listUsable] : rows)
    {
        SCOPED_TRACE(setupType);
        ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, setupType));
        EXPECT_EQ(Page().m_nSetupType, setupType);
        EXPECT_EQ(Enabled(IDC_CONFIG_LIST), listUsable);
        EXPECT_EQ(Enabled(IDC_DELETE_CONFIG), listUsable);
    }
    EXPECT_FALSE(g_bCfgModified);
}

TEST_F(SetupTypePage, ExistingSetupWithoutConfigurationIsRefused_WithNothingLoadedOrSet)
{
    // Only the list of factory defaults: no configuration to offer.
    WriteProfile("[Default Configs]\nConfig1=Factory A\n");
    StartOn(Page(), 3, 13);
    ASSERT_EQ(Items(), "");
    sheet.m_bExpressSetup = TRUE;
    for (int setupType : {kSetupExpressExisting, kSetupCustomExisting})
    {
        SCOPED_TRACE(setupType);
        ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, setupType));
        host.QueueAnswer(IDOK);
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(LastMessage(), "You must select a configuration file.");
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
        EXPECT_EQ(CWnd::GetFocus(), wizard.Control(IDC_CONFIG_LIST));
        EXPECT_TRUE(sheet.m_bExpressSetup);
        EXPECT_EQ(Page().m_nLoadedSetupType, -1);
        EXPECT_EQ(Rings(), 0);
    }
}

TEST_F(SetupTypePage, NextOpensTheChosenConfiguration_ForEachCustomSetup)
{
    WriteProfile(kProfile);
    StartOn(Page(), 3, 13);
    struct Row
    {
        int setupType;
        const char* item; // selected in the list, disabled or not
        int expectedRings;
        const char* expectedName;
    };
    const Row rows[] = {
        {kSetupCustomExisting, "Office", 3, "Office"},
        {kSetupCustomExisting, "home", 7, "home"},
        // A new configuration has no name, whatever the list still shows selected.
        {kSetupCustomNew, "Office", 1, ""},
        {kSetupCustomExisting, "Factory A", 5, "Factory A"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.item);
        ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, kSetupCustomExisting));
        ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, row.item));
        ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, row.setupType));
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_networkSwitchTypePage);
        EXPECT_EQ(Rings(), row.expectedRings);
        EXPECT_EQ(Page().m_strConfigName, row.expectedName);
        EXPECT_EQ(Page().m_strLoadedConfig, row.expectedName);
        EXPECT_EQ(Page().m_nLoadedSetupType, row.setupType);
        EXPECT_FALSE(sheet.m_bExpressSetup);
        EXPECT_FALSE(g_bCfgModified);
        ASSERT_TRUE(wizard.Back());
        ASSERT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
    }
}

TEST_F(SetupTypePage, BackLeadsToThePageThatFoundTheAdapter_WithoutAnyCheck)
{
    // Express with nothing to choose would be refused on the way forward.
    WriteProfile("[Default Configs]\nConfig1=Factory A\n");
    const std::pair<bool, CPropertyPage*> rows[] = {
        {false, &sheet.m_portPage},
        {true, &sheet.m_idingPage},
    };
    for (const auto& [searched, expectedPage] : rows)
    {
        SCOPED_TRACE(searched);
        sheet.m_welcomePage.m_bSearch = searched;
        StartOn(Page(), 3, 13);
        ASSERT_TRUE(wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), expectedPage);
        EXPECT_EQ(Page().m_bForward, 0);
        sheet.DestroyWindow();
    }
    EXPECT_TRUE(host.MessageBoxes().empty());
}

// ---------------------------------------------------------------------------------------------
// Modified pages
// ---------------------------------------------------------------------------------------------

TEST_F(SetupTypePage, DiscardQuestionIsTheOneOfItsRow_ForLoadedAndChosenSetup)
{
    struct Row
    {
        int loadedType;
        int chosenType;
        const char* loadedName;
        const char* chosenName;
        const char* question; // nullptr: none
        int answer;
    };
    const Row rows[] = {
        {1, 2, "Office", "Home",
         "You will lose modifications made to Office.\nAre you sure you wish to open Home?", IDYES},
        {2, 1, "Office", "office",
         "You will lose modifications made to Office.\nAre you sure you wish to open office?",
         IDNO},
        {1, 0, "Office", "",
         "You will lose modifications made to Office.\n"
         "Are you sure you wish to open a new configuration?",
         IDYES},
        {2, 1, "Office", "Office", nullptr, 0},
        {0, 1, "", "Home",
         "You will lose modifications made to the current configuration.\n"
         "Are you sure you wish to open Home?",
         IDNO},
        {0, 0, "Draft", "",
         "You will lose modifications made to the current configuration.\n"
         "Are you sure you wish to open a new configuration?",
         IDYES},
        {0, 0, "", "", nullptr, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.loadedType) + " " + row.loadedName + " -> " +
                     std::to_string(row.chosenType) + " " + row.chosenName);
        host.ClearMessageBoxes();
        Page().m_nLoadedSetupType = row.loadedType;
        Page().m_nSetupType = row.chosenType;
        Page().m_strLoadedConfig = row.loadedName;
        Page().m_strConfigName = row.chosenName;
        if (row.question != nullptr)
            host.QueueAnswer(row.answer);
        EXPECT_EQ(Page().ConfirmDiscard(), row.answer);
        EXPECT_EQ(LastMessage(), row.question != nullptr ? row.question : "");
    }
}

TEST_F(SetupTypePage, ModifiedValuesStayUnlessTheUserAgrees_WhenAnotherConfigurationIsChosen)
{
    WriteProfile(kProfile);
    StartOn(Page(), 3, 13);
    ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, kSetupCustomExisting));
    ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, "Office"));
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(Rings(), 3);
    // What the call control page does when the user edits the rings.
    sheet.m_callCtrlCfgPage.m_nRingsToAnswer = 9;
    g_bCfgModified = TRUE;

    // The same choice again: no question, the edits stay.
    ASSERT_TRUE(wizard.Back());
    ASSERT_TRUE(wizard.Next());
    EXPECT_TRUE(host.MessageBoxes().empty());
    EXPECT_EQ(Rings(), 9);
    EXPECT_TRUE(g_bCfgModified);

    // Another configuration, No: the edits stay and the wizard goes on.
    ASSERT_TRUE(wizard.Back());
    ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, "home"));
    host.QueueAnswer(IDNO);
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(LastMessage(),
              "You will lose modifications made to Office.\nAre you sure you wish to open home?");
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_networkSwitchTypePage);
    EXPECT_EQ(Rings(), 9);
    EXPECT_EQ(Page().m_strLoadedConfig, "Office");
    EXPECT_TRUE(g_bCfgModified);

    // Yes: the other configuration is opened.
    ASSERT_TRUE(wizard.Back());
    ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, "home"));
    host.QueueAnswer(IDYES);
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(Rings(), 7);
    EXPECT_EQ(Page().m_strLoadedConfig, "home");
    EXPECT_FALSE(g_bCfgModified);
}

// After a No the pages still hold the loaded configuration's values: it stays the current one,
// so that the save writes them back to it and never into the configuration the user declined.
struct DeclinedRow
{
    const char* name;
    int loadedType;
    const char* loaded;
    int chosenType;
    const char* chosen;
    int keptType; // the setup type afterwards
};

// clang-format off
const DeclinedRow kDeclinedRows[] = {
    {"AnotherCustom",  kSetupCustomExisting, "Office", kSetupCustomExisting,  "home", kSetupCustomExisting},
    {"AnotherExpress", kSetupCustomExisting, "Office", kSetupExpressExisting, "home", kSetupExpressExisting},
    {"ANewOne",        kSetupCustomExisting, "Office", kSetupCustomNew,       "",     kSetupCustomNew},
    // An unnamed new configuration has no section to go back to: it stays new.
    {"FromANewOne",    kSetupCustomNew,      "",       kSetupExpressExisting, "home", kSetupCustomNew},
};
// clang-format on

class DeclinedDiscard : public SetupTypePage, public testing::WithParamInterface<DeclinedRow>
{
protected:
    void Choose(int type, const char* name)
    {
        ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, type));
        if (type != kSetupCustomNew)
        {
            ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, name));
        }
    }
};

TEST_P(DeclinedDiscard, KeepsTheLoadedConfigurationTheOneTheSaveWrites)
{
    const DeclinedRow& row = GetParam();
    WriteProfile(kProfile);
    StartOn(Page(), 3, 13);
    Choose(row.loadedType, row.loaded);
    ASSERT_TRUE(wizard.Next());
    sheet.m_callCtrlCfgPage.m_nRingsToAnswer = 4;
    g_bCfgModified = TRUE;
    ASSERT_TRUE(wizard.Back());
    Choose(row.chosenType, row.chosen);
    host.QueueAnswer(IDNO);
    ASSERT_TRUE(wizard.Next());

    EXPECT_EQ(Page().m_strConfigName, row.loaded);
    EXPECT_EQ(Page().m_nSetupType, row.keptType);
    ASSERT_TRUE(sheet.SetActivePage(&sheet.m_saveCfgPage));
    EXPECT_EQ(wizard.Control(IDC_CONFIG_NAME)->GetWindowText(), row.loaded);
    if (*row.loaded != '\0')
    {
        host.QueueAnswer(IDYES); // "... has been modified. Do you wish to continue?"
        ASSERT_TRUE(wizard.Next());
        char rings[8] = {};
        GetPrivateProfileStringA(row.loaded, "RingsToAnswer", "", rings, sizeof rings,
                                 ProfilePath().c_str());
        EXPECT_STREQ(rings, "4");
    }
    EXPECT_NE(ReadProfile().find("[home]\nRingsToAnswer=7\n[HOME]"), std::string::npos);
}

std::string DeclinedRowName(const testing::TestParamInfo<DeclinedRow>& row)
{
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, DeclinedDiscard, testing::ValuesIn(kDeclinedRows), DeclinedRowName);

// ---------------------------------------------------------------------------------------------
// The express setup
// ---------------------------------------------------------------------------------------------

struct ExpressRow
{
    const char* name;
    int modelCode;
    int extModelCode;
    const char* switchType;
    const char* dataTEI;
    const char* voiceTEI;
    CPropertyPage* (*expectedPage)(CCfgSheet&);
    bool expectedTEIDisabled;
    bool expectedUSSwitchType;
};

CPropertyPage* Bandwidth(CCfgSheet& sheet)
{
    return &sheet.m_bandwidthPage;
}
CPropertyPage* NumbersUS(CCfgSheet& sheet)
{
    return &sheet.m_networkCfgPage2US;
}
CPropertyPage* NumbersEurope(CCfgSheet& sheet)
{
    return &sheet.m_networkCfgPage2Europe;
}
CPropertyPage* DataProtocol(CCfgSheet& sheet)
{
    return &sheet.m_dataProtocolPage;
}

// clang-format off
const ExpressRow kExpressRows[] = {
    // name                       model ext  switch type  data TEI    voice TEI   page           TEI off US
    {"KestrastUS",                3,    13,  "NI - 1",    "Auto TEI", "Auto TEI", Bandwidth,     false,  true},
    {"KestrastNoTEI",             3,    13,  "NET3",      "Disabled", "Disabled", Bandwidth,     true,   false},
    {"PellorUSInLowerCase",       9,    32,  "ni - 1",    "Auto TEI", "Auto TEI", NumbersUS,     false,  true},
    {"PellorEurope",              9,    32,  "NET3",      "Auto TEI", "0",        NumbersEurope, false,  false},
    {"ZobraNoTEI",                8,    22,  "DMS-100",   "Disabled", "disabled", DataProtocol,  true,   true},
    {"ZobraOneTEIDisabled",       8,    22,  "AT&T 5ESS", "Disabled", "12",       NumbersUS,     false,  true},
};
// clang-format on

class ExpressSetup : public SetupTypePage, public testing::WithParamInterface<ExpressRow>
{
};

TEST_P(ExpressSetup, FlagsFollowTheStoredValuesAndTheNumbersPageFollows_ForTheModel)
{
    const ExpressRow& row = GetParam();
    WriteProfile(std::string("[Cfg]\nNetworkSwitchType=") + row.switchType +
                 "\nDataTEI=" + row.dataTEI + "\nVoiceTEI=" + row.voiceTEI + "\n");
    StartOn(Page(), row.modelCode, row.extModelCode);
    ASSERT_EQ(Page().m_cbSetup.GetCurSel(), kSetupExpressExisting);
    sheet.m_bTEIDisabled = !row.expectedTEIDisabled;
    sheet.m_bUSSwitchType = !row.expectedUSSwitchType;

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), row.expectedPage(sheet));
    EXPECT_TRUE(sheet.m_bExpressSetup);
    EXPECT_EQ(sheet.m_bTEIDisabled != FALSE, row.expectedTEIDisabled);
    EXPECT_EQ(sheet.m_bUSSwitchType != FALSE, row.expectedUSSwitchType);
    EXPECT_EQ(Page().m_strLoadedConfig, "Cfg");
}

std::string RowName(const testing::TestParamInfo<ExpressRow>& row)
{
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, ExpressSetup, testing::ValuesIn(kExpressRows), RowName);

TEST_F(SetupTypePage, ExpressSetupSwitchesTheParametersOfTheSkippedPages_FromTheValuesLoaded)
{
    WriteProfile("[Answering]\nAutoAnswer=Yes\nStoredNumber0=123\nStoredNumber4=5,5&\n"
                 "[Ringing]\nAutoAnswer=no\nStoredNumber9=9\n");
    struct Row
    {
        const char* config;
        bool autoAnswerSent;
        bool ringsSent;
        int numbersSent[2]; // indices of the numbers sent; -1 for none
    };
    const Row rows[] = {
        {"Answering", false, true, {0, 4}},
        {"Ringing", true, false, {9, -1}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.config);
        StartOn(Page(), 3, 13);
        // What earlier passes through the call control and stored numbers pages left behind.
        theParams.FindParam(IDC_AUTO_ANSWER)->m_bEnabled = row.ringsSent;
        theParams.FindParam(IDC_RINGS_TO_ANSWER)->m_bEnabled = row.autoAnswerSent;
        for (int i = 0; i < 10; ++i)
            theParams.FindParam(IDC_STORED_NUMBER_0 + i)->m_bEnabled = i % 2;

        ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, row.config));
        ASSERT_TRUE(wizard.Next());
        ASSERT_TRUE(sheet.m_bExpressSetup);
        EXPECT_EQ(theParams.FindParam(IDC_AUTO_ANSWER)->m_bEnabled != FALSE, row.autoAnswerSent);
        EXPECT_EQ(theParams.FindParam(IDC_RINGS_TO_ANSWER)->m_bEnabled != FALSE, row.ringsSent);
        for (int i = 0; i < 10; ++i)
        {
            const bool sent = i == row.numbersSent[0] || i == row.numbersSent[1];
            EXPECT_EQ(theParams.FindParam(IDC_STORED_NUMBER_0 + i)->m_bEnabled != FALSE, sent)
                << "number " << i;
        }
        sheet.DestroyWindow();
    }
}

// ---------------------------------------------------------------------------------------------
// Deleting
// ---------------------------------------------------------------------------------------------

TEST_F(SetupTypePage, DeleteRemovesTheSectionOnlyAfterYes_AndNeverAFactoryDefault)
{
    WriteProfile("[Default Configs]\nConfig1=Factory\n[Alpha]\n[Beta]\nRings=1\n[Gamma]\n"
                 "[Factory]\n");
    StartOn(Page(), 3, 13);
    ASSERT_EQ(Items(), "Alpha|Beta|Factory|Gamma");
    struct Row
    {
        const char* item;
        int answer;
        const char* message;
        const char* itemsAfter;
        const char* selectedAfter;
    };
    const Row rows[] = {
        {"Factory", IDOK, "This is a DEFAULT configuration.  It can not be deleted.",
         "Alpha|Beta|Factory|Gamma", "Factory"},
        {"Beta", IDNO, "Are you sure you want to delete 'Beta'?", "Alpha|Beta|Factory|Gamma",
         "Beta"},
        {"Beta", IDYES, "Are you sure you want to delete 'Beta'?", "Alpha|Factory|Gamma",
         "Factory"},
        {"Gamma", IDYES, "Are you sure you want to delete 'Gamma'?", "Alpha|Factory", "Factory"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.item) + " " + std::to_string(row.answer));
        ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, row.item));
        host.QueueAnswer(row.answer);
        ASSERT_TRUE(wizard.Click(IDC_DELETE_CONFIG));
        EXPECT_EQ(LastMessage(), row.message);
        EXPECT_EQ(Items(), row.itemsAfter);
        EXPECT_EQ(SelectedItem(), row.selectedAfter);
        const bool deleted = row.answer == IDYES;
        EXPECT_EQ(ConfigSectionExists(row.item, ProfilePath()), !deleted);
    }
    EXPECT_TRUE(IsFactoryDefaultConfig("Factory"));
    EXPECT_EQ(Page().m_cbSetup.GetCurSel(), kSetupExpressExisting);
    EXPECT_FALSE(g_bCfgModified);
    EXPECT_EQ(Page().m_strLoadedConfig, "");
}

TEST_F(SetupTypePage, OnlyCustomNewRemains_UntilAConfigurationExistsAgain)
{
    WriteProfile("[Only]\nRingsToAnswer=4\n");
    StartOn(Page(), 3, 13);
    host.QueueAnswer(IDYES);
    ASSERT_TRUE(wizard.Click(IDC_DELETE_CONFIG));
    EXPECT_EQ(Items(), "");
    EXPECT_EQ(Page().m_cbSetup.GetCurSel(), kSetupCustomNew);
    EXPECT_FALSE(Enabled(IDC_SETUP_TYPE));
    EXPECT_FALSE(Enabled(IDC_CONFIG_LIST));
    EXPECT_FALSE(Enabled(IDC_DELETE_CONFIG));
    EXPECT_EQ(Page().m_nSetupType, kSetupExpressExisting);

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_networkSwitchTypePage);
    EXPECT_FALSE(sheet.m_bExpressSetup);
    EXPECT_EQ(Rings(), 1);

    // A configuration saved meanwhile can be opened when the user comes back.
    WriteProfile("[Saved]\nRingsToAnswer=6\n");
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_iniSectionPage);
    EXPECT_EQ(Items(), "Saved");
    EXPECT_TRUE(Enabled(IDC_SETUP_TYPE));
    ASSERT_TRUE(wizard.Select(IDC_SETUP_TYPE, kSetupCustomExisting));
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(Rings(), 6);
}

TEST_F(SetupTypePage,
       ConfigurationStaysListed_AndTheMessageSaysItWasNotDeleted_WhenItsSectionCannotBeRemoved)
{
    const std::string profile = "[Alpha]\n[Beta]\n";
    WriteProfile(profile);
    StartOn(Page(), 3, 13);
    ASSERT_TRUE(wizard.SelectText(IDC_CONFIG_LIST, "Beta"));
    for (ReadOnlyProfile::Part part : ReadOnlyProfile::kParts)
    {
        ReadOnlyProfile readOnly(ProfilePath(), part);
        host.QueueAnswer(IDYES);
        host.QueueAnswer(IDOK);
        ASSERT_TRUE(wizard.Click(IDC_DELETE_CONFIG));
        EXPECT_EQ(LastMessage(),
                  "The configuration could not be deleted from " + ProfilePath() + ".");
        EXPECT_EQ(Items(), "Alpha|Beta");
        EXPECT_EQ(SelectedItem(), "Beta");
    }
    EXPECT_EQ(ReadProfile(), profile);
}
} // namespace
