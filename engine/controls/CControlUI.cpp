#include "engine/controls/CControlUI.h"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <vector>
#include <wchar.h>

#include "engine/controls/AttributeValues.h"
#include "engine/core/CUISize.h"
#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderClip.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CResourceManager.h"

namespace SkinUI
{

namespace
{

// Styles being applied on this thread, innermost last: a style met again is a cycle.
thread_local std::vector<CUIString> t_aStylesInProgress;

bool IsEmptyRect(const RECT& rc)
{
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

const struct
{
    const wchar_t* name;
    WORD id;
} kCursors[] = {
    {L"arrow", 32512},  {L"ibeam", 32513},   {L"wait", 32514},     {L"cross", 32515},    {L"uparrow", 32516},
    {L"size", 32640},   {L"icon", 32641},    {L"sizenwse", 32642}, {L"sizenesw", 32643}, {L"sizewe", 32644},
    {L"sizens", 32645}, {L"sizeall", 32646}, {L"no", 32648},       {L"hand", 32649},
};

const struct
{
    const wchar_t* name;
    UIAnimStyle style;
} kAnimations[] = {
    {L"null", AnimNull},
    {L"vertical", AnimVertical},
    {L"horizontal", AnimHorizontal},
    {L"scalevertical", AnimScaleVertical},
    {L"scalehorizontal", AnimScaleHorizontal},
    {L"scalesize", AnimScaleSize},
    {L"alpha", AnimAlpha},
};

// Names of the script hooks, compared case-sensitively; without a script engine they set
// nothing.
const wchar_t* const kScriptHooks[] = {
    L"OnInit",           L"OnEvent",        L"OnNotify",       L"OnDestroy",          L"OnSize",
    L"OnPaint",          L"OnPaintBkColor", L"OnPaintBkImage", L"OnPaintStatusImage", L"OnPaintForeColor",
    L"OnPaintForeImage", L"OnPaintText",    L"OnPaintBorder"};

bool Is(const wchar_t* a, const wchar_t* b)
{
    return _wcsicmp(a, b) == 0;
}

// Floating fractions must stay finite and small enough for the layout's int conversions.
double SaneFraction(double d)
{
    if (!std::isfinite(d))
        return 0.0;
    if (d > 1000.0)
        return 1000.0;
    if (d < -1000.0)
        return -1000.0;
    return d;
}

} // namespace

CControlUI::CControlUI()
    : CUIAnimation(this), m_pManager(nullptr), m_pParent(nullptr), m_bUpdateNeeded(true),
      m_bMenuUsed(false), m_rcItem{0, 0, 0, 0}, m_rcPadding{0, 0, 0, 0}, m_cXY{0, 0}, m_cxyFixed{0, 0},
      m_nFixedWidthPercent(0), m_nFixedHeightPercent(0), m_cxyMin{0, 0}, m_cxyMax{9999, 9999},
      m_bVisible(true), m_bInternVisible(true), m_bPaneVisible(true), m_bEnabled(true), m_bMouseEnabled(true),
      m_bKeyboardEnabled(true), m_bFocused(false), m_bFloat(false),
      m_bHot(false), m_piFloatPercent{0, 0, 0, 0}, m_uFloatAlign(0), m_ptFloatPosition{0, 0},
      m_bSetPos(false), m_bAutoCalcWidth(false), m_bAutoCalcHeight(false), m_bDragEnabled(false),
      m_bDropEnabled(false), m_bResourceText(false), m_iResourceID(0), m_chShortcut(L'\0'), m_pTag(0),
      m_dwBackColor(0), m_dwBackColor2(0), m_dwBackColor3(0), m_dwHotBackColor(0), m_dwFocusBackColor(0),
      m_dwForeColor(0), m_dwBorderColor(0), m_dwFocusBorderColor(0), m_dwHotBorderColor(0),
      m_bColorHSL(false), m_nBorderSize(0), m_nBorderStyle(PS_SOLID), m_nTooltipWidth(300),
      m_wCursor(0), m_cxyBorderRound{0, 0}, m_rcPaint{0, 0, 0, 0}, m_rcBorderSize{0, 0, 0, 0},
      m_instance(nullptr), m_mCustomAttrHash(83), m_animation(AnimNull), m_nFrameCount(24),
      m_nFrameDelay(5), m_szAnimationBase{0, 0}, m_szAnimationCurrent{0, 0}, m_aScriptHooks{}, m_nRefCount(1),
      m_pExtraParent(nullptr)
{
}

CControlUI::~CControlUI()
{
    OnDestroy.Fire(this);
    RemoveAllCustomAttribute();
    if (m_pManager != nullptr)
        m_pManager->ReapObjects(this);
}

CControlUI* CControlUI::CreateControl()
{
    return new CControlUI;
}

// ---- identity -----------------------------------------------------------------------------

CUIString CControlUI::GetName() const
{
    return m_sName;
}

void CControlUI::SetName(const wchar_t* pstrName)
{
    m_sName = pstrName;
}

const wchar_t* CControlUI::GetClass() const
{
    return L"ControlUI";
}

void* CControlUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && Is(pstrName, L"Control"))
        return this;
    return nullptr;
}

UINT CControlUI::GetControlFlags() const
{
    return 0;
}

bool CControlUI::Activate()
{
    return IsVisible() && IsEnabled();
}

CPaintManagerUI* CControlUI::GetManager() const
{
    return m_pManager;
}

void CControlUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    m_pManager = pManager;
    m_pParent = pParent;
    if (bInit && m_pParent != nullptr)
        Init();
}

CControlUI* CControlUI::GetParent() const
{
    return m_pParent;
}

// ---- text ---------------------------------------------------------------------------------

CUIString CControlUI::GetText() const
{
    if (m_bResourceText)
        return CResourceManager::GetInstance()->GetText(m_sText);
    // Looked up on every call: a language reload replaces the package and its texts.
    if (m_iResourceID > 0)
    {
        if (CLangPackageUI* pPackage = GetLangPackage())
        {
            CUIString sText = pPackage->GetText(m_iResourceID);
            if (!sText.IsEmpty())
                return sText;
        }
    }
    return m_sText;
}

void CControlUI::SetText(const wchar_t* pstrText)
{
    CUIString sText(pstrText);
    sText.Replace(L"{\\n}", L"\n");
    if (m_sText == sText.GetData())
        return;
    m_sText = sText;
    Invalidate();
}

int CControlUI::GetTextN() const
{
    return ReadInt(GetText());
}

