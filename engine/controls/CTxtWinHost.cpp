#include "engine/controls/CTxtWinHost.h"

#include <imm.h>
#include <wchar.h>

#include "engine/controls/CRichEditUI.h"
#include "engine/manager/CPaintManagerUI.h"

namespace SkinUI
{

const IID CTxtWinHost::kIID_ITextServices = {
    0x8D33F740, 0xCF58, 0x11CE, {0xA8, 0x9D, 0x00, 0xAA, 0x00, 0x6C, 0xAD, 0xC5}};
const IID CTxtWinHost::kIID_ITextHost = {
    0x13E670F4, 0x1A5A, 0x11CF, {0xAB, 0xEB, 0x00, 0xAA, 0x00, 0xB6, 0x5E, 0xA1}};

namespace
{

// Windows 7 and later ship the current text services as Riched20.dll.
wchar_t g_szLibraryName[MAX_PATH] = L"riched20.dll";

COLORREF ToColorRef(DWORD dwArgb)
{
    return RGB((dwArgb >> 16) & 0xFF, (dwArgb >> 8) & 0xFF, dwArgb & 0xFF);
}

} // namespace

void CTxtWinHost::SetLibraryName(const wchar_t* pstrName)
{
    _snwprintf(g_szLibraryName, MAX_PATH - 1, L"%s", pstrName != nullptr ? pstrName : L"");
    g_szLibraryName[MAX_PATH - 1] = L'\0';
}

CTxtWinHost::CTxtWinHost(CRichEditUI* pOwner)
    : m_cRef(1), m_pOwner(pOwner), m_pServ(nullptr), m_rcClient{0, 0, 0, 0}, m_dwStyle(0),
      m_lMaxChars(0x7FFF), m_bReadOnly(false), m_bCaptured(false), m_cf(), m_pf()
{
    m_cf.cbSize = sizeof(m_cf);
    m_pf.cbSize = sizeof(m_pf);
    m_pf.dwMask = PFM_ALL;
    m_pf.wAlignment = PFA_LEFT;
    m_pf.cTabCount = 1;
    m_pf.rgxTabs[0] = 720; // half an inch in twips, the platform's default tab
}

CTxtWinHost::~CTxtWinHost()
{
    // The services go before the library that holds their code (m_library ends after this).
    ReleaseServices();
}

void CTxtWinHost::ReleaseServices()
{
    ITextServices* pServ = m_pServ;
    m_pServ = nullptr;
    if (pServ == nullptr)
        return;
    pServ->OnTxInPlaceDeactivate();
    pServ->Release();
}

void CTxtWinHost::Destroy()
{
    // The owner's reference keeps this host (and the library) alive while the services, which
    // may hold and drop their own reference to it, are released.
    m_pOwner = nullptr;
    ReleaseServices();
    Release();
}

CTxtWinHost* CTxtWinHost::Create(CRichEditUI* pOwner, const wchar_t* pstrText, HFONT hFont, DWORD dwTextColor,
                                 DWORD dwStyle, LONG lMaxChars)
{
    CTxtWinHost* pHost = new CTxtWinHost(pOwner);
    pHost->m_dwStyle = dwStyle;
    pHost->m_bReadOnly = (dwStyle & ES_READONLY) != 0;
    pHost->m_lMaxChars = lMaxChars;
    pHost->CharFormatFromFont(hFont);
    pHost->m_cf.crTextColor = ToColorRef(dwTextColor);

    pHost->m_library = CModuleHandle::LoadSystem(g_szLibraryName);
    PCreateTextServices pfnCreate = reinterpret_cast<PCreateTextServices>(
        reinterpret_cast<void*>(pHost->m_library.GetProc("CreateTextServices")));
    IUnknown* pUnknown = nullptr;
    if (pfnCreate == nullptr || FAILED(pfnCreate(nullptr, pHost, &pUnknown)) || pUnknown == nullptr)
    {
        pHost->Release();
        return nullptr;
    }
    const HRESULT hr =
        pUnknown->QueryInterface(kIID_ITextServices, reinterpret_cast<void**>(&pHost->m_pServ));
    pUnknown->Release();
    if (FAILED(hr) || pHost->m_pServ == nullptr)
    {
        pHost->m_pServ = nullptr;
        pHost->Release();
        return nullptr;
    }
    pHost->m_pServ->TxSetText(pstrText != nullptr ? pstrText : L"");
    pHost->m_pServ->OnTxInPlaceActivate(nullptr);
    return pHost;
}

LRESULT CTxtWinHost::Send(UINT msg, WPARAM wParam, LPARAM lParam, HRESULT* pHr) const
{
    LRESULT lResult = 0;
    const HRESULT hr = m_pServ != nullptr ? m_pServ->TxSendMessage(msg, wParam, lParam, &lResult) : E_FAIL;
    if (pHr != nullptr)
        *pHr = hr;
    return lResult;
}

void CTxtWinHost::Draw(HDC hDC, const RECT& rcPaint)
{
    if (m_pServ == nullptr)
        return;
    RECTL rcBounds = {m_rcClient.left, m_rcClient.top, m_rcClient.right, m_rcClient.bottom};
    RECT rcUpdate = rcPaint;
    m_pServ->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, hDC, nullptr, &rcBounds, nullptr, &rcUpdate,
                    nullptr, 0, TXTVIEW_ACTIVE);
}

