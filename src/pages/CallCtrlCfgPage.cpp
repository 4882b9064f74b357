#include "src/pages/CallCtrlCfgPage.h"

CCallCtrlCfgPage::CCallCtrlCfgPage() : CCfgPage(IDD) {}
