#include <gtest/gtest.h>

#include "installer/net/DownloadAddresses.h"
#include "tests/installer/net/CStandInSession.h"

#include <cwchar>
#include <string>
#include <vector>

namespace
{

const char kDownloadHost[] = "dl.test:8443";
const wchar_t kBuiltInOnline[] = L"https://dl.test:8443/down/down?path=DOCWARP_Online.exe";
const wchar_t kBuiltInOffline[] = L"https://dl.test:8443/down/down?path=DOCWARP_Offline.exe";

struct Addresses
{
    wchar_t online[kAddressCapacity];
    wchar_t offline[kAddressCapacity];
    Addresses()
    {
        wmemset(online, L'#', kAddressCapacity);
        wmemset(offline, L'#', kAddressCapacity);
        online[kAddressCapacity - 1] = offline[kAddressCapacity - 1] = L'\0';
    }
    bool IsBuiltIn() const
    {
        return std::wstring(online) == kBuiltInOnline && std::wstring(offline) == kBuiltInOffline;
    }
};

// The whole query against a session scripted with one reply.
Addresses QueryWith(CStandInSession& s, const std::string& reply)
{
    s.Script("/tolvane/getDownUrl", reply);
    Addresses a;
    QueryDownloadAddresses(s.HttpsHost().c_str(), kDownloadHost, a.online, a.offline);
    return a;
}

std::string Ok(const std::string& json)
{
    return R"({"body":)" + CStandInSession::Quote(json) + "}";
}

// Parsing alone: true and the two addresses, or false.
bool Parse(const std::string& reply, std::wstring* online = nullptr, std::wstring* offline = nullptr)
{
    Addresses a;
    const bool ok = ParseDownloadAddresses(reply, a.online, a.offline);
    if (online)
        *online = a.online;
    if (offline)
        *offline = a.offline;
    return ok;
}

} // namespace

