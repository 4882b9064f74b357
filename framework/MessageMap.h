// Message maps: each window class binds the notifications of its controls to its own member
// functions in one declarative table:
//
//     // in the class:                      // in the .cpp, near the top:
//     DECLARE_MESSAGE_MAP()                 BEGIN_MESSAGE_MAP(CWelcomePage, CPropertyPage)
//                                               ON_BN_CLICKED(1159, &CWelcomePage::OnYes)
//                                               ON_EN_CHANGE(1002, &CWelcomePage::OnSettingChanged)
//                                               ON_NOTIFY(LVN_ITEMCHANGED, 1189,
//                                               &CIDingPage::OnItemChanged)
//                                           END_MESSAGE_MAP()
//
// Every entry is checked by the compiler: the handler must be a member of the class (or of one
// of its bases) with the signature its macro names, and the call goes through a function
// generated for exactly that class and handler, so no member-function pointer is ever cast.
// Lookup walks from the object's own map to its bases' maps; the first matching entry wins.
#pragma once

#include "framework/Object.h"

#include <type_traits>

class CCmdTarget;

// How a map entry calls its handler: target is the object whose map holds the entry.
typedef void (*AFX_PMSG)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // WM_COMMAND, WM_NOTIFY or the message itself (ON_MESSAGE); 0 ends the table
    UINT nCode;    // notification code (BN_CLICKED, LVN_ITEMCHANGED, ...)
    UINT nID;      // first and last control id the entry applies to
    UINT nLastID;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// A class that can receive commands and notifications through its message map.
class CCmdTarget : public CObject
{
public:
    // The map of the object's most derived class that declares one.
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry of the map chain for (message, code, id), or nullptr.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

    // Runs the handler bound to (message, code, id); returns FALSE when the maps have none.
    BOOL DispatchMessageEntry(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                              LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

namespace afx
{
template <class T, auto Handler> void InvokeVoid(CCmdTarget* target, WPARAM, LPARAM, LRESULT*)
{
    static_assert(std::is_invocable_v<decltype(Handler), T&>,
                  "the handler must be a member taking no arguments");
    (static_cast<T*>(target)->*Handler)();
}

template <class T, auto Handler>
void InvokeNotify(CCmdTarget* target, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    static_assert(std::is_invocable_v<decltype(Handler), T&, NMHDR*, LRESULT*>,
                  "the handler must be a member taking (NMHDR*, LRESULT*)");
    (static_cast<T*>(target)->*Handler)(reinterpret_cast<NMHDR*>(lParam), pResult);
}

template <class T, auto Handler>
void InvokeMessage(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    static_assert(std::is_invocable_r_v<LRESULT, decltype(Handler), T&, WPARAM, LPARAM>,
                  "the handler must be a member LRESULT (WPARAM, LPARAM)");
    *pResult = (static_cast<T*>(target)->*Handler)(wParam, lParam);
}
} // namespace afx

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
                                                                                                   \
public:                                                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;                                              \
                                                                                                   \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>,                                  \
                      "a message map's base must be a base of its class");                         \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, nullptr                                                                        \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// WM_COMMAND notifications of controls (handler: void Handler()).
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id),     \
     &::afx::InvokeVoid<ThisClass, memberFxn>},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(idLast), \
     &::afx::InvokeVoid<ThisClass, memberFxn>},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)

// WM_NOTIFY notifications (handler: void Handler(NMHDR* pNMHDR, LRESULT* pResult)).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id),      \
     &::afx::InvokeNotify<ThisClass, memberFxn>},

// Any other message sent or posted to the window (handler: LRESULT Handler(WPARAM, LPARAM)).
#define ON_MESSAGE(message, memberFxn)                                                             \
    {static_cast<UINT>(message), 0, 0, 0, &::afx::InvokeMessage<ThisClass, memberFxn>},
