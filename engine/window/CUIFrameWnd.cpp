#include "engine/window/CUIFrameWnd.h"

#include "engine/controls/CControlUI.h"
#include "engine/window/CUIApplication.h"
#include "engine/window/CUIForm.h"

namespace SkinUI
{

UI_BEGIN_MESSAGE_MAP(CUIFrameWnd, CUIFrmBase)
UI_END_MESSAGE_MAP()

CUIFrameWnd::CUIFrameWnd() = default;

CUIFrameWnd::~CUIFrameWnd()
{
    DetachFromWindow();
    DeleteForms();
}

void CUIFrameWnd::DeleteForms()
{
    for (int i = 0; i < m_aForms.GetSize(); ++i)
        delete static_cast<CUIForm*>(m_aForms[i]);
    m_aForms.Empty();
}

bool CUIFrameWnd::AttachVirtualForm(CUIForm* pForm)
{
    if (pForm == nullptr || m_aForms.Find(pForm) >= 0)
        return false;
    if (!m_aForms.Add(pForm))
        return false;
    pForm->SetFrame(this);
    return true;
}

bool CUIFrameWnd::DetachVirtualForm(CUIForm* pForm)
{
    const int i = m_aForms.Find(pForm);
    if (pForm == nullptr || i < 0)
        return false;
    m_aForms.Remove(i);
    pForm->SetFrame(nullptr);
    return true;
}

void CUIFrameWnd::OnFinalMessage(HWND hWnd)
{
    DeleteForms();
    WindowImplBase::OnFinalMessage(hWnd);
}

void CUIFrameWnd::__InitWindow()
{
    for (int i = 0; i < m_aForms.GetSize(); ++i)
        static_cast<CUIForm*>(m_aForms[i])->InitForm();
    InitWindow();
}

void CUIFrameWnd::ShowFullScreen()
{
    if (m_hWnd == nullptr)
        return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

LRESULT CUIFrameWnd::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    return SysCommandWithButtons(uMsg, wParam, lParam, bHandled, L"windowmaxbtn", L"windowrestorebtn");
}

LRESULT CUIFrameWnd::OnRButtonDown(UINT, WPARAM, LPARAM, bool& bHandled)
{
    bHandled = false;
    return 0;
}

LRESULT CUIFrameWnd::OnRButtonUp(UINT, WPARAM, LPARAM, bool& bHandled)
{
    bHandled = false;
    return 0;
}

LRESULT CUIFrameWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    bool bTaken = OnCustomMessage(uMsg, wParam, lParam); // virtual: a derived frame's own
    for (int i = 0; !bTaken && i < m_aForms.GetSize(); ++i)
        bTaken = static_cast<CUIForm*>(m_aForms[i])->OnCustomMessage(uMsg, wParam, lParam);
    if (bTaken)
        bHandled = true;
    return 0;
}

LRESULT CUIFrameWnd::HandleMenuCommandMessage(UINT uMsg, WPARAM wParam, LPARAM, bool& bHandled)
{
    if (uMsg == WM_SKINUI_MENUCOMMAND)
    {
        bHandled = true;
        // The sender hands the record over; it is freed whoever takes it.
        auto* pMenuCmd = reinterpret_cast<tagTMenuCmdUI*>(wParam);
        if (pMenuCmd != nullptr)
        {
            bool bTaken = OnMenuCommand(pMenuCmd);
            for (int i = 0; !bTaken && i < m_aForms.GetSize(); ++i)
                bTaken = static_cast<CUIForm*>(m_aForms[i])->OnMenuCommand(pMenuCmd);
            delete pMenuCmd;
        }
        return 0;
    }
    if (uMsg == WM_SKINUI_MENUUPDATECOMMANDUI && wParam != 0)
    {
        bHandled = true;
        auto* pMenuCmd = reinterpret_cast<tagTMenuCmdUI*>(wParam);
        bool bTaken = OnMenuUpdateCommandUI(pMenuCmd);
        for (int i = 0; !bTaken && i < m_aForms.GetSize(); ++i)
            bTaken = static_cast<CUIForm*>(m_aForms[i])->OnMenuUpdateCommandUI(pMenuCmd);
        return 0;
    }
    return 0;
}

LRESULT CUIFrameWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lRes = 0;
    bool bHandled = true;
    if (!DispatchTyped(uMsg, wParam, lParam, bHandled, lRes))
    {
        bHandled = true;
        if (uMsg == WM_RBUTTONDOWN)
            lRes = OnRButtonDown(uMsg, wParam, lParam, bHandled);
        else if (uMsg == WM_RBUTTONUP)
            lRes = OnRButtonUp(uMsg, wParam, lParam, bHandled);
        else
            bHandled = false;
    }
    if (bHandled)
        return lRes;

    if (m_pApp != nullptr && m_pApp->GetWakeUpMessage() != 0 && uMsg == m_pApp->GetWakeUpMessage())
    {
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        ::SetForegroundWindow(m_hWnd);
        return 1;
    }

    bHandled = false;
    lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled)
        return lRes;
    lRes = HandleMenuCommandMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled)
        return lRes;
    return ManagerOrDefault(uMsg, wParam, lParam);
}

void CUIFrameWnd::Notify(tagTNotifyUI& msg)
{
    const CUIString sSender = msg.pSender != nullptr ? msg.pSender->GetName() : CUIString();
    if (msg.sType == L"click")
    {
        if (sSender == L"windowclosebtn")
            Close(2);
        else if (sSender == L"windowminbtn")
            ::SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        else if (sSender == L"windowmaxbtn")
            ::SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        else if (sSender == L"windowrestorebtn")
            ::SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    else if (msg.sType == L"windowinit")
    {
        ShowMaxRestoreButtons(m_hWnd != nullptr && ::IsZoomed(m_hWnd), L"windowmaxbtn", L"windowrestorebtn");
    }
    else if (m_aForms.GetSize() > 0 && (msg.sType == L"tabactiveform" || msg.sType == L"tabnoactiveform"))
    {
        for (int i = 0; i < m_aForms.GetSize(); ++i)
        {
            auto* pForm = static_cast<CUIForm*>(m_aForms[i]);
            if (pForm->GetName() != sSender.GetData())
                continue;
            if (msg.sType == L"tabactiveform")
                pForm->ActivateForm();
            else
                pForm->HideForm();
        }
        return;
    }
    for (int i = 0; i < m_aForms.GetSize(); ++i)
        static_cast<CUIForm*>(m_aForms[i])->Notify(msg);
    CUIFrmBase::NotifyPump(msg);
}

} // namespace SkinUI
