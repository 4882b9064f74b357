// The script run of quoran-wizard-script --qt: the wizard on the window host of the build (Qt on
// Linux, ScriptOnQt.cpp; the native window on Windows, windows/ScriptOnWindow.cpp), driven by the
// script, printing the lines the headless run prints.
#pragma once

#include "framework/headless/Script.h"

#include <vector>

inline constexpr char kScriptProgram[] = "quoran-wizard-script";

// Runs the script on the window host; returns the program's exit code. `argc` and `argv` are
// what the window system may see of the command line (the program's name only).
int RunScriptOnScreen(std::vector<ScriptCommand> commands, int argc, char** argv);
