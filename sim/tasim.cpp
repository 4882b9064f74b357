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
    "usage: tasim [--model NAME] [--link PATH] [--nvram FILE] [--echo on|off]\n"
    "             [--option-answer TEXT] [--silent] [--error-on-line N] [--delay MS]\n"
    "             [--garbage] [--flood BYTES] [--hangup-after N] [--option-silent]\n"
    "       tasim --list-models\n";

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
        if (argument == "--help")
        {
            std::fputs(kUsage, stdout);
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
