#include "src/pages/ConfigSuccessPage.h"

CConfigSuccessPage::CConfigSuccessPage() : CPropertyPage(IDD) {}
