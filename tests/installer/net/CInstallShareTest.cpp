#include <gtest/gtest.h>

#include "installer/net/CCurlGlobal.h"
#include "installer/net/CInstallShare.h"

#include <windows.h>

#include <atomic>
#include <memory>

namespace
{

// Polls cond every 10 ms for at most timeoutMs; true once it holds.
template <typename Cond> bool WaitUntil(Cond cond, int timeoutMs = 10000)
{
    const DWORD start = GetTickCount();
    while (!cond())
    {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

// A manual-reset event, closed when the test ends.
struct Gate
{
    HANDLE h = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~Gate() { CloseHandle(h); }
};

} // namespace

TEST(CInstallShare, ThreadKeepsItsShareAfterTheOwnerLetsGo)
{
    const int holdersBefore = CCurlGlobal::Holders();
    auto share = std::make_shared<CInstallShare>();
    EXPECT_TRUE(share->CurlReady());
    EXPECT_EQ(holdersBefore + 1, CCurlGlobal::Holders());
    share->SetInstallState(InstallDownloaded);
    std::weak_ptr<CInstallShare> watch = share;

    Gate running, gate;
    std::atomic<int32_t> seen{-1};
    std::atomic<bool> abandoned{false};
    HANDLE started = running.h, open = gate.h;
    ASSERT_TRUE(CInstallShare::RunOnThread(share,
                                           [started, open, &seen, &abandoned](CInstallShare& held)
                                           {
                                               SetEvent(started);
                                               WaitForSingleObject(open, 10000);
                                               seen = held.GetInstallState();
                                               abandoned = held.IsAbandoned();
                                           }));
    // The window goes away while the thread is at work.
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(running.h, 10000));
    share->Abandon();
    share.reset();
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(holdersBefore + 1, CCurlGlobal::Holders()); // the library stays set up for it

    SetEvent(gate.h);
    ASSERT_TRUE(WaitUntil([&] { return watch.expired(); }));
    EXPECT_EQ(InstallDownloaded, seen.load());
    EXPECT_TRUE(abandoned.load());
    EXPECT_EQ(holdersBefore, CCurlGlobal::Holders()); // released by the thread's last share
}

TEST(CInstallShare, RunOnThreadRefusesMissingPartsAndSurvivesThrowingWork)
{
    auto share = std::make_shared<CInstallShare>();
    EXPECT_FALSE(CInstallShare::RunOnThread(nullptr, [](CInstallShare&) {}));
    EXPECT_FALSE(CInstallShare::RunOnThread(share, nullptr));
    std::weak_ptr<CInstallShare> watch = share;
    ASSERT_TRUE(CInstallShare::RunOnThread(share, [](CInstallShare&) { throw std::bad_alloc(); }));
    share.reset();
    EXPECT_TRUE(WaitUntil([&] { return watch.expired(); })); // the share is released all the same
}
