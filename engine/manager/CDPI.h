// CDPI: a window's DPI scale: the factor (percent) by which logical sizes at 96 DPI become
// device pixels, and the process's DPI awareness.
//
// Contract: starts per-monitor aware (2) at 100 %. SetScale(dpi) sets the factor to
// MulDiv(dpi, 100, 96); the system-aware factor takes the same value only while it is still 0.
// Scale/ScaleBack are the identity while unaware. A rectangle is scaled as its left/top
// corner plus its scaled width/height, so sizes stay consistent with scaled positions.
// Shcore.dll is loaded from the system folder only, and only on Windows 8.1 or later; a
// missing entry point or a refused monitor query answers 96 without asking anyone.
//
// Not done: never reads the monitor DPI by itself; the owner calls SetScale (SetDPI on the
// paint manager). No locking: used on the UI thread only.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CDPI
{
public:
    enum DPI_AWARENESS_VALUE
    {
        DPI_UNAWARE = 0,
        DPI_SYSTEM_AWARE = 1,
        DPI_PER_MONITOR_AWARE = 2
    };

    CDPI();

    static int GetDPIOfMonitor(HMONITOR hMonitor);
    static int GetDPIOfMonitorNearestToPoint(POINT pt);
    static int GetMainMonitorDPI();

    // True only when the platform accepted the value (Windows 8.1 or later).
    bool SetDPIAwareness(int awareness);
    int GetDPIAwareness();

    UINT GetDPI() const;
    UINT GetScale() const;
    void SetScale(UINT uDPI);

    int Scale(int iValue) const;
    int ScaleBack(int iValue) const;
    RECT Scale(RECT rcRect) const;
    void Scale(RECT* pRect) const;
    void ScaleBack(RECT* pRect) const;
    SIZE Scale(SIZE szSize) const;
    void Scale(SIZE* pSize) const;

private:
    int m_nScaleFactor;
    int m_nScaleFactorSDA;
    int m_Awareness;
};

} // namespace SkinUI
