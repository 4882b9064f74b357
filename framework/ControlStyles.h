// What a button or static control is, read from its style bits: the hosts choose a control's
// widget by it, the Qt host's dialog font measures the room its text needs by it, and radio
// groups are found by it.
#pragma once

#include "platform/win32.h"

// Static styles (the SS_TYPEMASK part).
inline constexpr DWORD kStaticTypeMask = 0x1F;

inline DWORD StaticType(DWORD style)
{
    return style & kStaticTypeMask;
}

inline bool IsPictureStyle(DWORD style)
{
    return StaticType(style) == SS_BITMAP || StaticType(style) == SS_ICON;
}

inline bool IsEtchedLineStyle(DWORD style)
{
    return StaticType(style) == SS_ETCHEDHORZ;
}

inline bool IsTextStaticStyle(DWORD style)
{
    return !IsPictureStyle(style) && !IsEtchedLineStyle(style);
}

inline DWORD ButtonType(DWORD style)
{
    return style & BS_TYPEMASK;
}

inline bool IsGroupBoxStyle(DWORD style)
{
    return ButtonType(style) == BS_GROUPBOX;
}

inline bool IsCheckBoxStyle(DWORD style)
{
    return ButtonType(style) == BS_CHECKBOX || ButtonType(style) == BS_AUTOCHECKBOX;
}

inline bool IsRadioStyle(DWORD style)
{
    return ButtonType(style) == BS_RADIOBUTTON || ButtonType(style) == BS_AUTORADIOBUTTON;
}

inline bool IsPushStyle(DWORD style)
{
    return ButtonType(style) == BS_PUSHBUTTON || ButtonType(style) == BS_DEFPUSHBUTTON;
}
