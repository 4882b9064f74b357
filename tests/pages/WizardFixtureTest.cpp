#include "tests/support/WizardAdapters.h"

using wizard_testing::AdapterWizardTest;

namespace
{
class WizardFixture : public AdapterWizardTest
{
};

TEST_F(WizardFixture, TheExecutablesFolderIsTheTestsOwn_ForTheProfileAndThePorts)
{
    GetProfilePath();
    EXPECT_EQ(g_profilePath, ProfilePath());
    AttachAdapter(3, "PELLOR-S");
    EXPECT_TRUE(std::filesystem::is_symlink(Folder() / "dosdevices" / "com3"));
    ASSERT_TRUE(wizard.Start());
    EXPECT_EQ(wizard.ActivePage(), &sheet.m_welcomePage);
}
} // namespace
