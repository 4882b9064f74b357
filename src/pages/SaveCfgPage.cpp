#include "src/pages/SaveCfgPage.h"

CSaveCfgPage::CSaveCfgPage() : CPropertyPage(IDD) {}