void CTxtWinHost::SetClientRect(const RECT& rc)
{
    if (::EqualRect(&rc, &m_rcClient))
        return;
    m_rcClient = rc;
    if (m_pServ != nullptr)
        m_pServ->OnTxPropertyBitsChange(TXTBIT_CLIENTRECTCHANGE, TRUE);
}

void CTxtWinHost::CharFormatFromFont(HFONT hFont)
{
    LOGFONTW lf = {};
    if (hFont == nullptr || ::GetObjectW(hFont, sizeof(lf), &lf) == 0)
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    const COLORREF crKeep = m_cf.crTextColor;
    m_cf = CHARFORMAT2W();
    m_cf.cbSize = sizeof(m_cf);
    m_cf.crTextColor = crKeep;
    m_cf.dwMask =
        CFM_SIZE | CFM_OFFSET | CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    const int nLogPixelsY = ::GetDeviceCaps(m_measureDC.Get(), LOGPIXELSY);
    const LONG lHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    m_cf.yHeight = nLogPixelsY > 0 ? ::MulDiv(lHeight, 1440, nLogPixelsY) : lHeight * 15;
    if (lf.lfWeight >= FW_BOLD)
        m_cf.dwEffects |= CFE_BOLD;
    if (lf.lfItalic)
        m_cf.dwEffects |= CFE_ITALIC;
    if (lf.lfUnderline)
        m_cf.dwEffects |= CFE_UNDERLINE;
    m_cf.bCharSet = lf.lfCharSet;
    m_cf.bPitchAndFamily = lf.lfPitchAndFamily;
    _snwprintf(m_cf.szFaceName, LF_FACESIZE - 1, L"%s", lf.lfFaceName);
    m_cf.szFaceName[LF_FACESIZE - 1] = L'\0';
}

void CTxtWinHost::ApplyCharFormat()
{
    if (m_pServ == nullptr)
        return;
    m_pServ->OnTxPropertyBitsChange(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
    // Some text services keep the old format on the text already there: set it on all of it.
    Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&m_cf));
}

void CTxtWinHost::SetFont(HFONT hFont)
{
    CharFormatFromFont(hFont);
    ApplyCharFormat();
}

void CTxtWinHost::SetColor(DWORD dwColor)
{
    m_cf.crTextColor = ToColorRef(dwColor);
    ApplyCharFormat();
}

void CTxtWinHost::SetReadOnly(bool bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (bReadOnly)
        m_dwStyle |= ES_READONLY;
    else
        m_dwStyle &= ~ES_READONLY;
    if (m_pServ != nullptr)
        m_pServ->OnTxPropertyBitsChange(TXTBIT_READONLY, bReadOnly ? TXTBIT_READONLY : 0);
}

void CTxtWinHost::SetParaAlignment(WORD wAlign)
{
    m_pf.wAlignment = wAlign;
    if (m_pServ != nullptr)
        m_pServ->OnTxPropertyBitsChange(TXTBIT_PARAFORMATCHANGE, TXTBIT_PARAFORMATCHANGE);
}

