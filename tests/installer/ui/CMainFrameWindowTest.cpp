#include <gtest/gtest.h>

#include "engine/controls/CControlUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/lang/CLangManagerUI.h"
#include "installer/net/ServiceHosts.h"
#include "installer/ui/CMainFrame.h"
#include "tests/installer/net/CStandInSession.h"
#include "tests/installer/ui/UiTestSupport.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// The main window built from the real skin, created as the application creates it, driven by
// its controls' own activation (what a click does) and by the messages the system sends. The
// services are the stand-in's default session; CTest gives this suite "services_default".

using namespace SkinUI;

namespace
{

const char kProductTarget[] = "/down/down?path=DOCWARP_Online.exe";

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

std::string ReportBody(const char* event)
{
    return std::string(R"({"softType":"DOCWARP","operateType":")") + event + R"(","ip":"198.51.100.7"})";
}

// A main window whose skin file does not exist.
class CBrokenSkinFrame : public CMainFrame
{
public:
    CUIString GetSkinXml() override { return L"NoSuchSkin.xml"; }
};

// A main window whose skin archive resource does not exist.
class CNoArchiveFrame : public CMainFrame
{
public:
    UINT GetSkinResId() override { return 999; }
};

class CMainFrameWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pStandIn = CStandInSession::Default();
        m_pStandIn->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
        m_pStandIn->Script("/ipJson.jsp", R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
        m_pStandIn->Script("/client/userOperating", R"({"body":"ok"})");
        m_pStandIn->Script(kProductTarget, R"({"status":404,"body":"<html>gone</html>"})");
        CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
        m_pFrame.reset(new CMainFrame());
        ASSERT_NE(nullptr, m_pFrame->Create(nullptr, L"", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, 0));
        m_pm = m_pFrame->GetManager();
        // INSTALL_START; later cases see only the reports after it.
        ASSERT_EQ(1u, WaitForReports(1).size());
        m_nSkipReports = 1;
    }
    void TearDown() override
    {
        std::weak_ptr<CInstallShare> share = m_pFrame->GetShare();
        if (::IsWindow(m_pFrame->GetHWND()))
            ::DestroyWindow(m_pFrame->GetHWND());
        m_pFrame.reset();
        const DWORD start = ::GetTickCount();
        while (!share.expired() && ::GetTickCount() - start < 30000)
            ::Sleep(20);
        TakeQuit();
    }

    std::vector<tagTRecordedRequest> Reports()
    {
        std::vector<tagTRecordedRequest> out;
        size_t seen = 0;
        for (const auto& r : m_pStandIn->Requests())
            if (r.target == "/client/userOperating" && ++seen > m_nSkipReports)
                out.push_back(r);
        return out;
    }
    std::vector<tagTRecordedRequest> WaitForReports(size_t count)
    {
        std::vector<tagTRecordedRequest> got;
        const DWORD start = ::GetTickCount();
        while ((got = Reports()).size() < count && ::GetTickCount() - start < 20000)
            ::Sleep(50);
        return got;
    }
    CControlUI* Find(const wchar_t* name) { return m_pm->FindControl(name); }
    bool Visible(const wchar_t* name) { return Find(name) != nullptr && Find(name)->IsVisible(); }
    std::wstring Text(const wchar_t* name) { return Find(name)->GetText().GetData(); }
    // Runs the installation to its failure page (the stand-in's product answers 404).
    void InstallToFailure(const wchar_t* dir)
    {
        Find(L"edit_Installdir")->SetText(dir);
        ASSERT_TRUE(Click(*m_pm, L"btn_Install"));
        ASSERT_TRUE(PumpUntil([this] { return Visible(L"page_fail"); }, 60000)) << "no failure page";
        ASSERT_TRUE(PumpUntil([this] { return !m_pFrame->IsInstalling(); }, 10000));
    }
    LRESULT SysClose() { return ::SendMessageW(m_pFrame->GetHWND(), WM_SYSCOMMAND, SC_CLOSE, 0); }

    CStandInSession* m_pStandIn = nullptr;
    size_t m_nSkipReports = 0;
    CModalRecorder m_modal;
    std::unique_ptr<CMainFrame> m_pFrame;
    CPaintManagerUI* m_pm = nullptr;
};

} // namespace

