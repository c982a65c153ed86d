// Message handling, painting, window settings and DPI of CPaintManagerUI.
// PLACEHOLDER BODIES: the message handling work replaces this file as a whole.
#include "engine/manager/CPaintManagerUI.h"

#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CShadowUI.h"
#include "engine/manager/IMessageFilterUI.h"
#include "engine/manager/ITranslateAccelerator.h"

namespace SkinUI
{

bool CPaintManagerUI::MessageHandler(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}
bool CPaintManagerUI::PreMessageHandler(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}
bool CPaintManagerUI::TranslateAccelerator(LPMSG)
{
    return false;
}
void CPaintManagerUI::MessageLoop()
{
    MSG msg = {};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        if (!TranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}
bool CPaintManagerUI::TranslateMessage(const LPMSG)
{
    return false;
}
CPaintManagerUI* CPaintManagerUI::GetPaintManager(const wchar_t*)
{
    return nullptr;
}
bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* p)
{
    return m_aPreMessageFilters.Add(p);
}
bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* p)
{
    return m_aPreMessageFilters.Remove(m_aPreMessageFilters.Find(p));
}
bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* p)
{
    return m_aMessageFilters.Add(p);
}
bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* p)
{
    return m_aMessageFilters.Remove(m_aMessageFilters.Find(p));
}
bool CPaintManagerUI::AddTranslateAccelerator(ITranslateAccelerator* p)
{
    return m_aTranslateAccelerator.Add(p);
}
bool CPaintManagerUI::RemoveTranslateAccelerator(ITranslateAccelerator* p)
{
    return m_aTranslateAccelerator.Remove(m_aTranslateAccelerator.Find(p));
}
HWND CPaintManagerUI::GetTooltipWindow() const
{
    return nullptr;
}
SIZE CPaintManagerUI::GetClientSize() const
{
    RECT rc = {};
    ::GetClientRect(m_hWndPaint, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}
void CPaintManagerUI::LockUpdate(bool b)
{
    m_bLockUpdate = b;
}
bool CPaintManagerUI::IsLockUpdate() const
{
    return m_bLockUpdate;
}
void CPaintManagerUI::SetPainting(bool b)
{
    m_bIsPainting = b;
}
bool CPaintManagerUI::IsPainting() const
{
    return m_bIsPainting;
}
SIZE CPaintManagerUI::GetInitSize()
{
    return m_szInitWindowSize;
}
void CPaintManagerUI::SetInitSize(int cx, int cy)
{
    m_szInitWindowSize = SIZE{cx, cy};
}
RECT& CPaintManagerUI::GetSizeBox()
{
    return m_rcSizeBox;
}
void CPaintManagerUI::SetSizeBox(RECT& rc)
{
    m_rcSizeBox = rc;
}
RECT& CPaintManagerUI::GetCaptionRect()
{
    return m_rcCaption;
}
void CPaintManagerUI::SetCaptionRect(RECT& rc)
{
    m_rcCaption = rc;
}
SIZE CPaintManagerUI::GetRoundCorner() const
{
    return m_szRoundCorner;
}
void CPaintManagerUI::SetRoundCorner(int cx, int cy)
{
    m_szRoundCorner = SIZE{cx, cy};
}
SIZE CPaintManagerUI::GetMinInfo() const
{
    return m_szMinWindow;
}
void CPaintManagerUI::SetMinInfo(int cx, int cy)
{
    m_szMinWindow = SIZE{cx, cy};
}
SIZE CPaintManagerUI::GetMaxInfo() const
{
    return m_szMaxWindow;
}
void CPaintManagerUI::SetMaxInfo(int cx, int cy)
{
    m_szMaxWindow = SIZE{cx, cy};
}
void CPaintManagerUI::SetShowUpdateRect(bool b)
{
    m_bShowUpdateRect = b;
}
void CPaintManagerUI::SetNoActivate(bool b)
{
    m_bNoActivate = b;
}
bool CPaintManagerUI::IsNoActivate() const
{
    return m_bNoActivate;
}
void CPaintManagerUI::SetHoverTime(int t)
{
    m_iHoverTime = t;
}
int CPaintManagerUI::GetHoverTime() const
{
    return m_iHoverTime;
}
void CPaintManagerUI::SetLayered(bool b)
{
    m_bLayered = b;
}
void CPaintManagerUI::SetLayeredInset(RECT& rc)
{
    m_rcLayeredInset = rc;
}
void CPaintManagerUI::SetLayeredOpacity(BYTE n)
{
    m_nLayeredOpacity = n;
}
void CPaintManagerUI::SetLayeredImage(const wchar_t* p)
{
    m_sLayeredImage = p;
}
void CPaintManagerUI::SetOpacity(BYTE n)
{
    m_nOpacity = n;
}
BYTE CPaintManagerUI::GetOpacity() const
{
    return m_nOpacity;
}
void CPaintManagerUI::SetInitWindowParameter(bool b)
{
    m_bInitWindowParameter = b;
}
bool CPaintManagerUI::IsInitWindowParameter() const
{
    return m_bInitWindowParameter;
}
CShadowUI* CPaintManagerUI::GetShadow()
{
    if (!m_pShadow)
        m_pShadow.reset(new CShadowUI);
    return m_pShadow.get();
}
CLangManagerUI* CPaintManagerUI::GetLangManager()
{
    if (!m_pLangManager)
        m_pLangManager.reset(new CLangManagerUI);
    return m_pLangManager.get();
}
void CPaintManagerUI::SetDPI(int iDPI)
{
    GetDPIObj()->SetScale(iDPI);
}
void CPaintManagerUI::SetAllDPI(int iDPI)
{
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
        static_cast<CPaintManagerUI*>(m_aPreMessages[i])->SetDPI(iDPI);
}

} // namespace SkinUI
