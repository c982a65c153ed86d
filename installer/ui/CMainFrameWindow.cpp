// CMainFrame's window: creation, clicks, closing and the runs' view on the real controls.
#include "installer/ui/CMainFrame.h"

#include "engine/controls/CControlUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/lang/CLangManagerUI.h"
#include "installer/net/ServiceHosts.h"
#include "installer/net/TextConvert.h"
#include "installer/ui/CMsgWnd.h"
#include "installer/ui/CSkinWindowSetup.h"
#include "installer/ui/ModalUi.h"
#include "installer/ui/WebLink.h"

using namespace SkinUI;

namespace
{

constexpr int kPerMonitorDpiAware = 2;
constexpr int kWindowDpi = 110; // the skin is drawn at 115 %
constexpr UINT kIconId = 131;
constexpr int kPathCapacity = MAX_PATH;

} // namespace

CControlUI* CMainFrame::Find(const wchar_t* name) const
{
    return const_cast<CPaintManagerUI&>(m_pm).FindControl(name);
}

void CMainFrame::SetVisible(const wchar_t* name, bool visible)
{
    if (CControlUI* control = Find(name))
        control->SetVisible(visible);
}

LRESULT CMainFrame::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCLBUTTONDBLCLK)
        return 0; // the caption area neither maximises nor restores
    if (CInstallViewPoster::Dispatch(uMsg, wParam, lParam, *this))
        return 0;
    // Not CUIFrameWnd's: a second start must leave this window as it is.
    return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

LRESULT CMainFrame::OnCreate(UINT, WPARAM, LPARAM, bool&)
{
    CControlUI* root = nullptr;
    const CSkinWindowSetup::Result result = CSkinWindowSetup::Run(
        *this, GetSkinDir(), GetSkinResId(), GetSkinResMode(), GetSkinXml(), m_pSkinZip, root);
    if (result == CSkinWindowSetup::NoArchive)
        return 0;
    if (result == CSkinWindowSetup::BuildFailed)
    {
        ModalUi().pfnMessageBox(nullptr, L"加载资源文件失败", L"SkinUI", MB_ICONERROR);
        ModalUi().pfnExitProcess(1);
        return -1; // only when a test kept the process: creation fails
    }
    m_pm.AttachDialog(root);
    m_pm.AddNotifier(this);
    AttachInstallView(m_hWnd, this);
    if (COptionUI* option = static_cast<COptionUI*>(Find(L"opt_User")))
        option->Selected(true, true);
    InitWindow();
    return 0;
}

void CMainFrame::InitWindow()
{
    if (CDPI* dpi = m_pm.GetDPIObj())
        dpi->SetDPIAwareness(kPerMonitorDpiAware);
    SetIcon(kIconId);
    SetProgressValue(0);
    SetInstallState(InstallStarted);
    StartUsageReport();
    m_pm.SetDPI(kWindowDpi);
}

void CMainFrame::OnFinalMessage(HWND hWnd)
{
    CUIFrameWnd::OnFinalMessage(hWnd);
    m_hViewTarget = nullptr; // nothing more can be shown
    m_pView = nullptr;
    ::PostQuitMessage(0);
}

LRESULT CMainFrame::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    if ((wParam & 0xFFF0) != SC_CLOSE)
        return CUIFrameWnd::OnSysCommand(uMsg, wParam, lParam, bHandled);
    bHandled = true;
    if (GetInstallState() == InstallDone)
    {
        ::PostQuitMessage(0);
        return 0;
    }
    const unsigned int answer = ShowExitConfirmation(m_hWnd, L"", L"");
    // The run may have finished while the question was open: then nothing is given up.
    if (answer == 1 && GetInstallState() != InstallDone)
    {
        ReportAbort();
        ::PostQuitMessage(0);
    }
    return 0;
}

void CMainFrame::ReportAbort()
{
    SetInstallState(InstallUserAbort);
    SendUsageReport();
}

