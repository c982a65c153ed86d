// CInstallRun: one installation run - download the product's online installer, start it hidden
// with the silent-install command line, then record the settings and the install folder.
//
// Contract: made on the user-interface thread with copies of everything the run reads there
// (the online installer address and the text of edit_Installdir, or none when that control is
// missing), so the install thread never reads a control. Work runs the whole run on the
// install thread, given the window's share: it fills the download and install folders, owns
// the transfer handle and the download file while the transfer runs, posts every display
// change through the poster (progress, then exactly one end page) and ends with the state and
// the usage report of its outcome (success: settings, page_finished, registry "Path", InstallDone,
// report; failure: state, report, page_fail). Once the share is abandoned (the window is going
// away) the transfer is aborted, a running installer is no longer waited for, and the run ends
// quietly: no page, no setting, no report. An install folder that would not fit 260
// characters, or that carries a double quotation mark, is refused: the run fails without
// starting anything. The folders may be read from any thread; WaitFinished lets the window
// wait for the thread before it lets go. A run is one-shot.
// It does not start its own thread (CInstallShare::RunOnThread does), show anything directly
// or create the product's registry key.
#pragma once

#include "installer/install/CInstallViewPoster.h"
#include "installer/install/CInstallerDownload.h"
#include "installer/net/CInstallShare.h"

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

constexpr size_t kFolderCapacity = 260;

class CInstallRun
{
public:
    // installDirText null: edit_Installdir does not exist, the default folder is used.
    CInstallRun(const wchar_t* onlineUrl, const wchar_t* installDirText,
                std::shared_ptr<CInstallViewPoster> view, std::function<void()> startReport);
    CInstallRun(const CInstallRun&) = delete;
    CInstallRun& operator=(const CInstallRun&) = delete;

    // The run, on the install thread.
    void Work(CInstallShare& share);
    // The failure ending alone, for a run whose thread could not be started.
    void EndUnstarted(CInstallShare& share);

    bool IsFinished() const;
    bool WaitFinished(DWORD timeoutMs) const;

    std::wstring GetDownloadDir() const;
    std::wstring GetInstallDir() const;
    bool HoldsTransfer() const { return m_download.Holds(); }

    // The install folder for the edit text: the text + "\" when it contains "Zentrivo"
    // (case-sensitive), otherwise the text + "\Zentrivo\"; with no text, the default folder on
    // drive. False, with folder untouched, when the result would not fit kFolderCapacity or
    // the text holds a double quotation mark.
    static bool ComposeInstallDir(wchar_t drive, const wchar_t* text, wchar_t (&folder)[kFolderCapacity]);

private:
    void FailureEnding(CInstallShare& share, int32_t outcome);
    void SuccessEnding(CInstallShare& share);
    void SetFolder(wchar_t (&field)[kFolderCapacity], const wchar_t* value);
    void MarkFinished();

    std::wstring m_sOnlineUrl;
    bool m_bHasDirText;
    std::wstring m_sDirText;
    std::shared_ptr<CInstallViewPoster> m_pView;
    std::function<void()> m_startReport;
    std::atomic<const CInstallShare*> m_pShare{nullptr};
    CInstallerDownload m_download;

    mutable std::mutex m_lock; // guards the folders and the finished mark
    mutable std::condition_variable m_finishedChanged;
    wchar_t m_szDownloadDir[kFolderCapacity] = {};
    wchar_t m_szInstallDir[kFolderCapacity] = {};
    bool m_bFinished = false;
};
