// The root of the framework's class tree and the few collection and run-time class helpers the
// wizard's code uses with their framework names. Run-time class information is C++'s own:
// DECLARE_DYNAMIC/IMPLEMENT_DYNAMIC only document that a class is meant to be found by a
// down-cast (DYNAMIC_DOWNCAST is dynamic_cast).
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <vector>

// A place in a collection (CObList, the selected rows of a CListCtrl); nullptr means "no more".
typedef struct __POSITION* POSITION;

class CArchive;

class CObject
{
public:
    virtual ~CObject() = default;

    // Storage hook kept for the framework's shape; nothing is stored through it.
    virtual void Serialize(CArchive& ar);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define DECLARE_DYNAMIC(class_name)
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)
#define DECLARE_DYNCREATE(class_name)
#define IMPLEMENT_DYNCREATE(class_name, base_class_name)
#define DYNAMIC_DOWNCAST(class_name, object) dynamic_cast<class_name*>(object)

// An ordered list of CObject pointers. It never owns what it points to: whoever adds an object
// deletes it. A POSITION stays valid until the list changes.
class CObList : public CObject
{
public:
    CObList() = default;

    int GetCount() const { return static_cast<int>(m_items.size()); }
    int GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_items.empty(); }

    // Each returns the position of the new element.
    POSITION AddHead(CObject* newElement);
    POSITION AddTail(CObject* newElement);

    // Head and tail of a non-empty list; nullptr when the list is empty.
    CObject* GetHead() const;
    CObject* GetTail() const;
    // Removes and returns the first/last element; nullptr (nothing removed) when empty.
    CObject* RemoveHead();
    CObject* RemoveTail();
    void RemoveAll() { m_items.clear(); }

    // Iteration: GetHeadPosition, then GetNext(pos) returns the element at pos and moves pos on
    // (to nullptr after the last element).
    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    CObject* GetNext(POSITION& rPosition) const;
    CObject* GetPrev(POSITION& rPosition) const;
    CObject* GetAt(POSITION position) const;
    void SetAt(POSITION pos, CObject* newElement);
    // Removes the element at pos; positions after it move back by one.
    void RemoveAt(POSITION position);
    // The position of the first element equal to searchValue after startAfter (nullptr: from
    // the head); nullptr when there is none.
    POSITION Find(CObject* searchValue, POSITION startAfter = nullptr) const;
    // The position of the nIndex-th element (from 0); nullptr when out of range.
    POSITION FindIndex(int nIndex) const;

private:
    std::vector<CObject*> m_items;
};
