#include "installer/install/CInstallRun.h"

#include "installer/install/DownloadFolder.h"

#include "installer/install/CRegistryKey.h"
#include "installer/install/InstallSettings.h"
#include "installer/install/SilentInstaller.h"
#include "installer/net/TextConvert.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <chrono>
#include <cwchar>

namespace
{

// A test build shortens the wait for the product's installer; nothing else differs.
#ifdef ZENTRIVO_TEST_INSTALL_WAIT_MS
constexpr DWORD kRunWaitMs = ZENTRIVO_TEST_INSTALL_WAIT_MS;
#else
constexpr DWORD kRunWaitMs = kSilentInstallWaitMs;
#endif

constexpr wchar_t kProductFolderName[] = L"Zentrivo";
constexpr wchar_t kRegistryKey[] = L"Software\\tolvane\\Zentrivo";
constexpr size_t kUrlBytes = 520 * 3 + 1; // any 519-character address, whatever its letters

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The desktop folder's drive letter; the system drive's when the desktop has none (a network
// path), C when neither can be read.
wchar_t DesktopDrive()
{
    wchar_t path[MAX_PATH] = {};
    if (::SHGetSpecialFolderPathW(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE) && IsDriveLetter(path[0]))
        return path[0];
    if (::GetSystemDirectoryW(path, MAX_PATH) != 0 && IsDriveLetter(path[0]))
        return path[0];
    return L'C';
}

// "Path" holds the text and its terminator, nothing of the field behind them.
void WriteInstallPath(const wchar_t* folder)
{
    CRegistryKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kRegistryKey, KEY_ALL_ACCESS))
        return; // the product's installer did not make it: nothing to record
    const DWORD bytes = static_cast<DWORD>((wcslen(folder) + 1) * sizeof(wchar_t));
    ::RegSetValueExW(key.Get(), L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder), bytes);
}

} // namespace

CInstallRun::CInstallRun(const wchar_t* onlineUrl, const wchar_t* installDirText,
                         std::shared_ptr<CInstallViewPoster> view, std::function<void()> startReport)
    : m_sOnlineUrl(onlineUrl ? onlineUrl : L""), m_bHasDirText(installDirText != nullptr),
      m_sDirText(installDirText ? installDirText : L""),
      m_pView(view ? std::move(view) : std::make_shared<CInstallViewPoster>(nullptr)),
      m_startReport(std::move(startReport)),
      m_download([this](int percent) { m_pView->PostProgress(percent); },
                 [this]
                 {
                     const CInstallShare* share = m_pShare.load();
                     return share != nullptr && share->IsAbandoned();
                 })
{
}

bool CInstallRun::ComposeInstallDir(wchar_t drive, const wchar_t* text, wchar_t (&folder)[kFolderCapacity])
{
    wchar_t composed[kFolderCapacity] = {};
    const wchar_t letter[2] = {drive, L'\0'};
    if (text == nullptr)
    {
        FormatWide(composed, kFolderCapacity, L"%s%s", letter,
                   L":\\Program Files (x86)\\tolvane\\Zentrivo\\");
        wmemcpy(folder, composed, kFolderCapacity);
        return true;
    }
    if (wcschr(text, L'"') != nullptr)
        return false; // it would end the quoted /DIR value and add parameters of its own
    const bool named = wcsstr(text, kProductFolderName) != nullptr;
    const wchar_t* tail = named ? L"\\" : L"\\Zentrivo\\";
    if (wcslen(text) + wcslen(tail) >= kFolderCapacity)
        return false;
    FormatWide(composed, kFolderCapacity, L"%s%s", text, tail);
    wmemcpy(folder, composed, kFolderCapacity);
    return true;
}

