#include "src/pages/PortCtrlCfgPage1.h"

CPortCtrlCfgPage1::CPortCtrlCfgPage1() : CCfgPage(IDD) {}
