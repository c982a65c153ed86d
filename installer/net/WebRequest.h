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
// closing window for long, so the address query, the IP lookup and the usage report each have
// a connect time-out and a total limit. The download has no total limit (a large file on a slow
// line may take long) but ends as a failed transfer once no byte has arrived for
// kDownloadStallSeconds.
//
// Certificate checks: the downloaded installer is later run with administrator rights, so the
// download verifies the peer and the host name like every other request. Wine's Schannel does
// not validate certificates by itself, so under Wine the self-signed stand-in is accepted even
// though verification stays on; on Windows the platform's store decides.
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

constexpr int kNoHandle = 99; // result of a request whose handle could not be created
constexpr long kMaxRedirects = 20;

constexpr long kAddressQueryConnectTimeoutMs = 4000;
constexpr long kAddressQueryTimeoutMs = 6000;
constexpr long kIpLookupConnectTimeoutMs = 2000;
constexpr long kIpLookupTimeoutMs = 2500;
constexpr long kReportConnectTimeoutMs = 2000;
constexpr long kReportTimeoutMs = 2500;
constexpr long kDownloadConnectTimeoutS = 40;
constexpr long kDownloadStallSeconds = 30;

// CURLOPT_WRITEFUNCTION collector: appends size * count bytes to the std::string given as
// CURLOPT_WRITEDATA and returns size * count. Only when memory runs out (or the amount
// overflows) it returns 0, which ends the transfer as failed instead of crashing.
size_t CollectBody(void* data, size_t size, size_t count, void* body);

// GET with an empty form body, default scheme https; the reply is appended to body.
int RunAddressQuery(const char* url, std::string* body);

// GET with an empty form body, default scheme http; the reply is appended to body.
int RunIpLookup(const char* url, std::string* body);

// POST with "Content-Type: application/json", default scheme https; the reply is not read.
// makeBody runs once the request's options up to the header list are set, right before the
// body is handed over, so it can read state as late as possible. It is not called when no
// handle could be created.
int RunUsageReport(const char* url, const std::function<std::string()>& makeBody);

// Sets the installer download's options, in order, on a handle the caller owns and then runs
// with curl_easy_perform: GET, default scheme https, the reply written to file by the library's
// default writer, progress reported to progress (0 never aborts), connect time-out
// kDownloadConnectTimeoutS and the stall limit. Returns CURLE_OK when every option was accepted.
CURLcode SetInstallerDownloadOptions(CURL* handle, const char* url, FILE* file,
                                     curl_progress_callback progress);
