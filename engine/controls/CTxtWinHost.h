// CTxtWinHost: the windowless text host of a rich edit control: it loads the platform's rich
// edit library from the system folder, creates its text services with itself as the host,
// answers the services' questions (client rectangle, character and paragraph format, property
// bits, device context, timers, capture, caret) on behalf of its CRichEditUI, and forwards the
// services' notifications to it.
//
// Contract: reference counted COM object (Release at 0 deletes it). Create returns null when
// the library, its "CreateTextServices" entry point or the services cannot be had; nothing is
// left loaded then. The services are released before the library is freed. The host keeps a
// borrowed pointer to its owner, which calls Destroy instead of Release. Methods are called on the
// UI thread only. The i386 vtable uses the C++ member convention (thiscall), which is what the
// platform's text services call.
//
// Not done: scroll bars, drag and drop, password display, tip text and IME composition
// placement beyond the caret: the read-only field of the installer needs none of them.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <textserv.h>

#include "engine/core/CModuleHandle.h"
#include "engine/resources/CMemoryDC.h"

namespace SkinUI
{

class CRichEditUI;

class CTxtWinHost : public ITextHost
{
public:
    // The text services' interface identifiers ({8D33F740-CF58-11CE-A89D-00AA006CADC5} and
    // {13E670F4-1A5A-11CF-ABEB-00AA00B65EA1}); the toolchain's import libraries lack them.
    static const IID kIID_ITextServices;
    static const IID kIID_ITextHost;

    // The library file name (in the system folder) the next hosts load; tests point it at a
    // missing library or one without the entry point.
    static void SetLibraryName(const wchar_t* pstrName);

    // A host with its services, the text set and in-place active; null on failure.
    static CTxtWinHost* Create(CRichEditUI* pOwner, const wchar_t* pstrText, HFONT hFont, DWORD dwTextColor,
                               DWORD dwStyle, LONG lMaxChars);

    // The owner's end: forgets the owner, releases the services, then its own reference.
    void Destroy();
    ITextServices* GetTextServices() const { return m_pServ; }
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam, HRESULT* pHr = nullptr) const;
    void Draw(HDC hDC, const RECT& rcPaint);

    void SetClientRect(const RECT& rc);
    const RECT& GetClientRect() const { return m_rcClient; }
    void SetFont(HFONT hFont);
    void SetColor(DWORD dwColor);
    void SetReadOnly(bool bReadOnly);
    void SetParaAlignment(WORD wAlign);
    void SetMaxLength(LONG lMaxChars);
    // True between the services' TxSetCapture(TRUE) and TxSetCapture(FALSE): a drag-selection
    // is running and every mouse message belongs to the services until its release.
    bool IsCaptured() const { return m_bCaptured; }

    // IUnknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ITextHost.
    HDC TxGetDC() override;
    INT TxReleaseDC(HDC hdc) override;
    WINBOOL TxShowScrollBar(INT fnBar, WINBOOL fShow) override;
    WINBOOL TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) override;
    WINBOOL TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, WINBOOL fRedraw) override;
    WINBOOL TxSetScrollPos(INT fnBar, INT nPos, WINBOOL fRedraw) override;
    void TxInvalidateRect(LPCRECT prc, WINBOOL fMode) override;
    void TxViewChange(WINBOOL fUpdate) override;
    WINBOOL TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) override;
    WINBOOL TxShowCaret(WINBOOL fShow) override;
    WINBOOL TxSetCaretPos(INT x, INT y) override;
    WINBOOL TxSetTimer(UINT idTimer, UINT uTimeout) override;
    void TxKillTimer(UINT idTimer) override;
    void TxScrollWindowEx(INT dx, INT dy, LPCRECT lprcScroll, LPCRECT lprcClip, HRGN hrgnUpdate,
                          LPRECT lprcUpdate, UINT fuScroll) override;
    void TxSetCapture(WINBOOL fCapture) override;
    void TxSetFocus() override;
    void TxSetCursor(HCURSOR hcur, WINBOOL fText) override;
    WINBOOL TxScreenToClient(LPPOINT lppt) override;
    WINBOOL TxClientToScreen(LPPOINT lppt) override;
    HRESULT TxActivate(LONG* plOldState) override;
    HRESULT TxDeactivate(LONG lNewState) override;
    HRESULT TxGetClientRect(LPRECT prc) override;
    HRESULT TxGetViewInset(LPRECT prc) override;
    HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override;
    HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override;
    COLORREF TxGetSysColor(int nIndex) override;
    HRESULT TxGetBackStyle(TXTBACKSTYLE* pstyle) override;
    HRESULT TxGetMaxLength(DWORD* plength) override;
    HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override;
    HRESULT TxGetPasswordChar(TCHAR* pch) override;
    HRESULT TxGetAcceleratorPos(LONG* pcp) override;
    HRESULT TxGetExtent(LPSIZEL lpExtent) override;
    HRESULT OnTxCharFormatChange(const CHARFORMATW* pcf) override;
    HRESULT OnTxParaFormatChange(const PARAFORMAT* ppf) override;
    HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
    HRESULT TxNotify(DWORD iNotify, void* pv) override;
    HIMC TxImmGetContext() override;
    void TxImmReleaseContext(HIMC himc) override;
    HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override;

private:
    explicit CTxtWinHost(CRichEditUI* pOwner);
    virtual ~CTxtWinHost();
    void ReleaseServices();
    void ApplyCharFormat();
    HWND Window() const;
    void CharFormatFromFont(HFONT hFont);

    ULONG m_cRef;
    CRichEditUI* m_pOwner; // borrowed; null once the owner is gone
    CModuleHandle m_library;
    ITextServices* m_pServ; // owned reference, released before the library
    CMemoryDC m_measureDC;  // for services that measure before the window paints
    RECT m_rcClient;
    DWORD m_dwStyle;
    LONG m_lMaxChars;
    bool m_bReadOnly;
    bool m_bCaptured;
    CHARFORMAT2W m_cf;
    PARAFORMAT2 m_pf;
};

} // namespace SkinUI
