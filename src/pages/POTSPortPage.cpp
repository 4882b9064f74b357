#include "src/pages/POTSPortPage.h"

CPOTSPortPage::CPOTSPortPage() : CCfgPage(IDD) {}
