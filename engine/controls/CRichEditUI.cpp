#include "engine/controls/CRichEditUI.h"

#include <imm.h>
#include <richedit.h>
#include <vector>
#include <wchar.h>
#include <windowsx.h>

#include "engine/controls/AttributeValues.h"
#include "engine/controls/CTxtWinHost.h"
#include "engine/core/CUIRect.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderClip.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CMemoryDC.h"

namespace SkinUI
{

namespace
{

// The caret blink timer of layered windows, which draw the caret themselves.
const UINT kCaretTimerId = 20;

bool IsTrue(const wchar_t* pstrValue)
{
    return wcscmp(pstrValue, L"true") == 0;
}

} // namespace

CRichEditUI::CRichEditUI()
    : m_pTwh(nullptr), m_pFilterManager(nullptr), m_dwStyle(0), m_bWantTab(false), m_bWantReturn(false),
      m_bWantCtrlReturn(false), m_bTransparent(true), m_bRich(false), m_bReadOnly(false), m_bWordWrap(false),
      m_bInited(false), m_iFont(-1), m_dwTextColor(0), m_iLimitText(0x7FFF), m_uTextVAlign(0),
      m_wTextAlign(PFA_LEFT), m_dwTipValueColor(0xFFBAC0C5),
      m_uTipValueAlign(DT_SINGLELINE | DT_LEFT), m_rcTextPadding{0, 0, 0, 0}
{
}

CRichEditUI::~CRichEditUI()
{
    // A field that dies mid drag-selection will never see the release that ends the capture.
    if (m_pFilterManager != nullptr && m_pTwh != nullptr && m_pTwh->IsCaptured())
        m_pFilterManager->ReleaseCapture();
    if (m_pFilterManager != nullptr)
        m_pFilterManager->RemoveMessageFilter(this);
    m_pFilterManager = nullptr;
    if (m_pTwh != nullptr)
    {
        m_pTwh->Destroy();
        m_pTwh = nullptr;
    }
}

CControlUI* CRichEditUI::CreateControl()
{
    return new CRichEditUI;
}

const wchar_t* CRichEditUI::GetClass() const
{
    return L"RichEditUI";
}

void* CRichEditUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && _wcsicmp(pstrName, L"RichEdit") == 0)
        return static_cast<CRichEditUI*>(this);
    if (pstrName != nullptr && _wcsicmp(pstrName, L"MessageFilter") == 0)
        return static_cast<IMessageFilterUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

UINT CRichEditUI::GetControlFlags() const
{
    return IsEnabled() ? static_cast<UINT>(FlagTabStop | FlagSetCursor) : 0u;
}

// ---- life and text ------------------------------------------------------------------------

void CRichEditUI::DoInit()
{
    if (m_bInited)
        return;
    m_bInited = true;
    HFONT hFont = m_pManager != nullptr ? m_pManager->GetFont(m_iFont) : nullptr;
    DWORD dwColor = m_dwTextColor;
    if (dwColor == 0 && m_pManager != nullptr)
        dwColor = m_pManager->GetDefaultFontColor();
    if (m_bReadOnly)
        m_dwStyle |= ES_READONLY;
    m_pTwh = CTxtWinHost::Create(this, CControlUI::GetText(), hFont, dwColor, m_dwStyle, m_iLimitText);
    if (m_pTwh == nullptr)
        return; // no text services: the field shows no text and ignores input
    m_pTwh->SetParaAlignment(m_wTextAlign);
    TxSend(EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_DROPFILES | ENM_LINK);
    if (m_pManager != nullptr && m_pFilterManager == nullptr)
    {
        m_pManager->AddMessageFilter(this);
        m_pFilterManager = m_pManager;
    }
    if (m_pManager != nullptr && m_pManager->IsLayered())
        SetTimer(kCaretTimerId, ::GetCaretBlinkTime());
    if (!IsEnabled() && m_pManager != nullptr)
        SetTextColor(m_pManager->GetDefaultDisabledColor());
}

void CRichEditUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    if (m_pFilterManager != nullptr && m_pFilterManager != pManager)
    {
        m_pFilterManager->RemoveMessageFilter(this);
        m_pFilterManager = nullptr;
    }
    CContainerUI::SetManager(pManager, pParent, bInit);
    if (m_pTwh != nullptr && m_pManager != nullptr && m_pFilterManager == nullptr)
    {
        m_pManager->AddMessageFilter(this);
        m_pFilterManager = m_pManager;
    }
}

CUIString CRichEditUI::GetText() const
{
    if (m_pTwh == nullptr)
        return CControlUI::GetText();
    GETTEXTLENGTHEX gtl = {GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LRESULT nLength = TxSend(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl), 0);
    if (nLength <= 0)
        return CUIString();
    std::vector<wchar_t> buffer(static_cast<size_t>(nLength) + 1, L'\0');
    GETTEXTEX gt = {static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    TxSend(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = L'\0';
    return CUIString(buffer.data());
}

void CRichEditUI::SetText(const wchar_t* pstrText)
{
    CControlUI::SetText(pstrText);
    if (m_pTwh == nullptr)
        return;
    // The services may hold an edited text: replace it whatever the stored one was.
    SetSel(0, -1);
    ReplaceSel(m_sText, false);
}

void CRichEditUI::SetEnabled(bool bEnabled)
{
    CContainerUI::SetEnabled(bEnabled);
    if (m_pTwh != nullptr && !IsEnabled() && m_pManager != nullptr)
        m_pTwh->SetColor(m_pManager->GetDefaultDisabledColor());
    else if (m_pTwh != nullptr && IsEnabled())
        m_pTwh->SetColor(m_dwTextColor != 0
                             ? m_dwTextColor
                             : (m_pManager != nullptr ? m_pManager->GetDefaultFontColor() : 0));
}

bool CRichEditUI::IsReadOnly() const
{
    return m_bReadOnly;
}

void CRichEditUI::SetReadOnly(bool bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (bReadOnly)
        m_dwStyle |= ES_READONLY;
    else
        m_dwStyle &= ~ES_READONLY;
    if (m_pTwh != nullptr)
        m_pTwh->SetReadOnly(bReadOnly);
}

DWORD CRichEditUI::GetTextColor() const
{
    return m_dwTextColor;
}

void CRichEditUI::SetTextColor(DWORD dwTextColor)
{
    m_dwTextColor = dwTextColor;
    if (m_pTwh != nullptr)
        m_pTwh->SetColor(dwTextColor);
}

int CRichEditUI::GetFont() const
{
    return m_iFont;
}

void CRichEditUI::SetFont(int index)
{
    m_iFont = index;
    if (m_pTwh != nullptr && m_pManager != nullptr)
        m_pTwh->SetFont(m_pManager->GetFont(m_iFont));
}

RECT CRichEditUI::GetTextPadding() const
{
    return m_rcTextPadding;
}

void CRichEditUI::SetTextPadding(RECT rc)
{
    m_rcTextPadding = rc;
    NeedUpdate();
}

RECT CRichEditUI::GetTextRect() const
{
    return m_pTwh != nullptr ? m_pTwh->GetClientRect() : RECT{0, 0, 0, 0};
}

LRESULT CRichEditUI::TxSend(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return m_pTwh != nullptr ? m_pTwh->Send(msg, wParam, lParam) : 0;
}

long CRichEditUI::GetTextLength() const
{
    GETTEXTLENGTHEX gtl = {GTL_PRECISE | GTL_NUMCHARS, 1200};
    return static_cast<long>(TxSend(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl), 0));
}

void CRichEditUI::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {nStartChar, nEndChar};
    TxSend(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditUI::SetSelAll()
{
    SetSel(0, -1);
}

void CRichEditUI::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr = {0, 0};
    TxSend(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditUI::ReplaceSel(const wchar_t* pstrText, bool bCanUndo)
{
    TxSend(EM_REPLACESEL, bCanUndo ? TRUE : FALSE,
           reinterpret_cast<LPARAM>(pstrText != nullptr ? pstrText : L""));
}

void CRichEditUI::Copy()
{
    TxSend(WM_COPY, 0, 0);
}

void CRichEditUI::Cut()
{
    TxSend(WM_CUT, 0, 0);
}

void CRichEditUI::Paste()
{
    TxSend(WM_PASTE, 0, 0);
}

void CRichEditUI::Clear()
{
    TxSend(WM_CLEAR, 0, 0);
}

bool CRichEditUI::Undo()
{
    return TxSend(EM_UNDO, 0, 0) != 0;
}

bool CRichEditUI::Redo()
{
    return TxSend(EM_REDO, 0, 0) != 0;
}

bool CRichEditUI::CanUndo() const
{
    return TxSend(EM_CANUNDO, 0, 0) != 0;
}

bool CRichEditUI::CanRedo() const
{
    return TxSend(EM_CANREDO, 0, 0) != 0;
}

bool CRichEditUI::CanPaste() const
{
    return TxSend(EM_CANPASTE, 0, 0) != 0;
}

// ---- layout and painting ------------------------------------------------------------------

void CRichEditUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    CContainerUI::SetPos(rc, bNeedInvalidate);
    if (m_pTwh == nullptr)
        return;
    RECT rcText = m_rcItem;
    if (!(m_dwStyle & ES_MULTILINE) && m_pManager != nullptr && (m_uTextVAlign & (0x1 | 0x8)))
    {
        // A single line sits on the height of "A" in the field's font.
        HDC hDC = m_pManager->GetPaintDC();
        CMemoryDC measureDC;
        const LONG t =
            CRenderEngine::GetTextSize(hDC != nullptr ? hDC : measureDC.Get(), m_pManager, L"A", m_iFont).cy;
        if (m_uTextVAlign & 0x1)
        {
            rcText.top = rcText.top + (rcText.bottom - t - rcText.top) / 2;
            rcText.bottom = rcText.bottom - (rcText.bottom - t - rcText.top) / 2;
        }
        else
            rcText.top = rcText.bottom - t;
    }
    rcText.left += m_rcInset.left + m_rcTextPadding.left;
    rcText.top += m_rcInset.top + m_rcTextPadding.top;
    rcText.right -= m_rcInset.right + m_rcTextPadding.right;
    rcText.bottom -= m_rcInset.bottom + m_rcTextPadding.bottom;
    m_pTwh->SetClientRect(rcText);
}

bool CRichEditUI::DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl)
{
    RECT rcTemp = {0, 0, 0, 0};
    if (!::IntersectRect(&rcTemp, &rcPaint, &m_rcItem))
        return true;
    CRenderClip clip;
    CRenderClip::GenerateClip(hDC, rcTemp, clip);
    CControlUI::DoPaint(hDC, rcPaint, pStopControl);
    if (m_pTwh != nullptr)
        m_pTwh->Draw(hDC, rcTemp);
    for (int i = 0; i < m_items.GetSize(); ++i)
    {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
        RECT rcChild = {0, 0, 0, 0};
        if (pControl == pStopControl)
            return false;
        if (!pControl->IsVisible() || !::IntersectRect(&rcChild, &rcTemp, &pControl->GetPos()))
            continue;
        if (!pControl->Paint(hDC, rcPaint, pStopControl))
            return false;
    }
    return true;
}

void CRichEditUI::PaintBkColor(HDC hDC)
{
    DWORD dwColor = 0;
    if (IsFocused())
        dwColor = m_dwFocusBackColor;
    else if (IsHot())
        dwColor = m_dwHotBackColor;
    if (dwColor != 0)
    {
        CRenderEngine::DrawColor(hDC, m_rcPaint, GetAdjustColor(dwColor));
        return;
    }
    CContainerUI::PaintBkColor(hDC);
}

void CRichEditUI::PaintStatusImage(HDC hDC)
{
    const CUIString* pImage = nullptr;
    if (!IsEnabled())
        pImage = &m_sDisabledImage;
    else if (IsFocused())
        pImage = &m_sFocusedImage;
    else if (IsHot())
        pImage = &m_sHotImage;
    if (pImage != nullptr && !pImage->IsEmpty() && DrawImage(hDC, *pImage))
        return;
    if (!m_sNormalImage.IsEmpty())
        DrawImage(hDC, m_sNormalImage);
}

// ---- input --------------------------------------------------------------------------------

void CRichEditUI::DoEvent(tagTEventUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.Type))
    {
        if (m_pParent != nullptr)
            m_pParent->DoEvent(event);
        else
            CContainerUI::DoEvent(event);
        return;
    }
    const RECT rcText = GetTextRect();
    switch (event.Type)
    {
    case EventType::SetCursor:
        if (m_pTwh != nullptr && ::PtInRect(&rcText, event.ptMouse))
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
            return;
        }
        break;
    case EventType::SetFocus:
        m_bFocused = true;
        if (m_pTwh != nullptr)
        {
            m_pTwh->GetTextServices()->OnTxUIActivate();
            TxSend(WM_SETFOCUS, 0, 0);
        }
        Invalidate();
        return;
    case EventType::KillFocus:
        m_bFocused = false;
        if (m_pTwh != nullptr)
        {
            TxSend(WM_KILLFOCUS, 0, 0);
            m_pTwh->GetTextServices()->OnTxUIDeactivate();
        }
        Invalidate();
        return;
    case EventType::Timer:
        if (m_pTwh != nullptr)
        {
            if (event.wParam == kCaretTimerId)
                Invalidate();
            else
                TxSend(WM_TIMER, event.wParam, event.lParam);
            return;
        }
        break;
    case EventType::MouseEnter:
        m_bHot = true;
        Invalidate();
        return;
    case EventType::MouseLeave:
        m_bHot = false;
        Invalidate();
        return;
    default:
        break;
    }
    CContainerUI::DoEvent(event);
}

