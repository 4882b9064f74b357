// quoran-wizard: the wizard in a window on the Qt host. The program takes no arguments of its own
// (Qt's, such as -platform, still work); it runs the application object until the sheet closes.
#include "framework/WinApp.h"
#include "framework/qt/QtHost.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUORAN Configuration Wizard"));
    QtHost host;
    return AfxWinMain(host);
}
