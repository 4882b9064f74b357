#include "src/pages/NetworkSwitchTypePage.h"

CNetworkSwitchType::CNetworkSwitchType() : CCfgPage(IDD) {}
