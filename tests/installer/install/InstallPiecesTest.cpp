#include <gtest/gtest.h>

#include "installer/install/CInstallRun.h"
#include "installer/install/CInstallViewPoster.h"
#include "installer/install/CInstallerDownload.h"
#include "installer/install/InstallSettings.h"
#include "installer/install/SilentInstaller.h"
#include "tests/installer/install/CViewRecorder.h"
#include "tests/installer/install/InstallTestSupport.h"

#include <windows.h>

#include <cwchar>
#include <string>
#include <thread>
#include <vector>

namespace
{

std::wstring Compose(const wchar_t* text, wchar_t drive = L'C')
{
    wchar_t folder[kFolderCapacity];
    wmemset(folder, L'#', kFolderCapacity);
    if (!CInstallRun::ComposeInstallDir(drive, text, folder))
        return L"<refused>";
    return folder;
}

const wchar_t kLaunchRoot[] = L"C:\\ztest\\launch";

// A launch record for a copy of the product in the given mode, installing into
// kLaunchRoot\<mode>\Zentrivo\.
tagTLaunchRecord ProductRecord(const char* mode, DWORD waitMs)
{
    const std::wstring wmode(mode, mode + strlen(mode));
    const std::wstring exe = std::wstring(kLaunchRoot) + L"\\" + wmode + L".exe";
    EXPECT_TRUE(MakeProductCopy(exe, mode));
    tagTLaunchRecord record = {};
    record.waitMs = waitMs;
    _snwprintf(record.executable, 259, L"\"%s\"", exe.c_str());
    _snwprintf(record.parameters, 2047, L"/VERYSILENT /SP- /NORESTART /DIR=\"%s\\%s\\Zentrivo\\\"",
               kLaunchRoot, wmode.c_str());
    return record;
}

class SilentInstaller : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoveTree(kLaunchRoot);
        MakeSurePathExists(L"C:\\ztest\\launch\\");
    }
    void TearDown() override
    {
        // Installers left running, on purpose or by a fault under test, go with the case.
        for (const wchar_t* name : {L"slow.exe", L"hanging.exe", L"normal.exe", L"failing.exe"})
            ProcessesNamed(name, true);
        RemoveTree(kLaunchRoot);
    }
};

} // namespace

TEST(InstallFolder, TextRulesAndDefault)
{
    EXPECT_EQ(L"D:\\Apps\\Zentrivo\\", Compose(L"D:\\Apps"));
    EXPECT_EQ(L"C:\\Program Files (x86)\\tolvane\\Zentrivo\\",
              Compose(L"C:\\Program Files (x86)\\tolvane\\Zentrivo"));
    EXPECT_EQ(L"D:\\zentrivo\\Zentrivo\\", Compose(L"D:\\zentrivo"));   // case-sensitive search
    EXPECT_EQ(L"D:\\MyZentrivoApps\\", Compose(L"D:\\MyZentrivoApps")); // anywhere in the text
    EXPECT_EQ(L"D:\\Apps\\\\Zentrivo\\", Compose(L"D:\\Apps\\"));       // used as it stands
    EXPECT_EQ(L"E:\\Program Files (x86)\\tolvane\\Zentrivo\\", Compose(nullptr, L'E'));
    EXPECT_EQ(L"\\Zentrivo\\", Compose(L""));
}

TEST(InstallFolder, RefusesWhatWouldBeCutOrBreakTheQuoting)
{
    // "\Zentrivo\" adds 10: 249 + 10 = 259 fits with its terminator, 250 does not.
    const std::wstring fits = L"D:\\" + std::wstring(246, L'a');
    EXPECT_EQ(fits + L"\\Zentrivo\\", Compose(fits.c_str()));
    const std::wstring tooLong = fits + L"a";
    EXPECT_EQ(L"<refused>", Compose(tooLong.c_str()));
    // With the name inside only "\" is added: 258 characters fit, 259 do not.
    const std::wstring named = L"D:\\Zentrivo" + std::wstring(247, L'b');
    EXPECT_EQ(named + L"\\", Compose(named.c_str()));
    EXPECT_EQ(L"<refused>", Compose((named + L"b").c_str()));
    EXPECT_EQ(L"<refused>", Compose(L"D:\\x\" /LOG=\"D:\\y"));
    wchar_t folder[kFolderCapacity] = L"untouched";
    EXPECT_FALSE(CInstallRun::ComposeInstallDir(L'C', tooLong.c_str(), folder));
    EXPECT_STREQ(L"untouched", folder);
}

