#include "src/pages/DataProtocolPage.h"

CDataProtocolPage::CDataProtocolPage() : CPropertyPage(IDD) {}
