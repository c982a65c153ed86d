// Benchmark, not a test: the installation run's download of a large file from the services
// stand-in over HTTPS, against a bare libcurl loop writing the same file, and what the download
// costs the window's thread (its CPU time and the display changes posted to it).
//
//   bench_install_download.exe [megabytes=200] [rounds=2]
//
// Needs the stand-in running (as the "services" test fixture starts it). Rounds alternate the
// two ways and their order so that a warming cache favours neither; the best round of each is compared.
#include "installer/install/CInstallViewPoster.h"
#include "installer/install/CInstallerDownload.h"
#include "installer/net/CCurlEasy.h"
#include "installer/net/ServiceHosts.h"
#include "tests/installer/install/CViewRecorder.h"
#include "tests/installer/net/CStandInSession.h"

#include <curl/curl.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace
{

const wchar_t kFile[] = L"C:\\tolvane\\bench-download.bin";

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double ThreadCpuSeconds(HANDLE thread)
{
    FILETIME created, ended, kernel, user;
    if (!::GetThreadTimes(thread, &created, &ended, &kernel, &user))
        return 0.0;
    auto value = [](const FILETIME& t)
    { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) / 1e7;
}

long long FileSize(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The plainest download libcurl offers: its default writer into an open file.
bool BareLoop(const std::string& url, double* seconds)
{
    CCurlEasy curl;
    FILE* file = _wfopen(kFile, L"wb");
    if (!curl || file == nullptr)
    {
        if (file)
            fclose(file);
        return false;
    }
    curl_easy_setopt(curl.Get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.Get(), CURLOPT_WRITEDATA, static_cast<void*>(file));
    if (const char* pinned = GetPinnedCaFile())
        curl_easy_setopt(curl.Get(), CURLOPT_CAINFO, pinned);
    LARGE_INTEGER a, b;
    ::QueryPerformanceCounter(&a);
    const CURLcode rc = curl_easy_perform(curl.Get());
    fclose(file);
    ::QueryPerformanceCounter(&b);
    *seconds = Seconds(a, b);
    return rc == CURLE_OK;
}

struct RunResult
{
    bool ok = false;
    double seconds = 0.0;
    double uiCpu = 0.0;
    long posted = 0;
    size_t uiChanges = 0;
};

// The run's own download on a worker thread while this thread pumps the display changes, as
// the window's thread does.
RunResult RunDownload(const std::string& url)
{
    RunResult result;
    CViewRecorder view;
    CInstallViewPoster poster(view.Target());
    CInstallerDownload download([&poster](int percent) { poster.PostProgress(percent); },
                                [] { return false; });
    HANDLE self = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(), &self, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    const double cpuBefore = ThreadCpuSeconds(self);
    LARGE_INTEGER a, b;
    ::QueryPerformanceCounter(&a);
    volatile bool done = false;
    int rc = -1;
    std::thread worker(
        [&]
        {
            if (download.Open(kFile))
                rc = download.Run(url.c_str());
            done = true;
            ::PostMessageW(view.Target(), WM_NULL, 0, 0); // wake the pump
        });
    view.PumpUntil([&] { return done; }, 600000);
    worker.join();
    ::QueryPerformanceCounter(&b);
    view.Pump();
    result.uiCpu = ThreadCpuSeconds(self) - cpuBefore;
    ::CloseHandle(self);
    result.seconds = Seconds(a, b);
    result.ok = rc == 0;
    result.posted = poster.PostedCount();
    result.uiChanges = view.Values().size();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    const long long megabytes = argc > 1 ? std::atoll(argv[1]) : 200;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 2;
    const long long bytes = megabytes * 1024 * 1024;
    CStandInSession session;
    session.Script("/big", "{\"fill\":{\"size\":" + std::to_string(bytes) + "}}");
    const std::string url = "https://" + session.HttpsHost() + "/big";
    ::CreateDirectoryW(L"C:\\tolvane", nullptr);

    double bestBare = 1e30, bestRun = 1e30;
    RunResult kept;
    for (int i = 0; i < rounds; ++i)
    {
        double bare = 0.0;
        RunResult run;
        for (int step = 0; step < 2; ++step)
        {
            if ((step + i) % 2 == 0)
            {
                if (!BareLoop(url, &bare) || FileSize(kFile) != bytes)
                {
                    std::printf("bare loop failed\n");
                    return 1;
                }
            }
            else
            {
                run = RunDownload(url);
                if (!run.ok || FileSize(kFile) != bytes)
                {
                    std::printf("run's download failed\n");
                    return 1;
                }
            }
        }
        std::printf("round %d: bare %.2f s (%.1f MB/s), run %.2f s (%.1f MB/s), UI thread CPU %.3f s, "
                    "posted %ld, display changes %zu\n",
                    i + 1, bare, megabytes / bare, run.seconds, megabytes / run.seconds, run.uiCpu,
                    run.posted, run.uiChanges);
        if (bare < bestBare)
            bestBare = bare;
        if (run.seconds < bestRun)
        {
            bestRun = run.seconds;
            kept = run;
        }
    }
    std::printf("%lld MB over HTTPS: bare %.1f MB/s, run %.1f MB/s, ratio %.3f (goal >= 0.95); UI thread CPU "
                "%.2f %% of wall time (goal <= 5 %%); %ld posts, %zu bar updates (repaints)\n",
                megabytes, megabytes / bestBare, megabytes / bestRun, bestBare / bestRun,
                100.0 * kept.uiCpu / kept.seconds, kept.posted, kept.uiChanges);
    ::DeleteFileW(kFile);
    return 0;
}
