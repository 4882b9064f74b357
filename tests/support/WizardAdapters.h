// COM ports for a page suite's fixture (WizardTest or one made from it): simulated adapters, run
// in the test's own process, and bare pseudo-terminals, each linked as dosdevices/comN of the
// fixture's folder. Linux only: the adapters talk on pseudo-terminals.
//
// The lines close after the sheet has gone and before the fixture waits for the workers: closing
// them ends every worker's exchange at once, and then nothing writes into the records any more.
#pragma once

#include "sim/Adapter.h"
#include "tests/support/PseudoTerminal.h"
#include "tests/support/WizardTest.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace wizard_testing
{
template <class Fixture> class WithAdapters : public Fixture
{
protected:
    ~WithAdapters() override
    {
        this->DestroySheet();
        m_adapters.clear();
        m_silentPorts.clear();
    }

    // A simulated adapter of the preset `model` (a tasim model name) on COM`number`.
    sim::Adapter& AttachAdapter(int number, const std::string& model,
                                const sim::Faults& faults = {})
    {
        sim::Options options;
        options.model = model;
        options.faults = faults;
        options.clockRate = WizardTest::kClockRate;
        std::unique_ptr<sim::Adapter> adapter = sim::Adapter::Start(options);
        if (adapter == nullptr || !adapter->LinkAs(this->PortLink(number)))
            throw std::runtime_error("no simulated adapter " + model);
        m_adapters.push_back(std::move(adapter));
        return *m_adapters.back();
    }

    // A port that opens and never answers, on COM`number`.
    void AttachSilentPort(int number)
    {
        m_silentPorts.push_back(std::make_unique<testing_support::PseudoTerminal>());
        std::filesystem::create_symlink(m_silentPorts.back()->SlavePath(), this->PortLink(number));
    }

private:
    std::vector<std::unique_ptr<sim::Adapter>> m_adapters;
    std::vector<std::unique_ptr<testing_support::PseudoTerminal>> m_silentPorts;
};

// The page suites' fixture with COM ports.
using AdapterWizardTest = WithAdapters<WizardTest>;
} // namespace wizard_testing
