#include "src/pages/WelcomePage.h"

CWelcomePage::CWelcomePage() : CPropertyPage(IDD) {}
