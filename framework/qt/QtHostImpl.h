// The inside of QtHost, shared by its two sources: QtHost.cpp (windows, timers, modal loops,
// message boxes) and QtWidgets.cpp (one widget per control and the mirroring of its state).
#pragma once

#include "framework/qt/QtHost.h"

#include <QFont>
#include <QPointer>
#include <QString>

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class QButtonGroup;
class QEventLoop;
class QFrame;
class QLabel;
class QTimer;

namespace qthost
{
// One framework window and the widget that shows it.
struct Mirror
{
    CWnd* wnd = nullptr;
    QPointer<QWidget> widget;
    QButtonGroup* radioGroup = nullptr; // a radio button's exclusive group (owned by its page)

    // Pages: statics that wait for the next control to become their mnemonic's target, and the
    // radio group that the next radio button joins unless it starts a group of its own.
    std::vector<QLabel*> pendingBuddies;
    QButtonGroup* openRadioGroup = nullptr;

    // Sheets: the line between the page area and the buttons.
    QFrame* separator = nullptr;
};

// Texts: the framework's strings are ANSI (Latin-1); Windows line breaks become Qt's.
QString ToQt(const std::string& text);
QString ToQtMultiline(const std::string& text);
std::string FromQt(const QString& text);
// A caption with its mnemonic marks removed ("&&" stays one "&").
QString WithoutMnemonic(const QString& text);
} // namespace qthost

struct QtHost::Impl
{
    QtHost* host = nullptr;
    QFont font;
    BaseUnits units{};
    std::unordered_map<const CWnd*, qthost::Mirror> mirrors;
    std::map<std::pair<const CWnd*, UINT_PTR>, QTimer*> timers;
    std::vector<std::pair<CPropertySheet*, QEventLoop*>> modalLoops;
    std::vector<const CWnd*> sheets; // in creation order
    MessageBoxAnswerer answerer;

    qthost::Mirror* Find(const CWnd* wnd);
    QWidget* ParentWidget(const CWnd& wnd);

    // QtWidgets.cpp
    // Makes the widget of a new window with the window's complete state.
    void Create(CWnd& wnd);
    // Shows one part of the window's state.
    void Sync(qthost::Mirror& mirror, WindowChange what);
    // Shows all of it again (after a user action that the framework may have refused).
    void SyncAll(qthost::Mirror& mirror);
    // Places the pages, buttons and separator of a sheet and sizes its window.
    void LayoutSheet(qthost::Mirror& sheet);
    // A page has become visible: tab order, and the focus on its first control.
    void PageShown(qthost::Mirror& page);
    // Pixels per dialog unit margin around the sheet's contents.
    int MarginX() const { return 7 * units.x / 4; }
    int MarginY() const { return 7 * units.y / 8; }

    // After the user acted on a window: re-shows its state (and that of its radio group), then
    // handles the posted messages.
    void AfterUserAction(const CWnd* wnd);
    // Enter and Escape on a sheet window.
    void PressDefaultButton(CPropertySheet& sheet);
    void PressCancel(CPropertySheet& sheet);
};
