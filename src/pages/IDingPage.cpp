#include "src/pages/IDingPage.h"

CIDingPage::CIDingPage() : CPropertyPage(IDD) {}
