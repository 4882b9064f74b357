#include "src/commands/CfgParam.h"

#include "framework/DataExchange.h"
#include "framework/WindowState.h"
#include "src/profile/ProfileFile.h"
#include "src/profile/ProfileMessages.h"
#include "src/res/WizardRes.h"
#include "tests/support/MessageBoxes.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class ValidateParam : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearMessageBoxes();
        m_params.Add(new CCfgParam("", &m_section, "RingsToAnswer", IDC_RINGS_TO_ANSWER, 1,
                                   &m_rings, 1, 255, "S0="));
        m_params.Add(new CCfgParam("", &m_section, "StoredNumber0", IDC_STORED_NUMBER_0, "",
                                   &m_number, 20, "0:9,,,-", "&Z0="));
        m_params.Add(new CCfgParam("", &m_section, "DefaultParity", IDC_PARITY, "None", &m_parity,
                                   kParityForTest, "@P3="));
    }

    // Runs ValidateParam in a saving (or loading) exchange; true when the exchange failed.
    bool Fails(int controlId, BOOL saving = TRUE)
    {
        CDataExchange dx(nullptr, saving);
        try
        {
            m_params.ValidateParam(&dx, controlId);
        }
        catch (const afx::DataExchangeFailure&)
        {
            return true;
        }
        return false;
    }

    static constexpr ChoiceEntry kParityForTest[] = {{IDS_ODD, 0}, {IDS_NONE, 4}, {0, 0}};

    std::string m_section = "Mine";
    int m_rings = 1;
    std::string m_number;
    std::string m_parity = "None";
    CCfgParamList m_params;
};

TEST_F(ValidateParam, Passes_WhenValuesAcceptable)
{
    m_number = "1,2-3";
    EXPECT_FALSE(Fails(IDC_RINGS_TO_ANSWER));
    EXPECT_FALSE(Fails(IDC_STORED_NUMBER_0));
    EXPECT_FALSE(Fails(IDC_PARITY));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(ValidateParam, OutOfRangeMessageAndFailure_WhenIntegerOutsideLimits)
{
    m_rings = 0;
    QueueAnswers({IDOK});
    EXPECT_TRUE(Fails(IDC_RINGS_TO_ANSWER));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Data entered is out of range."});
}

TEST_F(ValidateParam, InvalidCharacterMessageAndFailure_WhenTextHasForeignCharacter)
{
    m_number = "12&3";
    QueueAnswers({IDOK});
    EXPECT_TRUE(Fails(IDC_STORED_NUMBER_0));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Invalid character(s) entered."});
}

TEST_F(ValidateParam, NothingChecked_WhenLoadingOrChoiceUnknownOrControlMissing)
{
    m_rings = 0;
    EXPECT_FALSE(Fails(IDC_RINGS_TO_ANSWER, FALSE));
    m_parity = "Odds";
    EXPECT_FALSE(Fails(IDC_PARITY));
    EXPECT_FALSE(Fails(4242));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST(RequireText, MessageNamingLabelAndFailure_WhenSavingBlankRequiredText)
{
    ClearMessageBoxes();
    CDataExchange saving(nullptr, TRUE);
    QueueAnswers({IDOK});
    EXPECT_THROW(RequireText(&saving, " \t ", "Data SPID", TRUE), afx::DataExchangeFailure);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Please enter 'Data SPID'."});
}

TEST(RequireText, Passes_WhenTextPresentOrNotRequiredOrLoading)
{
    ClearMessageBoxes();
    CDataExchange saving(nullptr, TRUE);
    CDataExchange loading(nullptr, FALSE);
    EXPECT_NO_THROW(RequireText(&saving, "  1", "Data SPID", TRUE));
    EXPECT_NO_THROW(RequireText(&saving, "", "Data SPID", FALSE));
    EXPECT_NO_THROW(RequireText(&loading, "", "Data SPID", TRUE));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST(SaveFailure, MessageNamesProfilePath_WhenReported)
{
    ClearMessageBoxes();
    const std::string saved = g_profilePath;
    g_profilePath = "/read-only/quoran.ini";
    QueueAnswers({IDOK});
    ReportSaveFailure();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{
                                "The configuration could not be saved to /read-only/quoran.ini."});
    g_profilePath = saved;
}

TEST(FormatStringResource, EveryMarkReplaced_WhenTextHasPercentSigns)
{
    UseWizardResources();
    EXPECT_EQ(FormatStringResource(IDS_DISCARD_NAMED_FOR_NAMED, "A%sB"),
              "You will lose modifications made to A%sB.\nAre you sure you wish to open A%sB?");
    EXPECT_EQ(FormatStringResource(4711, "x"), "");
}

} // namespace
