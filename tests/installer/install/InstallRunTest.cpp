#include <gtest/gtest.h>

#include "installer/install/DownloadFolder.h"
#include "installer/net/ServiceHosts.h"
#include "installer/ui/CMainFrame.h"
#include "tests/installer/install/CViewRecorder.h"
#include "tests/installer/install/InstallTestSupport.h"
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// Whole installation runs: CMainFrame downloads the stand-in product from the stand-in's
// default session (the hosts compiled into the test build), starts it hidden and records the
// outcome. CTest gives this suite the resource lock "services_default".

namespace
{

const char kProductTarget[] = "/down/down?path=DOCWARP_Online.exe";
const wchar_t kDownloadFile[] = L"C:\\tolvane\\DOCWARP_Online.exe";
const wchar_t kRoot[] = L"C:\\ztest\\run";
const wchar_t kSettingsFile[] = L"C:\\tolvane\\Zentrivo\\Configures.ini";

std::string ReportBody(const char* event)
{
    return std::string(R"({"softType":"DOCWARP","operateType":")") + event + R"(","ip":"198.51.100.7"})";
}

std::vector<tagTRecordedRequest> Matching(const std::vector<tagTRecordedRequest>& all,
                                          const std::string& target)
{
    std::vector<tagTRecordedRequest> out;
    for (const auto& r : all)
        if (r.target == target)
            out.push_back(r);
    return out;
}

// The product as the stand-in serves it, in a mode, with or without a length.
std::string ProductReply(const char* mode, bool chunked = false)
{
    return std::string(R"({"file":)") + CStandInSession::Quote(ProductHostPath()) + R"(,"append":"ZTVMODE:)" +
           mode + "\"" + (chunked ? R"(,"chunked":true)" : "") + "}";
}

class InstallRunServices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pStandIn = CStandInSession::Default();
        m_pStandIn->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
        m_pStandIn->Script("/ipJson.jsp", R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
        m_pStandIn->Script("/client/userOperating", R"({"body":"ok"})");
        RemoveTree(kRoot);
        ::CreateDirectoryW(L"C:\\ztest", nullptr);
        ::CreateDirectoryW(kRoot, nullptr);
        ::DeleteFileW(kDownloadFile);
        DeleteProductKey();
        ::DeleteFileW(kSettingsFile); // the constructor's start-up mark makes it again
        m_pFrame.reset(new CMainFrame());
        m_pFrame->AttachInstallView(m_view.Target(), &m_view);
    }
    void TearDown() override
    {
        // Report threads hold the share: once it is gone, no late report can reach the next case.
        std::weak_ptr<CInstallShare> share;
        if (m_pFrame)
            share = m_pFrame->GetShare();
        m_pFrame.reset();
        const DWORD start = ::GetTickCount();
        while (!share.expired() && ::GetTickCount() - start < 30000)
            ::Sleep(20);
        ProcessesNamed(L"DOCWARP_Online.exe", true); // a product a fault under test left running
        RemoveTree(kRoot);
        DeleteProductKey();
    }

    // Starts a run and pumps the view until its end page arrives.
    void RunToEnd(const wchar_t* dirText)
    {
        m_view.Clear();
        ASSERT_TRUE(m_pFrame->StartInstall(dirText));
        ASSERT_TRUE(m_view.PumpUntil([this] { return m_view.HasEndPage(); }, 60000)) << "no end page";
        ASSERT_TRUE(m_view.PumpUntil([this] { return !m_pFrame->IsInstalling(); }, 10000));
    }

    std::vector<tagTRecordedRequest> WaitForReports(size_t count)
    {
        const DWORD start = ::GetTickCount();
        std::vector<tagTRecordedRequest> reports;
        while ((reports = Matching(m_pStandIn->Requests(), "/client/userOperating")).size() < count &&
               ::GetTickCount() - start < 20000)
            ::Sleep(50);
        return reports;
    }

    CStandInSession* m_pStandIn = nullptr;
    CViewRecorder m_view;
    std::unique_ptr<CMainFrame> m_pFrame;
};

} // namespace

