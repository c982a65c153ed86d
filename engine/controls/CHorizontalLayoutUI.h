// CHorizontalLayoutUI: the box layout that lays its visible children left to right
// ("HorizontalLayout"). Children with a width keep it (clamped to their minimum and maximum);
// children without one share the rest equally, the last of them taking the rounding left-over;
// the child align moves the row only when nothing stretches; each child is placed vertically by
// the child vertical align (top, vcenter, bottom), by default filling the height. "sepwidth"
// gives it a separator to drag its width with.
//
// Contract: as CBoxLayoutUI: children that do not fit run past the right edge, clipped.
//
// Not done: no per-child alignment; no scrolling (no scroll bar control exists).
#pragma once

#include "engine/controls/CBoxLayoutUI.h"

namespace SkinUI
{

class CHorizontalLayoutUI : public CBoxLayoutUI
{
public:
    CHorizontalLayoutUI() : CBoxLayoutUI(true) {}

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;

    void SetSepWidth(int iWidth) { SetSepSize(iWidth); }
    int GetSepWidth() const { return GetSepSize(); }
};

} // namespace SkinUI
