#include "src/pages/ConfigErrorPage.h"

CConfigErrorPage::CConfigErrorPage() : CPropertyPage(IDD) {}
