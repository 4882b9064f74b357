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

class CObject
{
public:
    virtual ~CObject() = default;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define DECLARE_DYNAMIC(class_name)
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)
#define DYNAMIC_DOWNCAST(class_name, object) dynamic_cast<class_name*>(object)

// An ordered list of CObject pointers. It never owns what it points to: whoever adds an object
// deletes it. A POSITION stays valid until the list changes.
class CObList : public CObject
{
public:
    CObList() = default;

    int GetCount() const { return static_cast<int>(m_items.size()); }
    BOOL IsEmpty() const { return m_items.empty(); }

    // Returns the position of the new element.
    POSITION AddTail(CObject* newElement);
    // Removes and returns the first element; nullptr (nothing removed) when empty.
    CObject* RemoveHead();

    // Iteration: GetHeadPosition, then GetNext(pos) returns the element at pos and moves pos on
    // (to nullptr after the last element).
    POSITION GetHeadPosition() const;
    CObject* GetNext(POSITION& rPosition) const;

private:
    std::vector<CObject*> m_items;
};
