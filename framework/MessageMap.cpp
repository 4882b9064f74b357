#include "framework/MessageMap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    bool byControl = nMessage == WM_COMMAND || nMessage == WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry)
        {
            if (entry->nMessage != nMessage)
            {
                continue;
            }
            if (!byControl || (entry->nCode == nCode && nID >= entry->nID && nID <= entry->nLastID))
            {
                return entry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchMessageEntry(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam,
                                      LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(nMessage, nCode, nID);
    if (entry == nullptr)
    {
        return FALSE;
    }
    LRESULT ignored = 0;
    entry->pfn(this, wParam, lParam, pResult != nullptr ? pResult : &ignored);
    return TRUE;
}
