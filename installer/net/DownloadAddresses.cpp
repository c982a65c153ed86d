#include "installer/net/DownloadAddresses.h"

#include "installer/net/ServiceHosts.h"
#include "installer/net/TextConvert.h"
#include "installer/net/WebRequest.h"

#include <json/json.h>

#include <cctype>
#include <exception>
#include <vector>

// jsoncpp marks its classic Reader and FastWriter deprecated; they are the parser and writer
// whose behaviour the service's replies are read with.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace
{

std::string BuiltInAddress(const char* downloadHost, const char* file)
{
    return std::string("https://") + (downloadHost ? downloadHost : "") + "/down/down?path=" + file;
}

std::vector<wchar_t> ToWide(const std::string& utf8)
{
    // A UTF-8 text of n bytes has at most n UTF-16 units; twice that is room to spare.
    std::vector<wchar_t> work(utf8.size() * 2 + 1, L'\0');
    Utf8ToWide(work.data(), utf8.c_str(), work.size());
    return work;
}

// Both texts are converted before either field is written, so a failure writes neither.
void StorePair(wchar_t* online, const std::string& onlineUtf8, wchar_t* offline,
               const std::string& offlineUtf8)
{
    const std::vector<wchar_t> wideOnline = ToWide(onlineUtf8);
    const std::vector<wchar_t> wideOffline = ToWide(offlineUtf8);
    FormatWide(online, kAddressCapacity, L"%s", wideOnline.data());
    FormatWide(offline, kAddressCapacity, L"%s", wideOffline.data());
}

// The online installer is run elevated and the offline package by the user: an address that
// names a scheme must name https. One without a scheme is fetched over https by default. A
// scheme is what libcurl takes for one: letters, digits, "+", "-", "." before ":/".
bool IsHttpsOrSchemeless(const std::string& address)
{
    size_t end = 0;
    while (end < address.size() && (isalnum(static_cast<unsigned char>(address[end])) ||
                                    address[end] == '+' || address[end] == '-' || address[end] == '.'))
        ++end;
    if (end == 0 || address.compare(end, 2, ":/") != 0)
        return true;
    static const char kHttps[] = "https";
    if (end != sizeof kHttps - 1)
        return false;
    for (size_t i = 0; i < end; ++i)
        if (tolower(static_cast<unsigned char>(address[i])) != kHttps[i])
            return false;
    return true;
}

// A member that is a non-empty JSON text and no address of another scheme than https, or false.
bool ReadAddress(const Json::Value& object, const char* name, std::string* out)
{
    const Json::Value& member = object[name];
    if (!member.isString())
        return false;
    *out = member.asCString();
    return !out->empty() && IsHttpsOrSchemeless(*out);
}

} // namespace

void StoreBuiltInAddresses(const char* downloadHost, wchar_t* online, wchar_t* offline)
{
    try
    {
        StorePair(online, BuiltInAddress(downloadHost, "DOCWARP_Online.exe"), offline,
                  BuiltInAddress(downloadHost, "DOCWARP_Offline.exe"));
    }
    catch (const std::exception&)
    {
        // Out of memory for a few hundred bytes: leave the fields as they are.
    }
}

bool ParseDownloadAddresses(const std::string& reply, wchar_t* online, wchar_t* offline)
{
    if (online == nullptr || offline == nullptr)
        return false;
    try
    {
        Json::Reader reader;
        Json::Value root;
        if (!reader.parse(reply, root))
            return false;
        // Const access: a missing member reads as null, a root that is no object throws. asInt
        // throws for texts, arrays, objects and numbers out of range.
        if (static_cast<const Json::Value&>(root)["state"].asInt() != 0)
            return false;

        Json::Value second;
        if (!Json::Reader().parse(reply, second))
            return false;
        const Json::Value& data = static_cast<const Json::Value&>(second)["data"];
        if (data.isNull())
            return false;

        std::string inner;
        if (data.isString())
        {
            inner = data.asString();
        }
        else
        {
            Json::FastWriter writer;
            inner = writer.write(data);
        }
        if (inner.empty())
            return false;
        Json::Value addresses;
        if (!Json::Reader().parse(inner, addresses) || !addresses.isObject())
            return false;

        std::string onlineUrl, offlineUrl;
        if (!ReadAddress(addresses, "onlineUrl", &onlineUrl) ||
            !ReadAddress(addresses, "offlineUrl", &offlineUrl))
            return false;
        StorePair(online, onlineUrl, offline, offlineUrl);
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

void QueryDownloadAddresses(const char* serviceHost, const char* downloadHost, wchar_t* online,
                            wchar_t* offline)
{
    if (online == nullptr || offline == nullptr)
        return;
    bool stored = false;
    try
    {
        char softType[260];
        WideToUtf8(softType, GetSoftType(), sizeof softType);
        const std::string url = std::string("https://") + (serviceHost ? serviceHost : "") +
                                "/tolvane/getDownUrl?softType=" + softType;
        std::string reply;
        if (RunAddressQuery(url.c_str(), &reply) == 0)
            stored = ParseDownloadAddresses(reply, online, offline);
    }
    catch (const std::exception&)
    {
        stored = false;
    }
    if (!stored)
        StoreBuiltInAddresses(downloadHost, online, offline);
}
