// CBoxLayoutUI: what the vertical and the horizontal box layout share: a container whose
// SetPos lays its visible children one after another along one axis (CLinearLayout), answers
// CalcPos with the same rule, and carries an optional drag separator (CLayoutSeparator) with
// its sizing cursor and tracker.
//
// Contract: never hides a child: children that do not fit run past the edge and are clipped
// when painted; floating children are placed by their own coordinates and take no space;
// CalcPos moves nothing. The separator size is stored unscaled.
//
// Not done: not a markup element by itself (only its two subclasses are); no scroll bar
// control exists yet, so scroll positions and ranges are always 0.
#pragma once

#include "engine/controls/CContainerUI.h"
#include "engine/controls/CLayoutSeparator.h"
#include "engine/controls/CLinearLayout.h"

namespace SkinUI
{

class CBoxLayoutUI : public CContainerUI
{
public:
    explicit CBoxLayoutUI(bool bHorizontal);
    ~CBoxLayoutUI() override;

    UINT GetControlFlags() const override;

    void SetSepImmMode(bool bImmediately);
    bool IsSepImmMode() const;
    RECT GetThumbRect(bool bUseNew = false) const;

    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    bool CalcPos(CControlUI* pChildControl, RECT& rcChild) override;
    void DoEvent(tagTEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoPostPaint(HDC hDC, const RECT& rcPaint) override;

protected:
    void SetSepSize(int iSize) { m_separator.SetSize(iSize); }
    int GetSepSize() const { return ScaleValue(m_separator.GetSize()); }

private:
    CLinearLayout::tagTScroll ScrollOffsets() const;

    bool m_bHorizontal;
    CLayoutSeparator m_separator;
    CLinearLayout m_layout;
};

} // namespace SkinUI
