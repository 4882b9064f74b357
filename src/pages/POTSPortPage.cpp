#include "src/pages/POTSPortPage.h"

CPOTSPortPage::CPOTSPortPage() : CPropertyPage(IDD) {}
