// CMainFrame: the installer's main window record and the work it does before it has a window.
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
// releases a download left open and lets go of its share; it never waits for report threads,
// and the transfer library is cleaned up when the last holder of the share is gone.
// An installation run is meant to take the same road: its thread holds a share
// (CInstallShare::RunOnThread), and its download gives up once the share is abandoned.
// It does not create a window, build a skin or run an installation (other parts of the window
// do); it shows nothing and logs nothing.
#pragma once

#include "installer/net/CInstallShare.h"
#include "installer/net/DownloadAddresses.h"
#include "installer/net/InstallState.h"

#include <curl/curl.h>

#include <cstdint>
#include <cstdio>
#include <memory>

class CMainFrame
{
public:
    CMainFrame();
    ~CMainFrame();
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

    const wchar_t* GetOnlineUrl() const { return m_szOnlineUrl; }
    const wchar_t* GetOfflineUrl() const { return m_szOfflineUrl; }
    const wchar_t* GetDownloadDir() const { return m_szDownloadDir; }
    const wchar_t* GetInstallDir() const { return m_szInstallDir; }
    const unsigned char* GetSkinZipCopy() const { return m_pSkinZip.get(); }
    CURL* GetTransferHandle() const { return m_pCurl; }
    FILE* GetDownloadFile() const { return m_pDownloadFile; }

    // What worker threads hold of this window; it stays valid after the window is gone.
    const std::shared_ptr<CInstallShare>& GetShare() const { return m_pShare; }

private:
    // The main window record, in its fixed order; every field starts zero/empty.
    std::unique_ptr<unsigned char[]> m_pSkinZip; // owned copy of the skin archive
    wchar_t m_szDownloadDir[260] = {};
    wchar_t m_szInstallDir[260] = {};
    CURL* m_pCurl = nullptr;                 // the running download's handle, owned while held
    FILE* m_pDownloadFile = nullptr;         // the running download's output file, owned while held
    std::shared_ptr<CInstallShare> m_pShare; // InstallState and the transfer library's set-up
    wchar_t m_szOfflineUrl[kAddressCapacity] = {};
    wchar_t m_szOnlineUrl[kAddressCapacity] = {};
};

// The process-wide main window: the one set by the latest CMainFrame constructor, or null from
// the start of that window's destruction on.
CMainFrame* GetMainFrame();
