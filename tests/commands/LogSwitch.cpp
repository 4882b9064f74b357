// The catalogue tests link the application object, whose constructor puts the log under the
// application's switch. The running wizard switches the log on before any exchange; this suite
// does the same, so that the exchange tests see their log lines.
#include "src/app/CfgApp.h"

#include <gtest/gtest.h>

namespace
{

class LogSwitchedOn : public ::testing::Environment
{
public:
    void SetUp() override { theApp.m_bLogEnabled = TRUE; }
};

[[maybe_unused]] const ::testing::Environment* const kLogSwitchedOn =
    ::testing::AddGlobalTestEnvironment(new LogSwitchedOn);

} // namespace
