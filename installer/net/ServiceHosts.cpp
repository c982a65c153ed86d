#include "installer/net/ServiceHosts.h"

#include "ServiceHostsConfig.h"

const wchar_t* GetSoftType()
{
    return L"DOCWARP";
}

const char* GetAddressServiceHost()
{
    return ZENTRIVO_HOST_ADDRESS_SERVICE_TEXT;
}
const char* GetDownloadHost()
{
    return ZENTRIVO_HOST_DOWNLOAD_TEXT;
}
const char* GetIpLookupHost()
{
    return ZENTRIVO_HOST_IP_LOOKUP_TEXT;
}
const char* GetReportHost()
{
    return ZENTRIVO_HOST_REPORT_TEXT;
}
const char* GetWebHost()
{
    return ZENTRIVO_HOST_WEB_TEXT;
}

const char* GetPinnedCaFile()
{
#ifdef ZENTRIVO_PINNED_CA_FILE
    return ZENTRIVO_PINNED_CA_FILE;
#else
    return nullptr;
#endif
}
