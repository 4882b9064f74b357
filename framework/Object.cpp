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

void CObject::Serialize(CArchive&) {}

POSITION CObList::AddHead(CObject* newElement)
{
    m_items.insert(m_items.begin(), newElement);
    return ToPosition(0);
}

POSITION CObList::AddTail(CObject* newElement)
{
    m_items.push_back(newElement);
    return ToPosition(m_items.size() - 1);
}

CObject* CObList::GetHead() const
{
    return m_items.empty() ? nullptr : m_items.front();
}

CObject* CObList::GetTail() const
{
    return m_items.empty() ? nullptr : m_items.back();
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

CObject* CObList::RemoveTail()
{
    if (m_items.empty())
    {
        return nullptr;
    }
    CObject* tail = m_items.back();
    m_items.pop_back();
    return tail;
}

POSITION CObList::GetHeadPosition() const
{
    return m_items.empty() ? nullptr : ToPosition(0);
}

POSITION CObList::GetTailPosition() const
{
    return m_items.empty() ? nullptr : ToPosition(m_items.size() - 1);
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

CObject* CObList::GetPrev(POSITION& rPosition) const
{
    size_t index = ToIndex(rPosition);
    if (rPosition == nullptr || index >= m_items.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = index > 0 ? ToPosition(index - 1) : nullptr;
    return m_items[index];
}

CObject* CObList::GetAt(POSITION position) const
{
    size_t index = ToIndex(position);
    return position != nullptr && index < m_items.size() ? m_items[index] : nullptr;
}

void CObList::SetAt(POSITION pos, CObject* newElement)
{
    size_t index = ToIndex(pos);
    if (pos != nullptr && index < m_items.size())
    {
        m_items[index] = newElement;
    }
}

void CObList::RemoveAt(POSITION position)
{
    size_t index = ToIndex(position);
    if (position != nullptr && index < m_items.size())
    {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

POSITION CObList::Find(CObject* searchValue, POSITION startAfter) const
{
    size_t start = startAfter == nullptr ? 0 : ToIndex(startAfter) + 1;
    for (size_t i = start; i < m_items.size(); ++i)
    {
        if (m_items[i] == searchValue)
        {
            return ToPosition(i);
        }
    }
    return nullptr;
}

POSITION CObList::FindIndex(int nIndex) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_items.size())
    {
        return nullptr;
    }
    return ToPosition(static_cast<size_t>(nIndex));
}
