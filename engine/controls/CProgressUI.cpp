#include "engine/controls/CProgressUI.h"

#include <climits>
#include <wchar.h>

#include "engine/controls/AttributeValues.h"
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

CProgressUI::CProgressUI()
    : m_bShowText(false), m_bHorizontal(true), m_bStretchForeImage(true), m_nMax(100), m_nMin(0), m_nValue(0)
{
    m_uTextStyle = DT_SINGLELINE | DT_CENTER;
    SetFixedHeight(12);
}

CProgressUI::~CProgressUI() = default;

CControlUI* CProgressUI::CreateControl()
{
    return new CProgressUI;
}

const wchar_t* CProgressUI::GetClass() const
{
    return L"ProgressUI";
}

void* CProgressUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && Is(pstrName, L"Progress"))
        return static_cast<CProgressUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

bool CProgressUI::IsShowText() const
{
    return m_bShowText;
}

void CProgressUI::SetShowText(bool bShowText)
{
    if (m_bShowText == bShowText)
        return;
    m_bShowText = bShowText;
    UpdateText();
}

bool CProgressUI::IsHorizontal() const
{
    return m_bHorizontal;
}

void CProgressUI::SetHorizontal(bool bHorizontal)
{
    if (m_bHorizontal == bHorizontal)
        return;
    m_bHorizontal = bHorizontal;
    Invalidate();
}

bool CProgressUI::IsStretchForeImage() const
{
    return m_bStretchForeImage;
}

void CProgressUI::SetStretchForeImage(bool bStretchForeImage)
{
    if (m_bStretchForeImage == bStretchForeImage)
        return;
    m_bStretchForeImage = bStretchForeImage;
    Invalidate();
}

int CProgressUI::GetMinValue() const
{
    return m_nMin;
}

void CProgressUI::SetMinValue(int nMin)
{
    m_nMin = nMin;
    Invalidate();
}

int CProgressUI::GetMaxValue() const
{
    return m_nMax;
}

void CProgressUI::SetMaxValue(int nMax)
{
    m_nMax = nMax;
    Invalidate();
}

int CProgressUI::GetValue() const
{
    return m_nValue;
}

void CProgressUI::SetValue(int nValue)
{
    if (nValue == m_nValue || nValue < m_nMin || nValue > m_nMax)
        return;
    m_nValue = nValue;
    Invalidate();
    UpdateText();
}

void CProgressUI::UpdateText()
{
    if (!m_bShowText)
        return;
    // An empty range reads as the one painting uses (maximum = minimum + 1).
    const long long range = m_nMax > m_nMin ? static_cast<long long>(m_nMax) - m_nMin : 1;
    const float percent =
        static_cast<float>(static_cast<long long>(m_nValue) - m_nMin) * 100.0f / static_cast<float>(range);
    CUIString sText;
    sText.SmallFormat(L"%.0f%%", static_cast<double>(percent));
    SetText(sText);
}

void CProgressUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";
    if (Is(pstrName, L"hor"))
        SetHorizontal(ReadBool(pstrValue));
    else if (Is(pstrName, L"min"))
        SetMinValue(ReadInt(pstrValue));
    else if (Is(pstrName, L"max"))
        SetMaxValue(ReadInt(pstrValue));
    else if (Is(pstrName, L"value"))
        SetValue(ReadInt(pstrValue));
    else if (Is(pstrName, L"isstretchfore"))
        SetStretchForeImage(ReadBool(pstrValue));
    else
        CLabelUI::SetAttribute(pstrName, pstrValue);
}

RECT CProgressUI::FilledPart()
{
    if (m_nMin >= m_nMax)
    {
        if (m_nMin == INT_MAX)
            m_nMin = INT_MAX - 1;
        m_nMax = m_nMin + 1;
    }
    if (m_nValue > m_nMax)
        m_nValue = m_nMax;
    if (m_nValue < m_nMin)
        m_nValue = m_nMin;
    const long long range = static_cast<long long>(m_nMax) - m_nMin;
    const long long width = static_cast<long long>(m_rcItem.right) - m_rcItem.left;
    const long long height = static_cast<long long>(m_rcItem.bottom) - m_rcItem.top;
    if (m_bHorizontal)
        return RECT{0, 0, static_cast<LONG>(width * (static_cast<long long>(m_nValue) - m_nMin) / range),
                    static_cast<LONG>(height)};
    return RECT{0, static_cast<LONG>(height * (m_nMax - static_cast<long long>(m_nValue)) / range),
                static_cast<LONG>(width), static_cast<LONG>(height)};
}

void CProgressUI::PaintForeColor(HDC hDC)
{
    if (m_dwForeColor == 0)
        return;
    RECT rc = FilledPart();
    ::OffsetRect(&rc, m_rcItem.left, m_rcItem.top);
    CRenderEngine::DrawColor(hDC, rc, GetAdjustColor(m_dwForeColor));
}

void CProgressUI::PaintForeImage(HDC hDC)
{
    if (m_sForeImage.IsEmpty())
        return;
    RECT rc = FilledPart();
    // Draw descriptions speak logical pixels.
    const int scale = m_pManager != nullptr ? static_cast<int>(m_pManager->GetDPIObj()->GetScale()) : 100;
    if (scale > 0)
    {
        rc.left = static_cast<LONG>(rc.left * 100LL / scale);
        rc.top = static_cast<LONG>(rc.top * 100LL / scale);
        rc.right = static_cast<LONG>(rc.right * 100LL / scale);
        rc.bottom = static_cast<LONG>(rc.bottom * 100LL / scale);
    }
    if (m_bStretchForeImage)
        m_sForeImageModify.SmallFormat(L"dest='%d,%d,%d,%d'", rc.left, rc.top, rc.right, rc.bottom);
    else
        m_sForeImageModify.SmallFormat(L"dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", rc.left, rc.top, rc.right,
                                       rc.bottom, rc.left, rc.top, rc.right, rc.bottom);
    DrawImage(hDC, m_sForeImage, m_sForeImageModify);
}

} // namespace SkinUI
