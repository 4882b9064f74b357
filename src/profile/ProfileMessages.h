// Messages of the configuration store and the one check the settings pages share.
#pragma once

#include "platform/win32.h"

#include <string>

class CDataExchange;

// The text of string resource `stringId` with every "%s" replaced by `text`.
std::string FormatStringResource(UINT stringId, const std::string& text);

// Part of a page's data exchange: when saving and `required` is TRUE, a `text` that is empty
// or only blanks shows IDS_ENTER_VALUE naming `label` and fails the exchange (does not
// return). Otherwise does nothing.
void RequireText(CDataExchange* pDX, const std::string& text, const std::string& label,
                 BOOL required);

// Tells the user that the configuration could not be written to g_profilePath
// (IDS_CONFIG_NOT_SAVED, OK button). The save page shows it when SaveAll fails, and stays.
void ReportSaveFailure();
// Tells the user that the configuration could not be removed from g_profilePath
// (IDS_CONFIG_NOT_DELETED, OK button); the setup type page keeps offering it.
void ReportDeleteFailure();
