// Support for the terminal host's tests, which run in tmux (in-terminal.sh).
#pragma once

#include "framework/terminal/TerminalHost.h"

#include <string>

// The test program's terminal session.
TerminalSession& Session();
// Types keys into this terminal as tmux send-keys names them ("Enter", "M-n", "Tab Tab").
void Type(const std::string& keys);
// Runs `tmux ARGUMENTS` on this terminal's server; returns what it prints.
std::string TerminalCommand(const std::string& arguments);
