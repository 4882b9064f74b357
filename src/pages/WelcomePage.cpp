#include "src/pages/WelcomePage.h"

CWelcomePage::CWelcomePage() : CCfgPage(IDD) {}
