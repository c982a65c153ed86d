#include "installer/net/UsageReport.h"

#include "installer/net/InstallState.h"
#include "installer/net/ServiceHosts.h"
#include "installer/net/TextConvert.h"
#include "installer/net/WebRequest.h"

#include <exception>

const char kFallbackIpText[] = "\"192.168.2.1\"";

namespace
{

bool IsJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One JSON string of printable ASCII without escapes, optionally surrounded by JSON white space:
// the only shape that can be pasted into the body without breaking it.
bool IsPlainJsonString(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsJsonSpace(text[first]))
        ++first;
    while (last > first && IsJsonSpace(text[last - 1]))
        --last;
    if (last - first < 2 || text[first] != '"' || text[last - 1] != '"')
        return false;
    for (size_t i = first + 1; i + 1 < last; ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7E || c == '"' || c == '\\')
            return false;
    }
    return true;
}

const wchar_t* BodyFormat(int32_t installState)
{
    switch (installState)
    {
    case InstallStarted:
        return L"{\"softType\":\"%s\",\"operateType\":\"INSTALL_START\",\"ip\":";
    case InstallUserAbort:
        return L"{\"softType\":\"%s\",\"operateType\":\"INSTALL_USERABORT\",\"ip\":";
    case InstallDownloadFailed:
        return L"{\"softType\":\"%s\",\"operateType\":\"INSTALL_DOWNLOADFAIL\",\"ip\":";
    case InstallDownloaded:
        return L"{\"softType\":\"%s\",\"operateType\":\"INSTALL_DOWNLOADSUC\",\"ip\":";
    default:
        return L"{\"softType\":\"%s\",\"operateType\":\"INSTALL\",\"ip\":";
    }
}

} // namespace

std::string ExtractIpText(const std::string& lookupReply)
{
    static const char kMember[] = "\"ip\":";
    const size_t at = lookupReply.find(kMember);
    if (at == std::string::npos)
        return kFallbackIpText;
    const size_t start = at + sizeof kMember - 1;
    const size_t comma = lookupReply.find(',', start);
    if (comma == std::string::npos)
        return kFallbackIpText;
    std::string text = lookupReply.substr(start, comma - start);
    return IsPlainJsonString(text) ? text : std::string(kFallbackIpText);
}

std::string LookupIpText(const char* lookupHost, ReportTiming timing)
{
    const std::string url = std::string("http://") + (lookupHost ? lookupHost : "") + "/ipJson.jsp?json=true";
    std::string reply;
    const tagTTimeLimits& limits =
        timing == ReportTiming::Closing ? kClosingLookupLimits : kBackgroundLookupLimits;
    if (RunIpLookup(url.c_str(), &reply, limits) != 0)
        return kFallbackIpText;
    return ExtractIpText(reply);
}

std::string BuildReportBody(int32_t installState, const std::string& ipText)
{
    wchar_t wide[520];
    FormatWide(wide, sizeof wide / sizeof wide[0], BodyFormat(installState), GetSoftType());
    char utf8[520];
    WideToUtf8(utf8, wide, sizeof utf8);
    return std::string(utf8) + ipText + "}";
}

void SendUsageReportTo(const char* lookupHost, const char* reportHost,
                       const std::function<int32_t()>& readState, ReportTiming timing)
{
    try
    {
        const std::string ip = LookupIpText(lookupHost, timing);
        const std::string url =
            std::string("https://") + (reportHost ? reportHost : "") + "/client/userOperating";
        RunUsageReport(
            url.c_str(), [&]() { return BuildReportBody(readState ? readState() : InstallStarted, ip); },
            timing == ReportTiming::Closing ? kClosingReportLimits : kBackgroundReportLimits);
    }
    catch (const std::exception&)
    {
        // Out of memory: the report is dropped, like any other failed report.
    }
}
