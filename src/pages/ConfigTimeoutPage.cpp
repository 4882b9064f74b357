#include "src/pages/ConfigTimeoutPage.h"

CConfigTimeoutPage::CConfigTimeoutPage() : CPropertyPage(IDD) {}
