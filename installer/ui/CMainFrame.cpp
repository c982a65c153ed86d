#include "installer/ui/CMainFrame.h"

#include "installer/install/InstallSettings.h"
#include "installer/net/ServiceHosts.h"
#include "installer/net/UsageReport.h"

#include <atomic>

namespace
{

std::atomic<CMainFrame*> g_pMainFrame{nullptr};

// The report thread gets the share alone, never the window, so it may outlive the window.
void StartUsageReportFor(const std::shared_ptr<CInstallShare>& share)
{
    CInstallShare::RunOnThread(share,
                               [](CInstallShare& held)
                               {
                                   SendUsageReportTo(
                                       GetIpLookupHost(), GetReportHost(),
                                       [&held] { return held.GetInstallState(); }, ReportTiming::Background);
                               });
}

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
    // The share's construction set the transfer library up (curl_global_init).
    m_szOfflineUrl[0] = L'\0';
    m_szOnlineUrl[0] = L'\0';
    WriteStartupSetting();
    FetchDownloadAddresses();
}

CMainFrame::~CMainFrame()
{
    // First, so nothing started from now on finds this window through the pointer.
    CMainFrame* self = this;
    g_pMainFrame.compare_exchange_strong(self, nullptr);
    m_pShare->Abandon();
    m_pSkinZip.reset();
    // The abandoned share makes the download abort at its next progress call; the run then
    // releases its handle and file on its own thread. Past the wait the thread still holds the
    // run and the share, so letting go here cannot pull anything from under it.
    if (m_pRun)
        m_pRun->WaitFinished(kRunStopWaitMs);
    m_pRun.reset();
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
    StartUsageReportFor(m_pShare);
}

void CMainFrame::AttachInstallView(HWND target, IInstallView* view)
{
    m_hViewTarget = target;
    m_pView = view;
}

bool CMainFrame::IsInstalling() const
{
    return m_pRun && !m_pRun->IsFinished();
}

bool CMainFrame::StartInstall(const wchar_t* installDirText)
{
    if (IsInstalling())
        return false; // one run at a time: two would write the same file
    if (m_pView != nullptr)
        m_pView->SetProgressValue(0);
    std::shared_ptr<CInstallShare> share = m_pShare;
    m_pRun = std::make_shared<CInstallRun>(m_szOnlineUrl, installDirText,
                                           std::make_shared<CInstallViewPoster>(m_hViewTarget),
                                           [share] { StartUsageReportFor(share); });
    std::shared_ptr<CInstallRun> run = m_pRun;
    if (!CInstallShare::RunOnThread(m_pShare, [run](CInstallShare& held) { run->Work(held); }))
        run->EndUnstarted(*m_pShare);
    return true;
}

void CMainFrame::SetInstallProgress(int percent)
{
    CInstallViewPoster(m_hViewTarget).PostProgress(percent);
}

std::wstring CMainFrame::GetDownloadDir() const
{
    return m_pRun ? m_pRun->GetDownloadDir() : std::wstring();
}

std::wstring CMainFrame::GetInstallDir() const
{
    return m_pRun ? m_pRun->GetInstallDir() : std::wstring();
}

bool CMainFrame::HoldsTransfer() const
{
    return m_pRun && m_pRun->HoldsTransfer();
}

void CMainFrame::SendUsageReport()
{
    SendUsageReportTo(
        GetIpLookupHost(), GetReportHost(), [this]() { return GetInstallState(); }, ReportTiming::Closing);
}
