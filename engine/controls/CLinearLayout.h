// CLinearLayout: the placement rule the vertical and the horizontal box layout share, written
// once along a main axis (x for the horizontal layout, y for the vertical one) and a cross axis.
// Visible, non-floating children are laid one after another; children whose estimate has no
// main size (and no percent) share what is left equally, the last of them taking the rounding
// left-over; the block is aligned only when nothing stretches; every child is aligned in the
// cross axis by the layout's cross alignment.
//
// Contract: integer arithmetic as the layouts define it ("/" truncates); sums are taken in 64
// bits and coordinates saturate, so absurd fixed sizes never wrap. A stretch count of 0 never
// divides. Children that do not fit run past the edge (they are clipped when painted, never
// hidden). Floating children are handed back to the caller (PlaceFloat) in list order.
//
// Not done: owns nothing and keeps no state between runs; knows no scroll bar control: the
// caller passes scroll positions and ranges (all 0 while no scroll bar exists).
#pragma once

#include <windows.h>

#include <functional>

#include "engine/core/CStdPtrArray.h"

namespace SkinUI
{

class CControlUI;

class CLinearLayout
{
public:
    // Scroll offsets in device pixels; the ones of an invisible bar are 0.
    struct tagTScroll
    {
        int mainPos;    // scroll position along the main axis
        int mainGrow;   // grows the main available size (the scroll range)
        int crossPos;   // scroll position along the cross axis
        int crossRange; // scroll range along the cross axis (moves centred and trailing children)
        int crossGrow;  // grows the cross available size
    };

    // The outcome of one run: the space the children need, as (main, cross).
    struct tagTNeeded
    {
        int main;
        int cross;
    };

    // Called in list order for each visible floating child while placing.
    typedef std::function<void(int iIndex)> PlaceFloatProc;

    explicit CLinearLayout(bool bHorizontal) : m_bHorizontal(bHorizontal) {}

    // Lays out items inside rc (the item rectangle minus inset and scroll bars). childAlign and
    // childVAlign are the container's bits (1 centre / 2 right, 4 vcentre / 8 bottom); child
    // padding is taken as stored. With pFind null every child is placed; otherwise nothing
    // moves and rcFound receives pFind's rectangle (false when pFind is not a visible,
    // non-floating child).
    bool Run(const CStdPtrArray& items, const RECT& rc, int nChildPadding, UINT uChildAlign,
             UINT uChildVAlign, const tagTScroll& scroll, const PlaceFloatProc& placeFloat, CControlUI* pFind,
             RECT* pFound, tagTNeeded* pNeeded) const;

private:
    bool m_bHorizontal;
};

} // namespace SkinUI
