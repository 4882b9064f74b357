#include "src/pages/ConfigingPage.h"

CConfigingPage::CConfigingPage() : CPropertyPage(IDD) {}
