// CButtonUI: a label that is pressed ("Button"): image buttons and text links. It keeps a
// visual state (hot, pushed, captured, focused, disabled), paints the image, background, text
// colour, font and border of that state, and sends "click" when released over itself after a
// press on itself, or on space/return while focused.
//
// Contract: "click" only for a left-button release inside the item rectangle while captured
// by a press inside it, and only while visible and enabled. Image priority: disabled, pushed,
// hot, focused, else normal; a state image that fails to draw falls back to the normal image.
// A disabled host window paints every button as if only the disabled bit could be set. A
// state image is split into "statecount" columns (a count of 0 splits nothing). The click
// notification is synchronous: the receiver must not delete the button during it (the
// manager's delayed clean-up exists for that).
//
// Not done: tab switching (BindTriggerTabSel finds the named layout, but this system has no
// tab layout to select in); no separate pushed foreground image.
#pragma once

#include "engine/controls/CLabelUI.h"

namespace SkinUI
{

// Bits of CButtonUI's state.
enum : UINT
{
    StateFocused = 0x01,
    StateSelected = 0x02,
    StateDisabled = 0x04,
    StateHot = 0x08,
    StatePushed = 0x10,
    StateReadOnly = 0x20,
    StateCaptured = 0x40
};

class CButtonUI : public CLabelUI
{
public:
    CButtonUI();
    ~CButtonUI() override;

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    bool Activate() override;
    void SetEnabled(bool bEnable = true) override;
    void DoEvent(tagTEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    bool DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintForeImage(HDC hDC) override;
    void PaintText(HDC hDC) override;
    void PaintBorder(HDC hDC) override;

    virtual const wchar_t* GetNormalImage() const;
    virtual void SetNormalImage(const wchar_t* pStrImage);
    virtual const wchar_t* GetHotImage() const;
    virtual void SetHotImage(const wchar_t* pStrImage);
    virtual const wchar_t* GetPushedImage() const;
    virtual void SetPushedImage(const wchar_t* pStrImage);
    virtual const wchar_t* GetFocusedImage() const;
    virtual void SetFocusedImage(const wchar_t* pStrImage);
    virtual const wchar_t* GetDisabledImage() const;
    virtual void SetDisabledImage(const wchar_t* pStrImage);
    virtual const wchar_t* GetHotForeImage() const;
    virtual void SetHotForeImage(const wchar_t* pStrImage);
    virtual const wchar_t* GetStateImage() const;
    virtual void SetStateImage(const wchar_t* pStrImage);
    virtual void SwitchPaneVisible();
    virtual void SetSwitchPaneVisible(const wchar_t* pstrControlName);
    virtual void BindTabIndex(int index);
    virtual void BindTabIndexName(const wchar_t* pstrName);
    virtual void BindTabLayoutName(const wchar_t* pstrName);
    virtual void BindTriggerTabSel(int index = -1);
    virtual void RemoveBindTabIndex();
    virtual int GetBindTabLayoutIndex() const;
    virtual const wchar_t* GetBindTabLayoutIndexName() const;
    virtual const wchar_t* GetBindTabLayoutName() const;

    UINT GetState() const { return m_uButtonState; }
    void SetHotTextColor(DWORD dwColor);
    DWORD GetHotTextColor() const;
    void SetPushedTextColor(DWORD dwColor);
    DWORD GetPushedTextColor() const;
    void SetFocusedTextColor(DWORD dwColor);
    DWORD GetFocusedTextColor() const;
    void SetPushedBkColor(DWORD dwColor);
    DWORD GetPushedBkColor() const;
    void SetDisabledBkColor(DWORD dwColor);
    DWORD GetDisabledBkColor() const;
    void SetHotFont(int index);
    int GetHotFont() const;
    void SetPushedFont(int index);
    int GetPushedFont() const;
    void SetFocusedFont(int index);
    int GetFocusedFont() const;
    void SetStateCount(int nCount);
    int GetStateCount() const;
    void SetPushedBorderColor(DWORD dwColor);
    DWORD GetPushedBorderColor() const;
    void SetDisableBorderColor(DWORD dwColor);
    DWORD GetDisableBorderColor() const;

protected:
    // What every activation of a button does after its own action: "click", then the tab
    // binding and the switched pane.
    void NotifyActivated();
    // The border drawn in one colour with the base border's shape rules.
    void PaintBorderInColor(HDC hDC, DWORD dwColor);
    // Splits a state image into nCount equal columns and describes them: normal column 0, hot
    // and pushed column 1, pushed column 2 with three or more, disabled column 3 with four.
    // False (outputs unchanged) when the image cannot be loaded or nCount <= 0.
    bool GenerateStateImages(const CUIString& sStateImage, int nCount, CUIString& sNormal, CUIString& sHot,
                             CUIString& sPushed, CUIString* pDisabled) const;
    // Draws one image description when set; true when it drew.
    bool DrawIfSet(HDC hDC, const CUIString& sImage);

    UINT m_uButtonState;
    int m_iHotFont;
    int m_iPushedFont;
    int m_iFocusedFont;
    DWORD m_dwPushedBkColor;
    DWORD m_dwDisabledBkColor;
    DWORD m_dwHotTextColor;
    DWORD m_dwPushedTextColor;
    DWORD m_dwFocusedTextColor;
    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sHotForeImage;
    CUIString m_sPushedImage;
    CUIString m_sPushedForeImage;
    CUIString m_sFocusedImage;
    CUIString m_sDisabledImage;
    int m_nStateCount;
    CUIString m_sStateImage;
    DWORD m_dwPushedBorderColor;
    DWORD m_dwDisabledBorderColor;
    CUIString m_sSwitchControlVisible;
    int m_iBindTabIndex;
    CUIString m_sBindTabIndexName;
    CUIString m_sBindTabLayoutName;
};

} // namespace SkinUI
