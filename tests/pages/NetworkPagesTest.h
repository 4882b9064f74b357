// What the suites of the network pages (switch type, TEI, numbers, call control) share: the
// wizard started on one of them with an adapter taken, configurations loaded as the setup type
// page loads them, and short reads of what the user sees.
#pragma once

#include "tests/pages/WizardTest.h"

#include <string>
#include <vector>

namespace wizard_testing
{
class NetworkPagesTest : public WizardTest
{
protected:
    // Takes an adapter of these codes (catalogue built) and starts the wizard on `page`.
    void StartOn(CPropertyPage& page, int modelCode = 3, int extModelCode = 13)
    {
        TakeAdapter(modelCode, extModelCode);
        sheet.SetActivePage(&page);
        ASSERT_TRUE(wizard.Start());
        ASSERT_EQ(wizard.ActivePage(), &page);
    }

    // Loads configuration `name` of quoran.ini into every page, as the setup type page does.
    void LoadConfiguration(const std::string& name)
    {
        sheet.m_iniSectionPage.m_strConfigName = name;
        theParams.LoadAll();
        g_bCfgModified = FALSE;
    }

    std::string Text(int id) const { return wizard.Control(id)->GetWindowText(); }
    // The selected item of a combo box, "" when none is selected.
    std::string Selected(int id) const
    {
        const auto* combo = static_cast<const CComboBox*>(wizard.Control(id));
        return combo->GetLBText(combo->GetCurSel());
    }
    std::vector<std::string> Items(int id) const
    {
        const auto* combo = static_cast<const CComboBox*>(wizard.Control(id));
        std::vector<std::string> items;
        for (int i = 0; i < combo->GetCount(); ++i)
            items.push_back(combo->GetLBText(i));
        return items;
    }
    bool IsEnabled(int id) const { return wizard.Control(id)->IsWindowEnabled() != FALSE; }
    bool IsVisible(int id) const { return wizard.Control(id)->IsWindowVisible() != FALSE; }
    bool HasFocus(int id) const
    {
        CWnd* focus = CWnd::GetFocus();
        return focus != nullptr && focus->GetDlgCtrlID() == id &&
               focus->GetParent() == wizard.ActivePage();
    }
    static bool IsParamEnabled(int id) { return theParams.FindParam(id)->m_bEnabled != FALSE; }

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const HeadlessHost::MessageBoxRecord& record : host.MessageBoxes())
            texts.push_back(record.text);
        return texts;
    }

    // Presses Next (or Back) expecting the page to refuse with `message` and keep the focus on
    // control `focusId`.
    void ExpectRefusal(bool next, const std::string& message, int focusId)
    {
        CPropertyPage* page = wizard.ActivePage();
        host.ClearMessageBoxes();
        host.QueueAnswer(IDOK);
        if (next)
            wizard.Next();
        else
            wizard.Back();
        EXPECT_EQ(wizard.ActivePage(), page);
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        CWnd* focus = CWnd::GetFocus();
        EXPECT_TRUE(HasFocus(focusId))
            << "focus on " << (focus != nullptr ? focus->GetDlgCtrlID() : 0) << ", not on " << focusId;
    }

    // The command lines the catalogue packs now.
    static std::string PackedLines()
    {
        std::vector<std::string> lines;
        theParams.PackCommandLines(lines);
        std::string all;
        for (const std::string& line : lines)
            all += line;
        return all;
    }
};
} // namespace wizard_testing