void CTxtWinHost::SetMaxLength(LONG lMaxChars)
{
    m_lMaxChars = lMaxChars;
    if (m_pServ != nullptr)
        m_pServ->OnTxPropertyBitsChange(TXTBIT_MAXLENGTHCHANGE, TXTBIT_MAXLENGTHCHANGE);
}

HWND CTxtWinHost::Window() const
{
    if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr)
        return nullptr;
    return m_pOwner->GetManager()->GetPaintWindow();
}

// ---- IUnknown -----------------------------------------------------------------------------

HRESULT STDMETHODCALLTYPE CTxtWinHost::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIID_ITextHost))
    {
        AddRef();
        *ppvObject = static_cast<ITextHost*>(this);
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CTxtWinHost::AddRef()
{
    return ++m_cRef;
}

ULONG STDMETHODCALLTYPE CTxtWinHost::Release()
{
    const ULONG c = --m_cRef;
    if (c == 0)
        delete this;
    return c;
}

// ---- ITextHost ----------------------------------------------------------------------------

HDC CTxtWinHost::TxGetDC()
{
    HWND hWnd = Window();
    if (hWnd != nullptr)
        return ::GetDC(hWnd);
    return m_measureDC.Get();
}

INT CTxtWinHost::TxReleaseDC(HDC hdc)
{
    HWND hWnd = Window();
    if (hWnd != nullptr && hdc != m_measureDC.Get())
        return ::ReleaseDC(hWnd, hdc);
    return 1;
}

WINBOOL CTxtWinHost::TxShowScrollBar(INT, WINBOOL)
{
    return FALSE;
}

WINBOOL CTxtWinHost::TxEnableScrollBar(INT, INT)
{
    return FALSE;
}

WINBOOL CTxtWinHost::TxSetScrollRange(INT, LONG, INT, WINBOOL)
{
    return FALSE;
}

WINBOOL CTxtWinHost::TxSetScrollPos(INT, INT, WINBOOL)
{
    return FALSE;
}

void CTxtWinHost::TxInvalidateRect(LPCRECT, WINBOOL)
{
    if (m_pOwner != nullptr)
        m_pOwner->Invalidate();
}

void CTxtWinHost::TxViewChange(WINBOOL) {}

WINBOOL CTxtWinHost::TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight)
{
    HWND hWnd = Window();
    return hWnd != nullptr ? ::CreateCaret(hWnd, hbmp, xWidth, yHeight) : FALSE;
}

WINBOOL CTxtWinHost::TxShowCaret(WINBOOL fShow)
{
    HWND hWnd = Window();
    if (hWnd == nullptr)
        return FALSE;
    return fShow ? ::ShowCaret(hWnd) : ::HideCaret(hWnd);
}

WINBOOL CTxtWinHost::TxSetCaretPos(INT x, INT y)
{
    return ::SetCaretPos(x, y);
}

WINBOOL CTxtWinHost::TxSetTimer(UINT idTimer, UINT uTimeout)
{
    return m_pOwner != nullptr && m_pOwner->SetTimer(idTimer, uTimeout);
}

void CTxtWinHost::TxKillTimer(UINT idTimer)
{
    if (m_pOwner != nullptr)
        m_pOwner->KillTimer(idTimer);
}

void CTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT)
{
    if (m_pOwner != nullptr)
        m_pOwner->Invalidate();
}

void CTxtWinHost::TxSetCapture(WINBOOL fCapture)
{
    m_bCaptured = fCapture != FALSE;
    if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr)
        return;
    if (fCapture)
        m_pOwner->GetManager()->SetCapture();
    else
        m_pOwner->GetManager()->ReleaseCapture();
}

void CTxtWinHost::TxSetFocus()
{
    if (m_pOwner != nullptr)
        m_pOwner->SetFocus();
}

void CTxtWinHost::TxSetCursor(HCURSOR hcur, WINBOOL)
{
    ::SetCursor(hcur);
}

