// Painting of CPaintManagerUI: the layout pass, the persistent off-screen bitmap limited to
// the update rectangle, layered windows through UpdateLayeredWindow, and the update-rectangle
// outline.
#include "engine/manager/CPaintManagerUI.h"

#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/core/CGdiSelection.h"
#include "engine/core/CModuleHandle.h"
#include "engine/manager/CShadowUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/render/tagTDrawInfo.h"

namespace SkinUI
{

namespace
{

typedef BOOL(WINAPI* PFN_UpdateLayeredWindow)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                              DWORD);

PFN_UpdateLayeredWindow s_pfnUpdateLayeredWindow = nullptr;

// The red pen of the update-rectangle outline, made once for the process.
HPEN UpdateRectPen()
{
    static CGdiObject<HPEN> s_pen(::CreatePen(PS_SOLID, 1, RGB(220, 0, 0)));
    return s_pen.Get();
}

CControlUI* CALLBACK FindControlsFromUpdate(CControlUI* pThis, void* pData)
{
    if (pThis->IsUpdateNeeded())
    {
        std::vector<CControlUI*>* pFound = static_cast<std::vector<CControlUI*>*>(pData);
        for (CControlUI* p : *pFound)
            if (p == pThis)
                return pThis;
        pFound->push_back(pThis);
        return pThis; // a container laid out again places its children itself
    }
    return nullptr;
}

// Whether an ancestor of the control is in the list (it will place the control itself).
bool HasAncestorIn(const std::vector<CControlUI*>& list, CControlUI* pControl)
{
    for (CControlUI* pParent = pControl->GetParent(); pParent != nullptr; pParent = pParent->GetParent())
        for (CControlUI* p : list)
            if (p == pParent)
                return true;
    return false;
}

// One 32-bit pixel of a bottom-up DIB of width cx and height cy.
inline DWORD* PixelAt(BYTE* pBits, int cx, int cy, int x, int y)
{
    return reinterpret_cast<DWORD*>(pBits) + static_cast<size_t>(cy - 1 - y) * cx + x;
}

} // namespace

bool CPaintManagerUI::LoadUpdateLayeredWindow()
{
    if (s_pfnUpdateLayeredWindow == nullptr)
    {
        HMODULE hUser32 = ::GetModuleHandleW(L"User32.dll");
        if (hUser32 != nullptr)
            s_pfnUpdateLayeredWindow = reinterpret_cast<PFN_UpdateLayeredWindow>(
                reinterpret_cast<void*>(::GetProcAddress(hUser32, "UpdateLayeredWindow")));
    }
    return s_pfnUpdateLayeredWindow != nullptr;
}

void CPaintManagerUI::ReleaseOffscreen()
{
    // The DCs hold no selection between paints, so the order does not matter; DCs first anyway.
    m_pDcOffscreen.reset();
    m_hbmpOffscreen.Reset();
    m_pOffscreenBits = nullptr;
    m_pDcBackground.reset();
    m_hbmpBackground.Reset();
    m_pBackgroundBits = nullptr;
    m_szOffscreen = SIZE{0, 0};
}

// Lays the tree out when asked to. bStop: the paint ends here (a layered window whose settings
// changed repaints everything first). True when a layout pass ran.
bool CPaintManagerUI::LayoutPass(const RECT& rcClient, bool& bStop)
{
    bStop = false;
    if (!m_bUpdateNeeded || m_bLockUpdate)
        return false;
    m_bUpdateNeeded = false;
    if (::IsRectEmpty(&rcClient) || ::IsIconic(m_hWndPaint))
        return false;
    if (m_pRoot->IsUpdateNeeded())
    {
        // A new size: the bitmaps are made again at the next paint.
        ReleaseOffscreen();
        RECT rcRoot = rcClient;
        if (m_bLayered)
        {
            rcRoot.left += m_rcLayeredInset.left;
            rcRoot.top += m_rcLayeredInset.top;
            rcRoot.right -= m_rcLayeredInset.right;
            rcRoot.bottom -= m_rcLayeredInset.bottom;
        }
        m_pRoot->SetPos(rcRoot, true);
    }
    else
    {
        std::vector<CControlUI*> aUpdate;
        m_pRoot->FindControl(FindControlsFromUpdate, &aUpdate, FindVisible | FindUpdateTest | FindMeFirst);
        std::vector<CControlUI*> aPlace;
        for (CControlUI* p : aUpdate)
            if (!HasAncestorIn(aUpdate, p))
                aPlace.push_back(p);
        // Positions are absolute here, floating controls included: each keeps its place and lays
        // out its own content again.
        for (CControlUI* p : aPlace)
            p->SetPos(p->GetPos(), true);
    }
    if (m_bFirstLayout)
    {
        m_bFirstLayout = false;
        SendNotify(m_pRoot, L"windowinit", 0, 0, false);
        if (m_pRoot == nullptr)
        {
            bStop = true; // the handler took the tree away
            return true;
        }
        if (m_bLayered && m_bLayeredChanged)
        {
            Invalidate();
            bStop = true;
            return true;
        }
        if (m_pShadow)
            m_pShadow->Update(m_hWndPaint);
    }
    return true;
}

