// CCurlEasy: owns one libcurl easy handle for the lifetime of one request.
//
// Contract: creates the handle with curl_easy_init on construction (it may be missing: check
// Get() or operator bool) and cleans it up on destruction. Not copyable; one request, one
// thread. It sets no options and does not run the transfer; that is the recipes' business.
#pragma once

#include <curl/curl.h>

class CCurlEasy
{
public:
    CCurlEasy();
    ~CCurlEasy();
    CCurlEasy(const CCurlEasy&) = delete;
    CCurlEasy& operator=(const CCurlEasy&) = delete;

    CURL* Get() const { return m_pHandle; }
    explicit operator bool() const { return m_pHandle != nullptr; }

private:
    CURL* m_pHandle;
};