WINBOOL CTxtWinHost::TxScreenToClient(LPPOINT lppt)
{
    HWND hWnd = Window();
    return hWnd != nullptr && lppt != nullptr ? ::ScreenToClient(hWnd, lppt) : FALSE;
}

WINBOOL CTxtWinHost::TxClientToScreen(LPPOINT lppt)
{
    HWND hWnd = Window();
    return hWnd != nullptr && lppt != nullptr ? ::ClientToScreen(hWnd, lppt) : FALSE;
}

HRESULT CTxtWinHost::TxActivate(LONG* plOldState)
{
    if (plOldState != nullptr)
        *plOldState = 0;
    return S_OK;
}

HRESULT CTxtWinHost::TxDeactivate(LONG)
{
    return S_OK;
}

HRESULT CTxtWinHost::TxGetClientRect(LPRECT prc)
{
    if (prc == nullptr)
        return E_INVALIDARG;
    *prc = m_rcClient;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetViewInset(LPRECT prc)
{
    if (prc == nullptr)
        return E_INVALIDARG;
    *prc = RECT{0, 0, 0, 0};
    return S_OK;
}

HRESULT CTxtWinHost::TxGetCharFormat(const CHARFORMATW** ppCF)
{
    if (ppCF == nullptr)
        return E_INVALIDARG;
    *ppCF = reinterpret_cast<const CHARFORMATW*>(&m_cf);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetParaFormat(const PARAFORMAT** ppPF)
{
    if (ppPF == nullptr)
        return E_INVALIDARG;
    *ppPF = reinterpret_cast<const PARAFORMAT*>(&m_pf);
    return S_OK;
}

COLORREF CTxtWinHost::TxGetSysColor(int nIndex)
{
    return ::GetSysColor(nIndex);
}

HRESULT CTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* pstyle)
{
    // The control paints its own background; the text goes over it.
    if (pstyle != nullptr)
        *pstyle = TXTBACK_TRANSPARENT;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetMaxLength(DWORD* plength)
{
    if (plength != nullptr)
        *plength = static_cast<DWORD>(m_lMaxChars);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetScrollBars(DWORD* pdwScrollBar)
{
    if (pdwScrollBar != nullptr)
        *pdwScrollBar = m_dwStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPasswordChar(TCHAR* pch)
{
    if (pch != nullptr)
        *pch = L'*';
    return S_OK;
}

HRESULT CTxtWinHost::TxGetAcceleratorPos(LONG* pcp)
{
    if (pcp != nullptr)
        *pcp = -1;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetExtent(LPSIZEL)
{
    return E_NOTIMPL;
}

HRESULT CTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*)
{
    return S_OK;
}

HRESULT CTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*)
{
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits)
{
    if (pdwBits == nullptr)
        return E_INVALIDARG;
    DWORD dwBits = TXTBIT_SAVESELECTION;
    if (m_dwStyle & ES_MULTILINE)
        dwBits |= TXTBIT_MULTILINE | TXTBIT_WORDWRAP;
    if (m_bReadOnly)
        dwBits |= TXTBIT_READONLY;
    if (m_dwStyle & ES_PASSWORD)
        dwBits |= TXTBIT_USEPASSWORD;
    if (!(m_dwStyle & ES_NOHIDESEL))
        dwBits |= TXTBIT_HIDESELECTION;
    *pdwBits = dwBits & dwMask;
    return S_OK;
}

HRESULT CTxtWinHost::TxNotify(DWORD iNotify, void* pv)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnTxNotify(iNotify, pv);
    return S_OK;
}

HIMC CTxtWinHost::TxImmGetContext()
{
    HWND hWnd = Window();
    return hWnd != nullptr ? ::ImmGetContext(hWnd) : nullptr;
}

void CTxtWinHost::TxImmReleaseContext(HIMC himc)
{
    HWND hWnd = Window();
    if (hWnd != nullptr && himc != nullptr)
        ::ImmReleaseContext(hWnd, himc);
}

HRESULT CTxtWinHost::TxGetSelectionBarWidth(LONG* lSelBarWidth)
{
    if (lSelBarWidth != nullptr)
        *lSelBarWidth = 0;
    return S_OK;
}

} // namespace SkinUI
