#include "framework/MessageQueue.h"

#include "framework/Host.h"
#include "framework/WindowState.h"

#include <deque>

namespace
{
struct PostedMessage
{
    WindowState* target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::deque<PostedMessage> g_posted;
int g_handlerDepth = 0;

void DrainPosted()
{
    while (!g_posted.empty())
    {
        PostedMessage posted = g_posted.front();
        g_posted.pop_front();
        if (posted.target != nullptr && posted.target->primary != nullptr)
        {
            posted.target->primary->WindowProc(posted.message, posted.wParam, posted.lParam);
        }
    }
}
} // namespace

void AfxPumpMessages()
{
    if (g_handlerDepth == 0)
    {
        afx::HandlerScope scope;
    }
}

size_t AfxPendingMessages()
{
    return g_posted.size();
}

namespace afx
{
HandlerScope::HandlerScope()
{
    ++g_handlerDepth;
}

HandlerScope::~HandlerScope()
{
    if (g_handlerDepth == 1)
    {
        DrainPosted();
    }
    --g_handlerDepth;
}

void Post(WindowState* target, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_posted.push_back({target, message, wParam, lParam});
}

void PurgePosted(WindowState* target)
{
    std::erase_if(g_posted, [target](const PostedMessage& m) { return m.target == target; });
}
} // namespace afx
