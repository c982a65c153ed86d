// CProgressUI: a label that shows a value between a minimum and a maximum as a bar
// ("Progress"): the background image over the whole control, then the filled part in the
// foreground colour and/or the foreground image (stretched into the filled part, or, with
// stretching off, revealed from the left or the bottom), and optionally the percentage text.
//
// Contract: SetValue ignores a value equal to the current one or outside [minimum, maximum].
// Painting repairs an empty range (minimum >= maximum makes maximum = minimum + 1) and clamps
// the value into it, so no range ever divides by zero. Setters only store and request a
// repaint: the installer's download thread calls SetValue and SetStretchForeImage, the paint
// itself always runs on the UI thread.
//
// Not done: no animation between values; "min"/"max" do not re-clamp the stored value.
#pragma once

#include "engine/controls/CLabelUI.h"

namespace SkinUI
{

class CProgressUI : public CLabelUI
{
public:
    CProgressUI();
    ~CProgressUI() override;

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;

    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintForeColor(HDC hDC) override;
    void PaintForeImage(HDC hDC) override;
    virtual void UpdateText();

    bool IsShowText() const;
    void SetShowText(bool bShowText = true);
    bool IsHorizontal() const;
    void SetHorizontal(bool bHorizontal = true);
    bool IsStretchForeImage() const;
    void SetStretchForeImage(bool bStretchForeImage = true);
    int GetMinValue() const;
    void SetMinValue(int nMin);
    int GetMaxValue() const;
    void SetMaxValue(int nMax);
    int GetValue() const;
    void SetValue(int nValue);

private:
    // Makes the range non-empty and the value lie in it; returns the filled part of the item
    // rectangle relative to its top-left corner, in device pixels.
    RECT FilledPart();

    bool m_bShowText;
    bool m_bHorizontal;
    bool m_bStretchForeImage;
    int m_nMax;
    int m_nMin;
    int m_nValue;
    CUIString m_sForeImageModify;
};

} // namespace SkinUI
