// What the suites of the network pages (switch type, TEI, numbers, call control) and the route
// table share: an adapter of a model taken, configurations loaded as the setup type page loads
// them, and short reads of what the user sees.
#pragma once

#include "tests/support/WizardTest.h"

#include <map>
#include <string>
#include <vector>

namespace wizard_testing
{
class NetworkPagesTest : public WizardTest
{
protected:
    // Takes an adapter of model `modelCode` (catalogue built) and gives every page the values
    // of a new configuration.
    void TakeModel(int modelCode)
    {
        static const std::map<int, int> extModelCodes = {{3, 13}, {4, 31}, {6, 30},
                                                         {7, 18}, {8, 22}, {9, 32}};
        TakeAdapter(modelCode, extModelCodes.at(modelCode));
        LoadConfiguration("");
    }

    // Loads configuration `name` of quoran.ini into every page, as the setup type page does.
    void LoadConfiguration(const std::string& name)
    {
        sheet.m_iniSectionPage.m_strConfigName = name;
        theParams.LoadAll();
        g_bCfgModified = FALSE;
    }

    std::string Text(int id) const { return wizard.Control(id)->GetWindowText(); }
    bool IsEnabled(int id) const { return wizard.Control(id)->IsWindowEnabled() != FALSE; }
    bool IsVisible(int id) const { return wizard.Control(id)->IsWindowVisible() != FALSE; }
    static bool IsParamEnabled(int id) { return theParams.FindParam(id)->m_bEnabled != FALSE; }
    static int FocusId()
    {
        CWnd* focus = CWnd::GetFocus();
        return focus != nullptr ? focus->GetDlgCtrlID() : 0;
    }

    // Presses Next (or Back) and returns the message the page refused with, "" when it was
    // left (answering OK to one message box).
    std::string Leave(bool next)
    {
        CPropertyPage* page = wizard.ActivePage();
        host.ClearMessageBoxes();
        host.QueueAnswer(IDOK);
        if (next)
            wizard.Next();
        else
            wizard.Back();
        if (wizard.ActivePage() != page)
        {
            host.ClearAnswers();
            return host.MessageBoxes().empty() ? "" : "left after " + host.MessageBoxes()[0].text;
        }
        return host.MessageBoxes().size() == 1 ? host.MessageBoxes()[0].text : "stayed";
    }

    // The command lines the catalogue packs now, in one text.
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
