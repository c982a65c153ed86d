// tagTNotifyUI: one notification a control (or the manager) raises for the window's listeners:
// a type name such as "click", the sender and two parameters. SendNotify fills the timestamp,
// the mouse point and (when virtual windows are in use) the virtual-window name.
//
// Contract: the sender is borrowed and may be null (a queued record whose sender was deleted
// reaches the listeners with a null sender).
//
// Not done: no lifetime of its own; queued copies belong to the paint manager.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CControlUI;

struct tagTNotifyUI
{
    tagTNotifyUI() : pSender(nullptr), dwTimestamp(0), ptMouse{0, 0}, wParam(0), lParam(0) {}

    CUIString sType;
    CUIString sVirtualWnd;
    CControlUI* pSender;
    DWORD dwTimestamp;
    POINT ptMouse;
    WPARAM wParam;
    LPARAM lParam;
};

} // namespace SkinUI