void CInstallRun::Work(CInstallShare& share)
{
    struct FinishMark
    {
        CInstallRun* run;
        ~FinishMark()
        {
            run->m_download.ReleaseReadLock(); // whatever the ending, the file is let go
            run->MarkFinished();
        }
    } mark{this};
    m_pShare.store(&share);

    // The download folder on the desktop's drive and the file in it.
    const wchar_t drive = DesktopDrive();
    const wchar_t letter[2] = {drive, L'\0'};
    wchar_t downloadDir[kFolderCapacity] = {};
    FormatWide(downloadDir, kFolderCapacity, L"%s:\\tolvane", letter);
    SetFolder(m_szDownloadDir, downloadDir);
    // An elevated program is started from here: nobody else may put or swap a file in it.
    if (!PrepareDownloadFolder(downloadDir))
        return FailureEnding(share, InstallDownloadFailed);
    wchar_t filePath[kFolderCapacity] = {};
    FormatWide(filePath, kFolderCapacity, L"%s\\%s", downloadDir, L"DOCWARP_Online.exe");

    // The download; the handle and the file are released before the file is looked at.
    if (!m_download.Open(filePath))
        return FailureEnding(share, InstallDownloadFailed);
    char url[kUrlBytes] = {};
    WideToUtf8(url, m_sOnlineUrl.c_str(), kUrlBytes);
    const int rc = m_download.Run(url);
    if (share.IsAbandoned())
        return;
    if (rc != 0 || ::GetFileAttributesW(filePath) == INVALID_FILE_ATTRIBUTES)
        return FailureEnding(share, InstallDownloadFailed);

    // The folder, the command line and the hidden start.
    tagTLaunchRecord record = {};
    record.waitMs = kRunWaitMs;
    FormatWide(record.executable, 260, L"\"%s\"", filePath);
    wchar_t installDir[kFolderCapacity] = {};
    ComposeInstallDir(drive, nullptr, installDir);
    SetFolder(m_szInstallDir, installDir);
    if (!ComposeInstallDir(drive, m_bHasDirText ? m_sDirText.c_str() : nullptr, installDir))
        return FailureEnding(share, InstallDownloaded);
    SetFolder(m_szInstallDir, installDir);
    FormatWide(record.parameters, 2048, L"/VERYSILENT /SP- /NORESTART /DIR=\"%s\"", installDir);
    const bool started = RunSilentInstaller(&record, [&share] { return share.IsAbandoned(); });
    m_download.ReleaseReadLock();
    if (share.IsAbandoned())
        return;
    if (!started)
        return FailureEnding(share, InstallDownloaded);
    SuccessEnding(share);
}

void CInstallRun::EndUnstarted(CInstallShare& share)
{
    FailureEnding(share, InstallDownloadFailed);
    MarkFinished();
}

void CInstallRun::SuccessEnding(CInstallShare& share)
{
    WriteLanguageSetting();
    m_pView->PostEndPage(InstallEndPage::Finished);
    WriteInstallPath(GetInstallDir().c_str());
    share.SetInstallState(InstallDone);
    if (m_startReport)
        m_startReport();
}

void CInstallRun::FailureEnding(CInstallShare& share, int32_t outcome)
{
    share.SetInstallState(outcome);
    if (m_startReport)
        m_startReport();
    m_pView->PostEndPage(InstallEndPage::Failed);
}

void CInstallRun::SetFolder(wchar_t (&field)[kFolderCapacity], const wchar_t* value)
{
    std::lock_guard<std::mutex> hold(m_lock);
    wmemset(field, L'\0', kFolderCapacity);
    wcsncpy(field, value, kFolderCapacity - 1);
}

std::wstring CInstallRun::GetDownloadDir() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_szDownloadDir;
}

std::wstring CInstallRun::GetInstallDir() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_szInstallDir;
}

void CInstallRun::MarkFinished()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_bFinished = true;
    }
    m_finishedChanged.notify_all();
}

bool CInstallRun::IsFinished() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_bFinished;
}

bool CInstallRun::WaitFinished(DWORD timeoutMs) const
{
    std::unique_lock<std::mutex> hold(m_lock);
    return m_finishedChanged.wait_for(hold, std::chrono::milliseconds(timeoutMs),
                                      [this] { return m_bFinished; });
}