void CPaintManagerUI::OnPaint()
{
    if (m_pRoot == nullptr)
    {
        PAINTSTRUCT ps = {};
        HDC hDC = ::BeginPaint(m_hWndPaint, &ps);
        if (hDC != nullptr)
            CRenderEngine::DrawColor(hDC, ps.rcPaint, 0xFF000000);
        ::EndPaint(m_hWndPaint, &ps);
        return;
    }

    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    RECT rcPaint = {0, 0, 0, 0};
    if (!::GetUpdateRect(m_hWndPaint, &rcPaint, FALSE))
        return;

    if (m_bFocusNeeded)
        SetNextTabControl(true);

    SetPainting(true);
    bool bStop = false;
    const bool bLaidOut = LayoutPass(rcClient, bStop);
    if (bStop || m_pRoot == nullptr)
    {
        SetPainting(false);
        return;
    }
    // Layout may have invalidated more: paint what is invalid now.
    ::GetUpdateRect(m_hWndPaint, &rcPaint, FALSE);

    if (m_bLayered)
    {
        const LONG lExStyle = ::GetWindowLongW(m_hWndPaint, GWL_EXSTYLE);
        if ((lExStyle & WS_EX_LAYERED) == 0)
            ::SetWindowLongW(m_hWndPaint, GWL_EXSTYLE, lExStyle | WS_EX_LAYERED);
        m_bOffscreenPaint = true;
        ::UnionRect(&rcPaint, &rcPaint, &m_rcLayeredUpdate);
        ::IntersectRect(&rcPaint, &rcPaint, &rcClient);
        ::SetRectEmpty(&m_rcLayeredUpdate);
    }

    const int cx = rcClient.right - rcClient.left;
    const int cy = rcClient.bottom - rcClient.top;
    if (m_bOffscreenPaint && m_hbmpOffscreen.IsNull())
    {
        m_pDcOffscreen.reset(new CMemoryDC(m_hDcPaint));
        m_hbmpOffscreen.Reset(CRenderEngine::CreateARGB32Bitmap(m_hDcPaint, cx, cy, &m_pOffscreenBits));
        m_szOffscreen = SIZE{cx, cy};
        rcPaint = rcClient; // a new bitmap holds nothing yet
        if (m_pDcOffscreen->Get() == nullptr || m_hbmpOffscreen.IsNull())
        {
            // No bitmap (an empty client area, or out of memory): this paint goes straight
            // to the window; the next one tries again.
            m_pDcOffscreen.reset();
            m_hbmpOffscreen.Reset();
            m_pOffscreenBits = nullptr;
        }
    }

    PAINTSTRUCT ps = {};
    ::BeginPaint(m_hWndPaint, &ps);
    if (m_bOffscreenPaint && !m_hbmpOffscreen.IsNull())
    {
        HDC hDcOff = m_pDcOffscreen->Get();
        // Pixel loops stay inside the bitmap even while a resize waits for its layout.
        const RECT rcBitmap = {0, 0, m_szOffscreen.cx, m_szOffscreen.cy};
        RECT rcPixels = {0, 0, 0, 0};
        ::IntersectRect(&rcPixels, &rcPaint, &rcBitmap);
        CGdiSelection bitmap(hDcOff, m_hbmpOffscreen.Get());
        const int iSave = ::SaveDC(hDcOff);
        if (m_bLayered)
        {
            for (int y = rcPixels.top; y < rcPixels.bottom; ++y)
                ::ZeroMemory(PixelAt(m_pOffscreenBits, m_szOffscreen.cx, m_szOffscreen.cy, rcPixels.left, y),
                             static_cast<size_t>(rcPixels.right - rcPixels.left) * 4);
        }
        m_pRoot->Paint(hDcOff, rcPaint, nullptr);
        for (int i = 0; i < m_aPostPaintControls.GetSize(); ++i)
            static_cast<CControlUI*>(m_aPostPaintControls[i])->DoPostPaint(hDcOff, rcPaint);
        ::RestoreDC(hDcOff, iSave);
        if (!m_bLayered)
            ::BitBlt(m_hDcPaint, rcPaint.left, rcPaint.top, rcPaint.right - rcPaint.left,
                     rcPaint.bottom - rcPaint.top, hDcOff, rcPaint.left, rcPaint.top, SRCCOPY);
        else
            PaintLayered(rcClient, rcPixels);
    }
    else
    {
        const int iSave = ::SaveDC(m_hDcPaint);
        m_pRoot->Paint(m_hDcPaint, rcPaint, nullptr);
        for (int i = 0; i < m_aPostPaintControls.GetSize(); ++i)
            static_cast<CControlUI*>(m_aPostPaintControls[i])->DoPostPaint(m_hDcPaint, rcPaint);
        ::RestoreDC(m_hDcPaint, iSave);
    }

    if (m_bShowUpdateRect && !m_bLayered)
    {
        CGdiSelection pen(m_hDcPaint, UpdateRectPen());
        CGdiSelection brush(m_hDcPaint, ::GetStockObject(HOLLOW_BRUSH));
        ::Rectangle(m_hDcPaint, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    }
    ::EndPaint(m_hWndPaint, &ps);

    SetPainting(false);
    m_bLayeredChanged = false;
    // Requests made while painting were validated by BeginPaint: ask again. A pending focus
    // move waits for the paint after a layout, so it asks for one too.
    if (m_bUpdateNeeded || m_bFocusNeeded)
        Invalidate();
    if (bLaidOut && m_pRoot != nullptr)
        SendNotify(m_pRoot, L"windowsize", 0, 0, true);
}

// rcPaint lies inside the off-screen bitmap.
void CPaintManagerUI::PaintLayered(const RECT& rcClient, const RECT& rcPaint)
{
    const int cx = m_szOffscreen.cx;
    const int cy = m_szOffscreen.cy;
    if (m_sLayeredImage.IsEmpty())
    {
        // GDI leaves alpha 0 behind: drawn pixels become opaque.
        for (int y = rcPaint.top; y < rcPaint.bottom; ++y)
        {
            DWORD* pRow = PixelAt(m_pOffscreenBits, cx, cy, rcPaint.left, y);
            for (int x = 0; x < rcPaint.right - rcPaint.left; ++x)
                if ((pRow[x] & 0xFF000000) == 0 && (pRow[x] & 0x00FFFFFF) != 0)
                    pRow[x] |= 0xFF000000;
        }
    }
    else
    {
        bool bDraw = m_bLayeredChanged;
        if (m_hbmpBackground.IsNull())
        {
            m_pDcBackground.reset(new CMemoryDC(m_hDcPaint));
            m_hbmpBackground.Reset(CRenderEngine::CreateARGB32Bitmap(m_hDcPaint, cx, cy, &m_pBackgroundBits));
            bDraw = true;
        }
        if (m_pDcBackground->Get() != nullptr && !m_hbmpBackground.IsNull())
        {
            if (bDraw)
            {
                CGdiSelection background(m_pDcBackground->Get(), m_hbmpBackground.Get());
                ::ZeroMemory(m_pBackgroundBits, static_cast<size_t>(cx) * cy * 4);
                RECT rcImage = rcClient;
                rcImage.left += m_rcLayeredInset.left;
                rcImage.top += m_rcLayeredInset.top;
                rcImage.right -= m_rcLayeredInset.right;
                rcImage.bottom -= m_rcLayeredInset.bottom;
                CRenderEngine::DrawImageString(m_pDcBackground->Get(), this, rcImage, rcClient,
                                               m_sLayeredImage);
            }
            for (int y = rcPaint.top; y < rcPaint.bottom; ++y)
            {
                DWORD* pRow = PixelAt(m_pOffscreenBits, cx, cy, rcPaint.left, y);
                const DWORD* pBack = PixelAt(m_pBackgroundBits, cx, cy, rcPaint.left, y);
                for (int x = 0; x < rcPaint.right - rcPaint.left; ++x)
                {
                    const DWORD a = pBack[x] >> 24;
                    const DWORD c = pRow[x];
                    const DWORD r = ((c >> 16) & 0xFF) * a / 255;
                    const DWORD g = ((c >> 8) & 0xFF) * a / 255;
                    const DWORD b = (c & 0xFF) * a / 255;
                    pRow[x] = (a << 24) | (r << 16) | (g << 8) | b;
                }
            }
        }
    }

    RECT rcWnd = {0, 0, 0, 0};
    ::GetWindowRect(m_hWndPaint, &rcWnd);
    POINT ptPos = {rcWnd.left, rcWnd.top};
    SIZE szWnd = {cx, cy};
    POINT ptSrc = {0, 0};
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, m_nLayeredOpacity, AC_SRC_ALPHA};
    // The caller keeps the off-screen bitmap selected.
    if (LoadUpdateLayeredWindow())
        s_pfnUpdateLayeredWindow(m_hWndPaint, m_hDcPaint, &ptPos, &szWnd, m_pDcOffscreen->Get(), &ptSrc, 0,
                                 &bf, ULW_ALPHA);
}

} // namespace SkinUI
