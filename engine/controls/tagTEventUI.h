// tagTEventUI: one input or state event the paint manager hands to a control's Event, with the
// event types, the control flags (GetControlFlags) and the search flags of FindControl.
//
// Contract: plain record, copied freely. The mouse events are exactly MouseMove..ScrollWheel
// (9..21); IsMouseEvent tests that range. The sender is borrowed and may be null.
//
// Not done: no construction helpers; the manager fills the record field by field.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CControlUI;

enum class EventType : DWORD
{
    KeyDown = 3,
    KeyUp = 4,
    Char = 5,
    SysKey = 6,
    MouseMove = 9,
    MouseLeave = 10,
    MouseEnter = 11,
    MouseHover = 12,
    ButtonDown = 13,
    ButtonUp = 14,
    RButtonDown = 15,
    RButtonUp = 16,
    MButtonDown = 17,
    MButtonUp = 18,
    DblClick = 19,
    ContextMenu = 20,
    ScrollWheel = 21,
    KillFocus = 23,
    SetFocus = 24,
    WindowSize = 25,
    SetCursor = 26,
    Timer = 27
};

inline bool IsMouseEvent(EventType type)
{
    return type >= EventType::MouseMove && type <= EventType::ScrollWheel;
}

// Bits of CControlUI::GetControlFlags.
enum : UINT
{
    FlagTabStop = 0x01,
    FlagSetCursor = 0x02
};

// Bits of the flags argument of CControlUI::FindControl.
enum : UINT
{
    FindVisible = 0x01,
    FindEnabled = 0x02,
    FindHitTest = 0x04,
    FindUpdateTest = 0x08,
    FindTopFirst = 0x10,
    FindMeFirst = 0x80000000
};

// The visitor FindControl offers each control to; a non-null result ends the search.
typedef CControlUI*(CALLBACK* FindControlProc)(CControlUI* pControl, void* pData);

struct tagTEventUI
{
    EventType Type;
    CControlUI* pSender;
    DWORD dwTimestamp;
    POINT ptMouse;
    wchar_t chKey;
    WORD wKeyState;
    WPARAM wParam;
    LPARAM lParam;
};

} // namespace SkinUI
