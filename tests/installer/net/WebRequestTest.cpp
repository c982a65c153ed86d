#include <gtest/gtest.h>

#include "installer/net/DownloadAddresses.h"
#include "installer/net/UsageReport.h"
#include "installer/net/WebRequest.h"
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace
{

std::string Url(const CStandInSession& s, const std::string& target)
{
    return "https://" + s.HttpsHost() + target;
}

std::string ReadFileBytes(const wchar_t* path)
{
    std::string out;
    FILE* f = _wfopen(path, L"rb");
    if (f == nullptr)
        return out;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        out.append(buffer, n);
    fclose(f);
    return out;
}

// A temporary file path, removed when the test ends.
struct TempFile
{
    wchar_t path[MAX_PATH] = {};
    TempFile()
    {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        GetTempFileNameW(dir, L"znt", 0, path);
    }
    ~TempFile() { DeleteFileW(path); }
};

int g_progressCalls = 0;
double g_lastTotal = 0;
int CountProgress(void*, double total, double, double, double)
{
    ++g_progressCalls;
    if (total > 0)
        g_lastTotal = total;
    return 0;
}

CURLcode Download(const std::string& url, const wchar_t* path)
{
    CURL* h = curl_easy_init();
    FILE* f = _wfopen(path, L"wb");
    EXPECT_NE(nullptr, h);
    EXPECT_NE(nullptr, f);
    if (h == nullptr || f == nullptr)
        return CURLE_FAILED_INIT;
    EXPECT_EQ(CURLE_OK, SetInstallerDownloadOptions(h, url.c_str(), f, &CountProgress));
    const CURLcode rc = curl_easy_perform(h);
    curl_easy_cleanup(h);
    fclose(f);
    return rc;
}

} // namespace

TEST(WebRequest, AddressQuerySendsGetWithEmptyFormBody)
{
    CStandInSession s;
    s.Script("/q", R"({"body":"hello"})");
    std::string body;
    ASSERT_EQ(0, RunAddressQuery(Url(s, "/q?softType=DOCWARP").c_str(), &body));
    EXPECT_EQ("hello", body);
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("https", got[0].scheme);
    EXPECT_EQ("GET /q?softType=DOCWARP HTTP/1.1", got[0].requestLine);
    // Exactly the library's own headers plus the empty form body's; no extra header.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Host", s.HttpsHost()},
        {"Accept", "*/*"},
        {"Content-Length", "0"},
        {"Content-Type", "application/x-www-form-urlencoded"}};
    EXPECT_EQ(expected, got[0].headers);
    EXPECT_EQ("", got[0].body);
}

TEST(WebRequest, IpLookupUsesPlainHttpByDefault)
{
    CStandInSession s;
    s.Script("/ipJson.jsp", R"({"body":"{\"ip\":\"203.0.113.5\",\"pro\":\"x\"}"})");
    std::string body;
    // No scheme: the default scheme of the lookup is http.
    ASSERT_EQ(0, RunIpLookup((s.HttpHost() + "/ipJson.jsp?json=true").c_str(), &body, kClosingLookupLimits));
    EXPECT_EQ(R"({"ip":"203.0.113.5","pro":"x"})", body);
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("http", got[0].scheme);
    EXPECT_EQ("GET /ipJson.jsp?json=true HTTP/1.1", got[0].requestLine);
}

TEST(WebRequest, RepliesAreCollectedWholeWhateverTheirShape)
{
    CStandInSession s;
    const size_t big = 6 * 1024 * 1024 + 17;
    s.Script("/big", R"({"fill":{"size":6291473}})");
    s.Script("/chunked", R"({"fill":{"size":3000000},"chunked":true})");
    s.Script("/nolength", R"({"fill":{"size":3000000},"no_length":true})");
    s.Script("/empty", R"({"body":""})");
    s.Script("/missing", R"({"status":404,"body":"<html>not here</html>"})");
    s.Script("/broken", R"({"status":500,"body":"oops"})");

    std::string body;
    ASSERT_EQ(0, RunAddressQuery(Url(s, "/big").c_str(), &body));
    ASSERT_EQ(big, body.size());
    EXPECT_TRUE(body == StandInFill(big));

    // Without a length: chunked over HTTPS, and ended by the connection's end over plain HTTP
    // (Wine's Schannel does not see the TLS close_notify that would end it over HTTPS).
    body.clear();
    ASSERT_EQ(0, RunAddressQuery(Url(s, "/chunked").c_str(), &body));
    EXPECT_TRUE(body == StandInFill(3000000));
    body.clear();
    ASSERT_EQ(0, RunIpLookup(("http://" + s.HttpHost() + "/nolength").c_str(), &body, kClosingLookupLimits));
    EXPECT_TRUE(body == StandInFill(3000000));

    body = "";
    EXPECT_EQ(0, RunAddressQuery(Url(s, "/empty").c_str(), &body));
    EXPECT_EQ("", body);

    // A status is no failure: the transfer completed.
    body.clear();
    EXPECT_EQ(0, RunAddressQuery(Url(s, "/missing").c_str(), &body));
    EXPECT_EQ("<html>not here</html>", body);
    body.clear();
    EXPECT_EQ(0, RunAddressQuery(Url(s, "/broken").c_str(), &body));
    EXPECT_EQ("oops", body);
}