void CControlUI::SetTextN(int n)
{
    CUIString s;
    s.SmallFormat(L"%d", n);
    SetText(s);
}

void CControlUI::SetTextV(const wchar_t* pstrFormat, ...)
{
    if (pstrFormat == nullptr)
        return;
    va_list args;
    va_start(args, pstrFormat);
    const int nLen = _vscwprintf(pstrFormat, args);
    va_end(args);
    if (nLen < 0)
        return;
    std::vector<wchar_t> buffer(static_cast<size_t>(nLen) + 1, L'\0');
    va_start(args, pstrFormat);
    _vsnwprintf(buffer.data(), buffer.size() - 1, pstrFormat, args);
    va_end(args);
    SetText(buffer.data());
}

bool CControlUI::IsResourceText() const
{
    return m_bResourceText;
}

void CControlUI::SetResourceText(bool bResource)
{
    if (m_bResourceText == bResource)
        return;
    m_bResourceText = bResource;
    Invalidate();
}

int CControlUI::GetResourceID() const
{
    return m_iResourceID;
}

void CControlUI::SetResourceID(int id)
{
    if (m_iResourceID == id)
        return;
    m_iResourceID = id;
    Invalidate();
}

CLangPackageUI* CControlUI::GetLangPackage() const
{
    if (m_pManager == nullptr || m_sSkinFile.IsEmpty())
        return nullptr;
    CLangManagerUI* pLangManager = m_pManager->GetLangManager();
    return pLangManager != nullptr ? pLangManager->GetPackage(m_sSkinFile) : nullptr;
}

void CControlUI::SetSkinFile(const wchar_t* pstrSkinFile)
{
    m_sSkinFile = pstrSkinFile;
}

CUIString CControlUI::GetSkinFile() const
{
    return m_sSkinFile;
}

bool CControlUI::IsDragEnabled() const
{
    return m_bDragEnabled;
}

void CControlUI::SetDragEnable(bool bDrag)
{
    m_bDragEnabled = bDrag;
}

bool CControlUI::IsDropEnabled() const
{
    return m_bDropEnabled;
}

void CControlUI::SetDropEnable(bool bDrop)
{
    m_bDropEnabled = bDrop;
}

// ---- colours and images -------------------------------------------------------------------

const wchar_t* CControlUI::GetGradient() const
{
    return m_sGradient;
}

void CControlUI::SetGradient(const wchar_t* pStrImage)
{
    if (m_sGradient == (pStrImage ? pStrImage : L""))
        return;
    m_sGradient = pStrImage;
    Invalidate();
}

#define SKINUI_COLOR_SETTER(Name, member)                                                                    \
    DWORD CControlUI::Get##Name() const                                                                      \
    {                                                                                                        \
        return member;                                                                                       \
    }                                                                                                        \
    void CControlUI::Set##Name(DWORD dwColor)                                                                \
    {                                                                                                        \
        if (member == dwColor)                                                                               \
            return;                                                                                          \
        member = dwColor;                                                                                    \
        Invalidate();                                                                                        \
    }

SKINUI_COLOR_SETTER(BkColor, m_dwBackColor)
SKINUI_COLOR_SETTER(BkColor2, m_dwBackColor2)
SKINUI_COLOR_SETTER(BkColor3, m_dwBackColor3)
SKINUI_COLOR_SETTER(ForeColor, m_dwForeColor)
SKINUI_COLOR_SETTER(BorderColor, m_dwBorderColor)
SKINUI_COLOR_SETTER(FocusBorderColor, m_dwFocusBorderColor)
SKINUI_COLOR_SETTER(HotBorderColor, m_dwHotBorderColor)
#undef SKINUI_COLOR_SETTER

DWORD CControlUI::GetHotBkColor() const
{
    return m_dwHotBackColor;
}

void CControlUI::SetHotBkColor(DWORD dwColor)
{
    m_dwHotBackColor = dwColor;
    Invalidate();
}

DWORD CControlUI::GetFocusBkColor() const
{
    return m_dwFocusBackColor;
}

void CControlUI::SetFocusBkColor(DWORD dwColor)
{
    m_dwFocusBackColor = dwColor;
    Invalidate();
}

const wchar_t* CControlUI::GetBkImage() const
{
    return m_sBkImage;
}

void CControlUI::SetBkImage(const wchar_t* pStrImage)
{
    if (m_sBkImage == (pStrImage ? pStrImage : L""))
        return;
    m_sBkImage = pStrImage;
    Invalidate();
}

const wchar_t* CControlUI::GetForeImage() const
{
    return m_sForeImage;
}

void CControlUI::SetForeImage(const wchar_t* pStrImage)
{
    if (m_sForeImage == (pStrImage ? pStrImage : L""))
        return;
    m_sForeImage = pStrImage;
    Invalidate();
}

bool CControlUI::IsColorHSL() const
{
    return m_bColorHSL;
}

void CControlUI::SetColorHSL(bool bColorHSL)
{
    if (m_bColorHSL == bColorHSL)
        return;
    m_bColorHSL = bColorHSL;
    Invalidate();
}

int CControlUI::GetBorderSize() const
{
    return ScaleValue(m_nBorderSize);
}

void CControlUI::SetBorderSize(int nSize)
{
    if (m_nBorderSize == nSize)
        return;
    m_nBorderSize = nSize;
    Invalidate();
}

void CControlUI::SetBorderSize(RECT rc)
{
    m_rcBorderSize = rc;
    Invalidate();
}

RECT CControlUI::GetBorderRectSize() const
{
    return RECT{ScaleValue(m_rcBorderSize.left), ScaleValue(m_rcBorderSize.top),
                ScaleValue(m_rcBorderSize.right), ScaleValue(m_rcBorderSize.bottom)};
}

void CControlUI::SetLeftBorderSize(int nSize)
{
    m_rcBorderSize.left = nSize;
    Invalidate();
}

void CControlUI::SetTopBorderSize(int nSize)
{
    m_rcBorderSize.top = nSize;
    Invalidate();
}

void CControlUI::SetRightBorderSize(int nSize)
{
    m_rcBorderSize.right = nSize;
    Invalidate();
}

void CControlUI::SetBottomBorderSize(int nSize)
{
    m_rcBorderSize.bottom = nSize;
    Invalidate();
}

int CControlUI::GetBorderStyle() const
{
    return m_nBorderStyle;
}

void CControlUI::SetBorderStyle(int nStyle)
{
    m_nBorderStyle = nStyle;
    Invalidate();
}

SIZE CControlUI::GetBorderRound() const
{
    return SIZE{ScaleValue(m_cxyBorderRound.cx), ScaleValue(m_cxyBorderRound.cy)};
}

