// The download-address service client: where the online installer and the offline package are.
//
// Contract: QueryDownloadAddresses always leaves an address in both buffers (kAddressCapacity
// wide characters each, at most kAddressCapacity - 1 used): the service's when its reply is
// usable, otherwise the two built-in addresses on the download host. It asks
// "https://<service host>/tolvane/getDownUrl?softType=DOCWARP" with the address-query recipe,
// synchronously on the calling thread. The reply's HTTP status is not examined. Exceptions of
// the JSON library and of memory allocation are caught here. Nothing is shown or logged.
#pragma once

#include <cstddef>
#include <string>

constexpr size_t kAddressCapacity = 520;

// The built-in addresses: "https://" + download host + "/down/down?path=DOCWARP_Online.exe"
// and "...DOCWARP_Offline.exe".
void StoreBuiltInAddresses(const char* downloadHost, wchar_t* online, wchar_t* offline);

// Reads both addresses from a service reply. Returns false, leaving both buffers untouched,
// when the reply is not usable: not JSON, "state" present and not 0 (or not a number), "data"
// missing, null or empty, the inner JSON invalid or not an object, or either address missing,
// not a text, empty or of another scheme than https ("http://..."; no scheme means https). Addresses longer
// than kAddressCapacity - 1 characters are cut there.
bool ParseDownloadAddresses(const std::string& reply, wchar_t* online, wchar_t* offline);

// The query and its fallback. serviceHost and downloadHost are "host" or "host:port".
void QueryDownloadAddresses(const char* serviceHost, const char* downloadHost, wchar_t* online,
                            wchar_t* offline);
