#include "installer/ui/CMainFrame.h"

#include "installer/net/ServiceHosts.h"
#include "installer/net/UsageReport.h"

#include <atomic>

namespace
{

std::atomic<CMainFrame*> g_pMainFrame{nullptr};

} // namespace

CMainFrame* GetMainFrame()
{
    return g_pMainFrame.load();
}

CMainFrame::CMainFrame() : m_pShare(std::make_shared<CInstallShare>())
{
    m_pSkinZip.reset();
    g_pMainFrame.store(this);
    SetInstallState(InstallStarted);
    m_szInstallDir[0] = L'\0';
    // The share's construction set the transfer library up (curl_global_init).
    m_szOfflineUrl[0] = L'\0';
    m_szOnlineUrl[0] = L'\0';
    // The settings file is touched here by the installation run's own start-up step.
    FetchDownloadAddresses();
}

CMainFrame::~CMainFrame()
{
    // First, so nothing started from now on finds this window through the pointer.
    CMainFrame* self = this;
    g_pMainFrame.compare_exchange_strong(self, nullptr);
    m_pShare->Abandon();
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
    // Report threads keep their own shares: the library is cleaned up after the last of them.
    m_pShare.reset();
}

void CMainFrame::FetchDownloadAddresses()
{
    QueryDownloadAddresses(GetAddressServiceHost(), GetDownloadHost(), m_szOnlineUrl, m_szOfflineUrl);
}

void CMainFrame::SetInstallState(int32_t value)
{
    m_pShare->SetInstallState(value);
}

int32_t CMainFrame::GetInstallState() const
{
    return m_pShare->GetInstallState();
}

void CMainFrame::StartUsageReport()
{
    // The thread gets the share alone, never the window, so it may outlive the window.
    CInstallShare::RunOnThread(m_pShare,
                               [](CInstallShare& share)
                               {
                                   SendUsageReportTo(
                                       GetIpLookupHost(), GetReportHost(),
                                       [&share] { return share.GetInstallState(); },
                                       ReportTiming::Background);
                               });
}

void CMainFrame::SendUsageReport()
{
    SendUsageReportTo(
        GetIpLookupHost(), GetReportHost(), [this]() { return GetInstallState(); }, ReportTiming::Closing);
}
