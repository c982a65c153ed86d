#include "installer/install/CInstallerDownload.h"

#include "installer/net/WebRequest.h"

#include <fcntl.h>
#include <io.h>

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
    m_sPath = filePath;
    // An older file keeps its own access list when overwritten: it goes, and the new one takes
    // the folder's. One still held open elsewhere makes the creation fail.
    ::DeleteFileW(filePath);
    HANDLE h = ::CreateFileW(filePath, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE)
    {
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        if (fd == -1)
            ::CloseHandle(h);
        else
        {
            m_pFile.reset(_fdopen(fd, "wb"));
            if (!m_pFile)
                _close(fd);
        }
    }
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
    // The writer is closed before anyone looks at the file, even when the transfer failed; a
    // complete file stays locked for reading.
    if (rc == CURLE_OK && !LockForReading())
        rc = CURLE_WRITE_ERROR;
    Release();
    return rc;
}

bool CInstallerDownload::LockForReading()
{
    if (!m_pFile || fflush(m_pFile.get()) != 0)
        return false;
    // Opened while our writer still is, so the reader has to share writing for a moment.
    SkinUI::CFileHandle bridge(::CreateFileW(m_sPath.c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!bridge.IsValid())
        return false;
    m_pFile.reset();
    m_readLock.Reset(::ReOpenFile(bridge.Get(), GENERIC_READ, FILE_SHARE_READ, 0));
    return m_readLock.IsValid();
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
    // downloaded / (total / 90) rounds twice: for many totals (55, 93, 759933 ...) the whole
    // file came out as 89.999... and showed 89. One rounding keeps whole percentages exact.
    const double percent = std::trunc(downloaded * 90.0 / total);
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
