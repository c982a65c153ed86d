#include "installer/ui/CMsgWnd.h"

#include "engine/controls/CControlUI.h"
#include "engine/lang/CLangManagerUI.h"
#include "installer/ui/CSkinWindowSetup.h"
#include "installer/ui/ModalUi.h"

using namespace SkinUI;

UI_BEGIN_MESSAGE_MAP(CMsgWnd, CNotifyPump)
UI_END_MESSAGE_MAP()

CMsgWnd::CMsgWnd() = default;

CMsgWnd::~CMsgWnd() = default;

void CMsgWnd::OnFinalMessage(HWND hWnd)
{
    CUIFrameWnd::OnFinalMessage(hWnd);
    if (m_pDeleted != nullptr)
        *m_pDeleted = true;
    delete this;
}

LRESULT CMsgWnd::OnSysCommand(UINT, WPARAM, LPARAM, bool& bHandled)
{
    // Every command, the close command included, gets the platform's own handling.
    bHandled = false;
    return 0;
}

LRESULT CMsgWnd::OnClose(UINT, WPARAM, LPARAM, bool& bHandled)
{
    // The owner must be enabled before this window is hidden and destroyed: otherwise the
    // system activates some other program's window instead of the installer.
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr)
        ::EnableWindow(owner, TRUE);
    bHandled = false;
    return 0;
}

LRESULT CMsgWnd::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& bHandled)
{
    bHandled = false;
    return 0;
}

LRESULT CMsgWnd::OnCreate(UINT, WPARAM, LPARAM, bool&)
{
    CControlUI* root = nullptr;
    const CSkinWindowSetup::Result result = CSkinWindowSetup::Run(
        *this, GetSkinDir(), GetSkinResId(), GetSkinResMode(), GetSkinXml(), m_pSkinZip, root);
    if (result == CSkinWindowSetup::NoArchive)
        return 0;
    if (result == CSkinWindowSetup::BuildFailed)
    {
        ModalUi().pfnExitProcess(1);
        return -1; // only when a test kept the process: creation fails
    }
    m_pm.AttachDialog(root);
    m_pm.AddNotifier(this);
    __InitWindow();
    return 0;
}

void CMsgWnd::InitWindow()
{
    CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    if (CLangManagerUI* lang = GetManager()->GetLangManager())
        lang->ReloadLanguage();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CMsgWnd::ResponseDefaultKeyEvent(WPARAM wParam)
{
    return wParam == VK_RETURN || wParam == VK_ESCAPE ? 0 : 1;
}

void CMsgWnd::Notify(tagTNotifyUI& msg)
{
    if (msg.sType == L"click")
    {
        const CUIString name = msg.pSender != nullptr ? msg.pSender->GetName() : CUIString();
        if (name == L"btn_Close")
        {
            Close(0);
            return;
        }
        if (name.CompareNoCase(L"btn_confirm") == 0)
            Close(1);
        else if (name.CompareNoCase(L"btn_cancel") == 0)
            Close(0);
        else
            return;
    }
    WindowImplBase::Notify(msg);
}

void CMsgWnd::SetNamedText(const wchar_t* controlName, const wchar_t* text)
{
    if (text == nullptr || *text == L'\0')
        return;
    if (CControlUI* control = m_pm.FindControl(controlName))
        control->SetText(text);
}

void CMsgWnd::SetMessageTitle(const wchar_t* title)
{
    SetNamedText(L"MessageTitle", title);
}

void CMsgWnd::SetMessageText(const wchar_t* text)
{
    SetNamedText(L"MessageText", text);
}

unsigned int ShowExitConfirmation(HWND parent, const wchar_t* title, const wchar_t* text)
{
    CMsgWnd* dialog = new (std::nothrow) CMsgWnd();
    if (dialog == nullptr)
        return 0;
    bool deleted = false;
    dialog->SetDeletedFlag(&deleted);
    if (dialog->Create(parent, L"msgwnd", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr) == nullptr)
    {
        // A window that was never made (or ended during creation) cannot delete its object.
        if (!deleted)
            delete dialog;
        return 0;
    }
    dialog->CenterWindow();
    dialog->SetMessageTitle(title);
    dialog->SetMessageText(text);
    const unsigned int result = dialog->ShowModal();
    // A WM_QUIT ends the modal loop with the window still there: it deletes itself later and
    // must not report to this frame any more.
    if (!deleted)
        dialog->SetDeletedFlag(nullptr);
    return result;
}