TEST(DownloadPercent, NinetyStepsTruncatedAndNothingForAnUnknownTotal)
{
    EXPECT_EQ(-1, CInstallerDownload::Percent(0.0, 500.0));
    EXPECT_EQ(-1, CInstallerDownload::Percent(-1.0, 500.0));
    EXPECT_EQ(0, CInstallerDownload::Percent(1000.0, 0.0));
    EXPECT_EQ(0, CInstallerDownload::Percent(1000.0, 11.0)); // 0.99 truncated
    // Totals for which downloaded / (total / 90) lands just under 90 for the whole file.
    for (double total : {55.0, 93.0, 99.0, 110.0, 759933.0})
        EXPECT_EQ(90, CInstallerDownload::Percent(total, total)) << total;

    EXPECT_EQ(1, CInstallerDownload::Percent(1000.0, 12.0));
    EXPECT_EQ(45, CInstallerDownload::Percent(1000.0, 500.0));
    EXPECT_EQ(90, CInstallerDownload::Percent(1000.0, 1000.0));
    EXPECT_EQ(90, CInstallerDownload::Percent(1000.0, 5000.0)); // a server that sends more than it said
    EXPECT_EQ(89, CInstallerDownload::Percent(209715200.0, 209715199.0));
}

TEST(InstallViewPoster, ChangesReachTheOwnerThreadInOrderAndCoalesced)
{
    CViewRecorder view;
    CInstallViewPoster poster(view.Target());
    std::thread worker(
        [&poster]
        {
            for (int p : {0, 0, 5, 5, 5, 37, 120, 90})
                poster.PostProgress(p);
            poster.PostEndPage(InstallEndPage::Failed);
        });
    worker.join();
    EXPECT_TRUE(view.Events().empty()); // nothing is touched until the owner pumps
    ASSERT_TRUE(view.PumpUntil([&] { return view.HasEndPage(); }, 5000));
    const std::vector<std::string> expected = {"stretch:0", "value:0",   "text:0%",  "stretch:0", "value:5",
                                               "text:5%",   "stretch:0", "value:37", "text:37%",  "stretch:0",
                                               "value:90",  "text:90%",  "page:fail"};
    EXPECT_EQ(expected, view.Events());
    EXPECT_EQ(0, view.WrongThreadCalls());
    EXPECT_EQ(5, poster.PostedCount());
}

TEST(InstallViewPoster, ForeignMessagesAndBadPagesAreLeftAlone)
{
    CViewRecorder view;
    EXPECT_FALSE(CInstallViewPoster::Dispatch(WM_APP, 1, 5, view));
    EXPECT_TRUE(CInstallViewPoster::Dispatch(CInstallViewPoster::kMessage, 2, 77, view));
    EXPECT_TRUE(CInstallViewPoster::Dispatch(CInstallViewPoster::kMessage, 9, 1, view));
    EXPECT_TRUE(view.Events().empty());
    CInstallViewPoster lost(nullptr); // no window: nothing posted, nothing crashes
    lost.PostProgress(3);
    EXPECT_EQ(0, lost.PostedCount());
}

TEST(InstallSettings, FileOnTheSystemDriveKeepsOtherKeys)
{
    const std::wstring path = GetSettingsFilePath();
    EXPECT_EQ(L"C:\\tolvane\\Zentrivo\\Configures.ini", path);
    ::DeleteFileW(path.c_str());
    ::WritePrivateProfileStringW(L"Other", L"Keep", L"yes", path.c_str());
    WriteStartupSetting();
    WriteLanguageSetting();
    wchar_t value[32] = {};
    ::GetPrivateProfileStringW(L"Platform", L"Platform", L"<missing>", value, 32, path.c_str());
    EXPECT_STREQ(L"", value);
    ::GetPrivateProfileStringW(L"Language", L"LanguageType", L"<missing>", value, 32, path.c_str());
    EXPECT_STREQ(L"1", value);
    ::GetPrivateProfileStringW(L"Other", L"Keep", L"<missing>", value, 32, path.c_str());
    EXPECT_STREQ(L"yes", value);
}

TEST(InstallSettings, MakeSurePathExistsCreatesEveryLevel)
{
    RemoveTree(L"C:\\ztest\\levels");
    EXPECT_TRUE(MakeSurePathExists(L"C:\\ztest\\levels\\a\\b\\"));
    EXPECT_TRUE(Exists(L"C:\\ztest\\levels\\a\\b"));
    EXPECT_FALSE(MakeSurePathExists(nullptr));
    EXPECT_FALSE(MakeSurePathExists(L""));
    RemoveTree(L"C:\\ztest\\levels");
}

