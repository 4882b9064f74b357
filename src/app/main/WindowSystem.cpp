#include "src/app/main/WindowSystem.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
bool IsSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// In the child: Qt's messages are not the child's to print; a fatal one means no display.
void EndOnFatalMessage(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg)
        _exit(1);
}
} // namespace

bool NeedsDisplayServer(std::string platform)
{
    if (platform.empty())
    {
        const char* chosen = std::getenv("QT_QPA_PLATFORM");
        platform = chosen != nullptr ? chosen : "";
    }
    return platform.empty() || platform.rfind("xcb", 0) == 0 || platform.rfind("wayland", 0) == 0;
}

std::string DisplayName()
{
    if (IsSet("DISPLAY"))
        return std::getenv("DISPLAY");
    if (IsSet("WAYLAND_DISPLAY"))
        return std::getenv("WAYLAND_DISPLAY");
    return {};
}

bool DisplayAnswers()
{
    if (DisplayName().empty())
        return false;
    const pid_t child = fork();
    if (child < 0)
        return true; // cannot ask: let Qt itself find out
    if (child == 0)
    {
        qInstallMessageHandler(EndOnFatalMessage);
        char name[] = "probe";
        char* arguments[] = {name, nullptr};
        int count = 1;
        QGuiApplication probe(count, arguments);
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
    {
        if (errno != EINTR)
            return true;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