bool CRichEditUI::OnEnableResponseDefaultKeyEvent(WPARAM wParam)
{
    // A focused field that takes the return key keeps it from the window's default button.
    return !(wParam == VK_RETURN && IsFocused() && (m_bWantReturn || m_bWantCtrlReturn));
}

LRESULT CRichEditUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    bHandled = false;
    if (m_pTwh == nullptr || !IsVisible() || !IsEnabled())
        return 0;
    HWND hWnd = m_pManager != nullptr ? m_pManager->GetPaintWindow() : nullptr;
    bool bInside = true;
    if (uMsg == WM_MOUSEWHEEL)
    {
        if (!(GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL))
            return 0;
    }
    else if (uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST)
    {
        if (!IsMouseEnabled())
            return 0;
        const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const RECT rcText = GetTextRect();
        bInside = ::PtInRect(&rcText, pt) != FALSE;
        // While the services hold the capture (a drag-selection) the messages outside are
        // theirs too: only they release the capture, on the button-up.
        if (!bInside && !m_pTwh->IsCaptured())
            return 0;
        if (bInside && (uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK))
        {
            if (hWnd != nullptr)
                ::SetFocus(hWnd);
            SetFocus();
        }
        if (bInside && uMsg == WM_RBUTTONUP)
        {
            ShowContextMenu(pt);
            bHandled = true;
            return 0;
        }
    }
    else if ((uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST) || uMsg == WM_IME_CHAR ||
             uMsg == WM_IME_COMPOSITION || uMsg == WM_IME_ENDCOMPOSITION)
    {
        if (!IsFocused())
            return 0;
    }
    else if (uMsg == WM_IME_STARTCOMPOSITION)
    {
        if (!IsFocused())
            return 0;
        // The composition window opens at the caret.
        if (HIMC hImc = hWnd != nullptr ? ::ImmGetContext(hWnd) : nullptr)
        {
            COMPOSITIONFORM cf = {};
            cf.dwStyle = CFS_POINT;
            ::GetCaretPos(&cf.ptCurrentPos);
            ::ImmSetCompositionWindow(hImc, &cf);
            ::ImmReleaseContext(hWnd, hImc);
        }
    }
    else
        return 0;

    HRESULT hr = S_FALSE;
    const LRESULT lResult = m_pTwh->Send(uMsg, wParam, lParam, &hr);
    bHandled = hr == S_OK;
    if (uMsg == WM_LBUTTONUP && bInside && m_pManager != nullptr)
        m_pManager->SendNotify(this, L"click");
    return lResult;
}

