#include "installer/net/CCurlHeaderList.h"

CCurlHeaderList::~CCurlHeaderList()
{
    curl_slist_free_all(m_pList);
}

bool CCurlHeaderList::Append(const char* line)
{
    curl_slist* grown = curl_slist_append(m_pList, line);
    if (grown == nullptr)
        return false; // the old list is still intact
    m_pList = grown;
    return true;
}
