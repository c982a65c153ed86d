// The window shadow: settings, the layered shadow window, the computed image and the subclass
// procedure that keeps the shadow with its window.
#include "engine/manager/CShadowUI.h"

#include <math.h>
#include <string.h>
#include <algorithm>
#include <utility>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CGdiObject.h"
#include "engine/resources/CMemoryDC.h"
#include "engine/resources/tagTImageInfo.h"

namespace SkinUI
{

namespace
{

const wchar_t kShadowClass[] = L"UmbraShadowWnd";
// The procedure ParentProc replaced, kept with the window itself so that its messages still reach
// it when the window has no entry in the shadow map.
const wchar_t kPrevProcProp[] = L"UmbraShadowPrevProc";
const int kMaxOffset = 35;

struct TSpan
{
    int left;
    int right;
};

// Shadow row i lives in memory line cy - 1 - i of the bottom-up DIB.
inline UINT32* Row(UINT32* pBits, int cx, int cy, int i)
{
    return pBits + static_cast<size_t>(cy - 1 - i) * cx;
}

void FillRow(UINT32* pRow, int from, int to, int cx, UINT32 value)
{
    from = std::max(from, 0);
    to = std::min(to, cx);
    for (int x = from; x < to; ++x)
        pRow[x] = value;
}

} // namespace

bool CShadowUI::s_bHasInit = false;
HINSTANCE CShadowUI::s_hInstance = nullptr;

CShadowUI::CShadowUI()
    : m_pManager(nullptr), m_hWnd(nullptr), m_OriParentProc(nullptr), m_Status(0), m_bIsImageMode(false),
      m_bIsShowShadow(false), m_bIsDisableShadow(false), m_nDarkness(150), m_nSharpness(5), m_nSize(0),
      m_nxOffset(0), m_nyOffset(0), m_WndSize(0), m_bUpdate(false), m_Color(0), m_rcShadowCorner(),
      m_hParent(nullptr), m_bKeepLastImage(false)
{
}

CShadowUI::~CShadowUI()
{
    Unsubclass();
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

bool CShadowUI::Initialize(HINSTANCE hInstance)
{
    if (s_bHasInit)
        return false;
    WNDCLASSEXW wcex = {};
    wcex.cbSize = sizeof(wcex);
    wcex.style = CS_HREDRAW | CS_VREDRAW;
    wcex.lpfnWndProc = ::DefWindowProcW;
    wcex.hInstance = hInstance;
    wcex.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wcex.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wcex.lpszClassName = kShadowClass;
    if (::RegisterClassExW(&wcex) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    s_hInstance = hInstance;
    s_bHasInit = true;
    return true;
}

std::map<HWND, CShadowUI*>& CShadowUI::GetShadowMap()
{
    static std::map<HWND, CShadowUI*> s_map;
    return s_map;
}

BYTE CShadowUI::StatusFromStyle() const
{
    const LONG lStyle = ::GetWindowLongW(m_hParent, GWL_STYLE);
    if ((lStyle & WS_VISIBLE) == 0)
        return SS_ENABLED;
    if ((lStyle & (WS_MAXIMIZE | WS_MINIMIZE)) != 0)
        return SS_ENABLED | SS_PARENTVISIBLE;
    return SS_ENABLED | SS_VISABLE | SS_PARENTVISIBLE;
}

void CShadowUI::ShowShadowWindow()
{
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
}

void CShadowUI::Create(CPaintManagerUI* pPaintManager)
{
    if (!m_bIsShowShadow || pPaintManager == nullptr)
        return;
    // A second attach of a skin must not subclass the window twice: ParentProc would then call
    // itself as the previous procedure.
    if (m_hWnd != nullptr || m_hParent != nullptr)
        return;
    HWND hParent = pPaintManager->GetPaintWindow();
    if (hParent == nullptr || !::IsWindow(hParent))
        return;
    std::map<HWND, CShadowUI*>& map = GetShadowMap();
    if (map.find(hParent) != map.end())
        return;
    if (!s_bHasInit)
        Initialize(::GetModuleHandleW(nullptr));

    m_pManager = pPaintManager;
    const LONG lParentStyle = ::GetWindowLongW(hParent, GWL_STYLE);
    m_hWnd =
        ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kShadowClass, nullptr, lParentStyle & WS_CAPTION,
                          CW_USEDEFAULT, 0, 0, 0, hParent, nullptr, s_hInstance, nullptr);
    if (m_hWnd == nullptr)
        return;
    m_hParent = hParent;
    map[hParent] = this;

    m_Status = StatusFromStyle();
    if ((m_Status & SS_VISABLE) != 0)
    {
        ShowShadowWindow();
        Update(hParent);
    }

    m_OriParentProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CShadowUI::ParentProc)));
    ::SetPropW(hParent, kPrevProcProp, reinterpret_cast<HANDLE>(m_OriParentProc));
}

