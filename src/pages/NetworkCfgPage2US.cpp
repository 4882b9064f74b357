#include "src/pages/NetworkCfgPage2US.h"

CNetworkCfgPage2US::CNetworkCfgPage2US() : CCfgPage(IDD) {}
