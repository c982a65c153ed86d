#include "engine/manager/CDPI.h"

#include <limits.h>

#include "engine/core/CModuleHandle.h"

namespace SkinUI
{

namespace
{

// Shcore's per-monitor DPI functions exist from Windows 8.1 on.
bool IsWindows81OrLater()
{
    OSVERSIONINFOEXW osvi = {};
    osvi.dwOSVersionInfoSize = sizeof(osvi);
    osvi.dwMajorVersion = 6;
    osvi.dwMinorVersion = 3;
    osvi.wServicePackMajor = 0;
    DWORDLONG mask = 0;
    mask = ::VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = ::VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = ::VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return ::VerifyVersionInfoW(&osvi, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask) !=
           FALSE;
}

// Loaded once, from the system folder only, and kept for the process.
const CModuleHandle& Shcore()
{
    static CModuleHandle s_shcore = CModuleHandle::LoadSystem(L"Shcore.dll");
    return s_shcore;
}

typedef HRESULT(WINAPI* PFN_SetProcessDpiAwareness)(int);
typedef HRESULT(WINAPI* PFN_GetProcessDpiAwareness)(HANDLE, int*);
typedef HRESULT(WINAPI* PFN_GetDpiForMonitor)(HMONITOR, int, UINT*, UINT*);

const int MDT_EFFECTIVE_DPI_VALUE = 0;

int ClampToInt(long long n)
{
    return n > INT_MAX ? INT_MAX : (n < INT_MIN ? INT_MIN : static_cast<int>(n));
}

// MulDiv, except that a result beyond the int range sticks at its end (MulDiv gives -1 then).
int ScaleSaturated(int iValue, int nNumerator, int nDenominator)
{
    if (nDenominator <= 0)
        return iValue;
    const long long product = static_cast<long long>(iValue) * nNumerator;
    const long long quotient = product / nDenominator;
    if (quotient >= INT_MIN + 1 && quotient <= INT_MAX - 1)
        return ::MulDiv(iValue, nNumerator, nDenominator); // in range: MulDiv's rounding
    return ClampToInt(quotient);
}

} // namespace

CDPI::CDPI() : m_nScaleFactor(0), m_nScaleFactorSDA(0), m_Awareness(DPI_PER_MONITOR_AWARE)
{
    SetScale(96);
}

int CDPI::GetDPIOfMonitor(HMONITOR hMonitor)
{
    if (IsWindows81OrLater())
    {
        PFN_GetDpiForMonitor pfn = reinterpret_cast<PFN_GetDpiForMonitor>(
            reinterpret_cast<void*>(Shcore().GetProc("GetDpiForMonitor")));
        UINT dpiX = 96, dpiY = 96;
        // A refused call answers the default quietly: a message box here would block an
        // unattended run until someone clicks it.
        if (pfn == nullptr || FAILED(pfn(hMonitor, MDT_EFFECTIVE_DPI_VALUE, &dpiX, &dpiY)))
            return 96;
        return static_cast<int>(dpiX);
    }
    HDC hdc = ::GetDC(nullptr);
    int dpi = hdc != nullptr ? ::GetDeviceCaps(hdc, LOGPIXELSX) : 96;
    if (hdc != nullptr)
        ::ReleaseDC(nullptr, hdc);
    return dpi;
}

int CDPI::GetDPIOfMonitorNearestToPoint(POINT pt)
{
    return GetDPIOfMonitor(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST));
}

int CDPI::GetMainMonitorDPI()
{
    POINT pt = {1, 1};
    return GetDPIOfMonitorNearestToPoint(pt);
}

bool CDPI::SetDPIAwareness(int awareness)
{
    if (!IsWindows81OrLater())
    {
        m_Awareness = awareness;
        return false;
    }
    PFN_SetProcessDpiAwareness pfn = reinterpret_cast<PFN_SetProcessDpiAwareness>(
        reinterpret_cast<void*>(Shcore().GetProc("SetProcessDpiAwareness")));
    if (pfn != nullptr && pfn(awareness) == S_OK)
    {
        m_Awareness = awareness;
        return true;
    }
    return false;
}

int CDPI::GetDPIAwareness()
{
    if (IsWindows81OrLater())
    {
        PFN_GetProcessDpiAwareness pfn = reinterpret_cast<PFN_GetProcessDpiAwareness>(
            reinterpret_cast<void*>(Shcore().GetProc("GetProcessDpiAwareness")));
        int value = m_Awareness;
        if (pfn != nullptr && SUCCEEDED(pfn(nullptr, &value)))
            m_Awareness = value;
    }
    return m_Awareness;
}

UINT CDPI::GetDPI() const
{
    if (m_Awareness == DPI_UNAWARE)
        return 96;
    return static_cast<UINT>(::MulDiv(static_cast<int>(GetScale()), 96, 100));
}

UINT CDPI::GetScale() const
{
    if (m_Awareness == DPI_UNAWARE)
        return 100;
    if (m_Awareness == DPI_SYSTEM_AWARE)
        return static_cast<UINT>(m_nScaleFactorSDA);
    return static_cast<UINT>(m_nScaleFactor);
}

void CDPI::SetScale(UINT uDPI)
{
    m_nScaleFactor = ::MulDiv(static_cast<int>(uDPI), 100, 96);
    if (m_nScaleFactorSDA == 0)
        m_nScaleFactorSDA = m_nScaleFactor;
}

int CDPI::Scale(int iValue) const
{
    if (m_Awareness == DPI_UNAWARE)
        return iValue;
    return ScaleSaturated(iValue, static_cast<int>(GetScale()), 100);
}

int CDPI::ScaleBack(int iValue) const
{
    int factor = static_cast<int>(GetScale());
    if (factor == 0)
        return iValue; // a zero DPI was set; nothing sensible to undo
    return ScaleSaturated(iValue, 100, factor);
}

RECT CDPI::Scale(RECT rcRect) const
{
    Scale(&rcRect);
    return rcRect;
}

void CDPI::Scale(RECT* pRect) const
{
    if (pRect == nullptr)
        return;
    // Widths of hostile rectangles may not fit an int; the results saturate instead of wrapping.
    const int sw = Scale(ClampToInt(static_cast<long long>(pRect->right) - pRect->left));
    const int sh = Scale(ClampToInt(static_cast<long long>(pRect->bottom) - pRect->top));
    pRect->left = Scale(pRect->left);
    pRect->top = Scale(pRect->top);
    pRect->right = ClampToInt(static_cast<long long>(pRect->left) + sw);
    pRect->bottom = ClampToInt(static_cast<long long>(pRect->top) + sh);
}

void CDPI::ScaleBack(RECT* pRect) const
{
    if (pRect == nullptr)
        return;
    // Widths of hostile rectangles may not fit an int; the results saturate instead of wrapping.
    const int sw = ScaleBack(ClampToInt(static_cast<long long>(pRect->right) - pRect->left));
    const int sh = ScaleBack(ClampToInt(static_cast<long long>(pRect->bottom) - pRect->top));
    pRect->left = ScaleBack(pRect->left);
    pRect->top = ScaleBack(pRect->top);
    pRect->right = ClampToInt(static_cast<long long>(pRect->left) + sw);
    pRect->bottom = ClampToInt(static_cast<long long>(pRect->top) + sh);
}

SIZE CDPI::Scale(SIZE szSize) const
{
    Scale(&szSize);
    return szSize;
}

void CDPI::Scale(SIZE* pSize) const
{
    if (pSize == nullptr)
        return;
    pSize->cx = Scale(pSize->cx);
    pSize->cy = Scale(pSize->cy);
}

} // namespace SkinUI
