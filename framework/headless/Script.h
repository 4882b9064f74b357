// The wizard script: a small language that drives a running property sheet as a user would and
// checks what the user would see. One command a line; blank lines and lines whose first
// non-blank character is '#' are ignored.
//
//   next | back | finish | cancel      press that sheet button (hidden or disabled: failure)
//   set ID TEXT                        replace an edit's text (one user edit)
//   select ID TEXT                     choose the item TEXT of a combo box or list box (exact
//                                      case first, then ignoring case)
//   check ID on|off                    click a check box when its state differs
//   radio ID                           click a radio button
//   click ID                           click a button
//   row ID N                           select row N (0-based) of a list view
//   answer yes|no|ok                   queue the answer for the next message box
//   wait SECONDS                       let time pass (decimals allowed); timers fire
//   wait-page CLASS SECONDS            wait until the page of that class is current
//   expect page CLASS                  the current page's C++ class name
//   expect title TEXT                  the sheet's title
//   expect buttons LIST                the sheet buttons a user can see and use, from
//                                      Back,Next,Finish,DisabledFinish,Cancel ("none": no button)
//   expect text ID TEXT                a control's text (combo and list boxes: the selected item)
//   expect enabled ID yes|no
//   expect visible ID yes|no
//   expect items ID A|B|C              the items in display order ("" for none)
//   expect selected ID TEXT            the selected item ("" for none)
//   expect checked ID on|off
//   expect message TEXT                the text of the last message box shown
//   expect progress DONE/TOTAL         the progress the sheet shows: DONE of TOTAL steps ("*"
//                                      for DONE: any count of TOTAL); "none": no progress
//   dump                               print the current page with all its controls
//   screenshot FILE                    a PNG of the sheet (only with a host that can take one)
//
// ID is a control id of the current page, or of the sheet itself (IDCANCEL 2, ID_WIZBACK
// 0x3023, ...), decimal or 0x-hexadecimal. TEXT is the rest of the line, trailing blanks cut;
// written in double quotes it may be empty, keep blanks at either end and use the escapes \r \n
// \t \" \\.
//
// ScriptDriver.h runs the parsed commands and says what its output looks like.
#pragma once

#include "framework/PropertySheet.h"

#include <string>
#include <vector>

enum class ScriptOp
{
    Next,
    Back,
    Finish,
    Cancel,
    Set,
    Select,
    Check,
    Radio,
    Click,
    Row,
    Answer,
    Wait,
    WaitPage,
    ExpectPage,
    ExpectTitle,
    ExpectButtons,
    ExpectText,
    ExpectEnabled,
    ExpectVisible,
    ExpectItems,
    ExpectSelected,
    ExpectChecked,
    ExpectMessage,
    ExpectProgress,
    Dump,
    Screenshot,
};

// The sheet buttons as `expect buttons` names them (bits of a button set).
inline constexpr unsigned kScriptBack = 1;
inline constexpr unsigned kScriptNext = 2;
inline constexpr unsigned kScriptFinish = 4;
inline constexpr unsigned kScriptDisabledFinish = 8;
inline constexpr unsigned kScriptCancel = 16;

struct ScriptCommand
{
    int line = 0; // 1-based line of the script
    ScriptOp op = ScriptOp::Next;
    int id = 0;                     // control id
    std::string text;               // TEXT, CLASS, FILE; the item list of `expect items` as written
    std::vector<std::string> items; // `expect items`: the items
    int number = 0;      // row; answer (IDOK, IDYES, IDNO); milliseconds to wait; button set; the
                         // progress's DONE (-1: any)
    int total = 0;       // `expect progress`: TOTAL (0: none)
    bool flag = false;   // on / yes
    std::string seconds; // `wait`, `wait-page`: the seconds as written
};

struct ScriptError
{
    int line = 0;
    std::string message;
};

// Parses a whole script. Returns true with one command per command line, in order. Returns
// false at the first line that cannot be parsed (unknown command, missing or extra argument,
// bad number, bad on|off, yes|no or answer), with the line and the reason in `error`;
// `commands` then holds the commands before that line.
bool ParseScript(const std::string& script, std::vector<ScriptCommand>& commands,
                 ScriptError& error);

// The command as the output prints it (texts quoted and escaped).
std::string FormatCommand(const ScriptCommand& command);
// The canonical list of a button set ("Back,Next,Cancel"; "none" for the empty set).
std::string FormatButtons(unsigned buttons);
// A progress as `expect progress` writes it: "3/36", "*/36" for a `done` below 0, "none" for a
// `total` of 0.
std::string FormatProgress(int done, int total);
// The sheet buttons a user sees: Back and Next when enabled, Finish or DisabledFinish when
// shown, Cancel when enabled.
unsigned VisibleButtons(const CPropertySheet& sheet);
