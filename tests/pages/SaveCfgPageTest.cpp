#include "tests/support/ReadOnlyProfile.h"
#include "tests/support/WizardTest.h"

using testing_support::ReadOnlyProfile;
using wizard_testing::WizardTest;

namespace
{
constexpr const char* kProfile = "[Default Configs]\n"
                                 "Config1=Factory A\n"
                                 "[Factory A]\n"
                                 "RingsToAnswer=5\n"
                                 "[Office]\n"
                                 "RingsToAnswer=3\n"
                                 "[Home]\n"
                                 "RingsToAnswer=7\n";

class SaveCfgPage : public WizardTest
{
protected:
    // The pages hold configuration `current` (loaded from the profile), edited when `modified`:
    // its rings to answer are 42 then. The wizard starts on the save page.
    void StartHolding(const std::string& current, bool modified, int modelCode = 3,
                      int extModelCode = 13)
    {
        WriteProfile(kProfile);
        TakeAdapter(modelCode, extModelCode);
        sheet.m_iniSectionPage.m_strConfigName = current;
        sheet.m_iniSectionPage.m_strLoadedConfig = current;
        theParams.LoadAll();
        if (modified)
        {
            sheet.m_callCtrlCfgPage.m_nRingsToAnswer = 42;
            g_bCfgModified = TRUE;
        }
        StartOn(sheet.m_saveCfgPage);
    }

    std::string NameField() const { return wizard.Control(IDC_CONFIG_NAME)->GetWindowText(); }
    const std::string& CurrentName() const { return sheet.m_iniSectionPage.m_strConfigName; }

    std::string StoredRings(const std::string& section) const
    {
        char value[16] = {};
        GetPrivateProfileStringA(section.c_str(), "RingsToAnswer", "(missing)", value, sizeof value,
                                 ProfilePath().c_str());
        return value;
    }
};

TEST_F(SaveCfgPage, ProposedNameIsTheCurrentConfiguration_ButNeverAFactoryDefault)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Office", "Office"},
        {"factory a", "Untitled"},
        {"", ""},
    };
    for (const auto& [current, proposed] : rows)
    {
        SCOPED_TRACE(current);
        StartHolding(current, true);
        EXPECT_EQ(NameField(), proposed);
        EXPECT_EQ(static_cast<CEdit*>(wizard.Control(IDC_CONFIG_NAME))->GetLimitText(), 32u);
        EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZBACK));
        EXPECT_TRUE(wizard.IsButtonEnabled(ID_WIZNEXT));
        sheet.DestroyWindow();
    }
}

TEST_F(SaveCfgPage, NameIsProposedAfresh_OnEveryVisit)
{
    StartHolding("Office", true);
    ASSERT_TRUE(wizard.Type(IDC_CONFIG_NAME, "Typed"));
    ASSERT_TRUE(wizard.Back());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_potsPortPage);
    ASSERT_TRUE(wizard.Next());
    ASSERT_EQ(wizard.ActivePage(), &sheet.m_saveCfgPage);
    EXPECT_EQ(NameField(), "Office");
}

struct SaveRow
{
    const char* name;
    const char* current; // the configuration the pages hold
    bool modified;
    const char* typed; // nullptr: the proposed name is kept
    const char* message;
    int answer;
    const char* savedAs; // nullptr: nothing is written and the page stays
};

// clang-format off
const SaveRow kSaveRows[] = {
    {"EmptyName",            "Office", true,  "",
     "You must enter a configuration name before you can continue.", IDOK, nullptr},
    {"OnlyBlanks",           "Office", true,  "   ",
     "You must enter a configuration name before you can continue.", IDOK, nullptr},
    {"InnerBlank",           "Office", true,  "My Config",
     "Invalid characters in configuration name.\nPlease enter a different configuration name.",
     IDOK, nullptr},
    {"Hyphen",               "Office", true,  "My-Config",
     "Invalid characters in configuration name.\nPlease enter a different configuration name.",
     IDOK, nullptr},
    {"FactoryDefault",       "Office", true,  " FACTORY A",
     "This is a factory default configuration.  It can not be modified.\n"
     "Please enter a different configuration name.", IDOK, nullptr},
    {"OwnNameModifiedYes",   "Office", true,  nullptr,
     "Warning:  The configuration 'Office' has been modified.\nDo you wish to continue?",
     IDYES, "Office"},
    {"OwnNameModifiedNo",    "Office", true,  nullptr,
     "Warning:  The configuration 'Office' has been modified.\nDo you wish to continue?",
     IDNO, nullptr},
    {"OwnNameUnmodified",    "Office", false, nullptr,   nullptr, 0, "Office"},
    {"OwnNameNotYetStored",  "Fresh",  true,  nullptr,   nullptr, 0, "Fresh"},
    {"OtherExistingYes",     "Office", true,  "home",
     "Warning: This configuration, home,  already exists and will be overwritten.\nContinue?",
     IDYES, "home"},
    {"OtherExistingNo",      "Office", true,  "home",
     "Warning: This configuration, home,  already exists and will be overwritten.\nContinue?",
     IDNO, nullptr},
    {"NewNameTrimmed",       "Office", true,  "  My_Config(2)\t", nullptr, 0, "My_Config(2)"},
    {"FactoryOpenedUntitled","Factory A", true, nullptr, nullptr, 0, "Untitled"},
    {"NewConfiguration",     "",       true,  "Mine",    nullptr, 0, "Mine"},
};
// clang-format on