HMENU CRichEditUI::CreateContextMenu() const
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return nullptr;
    long nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    const bool bSelection = nEnd > nStart;
    auto item = [hMenu](UINT uId, const wchar_t* pstrText, bool bGrey)
    { ::AppendMenuW(hMenu, MF_STRING | (bGrey ? MF_GRAYED : 0u), uId, pstrText); };
    item(RichEditMenuUndo, L"\u64A4\u9500(&U)", !CanUndo());
    item(RichEditMenuRedo, L"\u91CD\u505A(&R)", !CanRedo());
    ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    item(RichEditMenuCut, L"\u526A\u5207(&X)", m_bReadOnly || !bSelection);
    item(RichEditMenuCopy, L"\u590D\u5236(&C)", !bSelection);
    item(RichEditMenuPaste, L"\u7C98\u5E16(&V)", m_bReadOnly);
    item(RichEditMenuClear, L"\u6E05\u7A7A(&L)", m_bReadOnly);
    ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    item(RichEditMenuSelectAll, L"\u5168\u9009(&A)", false);
    return hMenu;
}

void CRichEditUI::DoContextMenuCommand(UINT uCmd)
{
    if (!IsFocused())
        return;
    switch (uCmd)
    {
    case RichEditMenuUndo:
        Undo();
        break;
    case RichEditMenuRedo:
        Redo();
        break;
    case RichEditMenuCut:
        Cut();
        break;
    case RichEditMenuCopy:
        Copy();
        break;
    case RichEditMenuPaste:
        Paste();
        break;
    case RichEditMenuClear:
        Clear();
        break;
    case RichEditMenuSelectAll:
        SetSelAll();
        break;
    default:
        break;
    }
}

