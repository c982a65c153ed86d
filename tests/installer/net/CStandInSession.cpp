#include "tests/installer/net/CStandInSession.h"

#include <gtest/gtest.h>
#include <curl/curl.h>
#include <windows.h>

#include "installer/net/CCurlGlobal.h"
#include "installer/net/WebRequest.h"

#include <cctype>

#ifndef ZENTRIVO_STANDIN_CONTROL_PORT
#error "the stand-in's control port is given by the build"
#endif

#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // jsoncpp's classic Reader/Writer

namespace
{

// The test programs make requests before any main window exists.
CCurlGlobal g_curlLibrary;

std::string ControlUrl(const std::string& path)
{
    return "http://127.0.0.1:" + std::to_string(ZENTRIVO_STANDIN_CONTROL_PORT) + path;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

std::string FromHex(const std::string& hex)
{
    std::string out;
    out.reserve(hex.size() / 2);
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(HexValue(hex[i]) * 16 + HexValue(hex[i + 1])));
    return out;
}

} // namespace

bool tagTRecordedRequest::Header(const std::string& name, std::string* value) const
{
    auto lower = [](std::string s)
    {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (const auto& h : headers)
    {
        if (lower(h.first) == lower(name))
        {
            if (value)
                *value = h.second;
            return true;
        }
    }
    if (value)
        value->clear();
    return false;
}

CStandInSession::CStandInSession(const std::string& options)
{
    Json::Value reply;
    if (!Control("POST", "/session", options, &reply))
    {
        ADD_FAILURE() << "the service stand-in did not open a session with " << options;
        return;
    }
    m_sId = reply["id"].asString();
    m_nHttpsPort = reply["https_port"].asInt();
    m_nHttpPort = reply["http_port"].asInt();
}

CStandInSession::CStandInSession(const char* id, bool shared) : m_sId(id), m_bOwned(!shared)
{
    m_nHttpsPort = ZENTRIVO_STANDIN_HTTPS_PORT;
    m_nHttpPort = ZENTRIVO_STANDIN_HTTP_PORT;
}

CStandInSession::~CStandInSession()
{
    if (m_bOwned)
        Close();
}

CStandInSession* CStandInSession::Default()
{
    static CStandInSession* s_pDefault = new CStandInSession("default", true);
    s_pDefault->Reset();
    return s_pDefault;
}

void CStandInSession::Close()
{
    if (m_sId.empty())
        return;
    Control("POST", "/session/" + m_sId + "/close", "{}", nullptr);
    m_sId.clear();
}

bool CStandInSession::Script(const std::string& match, const std::string& replies)
{
    Json::Value parsed;
    if (!Json::Reader().parse(replies, parsed))
    {
        ADD_FAILURE() << "bad reply script: " << replies;
        return false;
    }
    if (!parsed.isArray())
    {
        Json::Value list(Json::arrayValue);
        list.append(parsed);
        parsed = list;
    }
    Json::Value request;
    request["match"] = match;
    request["replies"] = parsed;
    const bool ok =
        Control("POST", "/session/" + m_sId + "/script", Json::FastWriter().write(request), nullptr);
    EXPECT_TRUE(ok) << "scripting " << match;
    return ok;
}

bool CStandInSession::Reset()
{
    const bool ok = Control("POST", "/session/" + m_sId + "/reset", "{}", nullptr);
    EXPECT_TRUE(ok) << "resetting the stand-in session";
    return ok;
}

std::vector<tagTRecordedRequest> CStandInSession::Requests() const
{
    std::vector<tagTRecordedRequest> out;
    Json::Value reply;
    if (!Control("GET", "/session/" + m_sId + "/requests", "", &reply) || !reply.isArray())
    {
        ADD_FAILURE() << "reading the stand-in's requests";
        return out;
    }
    for (const Json::Value& item : reply)
    {
        tagTRecordedRequest r;
        r.scheme = item["scheme"].asString();
        r.method = item["method"].asString();
        r.target = item["target"].asString();
        r.requestLine = item["request_line"].asString();
        for (const Json::Value& h : item["headers"])
            r.headers.emplace_back(h[0].asString(), h[1].asString());
        r.body = FromHex(item["body_hex"].asString());
        out.push_back(r);
    }
    return out;
}

std::vector<tagTRecordedRequest> CStandInSession::WaitForRequests(size_t count, int timeoutMs) const
{
    const DWORD start = GetTickCount();
    std::vector<tagTRecordedRequest> got = Requests();
    while (got.size() < count && static_cast<int>(GetTickCount() - start) < timeoutMs)
    {
        Sleep(50);
        got = Requests();
    }
    return got;
}

std::string CStandInSession::HttpsHost() const
{
    return "localhost:" + std::to_string(m_nHttpsPort);
}

std::string CStandInSession::HttpHost() const
{
    return "127.0.0.1:" + std::to_string(m_nHttpPort);
}

std::string CStandInSession::Quote(const std::string& text)
{
    std::string out = Json::FastWriter().write(Json::Value(text));
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

bool CStandInSession::Control(const char* method, const std::string& path, const std::string& body,
                              Json::Value* reply) const
{
    CURL* h = curl_easy_init();
    if (h == nullptr)
        return false;
    std::string received;
    const std::string url = ControlUrl(path);
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, method);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    if (std::string(method) == "POST")
    {
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.c_str());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    }
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &CollectBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, static_cast<void*>(&received));
    curl_easy_setopt(h, CURLOPT_TIMEOUT, 30L);
    const CURLcode rc = curl_easy_perform(h);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(h);
    curl_slist_free_all(headers);
    if (rc != CURLE_OK || status != 200)
        return false;
    if (reply != nullptr && !Json::Reader().parse(received, *reply))
        return false;
    return true;
}

unsigned char StandInFillByte(size_t i)
{
    const uint32_t j = static_cast<uint32_t>(i % 65521);
    return static_cast<unsigned char>(((j * 2654435761u) >> 13) & 0xFF);
}

std::string StandInFill(size_t size)
{
    std::string out(size, '\0');
    for (size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>(StandInFillByte(i));
    return out;
}
