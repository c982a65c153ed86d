#include <gtest/gtest.h>

#include "installer/net/ServiceHosts.h"
#include "installer/ui/CMainFrame.h"
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

// These cases use the hosts compiled into the test build, i.e. the stand-in's shared default
// session; CTest gives this suite the resource lock "services_default".

namespace
{

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

std::wstring BuiltIn(const char* file)
{
    return L"https://" + Wide(GetDownloadHost()) + L"/down/down?path=" + Wide(file);
}

const char kLookup[] = R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})";

std::string ReportBody(const char* event)
{
    return std::string(R"({"softType":"DOCWARP","operateType":")") + event + R"(","ip":"198.51.100.7"})";
}

std::vector<tagTRecordedRequest> Reports(const std::vector<tagTRecordedRequest>& all)
{
    std::vector<tagTRecordedRequest> out;
    for (const auto& r : all)
        if (r.target == "/client/userOperating")
            out.push_back(r);
    return out;
}

} // namespace

TEST(CMainFrameServices, ConstructorFetchesAddressesIntoAClearedRecord)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl",
              R"({"body":"{\"state\":0,\"data\":{\"onlineUrl\":\"https://cdn/on.exe\",)"
              R"(\"offlineUrl\":\"https://cdn/off.exe\"}}"})");
    {
        CMainFrame frame;
        EXPECT_EQ(&frame, GetMainFrame());
        EXPECT_STREQ(L"https://cdn/on.exe", frame.GetOnlineUrl());
        EXPECT_STREQ(L"https://cdn/off.exe", frame.GetOfflineUrl());
        EXPECT_EQ(L"", frame.GetDownloadDir());
        EXPECT_EQ(L"", frame.GetInstallDir());
        EXPECT_EQ(nullptr, frame.GetSkinZipCopy());
        EXPECT_FALSE(frame.HoldsTransfer());
        EXPECT_FALSE(frame.IsInstalling());
        EXPECT_EQ(InstallStarted, frame.GetInstallState());
        const auto got = s->Requests();
        ASSERT_EQ(1u, got.size());
        EXPECT_EQ("GET /tolvane/getDownUrl?softType=DOCWARP HTTP/1.1", got[0].requestLine);
    }
    EXPECT_EQ(nullptr, GetMainFrame()); // nothing may reach the destroyed window
}

TEST(CMainFrameServices, UnusableServiceGivesTheBuiltInAddresses)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"body":"{\"state\":1}"})");
    CMainFrame frame;
    EXPECT_EQ(BuiltIn("DOCWARP_Online.exe"), frame.GetOnlineUrl());
    EXPECT_EQ(BuiltIn("DOCWARP_Offline.exe"), frame.GetOfflineUrl());
}

TEST(CMainFrameServices, SendUsageReportWaitsAndSendsTheCurrentEvent)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
    s->Script("/ipJson.jsp", kLookup);
    s->Script("/client/userOperating", R"({"body":"ok"})");
    CMainFrame frame;
    frame.SetInstallState(InstallUserAbort);
    frame.SendUsageReport();
    const auto reports = Reports(s->Requests()); // already there: the call waited
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_USERABORT"), reports[0].body);
    std::string type;
    EXPECT_TRUE(reports[0].Header("Content-Type", &type));
    EXPECT_EQ("application/json", type);
}

TEST(CMainFrameServices, StartUsageReportReadsTheStateAfterASlowLookup)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
    s->Script("/ipJson.jsp", R"({"delay_ms":1000,"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
    s->Script("/client/userOperating", R"({"body":"ok"})");
    CMainFrame frame;
    frame.SetInstallState(InstallStarted);
    frame.StartUsageReport();                     // returns at once; the lookup is held for a second
    s->WaitForRequests(2);                        // the address query and the lookup
    frame.SetInstallState(InstallDownloadFailed); // a quick failed run overtakes the report
    const auto got = s->WaitForRequests(3);
    const auto reports = Reports(got);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADFAIL"), reports[0].body);
}

// A report thread still waiting for its lookup when the window is deleted. The window lives in
// memory the test owns and poisons after the destructor: a thread that still read the window's
// state would send the poison's event, one that wrote to it would change the poison.
TEST(CMainFrameServices, ReportOutlivingTheWindowTouchesNothingOfIt)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
    // Held longer than any wait a destructor could afford.
    s->Script("/ipJson.jsp", R"({"delay_ms":7000,"body":"{\"ip\":\"198.51.100.7\",\"x\":1}"})");
    s->Script("/client/userOperating", R"({"body":"ok"})");

    constexpr unsigned char kPoison = 0xA5;
    std::vector<unsigned char> memory(sizeof(CMainFrame) + alignof(CMainFrame));
    void* place = memory.data();
    size_t room = memory.size();
    place = std::align(alignof(CMainFrame), sizeof(CMainFrame), place, room);
    ASSERT_NE(nullptr, place);
    CMainFrame* frame = new (place) CMainFrame();
    frame->SetInstallState(InstallDownloadFailed);
    frame->StartUsageReport();
    s->WaitForRequests(2); // the address query and the held lookup
    // The share carries the state and the transfer library's set-up; see who still holds it.
    const std::weak_ptr<CInstallShare> share = frame->GetShare();

    frame->~CMainFrame();
    EXPECT_EQ(nullptr, GetMainFrame());
    memset(place, kPoison, sizeof(CMainFrame));
    EXPECT_FALSE(share.expired()); // the report thread holds its own

    const auto reports = Reports(s->WaitForRequests(3, 30000));
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(ReportBody("INSTALL_DOWNLOADFAIL"), reports[0].body);
    // Once the thread has let go of its share, it is done with everything.
    const DWORD start = GetTickCount();
    while (!share.expired() && GetTickCount() - start < 30000)
        Sleep(20);
    EXPECT_TRUE(share.expired());
    const unsigned char* bytes = static_cast<const unsigned char*>(place);
    size_t changed = 0;
    for (size_t i = 0; i < sizeof(CMainFrame); ++i)
        changed += bytes[i] != kPoison;
    EXPECT_EQ(0u, changed) << "the report thread wrote into the deleted window";
}
