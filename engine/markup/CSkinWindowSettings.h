// CSkinWindowSettings: the window settings of a skin's Window element that the paint manager
// does not keep itself yet (initial size, size box, caption, corners, size limits, opacity,
// layering, activation, hover time and the drop shadow), kept per paint manager, together with
// the flag saying the window settings of that manager were applied.
//
// Contract: For(manager) gives the record of a manager, made empty on first use and made empty
// again when the manager now paints a different window (a manager at the address of a deleted
// one starts afresh). Sizes are stored as applied (the builder scales "size" before storing).
// Find answers null for a manager without a record. Forget drops a record, ForgetAll every one.
//
// Not done: nothing here reaches the window: the window classes read these values. UI thread
// only. This is a holding place until the paint manager and the shadow own these settings.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CPaintManagerUI;

class CSkinWindowSettings
{
public:
    static CSkinWindowSettings* For(CPaintManagerUI* pManager);
    static const CSkinWindowSettings* Find(const CPaintManagerUI* pManager);
    static void Forget(const CPaintManagerUI* pManager);
    static void ForgetAll();

    bool m_bInitWindowParameter = false; // the Window element was applied once

    SIZE m_szInitWindowSize = {0, 0};
    RECT m_rcSizeBox = {0, 0, 0, 0};
    RECT m_rcCaption = {0, 0, 0, 0};
    SIZE m_szRoundCorner = {0, 0};
    SIZE m_szMinWindow = {0, 0};
    SIZE m_szMaxWindow = {0, 0};
    bool m_bShowUpdateRect = false;
    int m_nOpacity = 255;
    int m_nLayeredOpacity = 255;
    bool m_bLayered = false;
    CUIString m_sLayeredImage;
    bool m_bNoActivate = false;
    int m_nHoverTime = 0;
    bool m_bHoverTimeSet = false;

    struct Shadow
    {
        int nSize = 0;
        int nSharpness = 0;
        int nDarkness = 0;
        SIZE szPosition = {0, 0};
        DWORD dwColor = 0;
        RECT rcCorner = {0, 0, 0, 0};
        CUIString sImage;
        bool bShow = false;
    } m_shadow;
};

} // namespace SkinUI