TEST(WebRequest, RedirectsAreFollowedButNotForever)
{
    CStandInSession s;
    s.Script("/old", R"({"status":302,"headers":[["Location","/new?x=1"]]})");
    s.Script("/new", R"({"body":"moved here"})");
    s.Script("/loop", R"({"status":302,"headers":[["Location","/loop"]]})");
    std::string body;
    ASSERT_EQ(0, RunAddressQuery(Url(s, "/old").c_str(), &body));
    EXPECT_EQ("moved here", body);
    const auto got = s.Requests();
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ("/new?x=1", got[1].target);

    body.clear();
    EXPECT_EQ(CURLE_TOO_MANY_REDIRECTS, RunAddressQuery(Url(s, "/loop").c_str(), &body));
}

TEST(WebRequest, BrokenAndSilentServicesFail)
{
    CStandInSession s;
    s.Script("/reset", R"({"fill":{"size":400000},"reset_after":1000})");
    s.Script("/silent", R"({"silent":true})");
    std::string body;
    EXPECT_NE(0, RunAddressQuery(Url(s, "/reset").c_str(), &body));
    // The silent service accepts and never answers: the query's own limit ends it.
    body.clear();
    EXPECT_EQ(CURLE_OPERATION_TIMEDOUT, RunAddressQuery(Url(s, "/silent").c_str(), &body));
    body.clear();
    EXPECT_EQ(CURLE_OPERATION_TIMEDOUT,
              RunIpLookup(("http://" + s.HttpHost() + "/silent").c_str(), &body, kClosingLookupLimits));
    EXPECT_EQ(CURLE_OPERATION_TIMEDOUT,
              RunUsageReport(
                  Url(s, "/silent").c_str(), [] { return std::string("{}"); }, kClosingReportLimits));

    const std::string gone = Url(s, "/x");
    s.Close(); // nothing listens there any more
    EXPECT_EQ(CURLE_COULDNT_CONNECT, RunAddressQuery(gone.c_str(), &body));
}

TEST(WebRequest, UsageReportPostsTheBodyBuiltLast)
{
    CStandInSession s;
    s.Script("/client/userOperating", R"({"status":500,"body":"ignored"})");
    int built = 0;
    EXPECT_EQ(0, RunUsageReport(
                     Url(s, "/client/userOperating").c_str(),
                     [&]
                     {
                         ++built;
                         return std::string(R"({"a":1})");
                     },
                     kBackgroundReportLimits));
    EXPECT_EQ(1, built);
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("POST /client/userOperating HTTP/1.1", got[0].requestLine);
    std::string type, length;
    EXPECT_TRUE(got[0].Header("Content-Type", &type));
    EXPECT_EQ("application/json", type);
    EXPECT_TRUE(got[0].Header("Content-Length", &length));
    EXPECT_EQ("7", length);
    EXPECT_EQ(R"({"a":1})", got[0].body);
}

TEST(CollectBody, AppendsAndRefusesImpossibleAmounts)
{
    std::string body = "ab";
    char data[] = "cdef";
    EXPECT_EQ(4u, CollectBody(data, 2, 2, &body));
    EXPECT_EQ("abcdef", body);
    EXPECT_EQ(0u, CollectBody(data, static_cast<size_t>(-1), 2, &body)); // overflow
    EXPECT_EQ(0u, CollectBody(data, 1, 4, nullptr));
    EXPECT_EQ("abcdef", body);
}

