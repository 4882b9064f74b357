// The diagnostic log: one trace file, "log.txt" in the working directory, written by the user
// interface thread and by the worker threads. Every line reads "[module (line)]: message".
#pragma once

#include "platform/win32.h"

// Makes `flag` (the application's logging-enabled byte) decide whether log_Printf writes: lines
// are written only while *flag is nonzero. The application calls this once at construction; the
// byte must outlive every log_Printf. Without a flag, or with nullptr, log_Printf writes whenever
// the log is open. Returns the flag it replaces (so that a test can put it back).
const volatile BYTE* log_SetEnabledFlag(const volatile BYTE* flag);

// Opens "./log.txt" for writing, emptying a file left by an earlier run (a log already open is
// closed first). When the file cannot be created, logging stays off until the next log_Open.
void log_Open();

// Flushes and closes the log. Afterwards log_Printf writes nothing until log_Open; safe while
// other threads are inside log_Printf.
void log_Close();

// Writes one line "[module (line)]: message\n", the message being `format` expanded with the
// arguments. Nothing is written while the log is closed or the enabled flag is clear. A line is
// cut to the 256-character line buffer (still ending with its line feed); `module` and the
// arguments are copied as text, never read as format. Lines written at the same time from
// several threads stay whole.
void log_Printf(const char* module, int line, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

#define LOG_PRINTF(format, ...) log_Printf(__FILE__, __LINE__, format __VA_OPT__(, ) __VA_ARGS__)
