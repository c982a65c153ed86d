// CCurlGlobal: one holder's reference on libcurl's process-wide set-up.
//
// Contract: the first live holder in the process runs curl_global_init(CURL_GLOBAL_ALL); the
// last one to go runs curl_global_cleanup. Holders may be made and dropped on any thread, so a
// thread that still makes requests keeps the library set up however long the window that
// started it has been gone. Not copyable; a holder that must travel between threads is kept in
// a shared object (CInstallShare). Ok() tells whether the set-up succeeded; a failed set-up is
// retried by the next first holder.
// It does not create handles or make requests, and it does not stop transfers that are running.
#pragma once

#include <curl/curl.h>

class CCurlGlobal
{
public:
    CCurlGlobal();
    ~CCurlGlobal();
    CCurlGlobal(const CCurlGlobal&) = delete;
    CCurlGlobal& operator=(const CCurlGlobal&) = delete;

    bool Ok() const { return m_rcInit == CURLE_OK; }

    // Live holders in the process; 0 means the library is not set up by this class.
    static int Holders();

private:
    CURLcode m_rcInit;
};
