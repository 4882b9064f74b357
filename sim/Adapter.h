// A simulated ISDN terminal adapter on a pseudo-terminal. It plays the device at the far end of a
// serial line: it echoes, answers the identification commands with the lines of one preset model,
// checks and keeps the configuration commands, stores them in an NVRAM file, and can misbehave on
// request. It uses nothing of the wizard; tests and `tasim` run it.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sim
{
// Ways the adapter misbehaves, for tests of the wizard's failure paths.
struct Faults
{
    bool silent = false;       // never answers anything
    int errorOnLine = 0;       // 1-based command line that gets ERROR; 0 none
    int replyDelayMs = 0;      // pause before each response
    bool garbage = false;      // noise incl. 0xFF bytes before each response
    size_t floodBytes = 0;     // bytes without line end sent in answer to the first command
    int hangupAfterLines = 0;  // close the line after this many command lines; 0 never
    bool optionSilent = false; // AT%I gets no answer
};

struct Options
{
    std::string model = "KESTRAST/13"; // preset name, case-insensitive
    Faults faults;
    std::string nvramPath;          // "" = no NVRAM file
    bool echo = true;               // initial E state
    std::string optionAnswer = "0"; // AT%I information line; "" = no information line
    // Override the ATI2 / ATI20 lines; "" = no information line (the reply is only the result).
    std::optional<std::string> modelLine, extendedModelLine;
    // The adapter's clock runs this many times as fast as real time (at least 1): the reply delay
    // and the moment a user gets to read the last answer before a hang-up last 1/clockRate of
    // their time, for tests that speed the wizard's clock up alike.
    int clockRate = 1;
};

class Adapter
{
public:
    // Creates the pseudo-terminal (raw before anyone can open it), loads the NVRAM file when
    // there is one and starts serving on its own thread. nullptr when the model is unknown or no
    // pseudo-terminal could be made.
    static std::unique_ptr<Adapter> Start(const Options& options);
    ~Adapter(); // stops the thread, closes the pty

    Adapter(const Adapter&) = delete;
    Adapter& operator=(const Adapter&) = delete;

    const std::string& DevicePath() const; // the pty slave path
    // Makes linkPath a symbolic link to DevicePath(), replacing whatever was there; false when
    // the link could not be made (an old link then stays as it was).
    bool LinkAs(const std::string& linkPath) const;
    std::vector<std::string> ReceivedLines() const; // every command line received, without its CR
    std::map<std::string, std::string> Settings() const; // in-memory settings (prefix -> value)
    std::map<std::string, std::string> StoredSettings() const; // what ATZ would restore
    // Closes the line now: the other side reads end of file or EIO from then on, and the adapter
    // never serves again. Returns once the line is closed.
    void HangUp();
    bool HungUp() const; // the line was closed, by HangUp() or by the hang-up fault
    // How many descriptors others hold open on the device. It drops only once what a departed
    // user left behind (a half-typed line, answers not yet read) has been thrown away, so a test
    // that waits for 0 after closing gives its next user a clean line.
    int Users() const;

    struct Impl;

private:
    explicit Adapter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// The 26 presets then "modem", in device table order.
std::vector<std::string> PresetNames();
} // namespace sim
