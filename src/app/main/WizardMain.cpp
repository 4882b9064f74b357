// quoran-wizard: the wizard in a window on the Qt host, or with --tui in the terminal on the
// terminal host. Its own options are --help, --version and --tui, which need no display; Qt's
// (-platform NAME, -style NAME, ...) pass to Qt. It takes no other arguments. Without a display
// (and without --tui) it says so in one line and ends with exit status 1, where Qt would abort.
// --clock-rate N, a testing aid for the terminal host, runs the program's clock N times as fast.
#include "framework/WinApp.h"
#include "framework/qt/QtHost.h"
#include "framework/terminal/TerminalHost.h"
#include "platform/posix/ClockTesting.h"
#include "src/app/main/WindowSystem.h"

#include <QApplication>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
const char kProgram[] = "quoran-wizard";
const char kUsage[] =
    "usage: quoran-wizard [--help | --version] [Qt options, such as -platform NAME]\n"
    "       quoran-wizard --tui\n"
    "Finds a QUORAN ISDN terminal adapter on a serial port, lets you edit its configurations\n"
    "and sends one to it, page by page in a window, or with --tui in the terminal (at least\n"
    "80 x 24 characters; no display needed, also over ssh or on a text console).\n"
    "\n"
    "  -h, --help      print this help and exit\n"
    "  -V, --version   print the version and exit\n"
    "  --tui           run in the terminal: keyboard (Tab, Enter, Escape, Alt+letter, arrow\n"
    "                  keys) and the mouse where the terminal reports it\n"
    "  --clock-rate N  (for tests, with --tui) run the program's clock N times as fast\n"
    "\n"
    "Configurations live in quoran.ini beside the program; an installed program keeps them in\n"
    "$XDG_CONFIG_HOME/quoran-wizard/ (~/.config/quoran-wizard/), with dosdevices/, whose links\n"
    "comN name the device of COMn. The log, log.txt, is written in the working folder; an\n"
    "installed program keeps it in $XDG_STATE_HOME/quoran-wizard/ "
    "(~/.local/state/quoran-wizard/),\n"
    "the previous run's as log.txt.1.\n"
    "Exit status: 0 when the wizard closed, 1 without a display (or, with --tui, without a\n"
    "terminal), 2 for a bad option.\n"
    "See quoran-wizard(1).\n";

// Qt's own command-line options, which QApplication takes out of the arguments; the first group
// is followed by a value (or written -option=value).
const char* const kQtOptionsWithValue[] = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-session",
    "-display",     "-geometry",           "-title",         "-name",
};
const char* const kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

enum class Parsed
{
    Run,
    Exit,
};

int BadArguments(const std::string& problem)
{
    std::fprintf(stderr, "%s: %s\n%s", kProgram, problem.c_str(), kUsage);
    return 2;
}

bool IsOneOf(const std::string& name, const char* const* first, const char* const* last)
{
    for (const char* const* option = first; option != last; ++option)
    {
        if (name == *option)
            return true;
    }
    return false;
}

struct Options
{
    std::string platform;   // Qt's -platform
    bool terminal = false;  // --tui
    unsigned clockRate = 0; // --clock-rate
};

// A whole number from 1 up.
bool ParseClockRate(const std::string& text, unsigned& rate)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, rate);
    return error == std::errc() && stop == end && !text.empty() && rate >= 1;
}

// Reads the arguments: --help and --version answer at once; Qt's options are left for Qt, and
// the platform one asked for is kept. Returns Exit with `status` set when the program ends here.
Parsed ParseArguments(int argc, char** argv, Options& options, int& status)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--tui")
        {
            options.terminal = true;
            continue;
        }
        if (argument == "--clock-rate")
        {
            if (i + 1 >= argc || !ParseClockRate(argv[++i], options.clockRate))
            {
                status = BadArguments("--clock-rate needs a whole number from 1 up");
                return Parsed::Exit;
            }
            continue;
        }
        if (argument == "--help" || argument == "-h")
        {
            std::fputs(kUsage, stdout);
            status = 0;
            return Parsed::Exit;
        }
        if (argument == "--version" || argument == "-V")
        {
            std::printf("%s %s\n", kProgram, QUORAN_VERSION);
            status = 0;
            return Parsed::Exit;
        }
        // Qt reads its options with one dash or two.
        const std::string option = argument.rfind("--", 0) == 0 ? argument.substr(1) : argument;
        const size_t equals = option.find('=');
        const std::string name = option.substr(0, equals);
        if (IsOneOf(name, std::begin(kQtFlags), std::end(kQtFlags)) && equals == std::string::npos)
            continue;
        if (IsOneOf(name, std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue)))
        {
            std::string value;
            if (equals != std::string::npos)
                value = option.substr(equals + 1);
            else if (i + 1 < argc)
                value = argv[++i];
            else
            {
                status = BadArguments("option " + argument + " needs a value");
                return Parsed::Exit;
            }
            if (name == "-platform")
                options.platform = value;
            continue;
        }
        status = BadArguments(argument[0] == '-' ? "unknown option " + argument
                                                 : "unexpected argument " + argument);
        return Parsed::Exit;
    }
    if (options.clockRate != 0 && !options.terminal)
    {
        status = BadArguments("--clock-rate is for the terminal host (--tui) only");
        return Parsed::Exit;
    }
    return Parsed::Run;
}

[[noreturn]] void NoDisplay(const std::string& why)
{
    std::fprintf(stderr,
                 "%s: %s; run it in a desktop session, on a virtual screen with "
                 "xvfb-run %s, or in this terminal with %s --tui\n",
                 kProgram, why.c_str(), kProgram, kProgram);
    std::fflush(stderr);
    _exit(1);
}

// Qt's start-up messages, held back until the window system has answered: when it does not, Qt
// ends the program with a fatal message, and the user gets one line from us instead.
std::vector<std::string> g_startupMessages;

void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg)
    {
        g_startupMessages.push_back(qFormatLogMessage(type, context, message).toStdString());
        return;
    }
    const std::string display = DisplayName();
    NoDisplay("no window system answers on the display " +
              (display.empty() ? std::string("asked for") : display));
}

// The wizard in the terminal it was started in.
int RunInTerminal(unsigned clockRate)
{
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0)
    {
        std::fprintf(stderr, "%s: --tui needs a terminal on standard input and output\n", kProgram);
        return 1;
    }
    if (clockRate != 0)
        SetClockRateForTesting(clockRate);
    TerminalSession session;
    TerminalHost host(session);
    return AfxWinMain(host);
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    int status = 0;
    if (ParseArguments(argc, argv, options, status) == Parsed::Exit)
        return status;
    if (options.terminal)
        return RunInTerminal(options.clockRate);
    if (NeedsDisplayServer(options.platform) && DisplayName().empty())
        NoDisplay("no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");

    const QtMessageHandler previous = qInstallMessageHandler(HoldStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const std::string& message : g_startupMessages)
        std::fprintf(stderr, "%s\n", message.c_str());
    g_startupMessages.clear();

    QApplication::setApplicationName(QStringLiteral("QUORAN Configuration Wizard"));
    QApplication::setApplicationVersion(QStringLiteral(QUORAN_VERSION));
    // Desktops find the window's icon and name through the installed .desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("quoran-wizard"));
    QtHost host;
    return AfxWinMain(host);
}
