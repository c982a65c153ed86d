#include "engine/controls/CButtonUI.h"

#include <wchar.h>

#include "engine/controls/AttributeValues.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/render/tagTDrawInfo.h"

namespace SkinUI
{

namespace
{

bool Is(const wchar_t* a, const wchar_t* b)
{
    return _wcsicmp(a, b) == 0;
}

void SetImage(CControlUI& control, CUIString& sField, const wchar_t* pStrImage)
{
    if (sField == pStrImage)
        return;
    sField = pStrImage;
    control.Invalidate();
}

void SetColor(CControlUI& control, DWORD& dwField, DWORD dwColor)
{
    if (dwField == dwColor)
        return;
    dwField = dwColor;
    control.Invalidate();
}

} // namespace

CButtonUI::CButtonUI()
    : m_uButtonState(0), m_iHotFont(-1), m_iPushedFont(-1), m_iFocusedFont(-1), m_dwPushedBkColor(0),
      m_dwDisabledBkColor(0), m_dwHotTextColor(0), m_dwPushedTextColor(0), m_dwFocusedTextColor(0),
      m_nStateCount(0), m_dwPushedBorderColor(0), m_dwDisabledBorderColor(0), m_iBindTabIndex(-1)
{
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

CButtonUI::~CButtonUI() = default;

CControlUI* CButtonUI::CreateControl()
{
    return new CButtonUI;
}

const wchar_t* CButtonUI::GetClass() const
{
    return L"ButtonUI";
}

void* CButtonUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && Is(pstrName, L"Button"))
        return static_cast<CButtonUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

UINT CButtonUI::GetControlFlags() const
{
    return (IsKeyboardEnabled() ? static_cast<UINT>(FlagTabStop) : 0u) |
           (IsEnabled() ? static_cast<UINT>(FlagSetCursor) : 0u);
}

// ---- input --------------------------------------------------------------------------------

bool CButtonUI::Activate()
{
    if (!CLabelUI::Activate())
        return false;
    NotifyActivated();
    return true;
}

void CButtonUI::NotifyActivated()
{
    if (m_pManager == nullptr)
        return;
    m_pManager->SendNotify(this, L"click");
    BindTriggerTabSel();
    SwitchPaneVisible();
}

void CButtonUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled())
        m_uButtonState = 0;
}

void CButtonUI::DoEvent(tagTEventUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.Type))
    {
        if (m_pParent != nullptr)
            m_pParent->DoEvent(event);
        else
            CLabelUI::DoEvent(event);
        return;
    }
    const bool bInside = ::PtInRect(&m_rcItem, event.ptMouse) != FALSE;
    switch (event.Type)
    {
    case EventType::SetFocus:
    case EventType::KillFocus:
        Invalidate();
        break;
    case EventType::KeyDown:
        if (IsKeyboardEnabled() && (event.chKey == VK_SPACE || event.chKey == VK_RETURN))
        {
            Activate();
            return;
        }
        break;
    case EventType::ButtonDown:
    case EventType::DblClick:
        if (bInside && IsEnabled())
        {
            m_uButtonState |= StatePushed | StateCaptured;
            Invalidate();
        }
        return;
    case EventType::MouseMove:
        if (m_uButtonState & StateCaptured)
        {
            if (bInside)
                m_uButtonState |= StatePushed;
            else
                m_uButtonState &= ~StatePushed;
            Invalidate();
        }
        return;
    case EventType::ButtonUp:
        if (m_uButtonState & StateCaptured)
        {
            m_uButtonState &= ~(StatePushed | StateCaptured);
            Invalidate();
            if (bInside)
                Activate();
        }
        return;
    case EventType::ContextMenu:
        if (IsContextMenuUsed() && m_pManager != nullptr)
            m_pManager->SendNotify(this, L"menu", event.wParam, event.lParam);
        return;
    case EventType::MouseEnter:
        if (IsEnabled())
        {
            m_uButtonState |= StateHot;
            Invalidate();
        }
        break;
    case EventType::MouseLeave:
        if (IsEnabled())
        {
            m_uButtonState &= ~StateHot;
            Invalidate();
        }
        break;
    default:
        break;
    }
    CLabelUI::DoEvent(event);
}

