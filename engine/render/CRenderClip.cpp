#include "engine/render/CRenderClip.h"

namespace SkinUI
{

CRenderClip::CRenderClip() : m_hDC(NULL)
{
    ::SetRectEmpty(&m_rcItem);
}

CRenderClip::~CRenderClip()
{
    Restore();
}

void CRenderClip::Restore()
{
    // The previous region is selected back before both regions are deleted by their owners.
    if (m_hDC != NULL && !m_hOldRgn.IsNull())
        ::SelectClipRgn(m_hDC, m_hOldRgn);
}

// Remembers the DC's current clip box and makes the new region from rc; a guard used twice
// first gives the DC back its first clip, so regions never leak.
static bool BeginClip(HDC hDC, const RECT& rc, CRenderClip& clip)
{
    if (hDC == NULL)
        return false;
    clip.Restore();
    RECT rcClip = {0, 0, 0, 0};
    ::GetClipBox(hDC, &rcClip);
    clip.m_hOldRgn.Reset(::CreateRectRgnIndirect(&rcClip));
    clip.m_hRgn.Reset(::CreateRectRgnIndirect(&rc));
    clip.m_hDC = hDC;
    clip.m_rcItem = rc;
    return !clip.m_hRgn.IsNull();
}

void CRenderClip::GenerateClip(HDC hDC, RECT rc, CRenderClip& clip)
{
    if (!BeginClip(hDC, rc, clip))
        return;
    if (!clip.m_hOldRgn.IsNull())
        ::CombineRgn(clip.m_hRgn, clip.m_hRgn, clip.m_hOldRgn, RGN_AND);
    ::SelectClipRgn(hDC, clip.m_hRgn);
}

void CRenderClip::GenerateRoundClip(HDC hDC, RECT rc, RECT rcItem, int width, int height, CRenderClip& clip)
{
    if (!BeginClip(hDC, rc, clip))
        return;
    CGdiObject<HRGN> hRgnRound(
        ::CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1, width, height));
    if (!hRgnRound.IsNull())
        ::CombineRgn(clip.m_hRgn, clip.m_hRgn, hRgnRound, RGN_AND);
    if (!clip.m_hOldRgn.IsNull())
        ::CombineRgn(clip.m_hRgn, clip.m_hRgn, clip.m_hOldRgn, RGN_AND);
    ::SelectClipRgn(hDC, clip.m_hRgn);
}

void CRenderClip::UseOldClipBegin(HDC hDC, CRenderClip& clip)
{
    if (hDC != NULL && !clip.m_hOldRgn.IsNull())
        ::SelectClipRgn(hDC, clip.m_hOldRgn);
}

void CRenderClip::UseOldClipEnd(HDC hDC, CRenderClip& clip)
{
    if (hDC != NULL && !clip.m_hRgn.IsNull())
        ::SelectClipRgn(hDC, clip.m_hRgn);
}

} // namespace SkinUI
