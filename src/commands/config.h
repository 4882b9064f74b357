// The configuration download exchange: the packed command lines are sent one by one, each
// acknowledged by the adapter's final result "OK\r\n".
#pragma once

#include "src/serial/Urswin32.h"

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
inline constexpr int config_kSent = 1;        // every line was acknowledged
inline constexpr int config_kWriteFailed = 2; // a line could not be written
inline constexpr int config_kNoOK = 3;        // a line got no "OK\r\n" within 10 seconds

// Sends `lines` in order, waiting after each for "OK\r\n" (at most 10 seconds), then flushing
// and pausing 500 ms. Stops at the first line that fails; the lines after it are not sent. An
// empty list returns config_kSent without touching the port.
int config_SendStrings(urs_Port* port, const std::vector<std::string>& lines);

// Reads until "OK\r\n" has arrived (1) or `seconds` have passed (2). Anything before the OK is
// skipped; the exchange timer is disarmed on return.
int config_WaitForOK(urs_Port* port, int seconds);
