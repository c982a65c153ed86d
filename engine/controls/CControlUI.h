// CControlUI: the base of every windowless control: a rectangle in the window's client area,
// the attributes read from markup, the seven paint steps (background colour and image, status
// image, foreground colour and image, text, border), event handling with the defaults every
// control shares, invalidation and layout requests, custom attributes and frame animations.
//
// Contract: sizes from markup are stored unscaled (logical pixels) and every size getter
// scales them by the manager's DPI object when there is a manager. Positions are device
// pixels. Setters of sizes ask the parent for a new layout; setters of colours, images,
// borders and text invalidate only when the value changed (unless their comment says
// otherwise). A control never throws and tolerates any attribute text: unreadable numbers are
// 0, numbers beyond the integer range saturate, a style that names itself (directly or in a
// cycle) is not applied again. The destructor tells the manager to forget the control
// (ReapObjects). Reference counted: __ReleaseRef deletes at zero; a container releases its
// children through it, so a control someone else still holds outlives its removal.
//
// Texts: with a resource id above 0 and a language package (the manager's language manager's
// package for the control's skin file), GetText and GetToolTip answer the package's text,
// looked up on every call so a language reload shows at the next paint; an empty package text
// falls back to the control's own text.
//
// Not done: no script engine (the thirteen script hooks stay empty), drag and drop flags are
// only stored. UI thread only.
#pragma once

#include <windows.h>

#include "engine/controls/CEventSource.h"
#include "engine/controls/CUIAnimation.h"
#include "engine/controls/tagTEventUI.h"
#include "engine/controls/tagTPercentInfo.h"
#include "engine/core/CStdStringPtrMap.h"
#include "engine/core/CUIRect.h"
#include "engine/core/CUIString.h"

namespace SkinUI
{

class CPaintManagerUI;
class CLangPackageUI;

// Show/hide animation of SetPaneVisible ("animation" attribute).
enum UIAnimStyle
{
    AnimNull = 0,
    AnimVertical = 1,
    AnimHorizontal = 2,
    AnimScaleVertical = 3,
    AnimScaleHorizontal = 4,
    AnimScaleSize = 5,
    AnimAlpha = 6
};

// Animation ids of the show and hide animations.
enum : int
{
    AnimIdShow = 9990,
    AnimIdHide = 9991
};

class CControlUI : public CUIAnimation
{
public:
    CControlUI();
    ~CControlUI() override;
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    static CControlUI* CreateControl();

    // ---- identity ---------------------------------------------------------------------
    virtual CUIString GetName() const;
    virtual void SetName(const wchar_t* pstrName);
    virtual const wchar_t* GetClass() const;
    virtual void* GetInterface(const wchar_t* pstrName);
    virtual UINT GetControlFlags() const;
    virtual bool Activate();
    virtual CPaintManagerUI* GetManager() const;
    virtual void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true);
    virtual CControlUI* GetParent() const;

    // ---- text -------------------------------------------------------------------------
    virtual CUIString GetText() const;
    virtual void SetText(const wchar_t* pstrText);
    virtual int GetTextN() const;
    virtual void SetTextN(int n);
    virtual void SetTextV(const wchar_t* pstrFormat, ...);
    virtual bool IsResourceText() const;
    virtual void SetResourceText(bool bResource);
    virtual int GetResourceID() const;
    virtual void SetResourceID(int id);
    virtual CLangPackageUI* GetLangPackage() const;
    virtual void SetSkinFile(const wchar_t* pstrSkinFile);
    virtual CUIString GetSkinFile() const;
    virtual bool IsDragEnabled() const;
    virtual void SetDragEnable(bool bDrag);
    virtual bool IsDropEnabled() const;
    virtual void SetDropEnable(bool bDrop);

    // ---- colours and images -----------------------------------------------------------
    const wchar_t* GetGradient() const;
    virtual void SetGradient(const wchar_t* pStrImage);
    DWORD GetBkColor() const;
    void SetBkColor(DWORD dwBackColor);
    DWORD GetBkColor2() const;
    void SetBkColor2(DWORD dwBackColor);
    DWORD GetBkColor3() const;
    void SetBkColor3(DWORD dwBackColor);
    DWORD GetHotBkColor() const;
    void SetHotBkColor(DWORD dwColor); // always invalidates
    DWORD GetFocusBkColor() const;
    void SetFocusBkColor(DWORD dwColor); // always invalidates
    DWORD GetForeColor() const;
    void SetForeColor(DWORD dwForeColor);
    const wchar_t* GetBkImage() const;
    virtual void SetBkImage(const wchar_t* pStrImage);
    const wchar_t* GetForeImage() const;
    void SetForeImage(const wchar_t* pStrImage);
    DWORD GetBorderColor() const;
    void SetBorderColor(DWORD dwBorderColor);
    DWORD GetFocusBorderColor() const;
    void SetFocusBorderColor(DWORD dwBorderColor);
    DWORD GetHotBorderColor() const;
    void SetHotBorderColor(DWORD dwColor);
    bool IsColorHSL() const;
    void SetColorHSL(bool bColorHSL);
    int GetBorderSize() const;
    void SetBorderSize(int nSize);
    void SetBorderSize(RECT rc);         // per side; always invalidates
    RECT GetBorderRectSize() const;      // per side, scaled
    void SetLeftBorderSize(int nSize);   // always invalidates
    void SetTopBorderSize(int nSize);    // always invalidates
    void SetRightBorderSize(int nSize);  // always invalidates
    void SetBottomBorderSize(int nSize); // always invalidates
    int GetBorderStyle() const;
    void SetBorderStyle(int nStyle); // always invalidates
    SIZE GetBorderRound() const;
    void SetBorderRound(SIZE cxyRound); // always invalidates
    DWORD GetAdjustColor(DWORD dwColor) const;
    bool DrawImage(HDC hDC, const wchar_t* pStrImage, const wchar_t* pStrModify = nullptr);
    void SetInstance(HINSTANCE instance) { m_instance = instance; }

