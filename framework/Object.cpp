#include "framework/Object.h"

namespace
{
// A position is the element's index plus one, so that nullptr stays "no position".
POSITION ToPosition(size_t index)
{
    return reinterpret_cast<POSITION>(static_cast<uintptr_t>(index + 1));
}

size_t ToIndex(POSITION position)
{
    return static_cast<size_t>(reinterpret_cast<uintptr_t>(position)) - 1;
}
} // namespace

POSITION CObList::AddTail(CObject* newElement)
{
    m_items.push_back(newElement);
    return ToPosition(m_items.size() - 1);
}

CObject* CObList::RemoveHead()
{
    if (m_items.empty())
    {
        return nullptr;
    }
    CObject* head = m_items.front();
    m_items.erase(m_items.begin());
    return head;
}

POSITION CObList::GetHeadPosition() const
{
    return m_items.empty() ? nullptr : ToPosition(0);
}

CObject* CObList::GetNext(POSITION& rPosition) const
{
    size_t index = ToIndex(rPosition);
    if (rPosition == nullptr || index >= m_items.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = index + 1 < m_items.size() ? ToPosition(index + 1) : nullptr;
    return m_items[index];
}
