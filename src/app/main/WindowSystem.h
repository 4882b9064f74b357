// Whether Qt can open its window system, asked before a QApplication exists: Qt ends the program
// with a fatal message when the display it is given does not answer, and the programs prefer to
// say so in one line (quoran-wizard) or to draw offscreen instead (quoran-wizard-script --qt).
#pragma once

#include <string>

// Whether Qt's platform `platform` (the -platform option; empty: $QT_QPA_PLATFORM, then Qt's
// default) draws through a display server (xcb, wayland), not offscreen, through vnc or the like.
bool NeedsDisplayServer(std::string platform);

// The display the window system is asked for: $DISPLAY, else $WAYLAND_DISPLAY, else "".
std::string DisplayName();

// Whether a window system answers on the display (never when there is none), tried in a child
// process that starts Qt's graphical side and ends, so that this process keeps no trace of the
// try. Call it before any thread is started.
bool DisplayAnswers();
