// tagTMenuCmdUI: the record a menu sends its frame for a chosen command (WM_USER + 4, the frame
// deletes it) or for a command whose state it asks (WM_USER + 5, the sender keeps it).
//
// Contract: plain data; the texts are copies.
//
// Not done: the engine has no menus here; only the frame's hooks use the record.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"

namespace SkinUI
{

enum : UINT
{
    WM_SKINUI_MENUCOMMAND = WM_USER + 4,
    WM_SKINUI_MENUUPDATECOMMANDUI = WM_USER + 5
};

struct tagTMenuCmdUI
{
    CUIString sName;
    CUIString sUserData;
    CUIString sText;
    bool bEnabled = true;
    bool bChecked = false;
};

} // namespace SkinUI
