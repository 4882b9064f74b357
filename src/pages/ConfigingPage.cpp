#include "src/pages/ConfigingPage.h"

CConfigingPage::CConfigingPage() : CCfgPage(IDD) {}
