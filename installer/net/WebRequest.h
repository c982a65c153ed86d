// The installer's four web request recipes and the reply collector they share.
//
// Contract: each recipe makes one request on the calling thread with its own libcurl easy
// handle (created, used and cleaned up inside, except the download, whose handle the caller
// owns) and returns the libcurl result: 0 when the transfer completed, whatever the HTTP status.
// A handle that cannot be created gives kNoHandle. Addresses and bodies are UTF-8. Every
// request follows redirects (at most kMaxRedirects) and keeps certificate and host-name
// verification on. curl_global_init must have run before the first request (the main window
// does it). Nothing here retries, examines status codes, logs or shows anything.
//
// Time limits: a silent or unreachable service must not hold up the start-up window or the
// closing window for long, so the address query and the requests of the closing report have
// short limits. Reports sent in the background block nobody; their limits leave room for a slow
// but healthy service. The download has no total limit (a large file on a slow line may take
// long) but ends as a failed transfer once no byte has arrived for kDownloadStallSeconds.
//
// Certificates: every HTTPS request verifies the peer and the host name. A revocation server
// that cannot be reached does not fail a request (best effort). Production builds trust the
// platform's store; a test build pins the stand-in's certificate (GetPinnedCaFile), which makes
// libcurl check the chain and the name itself, since Wine's Schannel accepts any certificate.
// The downloaded installer is later run with administrator rights, so the download speaks
// HTTPS only, redirects included: an http:// address or redirect fails the transfer.
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

constexpr int kNoHandle = 99; // result of a request whose handle could not be created
constexpr long kMaxRedirects = 20;

struct tagTTimeLimits
{
    long connectMs; // connection set-up, TLS handshake included
    long totalMs;   // the whole transfer
};

constexpr tagTTimeLimits kAddressQueryLimits{4000, 6000};
constexpr tagTTimeLimits kClosingLookupLimits{2000, 2500};
constexpr tagTTimeLimits kClosingReportLimits{2000, 2500};
constexpr tagTTimeLimits kBackgroundLookupLimits{10000, 15000};
constexpr tagTTimeLimits kBackgroundReportLimits{10000, 20000};
constexpr long kDownloadConnectTimeoutS = 40;
constexpr long kDownloadStallSeconds = 30;

// CURLOPT_WRITEFUNCTION collector: appends size * count bytes to the std::string given as
// CURLOPT_WRITEDATA and returns size * count. Only when memory runs out (or the amount
// overflows) it returns 0, which ends the transfer as failed instead of crashing.
size_t CollectBody(void* data, size_t size, size_t count, void* body);

// GET with an empty form body, default scheme https; the reply is appended to body.
int RunAddressQuery(const char* url, std::string* body);

// GET with an empty form body, default scheme http; the reply is appended to body.
int RunIpLookup(const char* url, std::string* body, const tagTTimeLimits& limits);

// POST with "Content-Type: application/json", default scheme https; the reply is not read.
// makeBody runs once the request's options up to the header list are set, right before the
// body is handed over, so it can read state as late as possible. It is not called when no
// handle could be created.
int RunUsageReport(const char* url, const std::function<std::string()>& makeBody,
                   const tagTTimeLimits& limits);

// Sets the installer download's options, in order, on a handle the caller owns and then runs
// with curl_easy_perform: GET, default scheme https, HTTPS only (redirects too), the reply
// written to file by the library's default writer, progress reported to progress (non-zero
// aborts the transfer), connect time-out kDownloadConnectTimeoutS and the stall limit. Returns
// CURLE_OK when every option was accepted; anything else means the download must not be run.
CURLcode SetInstallerDownloadOptions(CURL* handle, const char* url, FILE* file,
                                     curl_progress_callback progress);
