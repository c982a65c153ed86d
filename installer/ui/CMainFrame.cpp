#include "installer/ui/CMainFrame.h"

#include "installer/net/ServiceHosts.h"
#include "installer/net/UsageReport.h"
#include "installer/net/WebRequest.h"

#include <windows.h>
#include <process.h>

namespace
{

std::atomic<CMainFrame*> g_pMainFrame{nullptr};

} // namespace

CMainFrame* GetMainFrame()
{
    return g_pMainFrame.load();
}

CMainFrame::CMainFrame()
{
    m_pSkinZip.reset();
    g_pMainFrame.store(this);
    SetInstallState(InstallStarted);
    m_szInstallDir[0] = L'\0';
    curl_global_init(CURL_GLOBAL_ALL);
    m_szOfflineUrl[0] = L'\0';
    m_szOnlineUrl[0] = L'\0';
    // The settings file is touched here by the installation run's own start-up step.
    FetchDownloadAddresses();
}

CMainFrame::~CMainFrame()
{
    // A report's lookup and POST each end within their time limits; this bound covers both.
    const DWORD start = GetTickCount();
    const DWORD bound = static_cast<DWORD>(kIpLookupTimeoutMs + kReportTimeoutMs + 1000);
    while (m_nReportsInFlight.load() > 0 && GetTickCount() - start < bound)
        Sleep(10);
    m_pSkinZip.reset();
    if (m_pDownloadFile != nullptr)
    {
        fclose(m_pDownloadFile);
        m_pDownloadFile = nullptr;
    }
    if (m_pCurl != nullptr)
    {
        curl_easy_cleanup(m_pCurl);
        m_pCurl = nullptr;
    }
    curl_global_cleanup();
    // A progress callback or report thread must not reach a destroyed window.
    CMainFrame* self = this;
    g_pMainFrame.compare_exchange_strong(self, nullptr);
}

void CMainFrame::FetchDownloadAddresses()
{
    QueryDownloadAddresses(GetAddressServiceHost(), GetDownloadHost(), m_szOnlineUrl, m_szOfflineUrl);
}

void CMainFrame::SetInstallState(int32_t value)
{
    m_nInstallState.store(value);
}

int32_t CMainFrame::GetInstallState() const
{
    return m_nInstallState.load();
}

void CMainFrame::StartUsageReport()
{
    ++m_nReportsInFlight;
    const uintptr_t thread = _beginthreadex(nullptr, 0, &CMainFrame::UsageReportThread, this, 0, nullptr);
    if (thread != 0)
        CloseHandle(reinterpret_cast<HANDLE>(thread));
    else
        --m_nReportsInFlight;
}

void CMainFrame::SendUsageReport()
{
    SendUsageReportTo(GetIpLookupHost(), GetReportHost(), [this]() { return GetInstallState(); });
}

unsigned __stdcall CMainFrame::UsageReportThread(void* param)
{
    if (param == nullptr)
        return 0;
    CMainFrame* frame = static_cast<CMainFrame*>(param);
    frame->SendUsageReport();
    --frame->m_nReportsInFlight; // the last touch of the window
    return 0;
}
