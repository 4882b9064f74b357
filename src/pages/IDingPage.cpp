#include "src/pages/IDingPage.h"

CIDingPage::CIDingPage() : CCfgPage(IDD) {}
