#include "src/pages/PortPage.h"

CPortPage::CPortPage()
    : CCfgPage(IDD), m_strSection(AfxLoadString(1344)), m_strKey(AfxLoadString(1445))
{
}