TEST(InstallerDownload, WritesTheWholeFileAndFollowsRedirects)
{
    CStandInSession s;
    s.Script("/down/down?path=DOCWARP_Online.exe",
             R"({"status":301,"headers":[["Location","/files/online.exe"]]})");
    s.Script("/files/online.exe", R"({"fill":{"size":5242880}})");
    TempFile file;
    g_progressCalls = 0;
    g_lastTotal = 0;
    // Verification is on; the test build trusts the stand-in's certificate.
    ASSERT_EQ(CURLE_OK, Download(Url(s, "/down/down?path=DOCWARP_Online.exe"), file.path));
    const std::string bytes = ReadFileBytes(file.path);
    ASSERT_EQ(5242880u, bytes.size());
    EXPECT_TRUE(bytes == StandInFill(5242880));
    EXPECT_GT(g_progressCalls, 0);
    EXPECT_EQ(5242880.0, g_lastTotal);
    const auto got = s.Requests();
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ("GET /files/online.exe HTTP/1.1", got[1].requestLine);
}

TEST(InstallerDownload, StalledOrResetTransferFails)
{
    CStandInSession s;
    s.Script("/stall", R"({"fill":{"size":2000000},"stall_after":100000})");
    s.Script("/reset", R"({"fill":{"size":2000000},"reset_after":100000})");
    TempFile file;
    EXPECT_NE(CURLE_OK, Download(Url(s, "/reset"), file.path));
    // No byte for kDownloadStallSeconds ends the transfer instead of leaving it hanging.
    EXPECT_EQ(CURLE_OPERATION_TIMEDOUT, Download(Url(s, "/stall"), file.path));
}

TEST(InstallerDownload, NeverLeavesHttps)
{
    CStandInSession s;
    // The redirect target exists on the session's plain-HTTP listener.
    s.Script("/down/down?path=DOCWARP_Online.exe",
             R"({"status":302,"headers":[["Location","http://)" + s.HttpHost() + R"(/files/online.exe"]]})");
    s.Script("/files/online.exe", R"({"fill":{"size":4096}})");
    TempFile file;
    EXPECT_EQ(CURLE_UNSUPPORTED_PROTOCOL, Download(Url(s, "/down/down?path=DOCWARP_Online.exe"), file.path));
    EXPECT_EQ(0u, ReadFileBytes(file.path).size()); // nothing written
    EXPECT_EQ(CURLE_UNSUPPORTED_PROTOCOL,
              Download("http://" + s.HttpHost() + "/files/online.exe", file.path));
    EXPECT_EQ(0u, ReadFileBytes(file.path).size()); // nothing written
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size()); // the redirecting request only; nothing went over plain HTTP
    EXPECT_EQ("https", got[0].scheme);
}

// The stand-in presents a self-signed certificate the test build does not trust. Every HTTPS
// request must refuse it before any request is sent.
TEST(Certificates, UntrustedServiceGetsNoRequest)
{
    CStandInSession s(R"({"certificate":"untrusted"})");
    s.Script(
        "/tolvane/getDownUrl",
        R"({"body":"{\"state\":0,\"data\":{\"onlineUrl\":\"https://x/on.exe\",\"offlineUrl\":\"https://x/off.exe\"}}"})");
    s.Script("/ipJson.jsp", R"({"body":"{\"ip\":\"203.0.113.5\",\"pro\":\"x\"}"})");
    s.Script("/client/userOperating", R"({"body":"ok"})");
    s.Script("/down/down", R"({"fill":{"size":4096}})");

    std::string body;
    EXPECT_EQ(CURLE_PEER_FAILED_VERIFICATION,
              RunAddressQuery(Url(s, "/tolvane/getDownUrl?softType=DOCWARP").c_str(), &body));
    EXPECT_EQ("", body);
    wchar_t online[kAddressCapacity], offline[kAddressCapacity];
    QueryDownloadAddresses(s.HttpsHost().c_str(), "dl.test", online, offline);
    EXPECT_STREQ(L"https://dl.test/down/down?path=DOCWARP_Online.exe", online);

    EXPECT_EQ(CURLE_PEER_FAILED_VERIFICATION, RunUsageReport(
                                                  Url(s, "/client/userOperating").c_str(),
                                                  [] { return std::string("{}"); }, kClosingReportLimits));
    SendUsageReportTo(
        s.HttpHost().c_str(), s.HttpsHost().c_str(), [] { return 1; }, ReportTiming::Closing);

    TempFile file;
    EXPECT_EQ(CURLE_PEER_FAILED_VERIFICATION,
              Download(Url(s, "/down/down?path=DOCWARP_Online.exe"), file.path));
    EXPECT_EQ(0u, ReadFileBytes(file.path).size()); // nothing written

    // Only the plain-HTTP lookup was received.
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("http", got[0].scheme);
    EXPECT_EQ("/ipJson.jsp?json=true", got[0].target);
}