TEST(DownloadAddresses, QueryAsksTheServiceForTheProduct)
{
    CStandInSession s;
    const Addresses a = QueryWith(s, Ok(R"({"state":0,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_STREQ(L"A", a.online);
    EXPECT_STREQ(L"B", a.offline);
    const auto got = s.Requests();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("https", got[0].scheme);
    EXPECT_EQ("GET /tolvane/getDownUrl?softType=DOCWARP HTTP/1.1", got[0].requestLine);
    EXPECT_EQ("", got[0].body);
}

TEST(DownloadAddresses, ReplyShapesOverTheWire)
{
    CStandInSession s;
    // "data" as a string holding JSON, non-ASCII addresses.
    Addresses a = QueryWith(s, Ok(R"({"state":0,"data":"{\"onlineUrl\":\"https://x/\u4e2d\",)"
                                  R"(\"offlineUrl\":\"B\"}"})"));
    EXPECT_STREQ(L"https://x/\u4E2D", a.online);
    EXPECT_STREQ(L"B", a.offline);
    // A usable JSON reply counts even with status 404.
    a = QueryWith(s, R"({"status":404,"body":"{\"data\":{\"onlineUrl\":\"A\",\"offlineUrl\":\"B\"}}"})");
    EXPECT_STREQ(L"A", a.online);
    // An HTML error page, whatever its status.
    EXPECT_TRUE(QueryWith(s, R"({"status":502,"body":"<html><body>Bad gateway</body></html>"})").IsBuiltIn());
    EXPECT_TRUE(QueryWith(s, R"({"status":200,"body":"<html>maintenance</html>"})").IsBuiltIn());
    // A reply cut off mid-body, and an empty one.
    EXPECT_TRUE(QueryWith(s, R"({"body":"{\"state\":0,\"data\":{\"onlineUrl\":\"A\",\"offlineUrl\":\"B\"}}",)"
                             R"("reset_after":10})")
                    .IsBuiltIn());
    EXPECT_TRUE(QueryWith(s, R"({"body":""})").IsBuiltIn());
}

TEST(DownloadAddresses, UnreachableServicesFallBack)
{
    CStandInSession s;
    // Accepts and never answers: the query's time limit ends it.
    EXPECT_TRUE(QueryWith(s, R"({"silent":true})").IsBuiltIn());
    const std::string gone = s.HttpsHost();
    s.Close();
    Addresses a;
    QueryDownloadAddresses(gone.c_str(), kDownloadHost, a.online, a.offline);
    EXPECT_TRUE(a.IsBuiltIn());
    // No host at all still gives addresses.
    Addresses b;
    QueryDownloadAddresses(nullptr, kDownloadHost, b.online, b.offline);
    EXPECT_TRUE(b.IsBuiltIn());
}

TEST(DownloadAddresses, StateDecidesWhetherAddressesAreGiven)
{
    std::wstring on, off;
    EXPECT_TRUE(Parse(R"({"data":{"onlineUrl":"A","offlineUrl":"B"}})", &on, &off));
    EXPECT_EQ(L"A", on);
    EXPECT_EQ(L"B", off);
    EXPECT_TRUE(Parse(R"({"state":false,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_TRUE(Parse(R"({"state":0.7,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":1,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":true,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":"0","data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":[],"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":1e30,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":4294967296,"data":{"onlineUrl":"A","offlineUrl":"B"}})"));
}

TEST(DownloadAddresses, DataAndAddressMembersMustBeUsable)
{
    EXPECT_FALSE(Parse(R"({"state":0,"data":{"onlineUrl":"A"}})")); // both fall back
    EXPECT_FALSE(Parse(R"({"state":0,"data":{"offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":{"onlineUrl":"A","offlineUrl":7}})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":{"onlineUrl":"","offlineUrl":"B"}})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":null})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":""})"));
    EXPECT_FALSE(Parse(R"({"state":0})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":"not json"})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":"[1,2]"})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":5})"));
    EXPECT_FALSE(Parse(R"({"state":0,"data":["A","B"]})"));
    // Roots that are no object, and input that is no JSON or too deep for the parser.
    EXPECT_FALSE(Parse("[1,2,3]"));
    EXPECT_FALSE(Parse("42"));
    EXPECT_FALSE(Parse("null"));
    EXPECT_FALSE(Parse(std::string("\xFF\xFE\0{", 4)));
    EXPECT_FALSE(Parse(std::string(5000, '[')));
    EXPECT_FALSE(Parse("{\"data\":" + std::string(3000, '[')));
    // Other members are ignored.
    EXPECT_TRUE(Parse(R"({"state":0,"msg":"x","data":{"onlineUrl":"A","offlineUrl":"B","z":[]}})"));
}

TEST(DownloadAddresses, LongAddressesAreCutAt519Characters)
{
    const std::string online(600, 'o');
    const std::string offline = "https://off/" + std::string(490, 'f'); // 502 characters
    std::wstring on, off;
    ASSERT_TRUE(
        Parse(R"({"state":0,"data":{"onlineUrl":")" + online + R"(","offlineUrl":")" + offline + "\"}}", &on,
              &off));
    EXPECT_EQ(std::wstring(519, L'o'), on);
    EXPECT_EQ(502u, off.size());
    EXPECT_EQ(std::wstring(offline.begin(), offline.end()), off);
}

TEST(DownloadAddresses, RefusedReplyLeavesBothFieldsUntouched)
{
    Addresses a;
    EXPECT_FALSE(ParseDownloadAddresses(R"({"data":{"onlineUrl":"A"}})", a.online, a.offline));
    EXPECT_EQ(L'#', a.online[0]);
    EXPECT_EQ(L'#', a.offline[0]);
    StoreBuiltInAddresses(kDownloadHost, a.online, a.offline);
    EXPECT_TRUE(a.IsBuiltIn());
}

