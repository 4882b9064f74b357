// The wizard's resources: the string table, the 21 page templates and the artwork, as constant
// data in the framework's format (framework/Resources.h).
#pragma once

#include "framework/Resources.h"

#include <span>

// All of the wizard's tables, for AfxSetResources at start-up. They are constant and live for the
// whole program.
const ResourceTables& WizardResources();

// The three parts of WizardResources, each the data of one file of this folder.
std::span<const StringResource> WizardStrings(); // ascending ids
std::span<const DialogTemplate> WizardDialogs(); // the 21 page templates, ascending ids
std::span<const ImageResource> WizardImages(); // the page pictures and the program icon, ascending
                                               // ids
