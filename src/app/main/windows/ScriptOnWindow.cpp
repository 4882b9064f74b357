#include "src/app/main/ScriptOnScreen.h"
int RunScriptOnScreen(std::vector<ScriptCommand>, int, char**) { return 2; }