void CControlUI::SetBorderRound(SIZE cxyRound)
{
    m_cxyBorderRound = cxyRound;
    Invalidate();
}

DWORD CControlUI::GetAdjustColor(DWORD dwColor) const
{
    // The manager keeps no global hue, saturation and lightness yet: the neutral adjustment.
    if (!m_bColorHSL)
        return dwColor;
    return CRenderEngine::AdjustColor(dwColor, 180, 100, 100);
}

bool CControlUI::DrawImage(HDC hDC, const wchar_t* pStrImage, const wchar_t* pStrModify)
{
    return CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcPaint, pStrImage, pStrModify,
                                          m_instance);
}

// ---- geometry -----------------------------------------------------------------------------

int CControlUI::ScaleValue(int iValue) const
{
    return m_pManager != nullptr ? m_pManager->GetDPIObj()->Scale(iValue) : iValue;
}

RECT CControlUI::GetRelativePos() const
{
    if (m_pParent == nullptr)
        return RECT{0, 0, 0, 0};
    const RECT& rcParent = m_pParent->GetPos();
    RECT rc = m_rcItem;
    ::OffsetRect(&rc, -rcParent.left, -rcParent.top);
    return rc;
}

RECT CControlUI::GetClientPos() const
{
    return m_rcItem;
}

const RECT& CControlUI::GetPos() const
{
    return m_rcItem;
}

void CControlUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;

    CUIRect invalidateRc = m_rcItem;
    if (::IsRectEmpty(&invalidateRc))
        invalidateRc = rc;
    m_rcItem = rc;
    if (m_pManager == nullptr)
        return;

    if (!m_bSetPos)
    {
        m_bSetPos = true;
        OnSize.Fire(this);
        m_bSetPos = false;
    }
    m_bUpdateNeeded = false;

    if (bNeedInvalidate && IsVisible())
    {
        invalidateRc.Join(m_rcItem);
        for (CControlUI* pParent = m_pParent; pParent != nullptr; pParent = pParent->GetParent())
        {
            RECT rcTemp = invalidateRc;
            const RECT& rcParent = pParent->GetPos();
            if (!pParent->IsVisible() || !::IntersectRect(&invalidateRc, &rcTemp, &rcParent))
                return;
        }
        m_pManager->Invalidate(invalidateRc);
    }
}

void CControlUI::Move(SIZE szOffset, bool bNeedInvalidate)
{
    m_cXY.cx = SaturatingAdd(m_cXY.cx, szOffset.cx);
    m_cXY.cy = SaturatingAdd(m_cXY.cy, szOffset.cy);
    if (bNeedInvalidate)
        Invalidate();
    NeedParentUpdate();
}

bool CControlUI::CalcPos(CControlUI*, RECT&)
{
    return false;
}

int CControlUI::GetWidth() const
{
    return SaturatingSub(m_rcItem.right, m_rcItem.left);
}

int CControlUI::GetHeight() const
{
    return SaturatingSub(m_rcItem.bottom, m_rcItem.top);
}

int CControlUI::GetX() const
{
    return m_rcItem.left;
}

int CControlUI::GetY() const
{
    return m_rcItem.top;
}

RECT CControlUI::GetPadding() const
{
    return RECT{ScaleValue(m_rcPadding.left), ScaleValue(m_rcPadding.top), ScaleValue(m_rcPadding.right),
                ScaleValue(m_rcPadding.bottom)};
}

void CControlUI::SetPadding(RECT rcPadding)
{
    m_rcPadding = rcPadding;
    NeedParentUpdate();
}

SIZE CControlUI::GetFixedXY() const
{
    return SIZE{ScaleValue(m_cXY.cx), ScaleValue(m_cXY.cy)};
}

void CControlUI::SetFixedXY(SIZE szXY)
{
    m_cXY = szXY;
    NeedParentUpdate();
}

int CControlUI::GetFixedWidth() const
{
    return ScaleValue(m_cxyFixed.cx);
}

void CControlUI::SetFixedWidth(int cx)
{
    if (cx < 0)
        return;
    m_cxyFixed.cx = cx;
    NeedParentUpdate();
}

int CControlUI::GetFixedHeight() const
{
    return ScaleValue(m_cxyFixed.cy);
}

void CControlUI::SetFixedHeight(int cy)
{
    if (cy < 0)
        return;
    m_cxyFixed.cy = cy;
    NeedParentUpdate();
}

int CControlUI::GetFixedWidthPercent() const
{
    return m_nFixedWidthPercent;
}

void CControlUI::SetFixedWidthPercent(int nPercent)
{
    if (nPercent < 0 || nPercent > 100)
        return;
    m_nFixedWidthPercent = nPercent;
    NeedParentUpdate();
}

int CControlUI::GetFixedHeightPercent() const
{
    return m_nFixedHeightPercent;
}

void CControlUI::SetFixedHeightPercent(int nPercent)
{
    if (nPercent < 0 || nPercent > 100)
        return;
    m_nFixedHeightPercent = nPercent;
    NeedParentUpdate();
}

int CControlUI::GetMinWidth() const
{
    return ScaleValue(m_cxyMin.cx);
}

void CControlUI::SetMinWidth(int cx)
{
    if (m_cxyMin.cx == cx || cx < 0)
        return;
    m_cxyMin.cx = cx;
    NeedParentUpdate();
}

int CControlUI::GetMaxWidth() const
{
    return ScaleValue(m_cxyMax.cx);
}

void CControlUI::SetMaxWidth(int cx)
{
    if (m_cxyMax.cx == cx || cx < 0)
        return;
    m_cxyMax.cx = cx;
    NeedParentUpdate();
}

int CControlUI::GetMinHeight() const
{
    return ScaleValue(m_cxyMin.cy);
}

void CControlUI::SetMinHeight(int cy)
{
    if (m_cxyMin.cy == cy || cy < 0)
        return;
    m_cxyMin.cy = cy;
    NeedParentUpdate();
}

int CControlUI::GetMaxHeight() const
{
    return ScaleValue(m_cxyMax.cy);
}

void CControlUI::SetMaxHeight(int cy)
{
    if (m_cxyMax.cy == cy || cy < 0)
        return;
    m_cxyMax.cy = cy;
    NeedParentUpdate();
}

tagTPercentInfo CControlUI::GetFloatPercent() const
{
    return m_piFloatPercent;
}