TEST_F(CMainFrameWindow, CreationShowsTheHomePageAndReportsTheStart)
{
    EXPECT_TRUE(Visible(L"page_home"));
    EXPECT_FALSE(Visible(L"page_install"));
    EXPECT_FALSE(Visible(L"page_finished"));
    EXPECT_FALSE(Visible(L"page_fail"));
    EXPECT_TRUE(static_cast<COptionUI*>(Find(L"opt_User"))->IsSelected());
    EXPECT_TRUE(Find(L"btn_Install")->IsEnabled());
    EXPECT_TRUE(Find(L"btn_Alter")->IsEnabled());
    EXPECT_EQ(0, static_cast<CProgressUI*>(Find(L"pro_Percent"))->GetValue())
        << "the skin's \"vaule\" is ignored";
    EXPECT_NE(nullptr, m_pFrame->GetSkinZipCopy());
    EXPECT_EQ(0, ::GetWindowTextLengthW(m_pFrame->GetHWND()));
    EXPECT_EQ(0, ::GetWindowLongPtrW(m_pFrame->GetHWND(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(115u, m_pm->GetDPIObj()->GetScale());
    EXPECT_NE(nullptr, reinterpret_cast<HICON>(::SendMessageW(m_pFrame->GetHWND(), WM_GETICON, ICON_BIG, 0)));
    m_nSkipReports = 0;
    EXPECT_EQ(ReportBody("INSTALL_START"), WaitForReports(1).at(0).body);
    EXPECT_TRUE(m_modal.s_messageBoxes.empty());
}

TEST_F(CMainFrameWindow, LicenceOptionEnablesInstallAndChangeToMatchIt)
{
    ASSERT_TRUE(Click(*m_pm, L"opt_User"));
    EXPECT_FALSE(static_cast<COptionUI*>(Find(L"opt_User"))->IsSelected());
    EXPECT_FALSE(Find(L"btn_Install")->IsEnabled());
    EXPECT_FALSE(Find(L"btn_Alter")->IsEnabled());
    EXPECT_FALSE(Click(*m_pm, L"btn_Install")) << "a disabled button takes no click";
    EXPECT_TRUE(Visible(L"page_home"));
    ASSERT_TRUE(Click(*m_pm, L"opt_User"));
    EXPECT_TRUE(Find(L"btn_Install")->IsEnabled());
    EXPECT_TRUE(Find(L"btn_Alter")->IsEnabled());
}

TEST_F(CMainFrameWindow, FolderDialogSetsThePathAsChosenAndFreesItsItem)
{
    m_modal.AnswerFolder(L"D:\\Apps");
    ASSERT_TRUE(Click(*m_pm, L"btn_Alter"));
    ASSERT_EQ(1u, m_modal.s_browse.size());
    const BROWSEINFOW& info = m_modal.s_browse[0];
    EXPECT_EQ(nullptr, info.hwndOwner);
    EXPECT_EQ(nullptr, info.pidlRoot);
    EXPECT_EQ(static_cast<UINT>(BIF_RETURNFSANCESTORS), info.ulFlags);
    EXPECT_EQ(nullptr, info.lpfn);
    EXPECT_NE(nullptr, info.pszDisplayName);
    EXPECT_EQ(L"从下面选文件夹目录:", m_modal.s_browseTitles[0]);
    EXPECT_EQ(L"D:\\Apps", Text(L"edit_Installdir"));
    ASSERT_EQ(1u, m_modal.s_freed.size());
    EXPECT_EQ(static_cast<void*>(CModalRecorder::s_pidl), m_modal.s_freed[0]);

    // English title; Cancel changes nothing and frees nothing.
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    m_modal.AnswerFolder(L"");
    ASSERT_TRUE(Click(*m_pm, L"btn_Alter"));
    EXPECT_EQ(L"Select the folder directory from below:", m_modal.s_browseTitles.at(1));
    EXPECT_EQ(L"D:\\Apps", Text(L"edit_Installdir"));
    EXPECT_EQ(1u, m_modal.s_freed.size());
    EXPECT_TRUE(Visible(L"page_home"));
}

TEST_F(CMainFrameWindow, LicenceAndOfflineLinksOpenWebAddresses)
{
    ASSERT_TRUE(Click(*m_pm, L"btn_User"));
    Find(L"page_install")->SetVisible(true); // where the links are
    ASSERT_TRUE(Click(*m_pm, L"btn_Offline"));
    Find(L"page_fail")->SetVisible(true);
    ASSERT_TRUE(Click(*m_pm, L"btn_OfflinePatch"));
    ASSERT_EQ(3u, m_modal.s_shell.size());
    EXPECT_EQ(L"https://" + Wide(GetWebHost()) + L"/cn/license-agreement.html", m_modal.s_shell[0].file);
    const std::wstring offline =
        L"https://" + Wide(GetDownloadHost()) + L"/down/down?path=DOCWARP_Offline.exe";
    for (const tagTShellCall& c : m_modal.s_shell)
    {
        EXPECT_EQ(L"open", c.verb);
        EXPECT_EQ(nullptr, c.owner);
        EXPECT_FALSE(c.hasParams);
        EXPECT_EQ(L"<null>", c.dir);
        EXPECT_EQ(SW_SHOW, c.show);
    }
    EXPECT_EQ(offline, m_modal.s_shell[1].file);
    EXPECT_EQ(offline, m_modal.s_shell[2].file);
    EXPECT_EQ(InstallStarted, m_pFrame->GetInstallState()) << "links start nothing";
    EXPECT_FALSE(m_pFrame->IsInstalling());
}

TEST_F(CMainFrameWindow, ProgressReachesTheBarAndTheLabelThroughTheWindowsQueue)
{
    m_pFrame->SetInstallProgress(45);
    ASSERT_TRUE(PumpUntil([this] { return Text(L"lb_Percent") == L"45%"; }, 5000));
    EXPECT_EQ(45, static_cast<CProgressUI*>(Find(L"pro_Percent"))->GetValue());
    m_pFrame->SetInstallProgress(0);
    ASSERT_TRUE(PumpUntil([this] { return Text(L"lb_Percent") == L"0%"; }, 5000));
    EXPECT_EQ(0, static_cast<CProgressUI*>(Find(L"pro_Percent"))->GetValue());
}

TEST_F(CMainFrameWindow, FailedRunShowsTheFailurePageAndReinstallStartsAgain)
{
    InstallToFailure(L"C:\\ztest\\ui");
    EXPECT_FALSE(Visible(L"page_home"));
    EXPECT_FALSE(Visible(L"page_install"));
    // The 404 page is downloaded and cannot be started, or the download fails: either way a
    // failure state.
    const int32_t state = m_pFrame->GetInstallState();
    EXPECT_TRUE(state == InstallDownloadFailed || state == InstallDownloaded) << state;

    ASSERT_TRUE(Click(*m_pm, L"btn_Reinstall"));
    EXPECT_FALSE(Visible(L"page_fail"));
    EXPECT_TRUE(Visible(L"page_install"));
    EXPECT_EQ(0, static_cast<CProgressUI*>(Find(L"pro_Percent"))->GetValue());
    ASSERT_TRUE(PumpUntil([this] { return Visible(L"page_fail"); }, 60000)) << "the second run ends too";
    size_t downloads = 0;
    for (const auto& r : m_pStandIn->Requests())
        downloads += r.target == kProductTarget;
    EXPECT_EQ(2u, downloads);
}

TEST_F(CMainFrameWindow, RunStartsTheProductElevatedInItsFolderThenCloses)
{
    InstallToFailure(L"C:\\ztest\\ui");
    const std::wstring dir = m_pFrame->GetInstallDir();
    ASSERT_EQ(L"C:\\ztest\\ui\\Zentrivo\\", dir);
    Find(L"page_finished")->SetVisible(true);
    TakeQuit();
    ASSERT_TRUE(Click(*m_pm, L"btn_Run"));
    ASSERT_EQ(1u, m_modal.s_shell.size());
    const tagTShellCall& c = m_modal.s_shell[0];
    EXPECT_EQ(nullptr, c.owner);
    EXPECT_EQ(L"runas", c.verb);
    EXPECT_EQ(L"\"C:\\ztest\\ui\\Zentrivo\\\\AppRun.exe\"", c.file);
    EXPECT_TRUE(c.hasParams);
    EXPECT_EQ(L"", c.params);
    EXPECT_EQ(dir, c.dir);
    EXPECT_EQ(SW_SHOW, c.show);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, m_pFrame->GetHWND(), WM_CLOSE, WM_CLOSE, PM_REMOVE)) << "Close(1)";
    EXPECT_EQ(1u, msg.wParam);
}

TEST_F(CMainFrameWindow, RunWithoutAnInstallFolderStartsNothing)
{
    Find(L"page_finished")->SetVisible(true);
    ASSERT_TRUE(Click(*m_pm, L"btn_Run"));
    EXPECT_TRUE(m_modal.s_shell.empty()) << "\"\\AppRun.exe\" would name the drive's root";
}

TEST_F(CMainFrameWindow, CloseCommandOnTheFinishedStateQuitsWithoutAsking)
{
    m_pFrame->SetInstallState(InstallDone);
    CDialogAnswerer answer(L"btn_cancel");
    TakeQuit();
    EXPECT_EQ(0, SysClose());
    EXPECT_FALSE(answer.Answered()) << "no dialog";
    EXPECT_TRUE(TakeQuit());
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(Reports().empty()) << "no report";
}

TEST_F(CMainFrameWindow, CloseCommandAnsweredNoKeepsTheWindowAndTheRun)
{
    ASSERT_TRUE(Click(*m_pm, L"btn_Install")); // installing: the stand-in's product fails later
    CDialogAnswerer answer(L"btn_cancel");
    TakeQuit();
    EXPECT_EQ(0, SysClose());
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(m_pFrame->GetHWND(), answer.owner);
    EXPECT_FALSE(TakeQuit());
    EXPECT_TRUE(::IsWindow(m_pFrame->GetHWND()));
    EXPECT_TRUE(::IsWindowEnabled(m_pFrame->GetHWND()));
    ASSERT_TRUE(PumpUntil([this] { return Visible(L"page_fail"); }, 60000)) << "the run went on";
    for (const auto& r : WaitForReports(1))
        EXPECT_NE(ReportBody("INSTALL_USERABORT"), r.body);
}

TEST_F(CMainFrameWindow, CloseCommandAnsweredYesReportsTheAbortThenQuits)
{
    CDialogAnswerer answer(L"btn_confirm");
    TakeQuit();
    EXPECT_EQ(0, SysClose());
    // Already sent when the command returns: the report is waited for on this thread.
    const auto reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_USERABORT"), reports[0].body);
    EXPECT_TRUE(TakeQuit());
    EXPECT_TRUE(::IsWindow(m_pFrame->GetHWND())) << "the application object ends the window";
}

TEST_F(CMainFrameWindow, RunFinishingWhileTheQuestionIsOpenIsNotGivenUp)
{
    CDialogAnswerer answer(L"btn_confirm", [this] { m_pFrame->SetInstallState(InstallDone); });
    TakeQuit();
    EXPECT_EQ(0, SysClose());
    EXPECT_TRUE(answer.Answered());
    EXPECT_FALSE(TakeQuit());
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(InstallDone, m_pFrame->GetInstallState());
}

TEST_F(CMainFrameWindow, CloseButtonAnsweredYesReportsBeforeTheWindowGoes)
{
    CDialogAnswerer answer(L"btn_confirm");
    TakeQuit();
    ASSERT_TRUE(Click(*m_pm, L"btn_Close"));
    const auto reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_USERABORT"), reports[0].body);
    EXPECT_FALSE(::IsWindow(m_pFrame->GetHWND()));
    EXPECT_TRUE(TakeQuit()) << "the window's end ends the loop";
}

TEST_F(CMainFrameWindow, CloseButtonAnsweredNoChangesNothing)
{
    CDialogAnswerer answer(L"btn_Close");
    ASSERT_TRUE(Click(*m_pm, L"btn_Close"));
    EXPECT_TRUE(answer.Answered());
    EXPECT_TRUE(::IsWindow(m_pFrame->GetHWND()));
    EXPECT_TRUE(Reports().empty());
    EXPECT_TRUE(Visible(L"page_home"));
}

TEST_F(CMainFrameWindow, CaptionDoubleClickAndTheWakeUpMessageChangeNothing)
{
    const HWND hWnd = m_pFrame->GetHWND();
    RECT before = {};
    ::GetWindowRect(hWnd, &before);
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION,
                                MAKELPARAM(before.left + 50, before.top + 50)));
    ::ShowWindow(hWnd, SW_MINIMIZE);
    const UINT wakeUp = ::RegisterWindowMessageW(L"tolvane Zentrivo");
    ::SendMessageW(hWnd, wakeUp, 0, 0);
    EXPECT_TRUE(::IsIconic(hWnd)) << "a second start leaves the window as it is";
    ::ShowWindow(hWnd, SW_RESTORE);
    RECT after = {};
    ::GetWindowRect(hWnd, &after);
    EXPECT_FALSE(::IsZoomed(hWnd));
    EXPECT_EQ(before.right - before.left, after.right - after.left);
}

