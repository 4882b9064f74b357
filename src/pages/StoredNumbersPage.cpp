#include "src/pages/StoredNumbersPage.h"

CStoredNumbersPage::CStoredNumbersPage() : CPropertyPage(IDD) {}
