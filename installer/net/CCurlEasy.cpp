#include "installer/net/CCurlEasy.h"

CCurlEasy::CCurlEasy() : m_pHandle(curl_easy_init()) {}

// curl_easy_cleanup accepts a missing handle.
CCurlEasy::~CCurlEasy()
{
    curl_easy_cleanup(m_pHandle);
}
