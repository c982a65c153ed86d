// CMainFrame: the installer's main window: a skinned frame ("MainFrame.xml") with four pages
// (home, installing, finished, failed), the main window record and the work it does before it
// has a window.
//
// Contract: one CMainFrame exists per process; its constructor makes it the process-wide main
// window (GetMainFrame), initialises the transfer library, clears every field and fetches the
// download addresses synchronously, so both address fields hold an address afterwards (the
// service's, or the built-in ones). InstallState lives in a CInstallShare that the window and
// its worker threads hold together, so it is read and written whole-value from any thread and
// outlives the window as long as a thread needs it. StartUsageReport sends one usage report on
// a thread of its own that nobody waits for; that thread touches nothing of the window, only its
// share. SendUsageReport sends one on the calling thread and returns when it has ended. The
// destructor first stops designating this window as the main window, marks the share abandoned,
// waits for an installation run still going (below) and lets go of its share; it never waits
// for report threads, and the transfer library is cleaned up when the last holder of the share
// is gone.
// The constructor also writes the start-up mark into the settings file before the address query.
// StartInstall starts one installation run (CInstallRun) on a thread that holds a share; the
// run gets copies of what it reads and posts its display changes to the window attached with
// AttachInstallView, so it never touches a control. While a run is going, StartInstall refuses
// a second one. The destructor aborts a running download (the share is abandoned) and waits
// for the install thread, at most kRunStopWaitMs, before it lets go of the run, so the handle
// and the file are released by the run itself and never under its feet.
// Window part: creating the window builds the skin (a skin that cannot be built shows
// "加载资源文件失败" and ends the process with exit code 1; a missing archive leaves the window
// empty), attaches the window as the runs' view (IInstallView, on its own controls; the posted
// display changes are handled in HandleMessage), sends INSTALL_START and scales to 110 DPI.
// Clicks: btn_Install/btn_Reinstall switch to page_install and start a run, opt_User enables
// btn_Install and btn_Alter to match itself, btn_Alter sets edit_Installdir from the folder
// dialog, btn_User/btn_Offline/btn_OfflinePatch open web addresses (only http/https ones),
// btn_Run starts the installed AppRun.exe elevated and closes, btn_Close asks (CMsgWnd) and on
// "yes" reports the abort before the window goes. The system's close command quits at once on
// the finished state and otherwise asks; the state is read again after the dialog, so a run
// that finished meanwhile is not reported as given up. A caption double click does nothing and
// the single-instance wake-up message is not answered. The window's end ends the message loop.
// Dialogs and shell calls go through ModalUi. It logs nothing.
#pragma once

#include "installer/install/CInstallRun.h"
#include "installer/install/CInstallViewPoster.h"
#include "installer/install/IInstallView.h"
#include "installer/net/CInstallShare.h"
#include "installer/net/DownloadAddresses.h"
#include "installer/net/InstallState.h"

#include "engine/window/CUIFrameWnd.h"

#include <cstdint>
#include <memory>
#include <string>

class CMainFrame : public SkinUI::CUIFrameWnd, public IInstallView
{
public:
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Asks the download-address service (compiled-in hosts) and fills both address fields.
    void FetchDownloadAddresses();

    void SetInstallState(int32_t value);
    int32_t GetInstallState() const;

    // The report for the event current when its body is built, on a new thread.
    void StartUsageReport();
    // The report on the calling thread (the closing window's INSTALL_USERABORT).
    void SendUsageReport();

    // How long the destructor waits for a stopped run's thread to end.
    static constexpr DWORD kRunStopWaitMs = 15000;

    // On the UI thread: runs post their display changes to target, whose window procedure
    // hands them to CInstallViewPoster::Dispatch with view; StartInstall sets the bar on view.
    void AttachInstallView(HWND target, IInstallView* view);

    // btn_Install and btn_Reinstall, on the UI thread: sets the bar to 0 and starts a run with
    // the text of edit_Installdir (null when that control is missing). False, with nothing
    // changed, while a run is still going.
    bool StartInstall(const wchar_t* installDirText);
    bool IsInstalling() const;
    // Posted like the run's own progress: safe from any thread.
    void SetInstallProgress(int percent);

    const wchar_t* GetOnlineUrl() const { return m_szOnlineUrl; }
    const wchar_t* GetOfflineUrl() const { return m_szOfflineUrl; }
    // Filled by the latest run; empty before the first.
    std::wstring GetDownloadDir() const;
    std::wstring GetInstallDir() const;
    const unsigned char* GetSkinZipCopy() const { return m_pSkinZip.get(); }
    // Whether a run holds the transfer handle and the download file right now.
    bool HoldsTransfer() const;

    // What worker threads hold of this window; it stays valid after the window is gone.
    const std::shared_ptr<CInstallShare>& GetShare() const { return m_pShare; }

    // ---- the window -------------------------------------------------------------------------
    const wchar_t* GetWndClassName() const override { return L"MainFrame"; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    SkinUI::CUIString GetSkinXml() override { return L"MainFrame.xml"; }
    LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    void InitWindow() override;
    virtual SkinUI::CUIString GetSkinDir() { return L""; }
    virtual UINT GetSkinResId() { return 130; }
    virtual int GetSkinResMode() { return 4; }

    void OnNotifyClick(SkinUI::tagTNotifyUI& msg) override;
    bool OnCustomMessage(UINT, WPARAM, LPARAM) override { return false; }

    // IInstallView, on the window's own controls (UI thread).
    void SetProgressStretch(bool stretch) override;
    void SetProgressValue(int value) override;
    void SetPercentText(const wchar_t* text) override;
    void ShowEndPage(InstallEndPage page) override;

    // The licence page's address.
    static std::wstring LicenceAddress();

protected:
    void OnFinalMessage(HWND hWnd) override;

private:
    SkinUI::CControlUI* Find(const wchar_t* name) const;
    void SetVisible(const wchar_t* name, bool visible);
    // btn_Install and btn_Reinstall: page_install shown and a run started (false without it).
    void ShowInstallPageAndStart(const wchar_t* hidePage);
    void BrowseForInstallFolder();
    void RunInstalledProduct();
    // The confirmed close: the abort report, on this thread, before the window goes.
    void ReportAbort();
    // The main window record, in its fixed order; every field starts zero/empty.
    std::unique_ptr<unsigned char[]> m_pSkinZip; // owned copy of the skin archive
    // The latest run: its folders, and while it runs the transfer handle and the download file.
    // Shared with the install thread, which therefore never needs the window.
    std::shared_ptr<CInstallRun> m_pRun;
    std::shared_ptr<CInstallShare> m_pShare; // InstallState and the transfer library's set-up
    HWND m_hViewTarget = nullptr;
    IInstallView* m_pView = nullptr; // borrowed; used on the UI thread only
    wchar_t m_szOfflineUrl[kAddressCapacity] = {};
    wchar_t m_szOnlineUrl[kAddressCapacity] = {};
};

// The process-wide main window: the one set by the latest CMainFrame constructor, or null from
// the start of that window's destruction on.
CMainFrame* GetMainFrame();
