// COptionUI: a button with a selected state ("Option"): a check box without a group (each
// activation toggles it) or a radio button with a group (activation selects it and deselects
// the other members of the manager's option group of that name). While selected it paints its
// selected background, images, text colour, font and border where they are set.
//
// Contract: Selected(select, notify) does nothing when the state already matches; otherwise
// it sends one "selectchanged" (when notify is set and there is a manager), except when a
// grouped option is deselected (only repainted). Activation sends "selectchanged" before
// "click". An option joins its group when attached to a manager with initialisation and
// leaves it when destroyed or regrouped, so the group never holds a deleted option.
//
// Not done: no check-box name (CCheckBoxUI), no tab binding beyond the button's.
#pragma once

#include "engine/controls/CButtonUI.h"

namespace SkinUI
{

class COptionUI : public CButtonUI
{
public:
    COptionUI();
    ~COptionUI() override;

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;

    bool Activate() override;
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    void SetEnabled(bool bEnable = true) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintForeImage(HDC hDC) override;
    void PaintText(HDC hDC) override;
    void PaintBorder(HDC hDC) override;
    void SwitchPaneVisible() override;

    virtual const wchar_t* GetSelectedStateImage() const;
    virtual void SetSelectedStateImage(const wchar_t* pStrImage);
    virtual bool IsSelected() const;
    virtual void Selected(bool bSelected, bool bTriggerEvent = true);

    void SetGroup(const wchar_t* pStrGroupName = nullptr);
    const wchar_t* GetGroup() const;
    void SetSelectedBkColor(DWORD dwBkColor);
    DWORD GetSelectedBkColor() const;
    void SetSelectedTextColor(DWORD dwTextColor);
    DWORD GetSelectedTextColor() const;
    void SetSelectedFont(int index);
    int GetSelectedFont() const;
    void SetSelectedStateCount(int nCount);
    int GetSelectedStateCount() const;
    void SetSelectedImage(const wchar_t* pStrImage);
    const wchar_t* GetSelectedImage() const;
    void SetSelectedHotImage(const wchar_t* pStrImage);
    void SetSelectedPushedImage(const wchar_t* pStrImage);
    void SetSelectedForeImage(const wchar_t* pStrImage);
    void SetSelectedBorderColor(DWORD dwColor);

private:
    bool m_bSelected;
    CUIString m_sGroupName;
    int m_iSelectedFont;
    DWORD m_dwSelectedBkColor;
    DWORD m_dwSelectedTextColor;
    CUIString m_sSelectedImage;
    CUIString m_sSelectedHotImage;
    CUIString m_sSelectedPushedImage;
    CUIString m_sSelectedForeImage;
    int m_nSelectedStateCount;
    CUIString m_sSelectedStateImage;
    DWORD m_dwSelectedBorderColor;
};

} // namespace SkinUI
