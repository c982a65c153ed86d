#include "engine/controls/COptionUI.h"

#include <wchar.h>

#include "engine/controls/AttributeValues.h"
#include "engine/core/CStdPtrArray.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"

namespace SkinUI
{

namespace
{

bool Is(const wchar_t* a, const wchar_t* b)
{
    return _wcsicmp(a, b) == 0;
}

} // namespace

COptionUI::COptionUI()
    : m_bSelected(false), m_iSelectedFont(-1), m_dwSelectedBkColor(0), m_dwSelectedTextColor(0),
      m_nSelectedStateCount(0), m_dwSelectedBorderColor(0)
{
}

COptionUI::~COptionUI()
{
    if (!m_sGroupName.IsEmpty() && m_pManager != nullptr)
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
}

CControlUI* COptionUI::CreateControl()
{
    return new COptionUI;
}

const wchar_t* COptionUI::GetClass() const
{
    return L"OptionUI";
}

void* COptionUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && Is(pstrName, L"Option"))
        return static_cast<COptionUI*>(this);
    return CButtonUI::GetInterface(pstrName);
}

void COptionUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    // Leaving a manager for another one must not leave this option in the old manager's group.
    if (m_pManager != nullptr && m_pManager != pManager && !m_sGroupName.IsEmpty())
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
    CButtonUI::SetManager(pManager, pParent, bInit);
    if (bInit && !m_sGroupName.IsEmpty() && m_pManager != nullptr)
        m_pManager->AddOptionGroup(m_sGroupName, this);
}

void COptionUI::SetGroup(const wchar_t* pStrGroupName)
{
    const CUIString sName(pStrGroupName);
    if (m_sGroupName == sName.GetData())
        return;
    if (!m_sGroupName.IsEmpty() && m_pManager != nullptr)
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
    m_sGroupName = sName;
    if (!m_sGroupName.IsEmpty() && m_pManager != nullptr)
        m_pManager->AddOptionGroup(m_sGroupName, this);
}

const wchar_t* COptionUI::GetGroup() const
{
    return m_sGroupName;
}

bool COptionUI::IsSelected() const
{
    if (m_pManager != nullptr && !m_sSwitchControlVisible.IsEmpty())
    {
        if (CControlUI* pControl = m_pManager->FindControl(m_sSwitchControlVisible))
            return pControl->IsVisible();
    }
    return m_bSelected;
}

void COptionUI::Selected(bool bSelected, bool bTriggerEvent)
{
    if (bSelected == IsSelected())
        return;
    m_bSelected = bSelected;
    if (m_bSelected)
        m_uButtonState |= StateSelected;
    else
        m_uButtonState &= ~StateSelected;

    if (m_pManager != nullptr)
    {
        if (!m_sGroupName.IsEmpty())
        {
            if (m_bSelected)
            {
                // A copy: a member's handlers may change the group while it is walked.
                CStdPtrArray aGroup;
                if (const CStdPtrArray* pGroup = m_pManager->GetOptionGroup(m_sGroupName))
                    for (int i = 0; i < pGroup->GetSize(); ++i)
                        aGroup.Add(pGroup->GetAt(i));
                for (int i = 0; i < aGroup.GetSize(); ++i)
                {
                    CControlUI* pControl = static_cast<CControlUI*>(aGroup[i]);
                    if (pControl == this)
                        continue;
                    if (COptionUI* pOption = static_cast<COptionUI*>(pControl->GetInterface(L"Option")))
                    {
                        pOption->Selected(false, true);
                        pOption->SwitchPaneVisible();
                    }
                }
                if (bTriggerEvent)
                    m_pManager->SendNotify(this, L"selectchanged");
            }
        }
        else if (bTriggerEvent)
            m_pManager->SendNotify(this, L"selectchanged");
    }
    Invalidate();
}

bool COptionUI::Activate()
{
    if (!CLabelUI::Activate())
        return false;
    if (!m_sGroupName.IsEmpty())
        Selected(true, true);
    else
        Selected(!IsSelected(), true);
    NotifyActivated();
    return true;
}

void COptionUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled())
        m_uButtonState = m_bSelected ? static_cast<UINT>(StateSelected) : 0u;
}

void COptionUI::SwitchPaneVisible()
{
    if (m_pManager == nullptr || m_sSwitchControlVisible.IsEmpty())
        return;
    if (CControlUI* pControl = m_pManager->FindControl(m_sSwitchControlVisible))
        pControl->SetPaneVisible(m_bSelected);
}

void COptionUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";
    if (Is(pstrName, L"group"))
        SetGroup(pstrValue);
    else if (Is(pstrName, L"selected"))
        Selected(ReadBool(pstrValue), true);
    else if (Is(pstrName, L"selectedimage"))
        SetSelectedImage(pstrValue);
    else if (Is(pstrName, L"selectedhotimage"))
        SetSelectedHotImage(pstrValue);
    else if (Is(pstrName, L"selectedpushedimage"))
        SetSelectedPushedImage(pstrValue);
    else if (Is(pstrName, L"selectedforeimage"))
        SetSelectedForeImage(pstrValue);
    else if (Is(pstrName, L"selectedstateimage"))
        SetSelectedStateImage(pstrValue);
    else if (Is(pstrName, L"selectedstatecount"))
        SetSelectedStateCount(ReadInt(pstrValue));
    else if (Is(pstrName, L"selectedfont"))
        SetSelectedFont(ReadInt(pstrValue));
    else if (Is(pstrName, L"selectedbkcolor"))
        SetSelectedBkColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"selectedtextcolor"))
        SetSelectedTextColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"selectedbordercolor"))
        SetSelectedBorderColor(ReadColor(pstrValue, false));
    else
        CButtonUI::SetAttribute(pstrName, pstrValue);
}

