#include "framework/HeldTicks.h"

#include <algorithm>

void HeldTicks::Tick(CWnd& wnd, UINT_PTR nIDEvent)
{
    if (Busy())
    {
        const std::pair<CWnd*, UINT_PTR> tick{&wnd, nIDEvent};
        if (std::find(m_ticks.begin(), m_ticks.end(), tick) == m_ticks.end())
            m_ticks.push_back(tick);
        return;
    }
    AfxDispatchTimer(wnd, nIDEvent);
    AfxPumpMessages();
}

void HeldTicks::Drop(const CWnd* wnd, UINT_PTR nIDEvent)
{
    std::erase_if(m_ticks, [wnd, nIDEvent](const auto& tick) {
        return tick.first == wnd && tick.second == nIDEvent;
    });
}

void HeldTicks::DropWindow(const CWnd* wnd)
{
    std::erase_if(m_ticks, [wnd](const auto& tick) { return tick.first == wnd; });
}

void HeldTicks::RunHeld()
{
    while (!Busy() && !m_ticks.empty())
    {
        const auto [wnd, nIDEvent] = m_ticks.front();
        m_ticks.erase(m_ticks.begin());
        AfxDispatchTimer(*wnd, nIDEvent);
        AfxPumpMessages();
    }
}
