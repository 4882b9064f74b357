#include "src/pages/NetworkCfgPage2Europe.h"

CNetworkCfgPage2Europe::CNetworkCfgPage2Europe() : CCfgPage(IDD) {}
