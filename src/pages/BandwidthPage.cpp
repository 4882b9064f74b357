#include "src/pages/BandwidthPage.h"

CBandwidthPage::CBandwidthPage() : CCfgPage(IDD) {}