void CRichEditUI::ShowContextMenu(POINT ptClient)
{
    HWND hWnd = m_pManager != nullptr ? m_pManager->GetPaintWindow() : nullptr;
    if (hWnd == nullptr)
        return;
    HMENU hMenu = CreateContextMenu();
    if (hMenu == nullptr)
        return;
    ::ClientToScreen(hWnd, &ptClient);
    const UINT uCmd = static_cast<UINT>(
        ::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, ptClient.x, ptClient.y, 0, hWnd, nullptr));
    ::DestroyMenu(hMenu);
    DoContextMenuCommand(uCmd);
}

void CRichEditUI::OnTxNotify(DWORD iNotify, void* pv)
{
    if (iNotify == EN_CHANGE)
    {
        if (m_pManager != nullptr)
            m_pManager->SendNotify(this, L"textchanged");
        if (m_bAutoCalcWidth || m_bAutoCalcHeight)
            NeedParentUpdate();
        return;
    }
    HWND hWnd = m_pManager != nullptr ? m_pManager->GetPaintWindow() : nullptr;
    if (hWnd == nullptr || pv == nullptr)
        return;
    NMHDR* pHeader = static_cast<NMHDR*>(pv);
    pHeader->hwndFrom = hWnd;
    pHeader->idFrom = static_cast<UINT_PTR>(::GetWindowLongPtrW(hWnd, GWLP_ID));
    pHeader->code = iNotify;
    ::SendMessageW(hWnd, WM_NOTIFY, pHeader->idFrom, reinterpret_cast<LPARAM>(pv));
}

// ---- attributes ---------------------------------------------------------------------------

void CRichEditUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";
    // The field's own names are case-sensitive and its booleans exactly "true" or "false".
    auto styleBit = [this, pstrValue](DWORD dwBit)
    {
        if (IsTrue(pstrValue))
            m_dwStyle |= dwBit;
        else
            m_dwStyle &= ~dwBit;
    };
    if (wcscmp(pstrName, L"readonly") == 0)
        SetReadOnly(IsTrue(pstrValue));
    else if (wcscmp(pstrName, L"font") == 0)
        SetFont(ReadInt(pstrValue));
    else if (wcscmp(pstrName, L"textcolor") == 0)
        SetTextColor(ReadColor(pstrValue, true));
    else if (_wcsicmp(pstrName, L"textpadding") == 0)
        SetTextPadding(CUIRect(pstrValue));
    else if (wcscmp(pstrName, L"valign") == 0)
    {
        if (wcsstr(pstrValue, L"top") != nullptr)
            m_uTextVAlign &= ~(0x1u | 0x2u);
        if (wcsstr(pstrValue, L"center") != nullptr)
            m_uTextVAlign = (m_uTextVAlign | 0x1u) & ~0x8u;
        if (wcsstr(pstrValue, L"bottom") != nullptr)
            m_uTextVAlign = (m_uTextVAlign | 0x8u) & ~0x1u;
    }
    else if (wcscmp(pstrName, L"align") == 0)
    {
        if (wcsstr(pstrValue, L"left") != nullptr)
            m_wTextAlign = PFA_LEFT;
        if (wcsstr(pstrValue, L"center") != nullptr)
            m_wTextAlign = PFA_CENTER;
        if (wcsstr(pstrValue, L"right") != nullptr)
            m_wTextAlign = PFA_RIGHT;
        if (m_pTwh != nullptr)
            m_pTwh->SetParaAlignment(m_wTextAlign);
    }
    else if (_wcsicmp(pstrName, L"multiline") == 0)
        styleBit(ES_MULTILINE);
    else if (wcscmp(pstrName, L"wanttab") == 0)
        m_bWantTab = IsTrue(pstrValue);
    else if (wcscmp(pstrName, L"wantreturn") == 0)
        m_bWantReturn = IsTrue(pstrValue);
    else if (wcscmp(pstrName, L"wantctrlreturn") == 0)
        m_bWantCtrlReturn = IsTrue(pstrValue);
    else if (wcscmp(pstrName, L"transparent") == 0)
        m_bTransparent = IsTrue(pstrValue);
    else if (wcscmp(pstrName, L"rich") == 0)
        m_bRich = IsTrue(pstrValue);
    else if (wcscmp(pstrName, L"paragraphindent") == 0)
        ; // stored by nothing: the skins use one plain paragraph
    else if (wcscmp(pstrName, L"password") == 0)
        styleBit(ES_PASSWORD);
    else if (wcscmp(pstrName, L"autovscroll") == 0)
        styleBit(ES_AUTOVSCROLL);
    else if (wcscmp(pstrName, L"autohscroll") == 0)
        styleBit(ES_AUTOHSCROLL);
    else if (wcscmp(pstrName, L"vscrollbar") == 0)
        styleBit(WS_VSCROLL);
    else if (wcscmp(pstrName, L"hscrollbar") == 0)
        styleBit(WS_HSCROLL);
    else if (_wcsicmp(pstrName, L"maxchar") == 0)
    {
        m_iLimitText = ReadInt(pstrValue);
        if (m_pTwh != nullptr)
            m_pTwh->SetMaxLength(m_iLimitText);
    }
    else if (_wcsicmp(pstrName, L"normalimage") == 0)
        m_sNormalImage = pstrValue;
    else if (_wcsicmp(pstrName, L"hotimage") == 0)
        m_sHotImage = pstrValue;
    else if (_wcsicmp(pstrName, L"focusedimage") == 0)
        m_sFocusedImage = pstrValue;
    else if (_wcsicmp(pstrName, L"disabledimage") == 0)
        m_sDisabledImage = pstrValue;
    else if (_wcsicmp(pstrName, L"tipvalue") == 0)
        m_sTipValue = pstrValue;
    else if (_wcsicmp(pstrName, L"tipvaluecolor") == 0)
        m_dwTipValueColor = ReadColor(pstrValue, true);
    else if (_wcsicmp(pstrName, L"tipvaluealign") == 0)
        m_uTipValueAlign =
            wcsstr(pstrValue, L"center") != nullptr
                ? DT_SINGLELINE | DT_CENTER
                : (wcsstr(pstrValue, L"right") != nullptr ? DT_SINGLELINE | DT_RIGHT : DT_SINGLELINE);
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

} // namespace SkinUI
