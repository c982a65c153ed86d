// CMainFrame: the installer's main window record and the work it does before it has a window.
//
// Contract: one CMainFrame exists per process; its constructor makes it the process-wide main
// window (GetMainFrame), initialises the transfer library, clears every field and fetches the
// download addresses synchronously, so both address fields hold an address afterwards (the
// service's, or the built-in ones). InstallState is read and written whole-value from any
// thread. StartUsageReport sends one usage report on a thread of its own that nobody waits
// for; SendUsageReport sends one on the calling thread and returns when it has ended. The
// destructor waits (bounded by the reports' own time limits) for report threads still running,
// since they read InstallState and use the transfer library, then releases a download left
// open and cleans the transfer library up.
// It does not create a window, build a skin or run an installation (other parts of the window
// do); it shows nothing and logs nothing.
#pragma once

#include "installer/net/DownloadAddresses.h"
#include "installer/net/InstallState.h"

#include <curl/curl.h>

#include <atomic>
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

private:
    static unsigned __stdcall UsageReportThread(void* param);

    // The main window record, in its fixed order; every field starts zero/empty.
    std::unique_ptr<unsigned char[]> m_pSkinZip; // owned copy of the skin archive
    wchar_t m_szDownloadDir[260] = {};
    wchar_t m_szInstallDir[260] = {};
    CURL* m_pCurl = nullptr;         // the running download's handle, owned while held
    FILE* m_pDownloadFile = nullptr; // the running download's output file, owned while held
    std::atomic<int32_t> m_nInstallState{InstallStarted};
    wchar_t m_szOfflineUrl[kAddressCapacity] = {};
    wchar_t m_szOnlineUrl[kAddressCapacity] = {};

    std::atomic<int32_t> m_nReportsInFlight{0}; // report threads that may still use this window
};

// The process-wide main window: the one set by the latest CMainFrame constructor, or null once
// that window is destroyed.
CMainFrame* GetMainFrame();
