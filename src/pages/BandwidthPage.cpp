#include "src/pages/BandwidthPage.h"

CBandwidthPage::CBandwidthPage() : CPropertyPage(IDD) {}