void CControlUI::SetFloatPercent(tagTPercentInfo piFloatPercent)
{
    m_piFloatPercent.left = SaneFraction(piFloatPercent.left);
    m_piFloatPercent.top = SaneFraction(piFloatPercent.top);
    m_piFloatPercent.right = SaneFraction(piFloatPercent.right);
    m_piFloatPercent.bottom = SaneFraction(piFloatPercent.bottom);
    NeedParentUpdate();
}

void CControlUI::SetFloatAlign(UINT uAlign)
{
    m_uFloatAlign = uAlign;
    NeedParentUpdate();
}

UINT CControlUI::GetFloatAlign() const
{
    return m_uFloatAlign;
}

void CControlUI::SetFloatPosition(POINT ptPosition)
{
    m_ptFloatPosition = ptPosition;
    NeedParentUpdate();
}

POINT CControlUI::GetFloatPosition() const
{
    return m_ptFloatPosition;
}

bool CControlUI::IsAutoCalcWidth() const
{
    return m_bAutoCalcWidth;
}

void CControlUI::SetAutoCalcWidth(bool bAutoCalcWidth)
{
    m_bAutoCalcWidth = bAutoCalcWidth;
}

bool CControlUI::IsAutoCalcHeight() const
{
    return m_bAutoCalcHeight;
}

void CControlUI::SetAutoCalcHeight(bool bAutoCalcHeight)
{
    m_bAutoCalcHeight = bAutoCalcHeight;
}

// ---- tooltip, cursor, shortcut, user data -------------------------------------------------

CUIString CControlUI::GetToolTip() const
{
    if (m_bResourceText)
        return CResourceManager::GetInstance()->GetText(m_sToolTip);
    if (m_iResourceID > 0)
    {
        if (CLangPackageUI* pPackage = GetLangPackage())
        {
            CUIString sToolTip = pPackage->GetToolTip(m_iResourceID);
            if (!sToolTip.IsEmpty())
                return sToolTip;
        }
    }
    return m_sToolTip;
}

void CControlUI::SetToolTip(const wchar_t* pstrText)
{
    CUIString sText(pstrText);
    sText.Replace(L"<n>", L"\r\n");
    m_sToolTip = sText;
}

void CControlUI::SetToolTipWidth(int nWidth)
{
    m_nTooltipWidth = nWidth;
}

int CControlUI::GetToolTipWidth() const
{
    return ScaleValue(m_nTooltipWidth);
}

WORD CControlUI::GetCursor() const
{
    return m_wCursor;
}

void CControlUI::SetCursor(WORD wCursor)
{
    m_wCursor = wCursor;
    Invalidate();
}

wchar_t CControlUI::GetShortcut() const
{
    return m_chShortcut;
}

void CControlUI::SetShortcut(wchar_t ch)
{
    m_chShortcut = ch;
}

bool CControlUI::IsContextMenuUsed() const
{
    return m_bMenuUsed;
}

void CControlUI::SetContextMenuUsed(bool bMenuUsed)
{
    m_bMenuUsed = bMenuUsed;
}

const CUIString& CControlUI::GetUserData() const
{
    return m_sUserData;
}

void CControlUI::SetUserData(const wchar_t* pstrText)
{
    m_sUserData = pstrText;
}

UINT_PTR CControlUI::GetTag() const
{
    return m_pTag;
}

void CControlUI::SetTag(UINT_PTR pTag)
{
    m_pTag = pTag;
}

void CControlUI::SetVirtualWnd(const wchar_t* pstrValue)
{
    m_sVirtualWnd = pstrValue;
    if (m_pManager != nullptr)
        m_pManager->UsedVirtualWnd(true);
}

CUIString CControlUI::GetVirtualWnd() const
{
    // Iterative: a deep tree must not cost stack.
    for (const CControlUI* p = this; p != nullptr; p = p->m_pParent)
        if (!p->m_sVirtualWnd.IsEmpty())
            return p->m_sVirtualWnd;
    return CUIString();
}

// ---- state --------------------------------------------------------------------------------

bool CControlUI::IsVisible() const
{
    return m_bVisible && m_bInternVisible;
}

void CControlUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible)
        return;
    const bool bWasVisible = IsVisible();
    m_bVisible = bVisible;
    m_bFocused = false;
    if (!bVisible && m_pManager != nullptr && m_pManager->GetFocus() == this)
        m_pManager->SetFocus(nullptr);
    if (IsVisible() != bWasVisible)
        NeedParentUpdate();
}

void CControlUI::SetInternVisible(bool bVisible)
{
    m_bInternVisible = bVisible;
    if (!bVisible && m_pManager != nullptr && m_pManager->GetFocus() == this)
        m_pManager->SetFocus(nullptr);
}

bool CControlUI::IsEnabled() const
{
    return m_bEnabled;
}

void CControlUI::SetEnabled(bool bEnable)
{
    if (m_bEnabled == bEnable)
        return;
    m_bEnabled = bEnable;
    Invalidate();
}

bool CControlUI::IsMouseEnabled() const
{
    return m_bMouseEnabled;
}

void CControlUI::SetMouseEnabled(bool bEnable)
{
    m_bMouseEnabled = bEnable;
}

bool CControlUI::IsKeyboardEnabled() const
{
    return m_bKeyboardEnabled;
}

void CControlUI::SetKeyboardEnabled(bool bEnable)
{
    m_bKeyboardEnabled = bEnable;
}

bool CControlUI::IsFocused() const
{
    return m_bFocused;
}

void CControlUI::SetFocus()
{
    if (m_pManager != nullptr)
        m_pManager->SetFocus(this);
}

bool CControlUI::IsFloat() const
{
    return m_bFloat;
}

void CControlUI::SetFloat(bool bFloat)
{
    if (m_bFloat == bFloat)
        return;
    m_bFloat = bFloat;
    NeedParentUpdate();
}

bool CControlUI::IsHot() const
{
    return m_bHot;
}

void CControlUI::SetHot(bool bHot)
{
    if (m_bHot == bHot)
        return;
    m_bHot = bHot;
    Invalidate();
}

// ---- search, life, events -----------------------------------------------------------------

CControlUI* CControlUI::FindControl(FindControlProc Proc, void* pData, UINT uFlags)
{
    if ((uFlags & FindVisible) != 0 && !IsVisible())
        return nullptr;
    if ((uFlags & FindEnabled) != 0 && !IsEnabled())
        return nullptr;
    if ((uFlags & FindHitTest) != 0 &&
        (!m_bMouseEnabled || !::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData))))
        return nullptr;
    return Proc(this, pData);
}

void CControlUI::Init()
{
    DoInit();
    OnInit.Fire(this);
}

