#include "src/pages/INISectionPage.h"

CINISectionPage::CINISectionPage() : CPropertyPage(IDD) {}
