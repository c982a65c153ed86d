// CRenderClip: narrows a device context's clip region while a control paints and restores it
// when destroyed. GenerateClip intersects the current clip with a rectangle, GenerateRoundClip
// additionally with a rounded rectangle; UseOldClipBegin/End switch back to the previous clip
// for a moment (floating children paint outside their container this way).
//
// Owns the two regions it makes; borrows the device context, which must outlive the guard.
// Not done: the previous clip is kept as the rectangle of the DC's clip box, not as an exact
// copy of a complex region; logical and device coordinates are assumed to be the same.
#pragma once

#include <windows.h>

#include "engine/resources/CGdiObject.h"

namespace SkinUI
{

class CRenderClip
{
public:
    CRenderClip();
    ~CRenderClip();
    CRenderClip(const CRenderClip&) = delete;
    CRenderClip& operator=(const CRenderClip&) = delete;

    static void GenerateClip(HDC hDC, RECT rc, CRenderClip& clip);
    static void GenerateRoundClip(HDC hDC, RECT rc, RECT rcItem, int width, int height, CRenderClip& clip);
    static void UseOldClipBegin(HDC hDC, CRenderClip& clip);
    static void UseOldClipEnd(HDC hDC, CRenderClip& clip);

    RECT m_rcItem;
    HDC m_hDC;
    CGdiObject<HRGN> m_hRgn;
    CGdiObject<HRGN> m_hOldRgn;

    // Selects the previous region back (the destructor does this too).
    void Restore();
};

} // namespace SkinUI
