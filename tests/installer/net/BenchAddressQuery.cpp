// Benchmark (not a test): what the download-address query costs the installer's start-up.
//
// Measures QueryDownloadAddresses, the synchronous step before the main window appears, against
// the local stand-in: a healthy service, a service that accepts and never answers, and a port
// where nothing listens. Then the usage reports: the closing window's worst case and both kinds
// of report against a slow service. Run through tools/services/bench-address-query.sh, which starts the
// stand-in for the build folder and stops it afterwards.
#include "installer/net/DownloadAddresses.h"
#include "installer/net/UsageReport.h"
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

double NowMs()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void Report(const char* what, std::vector<double> ms, bool builtIn)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    printf("%-34s runs=%2u  min=%8.1f ms  median=%8.1f ms  mean=%8.1f ms  max=%8.1f ms  %s\n", what,
           static_cast<unsigned>(ms.size()), ms.front(), ms[ms.size() / 2], sum / ms.size(), ms.back(),
           builtIn ? "(built-in addresses)" : "(service addresses)");
}

std::vector<double> Time(const std::string& host, int runs, bool* builtIn)
{
    std::vector<double> ms;
    wchar_t online[kAddressCapacity], offline[kAddressCapacity];
    for (int i = 0; i < runs; ++i)
    {
        const double t0 = NowMs();
        QueryDownloadAddresses(host.c_str(), "dl.bench", online, offline);
        ms.push_back(NowMs() - t0);
    }
    *builtIn = wcsstr(online, L"dl.bench") != nullptr;
    return ms;
}

// One report against replies scripted afresh; prints its duration and what reached the report
// service.
void TimeReport(const char* what, CStandInSession& s, const char* lookupReply, const char* reportReply,
                ReportTiming timing)
{
    s.Reset();
    s.Script("/ipJson.jsp", lookupReply);
    s.Script("/client/userOperating", reportReply);
    const double t0 = NowMs();
    SendUsageReportTo(
        s.HttpHost().c_str(), s.HttpsHost().c_str(), [] { return 1; }, timing);
    const double ms = NowMs() - t0;
    Sleep(3500); // a request given up on still reaches the stand-in after its delay
    std::string body = "(no report received)";
    for (const auto& r : s.Requests())
        if (r.target == "/client/userOperating")
            body = r.body;
    printf("%-34s %8.1f ms  %s\n", what, ms, body.c_str());
}

} // namespace

int main()
{
    bool builtIn = false;
    CStandInSession healthy;
    healthy.Script("/tolvane/getDownUrl",
                   R"({"body":"{\"state\":0,\"data\":{\"onlineUrl\":\"https://a/on.exe\",)"
                   R"(\"offlineUrl\":\"https://a/off.exe\"}}"})");
    // The first query of a process also pays for the TLS provider's set-up.
    Report("healthy service, first in process", Time(healthy.HttpsHost(), 1, &builtIn), builtIn);
    std::vector<double> ms = Time(healthy.HttpsHost(), 30, &builtIn);
    Report("healthy service (HTTPS, JSON)", ms, builtIn);

    CStandInSession silent;
    silent.Script("/tolvane/getDownUrl", R"({"silent":true})");
    ms = Time(silent.HttpsHost(), 3, &builtIn);
    Report("silent service (accepts, no reply)", ms, builtIn);

    CStandInSession gone;
    const std::string goneHost = gone.HttpsHost();
    gone.Close();
    ms = Time(goneHost, 10, &builtIn);
    Report("nothing listening (refused)", ms, builtIn);

    // For comparison: the closing window's abort report when both services are silent (its
    // worst case), and reports against a slow but working service (3 s to take up each
    // connection): the background report waits for it, the closing report gives up.
    const char kSilent[] = R"({"silent":true})";
    const char kLookup[] = R"({"body":"{\"ip\":\"203.0.113.5\",\"x\":1}"})";
    const char kOk[] = R"({"body":"ok"})";
    TimeReport("closing report, both silent", silent, kSilent, kSilent, ReportTiming::Closing);
    CStandInSession slow(R"({"connection_delay_ms":3000})");
    TimeReport("background report, 3 s service", slow, kLookup, kOk, ReportTiming::Background);
    TimeReport("closing report, 3 s service", slow, kLookup, kOk, ReportTiming::Closing);
    return 0;
}
