// CInstallerDownload: one download of the product's online installer into a file.
//
// Contract: Open creates the transfer handle and creates or empties the output file; Run sets
// the installer download's options (HTTPS only, the library writing straight into the file)
// and runs the transfer on the calling thread, then releases the handle and closes the file,
// whatever the outcome. While it runs, progress receives the whole percentage
// downloaded / (total / 90) each time the library reports (never for an unknown total, never
// above 90), and stop is polled: once it answers true the transfer is aborted (the library's
// progress callback returns non-zero) and Run returns CURLE_ABORTED_BY_CALLBACK. The handle and
// the file are owned here and released by the destructor at the latest. Holds() may be asked
// from any thread. One object, one thread, one download.
// The file is made anew (an older one, which may carry someone else's access list, is deleted
// first) and written through a handle that shares reading only. After a completed transfer the
// file stays open, read-only and still shared for reading only, until ReleaseReadLock (or the
// destructor): from the first byte until then nobody else can write, rename or delete the
// file, so the caller starts it before releasing.
// It does not check the HTTP status (an error page is saved like any body), does not retry and
// shows nothing itself.
#pragma once

#include "engine/resources/CFileHandle.h"
#include "installer/net/CCurlEasy.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

class CInstallerDownload
{
public:
    CInstallerDownload(std::function<void(int)> progress, std::function<bool()> stop);
    CInstallerDownload(const CInstallerDownload&) = delete;
    CInstallerDownload& operator=(const CInstallerDownload&) = delete;

    // False when the handle or the file could not be obtained; nothing is held then.
    bool Open(const wchar_t* filePath);
    // The libcurl result (0: completed); CURLE_FAILED_INIT when Open did not succeed.
    int Run(const char* url);
    bool Holds() const { return m_bHolds.load(); }
    // The read-only handle kept after a completed transfer.
    bool HoldsReadLock() const { return m_readLock.IsValid(); }
    void ReleaseReadLock() { m_readLock.Reset(); }

    // downloaded / (total / 90), truncated, at most 90; -1 when the total is unknown (<= 0).
    static int Percent(double total, double downloaded);

private:
    static int OnDownloadProgress(void* data, double total, double downloaded, double, double);
    void Release();
    // Swaps the writer for a read-only handle sharing reads only, with a handle of ours open
    // throughout.
    bool LockForReading();

    std::function<void(int)> m_progress;
    std::function<bool()> m_stop;
    std::unique_ptr<CCurlEasy> m_pCurl;
    std::unique_ptr<FILE, int (*)(FILE*)> m_pFile{nullptr, &fclose};
    std::atomic<bool> m_bHolds{false};
    std::wstring m_sPath;
    SkinUI::CFileHandle m_readLock;
};
