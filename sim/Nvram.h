// The adapter's non-volatile memory: a text file of "key=value" lines, one setting a line.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace sim
{
using KeyValues = std::map<std::string, std::string>;

// Reads `path`. Lines without '=' and lines starting with '#' are skipped; the key is the text
// before the first '=', the value the rest of the line. nullopt when the file cannot be opened.
std::optional<KeyValues> ReadNvram(const std::string& path);

// Replaces `path` with the given entries, atomically: a reader sees either the old file or the
// complete new one. False when it could not be written; the old file then stays as it was.
bool WriteNvram(const std::string& path, const KeyValues& entries);
} // namespace sim
