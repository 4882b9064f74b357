#include "src/pages/StoredNumbersPage.h"

CStoredNumbersPage::CStoredNumbersPage() : CCfgPage(IDD) {}
