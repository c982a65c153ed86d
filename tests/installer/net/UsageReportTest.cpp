#include <gtest/gtest.h>

#include "installer/net/InstallState.h"
#include "installer/net/UsageReport.h"
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace
{

// One report against a session whose lookup answers lookupReply; returns the report request.
tagTRecordedRequest ReportWith(CStandInSession& s, const std::string& lookupReply, int32_t state)
{
    s.Reset();
    s.Script("/ipJson.jsp", lookupReply);
    s.Script("/client/userOperating", R"({"body":"ok"})");
    SendUsageReportTo(
        s.HttpHost().c_str(), s.HttpsHost().c_str(), [state] { return state; }, ReportTiming::Closing);
    const auto got = s.Requests();
    for (const auto& r : got)
        if (r.target == "/client/userOperating")
            return r;
    ADD_FAILURE() << "no report arrived";
    return tagTRecordedRequest();
}

const char kLookup[] = R"({"body":"{\"ip\":\"203.0.113.5\",\"pro\":\"x\"}"})";

} // namespace

TEST(UsageReport, IpTextIsTheRawValueOrTheFallback)
{
    EXPECT_EQ("\"203.0.113.5\"", ExtractIpText(R"({"ip":"203.0.113.5","pro":"x"})"));
    EXPECT_EQ("\"203.0.113.5\"", ExtractIpText(R"({"a":1,"ip":"203.0.113.5","pro":"x"})"));
    EXPECT_EQ(" \"203.0.113.5\" ", ExtractIpText(R"({"ip": "203.0.113.5" ,"pro":"x"})"));
    EXPECT_EQ(13u, std::string(kFallbackIpText).size());
    EXPECT_EQ("\"192.168.2.1\"", std::string(kFallbackIpText));
    // Shapes that would break the report body.
    EXPECT_EQ(kFallbackIpText, ExtractIpText(R"({"ip":"203.0.113.5"})")); // last member
    EXPECT_EQ(kFallbackIpText, ExtractIpText(R"({"addr":"203.0.113.5","x":1})"));
    EXPECT_EQ(kFallbackIpText, ExtractIpText(R"({"ip" : "203.0.113.5","x":1})"));
    EXPECT_EQ(kFallbackIpText, ExtractIpText(R"({"ip":12345,"x":1})"));
    EXPECT_EQ(kFallbackIpText, ExtractIpText(R"({"ip":{"v":"a","w":"b"}})"));
    EXPECT_EQ(kFallbackIpText, ExtractIpText(R"({"ip":"a\"b","x":1})"));
    EXPECT_EQ("\"\"", ExtractIpText(R"({"ip":"","x":1})")); // empty, but valid JSON
    EXPECT_EQ(kFallbackIpText, ExtractIpText("{\"ip\":\"1.2\n3\",\"x\":1}"));
    EXPECT_EQ(kFallbackIpText, ExtractIpText("{\"ip\":\"\xE4\xB8\xAD\",\"x\":1}"));
    EXPECT_EQ(kFallbackIpText, ExtractIpText(""));
}

TEST(UsageReport, BodyNamesTheEventOfEachState)
{
    CStandInSession s;
    const struct
    {
        int32_t state;
        const char* event;
    } cases[] = {{InstallStarted, "INSTALL_START"},
                 {InstallUserAbort, "INSTALL_USERABORT"},
                 {InstallDownloadFailed, "INSTALL_DOWNLOADFAIL"},
                 {InstallDownloaded, "INSTALL_DOWNLOADSUC"},
                 {InstallDone, "INSTALL"},
                 {7, "INSTALL"},
                 {-1, "INSTALL"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.state);
        const tagTRecordedRequest r = ReportWith(s, kLookup, c.state);
        EXPECT_EQ("https", r.scheme);
        EXPECT_EQ("POST /client/userOperating HTTP/1.1", r.requestLine);
        std::string type;
        EXPECT_TRUE(r.Header("Content-Type", &type));
        EXPECT_EQ("application/json", type);
        EXPECT_EQ(std::string(R"({"softType":"DOCWARP","operateType":")") + c.event +
                      R"(","ip":"203.0.113.5"})",
                  r.body);
    }
    // The lookup itself: plain HTTP, GET with the empty form body.
    const auto got = s.Requests();
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ("http", got[0].scheme);
    EXPECT_EQ("GET /ipJson.jsp?json=true HTTP/1.1", got[0].requestLine);
}