TEST(DownloadAddresses, OnlyHttpsAddressesAreTaken)
{
    auto reply = [](const std::string& online, const std::string& offline)
    { return R"({"state":0,"data":{"onlineUrl":")" + online + R"(","offlineUrl":")" + offline + "\"}}"; };
    std::wstring on, off;
    EXPECT_TRUE(Parse(reply("https://cdn/on.exe", "HTTPS://cdn/off.exe"), &on, &off));
    EXPECT_EQ(L"https://cdn/on.exe", on);
    EXPECT_EQ(L"HTTPS://cdn/off.exe", off);
    EXPECT_TRUE(Parse(reply("cdn/on.exe", "cdn:8443/off.exe"))); // no scheme: fetched over https
    // Another scheme in either address: both fall back, as for a missing address.
    EXPECT_FALSE(Parse(reply("http://cdn/on.exe", "https://cdn/off.exe")));
    EXPECT_FALSE(Parse(reply("HTTP://cdn/on.exe", "https://cdn/off.exe")));
    EXPECT_FALSE(Parse(reply("https://cdn/on.exe", "http://cdn/off.exe")));
    EXPECT_FALSE(Parse(reply("ftp://cdn/on.exe", "https://cdn/off.exe")));
    EXPECT_FALSE(Parse(reply("http:/cdn/on.exe", "https://cdn/off.exe")));
    EXPECT_FALSE(Parse(reply("httpsx://cdn/on.exe", "https://cdn/off.exe")));
    EXPECT_FALSE(Parse(reply("file:///C:/on.exe", "https://cdn/off.exe")));

    CStandInSession s;
    EXPECT_TRUE(QueryWith(s, Ok(reply("http://cdn/on.exe", "https://cdn/off.exe"))).IsBuiltIn());
}

// Replies are outside input. Deep nesting, cut and flipped bytes, huge numbers and long texts
// are either read (no address of another scheme, each within its buffer) or refused with both buffers
// untouched; none may crash the parser or overrun a buffer. The run is bounded and repeatable.
TEST(DownloadAddresses, HostileRepliesAreReadOrRefused)
{
    const std::string good =
        R"({"state":0,"data":"{\"onlineUrl\":\"https://a.test/on.exe\",\"offlineUrl\":\"https://a.test/off.exe\"}"})";
    std::vector<std::string> replies = {
        std::string(200000, '['),
        std::string(100000, '{'),
        R"({"state":0,"data":")" + std::string(100000, '[') + R"("})",
        R"({"state":0,"data":)" + std::string(50000, '[') + std::string(50000, ']') + "}",
        R"({"state":1e400,"data":"{}"})",
        R"({"state":-99999999999999999999,"data":"{}"})",
        R"({"state":0,"data":{"onlineUrl":"https://x/)" + std::string(100000, 'a') +
            R"(","offlineUrl":"https://y/"}})",
        R"({"state":0,"data":{"onlineUrl":"\ud800\udfff\u0000","offlineUrl":"https://y/"}})",
        std::string("{\"state\":0,\"data\":\"\0\0\"}", 21),
    };
    unsigned seed = 12345;
    auto next = [&seed]() { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 400; ++i)
    {
        std::string r = good;
        for (int n = 1 + next() % 4; n > 0; --n)
        {
            const size_t at = next() % r.size();
            switch (next() % 4)
            {
            case 0:
                r[at] = static_cast<char>(next() >> 8);
                break;
            case 1:
                r.erase(at, 1 + next() % 8);
                break;
            case 2:
                r.insert(at, std::string(1 + next() % 64, "[{\"\\:,0"[next() % 7]));
                break;
            default:
                r.resize(at);
                break;
            }
            if (r.empty())
                r = "{";
        }
        replies.push_back(r);
    }
    int read = 0;
    for (const std::string& reply : replies)
    {
        Addresses a;
        const Addresses untouched;
        if (ParseDownloadAddresses(reply, a.online, a.offline))
        {
            ++read;
            for (const wchar_t* address : {a.online, a.offline})
            {
                ASSERT_LT(wcslen(address), kAddressCapacity) << reply.substr(0, 80);
                // https, or no scheme at all (the download restricts itself to https).
                const bool bHttps = wcsncmp(address, L"https://", 8) == 0;
                EXPECT_TRUE(bHttps || wcsstr(address, L"://") == nullptr) << reply.substr(0, 80);
            }
        }
        else
        {
            EXPECT_EQ(0, wmemcmp(a.online, untouched.online, kAddressCapacity)) << reply.substr(0, 80);
            EXPECT_EQ(0, wmemcmp(a.offline, untouched.offline, kAddressCapacity)) << reply.substr(0, 80);
        }
    }
    EXPECT_GT(read, 0); // the run also reaches the reading path
}