    // ---- geometry ---------------------------------------------------------------------
    virtual RECT GetRelativePos() const;
    virtual RECT GetClientPos() const;
    virtual const RECT& GetPos() const;
    virtual void SetPos(RECT rc, bool bNeedInvalidate = true);
    virtual void Move(SIZE szOffset, bool bNeedInvalidate = true);
    virtual bool CalcPos(CControlUI* pChildControl, RECT& rcChild);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetX() const;
    virtual int GetY() const;
    virtual RECT GetPadding() const;
    virtual void SetPadding(RECT rcPadding);
    virtual SIZE GetFixedXY() const;
    virtual void SetFixedXY(SIZE szXY);
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int cx);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int cy);
    virtual int GetFixedWidthPercent() const;
    virtual void SetFixedWidthPercent(int nPercent);
    virtual int GetFixedHeightPercent() const;
    virtual void SetFixedHeightPercent(int nPercent);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int cx);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int cx);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int cy);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int cy);
    virtual tagTPercentInfo GetFloatPercent() const;
    virtual void SetFloatPercent(tagTPercentInfo piFloatPercent);
    virtual void SetFloatAlign(UINT uAlign);
    virtual UINT GetFloatAlign() const;
    virtual void SetFloatPosition(POINT ptPosition);
    virtual POINT GetFloatPosition() const;
    virtual bool IsAutoCalcWidth() const;
    virtual void SetAutoCalcWidth(bool bAutoCalcWidth);
    virtual bool IsAutoCalcHeight() const;
    virtual void SetAutoCalcHeight(bool bAutoCalcHeight);

    // ---- tooltip, cursor, shortcut, user data -----------------------------------------
    virtual CUIString GetToolTip() const;
    virtual void SetToolTip(const wchar_t* pstrText);
    virtual void SetToolTipWidth(int nWidth);
    virtual int GetToolTipWidth() const;
    virtual WORD GetCursor() const;
    virtual void SetCursor(WORD wCursor); // always invalidates
    virtual wchar_t GetShortcut() const;
    virtual void SetShortcut(wchar_t ch);
    virtual bool IsContextMenuUsed() const;
    virtual void SetContextMenuUsed(bool bMenuUsed);
    virtual const CUIString& GetUserData() const;
    virtual void SetUserData(const wchar_t* pstrText);
    virtual UINT_PTR GetTag() const;
    virtual void SetTag(UINT_PTR pTag);
    void SetVirtualWnd(const wchar_t* pstrValue);
    CUIString GetVirtualWnd() const;

    // ---- state ------------------------------------------------------------------------
    virtual bool IsVisible() const;
    virtual void SetVisible(bool bVisible = true);
    virtual void SetInternVisible(bool bVisible = true);
    virtual bool IsEnabled() const;
    virtual void SetEnabled(bool bEnable = true);
    virtual bool IsMouseEnabled() const;
    virtual void SetMouseEnabled(bool bEnable = true);
    virtual bool IsKeyboardEnabled() const;
    virtual void SetKeyboardEnabled(bool bEnable = true);
    virtual bool IsFocused() const;
    virtual void SetFocus();
    virtual bool IsFloat() const;
    virtual void SetFloat(bool bFloat = true);
    virtual bool IsHot() const;
    virtual void SetHot(bool bHot);

    // ---- search, life, events, attributes ---------------------------------------------
    virtual CControlUI* FindControl(FindControlProc Proc, void* pData, UINT uFlags);
    virtual void Init();
    virtual void DoInit();
    virtual void Event(tagTEventUI& event);
    virtual void DoEvent(tagTEventUI& event);
    virtual void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue);
    CControlUI* ApplyAttributeList(const wchar_t* pstrList);
    bool AddCustomAttribute(const wchar_t* pstrName, const wchar_t* pstrAttr);
    const wchar_t* GetCustomAttribute(const wchar_t* pstrName) const;
    bool RemoveCustomAttribute(const wchar_t* pstrName);
    void RemoveAllCustomAttribute();
    bool SetTimer(UINT nTimerID, UINT nElapse);
    bool KillTimer(UINT nTimerID);

    // ---- layout and painting ----------------------------------------------------------
    virtual SIZE EstimateSize(SIZE szAvailable);
    virtual bool Paint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl = nullptr);
    virtual bool DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl);
    virtual void PaintBkColor(HDC hDC);
    virtual void PaintBkImage(HDC hDC);
    virtual void PaintStatusImage(HDC hDC);
    virtual void PaintForeColor(HDC hDC);
    virtual void PaintForeImage(HDC hDC);
    virtual void PaintText(HDC hDC);
    virtual void PaintBorder(HDC hDC);
    virtual void DoPostPaint(HDC hDC, const RECT& rcPaint);
    virtual bool OnEnableResponseDefaultKeyEvent(WPARAM wParam);
    void Invalidate();
    bool IsUpdateNeeded() const;
    void NeedUpdate();
    void NeedParentUpdate();

    // ---- show/hide animation ----------------------------------------------------------
    virtual void SetPaneVisible(bool bVisible);
    virtual bool IsPaneVisible() const;
    virtual void SetAnimation(UIAnimStyle animType);
    virtual UIAnimStyle GetAnimation() const;
    virtual void SetFrameCount(int framecount);
    virtual int GetFrameCount() const;
    virtual void SetFrameDelay(int nDelay);
    virtual int GetFrameDelay() const;
    void OnAnimationStep(int nTotalFrame, int nCurFrame, int nAnimationID) override;
    void OnAnimationStop(int nAnimationID) override;

    // ---- reference count and extra parent ---------------------------------------------
    void __AddRef();
    void __ReleaseRef();
    int GetRefCount() const { return m_nRefCount; }
    void SetExtraParent(CControlUI* pParent) { m_pExtraParent = pParent; }
    CControlUI* GetExtraParent() const { return m_pExtraParent; }

    // Subscribers, called with the control (the event and notify sources with the record).
    CEventSource OnInit;
    CEventSource OnDestroy;
    CEventSource OnSize;
    CEventSource OnEvent;
    CEventSource OnNotify;
    CEventSource OnPaint;

