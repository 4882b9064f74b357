#include "src/pages/DataProtocolPage.h"

CDataProtocolPage::CDataProtocolPage() : CCfgPage(IDD) {}
