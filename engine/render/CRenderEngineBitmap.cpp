// CRenderEngine::GenerateBitmap: a control painted off-screen, for drag images and
// animations. Kept apart from the drawing routines because it needs the control model.
#include "engine/render/CRenderEngine.h"

#include "engine/controls/CControlUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CGdiObject.h"
#include "engine/resources/CMemoryDC.h"

namespace SkinUI
{

HBITMAP CRenderEngine::GenerateBitmap(CPaintManagerUI* pManager, CControlUI* pControl, RECT rc,
                                      DWORD dwFilterColor)
{
    if (pControl == nullptr || rc.right <= rc.left || rc.bottom <= rc.top || rc.right <= 0 || rc.bottom <= 0)
        return nullptr;
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    HDC hRefDC = pManager != nullptr ? pManager->GetPaintDC() : nullptr;

    // Controls paint in client coordinates and clip in device coordinates, so the surface
    // they paint on starts at the client origin; only rc is copied out.
    BYTE* pPaintBits = nullptr;
    CGdiObject<HBITMAP> hPaintBitmap(CreateARGB32Bitmap(hRefDC, rc.right, rc.bottom, &pPaintBits));
    CMemoryDC paintDC(hRefDC);
    if (hPaintBitmap.IsNull() || paintDC.Get() == nullptr)
        return nullptr;
    paintDC.Select(hPaintBitmap);
    pControl->Paint(paintDC, rc, nullptr);

    BYTE* pBits = nullptr;
    CGdiObject<HBITMAP> hBitmap(CreateARGB32Bitmap(hRefDC, cx, cy, &pBits));
    CMemoryDC cloneDC(hRefDC);
    if (hBitmap.IsNull() || cloneDC.Get() == nullptr)
        return nullptr;
    cloneDC.Select(hBitmap);
    ::BitBlt(cloneDC, 0, 0, cx, cy, paintDC, rc.left, rc.top, SRCCOPY);
    if ((dwFilterColor >> 24) != 0)
        DrawColor(cloneDC, RECT{0, 0, cx, cy}, dwFilterColor);
    ::GdiFlush();
    return hBitmap.Detach(); // cloneDC selects it out when it goes
}

} // namespace SkinUI
