// The posted-message queue of the user-interface thread. CWnd::PostMessage puts a message at its
// end; the queue is handled in posting order (with the messages posted meanwhile) when the
// outermost handler scope ends, or by AfxPumpMessages outside every handler. Every user action,
// timer tick and sheet operation runs inside a handler scope, so a posted message never runs in
// the middle of the handler that posted it. The messages of a window that is destroyed before
// they are handled are dropped.
#pragma once

#include "platform/win32.h"

struct WindowState;

namespace afx
{
// Handlers run inside a scope; when the outermost scope ends, the posted messages are handled.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

void Post(WindowState* target, UINT message, WPARAM wParam, LPARAM lParam);
// Drops the posted messages of a window that goes away.
void PurgePosted(WindowState* target);
} // namespace afx
