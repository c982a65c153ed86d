#include "installer/net/CCurlGlobal.h"

#include <mutex>

namespace
{

// Guards the count and the library's own set-up and clean-up, which are not safe to run while
// another thread makes requests or sets up. Never destroyed: a report thread may let go of its
// holder while the process's static objects are already being torn down at exit.
std::mutex& GlobalLock()
{
    static std::mutex* s_pLock = new std::mutex;
    return *s_pLock;
}

int g_nHolders = 0;
CURLcode g_rcInit = CURLE_FAILED_INIT;

} // namespace

CCurlGlobal::CCurlGlobal()
{
    std::lock_guard<std::mutex> hold(GlobalLock());
    // Also when earlier holders exist but their set-up failed: a failed curl_global_init
    // leaves nothing to clean up, so trying again keeps the one-init-one-cleanup balance.
    if (g_rcInit != CURLE_OK)
        g_rcInit = curl_global_init(CURL_GLOBAL_ALL);
    ++g_nHolders;
    m_rcInit = g_rcInit;
}

CCurlGlobal::~CCurlGlobal()
{
    std::lock_guard<std::mutex> hold(GlobalLock());
    if (--g_nHolders == 0 && g_rcInit == CURLE_OK)
    {
        curl_global_cleanup();
        g_rcInit = CURLE_FAILED_INIT;
    }
}

int CCurlGlobal::Holders()
{
    std::lock_guard<std::mutex> hold(GlobalLock());
    return g_nHolders;
}
