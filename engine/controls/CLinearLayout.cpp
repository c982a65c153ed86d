#include "engine/controls/CLinearLayout.h"

#include <algorithm>
#include <climits>

#include "engine/controls/AttributeValues.h"
#include "engine/controls/CControlUI.h"

namespace SkinUI
{

namespace
{

int Clamp(long long v)
{
    return SaturatingAdd(v, 0);
}

// One child's sizes seen along the layout's axes.
struct tagTAxisChild
{
    CControlUI* pControl;
    bool bHorizontal;

    int MainFixed() const { return bHorizontal ? pControl->GetFixedWidth() : pControl->GetFixedHeight(); }
    int CrossFixed() const { return bHorizontal ? pControl->GetFixedHeight() : pControl->GetFixedWidth(); }
    int MainPercent() const
    {
        return bHorizontal ? pControl->GetFixedWidthPercent() : pControl->GetFixedHeightPercent();
    }
    int CrossPercent() const
    {
        return bHorizontal ? pControl->GetFixedHeightPercent() : pControl->GetFixedWidthPercent();
    }
    int MainMin() const { return bHorizontal ? pControl->GetMinWidth() : pControl->GetMinHeight(); }
    int MainMax() const { return bHorizontal ? pControl->GetMaxWidth() : pControl->GetMaxHeight(); }
    int CrossMin() const { return bHorizontal ? pControl->GetMinHeight() : pControl->GetMinWidth(); }
    int CrossMax() const { return bHorizontal ? pControl->GetMaxHeight() : pControl->GetMaxWidth(); }
    // The size a child may take: its fixed size, or its maximum when it has none.
    int MainLimit() const { return MainFixed() > 0 ? MainFixed() : MainMax(); }
    int CrossLimit() const { return CrossFixed() > 0 ? CrossFixed() : CrossMax(); }

    void Padding(long long& lead, long long& trail, long long& crossLead, long long& crossTrail) const
    {
        const RECT rc = pControl->GetPadding();
        lead = bHorizontal ? rc.left : rc.top;
        trail = bHorizontal ? rc.right : rc.bottom;
        crossLead = bHorizontal ? rc.top : rc.left;
        crossTrail = bHorizontal ? rc.bottom : rc.right;
    }

    void Estimate(long long main, long long cross, long long& estMain, long long& estCross) const
    {
        const SIZE sz = pControl->EstimateSize(bHorizontal ? SIZE{Clamp(main), Clamp(cross)}
                                                           : SIZE{Clamp(cross), Clamp(main)});
        estMain = bHorizontal ? sz.cx : sz.cy;
        estCross = bHorizontal ? sz.cy : sz.cx;
    }

