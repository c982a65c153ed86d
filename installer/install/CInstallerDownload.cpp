#include "installer/install/CInstallerDownload.h"

#include "installer/net/WebRequest.h"

#include <cmath>
#include <exception>

CInstallerDownload::CInstallerDownload(std::function<void(int)> progress, std::function<bool()> stop)
    : m_progress(std::move(progress)), m_stop(std::move(stop))
{
}

bool CInstallerDownload::Open(const wchar_t* filePath)
{
    Release();
    if (filePath == nullptr)
        return false;
    try
    {
        m_pCurl.reset(new CCurlEasy());
    }
    catch (const std::exception&)
    {
        return false;
    }
    m_pFile.reset(_wfopen(filePath, L"wb"));
    if (!*m_pCurl || !m_pFile)
    {
        Release();
        return false;
    }
    m_bHolds.store(true);
    return true;
}

int CInstallerDownload::Run(const char* url)
{
    if (!m_pCurl || !*m_pCurl || !m_pFile || url == nullptr)
    {
        Release();
        return CURLE_FAILED_INIT;
    }
    CURL* h = m_pCurl->Get();
    CURLcode rc = SetInstallerDownloadOptions(h, url, m_pFile.get(), &CInstallerDownload::OnDownloadProgress);
    if (rc == CURLE_OK)
        rc = curl_easy_setopt(h, CURLOPT_PROGRESSDATA, static_cast<void*>(this));
    if (rc == CURLE_OK)
        rc = curl_easy_perform(h);
    // The file is closed before anyone looks at it, even when the transfer failed.
    Release();
    return rc;
}

void CInstallerDownload::Release()
{
    m_pCurl.reset();
    m_pFile.reset();
    m_bHolds.store(false);
}

int CInstallerDownload::Percent(double total, double downloaded)
{
    if (!(total > 0.0) || !(downloaded >= 0.0))
        return -1;
    const double percent = std::trunc(downloaded / (total / 90.0));
    return percent > 90.0 ? 90 : static_cast<int>(percent);
}

int CInstallerDownload::OnDownloadProgress(void* data, double total, double downloaded, double, double)
{
    CInstallerDownload* self = static_cast<CInstallerDownload*>(data);
    if (self == nullptr)
        return 0;
    if (self->m_stop && self->m_stop())
        return 1; // nobody waits for this file any more
    const int percent = Percent(total, downloaded);
    if (percent >= 0 && self->m_progress)
        self->m_progress(percent);
    return 0;
}