// ---- attributes ---------------------------------------------------------------------------

void CButtonUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";
    if (Is(pstrName, L"normalimage"))
        SetNormalImage(pstrValue);
    else if (Is(pstrName, L"hotimage"))
        SetHotImage(pstrValue);
    else if (Is(pstrName, L"pushedimage"))
        SetPushedImage(pstrValue);
    else if (Is(pstrName, L"focusedimage"))
        SetFocusedImage(pstrValue);
    else if (Is(pstrName, L"disabledimage"))
        SetDisabledImage(pstrValue);
    else if (Is(pstrName, L"hotforeimage"))
        SetHotForeImage(pstrValue);
    else if (Is(pstrName, L"stateimage"))
        SetStateImage(pstrValue);
    else if (Is(pstrName, L"statecount"))
        SetStateCount(ReadInt(pstrValue));
    else if (Is(pstrName, L"switchpanevisible"))
        SetSwitchPaneVisible(pstrValue);
    else if (Is(pstrName, L"bindtabindex"))
    {
        const int index = ReadInt(pstrValue);
        if (index >= 0)
            BindTabIndex(index);
    }
    else if (Is(pstrName, L"bindtabindexname"))
        BindTabIndexName(pstrValue);
    else if (Is(pstrName, L"bindtablayoutname"))
        BindTabLayoutName(pstrValue);
    else if (Is(pstrName, L"hotbkcolor"))
        SetHotBkColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"pushedbkcolor"))
        SetPushedBkColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"disabledbkcolor"))
        SetDisabledBkColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"hottextcolor"))
        SetHotTextColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"pushedtextcolor"))
        SetPushedTextColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"focusedtextcolor"))
        SetFocusedTextColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"pushedbordercolor"))
        SetPushedBorderColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"disablebordercolor"))
        SetDisableBorderColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"hotfont"))
        SetHotFont(ReadInt(pstrValue));
    else if (Is(pstrName, L"pushedfont"))
        SetPushedFont(ReadInt(pstrValue));
    else if (Is(pstrName, L"focuedfont"))
        SetFocusedFont(ReadInt(pstrValue));
    else
        CLabelUI::SetAttribute(pstrName, pstrValue);
}

// ---- painting -----------------------------------------------------------------------------

bool CButtonUI::DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl)
{
    // The focused and disabled bits follow the control; a disabled window greys everything.
    if (IsFocused())
        m_uButtonState |= StateFocused;
    else
        m_uButtonState &= ~StateFocused;
    if (!IsEnabled())
        m_uButtonState |= StateDisabled;
    else
        m_uButtonState &= ~StateDisabled;
    if (m_pManager != nullptr && m_pManager->GetPaintWindow() != nullptr &&
        !::IsWindowEnabled(m_pManager->GetPaintWindow()))
        m_uButtonState &= StateDisabled;
    return CLabelUI::DoPaint(hDC, rcPaint, pStopControl);
}

void CButtonUI::PaintBkColor(HDC hDC)
{
    DWORD dwColor = 0;
    if (m_uButtonState & StateDisabled)
        dwColor = m_dwDisabledBkColor;
    else if (m_uButtonState & StatePushed)
        dwColor = m_dwPushedBkColor;
    else if (m_uButtonState & StateHot)
        dwColor = m_dwHotBackColor;
    if (dwColor != 0)
    {
        CRenderEngine::DrawColor(hDC, m_rcPaint, GetAdjustColor(dwColor));
        return;
    }
    CLabelUI::PaintBkColor(hDC);
}