class SaveCfgNext : public SaveCfgPage, public testing::WithParamInterface<SaveRow>
{
};

TEST_P(SaveCfgNext, NameIsCheckedThenEverySettingSaved_OrThePageStaysWithNothingWritten)
{
    const SaveRow& row = GetParam();
    StartHolding(row.current, row.modified);
    const std::string before = ReadProfile();
    const std::string rings = row.modified ? "42" : StoredRings(row.current);
    if (row.typed != nullptr)
    {
        ASSERT_TRUE(wizard.Type(IDC_CONFIG_NAME, row.typed));
    }
    if (row.message != nullptr)
        host.QueueAnswer(row.answer);

    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(LastMessage(), row.message != nullptr ? row.message : "");
    if (row.savedAs != nullptr)
    {
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_loadCfgPage);
        EXPECT_EQ(CurrentName(), row.savedAs);
        EXPECT_EQ(StoredRings(row.savedAs), rings);
        EXPECT_TRUE(ConfigSectionExists(row.savedAs, ProfilePath()));
    }
    else
    {
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_saveCfgPage);
        EXPECT_EQ(CWnd::GetFocus(), wizard.Control(IDC_CONFIG_NAME));
        EXPECT_EQ(CurrentName(), row.current);
        EXPECT_EQ(ReadProfile(), before);
    }
    // Saving is not loading: the setup page still knows what was opened, and what changed.
    EXPECT_EQ(g_bCfgModified != FALSE, row.modified);
    EXPECT_EQ(sheet.m_iniSectionPage.m_strLoadedConfig, row.current);
}

std::string RowName(const testing::TestParamInfo<SaveRow>& row)
{
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, SaveCfgNext, testing::ValuesIn(kSaveRows), RowName);

TEST_F(SaveCfgPage, BackLeadsToThePageBeforeIt_WithoutCheckingOrWriting)
{
    struct Row
    {
        bool express;
        int modelCode;
        int extModelCode;
        CPropertyPage* expectedPage;
    };
    const Row rows[] = {
        {true, 3, 13, &sheet.m_dataProtocolPage},
        {true, 8, 22, &sheet.m_dataProtocolPage},
        {false, 8, 22, &sheet.m_portCtrlCfgPage2},
        {false, 3, 13, &sheet.m_potsPortPage},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.express) + " " + std::to_string(row.modelCode));
        sheet.m_bExpressSetup = row.express;
        StartHolding("Office", true, row.modelCode, row.extModelCode);
        const std::string before = ReadProfile();
        ASSERT_TRUE(wizard.Type(IDC_CONFIG_NAME, "not a valid name!"));
        ASSERT_TRUE(wizard.Back());
        EXPECT_EQ(wizard.ActivePage(), row.expectedPage);
        EXPECT_EQ(sheet.m_saveCfgPage.m_bForward, 0);
        EXPECT_EQ(ReadProfile(), before);
        EXPECT_EQ(CurrentName(), "Office");
        sheet.DestroyWindow();
    }
    EXPECT_TRUE(host.MessageBoxes().empty());
}

TEST_F(SaveCfgPage, SaveFailureIsShownAndThePageStays_WhenTheProfileCannotBeWritten)
{
    StartHolding("Office", true);
    const std::string before = ReadProfile();
    ASSERT_TRUE(wizard.Type(IDC_CONFIG_NAME, "Office2"));
    for (ReadOnlyProfile::Part part : ReadOnlyProfile::kParts)
    {
        ReadOnlyProfile readOnly(std::filesystem::path(ProfilePath()), part);
        host.QueueAnswer(IDOK);
        ASSERT_TRUE(wizard.Next());
        EXPECT_EQ(LastMessage(), "The configuration could not be saved to " + ProfilePath() + ".");
        EXPECT_EQ(wizard.ActivePage(), &sheet.m_saveCfgPage);
        EXPECT_EQ(CWnd::GetFocus(), wizard.Control(IDC_CONFIG_NAME));
        EXPECT_EQ(CurrentName(), "Office");
    }
    EXPECT_EQ(ReadProfile(), before);
    EXPECT_EQ(host.MessageBoxes().size(), std::size(ReadOnlyProfile::kParts));

    // Writable again: the same name is saved.
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_loadCfgPage);
    EXPECT_EQ(StoredRings("Office2"), "42");
}
} // namespace
