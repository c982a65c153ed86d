// CGdiObjectCount: how many GDI objects the process holds, for leak checks around a test run.
//
// Contract: uses GetGuiResources when the platform answers it; otherwise (Wine returns 0) it
// counts the free slots of the GDI handle table by making 1x1 bitmaps until creation fails,
// and reports the slots in use as the limit minus that. Either way two counts taken around a
// piece of work differ by exactly the objects it left behind.
//
// Not done: no per-type counts; the probe is slow (tens of thousands of bitmaps), so it is
// meant for a few calls per test run.
#pragma once

#include <windows.h>

#include <vector>

namespace SkinUI
{

class CGdiObjectCount
{
public:
    static int InUse()
    {
        const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
        if (n != 0)
            return static_cast<int>(n);
        std::vector<HBITMAP> probes;
        probes.reserve(PROBE_LIMIT);
        while (probes.size() < PROBE_LIMIT)
        {
            HBITMAP hBitmap = ::CreateBitmap(1, 1, 1, 1, NULL);
            if (hBitmap == NULL)
                break;
            probes.push_back(hBitmap);
        }
        for (HBITMAP hBitmap : probes)
            ::DeleteObject(hBitmap);
        return static_cast<int>(PROBE_LIMIT - probes.size());
    }

private:
    static const size_t PROBE_LIMIT = 200000;
};

} // namespace SkinUI
