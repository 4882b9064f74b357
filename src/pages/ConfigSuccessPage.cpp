#include "src/pages/ConfigSuccessPage.h"

CConfigSuccessPage::CConfigSuccessPage() : CCfgPage(IDD) {}
