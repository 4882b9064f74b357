#include "src/pages/ConfigTimeoutPage.h"

CConfigTimeoutPage::CConfigTimeoutPage() : CCfgPage(IDD) {}
