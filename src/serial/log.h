// The diagnostic log: one trace file, "log.txt" in the working directory (or, for an installed
// program, in the user's state folder: GetLogPlace in platform/ProgramFiles.h), written by the
// user interface thread and by the worker threads. Every line reads "[module (line)]: message".
#pragma once

#include "platform/win32.h"

#include <string>

// Makes `flag` (the application's logging-enabled byte) decide whether log_Printf writes: lines
// are written only while *flag is nonzero. The application calls this once at construction; the
// byte must outlive every log_Printf. Without a flag, or with nullptr, log_Printf writes whenever
// the log is open. Returns the flag it replaces (so that a test can put it back).
const volatile BYTE* log_SetEnabledFlag(const volatile BYTE* flag);

// The most log_Printf writes into one log: a device that floods the line makes one line per
// byte it sends. The line that would pass it is replaced by a last line saying that the log is
// cut, and later lines are dropped until the next log_Open.
inline constexpr long long log_kSizeLimit = 16 * 1024 * 1024;

// Opens the log's file (GetLogPlace) for writing, emptying a file left by an earlier run, or, in
// the user's state folder, first keeping that file as "log.txt.1" (a log already open is closed
// first). When the file cannot be created, logging stays off until the next log_Open.
void log_Open();

// The absolute path of the log's file since log_Open (whether or not it could be created); ""
// before the first log_Open.
std::string log_Path();

// Flushes and closes the log. Afterwards log_Printf writes nothing until log_Open; safe while
// other threads are inside log_Printf.
void log_Close();

// Writes one line "[module (line)]: message\n", the message being `format` expanded with the
// arguments. Nothing is written while the log is closed or the enabled flag is clear. The line's
// format, module and number included, is bounded by the 256-character line buffer: a longer
// message format is cut (before any conversion it would cut in half); the arguments are written
// in full. `module` and the arguments are copied as text, never read as format. Each line
// reaches the file whole with one write as it is logged, so a crash loses no line logged before
// it; lines written at the same time from several threads stay whole.
void log_Printf(const char* module, int line, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

#define LOG_PRINTF(format, ...) log_Printf(__FILE__, __LINE__, format __VA_OPT__(, ) __VA_ARGS__)