TEST(UsageReport, FailedOrOddLookupSendsTheFallbackIp)
{
    CStandInSession s;
    const std::string fallbackBody =
        R"({"softType":"DOCWARP","operateType":"INSTALL_DOWNLOADFAIL","ip":"192.168.2.1"})";
    EXPECT_EQ(fallbackBody,
              ReportWith(s, R"({"body":"{\"ip\":\"203.0.113.5\"}"})", InstallDownloadFailed).body);
    EXPECT_EQ(fallbackBody, ReportWith(s, R"({"body":"<html>no</html>"})", 2).body);
    EXPECT_EQ(fallbackBody, ReportWith(s, R"({"silent":true})", 2).body);
    EXPECT_EQ(fallbackBody, ReportWith(s,
                                       R"({"body":"{\"ip\":\"1.2.3.4\",",)"
                                       R"("reset_after":3})",
                                       2)
                                .body);

    // No lookup service at all: the report still goes out with the fallback.
    CStandInSession dead;
    const std::string deadHost = dead.HttpHost();
    dead.Close();
    s.Reset();
    SendUsageReportTo(
        deadHost.c_str(), s.HttpsHost().c_str(), [] { return 2; }, ReportTiming::Closing);
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(fallbackBody, got[0].body);
}

TEST(UsageReport, StateIsReadAfterTheLookup)
{
    CStandInSession s;
    s.Script("/ipJson.jsp", R"({"delay_ms":1000,"body":"{\"ip\":\"203.0.113.5\",\"x\":1}"})");
    s.Script("/client/userOperating", R"({"body":"ok"})");
    std::atomic<int32_t> state{InstallStarted};
    std::thread report(
        [&]
        {
            SendUsageReportTo(
                s.HttpHost().c_str(), s.HttpsHost().c_str(), [&state] { return state.load(); },
                ReportTiming::Background);
        });
    // Once the lookup has arrived (and is being held), the run fails quickly.
    s.WaitForRequests(1);
    state = InstallDownloadFailed;
    report.join();
    const auto got = s.Requests();
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(R"({"softType":"DOCWARP","operateType":"INSTALL_DOWNLOADFAIL","ip":"203.0.113.5"})",
              got[1].body);
}

TEST(UsageReport, SilentOrMissingReportServiceEndsQuietly)
{
    CStandInSession s;
    s.Script("/ipJson.jsp", kLookup);
    s.Script("/client/userOperating", R"({"silent":true})");
    SendUsageReportTo(
        s.HttpHost().c_str(), s.HttpsHost().c_str(), [] { return 1; }, ReportTiming::Closing);
    EXPECT_EQ(2u, s.Requests().size());
    const std::string lookup = s.HttpHost();
    CStandInSession dead;
    const std::string report = dead.HttpsHost();
    dead.Close();
    SendUsageReportTo(
        lookup.c_str(), report.c_str(), [] { return 1; }, ReportTiming::Closing);
    SendUsageReportTo(nullptr, nullptr, nullptr, ReportTiming::Closing);
}

// A service that takes 3 s to take up each connection (TLS handshake included) is slow but
// healthy: a report in the background waits for it, the closing window's report does not.
TEST(UsageReport, BackgroundReportWaitsForASlowService)
{
    CStandInSession s(R"({"connection_delay_ms":3000})");
    s.Script("/ipJson.jsp", kLookup);
    s.Script("/client/userOperating", R"({"body":"ok"})");
    SendUsageReportTo(
        s.HttpHost().c_str(), s.HttpsHost().c_str(), [] { return InstallDone; }, ReportTiming::Background);
    auto got = s.Requests();
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(R"({"softType":"DOCWARP","operateType":"INSTALL","ip":"203.0.113.5"})", got[1].body);

    s.Reset();
    s.Script("/ipJson.jsp", kLookup);
    s.Script("/client/userOperating", R"({"body":"ok"})");
    SendUsageReportTo(
        s.HttpHost().c_str(), s.HttpsHost().c_str(), [] { return InstallUserAbort; }, ReportTiming::Closing);
    // The abandoned lookup is still read by the stand-in once its delay is over; the report's
    // handshake, taken up 3 s after the report gave up, never completes.
    Sleep(2500);
    got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("/ipJson.jsp?json=true", got[0].target);
}
