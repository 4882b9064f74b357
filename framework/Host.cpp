#include "framework/Host.h"

namespace
{
Host* g_host = nullptr;
} // namespace

void AfxSetHost(Host* host)
{
    g_host = host;
}

Host* AfxGetHost()
{
    return g_host;
}
