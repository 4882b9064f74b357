#include "tests/pages/NetworkPagesTest.h"

#include <utility>
#include <vector>

using wizard_testing::NetworkPagesTest;

namespace
{
class SettingChanged : public NetworkPagesTest
{
protected:
    // The page whose template holds control `id`; nullptr when none does.
    CPropertyPage* PageWith(int id) const
    {
        for (int i = 0; i < sheet.GetPageCount(); ++i)
        {
            CPropertyPage* page = sheet.GetPage(i);
            for (const DialogItem& item : AfxFindDialog(page->GetTemplateId())->items)
            {
                if (item.id == id)
                    return page;
            }
        }
        return nullptr;
    }

    // A change of control `id` of the active page, as a user makes it.
    bool Change(int id)
    {
        CWnd* control = wizard.Control(id);
        switch (control->GetKind())
        {
        case WindowKind::Edit:
            return wizard.Type(id, control->GetWindowText() + "1");
        case WindowKind::ComboBox:
            return wizard.Select(id, static_cast<CComboBox*>(control)->GetCurSel() == 0 ? 1 : 0);
        default:
            return wizard.Click(id);
        }
    }
};

// A change of one setting alone must be saved before it is sent: every control of a catalogue
// parameter marks its page and the configuration modified, and so do the MSN page's
// sub-addresses, which edit parts of their numbers' values. Other controls do not.
TEST_F(SettingChanged, MarksThePageAndTheConfigurationModified_ExactlyForTheControlsOfSettings)
{
    TakeModel(3);
    std::vector<std::pair<int, bool>> rows; // control, whether its change modifies
    for (POSITION position = theParams.GetHeadPosition(); position != nullptr;)
        rows.emplace_back(theParams.GetNext(position)->GetControlId(), true);
    ASSERT_EQ(rows.size(), 53u);
    for (int subAddress : {IDC_DATA_SUB, IDC_VOICE_SUB, IDC_DATA_SUB2})
        rows.emplace_back(subAddress, true);
    for (int other : {IDC_SEARCH_NO, IDC_PORT, IDC_SETUP_TYPE})
        rows.emplace_back(other, false);

    for (const auto& [id, modifies] : rows)
    {
        SCOPED_TRACE(id);
        TakeModel(3);
        CPropertyPage* page = PageWith(id);
        ASSERT_NE(page, nullptr);
        page->SetModified(FALSE);
        StartOn(*page);
        ASSERT_TRUE(Change(id));
        EXPECT_EQ(g_bCfgModified != FALSE, modifies);
        EXPECT_EQ(page->IsModified() != FALSE, modifies);
        sheet.DestroyWindow();
    }
}
} // namespace
