// CInstallShare: the part of the main window's state that worker threads may need after the
// window is gone, kept alive by reference counting (std::shared_ptr) instead of by the window.
//
// Contract: holds InstallState (whole-value reads and writes from any thread), one reference on
// the transfer library's global set-up (CCurlGlobal), and an "abandoned" mark that the window
// sets when it is destroyed. A thread started with RunOnThread holds its own share for as long
// as its work runs, so what it reads stays valid and curl_global_cleanup runs only after the
// last holder, window or thread, has let go. Long work (a download) polls IsAbandoned() and
// stops when it is set, since nobody will look at its outcome any more.
// It does not hold the window, its controls or its fields, and it never joins or kills threads:
// a thread still running when the process ends is cut off with it.
#pragma once

#include "installer/net/CCurlGlobal.h"
#include "installer/net/InstallState.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class CInstallShare
{
public:
    CInstallShare() = default;
    CInstallShare(const CInstallShare&) = delete;
    CInstallShare& operator=(const CInstallShare&) = delete;

    void SetInstallState(int32_t value) { m_nInstallState.store(value); }
    int32_t GetInstallState() const { return m_nInstallState.load(); }

    void Abandon() { m_bAbandoned.store(true); }
    bool IsAbandoned() const { return m_bAbandoned.load(); }

    bool CurlReady() const { return m_curl.Ok(); }

    // Runs work(share) on a new thread (_beginthreadex, handle closed at once) that holds a
    // share until work returns. Returns false, without running work, when no thread could be
    // started. Exceptions leaving work end there; they never reach the thread's start routine.
    static bool RunOnThread(const std::shared_ptr<CInstallShare>& share,
                            std::function<void(CInstallShare&)> work);

private:
    CCurlGlobal m_curl;
    std::atomic<int32_t> m_nInstallState{InstallStarted};
    std::atomic<bool> m_bAbandoned{false};
};
