#include "src/pages/ConfigErrorPage.h"

CConfigErrorPage::CConfigErrorPage() : CCfgPage(IDD) {}
