// The choice tables of the configuration parameters: each row is a string resource (the text
// shown and stored in the profile) and the value the adapter receives; a table ends with a row
// whose string id is 0. The pages fill their combo boxes from the same tables.
#pragma once

#include "src/profile/ChoiceEntry.h"

// "AT&T 5ESS" 0, "DMS-100" 1, "NI - 1" 5, "NET3" 2, "VN4" 6, "INS64" 4 ("1TR6" has no row).
extern const ChoiceEntry kSwitchTypeChoices[];
// The North American part of the switch types: "AT&T 5ESS", "DMS-100", "NI - 1".
extern const ChoiceEntry kNorthAmericanSwitchTypeChoices[];
// "Auto TEI" 240, "Disabled" 241, then "0" to "63" as themselves.
extern const ChoiceEntry kTeiChoices[];
// "NO" 0, "YES" 1.
extern const ChoiceEntry kYesNoChoices[];
// "Enbloc" 0, "Overlap" 1.
extern const ChoiceEntry kDialingMethodChoices[];
// Every data protocol: "V.120" 5, "V.110" 6, "MLPPP" 9, "X.75" 12, "CLEAR" 11.
extern const ChoiceEntry kDataProtocolChoices[];
// DTR signal: "Normal" 1, "Ignore" 0, "Reset On DTR" 3.
extern const ChoiceEntry kDtrChoices[];
// DSR and DCD signals: "Normal" 1, "Always On" 0, "Momentary Drop" 2.
extern const ChoiceEntry kDsrChoices[];
extern const ChoiceEntry kDcdChoices[];
// CTS signal: "Normal" 0, "Always On" 1, "Momentary Drop" 2 (the first two swapped against DSR).
extern const ChoiceEntry kCtsChoices[];
// "Asynchronous" 0, "Synchronous" 1.
extern const ChoiceEntry kSyncModeChoices[];
// "Odd" 0, "Even" 1, "None" 4, "MARK" 2, "Space" 3.
extern const ChoiceEntry kParityChoices[];
// "300" to "230400", each as itself.
extern const ChoiceEntry kBitRateChoices[];
// "7", "8".
extern const ChoiceEntry kDataBitsChoices[];
// "1", "2".
extern const ChoiceEntry kStopBitsChoices[];
// "None" 3, "XON/XOFF" 5, "RTS/CTS" 4.
extern const ChoiceEntry kFlowControlChoices[];
// "25 Hz" 2, "20 Hz" 3, "16.67 Hz" 4.
extern const ChoiceEntry kRingFrequencyChoices[];
// Dial tone: "No Dial Tone" 0, "Use Central Office Dial Tone" 1, "TA Generates Dial Tone" 2.
extern const ChoiceEntry kDialToneChoices[];
// The dial tones offered with en-bloc dialing: "No Dial Tone" 0, "TA Generates Dial Tone" 2.
extern const ChoiceEntry kEnblocDialToneChoices[];
// Dial tone suppression and call bumping: "Disabled" 0, "Enabled" 1.
extern const ChoiceEntry kSuppressionChoices[];
extern const ChoiceEntry kCallBumpingChoices[];
// Country ring signal: "Default" 0, then "Austria" 3 to "United States" 27.
extern const ChoiceEntry kRingSignalChoices[];
// Pulse dial recognition: "Disabled" 0, "England, France, India, USA..." 1, "New Zealand" 2,
// "Sweden" 3.
extern const ChoiceEntry kPulseRecognitionChoices[];
// Dynamic bandwidth allocation: "Disabled" 0, "MP+" 1, "PPP" 2.
extern const ChoiceEntry kBandwidthSchemeChoices[];
