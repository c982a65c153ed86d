// CInstallViewPoster: hands an installation run's display changes from its thread to the
// window's thread, by posting messages to the window.
//
// Contract: PostProgress and PostEndPage may be called from any thread; they post kMessage to
// the target window and never touch a control. Progress is coalesced: a percentage equal to the
// last one posted is not posted again, so a download costs at most one repaint per percent.
// Percentages are clamped to 0..kMaxDownloadPercent. The window's procedure passes every message
// to Dispatch, which on its own thread turns kMessage into IInstallView calls (stretch off,
// value, "N%" text; or the end page) and says whether it was one. A target that has gone away
// simply loses the message.
// It does not own the window, does not wait for the window to handle anything and keeps no
// reference to any control.
#pragma once

#include "installer/install/IInstallView.h"

#include <windows.h>

#include <atomic>

class CInstallViewPoster
{
public:
    static constexpr UINT kMessage = WM_APP + 0x140;
    static constexpr int kMaxDownloadPercent = 90;

    explicit CInstallViewPoster(HWND target) : m_hTarget(target) {}
    CInstallViewPoster(const CInstallViewPoster&) = delete;
    CInstallViewPoster& operator=(const CInstallViewPoster&) = delete;

    void PostProgress(int percent);
    void PostEndPage(InstallEndPage page);

    // Messages actually posted (progress and pages); for measurements.
    long PostedCount() const { return m_nPosted.load(); }

    // On the window's thread, for each message it receives: true when msg was kMessage and has
    // been applied to view.
    static bool Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, IInstallView& view);

    // The same display change, made directly on the window's thread.
    static void ShowProgress(IInstallView& view, int percent);

private:
    enum : WPARAM
    {
        kProgress = 1,
        kEndPage = 2,
    };

    void Post(WPARAM kind, LPARAM value);

    HWND m_hTarget;
    std::atomic<int> m_nLastPercent{-1};
    std::atomic<long> m_nPosted{0};
};