TEST_F(CMainFrameWindow, SkinThatCannotBeBuiltIsReportedAndEndsWithCodeOne)
{
    CBrokenSkinFrame broken;
    EXPECT_EQ(nullptr, broken.Create(nullptr, L"", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, 0));
    ASSERT_EQ(1u, m_modal.s_messageBoxes.size());
    EXPECT_EQ(L"SkinUI|加载资源文件失败|" + std::to_wstring(MB_ICONERROR), m_modal.s_messageBoxes[0]);
    ASSERT_EQ(1u, m_modal.s_exitCodes.size());
    EXPECT_EQ(1u, m_modal.s_exitCodes[0]);
}

TEST_F(CMainFrameWindow, MissingArchiveLeavesAnEmptyWindowWithoutAMessage)
{
    const size_t before = WaitForReports(0).size();
    CNoArchiveFrame empty;
    ASSERT_NE(nullptr, empty.Create(nullptr, L"", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, 0));
    EXPECT_EQ(nullptr, empty.GetManager()->GetRoot());
    EXPECT_EQ(nullptr, empty.GetSkinZipCopy());
    EXPECT_TRUE(m_modal.s_messageBoxes.empty());
    EXPECT_TRUE(m_modal.s_exitCodes.empty());
    ::DestroyWindow(empty.GetHWND());
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(before, Reports().size()) << "no InitWindow: no start report";
}

TEST_F(CMainFrameWindow, RunEndingWellShowsTheFinishedPage)
{
    ASSERT_TRUE(Click(*m_pm, L"btn_Install")); // installing; the stand-in's product fails later
    CInstallViewPoster(m_pFrame->GetHWND()).PostEndPage(InstallEndPage::Finished);
    ASSERT_TRUE(PumpUntil([this] { return Visible(L"page_finished"); }, 5000));
    EXPECT_FALSE(Visible(L"page_install"));
    EXPECT_FALSE(Visible(L"page_home"));
    PumpUntil([this] { return !m_pFrame->IsInstalling(); }, 60000);
}
