#include "src/pages/NetworkCfgPage1.h"

CNetworkCfgPage1::CNetworkCfgPage1() : CCfgPage(IDD) {}
