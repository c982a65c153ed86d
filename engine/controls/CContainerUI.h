// CContainerUI: a control that owns an ordered list of children: it places them (each filling
// the client rectangle, or by its own coordinates when floating), paints them clipped to its
// client rectangle, searches them, passes visibility and enabling down, and deletes them.
//
// Contract: a child belongs to at most one container; with auto destroy (default) a removed
// child is released (__ReleaseRef), through the manager's delayed clean-up when delayed
// destroy is on and there is a manager, so a control may be removed during its own event.
// A child held elsewhere outlives its release without a manager or parent. Add(null), adding
// a child of another container or one of our own ancestors, removing a stranger and AddAt
// before a stranger return false and change nothing.
// Showing a container again restores each child's own visibility. Hit-testing finds children
// only inside the client rectangle (item rectangle minus inset) unless they float.
//
// Not done: no scroll bar control exists yet: "vscrollbar"/"hscrollbar" are remembered but
// build nothing, the scroll operations do nothing and scroll positions are 0. FindSelectable
// (lists) answers -1.
#pragma once

#include "engine/controls/CControlUI.h"
#include "engine/controls/IContainerUI.h"
#include "engine/core/CStdPtrArray.h"

namespace SkinUI
{

class CContainerUI : public CControlUI, public IContainerUI
{
public:
    CContainerUI();
    ~CContainerUI() override;

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;

    // ---- IContainerUI -----------------------------------------------------------------
    CControlUI* GetItemAt(int iIndex) const override;
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    int GetCount() const override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool AddAt(CControlUI* pControl, CControlUI* pBeforeControl) override;
    bool Remove(CControlUI* pControl, bool bDoNotDestroy = false) override;
    bool RemoveAt(int iIndex, bool bDoNotDestroy = false) override;
    void RemoveAll() override;

    // ---- CControlUI overrides ---------------------------------------------------------
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    RECT GetClientPos() const override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    void Move(SIZE szOffset, bool bNeedInvalidate = true) override;
    bool CalcPos(CControlUI* pChildControl, RECT& rcChild) override;
    void SetVisible(bool bVisible = true) override;
    void SetInternVisible(bool bVisible = true) override;
    void SetEnabled(bool bEnabled = true) override;
    void SetMouseEnabled(bool bEnable = true) override;
    CControlUI* FindControl(FindControlProc Proc, void* pData, UINT uFlags) override;
    void DoEvent(tagTEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    bool DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl) override;

    // ---- container settings -----------------------------------------------------------
    virtual RECT GetInset() const;
    virtual void SetInset(RECT rcInset);
    virtual int GetChildPadding() const;
    virtual void SetChildPadding(int iPadding);
    virtual UINT GetChildAlign() const;
    virtual void SetChildAlign(UINT iAlign);
    virtual UINT GetChildVAlign() const;
    virtual void SetChildVAlign(UINT iVAlign);
    virtual bool IsAutoDestroy() const;
    virtual void SetAutoDestroy(bool bAuto);
    virtual bool IsDelayedDestroy() const;
    virtual void SetDelayedDestroy(bool bDelayed);
    virtual bool IsMouseChildEnabled() const;
    virtual void SetMouseChildEnabled(bool bEnable = true);
    virtual int FindSelectable(int iIndex, bool bForward = true) const;

    // ---- scrolling (no scroll bar control yet: see the header comment) ----------------
    virtual SIZE GetScrollPos() const;
    virtual SIZE GetScrollRange() const;
    virtual void SetScrollPos(SIZE szPos, bool bMsg = true);
    virtual void SetScrollStepSize(int nSize);
    virtual int GetScrollStepSize() const;
    virtual void LineUp();
    virtual void LineDown();
    virtual void PageUp();
    virtual void PageDown();
    virtual void HomeUp();
    virtual void EndDown();
    virtual void LineLeft();
    virtual void LineRight();
    virtual void PageLeft();
    virtual void PageRight();
    virtual void HomeLeft();
    virtual void EndRight();
    virtual void EnableScrollBar(bool bEnableVertical = true, bool bEnableHorizontal = false);
    virtual CControlUI* GetVerticalScrollBar() const;
    virtual CControlUI* GetHorizontalScrollBar() const;

    // ---- search by name below this container ------------------------------------------
    CControlUI* FindSubControl(const wchar_t* pstrSubControlName);
    CUIString GetSubControlText(const wchar_t* pstrSubControlName);
    bool SetSubControlText(const wchar_t* pstrSubControlName, const wchar_t* pstrText);
    CUIString GetSubControlUserData(const wchar_t* pstrSubControlName);
    bool SetSubControlUserData(const wchar_t* pstrSubControlName, const wchar_t* pstrText);
    int GetSubControlFixedHeight(const wchar_t* pstrSubControlName);
    bool SetSubControlFixedHeight(const wchar_t* pstrSubControlName, int cy);
    int GetSubControlFixedWdith(const wchar_t* pstrSubControlName);
    bool SetSubControlFixedWdith(const wchar_t* pstrSubControlName, int cx);

protected:
    virtual void SetFloatPos(int iIndex);
    virtual void ProcessScrollBar(RECT rc, int cxRequired, int cyRequired);
    // Drops the container's hold on a removed child: released at once, or handed to the
    // manager's delayed clean-up.
    void DisposeChild(CControlUI* pControl);
    // A child removed without being released stops naming this container as its parent.
    void ForgetChild(CControlUI* pControl);

    CStdPtrArray m_items;
    RECT m_rcInset;
    int m_iChildPadding;
    UINT m_iChildAlign;
    UINT m_iChildVAlign;
    bool m_bAutoDestroy;
    bool m_bDelayedDestroy;
    bool m_bMouseChildEnabled;
    int m_nScrollStepSize;
    CControlUI* m_pVerticalScrollBar;   // owned; never made yet
    CControlUI* m_pHorizontalScrollBar; // owned; never made yet
    CUIString m_sVerticalScrollBarStyle;
    CUIString m_sHorizontalScrollBarStyle;
};

} // namespace SkinUI