void CControlUI::DoInit() {}

void CControlUI::Event(tagTEventUI& event)
{
    if (OnEvent.Fire(&event))
        DoEvent(event);
}

void CControlUI::DoEvent(tagTEventUI& event)
{
    switch (event.Type)
    {
    case EventType::SetCursor:
        ::SetCursor(::LoadCursor(nullptr, MAKEINTRESOURCE(m_wCursor != 0 ? m_wCursor : 32512)));
        return;
    case EventType::SetFocus:
        m_bFocused = true;
        Invalidate();
        return;
    case EventType::KillFocus:
        m_bFocused = false;
        Invalidate();
        return;
    case EventType::Timer:
        if (IsAnimationRunning(static_cast<int>(event.wParam)))
            OnAnimationElapse(static_cast<int>(event.wParam));
        if (m_pManager != nullptr)
            m_pManager->SendNotify(this, L"timer", event.wParam, event.lParam);
        return;
    case EventType::ContextMenu:
        if (IsContextMenuUsed())
        {
            if (m_pManager != nullptr)
                m_pManager->SendNotify(this, L"menu", event.wParam, event.lParam);
            return;
        }
        break;
    default:
        break;
    }
    if (m_pParent != nullptr)
        m_pParent->DoEvent(event);
}

bool CControlUI::SetTimer(UINT nTimerID, UINT nElapse)
{
    return m_pManager != nullptr && m_pManager->SetTimer(this, nTimerID, nElapse);
}

bool CControlUI::KillTimer(UINT nTimerID)
{
    return m_pManager != nullptr && m_pManager->KillTimer(this, nTimerID);
}

// ---- attributes ---------------------------------------------------------------------------

void CControlUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";

    // Any attribute whose value names a style applies that style instead ("style" included).
    if (m_pManager != nullptr && *pstrValue != L'\0')
    {
        if (const wchar_t* pStyle = m_pManager->GetStyle(pstrValue))
        {
            ApplyStyle(pstrValue, pStyle);
            return;
        }
    }

    if (Is(pstrName, L"pos"))
    {
        const CUIRect rc(pstrValue);
        const SIZE szXY = {rc.left >= 0 ? rc.left : rc.right, rc.top >= 0 ? rc.top : rc.bottom};
        SetFixedXY(szXY);
        SetFixedWidth(SaturatingSub(rc.right, rc.left));
        SetFixedHeight(SaturatingSub(rc.bottom, rc.top));
    }
    else if (Is(pstrName, L"float"))
    {
        if (wcschr(pstrValue, L',') == nullptr)
            SetFloat(ReadBool(pstrValue));
        else
        {
            double d[4] = {0, 0, 0, 0};
            ReadFractions(pstrValue, d, 4);
            SetFloatPercent(tagTPercentInfo{d[0], d[1], d[2], d[3]});
            SetFloat(true);
        }
    }
    else if (Is(pstrName, L"floatpercent"))
    {
        const CUIRect rc(pstrValue);
        SetFloatPercent(
            tagTPercentInfo{rc.left / 100.0, rc.top / 100.0, rc.right / 100.0, rc.bottom / 100.0});
    }
    else if (Is(pstrName, L"floatalign"))
        SetFloatAlign(ReadFloatAlign(pstrValue, m_uFloatAlign));
    else if (Is(pstrName, L"floatvalign"))
    {
        UINT uAlign = m_uFloatAlign;
        if (wcsstr(pstrValue, L"top") != nullptr)
            uAlign &= ~(0x4u | 0x8u);
        else if (wcsstr(pstrValue, L"vcenter") != nullptr)
            uAlign = (uAlign | 0x4u) & ~0x8u;
        else if (wcsstr(pstrValue, L"bottom") != nullptr)
            uAlign = (uAlign | 0x8u) & ~0x4u;
        SetFloatAlign(uAlign);
    }
    else if (Is(pstrName, L"floatposition"))
    {
        CUISize sz;
        sz.FromString(pstrValue);
        SetFloatPosition(POINT{sz.cx, sz.cy});
    }
    else if (Is(pstrName, L"padding"))
        SetPadding(CUIRect(pstrValue));
    else if (Is(pstrName, L"gradient"))
        SetGradient(pstrValue);
    else if (Is(pstrName, L"bkcolor") || Is(pstrName, L"bkcolor1"))
        SetBkColor(ReadColor(pstrValue, true));
    else if (Is(pstrName, L"bkcolor2"))
        SetBkColor2(ReadColor(pstrValue, true));
    else if (Is(pstrName, L"bkcolor3"))
        SetBkColor3(ReadColor(pstrValue, true));
    else if (Is(pstrName, L"hotbkcolor"))
        SetHotBkColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"focusbkcolor"))
        SetFocusBkColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"forecolor"))
        SetForeColor(ReadColor(pstrValue, true));
    else if (Is(pstrName, L"bordercolor"))
        SetBorderColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"focusbordercolor"))
        SetFocusBorderColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"hotbordercolor"))
        SetHotBorderColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"colorhsl"))
        SetColorHSL(ReadBool(pstrValue));
    else if (Is(pstrName, L"bordersize"))
    {
        if (wcschr(pstrValue, L',') == nullptr)
        {
            SetBorderSize(ReadInt(pstrValue));
            SetBorderSize(RECT{0, 0, 0, 0});
        }
        else
            SetBorderSize(CUIRect(pstrValue));
    }
    else if (Is(pstrName, L"leftbordersize"))
        SetLeftBorderSize(ReadInt(pstrValue));
    else if (Is(pstrName, L"topbordersize"))
        SetTopBorderSize(ReadInt(pstrValue));
    else if (Is(pstrName, L"rightbordersize"))
        SetRightBorderSize(ReadInt(pstrValue));
    else if (Is(pstrName, L"bottombordersize"))
        SetBottomBorderSize(ReadInt(pstrValue));
    else if (Is(pstrName, L"borderstyle"))
        SetBorderStyle(ReadInt(pstrValue));
    else if (Is(pstrName, L"borderround"))
    {
        CUISize sz;
        sz.FromString(pstrValue);
        SetBorderRound(sz);
    }
    else if (Is(pstrName, L"bkimage"))
    {
        // A reloaded skin must not keep showing the image cached under the same description.
        if (m_pManager != nullptr)
            m_pManager->RemoveImage(pstrValue);
        SetBkImage(pstrValue);
    }
    else if (Is(pstrName, L"foreimage"))
        SetForeImage(pstrValue);
    else if (Is(pstrName, L"width"))
        SetFixedWidth(ReadInt(pstrValue));
    else if (Is(pstrName, L"height"))
        SetFixedHeight(ReadInt(pstrValue));
    else if (Is(pstrName, L"widthpercent"))
        SetFixedWidthPercent(ReadInt(pstrValue));
    else if (Is(pstrName, L"heightpercent"))
        SetFixedHeightPercent(ReadInt(pstrValue));
    else if (Is(pstrName, L"minwidth"))
        SetMinWidth(ReadInt(pstrValue));
    else if (Is(pstrName, L"minheight"))
        SetMinHeight(ReadInt(pstrValue));
    else if (Is(pstrName, L"maxwidth"))
        SetMaxWidth(ReadInt(pstrValue));
    else if (Is(pstrName, L"maxheight"))
        SetMaxHeight(ReadInt(pstrValue));
    else if (Is(pstrName, L"name"))
        SetName(pstrValue);
    else if (Is(pstrName, L"drag"))
        SetDragEnable(ReadBool(pstrValue));
    else if (Is(pstrName, L"drop"))
        SetDropEnable(ReadBool(pstrValue));
    else if (Is(pstrName, L"resourcetext"))
        SetResourceText(ReadBool(pstrValue));
    else if (Is(pstrName, L"resourceid"))
        SetResourceID(ReadInt(pstrValue));
    else if (Is(pstrName, L"text"))
        SetText(pstrValue);
    else if (Is(pstrName, L"tooltip"))
        SetToolTip(pstrValue);
    else if (Is(pstrName, L"userdata"))
        SetUserData(pstrValue);
    else if (Is(pstrName, L"enabled"))
        SetEnabled(ReadBool(pstrValue));
    else if (Is(pstrName, L"mouse"))
        SetMouseEnabled(ReadBool(pstrValue));
    else if (Is(pstrName, L"keyboard"))
        SetKeyboardEnabled(ReadBool(pstrValue));
    else if (Is(pstrName, L"visible"))
        SetVisible(ReadBool(pstrValue));
    else if (Is(pstrName, L"shortcut"))
        SetShortcut(pstrValue[0]);
    else if (Is(pstrName, L"menu"))
        SetContextMenuUsed(ReadBool(pstrValue));
    else if (Is(pstrName, L"cursor"))
    {
        for (const auto& c : kCursors)
            if (Is(pstrValue, c.name))
            {
                SetCursor(c.id);
                break;
            }
    }
    else if (Is(pstrName, L"virtualwnd"))
        SetVirtualWnd(pstrValue);
    else if (Is(pstrName, L"innerstyle"))
    {
        CUIString sList(pstrValue);
        sList.Replace(L"&quot;", L"\"");
        ApplyListItems(sList);
    }
    else if (Is(pstrName, L"autocalcwidth"))
        SetAutoCalcWidth(ReadBool(pstrValue));
    else if (Is(pstrName, L"autocalcheight"))
        SetAutoCalcHeight(ReadBool(pstrValue));
    else if (Is(pstrName, L"animation"))
    {
        for (const auto& a : kAnimations)
            if (Is(pstrValue, a.name))
            {
                SetAnimation(a.style);
                break;
            }
    }
    else if (Is(pstrName, L"framecount"))
        SetFrameCount(ReadInt(pstrValue));
    else if (Is(pstrName, L"framedelay"))
        SetFrameDelay(ReadInt(pstrValue));
    else
    {
        for (const wchar_t* pHook : kScriptHooks)
            if (wcscmp(pstrName, pHook) == 0)
                return; // no script engine: the hook stays empty
        AddCustomAttribute(pstrName, pstrValue);
    }
}