void CShadowUI::Unsubclass()
{
    if (m_hParent == nullptr)
        return;
    std::map<HWND, CShadowUI*>& map = GetShadowMap();
    std::map<HWND, CShadowUI*>::iterator it = map.find(m_hParent);
    if (it != map.end() && it->second == this)
        map.erase(it);
    // Only when ParentProc is still on top: cutting out a later subclass would lose its messages.
    // Otherwise ParentProc stays in the chain and forwards through the saved procedure.
    if (::IsWindow(m_hParent) &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hParent, GWLP_WNDPROC)) == &CShadowUI::ParentProc)
    {
        ::SetWindowLongPtrW(m_hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OriParentProc));
        ::RemovePropW(m_hParent, kPrevProcProp);
    }
    m_hParent = nullptr;
}

void CShadowUI::MoveShadow(HWND hParent)
{
    if (m_hWnd == nullptr)
        return;
    RECT rc;
    if (!::GetWindowRect(hParent, &rc))
        return;
    int x = rc.left - m_nSize;
    int y = rc.top - m_nSize;
    if (!m_bIsImageMode)
    {
        x += m_nxOffset;
        y += m_nyOffset;
    }
    ::SetWindowPos(m_hWnd, hParent, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK CShadowUI::ParentProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    std::map<HWND, CShadowUI*>& map = GetShadowMap();
    std::map<HWND, CShadowUI*>::iterator it = map.find(hwnd);
    if (it == map.end())
    {
        WNDPROC pPrev = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kPrevProcProp));
        if (uMsg == WM_NCDESTROY)
            ::RemovePropW(hwnd, kPrevProcProp);
        if (pPrev == nullptr || pPrev == &CShadowUI::ParentProc)
            return ::DefWindowProcW(hwnd, uMsg, wParam, lParam);
        return ::CallWindowProcW(pPrev, hwnd, uMsg, wParam, lParam);
    }

    CShadowUI* pThis = it->second;
    WNDPROC pPrev = pThis->m_OriParentProc;
    if (uMsg == WM_NCDESTROY)
    {
        // Done even while disabled: a stale map entry would catch a later window given the same handle.
        pThis->Unsubclass();
        ::RemovePropW(hwnd, kPrevProcProp);
        if (pThis->m_hWnd != nullptr && !::IsWindow(pThis->m_hWnd))
            pThis->m_hWnd = nullptr;
        return ::CallWindowProcW(pPrev, hwnd, uMsg, wParam, lParam);
    }
    if (pThis->m_bIsDisableShadow)
        return ::CallWindowProcW(pPrev, hwnd, uMsg, wParam, lParam);

    switch (uMsg)
    {
    case WM_DESTROY:
        if (pThis->m_hWnd != nullptr)
            ::DestroyWindow(pThis->m_hWnd);
        pThis->m_hWnd = nullptr;
        break;
    case WM_MOVE:
        if ((pThis->m_Status & SS_VISABLE) != 0)
            pThis->MoveShadow(hwnd);
        break;
    case WM_SIZE:
        if ((pThis->m_Status & SS_ENABLED) != 0)
        {
            if (wParam == SIZE_MAXIMIZED || wParam == SIZE_MINIMIZED)
            {
                ::ShowWindow(pThis->m_hWnd, SW_HIDE);
                pThis->m_Status &= ~SS_VISABLE;
            }
            else if ((pThis->m_Status & SS_PARENTVISIBLE) != 0)
            {
                // Growing: the window paints its new area first, so the shadow waits for WM_PAINT;
                // shrinking uncovers the old shadow at once, so it is redrawn now.
                if (LOWORD(lParam) > LOWORD(pThis->m_WndSize) || HIWORD(lParam) > HIWORD(pThis->m_WndSize))
                    pThis->m_bUpdate = true;
                else
                    pThis->Update(hwnd);
                if ((pThis->m_Status & SS_VISABLE) == 0)
                {
                    pThis->ShowShadowWindow();
                    pThis->m_Status |= SS_VISABLE;
                }
            }
            pThis->m_WndSize = lParam;
        }
        break;
    case WM_PAINT:
        if (pThis->m_bUpdate)
        {
            pThis->Update(hwnd);
            pThis->m_bUpdate = false;
        }
        break;
    case WM_SHOWWINDOW:
        if ((pThis->m_Status & SS_ENABLED) != 0)
        {
            if (!wParam)
            {
                ::ShowWindow(pThis->m_hWnd, SW_HIDE);
                pThis->m_Status &= ~(SS_VISABLE | SS_PARENTVISIBLE);
            }
            else if ((pThis->m_Status & SS_PARENTVISIBLE) == 0)
            {
                pThis->m_bUpdate = true;
                pThis->ShowShadowWindow();
                pThis->m_Status |= SS_VISABLE | SS_PARENTVISIBLE;
            }
        }
        break;
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
        if (pThis->m_hWnd != nullptr)
            ::SetWindowPos(pThis->m_hWnd, hwnd, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
        break;
    case WM_WINDOWPOSCHANGED:
        pThis->MoveShadow(hwnd);
        break;
    case WM_EXITSIZEMOVE:
        if ((pThis->m_Status & SS_VISABLE) != 0)
            pThis->Update(hwnd);
        break;
    default:
        break;
    }
    return ::CallWindowProcW(pPrev, hwnd, uMsg, wParam, lParam);
}

