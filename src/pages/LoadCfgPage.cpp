#include "src/pages/LoadCfgPage.h"

CLoadCfgPage::CLoadCfgPage() : CCfgPage(IDD) {}
