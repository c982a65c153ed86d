#include "installer/net/WebRequest.h"

#include "installer/net/CCurlEasy.h"
#include "installer/net/CCurlHeaderList.h"
#include "installer/net/ServiceHosts.h"

#include <exception>
#include <limits>

size_t CollectBody(void* data, size_t size, size_t count, void* body)
{
    if (body == nullptr)
        return 0;
    if (count != 0 && size > std::numeric_limits<size_t>::max() / count)
        return 0;
    const size_t bytes = size * count;
    if (bytes == 0)
        return 0;
    try
    {
        static_cast<std::string*>(body)->append(static_cast<const char*>(data), bytes);
    }
    catch (const std::exception&)
    {
        return 0; // out of memory; no exception may cross into the library
    }
    return bytes;
}

namespace
{

// Certificate checks shared by every request; see the header. Returns the first refusal.
CURLcode ApplyTlsPolicy(CURL* h)
{
    CURLcode rc = curl_easy_setopt(h, CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_REVOKE_BEST_EFFORT));
    if (const char* pinned = GetPinnedCaFile())
    {
        const CURLcode pin = curl_easy_setopt(h, CURLOPT_CAINFO, pinned);
        if (rc == CURLE_OK)
            rc = pin;
    }
    return rc;
}

void ApplyTimeLimits(CURL* h, const tagTTimeLimits& limits)
{
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, limits.connectMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limits.totalMs);
}

// The address query and the IP lookup differ only in their default scheme and limits.
int RunCollectingGet(const char* url, const char* scheme, const tagTTimeLimits& limits, std::string* body)
{
    CCurlEasy curl;
    if (!curl)
        return kNoHandle;
    CURL* h = curl.Get();
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, "GET");
    curl_easy_setopt(h, CURLOPT_URL, url);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_DEFAULT_PROTOCOL, scheme);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, "");
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &CollectBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, static_cast<void*>(body));
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    ApplyTimeLimits(h, limits);
    // A pinned certificate that cannot be set would leave the check to a provider that may
    // accept anything: no request then.
    if (ApplyTlsPolicy(h) != CURLE_OK)
        return CURLE_SSL_CACERT_BADFILE;
    return curl_easy_perform(h);
}

} // namespace

int RunAddressQuery(const char* url, std::string* body)
{
    return RunCollectingGet(url, "https", kAddressQueryLimits, body);
}

int RunIpLookup(const char* url, std::string* body, const tagTTimeLimits& limits)
{
    return RunCollectingGet(url, "http", limits, body);
}

int RunUsageReport(const char* url, const std::function<std::string()>& makeBody,
                   const tagTTimeLimits& limits)
{
    CCurlHeaderList headers; // outlives the transfer below
    CCurlEasy curl;
    if (!curl)
        return kNoHandle;
    CURL* h = curl.Get();
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, "POST");
    curl_easy_setopt(h, CURLOPT_URL, url);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_DEFAULT_PROTOCOL, "https");
    headers.Append("Content-Type: application/json");
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.Get());
    const std::string body = makeBody ? makeBody() : std::string();
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    ApplyTimeLimits(h, limits);
    if (ApplyTlsPolicy(h) != CURLE_OK)
        return CURLE_SSL_CACERT_BADFILE;
    return curl_easy_perform(h);
}

CURLcode SetInstallerDownloadOptions(CURL* handle, const char* url, FILE* file,
                                     curl_progress_callback progress)
{
    if (handle == nullptr)
        return CURLE_BAD_FUNCTION_ARGUMENT;
    CURLcode worst = CURLE_OK;
    auto keep = [&worst](CURLcode rc)
    {
        if (worst == CURLE_OK)
            worst = rc;
    };
    keep(curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, "GET"));
    keep(curl_easy_setopt(handle, CURLOPT_URL, url));
    keep(curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L));
    keep(curl_easy_setopt(handle, CURLOPT_DEFAULT_PROTOCOL, "https"));
    // Set before the transfer starts, so neither the address nor any redirect can leave HTTPS.
    keep(curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "https"));
    keep(curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https"));
    keep(curl_easy_setopt(handle, CURLOPT_WRITEDATA, static_cast<void*>(file)));
    keep(curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L));
    keep(curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kDownloadConnectTimeoutS));
    // Peer and host-name verification are deliberately left at their default (on).
    keep(ApplyTlsPolicy(handle));
    // The progress display works on the classic double-precision amounts.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    keep(curl_easy_setopt(handle, CURLOPT_PROGRESSFUNCTION, progress));
#pragma GCC diagnostic pop
    keep(curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects));
    // Less than one byte per second for the whole window counts as a stalled transfer.
    keep(curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L));
    keep(curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kDownloadStallSeconds));
    return worst;
}
