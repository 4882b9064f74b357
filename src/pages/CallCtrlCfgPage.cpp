#include "src/pages/CallCtrlCfgPage.h"

CCallCtrlCfgPage::CCallCtrlCfgPage() : CPropertyPage(IDD) {}
