// tasim: a simulated terminal adapter on a pseudo-terminal, for demos and manual tests. It
// prints the device path, optionally links it, and serves until SIGINT or SIGTERM.
#include "sim/Adapter.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace
{
const char kUsage[] =
    "usage: tasim [OPTION...]\n"
    "       tasim --list-models | --help | --version\n"
    "A simulated QUORAN ISDN terminal adapter on a pseudo-terminal. It prints the device's path,\n"
    "answers AT commands as the chosen model does, and serves until SIGINT or SIGTERM.\n"
    "\n"
    "  --model NAME          the model to play (default KESTRAST/13; see --list-models)\n"
    "  --link PATH           make PATH a symbolic link to the device, removed at the end\n"
    "                        (dosdevices/com1 beside the wizard makes it the wizard's COM1)\n"
    "  --nvram FILE          keep the adapter's stored configuration (AT&W) in FILE\n"
    "  --echo on|off         whether commands are echoed at the start (default on)\n"
    "  --option-answer TEXT  the information line answering AT%I (default 0; \"\" for none)\n"
    "  --silent              never answer anything\n"
    "  --error-on-line N     answer ERROR to the Nth command line (from 1)\n"
    "  --delay MS            wait MS milliseconds before every response\n"
    "  --garbage             send noise (0xFF bytes among it) before every response\n"
    "  --flood BYTES         answer the first command with BYTES bytes without a line end\n"
    "  --hangup-after N      close the line after N command lines\n"
    "  --option-silent       leave AT%I unanswered\n"
    "  --clock-rate N        run the adapter's clock N times as fast: its pauses (--delay, the\n"
    "                        moment to read the last answer before a hang-up) last 1/N of\n"
    "                        their time (for tests that speed up the wizard's clock alike)\n"
    "  --list-models         print the model names and exit\n"
    "  --help                print this help and exit\n"
    "  -V, --version         print the version and exit\n"
    "Exit status: 0 after a signal or an informational option, 1 when no pseudo-terminal or link\n"
    "could be made, 2 for a bad option.\n";

int Usage(const char* problem)
{
    if (problem != nullptr)
        std::fprintf(stderr, "tasim: %s\n", problem);
    std::fputs(kUsage, stderr);
    return 2;
}

template <typename Number> bool ParseNumber(const char* text, Number& number)
{
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, number);
    return error == std::errc() && stop == end && stop != text && number >= 0;
}
} // namespace

int main(int argc, char** argv)
{
    sim::Options options;
    std::string link;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--list-models")
        {
            for (const std::string& name : sim::PresetNames())
                std::printf("%s\n", name.c_str());
            return 0;
        }
        if (argument == "--help" || argument == "-h")
        {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version" || argument == "-V")
        {
            std::printf("tasim %s\n", QUORAN_VERSION);
            return 0;
        }
        if (argument == "--silent")
            options.faults.silent = true;
        else if (argument == "--garbage")
            options.faults.garbage = true;
        else if (argument == "--option-silent")
            options.faults.optionSilent = true;
        else
        {
            if (argument.rfind("--", 0) != 0 || i + 1 >= argc)
                return Usage(("bad argument " + argument).c_str());
            const char* value = argv[++i];
            bool good = true;
            if (argument == "--model")
                options.model = value;
            else if (argument == "--link")
                link = value;
            else if (argument == "--nvram")
                options.nvramPath = value;
            else if (argument == "--option-answer")
                options.optionAnswer = value;
            else if (argument == "--echo")
            {
                good = std::strcmp(value, "on") == 0 || std::strcmp(value, "off") == 0;
                options.echo = std::strcmp(value, "on") == 0;
            }
            else if (argument == "--error-on-line")
                good = ParseNumber(value, options.faults.errorOnLine);
            else if (argument == "--delay")
                good = ParseNumber(value, options.faults.replyDelayMs);
            else if (argument == "--flood")
                good = ParseNumber(value, options.faults.floodBytes);
            else if (argument == "--hangup-after")
                good = ParseNumber(value, options.faults.hangupAfterLines);
            else if (argument == "--clock-rate")
                good = ParseNumber(value, options.clockRate) && options.clockRate >= 1;
            else
                return Usage(("unknown option " + argument).c_str());
            if (!good)
                return Usage(("bad value for " + argument + ": " + value).c_str());
        }
    }

    // Blocked before the adapter's thread starts, so that only sigwait below receives them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    const auto adapter = sim::Adapter::Start(options);
    if (adapter == nullptr)
    {
        bool known = false;
        for (const std::string& name : sim::PresetNames())
            known = known || strcasecmp(name.c_str(), options.model.c_str()) == 0;
        if (!known)
            return Usage(("unknown model " + options.model + " (see --list-models)").c_str());
        std::fprintf(stderr, "tasim: no pseudo-terminal\n");
        return 1;
    }
    if (!link.empty() && !adapter->LinkAs(link))
    {
        std::fprintf(stderr, "tasim: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", adapter->DevicePath().c_str());
    std::fflush(stdout);

    int received = 0;
    sigwait(&signals, &received);
    if (!link.empty())
        unlink(link.c_str());
    return 0;
}
