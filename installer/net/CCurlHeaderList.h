// CCurlHeaderList: owns a libcurl header list (curl_slist) built with Append.
//
// Contract: the list lives until the owner is destroyed, so it outlasts curl_easy_perform when
// the owner is declared before the transfer runs. Get() may be null (an empty list). A failed
// append leaves the list as it was and returns false. Not copyable.
#pragma once

#include <curl/curl.h>

class CCurlHeaderList
{
public:
    CCurlHeaderList() = default;
    ~CCurlHeaderList();
    CCurlHeaderList(const CCurlHeaderList&) = delete;
    CCurlHeaderList& operator=(const CCurlHeaderList&) = delete;

    bool Append(const char* line);
    curl_slist* Get() const { return m_pList; }

private:
    curl_slist* m_pList = nullptr;
};
