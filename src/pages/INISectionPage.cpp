#include "src/pages/INISectionPage.h"

CINISectionPage::CINISectionPage() : CCfgPage(IDD) {}