void CControlUI::ApplyStyle(const wchar_t* pstrStyleName, const wchar_t* pstrList)
{
    for (const CUIString& s : t_aStylesInProgress)
        if (s == pstrStyleName)
            return;
    t_aStylesInProgress.push_back(CUIString(pstrStyleName));
    // The list may be freed while it is applied (a style attribute that redefines styles is
    // not possible, but a copy costs little).
    const CUIString sList(pstrList);
    CUIString sExpanded(sList);
    sExpanded.Replace(L"&quot;", L"\"");
    ApplyListItems(sExpanded);
    t_aStylesInProgress.pop_back();
}

CControlUI* CControlUI::ApplyAttributeList(const wchar_t* pstrList)
{
    if (pstrList == nullptr)
        return this;
    if (m_pManager != nullptr && *pstrList != L'\0')
    {
        if (const wchar_t* pStyle = m_pManager->GetStyle(pstrList))
        {
            ApplyStyle(pstrList, pStyle);
            return this;
        }
    }
    CUIString sList(pstrList);
    sList.Replace(L"&quot;", L"\"");
    ApplyListItems(sList);
    return this;
}

void CControlUI::ApplyListItems(const wchar_t* pstrList)
{
    // Items are name="value", separated by one blank or one comma. Inside a value a quote that
    // follows an "=" opens a nested value (file='a.png' source='0,0,1,1'), closed by the next
    // quote. Reading stops at the first item that breaks the pattern.
    const wchar_t* p = pstrList;
    while (p != nullptr && *p != L'\0')
    {
        const wchar_t* pNameStart = p;
        while (*p != L'\0' && *p != L'=')
            ++p;
        if (*p != L'=')
            return;
        const CUIString sName(pNameStart, static_cast<int>(p - pNameStart));
        ++p;
        if (*p != L'"')
            return;
        ++p;

        CUIString sValue;
        const wchar_t* pValueStart = p;
        bool bAfterEquals = false;
        for (;;)
        {
            const wchar_t ch = *p;
            if (ch == L'\0')
                return;
            if (ch == L'"' || ch == L'\'')
            {
                if (!bAfterEquals)
                    break;
                // Nested value: runs to the next quote of any kind.
                ++p;
                while (*p != L'\0' && *p != L'"' && *p != L'\'')
                    ++p;
                if (*p == L'\0')
                    return;
                ++p;
                bAfterEquals = false;
                continue;
            }
            if (ch == L'=')
                bAfterEquals = true;
            else if (ch != L' ')
                bAfterEquals = false;
            ++p;
        }
        if (*p != L'"')
            return;
        sValue.Assign(pValueStart, static_cast<int>(p - pValueStart));
        ++p;
        SetAttribute(sName, sValue);
        if (*p != L' ' && *p != L',')
            return;
        ++p;
    }
}

