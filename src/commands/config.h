// The configuration download exchange: the packed command lines are sent one by one, each
// acknowledged by the adapter's final result "OK\r\n".
#pragma once

#include "src/serial/Urswin32.h"

#include <atomic>
#include <string>
#include <vector>

// Detects a fixed text in a character stream fed one character at a time. A character that
// breaks a partial match may start a new one, so "OOK\r\n" is seen as "OK\r\n".
class TextMatcher
{
public:
    // Starts looking for `pattern` (kept by pointer: it must outlive the matcher).
    void Reset(const char* pattern);
    // Feeds one character; true once the whole pattern has been seen (and from then on).
    bool Feed(int c);

private:
    const char* m_pPatternStart = "";
    const char* m_pPosition = m_pPatternStart;
};

// config_SendStrings results.
inline constexpr int config_kSent = 1; // every line was acknowledged
// A line could not be written, or the adapter refused it with the final result "ERROR".
inline constexpr int config_kSendFailed = 2;
inline constexpr int config_kNoOK = 3; // a line got no final result within 10 seconds

// The longest wait for a line's final result, and the pause after its "OK\r\n".
inline constexpr int config_kLineReplySeconds = 10;
inline constexpr int config_kPauseAfterLineMs = 500;

// Sends `lines` in order, waiting after each for its final result (at most 10 seconds); after
// "OK\r\n" it flushes and pauses 500 ms. Stops at the first line that fails (logging a refused
// line by name); the lines after it are not sent. An empty list returns config_kSent without
// touching the port. When `acknowledged` is given, it holds the number of lines acknowledged so
// far, stored (release order) as each "OK\r\n" arrives, for a watcher on another thread.
int config_SendStrings(urs_Port* port, const std::vector<std::string>& lines,
                       std::atomic<int>* acknowledged = nullptr);

// config_WaitForOK results.
inline constexpr int config_kGotOK = 1;
inline constexpr int config_kNoResult = 2; // neither result came within the time
inline constexpr int config_kGotError = 3; // the final result "\r\nERROR\r\n" came first

// Reads until "OK\r\n" or "\r\nERROR\r\n" has arrived or `seconds` have passed. Anything before
// the result (the echo of the line, blank lines) is skipped; the exchange timer is disarmed on
// return.
int config_WaitForOK(urs_Port* port, int seconds);