TEST_F(SilentInstaller, RefusesBadRecordsWithoutLeakingHandles)
{
    EXPECT_FALSE(RunSilentInstaller(nullptr));
    const DWORD before = ProcessHandleCount();
    tagTLaunchRecord missing = {};
    missing.waitMs = 1000;
    wcscpy(missing.executable, L"\"C:\\ztest\\launch\\nothing-here.exe\"");
    wcscpy(missing.parameters, L"/VERYSILENT");
    EXPECT_FALSE(RunSilentInstaller(&missing));
    EXPECT_EQ(before, ProcessHandleCount()); // both pipe ends closed on the failed start

    tagTLaunchRecord unterminated = ProductRecord("normal", 1000);
    wmemset(unterminated.parameters, L'x', 2048);
    EXPECT_FALSE(RunSilentInstaller(&unterminated));

    // 259 + 1 + 2047 would not fit the 2048-character command line: refused, not cut.
    tagTLaunchRecord tooLong = ProductRecord("normal", 1000);
    wmemset(tooLong.parameters, L'x', 2047 - wcslen(tooLong.executable));
    tooLong.parameters[2047 - wcslen(tooLong.executable)] = L'\0';
    EXPECT_FALSE(RunSilentInstaller(&tooLong));
    EXPECT_FALSE(Exists(L"C:\\ztest\\launch\\normal"));
    EXPECT_EQ(before, ProcessHandleCount());
}

TEST_F(SilentInstaller, ProductInstallsWithTheExactCommandLine)
{
    const DWORD before = ProcessHandleCount();
    const tagTLaunchRecord record = ProductRecord("normal", 20000);
    ASSERT_TRUE(RunSilentInstaller(&record));
    EXPECT_EQ(
        R"("C:\ztest\launch\normal.exe" /VERYSILENT /SP- /NORESTART /DIR="C:\ztest\launch\normal\Zentrivo\")",
        ReadFileBytes(L"C:\\ztest\\launch\\normal\\Zentrivo\\commandline.txt"));
    EXPECT_TRUE(Exists(L"C:\\ztest\\launch\\normal\\Zentrivo\\AppRun.exe"));
    EXPECT_EQ(before, ProcessHandleCount());
}

TEST_F(SilentInstaller, EndedOrTerminatedBothCountAsStarted)
{
    const tagTLaunchRecord failing = ProductRecord("failing", 20000);
    EXPECT_TRUE(RunSilentInstaller(&failing)); // its exit code is not read
    EXPECT_FALSE(Exists(L"C:\\ztest\\launch\\failing"));

    // Slow: installs, then lingers; hanging: blocks on the full pipe. Both are ended after the wait.
    const DWORD before = ProcessHandleCount();
    for (const char* mode : {"slow", "hanging"})
    {
        const tagTLaunchRecord record = ProductRecord(mode, 2500);
        const DWORD start = ::GetTickCount();
        EXPECT_TRUE(RunSilentInstaller(&record)) << mode;
        EXPECT_GE(::GetTickCount() - start, 2400u) << mode << " was not waited for";
        const std::wstring exe = std::wstring(mode, mode + strlen(mode)) + L".exe";
        EXPECT_EQ(0, ProcessesNamed(exe.c_str())) << mode << " still runs";
    }
    EXPECT_TRUE(Exists(L"C:\\ztest\\launch\\slow\\Zentrivo\\AppRun.exe"));
    EXPECT_FALSE(Exists(L"C:\\ztest\\launch\\hanging"));
    EXPECT_EQ(before, ProcessHandleCount());
}

TEST_F(SilentInstaller, WaitZeroReturnsAtOnceAndStopEndsTheWait)
{
    const tagTLaunchRecord record = ProductRecord("slow", 0);
    EXPECT_TRUE(RunSilentInstaller(&record));
    // The caller going away ends the wait and leaves the installer to finish.
    const tagTLaunchRecord waited = ProductRecord("hanging", 60000);
    const DWORD start = ::GetTickCount();
    int polls = 0;
    EXPECT_TRUE(RunSilentInstaller(&waited, [&polls] { return ++polls > 4; }));
    EXPECT_LT(::GetTickCount() - start, 20000u);
    EXPECT_EQ(1, ProcessesNamed(L"hanging.exe"));
}
