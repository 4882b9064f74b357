#include "src/pages/LoadCfgPage.h"

CLoadCfgPage::CLoadCfgPage() : CPropertyPage(IDD) {}
