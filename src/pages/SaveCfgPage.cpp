#include "src/pages/SaveCfgPage.h"

CSaveCfgPage::CSaveCfgPage() : CCfgPage(IDD) {}
