// CLabelUI: a control that shows one text ("Label"): in a colour (the manager's default font
// colour when none is set), a font of the manager (by index, -1 the default), a text style
// (DT_* bits, single line and vertically centred by default), inside a text padding, as plain
// text or the engine's HTML-like markup. With auto-calculate width (or height) the label
// measures its text on every layout pass and takes the measured size as its fixed size, so a
// text change resizes it on the next layout.
//
// Contract: a text colour of 0 means "the default" and is replaced by the manager's default
// the first time the label paints with a manager (a colour with alpha 0 but non-zero RGB is a
// real colour; text drawing ignores alpha). An empty text paints nothing. Measuring needs a
// manager (the fonts live there); without one the fixed size is the estimate.
//
// Not done: no link handling (HTML links are drawn, not clickable), no tooltip of its own.
#pragma once

#include "engine/controls/CControlUI.h"

namespace SkinUI
{

class CLabelUI : public CControlUI
{
public:
    CLabelUI();
    ~CLabelUI() override;

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    void SetText(const wchar_t* pstrText) override;
    void DoEvent(tagTEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void PaintText(HDC hDC) override;

    void SetTextColor(DWORD dwTextColor);
    DWORD GetTextColor() const;
    void SetDisabledTextColor(DWORD dwTextColor);
    DWORD GetDisabledTextColor() const;
    void SetFont(int index);
    int GetFont() const;
    void SetTextStyle(UINT uStyle);
    UINT GetTextStyle() const;
    void SetTextPadding(RECT rc);
    RECT GetTextPadding() const; // scaled
    void SetShowHtml(bool bShowHtml = true);
    bool IsShowHtml() const;

protected:
    // Replaces unset (0) text colours by the manager's defaults, for good.
    void ResolveDefaultColors();
    // Draws the text in the item rectangle minus the text padding, plain or as HTML.
    void DrawLabelText(HDC hDC, DWORD dwColor, int iFont);

    DWORD m_dwTextColor;
    DWORD m_dwDisabledTextColor;
    int m_iFont;
    UINT m_uTextStyle;
    RECT m_rcTextPadding;
    bool m_bShowHtml;
};

} // namespace SkinUI
