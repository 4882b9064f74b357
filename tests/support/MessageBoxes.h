// Message boxes and resources for the profile and commands suites: the wizard's string table
// registered, answers queued on the test host, and the texts of the boxes shown so far.
#pragma once

#include "framework/Resources.h"
#include "src/res/Resources.h"
#include "tests/support/TestHost.h"

#include <initializer_list>
#include <string>
#include <vector>

inline void UseWizardResources()
{
    AfxSetResources(WizardResources());
}

inline void QueueAnswers(std::initializer_list<int> answers)
{
    for (int answer : answers)
        TestHost().QueueAnswer(answer);
}

inline std::vector<std::string> ShownTexts()
{
    std::vector<std::string> texts;
    for (const HeadlessHost::MessageBoxRecord& box : TestHost().MessageBoxes())
        texts.push_back(box.text);
    return texts;
}

// Registers the resources too, so that fixtures need only this in SetUp.
inline void ClearMessageBoxes()
{
    UseWizardResources();
    TestHost().ClearMessageBoxes();
}