bool CButtonUI::GenerateStateImages(const CUIString& sStateImage, int nCount, CUIString& sNormal,
                                    CUIString& sHot, CUIString& sPushed, CUIString* pDisabled) const
{
    if (m_pManager == nullptr || sStateImage.IsEmpty() || nCount <= 0)
        return false;
    tagTDrawInfo info; // parsed without a manager: the destination stays in logical pixels
    info.Parse(sStateImage, nullptr, nullptr);
    const tagTImageInfo* pImage = m_pManager->GetImageEx(info.m_sImageName, info.m_sResType, info.m_dwMask);
    if (pImage == nullptr)
        return false;
    const int w = pImage->nX / nCount;
    const int h = pImage->nY;
    auto part = [&](int k)
    {
        CUIString s;
        s.Format(L"res='%s' restype='%s' dest='%d,%d,%d,%d' source='%d,%d,%d,%d'",
                 info.m_sImageName.GetData(), info.m_sResType.GetData(), info.m_rcDest.left,
                 info.m_rcDest.top, info.m_rcDest.right, info.m_rcDest.bottom, w * k, 0, w * (k + 1), h);
        return s;
    };
    sNormal = part(0);
    if (nCount >= 2)
        sHot = sPushed = part(1);
    if (nCount >= 3)
        sPushed = part(2);
    if (nCount >= 4 && pDisabled != nullptr)
        *pDisabled = part(3);
    return true;
}

bool CButtonUI::DrawIfSet(HDC hDC, const CUIString& sImage)
{
    return !sImage.IsEmpty() && DrawImage(hDC, sImage);
}

void CButtonUI::PaintStatusImage(HDC hDC)
{
    if (m_sNormalImage.IsEmpty())
        GenerateStateImages(m_sStateImage, m_nStateCount, m_sNormalImage, m_sHotImage, m_sPushedImage,
                            &m_sDisabledImage);

    const CUIString* pState = nullptr;
    if (m_uButtonState & StateDisabled)
        pState = &m_sDisabledImage;
    else if (m_uButtonState & StatePushed)
        pState = &m_sPushedImage;
    else if (m_uButtonState & StateHot)
        pState = &m_sHotImage;
    else if (m_uButtonState & StateFocused)
        pState = &m_sFocusedImage;
    if (pState != nullptr && DrawIfSet(hDC, *pState))
        return;
    DrawIfSet(hDC, m_sNormalImage);
}

void CButtonUI::PaintForeImage(HDC hDC)
{
    if ((m_uButtonState & StateHot) && !(m_uButtonState & StatePushed) && DrawIfSet(hDC, m_sHotForeImage))
        return;
    DrawIfSet(hDC, m_sForeImage);
}

void CButtonUI::PaintText(HDC hDC)
{
    ResolveDefaultColors();
    DWORD dwColor = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if ((m_uButtonState & StatePushed) && m_dwPushedTextColor != 0)
        dwColor = m_dwPushedTextColor;
    else if ((m_uButtonState & StateHot) && m_dwHotTextColor != 0)
        dwColor = m_dwHotTextColor;
    else if ((m_uButtonState & StateFocused) && m_dwFocusedTextColor != 0)
        dwColor = m_dwFocusedTextColor;

    int iFont = m_iFont;
    if ((m_uButtonState & StatePushed) && m_iPushedFont != -1)
        iFont = m_iPushedFont;
    else if ((m_uButtonState & StateHot) && m_iHotFont != -1)
        iFont = m_iHotFont;
    else if ((m_uButtonState & StateFocused) && m_iFocusedFont != -1)
        iFont = m_iFocusedFont;
    DrawLabelText(hDC, dwColor, iFont);
}