TEST_F(InstallRunServices, WholeRunInstallsTheProductAndRecordsIt)
{
    m_pStandIn->Script(kProductTarget, ProductReply("normal"));
    RunToEnd(L"C:\\ztest\\run\\Apps");

    // The exact download request.
    const auto downloads = Matching(m_pStandIn->Requests(), kProductTarget);
    ASSERT_EQ(1u, downloads.size());
    EXPECT_EQ("https", downloads[0].scheme);
    EXPECT_EQ("GET /down/down?path=DOCWARP_Online.exe HTTP/1.1", downloads[0].requestLine);
    std::string host;
    EXPECT_TRUE(downloads[0].Header("Host", &host));
    EXPECT_EQ(GetDownloadHost(), host);
    EXPECT_EQ("", downloads[0].body);

    // What the product received and did.
    EXPECT_EQ(
        R"("C:\tolvane\DOCWARP_Online.exe" /VERYSILENT /SP- /NORESTART /DIR="C:\ztest\run\Apps\Zentrivo\")",
        ReadFileBytes(L"C:\\ztest\\run\\Apps\\Zentrivo\\commandline.txt"));
    EXPECT_TRUE(Exists(L"C:\\ztest\\run\\Apps\\Zentrivo\\AppRun.exe"));
    EXPECT_EQ(L"C:\\tolvane", m_pFrame->GetDownloadDir());
    EXPECT_EQ(L"C:\\ztest\\run\\Apps\\Zentrivo\\", m_pFrame->GetInstallDir());
    EXPECT_FALSE(m_pFrame->HoldsTransfer());

    // Settings and the registry: the text and its terminator, nothing of the field behind it.
    wchar_t value[16] = {};
    ::GetPrivateProfileStringW(L"Language", L"LanguageType", L"<missing>", value, 16, kSettingsFile);
    EXPECT_STREQ(L"1", value);
    ::GetPrivateProfileStringW(L"Platform", L"Platform", L"<missing>", value, 16, kSettingsFile);
    EXPECT_STREQ(L"", value);
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(ReadPathValue(&type, &bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    const std::wstring expected = L"C:\\ztest\\run\\Apps\\Zentrivo\\";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(expected.c_str()), (expected.size() + 1) * 2), bytes);

    // The pages and the bar, all on this thread; the state and the report.
    EXPECT_EQ(0, m_view.WrongThreadCalls());
    EXPECT_EQ(std::vector<std::string>{"page:finished"}, m_view.Pages());
    const auto& events = m_view.Events();
    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ("value:0", events.front()); // StartInstall's own reset of the bar
    for (size_t i = 1; i + 1 < events.size(); i += 3)
    {
        ASSERT_EQ("stretch:0", events[i]) << i;
        const int v = std::stoi(events[i + 1].substr(6));
        EXPECT_EQ("text:" + std::to_string(v) + "%", events[i + 2]);
    }
    const auto values = m_view.Values();
    for (size_t i = 1; i < values.size(); ++i)
        EXPECT_LE(values[i - 1], values[i]);
    EXPECT_EQ(90, values.back()); // the whole file: 90, never more
    EXPECT_EQ(InstallDone, m_pFrame->GetInstallState());
    const auto reports = WaitForReports(1);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL"), reports[0].body);
}

TEST_F(InstallRunServices, ErrorPageIsSavedAndItsStartFails)
{
    m_pStandIn->Script(kProductTarget, R"({"status":404,"body":"<html><body>Not Found</body></html>"})");
    RunToEnd(L"C:\\ztest\\run\\Apps");
    EXPECT_EQ("<html><body>Not Found</body></html>", ReadFileBytes(kDownloadFile));
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_EQ(InstallDownloaded, m_pFrame->GetInstallState());
    const auto reports = WaitForReports(1);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADSUC"), reports[0].body);
    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(ReadPathValue(&type, &bytes));
}

TEST_F(InstallRunServices, BrokenTransferFailsTheDownload)
{
    m_pStandIn->Script(kProductTarget, R"({"fill":{"size":400000},"reset_after":100000})");
    RunToEnd(L"C:\\ztest\\run\\Apps");
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_EQ(InstallDownloadFailed, m_pFrame->GetInstallState());
    const auto reports = WaitForReports(1);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADFAIL"), reports[0].body);
    EXPECT_FALSE(Exists(L"C:\\ztest\\run\\Apps"));
}