protected:
    // Scales a stored logical size by the manager's DPI object.
    int ScaleValue(int iValue) const;
    // Applies a style's attribute list unless that style is already being applied further up
    // the call chain (a style naming itself would recurse for ever).
    void ApplyStyle(const wchar_t* pstrStyleName, const wchar_t* pstrList);
    void ApplyListItems(const wchar_t* pstrList);

    CPaintManagerUI* m_pManager;
    CControlUI* m_pParent;
    CUIString m_sVirtualWnd;
    CUIString m_sName;
    bool m_bUpdateNeeded;
    bool m_bMenuUsed;
    RECT m_rcItem;
    RECT m_rcPadding;
    SIZE m_cXY;
    SIZE m_cxyFixed;
    int m_nFixedWidthPercent;
    int m_nFixedHeightPercent;
    SIZE m_cxyMin;
    SIZE m_cxyMax;
    bool m_bVisible;
    bool m_bInternVisible;
    bool m_bPaneVisible;
    bool m_bEnabled;
    bool m_bMouseEnabled;
    bool m_bKeyboardEnabled;
    bool m_bFocused;
    bool m_bFloat;
    bool m_bHot;
    tagTPercentInfo m_piFloatPercent;
    UINT m_uFloatAlign;
    POINT m_ptFloatPosition;
    bool m_bSetPos; // size-callback guard
    bool m_bAutoCalcWidth;
    bool m_bAutoCalcHeight;
    bool m_bDragEnabled;
    bool m_bDropEnabled;
    bool m_bResourceText;
    int m_iResourceID;
    CUIString m_sSkinFile;
    CUIString m_sText;
    CUIString m_sToolTip;
    wchar_t m_chShortcut;
    CUIString m_sUserData;
    UINT_PTR m_pTag;
    CUIString m_sGradient;
    DWORD m_dwBackColor;
    DWORD m_dwBackColor2;
    DWORD m_dwBackColor3;
    DWORD m_dwHotBackColor;
    DWORD m_dwFocusBackColor;
    DWORD m_dwForeColor;
    CUIString m_sBkImage;
    CUIString m_sForeImage;
    DWORD m_dwBorderColor;
    DWORD m_dwFocusBorderColor;
    DWORD m_dwHotBorderColor;
    bool m_bColorHSL;
    int m_nBorderSize;
    int m_nBorderStyle;
    int m_nTooltipWidth;
    WORD m_wCursor;
    SIZE m_cxyBorderRound;
    RECT m_rcPaint;
    RECT m_rcBorderSize;
    HINSTANCE m_instance;
    CStdStringPtrMap m_mCustomAttrHash; // name -> owned CUIString*
    UIAnimStyle m_animation;
    int m_nFrameCount;
    int m_nFrameDelay;
    SIZE m_szAnimationBase;
    SIZE m_szAnimationCurrent;
    void* m_aScriptHooks[13]; // stay empty: no script engine is registered
    int m_nRefCount;
    CControlUI* m_pExtraParent;
};

} // namespace SkinUI