void CButtonUI::PaintBorderInColor(HDC hDC, DWORD dwColor)
{
    const int nBorderSize = GetBorderSize();
    const SIZE cxyBorderRound = GetBorderRound();
    const RECT rcBorderSize = GetBorderRectSize();
    dwColor = GetAdjustColor(dwColor);
    if (nBorderSize >= 1 && (cxyBorderRound.cx > 0 || cxyBorderRound.cy > 0))
    {
        CRenderEngine::DrawRoundRect(hDC, m_rcItem, nBorderSize, cxyBorderRound.cx, cxyBorderRound.cy,
                                     dwColor, m_nBorderStyle);
        return;
    }
    if (nBorderSize >= 1)
    {
        CRenderEngine::DrawRect(hDC, m_rcItem, nBorderSize, dwColor, m_nBorderStyle);
        return;
    }
    const RECT sides[4] = {{m_rcItem.left, m_rcItem.top, m_rcItem.left, m_rcItem.bottom},
                           {m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.top},
                           {m_rcItem.right - 1, m_rcItem.top, m_rcItem.right - 1, m_rcItem.bottom},
                           {m_rcItem.left, m_rcItem.bottom - 1, m_rcItem.right, m_rcItem.bottom - 1}};
    const LONG widths[4] = {rcBorderSize.left, rcBorderSize.top, rcBorderSize.right, rcBorderSize.bottom};
    for (int i = 0; i < 4; ++i)
        if (widths[i] > 0)
            CRenderEngine::DrawLine(hDC, sides[i], widths[i], dwColor, m_nBorderStyle);
}

void CButtonUI::PaintBorder(HDC hDC)
{
    if ((m_uButtonState & StatePushed) && m_dwPushedBorderColor != 0)
    {
        PaintBorderInColor(hDC, m_dwPushedBorderColor);
        return;
    }
    CLabelUI::PaintBorder(hDC);
}

// ---- images -------------------------------------------------------------------------------

const wchar_t* CButtonUI::GetNormalImage() const
{
    return m_sNormalImage;
}

void CButtonUI::SetNormalImage(const wchar_t* pStrImage)
{
    SetImage(*this, m_sNormalImage, pStrImage);
}

const wchar_t* CButtonUI::GetHotImage() const
{
    return m_sHotImage;
}

void CButtonUI::SetHotImage(const wchar_t* pStrImage)
{
    SetImage(*this, m_sHotImage, pStrImage);
}

const wchar_t* CButtonUI::GetPushedImage() const
{
    return m_sPushedImage;
}

void CButtonUI::SetPushedImage(const wchar_t* pStrImage)
{
    SetImage(*this, m_sPushedImage, pStrImage);
}

const wchar_t* CButtonUI::GetFocusedImage() const
{
    return m_sFocusedImage;
}

void CButtonUI::SetFocusedImage(const wchar_t* pStrImage)
{
    SetImage(*this, m_sFocusedImage, pStrImage);
}

const wchar_t* CButtonUI::GetDisabledImage() const
{
    return m_sDisabledImage;
}

void CButtonUI::SetDisabledImage(const wchar_t* pStrImage)
{
    SetImage(*this, m_sDisabledImage, pStrImage);
}

const wchar_t* CButtonUI::GetHotForeImage() const
{
    return m_sHotForeImage;
}

void CButtonUI::SetHotForeImage(const wchar_t* pStrImage)
{
    SetImage(*this, m_sHotForeImage, pStrImage);
}

const wchar_t* CButtonUI::GetStateImage() const
{
    return m_sStateImage;
}

void CButtonUI::SetStateImage(const wchar_t* pStrImage)
{
    // The normal image is generated from the state image again on the next paint.
    m_sNormalImage.Empty();
    SetImage(*this, m_sStateImage, pStrImage);
}

// ---- tab binding and switched pane --------------------------------------------------------

void CButtonUI::SwitchPaneVisible()
{
    if (m_pManager == nullptr || m_sSwitchControlVisible.IsEmpty())
        return;
    CControlUI* pControl = m_pManager->FindControl(m_sSwitchControlVisible);
    if (pControl != nullptr)
        pControl->SetPaneVisible(!pControl->IsPaneVisible());
}

void CButtonUI::SetSwitchPaneVisible(const wchar_t* pstrControlName)
{
    m_sSwitchControlVisible = pstrControlName;
}