void CMainFrame::OnNotifyClick(tagTNotifyUI& msg)
{
    if (msg.pSender == nullptr)
        return;
    const CUIString name = msg.pSender->GetName();
    if (name == L"btn_Close")
    {
        if (ShowExitConfirmation(m_hWnd, L"", L"") == 1)
        {
            ReportAbort();
            ::DestroyWindow(m_hWnd);
        }
    }
    else if (name == L"btn_Install")
        ShowInstallPageAndStart(L"page_home");
    else if (name == L"opt_User")
    {
        COptionUI* option = static_cast<COptionUI*>(Find(L"opt_User"));
        const bool accepted = option == nullptr || option->IsSelected();
        if (CControlUI* install = Find(L"btn_Install"))
            install->SetEnabled(accepted);
        if (CControlUI* alter = Find(L"btn_Alter"))
            alter->SetEnabled(accepted);
    }
    else if (name == L"btn_User")
        OpenWebAddress(LicenceAddress().c_str());
    else if (name == L"btn_Alter")
        BrowseForInstallFolder();
    else if (name == L"btn_Reinstall")
        ShowInstallPageAndStart(L"page_fail");
    else if (name == L"btn_OfflinePatch" || name == L"btn_Offline")
        OpenWebAddress(GetOfflineUrl());
    else if (name == L"btn_Run")
    {
        RunInstalledProduct();
        Close(1);
    }
}

void CMainFrame::ShowInstallPageAndStart(const wchar_t* hidePage)
{
    SetVisible(hidePage, false);
    CControlUI* page = Find(L"page_install");
    if (page == nullptr)
        return;
    page->SetVisible(true);
    CControlUI* dir = Find(L"edit_Installdir");
    const CUIString dirText = dir != nullptr ? dir->GetText() : CUIString();
    StartInstall(dir != nullptr ? dirText.GetData() : nullptr); // sets the bar to 0 on this view
}

std::wstring CMainFrame::LicenceAddress()
{
    // The scheme is explicit: the shell must open a web page, never a local file of that name.
    wchar_t host[kPathCapacity] = {};
    Utf8ToWide(host, GetWebHost(), kPathCapacity);
    return std::wstring(L"https://") + host + L"/cn/license-agreement.html";
}

void CMainFrame::BrowseForInstallFolder()
{
    const CUIString title = CLangManagerUI::GetString(1, L"从下面选文件夹目录:");
    wchar_t displayName[kPathCapacity] = {};
    BROWSEINFOW info = {};
    info.pszDisplayName = displayName;
    info.lpszTitle = title.GetData();
    info.ulFlags = BIF_RETURNFSANCESTORS;
    const tagTModalUiCalls& ui = ModalUi();
    PIDLIST_ABSOLUTE pidl = ui.pfnBrowseForFolder(&info);
    if (pidl == nullptr)
        return;
    wchar_t path[kPathCapacity] = {};
    if (ui.pfnGetPathFromIDList(pidl, path) && path[0] != L'\0')
    {
        if (CControlUI* dir = Find(L"edit_Installdir"))
            dir->SetText(path);
    }
    ui.pfnFreeIDList(pidl);
}

void CMainFrame::RunInstalledProduct()
{
    const std::wstring dir = GetInstallDir();
    if (dir.empty())
        return; // no run has named a folder: "\AppRun.exe" would name the drive's root
    static const wchar_t kFormat[] = L"\"%s\\AppRun.exe\"";
    // Quotes, backslash and name: 13 characters besides the folder, plus the terminator.
    if (dir.size() + 13 >= kPathCapacity)
        return; // does not fit: start nothing rather than a cut path
    wchar_t file[kPathCapacity] = {};
    FormatWide(file, kPathCapacity, kFormat, dir.c_str());
    ModalUi().pfnShellExecute(nullptr, L"runas", file, L"", dir.c_str(), SW_SHOW);
}

void CMainFrame::SetProgressStretch(bool stretch)
{
    if (CProgressUI* bar = static_cast<CProgressUI*>(Find(L"pro_Percent")))
        bar->SetStretchForeImage(stretch);
}

void CMainFrame::SetProgressValue(int value)
{
    if (CProgressUI* bar = static_cast<CProgressUI*>(Find(L"pro_Percent")))
        bar->SetValue(value);
}

void CMainFrame::SetPercentText(const wchar_t* text)
{
    if (CControlUI* label = Find(L"lb_Percent"))
        label->SetText(text);
}

void CMainFrame::ShowEndPage(InstallEndPage page)
{
    SetVisible(L"page_install", false);
    SetVisible(page == InstallEndPage::Finished ? L"page_finished" : L"page_fail", true);
}
