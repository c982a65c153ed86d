// CVerticalLayoutUI: the box layout that stacks its visible children top to bottom
// ("VerticalLayout"). Children with a height keep it (clamped to their minimum and maximum);
// children without one share the rest equally, the last of them taking the rounding left-over;
// the child vertical align moves the column only when nothing stretches; each child is placed
// horizontally by the child align (left, center, right), by default filling the width.
// "sepheight" gives it a separator to drag its height with.
//
// Contract: as CBoxLayoutUI: children that do not fit run past the bottom edge, clipped.
//
// Not done: no per-child alignment; no scrolling (no scroll bar control exists).
#pragma once

#include "engine/controls/CBoxLayoutUI.h"

namespace SkinUI
{

class CVerticalLayoutUI : public CBoxLayoutUI
{
public:
    CVerticalLayoutUI() : CBoxLayoutUI(false) {}

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;

    void SetSepHeight(int iHeight) { SetSepSize(iHeight); }
    int GetSepHeight() const { return GetSepSize(); }
};

} // namespace SkinUI