    long long ClampMain(long long v) const
    {
        v = std::max<long long>(v, MainMin());
        return std::min<long long>(v, MainMax());
    }
};

enum class Align
{
    Start,
    Centre,
    End
};

} // namespace

bool CLinearLayout::Run(const CStdPtrArray& items, const RECT& rc, int nChildPadding, UINT uChildAlign,
                        UINT uChildVAlign, const tagTScroll& scroll, const PlaceFloatProc& placeFloat,
                        CControlUI* pFind, RECT* pFound, tagTNeeded* pNeeded) const
{
    const long long mainLo = m_bHorizontal ? rc.left : rc.top;
    const long long mainHi = m_bHorizontal ? rc.right : rc.bottom;
    const long long crossLo = m_bHorizontal ? rc.top : rc.left;
    const long long crossHi = m_bHorizontal ? rc.bottom : rc.right;
    // The horizontal layout moves its block by the child align and its children by the child
    // vertical align; the vertical layout the other way round.
    const UINT uBlock = m_bHorizontal ? uChildAlign : uChildVAlign;
    const UINT uCross = m_bHorizontal ? uChildVAlign : uChildAlign;
    const UINT uCentreBit = m_bHorizontal ? 0x1 : 0x4;
    const Align blockAlign =
        (uBlock & uCentreBit) ? Align::Centre : ((uBlock & (uCentreBit << 1)) ? Align::End : Align::Start);
    const UINT uCrossCentreBit = m_bHorizontal ? 0x4 : 0x1;
    const Align crossAlign = (uCross & uCrossCentreBit)
                                 ? Align::Centre
                                 : ((uCross & (uCrossCentreBit << 1)) ? Align::End : Align::Start);
    const long long padding = nChildPadding;

    const long long availMain = mainHi - mainLo + scroll.mainGrow;
    const long long availCross = crossHi - crossLo + scroll.crossGrow;

    // First pass: what the fixed children take and how many children stretch.
    int nAdjustable = 0;
    int nEstimated = 0;
    long long fixedTotal = 0;
    long long neededCross = 0;
    for (int i = 0; i < items.GetSize(); ++i)
    {
        CControlUI* pControl = static_cast<CControlUI*>(items[i]);
        if (!pControl->IsVisible() || pControl->IsFloat())
            continue;
        const tagTAxisChild child = {pControl, m_bHorizontal};
        long long lead, trail, crossLead, crossTrail;
        child.Padding(lead, trail, crossLead, crossTrail);
        long long estMain, estCross;
        child.Estimate(std::min<long long>(availMain, child.MainLimit()),
                       std::min<long long>(availCross - crossLead - crossTrail, child.CrossLimit()), estMain,
                       estCross);
        long long main = estMain;
        if (main == 0 && child.MainPercent() > 0)
            main = child.MainPercent() * availMain / 100;
        if (main == 0)
            ++nAdjustable;
        else
            main = child.ClampMain(main);
        fixedTotal += lead + main + trail;

        long long cross = std::max<long long>(estCross, 0);
        cross = std::max<long long>(cross, child.CrossMin());
        cross = std::min<long long>(cross, child.CrossMax());
        neededCross = std::max(neededCross, cross + crossLead + crossTrail);
        ++nEstimated;
    }
    if (nEstimated > 1)
        fixedTotal += padding * (nEstimated - 1);
    long long expand = 0;
    if (nAdjustable > 0)
        expand = std::max<long long>(0, (availMain - fixedTotal) / nAdjustable);

    long long pos = mainLo;
    if (scroll.mainPos != 0)
        pos -= scroll.mainPos;
    else if (nAdjustable == 0 && blockAlign == Align::Centre)
        pos += (availMain - fixedTotal) / 2;
    else if (nAdjustable == 0 && blockAlign == Align::End)
        pos += availMain - fixedTotal;

    // Second pass: place.
    long long remaining = availMain;
    long long fixedLeft = fixedTotal;
    long long neededMain = 0;
    int nPlaced = 0;
    int nAdjustSeen = 0;
    for (int i = 0; i < items.GetSize(); ++i)
    {
        CControlUI* pControl = static_cast<CControlUI*>(items[i]);
        if (!pControl->IsVisible())
            continue;
        if (pControl->IsFloat())
        {
            if (pFind == nullptr && placeFloat)
                placeFloat(i);
            continue;
        }
        const tagTAxisChild child = {pControl, m_bHorizontal};
        long long lead, trail, crossLead, crossTrail;
        child.Padding(lead, trail, crossLead, crossTrail);
        remaining -= lead;
        const long long crossAvail =
            std::min<long long>(availCross - crossLead - crossTrail, child.CrossLimit());
        const long long mainAvail = std::min<long long>(remaining, child.MainLimit());
        fixedLeft -= lead + trail;
        if (nPlaced > 0)
            fixedLeft -= padding;
        ++nPlaced;

        long long estMain, estCross;
        child.Estimate(mainAvail, crossAvail, estMain, estCross);

        long long main = estMain;
        if (main == 0 && child.MainPercent() > 0)
            main = child.MainPercent() * availMain / 100;
        if (main == 0)
        {
            ++nAdjustSeen;
            main =
                nAdjustSeen == nAdjustable ? std::max<long long>(0, remaining - trail - fixedLeft) : expand;
            main = child.ClampMain(main);
        }
        else
        {
            main = child.ClampMain(main);
            fixedLeft -= main;
        }

        long long cross = estCross;
        // The vertical layout takes a negative width for "none"; the horizontal one for 0.
        if (!m_bHorizontal && cross < 0)
            cross = 0;
        if (cross == 0)
        {
            if (child.CrossFixed() == 0 && child.CrossPercent() > 0)
                cross = child.CrossPercent() * availCross / 100;
            if (cross == 0)
                cross = availCross - crossLead - crossTrail;
        }
        cross = std::min<long long>(std::max<long long>(cross, 0), crossAvail);
        if (cross < child.CrossMin())
            cross = child.CrossMin();

        long long lo, hi;
        switch (crossAlign)
        {
        case Align::Centre:
        {
            // The child's own cross padding is not used when centring.
            const long long mid = (crossLo + crossHi) / 2 + scroll.crossRange / 2 - scroll.crossPos;
            lo = mid - cross / 2;
            hi = lo + cross;
            break;
        }
        case Align::End:
            hi = crossHi - crossTrail + scroll.crossRange - scroll.crossPos;
            lo = hi - cross;
            break;
        default:
            lo = crossLo + crossLead - scroll.crossPos;
            hi = lo + cross;
            break;
        }
        const long long mainStart = pos + lead;
        const long long mainEnd = mainStart + main;
        const RECT rcChild = m_bHorizontal ? RECT{Clamp(mainStart), Clamp(lo), Clamp(mainEnd), Clamp(hi)}
                                           : RECT{Clamp(lo), Clamp(mainStart), Clamp(hi), Clamp(mainEnd)};
        if (pFind == pControl)
        {
            if (pFound != nullptr)
                *pFound = rcChild;
            return true;
        }
        if (pFind == nullptr)
            pControl->SetPos(rcChild, false);

        pos += lead + main + trail + padding;
        neededMain += lead + main + trail;
        remaining -= main + padding + trail;
    }
    if (nEstimated > 1)
        neededMain += padding * (nEstimated - 1);
    if (pNeeded != nullptr)
        *pNeeded = tagTNeeded{Clamp(neededMain), Clamp(neededCross)};
    return pFind == nullptr;
}

} // namespace SkinUI