bool CControlUI::AddCustomAttribute(const wchar_t* pstrName, const wchar_t* pstrAttr)
{
    if (pstrName == nullptr || pstrName[0] == L'\0' || pstrAttr == nullptr || pstrAttr[0] == L'\0')
        return false;
    if (m_mCustomAttrHash.Find(pstrName) != nullptr)
        return false; // the first value wins
    CUIString* pValue = new CUIString(pstrAttr);
    if (!m_mCustomAttrHash.Insert(pstrName, pValue))
    {
        delete pValue;
        return false;
    }
    return true;
}

const wchar_t* CControlUI::GetCustomAttribute(const wchar_t* pstrName) const
{
    if (pstrName == nullptr || pstrName[0] == L'\0')
        return nullptr;
    const CUIString* pValue = static_cast<const CUIString*>(m_mCustomAttrHash.Find(pstrName));
    return pValue != nullptr ? pValue->GetData() : nullptr;
}

bool CControlUI::RemoveCustomAttribute(const wchar_t* pstrName)
{
    if (pstrName == nullptr || pstrName[0] == L'\0')
        return false;
    CUIString* pValue = static_cast<CUIString*>(m_mCustomAttrHash.Find(pstrName));
    if (pValue == nullptr)
        return false;
    delete pValue;
    return m_mCustomAttrHash.Remove(pstrName);
}

void CControlUI::RemoveAllCustomAttribute()
{
    for (int i = 0; i < m_mCustomAttrHash.GetSize(); ++i)
    {
        if (const wchar_t* key = m_mCustomAttrHash.GetAt(i))
            delete static_cast<CUIString*>(m_mCustomAttrHash.Find(key, false));
    }
    m_mCustomAttrHash.Resize(83);
}

// ---- layout and painting ------------------------------------------------------------------

SIZE CControlUI::EstimateSize(SIZE)
{
    if (IsAnimationRunning(AnimIdShow) || IsAnimationRunning(AnimIdHide) || !m_bPaneVisible)
        return m_szAnimationCurrent;
    return SIZE{GetFixedWidth(), GetFixedHeight()};
}

bool CControlUI::Paint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl)
{
    if (pStopControl == this)
        return false;
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem))
        return true;
    if (!OnPaint.Fire(this))
        return true;
    return DoPaint(hDC, m_rcPaint, pStopControl);
}

bool CControlUI::DoPaint(HDC hDC, const RECT& rcPaint, CControlUI*)
{
    m_rcPaint = rcPaint;
    const SIZE cxyBorderRound = GetBorderRound();
    CRenderClip roundClip;
    if (cxyBorderRound.cx > 0 || cxyBorderRound.cy > 0)
        CRenderClip::GenerateRoundClip(hDC, m_rcPaint, m_rcItem, cxyBorderRound.cx, cxyBorderRound.cy,
                                       roundClip);
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    PaintStatusImage(hDC);
    PaintForeColor(hDC);
    PaintForeImage(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
    return true;
}

void CControlUI::PaintBkColor(HDC hDC)
{
    if (m_dwBackColor == 0)
        return;
    const bool bVertical = m_sGradient.CompareNoCase(L"hor") != 0;
    if (m_dwBackColor2 == 0)
    {
        // An opaque colour only needs the part being painted; a translucent one covers the
        // whole item so partial repaints do not build up darker overlaps.
        const DWORD dwColor = GetAdjustColor(m_dwBackColor);
        CRenderEngine::DrawColor(hDC, (m_dwBackColor >> 24) < 0xFF ? m_rcItem : m_rcPaint, dwColor);
        return;
    }
    if (m_dwBackColor3 == 0)
    {
        CRenderEngine::DrawGradient(hDC, m_rcItem, GetAdjustColor(m_dwBackColor),
                                    GetAdjustColor(m_dwBackColor2), bVertical, 16);
        return;
    }
    RECT rc = m_rcItem;
    rc.bottom = (m_rcItem.bottom + m_rcItem.top) / 2;
    CRenderEngine::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor), GetAdjustColor(m_dwBackColor2),
                                bVertical, 8);
    rc.top = rc.bottom;
    rc.bottom = m_rcItem.bottom;
    CRenderEngine::DrawGradient(hDC, rc, GetAdjustColor(m_dwBackColor2), GetAdjustColor(m_dwBackColor3),
                                bVertical, 8);
}

void CControlUI::PaintBkImage(HDC hDC)
{
    if (!m_sBkImage.IsEmpty())
        DrawImage(hDC, m_sBkImage);
}

void CControlUI::PaintStatusImage(HDC) {}

void CControlUI::PaintForeColor(HDC hDC)
{
    if (m_dwForeColor != 0)
        CRenderEngine::DrawColor(hDC, m_rcItem, GetAdjustColor(m_dwForeColor));
}

void CControlUI::PaintForeImage(HDC hDC)
{
    if (!m_sForeImage.IsEmpty())
        DrawImage(hDC, m_sForeImage);
}

void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC hDC)
{
    if (m_dwBorderColor == 0 && m_dwFocusBorderColor == 0 && m_dwHotBorderColor == 0)
        return;
    const int nBorderSize = GetBorderSize();
    const SIZE cxyBorderRound = GetBorderRound();
    const RECT rcBorderSize = GetBorderRectSize();

    if (nBorderSize >= 1 && (cxyBorderRound.cx > 0 || cxyBorderRound.cy > 0))
    {
        DWORD dwColor = m_dwBorderColor;
        if (IsFocused() && m_dwFocusBorderColor != 0)
            dwColor = m_dwFocusBorderColor;
        else if (IsHot() && m_dwHotBorderColor != 0)
            dwColor = m_dwHotBorderColor;
        CRenderEngine::DrawRoundRect(hDC, m_rcItem, nBorderSize, cxyBorderRound.cx, cxyBorderRound.cy,
                                     GetAdjustColor(dwColor), m_nBorderStyle);
        return;
    }
    if (IsFocused() && m_dwFocusBorderColor != 0 && nBorderSize >= 1)
    {
        CRenderEngine::DrawRect(hDC, m_rcItem, nBorderSize, GetAdjustColor(m_dwFocusBorderColor),
                                m_nBorderStyle);
        return;
    }
    if (IsHot() && m_dwHotBorderColor != 0 && nBorderSize >= 1)
    {
        CRenderEngine::DrawRect(hDC, m_rcItem, nBorderSize, GetAdjustColor(m_dwHotBorderColor),
                                m_nBorderStyle);
        return;
    }
    if (rcBorderSize.left > 0 || rcBorderSize.top > 0 || rcBorderSize.right > 0 || rcBorderSize.bottom > 0)
    {
        const DWORD dwColor = GetAdjustColor(m_dwBorderColor);
        RECT rc;
        if (rcBorderSize.left > 0)
        {
            rc = RECT{m_rcItem.left, m_rcItem.top, m_rcItem.left, m_rcItem.bottom};
            CRenderEngine::DrawLine(hDC, rc, rcBorderSize.left, dwColor, m_nBorderStyle);
        }
        if (rcBorderSize.top > 0)
        {
            rc = RECT{m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.top};
            CRenderEngine::DrawLine(hDC, rc, rcBorderSize.top, dwColor, m_nBorderStyle);
        }
        if (rcBorderSize.right > 0)
        {
            rc = RECT{m_rcItem.right - 1, m_rcItem.top, m_rcItem.right - 1, m_rcItem.bottom};
            CRenderEngine::DrawLine(hDC, rc, rcBorderSize.right, dwColor, m_nBorderStyle);
        }
        if (rcBorderSize.bottom > 0)
        {
            rc = RECT{m_rcItem.left, m_rcItem.bottom - 1, m_rcItem.right, m_rcItem.bottom - 1};
            CRenderEngine::DrawLine(hDC, rc, rcBorderSize.bottom, dwColor, m_nBorderStyle);
        }
        return;
    }
    if (nBorderSize >= 1)
        CRenderEngine::DrawRect(hDC, m_rcItem, nBorderSize, GetAdjustColor(m_dwBorderColor), m_nBorderStyle);
}