void CButtonUI::BindTabIndex(int index)
{
    if (index >= 0)
        m_iBindTabIndex = index;
}

void CButtonUI::BindTabIndexName(const wchar_t* pstrName)
{
    m_sBindTabIndexName = pstrName;
}

void CButtonUI::BindTabLayoutName(const wchar_t* pstrName)
{
    m_sBindTabLayoutName = pstrName;
}

void CButtonUI::BindTriggerTabSel(int)
{
    // The bound layout would be told to select an item; this system has no tab layout, so a
    // found control (of whatever class) is left alone and a missing one is skipped.
    if (m_pManager == nullptr || m_sBindTabLayoutName.IsEmpty())
        return;
    m_pManager->FindControl(m_sBindTabLayoutName);
}

void CButtonUI::RemoveBindTabIndex()
{
    m_iBindTabIndex = -1;
    m_sBindTabIndexName.Empty();
    m_sBindTabLayoutName.Empty();
}

int CButtonUI::GetBindTabLayoutIndex() const
{
    return m_iBindTabIndex;
}

const wchar_t* CButtonUI::GetBindTabLayoutIndexName() const
{
    return m_sBindTabIndexName;
}

const wchar_t* CButtonUI::GetBindTabLayoutName() const
{
    return m_sBindTabLayoutName;
}

// ---- colours and fonts --------------------------------------------------------------------

void CButtonUI::SetHotTextColor(DWORD dwColor)
{
    m_dwHotTextColor = dwColor;
}

DWORD CButtonUI::GetHotTextColor() const
{
    return m_dwHotTextColor;
}

void CButtonUI::SetPushedTextColor(DWORD dwColor)
{
    m_dwPushedTextColor = dwColor;
}

DWORD CButtonUI::GetPushedTextColor() const
{
    return m_dwPushedTextColor;
}

void CButtonUI::SetFocusedTextColor(DWORD dwColor)
{
    m_dwFocusedTextColor = dwColor;
}

DWORD CButtonUI::GetFocusedTextColor() const
{
    return m_dwFocusedTextColor;
}

void CButtonUI::SetPushedBkColor(DWORD dwColor)
{
    SetColor(*this, m_dwPushedBkColor, dwColor);
}

DWORD CButtonUI::GetPushedBkColor() const
{
    return m_dwPushedBkColor;
}

void CButtonUI::SetDisabledBkColor(DWORD dwColor)
{
    SetColor(*this, m_dwDisabledBkColor, dwColor);
}

DWORD CButtonUI::GetDisabledBkColor() const
{
    return m_dwDisabledBkColor;
}

void CButtonUI::SetHotFont(int index)
{
    m_iHotFont = index;
    Invalidate();
}

int CButtonUI::GetHotFont() const
{
    return m_iHotFont;
}

void CButtonUI::SetPushedFont(int index)
{
    m_iPushedFont = index;
    Invalidate();
}

int CButtonUI::GetPushedFont() const
{
    return m_iPushedFont;
}

void CButtonUI::SetFocusedFont(int index)
{
    m_iFocusedFont = index;
    Invalidate();
}

int CButtonUI::GetFocusedFont() const
{
    return m_iFocusedFont;
}

void CButtonUI::SetStateCount(int nCount)
{
    m_nStateCount = nCount;
    Invalidate();
}

int CButtonUI::GetStateCount() const
{
    return m_nStateCount;
}

void CButtonUI::SetPushedBorderColor(DWORD dwColor)
{
    SetColor(*this, m_dwPushedBorderColor, dwColor);
}

DWORD CButtonUI::GetPushedBorderColor() const
{
    return m_dwPushedBorderColor;
}

void CButtonUI::SetDisableBorderColor(DWORD dwColor)
{
    SetColor(*this, m_dwDisabledBorderColor, dwColor);
}

DWORD CButtonUI::GetDisableBorderColor() const
{
    return m_dwDisabledBorderColor;
}

} // namespace SkinUI
