#include "src/pages/NetworkSwitchTypePage.h"

CNetworkSwitchType::CNetworkSwitchType() : CPropertyPage(IDD) {}
