// CScaledBitmapCache: the scaled copies of parts of one image, so that a part drawn again at the
// same size is copied instead of being stretched again (a halftone stretch is slow).
//
// Contract: an entry is keyed by the source bitmap it was made from, the source part and the
// destination size, and owns its scaled bitmap. Entries made from another bitmap than the one
// asked about are never returned, so a record whose bitmap was replaced cannot hand out stale
// pixels. At most MAX_ENTRIES entries and MAX_PIXELS pixels are kept; the oldest go first. The
// owning image record drops the cache with itself; Clear() drops it earlier.
//
// Not done: no scaling of its own (the render engine makes the copies); no sharing between
// images; UI thread only.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "engine/resources/CGdiObject.h"

namespace SkinUI
{

class CScaledBitmapCache
{
public:
    enum
    {
        MAX_ENTRIES = 16
    };
    enum
    {
        MAX_PIXELS = 8 * 1024 * 1024 // 32 MB of 32-bit pixels per image
    };

    CScaledBitmapCache() : m_nPixels(0) {}
    CScaledBitmapCache(const CScaledBitmapCache&) = delete;
    CScaledBitmapCache& operator=(const CScaledBitmapCache&) = delete;

    static bool Fits(int cx, int cy)
    {
        return cx > 0 && cy > 0 && static_cast<long long>(cx) * cy <= MAX_PIXELS;
    }

    // The copy of rcSource of hSource scaled to cx x cy, or null.
    HBITMAP Find(HBITMAP hSource, const RECT& rcSource, int cx, int cy) const
    {
        for (const tagTEntry& entry : m_entries)
        {
            if (entry.hSource == hSource && ::EqualRect(&entry.rcSource, &rcSource) && entry.cx == cx &&
                entry.cy == cy)
                return entry.hScaled.Get();
        }
        return nullptr;
    }

    // Takes ownership of hScaled and returns it; null (and hScaled deleted) when it cannot be kept.
    HBITMAP Add(HBITMAP hSource, const RECT& rcSource, int cx, int cy, HBITMAP hScaled)
    {
        CGdiObject<HBITMAP> owned(hScaled);
        if (hScaled == nullptr || !Fits(cx, cy))
            return nullptr;
        const long long nPixels = static_cast<long long>(cx) * cy;
        while (!m_entries.empty() &&
               (m_entries.size() >= MAX_ENTRIES || m_nPixels + nPixels > static_cast<long long>(MAX_PIXELS)))
        {
            m_nPixels -= static_cast<long long>(m_entries.front().cx) * m_entries.front().cy;
            m_entries.erase(m_entries.begin());
        }
        tagTEntry entry;
        entry.hSource = hSource;
        entry.rcSource = rcSource;
        entry.cx = cx;
        entry.cy = cy;
        entry.hScaled = std::move(owned);
        m_entries.push_back(std::move(entry));
        m_nPixels += nPixels;
        return hScaled;
    }

    void Clear()
    {
        m_entries.clear();
        m_nPixels = 0;
    }
    int GetSize() const { return static_cast<int>(m_entries.size()); }

private:
    struct tagTEntry
    {
        HBITMAP hSource = nullptr; // borrowed: only compared, never used
        RECT rcSource = {0, 0, 0, 0};
        int cx = 0;
        int cy = 0;
        CGdiObject<HBITMAP> hScaled;
    };

    std::vector<tagTEntry> m_entries;
    long long m_nPixels;
};

} // namespace SkinUI
