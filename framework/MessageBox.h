// Message boxes. The installed host shows them and returns the user's answer. Where nobody can
// answer (no host; a test or script host with no answer queued for the box), the box takes the
// unattended answer: No for a Yes/No box, OK for any other, the one that changes nothing.
#pragma once

#include "platform/win32.h"

#include <string>

// IDNO for MB_YESNO (the MB_TYPEMASK part of nType), IDOK for every other box.
int AfxUnattendedAnswer(UINT nType);
// The answer is one of the box's buttons: IDYES or IDNO for MB_YESNO, IDOK for every other box.
bool AfxAnswerFits(UINT nType, int answer);
// A modal message box through the installed host (Host::MessageBox); without one,
// AfxUnattendedAnswer(nType).
int AfxShowMessageBox(const std::string& text, const std::string& caption, UINT nType,
                      const std::string& details = std::string());