// ---- painting -----------------------------------------------------------------------------

void COptionUI::PaintBkColor(HDC hDC)
{
    if (IsSelected() && m_dwSelectedBkColor != 0)
    {
        CRenderEngine::DrawColor(hDC, m_rcPaint, GetAdjustColor(m_dwSelectedBkColor));
        return;
    }
    CButtonUI::PaintBkColor(hDC);
}

void COptionUI::PaintStatusImage(HDC hDC)
{
    if (!IsSelected())
    {
        CButtonUI::PaintStatusImage(hDC);
        return;
    }
    if (m_sSelectedImage.IsEmpty())
        GenerateStateImages(m_sSelectedStateImage, m_nSelectedStateCount, m_sSelectedImage,
                            m_sSelectedHotImage, m_sSelectedPushedImage, nullptr);
    if ((m_uButtonState & StatePushed) && !m_sSelectedPushedImage.IsEmpty())
    {
        if (DrawImage(hDC, m_sSelectedPushedImage))
            return;
    }
    else if ((m_uButtonState & StateHot) && !m_sSelectedHotImage.IsEmpty())
    {
        if (DrawImage(hDC, m_sSelectedHotImage))
            return;
    }
    DrawIfSet(hDC, m_sSelectedImage);
}

void COptionUI::PaintForeImage(HDC hDC)
{
    if (IsSelected() && DrawIfSet(hDC, m_sSelectedForeImage))
        return;
    CButtonUI::PaintForeImage(hDC);
}

void COptionUI::PaintText(HDC hDC)
{
    if (!(m_uButtonState & StateSelected))
    {
        CButtonUI::PaintText(hDC);
        return;
    }
    // The selected colour and font stand in for this paint only.
    ResolveDefaultColors();
    const DWORD dwOldColor = m_dwTextColor;
    const int iOldFont = m_iFont;
    if (m_dwSelectedTextColor != 0)
        m_dwTextColor = m_dwSelectedTextColor;
    if (m_iSelectedFont != -1)
        m_iFont = m_iSelectedFont;
    CButtonUI::PaintText(hDC);
    m_dwTextColor = dwOldColor;
    m_iFont = iOldFont;
}

void COptionUI::PaintBorder(HDC hDC)
{
    if (IsSelected() && m_dwSelectedBorderColor != 0)
    {
        PaintBorderInColor(hDC, m_dwSelectedBorderColor);
        return;
    }
    CButtonUI::PaintBorder(hDC);
}

// ---- settings -----------------------------------------------------------------------------

const wchar_t* COptionUI::GetSelectedStateImage() const
{
    return m_sSelectedStateImage;
}

void COptionUI::SetSelectedStateImage(const wchar_t* pStrImage)
{
    // Generated again from the new state image on the next paint.
    m_sSelectedImage.Empty();
    m_sSelectedStateImage = pStrImage;
    Invalidate();
}

void COptionUI::SetSelectedBkColor(DWORD dwBkColor)
{
    m_dwSelectedBkColor = dwBkColor;
}

DWORD COptionUI::GetSelectedBkColor() const
{
    return m_dwSelectedBkColor;
}

void COptionUI::SetSelectedTextColor(DWORD dwTextColor)
{
    m_dwSelectedTextColor = dwTextColor;
}

DWORD COptionUI::GetSelectedTextColor() const
{
    return m_dwSelectedTextColor;
}

void COptionUI::SetSelectedFont(int index)
{
    m_iSelectedFont = index;
    Invalidate();
}

int COptionUI::GetSelectedFont() const
{
    return m_iSelectedFont;
}

void COptionUI::SetSelectedStateCount(int nCount)
{
    m_nSelectedStateCount = nCount;
    Invalidate();
}

int COptionUI::GetSelectedStateCount() const
{
    return m_nSelectedStateCount;
}

void COptionUI::SetSelectedImage(const wchar_t* pStrImage)
{
    m_sSelectedImage = pStrImage;
    Invalidate();
}

const wchar_t* COptionUI::GetSelectedImage() const
{
    return m_sSelectedImage;
}

void COptionUI::SetSelectedHotImage(const wchar_t* pStrImage)
{
    m_sSelectedHotImage = pStrImage;
    Invalidate();
}

void COptionUI::SetSelectedPushedImage(const wchar_t* pStrImage)
{
    m_sSelectedPushedImage = pStrImage;
    Invalidate();
}

void COptionUI::SetSelectedForeImage(const wchar_t* pStrImage)
{
    m_sSelectedForeImage = pStrImage;
    Invalidate();
}

void COptionUI::SetSelectedBorderColor(DWORD dwColor)
{
    m_dwSelectedBorderColor = dwColor;
    Invalidate();
}

} // namespace SkinUI