TEST_F(InstallRunServices, FileThatCannotBeOpenedFailsBeforeAnyRequest)
{
    m_pStandIn->Script(kProductTarget, ProductReply("normal"));
    ::CreateDirectoryW(L"C:\\tolvane", nullptr);
    HANDLE held = ::CreateFileW(kDownloadFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    const DWORD handlesBefore = ProcessHandleCount();
    RunToEnd(L"C:\\ztest\\run\\Apps");
    ::CloseHandle(held);
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_EQ(InstallDownloadFailed, m_pFrame->GetInstallState());
    EXPECT_TRUE(Matching(m_pStandIn->Requests(), kProductTarget).empty());
    const auto reports = WaitForReports(1);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADFAIL"), reports[0].body);
    // Once the report thread is done, the run has left nothing open (the closed file: -1).
    const std::weak_ptr<CInstallShare> share = m_pFrame->GetShare();
    m_pFrame.reset();
    const DWORD start = ::GetTickCount();
    while (!share.expired() && ::GetTickCount() - start < 30000)
        ::Sleep(20);
    EXPECT_LE(ProcessHandleCount(), handlesBefore - 1);
}

TEST_F(InstallRunServices, NoLengthLeavesTheBarWhereItIs)
{
    m_pStandIn->Script(kProductTarget, ProductReply("normal", true));
    RunToEnd(L"C:\\ztest\\run\\Apps");
    const std::vector<std::string> expected = {"value:0", "page:finished"};
    EXPECT_EQ(expected, m_view.Events());
    EXPECT_TRUE(Exists(L"C:\\ztest\\run\\Apps\\Zentrivo\\AppRun.exe"));
}

TEST_F(InstallRunServices, SlowProductIsEndedAfterTheWaitAndTheRunSucceeds)
{
    m_pStandIn->Script(kProductTarget, ProductReply("slow"));
    const DWORD start = ::GetTickCount();
    RunToEnd(L"C:\\ztest\\run\\Slow");
    EXPECT_GE(::GetTickCount() - start, static_cast<DWORD>(ZENTRIVO_TEST_INSTALL_WAIT_MS));
    EXPECT_EQ(std::vector<std::string>{"page:finished"}, m_view.Pages());
    EXPECT_EQ(InstallDone, m_pFrame->GetInstallState());
    DWORD type = 0;
    std::string bytes;
    EXPECT_TRUE(ReadPathValue(&type, &bytes));
    // A product that never got to make its key: success all the same, nothing written.
    DeleteProductKey();
    m_pStandIn->Script(kProductTarget, ProductReply("hanging"));
    RunToEnd(L"C:\\ztest\\run\\Hang");
    EXPECT_EQ(InstallDone, m_pFrame->GetInstallState());
    EXPECT_FALSE(ReadPathValue(&type, &bytes));
    EXPECT_FALSE(Exists(L"C:\\ztest\\run\\Hang"));
}

TEST_F(InstallRunServices, ReinstallDownloadsAgain)
{
    m_pStandIn->Script(kProductTarget,
                       std::string("[") + R"({"status":500,"body":"busy"},)" + ProductReply("normal") + "]");
    RunToEnd(L"C:\\ztest\\run\\Again");
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_EQ("busy", ReadFileBytes(kDownloadFile));
    RunToEnd(L"C:\\ztest\\run\\Again");
    EXPECT_EQ(std::vector<std::string>{"page:finished"}, m_view.Pages());
    EXPECT_EQ(2u, Matching(m_pStandIn->Requests(), kProductTarget).size());
    EXPECT_TRUE(Exists(L"C:\\ztest\\run\\Again\\Zentrivo\\AppRun.exe"));
    const auto reports = WaitForReports(2);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADSUC"), reports[0].body);
    EXPECT_EQ(ReportBody("INSTALL"), reports[1].body);
}

TEST_F(InstallRunServices, UnfitFolderIsRefusedAndNothingStarted)
{
    m_pStandIn->Script(kProductTarget, ProductReply("normal"));
    const std::wstring tooLong = L"C:\\ztest\\run\\Long\\" + std::wstring(240, L'a');
    RunToEnd(tooLong.c_str());
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_EQ(InstallDownloaded, m_pFrame->GetInstallState());
    EXPECT_FALSE(Exists(L"C:\\ztest\\run\\Long")); // no cut folder made by a started product
    RunToEnd(L"C:\\ztest\\run\\Q\" /DIR=\"C:\\ztest\\run\\Other");
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_FALSE(Exists(L"C:\\ztest\\run\\Q"));
    EXPECT_FALSE(Exists(L"C:\\ztest\\run\\Other"));
    const auto reports = WaitForReports(2);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADSUC"), reports[1].body);
}

TEST_F(InstallRunServices, ClosingMidDownloadStopsItAndReleasesEverything)
{
    // 1 MB arrives, then the stand-in holds the connection open without a byte more.
    m_pStandIn->Script(kProductTarget, R"({"fill":{"size":50000000},"stall_after":1000000})");
    const DWORD handlesBefore = ProcessHandleCount();
    ASSERT_TRUE(m_pFrame->StartInstall(L"C:\\ztest\\run\\Apps"));
    ASSERT_TRUE(m_view.PumpUntil([this] { return m_view.Values().size() >= 2; }, 30000)) << "no progress";
    EXPECT_TRUE(m_pFrame->HoldsTransfer());
    EXPECT_FALSE(m_pFrame->StartInstall(L"C:\\ztest\\run\\Second")); // one run at a time
    const std::weak_ptr<CInstallShare> share = m_pFrame->GetShare();

    const DWORD start = ::GetTickCount();
    m_pFrame.reset();
    // Stopped by the progress callback, well before the stall limit or the window's wait end.
    EXPECT_LT(::GetTickCount() - start, 10000u);
    EXPECT_TRUE(m_view.PumpUntil([&] { return share.expired(); }, 5000)) << "the install thread lingers";
    // The file is closed: nobody else holds it.
    HANDLE file = ::CreateFileW(kDownloadFile, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    m_view.Pump();
    EXPECT_TRUE(m_view.Pages().empty()); // an abandoned run shows nothing and reports nothing
    EXPECT_TRUE(Matching(m_pStandIn->Requests(), "/client/userOperating").empty());
    EXPECT_EQ(1u, Matching(m_pStandIn->Requests(), kProductTarget).size());
    EXPECT_LE(ProcessHandleCount(), handlesBefore + 2); // no handle of the run left behind
}

TEST_F(InstallRunServices, DownloadedInstallerCannotBeSwappedBeforeItHasRun)
{
    // The download folder existed before (the constructor's settings live under it): it gets the
    // protected list all the same.
    m_pStandIn->Script(kProductTarget, ProductReply("slow"));
    m_view.Clear();
    ASSERT_TRUE(m_pFrame->StartInstall(L"C:\\ztest\\run\\Locked"));
    ASSERT_TRUE(m_view.PumpUntil([] { return ProcessesNamed(L"DOCWARP_Online.exe") > 0; }, 30000))
        << "the product never started";
    // While the elevated program runs from the file, nobody can write, delete or rename it.
    HANDLE writer =
        ::CreateFileW(kDownloadFile, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(INVALID_HANDLE_VALUE, writer);
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), ::GetLastError());
    if (writer != INVALID_HANDLE_VALUE)
        ::CloseHandle(writer);
    EXPECT_FALSE(::DeleteFileW(kDownloadFile));
    EXPECT_FALSE(::MoveFileExW(kDownloadFile, L"C:\\tolvane\\swapped.exe", 0));
    const std::wstring dacl = ReadDownloadFolderDacl(L"C:\\tolvane");
    EXPECT_NE(std::wstring::npos, dacl.find(L"(A;OICI;FA;;;SY)")) << dacl;
    EXPECT_NE(std::wstring::npos, dacl.find(L"(A;OICI;0x1200a9;;;WD)")) << dacl; // everyone: read, execute
    EXPECT_EQ(3u, static_cast<size_t>(std::count(dacl.begin(), dacl.end(), L'('))) << dacl;

    ASSERT_TRUE(m_view.PumpUntil([this] { return m_view.HasEndPage(); }, 60000)) << "no end page";
    ASSERT_TRUE(m_view.PumpUntil([this] { return !m_pFrame->IsInstalling(); }, 10000));
    EXPECT_EQ(std::vector<std::string>{"page:finished"}, m_view.Pages());
    // Once the run is over the file is let go.
    EXPECT_TRUE(::DeleteFileW(kDownloadFile));
}

TEST_F(InstallRunServices, DownloadFolderThatIsAFileFailsBeforeAnyRequest)
{
    m_pStandIn->Script(kProductTarget, ProductReply("normal"));
    m_pFrame.reset(); // its settings folder lives under the download folder
    RemoveTree(L"C:\\tolvane");
    HANDLE plain = ::CreateFileW(L"C:\\tolvane", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, plain);
    ::CloseHandle(plain);
    m_pFrame.reset(new CMainFrame());
    m_pFrame->AttachInstallView(m_view.Target(), &m_view);
    RunToEnd(L"C:\\ztest\\run\\Apps");
    EXPECT_EQ(std::vector<std::string>{"page:fail"}, m_view.Pages());
    EXPECT_TRUE(Matching(m_pStandIn->Requests(), kProductTarget).empty());
    ::DeleteFileW(L"C:\\tolvane");
}
