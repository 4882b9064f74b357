// quoran-wizard-script [--qt] [FILE] (or --help, --version): the wizard driven by a script (FILE,
// or standard input) instead of a person. The script is checked whole before the wizard starts;
// then the wizard runs on the headless host in real time (or, with --qt, on the Qt host: offscreen
// when there is no display or it does not answer), its commands acting as a user would. Both hosts
// print the same lines.
// --clock-rate N, a testing aid, runs the headless host's clock N times as fast.
//
// Exit code: 0 when every command ran, 1 at the first command that failed, 2 for a script that
// cannot be parsed or read, or for bad arguments.
#include "framework/WinApp.h"
#include "framework/headless/HeadlessHost.h"
#include "framework/headless/Script.h"
#include "framework/headless/ScriptDriver.h"
#include "platform/posix/ClockTesting.h"
#include "src/app/main/ScriptOnScreen.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const char kUsage[] =
    "usage: quoran-wizard-script [--qt | --clock-rate N] [FILE]\n"
    "       quoran-wizard-script --help | --version\n"
    "Runs the wizard driven by the script in FILE (standard input when FILE is missing or\n"
    "\"-\"); --qt shows it in a window. For tests, --clock-rate N runs the program's clock\n"
    "N times as fast (pauses, time-outs, timers and waits last 1/N of their time).\n"
    "The log, log.txt, is written in the working folder; an installed program keeps it in\n"
    "$XDG_STATE_HOME/quoran-wizard/ (~/.local/state/quoran-wizard/).\n"
    "One command a line; '#' starts a comment line.\n"
    "  next | back | finish | cancel       press a wizard button\n"
    "  set ID TEXT                         type TEXT into an edit\n"
    "  select ID TEXT                      choose an item of a combo box or list box\n"
    "  check ID on|off    radio ID    click ID    row ID N\n"
    "  answer yes|no|ok                    the answer to the next message box\n"
    "  wait SECONDS    wait-page CLASS SECONDS\n"
    "  expect page CLASS | title TEXT | buttons Back,Next,Finish,DisabledFinish,Cancel\n"
    "  expect text|selected ID TEXT | enabled|visible ID yes|no | checked ID on|off\n"
    "  expect items ID A|B|C | message TEXT | progress DONE/TOTAL|*/TOTAL|none\n"
    "  dump    screenshot FILE (--qt only)\n"
    "TEXT is the rest of the line, or \"quoted\" with \\r \\n \\t \\\" \\\\.\n"
    "Exit code: 0 all ran, 1 a command failed, 2 the script cannot be read or parsed.\n";

int Usage(const std::string& problem)
{
    std::cerr << kScriptProgram << ": " << problem << "\n" << kUsage;
    return 2;
}

// A whole number from 1 up.
bool ParseClockRate(const std::string& text, unsigned& rate)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, rate);
    return error == std::errc() && stop == end && !text.empty() && rate >= 1;
}

bool ReadScript(const std::string& file, std::string& script)
{
    if (file.empty() || file == "-")
    {
        script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in)
    {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    script = text.str();
    return !in.bad();
}

int RunHeadless(std::vector<ScriptCommand> commands)
{
    HeadlessHost host(HeadlessHost::ClockMode::RealTime);
    host.SetErrorHandler([](const std::string& error) {
        std::cerr << kScriptProgram << ": host: " << error << "\n";
    });
    ScriptDriver driver(std::move(commands), host, std::cout, std::cerr);
    AfxWinMain(driver.GetHost());
    return driver.Finish();
}
} // namespace

int main(int argc, char** argv)
{
    bool qt = false;
    unsigned clockRate = 0;
    std::string file;
    bool haveFile = false;
    for (int i = 1; i < argc; ++i)
    {
        std::string argument = argv[i];
        if (argument == "--help" || argument == "-h")
        {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "--version" || argument == "-V")
        {
            std::cout << kScriptProgram << " " << QUORAN_VERSION << "\n";
            return 0;
        }
        if (argument == "--qt")
        {
            qt = true;
        }
        else if (argument == "--clock-rate")
        {
            if (i + 1 >= argc || !ParseClockRate(argv[++i], clockRate))
            {
                return Usage("--clock-rate needs a whole number from 1 up");
            }
        }
        else if (argument.size() > 1 && argument[0] == '-')
        {
            return Usage("unknown option " + argument);
        }
        else if (haveFile)
        {
            return Usage("only one script file, please");
        }
        else
        {
            file = argument;
            haveFile = true;
        }
    }
    // The Qt host's timers keep real time.
    if (qt && clockRate != 0)
    {
        return Usage("--clock-rate runs without --qt only");
    }
    std::string name = haveFile && file != "-" ? file : std::string("standard input");
    std::string script;
    if (!ReadScript(file, script))
    {
        std::cerr << kScriptProgram << ": cannot read " << name << ": " << std::strerror(errno)
                  << "\n";
        return 2;
    }
    std::vector<ScriptCommand> commands;
    ScriptError error;
    if (!ParseScript(script, commands, error))
    {
        std::cerr << kScriptProgram << ": " << name << ": line " << error.line << ": "
                  << error.message << "\n";
        return 2;
    }
    if (qt)
    {
        // Qt sees only the program's name: the script's arguments are not its options.
        int qtArgc = 1;
        return RunScriptOnScreen(std::move(commands), qtArgc, argv);
    }
    if (clockRate != 0)
    {
        SetClockRateForTesting(clockRate);
    }
    return RunHeadless(std::move(commands));
}
