// The text of a profile (INI) file: how its lines read, and the edits that writing makes.
// Private to this folder; the private-profile functions load the file, call these, and save.
//
// Reading rules:
// - LF, CR LF and a lone CR end a line. A UTF-8 byte-order mark at the start of the text is
//   skipped (and kept by every edit).
// - A NUL byte ends what a line says: the rest of that line up to its line break is ignored,
//   so a damaged line reads as its part before the NUL. Edits keep such lines byte for byte.
// - Blanks are spaces and tabs. A line is, by its first non-blank character:
//     none        blank line, ignored;
//     ';'         comment ('#' is not a comment);
//     '['         section header: the name runs to the first ']' (or to the end of the line
//                 when there is none), blanks trimmed; the rest of the line is ignored;
//     otherwise   an entry when it holds '=' and the text before its first '=' is not blank:
//                 key and value trimmed; a value of two characters or more that starts and ends
//                 with the same quote (" or ') loses that pair. Any other line is ignored.
// - Names match ignoring ASCII letter case. A name given by a caller is trimmed first; an empty
//   name matches nothing, so a "[]" header and every line before the first header are
//   unreachable and never listed.
// - The first of duplicate sections and, inside it, the first of duplicate keys is the one
//   read; name lists list duplicates.
#pragma once

#include "platform/TextRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile
{
using platform::TrimBlanks;

// The value of `key` in `section`; nullopt when either is missing.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// Every non-empty section name, in file order, duplicates included.
std::vector<std::string_view> SectionNames(std::string_view text);

// Every key of `section`, in file order, duplicates included; empty when the section is missing.
std::vector<std::string_view> KeyNames(std::string_view text, std::string_view section);

// Whether `section`, `key` and `value` can be written so that they read back as given: a
// section name without ']' or line breaks; a key without '=' or line breaks that does not start
// with ';' or '['; a value without line breaks. Section and key must not be blank.
bool IsWritableSectionName(std::string_view section);
bool IsWritableKey(std::string_view key);
bool IsWritableValue(std::string_view value);

// The edits of a write. Each returns the new text, or nullopt when the text would not change.
// Lines the edit does not concern are kept byte for byte with their own line breaks; lines it
// writes end with CR LF.
//
// SetValue: replaces the value of the first entry of `key` in the first `section` (keeping the
// key as spelled in the file; nullopt when that entry already reads as `value` would), or adds
// "key=value" after the section's last line that is neither blank nor a comment (the header when it
// has none), or appends "[section]" and the entry at the end of the text (after a CR LF when the
// text does not end with a line break).
std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value);
// RemoveKey: removes every entry of `key` from the first `section`, so that it reads as missing.
std::optional<std::string> RemoveKey(std::string_view text, std::string_view section,
                                     std::string_view key);
// RemoveSection: removes the header and the entries and other lines of every section named
// `section`; its blank and comment lines stay.
std::optional<std::string> RemoveSection(std::string_view text, std::string_view section);
} // namespace platform::profile