void CShadowUI::UpdateIfShown()
{
    if (m_hWnd != nullptr && (m_Status & SS_VISABLE) != 0)
        Update(m_hParent);
}

void CShadowUI::ShowShadow(bool bShow)
{
    m_bIsShowShadow = bShow;
}

void CShadowUI::DisableShadow(bool bDisable)
{
    m_bIsDisableShadow = bDisable;
    if (m_hWnd == nullptr)
        return;
    if (bDisable)
    {
        ::ShowWindow(m_hWnd, SW_HIDE);
        return;
    }
    if (m_hParent == nullptr)
        return;
    m_Status = StatusFromStyle();
    if ((m_Status & SS_VISABLE) != 0)
    {
        ShowShadowWindow();
        Update(m_hParent);
    }
}

bool CShadowUI::SetSize(int NewSize)
{
    if (NewSize > kMaxOffset || NewSize < -kMaxOffset)
        return false;
    m_nSize = static_cast<signed char>(NewSize);
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetSharpness(unsigned int NewSharpness)
{
    if (NewSharpness > 35)
        return false;
    m_nSharpness = static_cast<unsigned char>(NewSharpness);
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetDarkness(unsigned int NewDarkness)
{
    if (NewDarkness > 255)
        return false;
    m_nDarkness = static_cast<unsigned char>(NewDarkness);
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetPosition(int NewXOffset, int NewYOffset)
{
    if (NewXOffset > kMaxOffset || NewXOffset < -kMaxOffset || NewYOffset > kMaxOffset ||
        NewYOffset < -kMaxOffset)
        return false;
    m_nxOffset = static_cast<signed char>(NewXOffset);
    m_nyOffset = static_cast<signed char>(NewYOffset);
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetColor(COLORREF NewColor)
{
    m_Color = NewColor;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetImage(const wchar_t* szImage)
{
    if (szImage == nullptr)
        return false;
    m_bIsImageMode = true;
    m_sShadowImage = szImage;
    UpdateIfShown();
    return true;
}

bool CShadowUI::SetShadowCorner(RECT rcCorner)
{
    if (rcCorner.left < 0 || rcCorner.top < 0 || rcCorner.right < 0 || rcCorner.bottom < 0)
        return false;
    m_rcShadowCorner = rcCorner;
    UpdateIfShown();
    return true;
}

bool CShadowUI::CopyShadow(CShadowUI* pShadow)
{
    if (pShadow == nullptr || pShadow == this)
        return pShadow == this;
    if (m_bIsImageMode)
    {
        pShadow->SetImage(m_sShadowImage);
        pShadow->SetShadowCorner(m_rcShadowCorner);
        pShadow->SetSize(m_nSize);
    }
    else
    {
        pShadow->SetSize(m_nSize);
        pShadow->SetSharpness(m_nSharpness);
        pShadow->SetDarkness(m_nDarkness);
        pShadow->SetColor(m_Color);
        pShadow->SetPosition(m_nxOffset, m_nyOffset);
    }
    pShadow->ShowShadow(m_bIsShowShadow);
    return true;
}

void CShadowUI::PreMultiply(COLORREF& cl, unsigned char nAlpha)
{
    const DWORD b0 = (cl & 0xFF) * nAlpha / 255;
    const DWORD b1 = ((cl >> 8) & 0xFF) * nAlpha / 255;
    const DWORD b2 = ((cl >> 16) & 0xFF) * nAlpha / 255;
    cl = (cl & 0xFF000000) | (b2 << 16) | (b1 << 8) | b0;
}

void CShadowUI::Update(HWND hParent)
{
    if (!m_bIsShowShadow || (m_Status & SS_VISABLE) == 0 || m_hWnd == nullptr || hParent == nullptr)
        return;
    RECT rcParent;
    if (!::GetWindowRect(hParent, &rcParent))
        return;
    if (m_bIsImageMode ? m_sShadowImage.IsEmpty() : m_nSize == 0)
        return;

    const int cx = rcParent.right - rcParent.left + m_nSize * 2;
    const int cy = rcParent.bottom - rcParent.top + m_nSize * 2;
    if (cx <= 0 || cy <= 0)
        return;
    BYTE* pBits = nullptr;
    CGdiObject<HBITMAP> hBitmap(CRenderEngine::CreateARGB32Bitmap(nullptr, cx, cy, &pBits));
    if (hBitmap.IsNull() || pBits == nullptr)
        return;
    CMemoryDC dc;
    if (dc.Get() == nullptr)
        return;
    dc.Select(hBitmap);

    int x = rcParent.left - m_nSize;
    int y = rcParent.top - m_nSize;
    if (m_bIsImageMode)
    {
        const tagTImageInfo* pImage =
            m_pManager != nullptr ? m_pManager->GetImageEx(m_sShadowImage) : nullptr;
        if (pImage == nullptr)
            return;
        const RECT rcDest = {0, 0, cx, cy};
        const RECT rcSource = {0, 0, pImage->nX, pImage->nY};
        CRenderEngine::DrawImage(dc, pImage->hBitmap, rcDest, rcDest, rcSource, m_rcShadowCorner,
                                 pImage->bAlpha, 255, true, false, false);
    }
    else
    {
        ::GdiFlush();
        memset(pBits, 0, static_cast<size_t>(cx) * cy * 4);
        MakeShadow(reinterpret_cast<UINT32*>(pBits), hParent, &rcParent);
        x += m_nxOffset;
        y += m_nyOffset;
    }

    ::MoveWindow(m_hWnd, x, y, cx, cy, FALSE);
    POINT ptDst = {x, y};
    POINT ptSrc = {0, 0};
    SIZE size = {cx, cy};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiFlush();
    ::UpdateLayeredWindow(m_hWnd, nullptr, &ptDst, &size, dc, &ptSrc, 0, &blend, ULW_ALPHA);

    if (m_bKeepLastImage)
    {
        DIBSECTION ds = {};
        ::GetObjectW(hBitmap, sizeof(ds), &ds);
        const DWORD* pPixels = reinterpret_cast<const DWORD*>(pBits);
        m_LastImage.pixels.assign(pPixels, pPixels + static_cast<size_t>(cx) * cy);
        m_LastImage.cx = cx;
        m_LastImage.cy = cy;
        m_LastImage.biHeight = ds.dsBmih.biHeight;
    }
}

void CShadowUI::MakeShadow(UINT32* pShadBits, HWND hParent, RECT* rcParent)
{
    if (pShadBits == nullptr || rcParent == nullptr)
        return;
    const int W = rcParent->right - rcParent->left;
    const int H = rcParent->bottom - rcParent->top;
    const int s = m_nSize;
    const int k = m_nSharpness;
    const int d = m_nDarkness;
    const int ox = m_nxOffset;
    const int oy = m_nyOffset;
    const int cx = W + 2 * s;
    const int cy = H + 2 * s;
    if (W <= 0 || H <= 0 || cx <= 0 || cy <= 0)
        return;

    // The outline: each window row's first and last inside column, from the window region when
    // the window has one.
    CGdiObject<HRGN> hRgn(::CreateRectRgn(0, 0, W, H));
    CGdiObject<HRGN> hWndRgn(::CreateRectRgn(0, 0, 0, 0));
    if (hParent != nullptr && !hWndRgn.IsNull() && ::GetWindowRgn(hParent, hWndRgn) != ERROR)
        hRgn = std::move(hWndRgn);
    if (hRgn.IsNull())
        return;
    std::vector<int> L(H, W);
    std::vector<int> R(H, 0);
    for (int y = 0; y < H; ++y)
    {
        int l = 0;
        while (l < W && !::PtInRegion(hRgn, l, y))
            ++l;
        if (l >= W)
            continue;
        int r = W - 1;
        while (r >= l + s && !::PtInRegion(hRgn, r, y))
            --r;
        if (r < l + s)
            continue;
        L[y] = l;
        R[y] = r + 1;
    }

    // Spans in shadow coordinates; A[i + 1] belongs to shadow row i, so A[i] and A[i + 2] are its
    // neighbours even at the first and last row.
    const int n = std::max(H, H + 2 * s);
    std::vector<TSpan> A(n + 2, TSpan{W, 0});
    for (int y = 0; y < H; ++y)
    {
        const int idx = y + s + 1;
        if (L[y] >= W || idx < 0 || idx >= n + 2) // a negative size pushes top rows out
            continue;
        A[idx].left = L[y] + s;
        A[idx].right = R[y] + s;
    }

    // A fading edge wider than the shadow is made room for by shrinking the outline.
    if (k > s)
    {
        std::vector<TSpan> B;
        for (int t = 0; t < k - s; ++t)
        {
            B = A;
            for (int j = 1; j <= n; ++j)
            {
                A[j].left = std::max(std::max(B[j - 1].left, B[j].left), B[j + 1].left) + 1;
                A[j].right = std::min(std::min(B[j - 1].right, B[j].right), B[j + 1].right) - 1;
            }
        }
    }

    const int K = std::max(k, s);
    const int C = s > k ? s - k : 0;
    const int side = 2 * K + 1;
    const COLORREF rgb = m_Color & 0x00FFFFFF;
    std::vector<UINT32> kernel(static_cast<size_t>(side) * side, 0);
    for (int row = 0; row < side; ++row)
    {
        for (int col = 0; col < side; ++col)
        {
            const int dx = col - K;
            const int dy = row - K;
            const double r = sqrt(static_cast<double>(dx * dx + dy * dy));
            int a;
            if (r < C)
                a = d;
            else if (r <= K)
                // (1 - (r - C) / (k + 1)) * d, multiplied out so whole distances give whole
                // values (125 and 25, not 124.99… truncated).
                a = static_cast<int>((k + 1 - (r - C)) * d / (k + 1));
            else
                continue;
            COLORREF cl = rgb;
            PreMultiply(cl, static_cast<unsigned char>(a));
            kernel[static_cast<size_t>(row) * side + col] = (static_cast<UINT32>(a) << 24) | cl;
        }
    }

    auto stamp = [&](int x, int i)
    {
        for (int row = 0; row < side; ++row)
        {
            const int py = i - K + row;
            if (py < 0 || py >= cy)
                continue;
            UINT32* pRow = Row(pShadBits, cx, cy, py);
            const UINT32* pCell = &kernel[static_cast<size_t>(row) * side];
            for (int col = 0; col < side; ++col)
            {
                const int px = x - K + col;
                if (px >= 0 && px < cx && pRow[px] < pCell[col])
                    pRow[px] = pCell[col];
            }
        }
    };
    for (int i = K; i < cy - K; ++i)
    {
        const TSpan& cur = A[i + 1];
        if (cur.left >= cur.right)
            continue;
        const TSpan& prev = A[i];
        const TSpan& next = A[i + 2];
        int x = cur.left;
        for (; x < std::min(std::max(prev.left, next.left) + 1, cur.right); ++x)
            stamp(x, i);
        for (x = std::max(x, std::min(prev.right, next.right) - 1); x < cur.right; ++x)
            stamp(x, i);
    }

    COLORREF clSolid = rgb;
    PreMultiply(clSolid, static_cast<unsigned char>(d));
    const UINT32 F = (static_cast<UINT32>(d) << 24) | clSolid;
    const int iEnd = std::min(std::max(cy - K, H + std::min(s - oy, 2 * s)), std::min(cy, n + 1));
    for (int i = std::min(K, std::max(s - oy, 0)); i < iEnd; ++i)
    {
        const int a = A[i + 1].left;
        const int b = A[i + 1].right;
        const int y = i - s + oy;
        UINT32* pRow = Row(pShadBits, cx, cy, i);
        if (y < 0 || y >= H)
        {
            FillRow(pRow, a, b, cx, F);
            continue;
        }
        const int l = L[y] + s - ox;
        const int r = R[y] + s - ox;
        FillRow(pRow, a, std::min(l, b), cx, F);
        FillRow(pRow, l, r, cx, 0); // under the window itself nothing is drawn
        FillRow(pRow, std::max(r, a), b, cx, F);
    }
}

} // namespace SkinUI
