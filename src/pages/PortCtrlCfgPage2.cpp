#include "src/pages/PortCtrlCfgPage2.h"

CPortCtrlCfgPage2::CPortCtrlCfgPage2() : CCfgPage(IDD) {}