void CControlUI::DoPostPaint(HDC, const RECT&) {}

bool CControlUI::OnEnableResponseDefaultKeyEvent(WPARAM)
{
    return true;
}

void CControlUI::Invalidate()
{
    if (!IsVisible() || m_pManager == nullptr)
        return;
    RECT invalidateRc = m_rcItem;
    for (CControlUI* pParent = m_pParent; pParent != nullptr; pParent = pParent->GetParent())
    {
        RECT rcTemp = invalidateRc;
        const RECT& rcParent = pParent->GetPos();
        if (!::IntersectRect(&invalidateRc, &rcTemp, &rcParent))
            return;
    }
    if (IsEmptyRect(invalidateRc))
        return;
    m_pManager->Invalidate(invalidateRc);
}

bool CControlUI::IsUpdateNeeded() const
{
    return m_bUpdateNeeded;
}

void CControlUI::NeedUpdate()
{
    if (!IsVisible())
        return;
    m_bUpdateNeeded = true;
    Invalidate();
    if (m_pManager != nullptr)
        m_pManager->NeedUpdate();
}

void CControlUI::NeedParentUpdate()
{
    if (m_pParent != nullptr)
    {
        m_pParent->NeedUpdate();
        m_pParent->Invalidate();
    }
    else
        NeedUpdate();
    if (m_pManager != nullptr)
        m_pManager->NeedUpdate();
}

// ---- show/hide animation ------------------------------------------------------------------

void CControlUI::SetPaneVisible(bool bVisible)
{
    const bool bScaled = m_animation == AnimScaleVertical || m_animation == AnimScaleHorizontal ||
                         m_animation == AnimScaleSize;
    if (!bScaled || m_pManager == nullptr)
    {
        if (m_bPaneVisible == bVisible)
            return;
        m_bPaneVisible = bVisible;
        m_szAnimationCurrent = SIZE{0, 0};
        NeedParentUpdate();
        return;
    }
    const int nId = bVisible ? AnimIdShow : AnimIdHide;
    StopAnimation(bVisible ? AnimIdHide : AnimIdShow);
    if (IsAnimationRunning(nId))
        return;
    m_szAnimationBase = SIZE{GetFixedWidth(), GetFixedHeight()};
    if (bVisible)
    {
        m_bPaneVisible = true;
        SetVisible(true);
        OnAnimationStep(m_nFrameCount, 0, AnimIdShow);
    }
    else
    {
        m_szAnimationCurrent = m_szAnimationBase;
    }
    // Without a timer (no window yet) the pane goes straight to its end state rather than
    // staying half shown or never hiding.
    if (!StartAnimation(m_nFrameDelay, m_nFrameCount, nId))
        OnAnimationStop(nId);
}

bool CControlUI::IsPaneVisible() const
{
    return m_bPaneVisible;
}

void CControlUI::SetAnimation(UIAnimStyle animType)
{
    m_animation = animType;
}

UIAnimStyle CControlUI::GetAnimation() const
{
    return m_animation;
}

void CControlUI::SetFrameCount(int framecount)
{
    if (framecount > 0)
        m_nFrameCount = framecount;
}

int CControlUI::GetFrameCount() const
{
    return m_nFrameCount;
}

void CControlUI::SetFrameDelay(int nDelay)
{
    if (nDelay > 0)
        m_nFrameDelay = nDelay;
}

int CControlUI::GetFrameDelay() const
{
    return m_nFrameDelay;
}

void CControlUI::OnAnimationStep(int nTotalFrame, int nCurFrame, int nAnimationID)
{
    if ((nAnimationID != AnimIdShow && nAnimationID != AnimIdHide) || nTotalFrame <= 0)
        return;
    const int nDone = nAnimationID == AnimIdShow ? nCurFrame : nTotalFrame - nCurFrame;
    auto scaled = [&](LONG full)
    {
        const LONG v = static_cast<LONG>(static_cast<long long>(full) * nDone / nTotalFrame);
        return v < 1 ? 1 : v;
    };
    m_szAnimationCurrent = m_szAnimationBase;
    if (m_animation == AnimScaleHorizontal || m_animation == AnimScaleSize)
        m_szAnimationCurrent.cx = scaled(m_szAnimationBase.cx);
    if (m_animation == AnimScaleVertical || m_animation == AnimScaleSize)
        m_szAnimationCurrent.cy = scaled(m_szAnimationBase.cy);
    NeedParentUpdate();
}

void CControlUI::OnAnimationStop(int nAnimationID)
{
    if (nAnimationID == AnimIdHide)
    {
        m_bPaneVisible = false;
        m_szAnimationCurrent = SIZE{0, 0};
        SetVisible(false);
    }
    else if (nAnimationID == AnimIdShow)
        m_szAnimationCurrent = m_szAnimationBase;
    NeedParentUpdate();
}

// ---- reference count ----------------------------------------------------------------------

void CControlUI::__AddRef()
{
    ++m_nRefCount;
}

void CControlUI::__ReleaseRef()
{
    if (--m_nRefCount == 0)
        delete this;
}

} // namespace SkinUI
