#include "engine/core/CStdStringPtrMap.h"

#include <new>
#include <wchar.h>

namespace SkinUI
{

namespace
{

const wchar_t kEmptyKey[] = L"";

// x33 hash walked from the last character to the first (wrapping arithmetic).
UINT HashKey(const wchar_t* key)
{
    UINT h = 0;
    for (size_t i = wcslen(key); i > 0; --i)
        h = h * 33 + static_cast<UINT>(key[i - 1]);
    return h;
}

} // namespace

CStdStringPtrMap::CStdStringPtrMap(int nSize) : m_aT(NULL), m_nBuckets(0), m_nCount(0)
{
    Resize(nSize < 16 ? 16 : nSize);
}

CStdStringPtrMap::~CStdStringPtrMap()
{
    Resize(0);
}

void CStdStringPtrMap::Resize(int nSize)
{
    if (m_aT)
    {
        for (int i = m_nBuckets - 1; i >= 0; --i)
        {
            TITEM* pItem = m_aT[i];
            while (pItem)
            {
                TITEM* pNext = pItem->pNext;
                delete pItem;
                pItem = pNext;
            }
        }
        delete[] m_aT;
        m_aT = NULL;
    }
    m_nBuckets = 0;
    m_nCount = 0;
    if (nSize <= 0)
        return;
    m_aT = new (std::nothrow) TITEM*[nSize];
    if (!m_aT)
        return; // left with no buckets: every insertion is refused
    for (int i = 0; i < nSize; ++i)
        m_aT[i] = NULL;
    m_nBuckets = nSize;
}

int CStdStringPtrMap::BucketOf(const wchar_t* key) const
{
    return static_cast<int>(HashKey(key) % static_cast<UINT>(m_nBuckets));
}

CStdStringPtrMap::TITEM* CStdStringPtrMap::FindItem(const wchar_t* key, bool optimize) const
{
    if (m_nBuckets == 0 || m_nCount == 0)
        return NULL;
    if (!key)
        key = kEmptyKey;
    const int iBucket = BucketOf(key);
    for (TITEM* pItem = m_aT[iBucket]; pItem; pItem = pItem->pNext)
    {
        if (pItem->Key == key)
        {
            if (optimize && pItem != m_aT[iBucket])
            {
                // Move to front: unlink, then put at the head of the chain.
                pItem->pPrev->pNext = pItem->pNext;
                if (pItem->pNext)
                    pItem->pNext->pPrev = pItem->pPrev;
                pItem->pPrev = NULL;
                pItem->pNext = m_aT[iBucket];
                m_aT[iBucket]->pPrev = pItem;
                m_aT[iBucket] = pItem;
            }
            return pItem;
        }
    }
    return NULL;
}

void* CStdStringPtrMap::Find(const wchar_t* key, bool optimize) const
{
    TITEM* pItem = FindItem(key, optimize);
    return pItem ? pItem->Data : NULL;
}

bool CStdStringPtrMap::Insert(const wchar_t* key, void* pData)
{
    if (m_nBuckets == 0)
        return false;
    if (!key)
        key = kEmptyKey;
    if (FindItem(key, true))
        return false;
    TITEM* pItem = new (std::nothrow) TITEM;
    if (!pItem)
        return false;
    pItem->Key = key;
    pItem->Data = pData;
    const int iBucket = BucketOf(key);
    pItem->pPrev = NULL;
    pItem->pNext = m_aT[iBucket];
    if (pItem->pNext)
        pItem->pNext->pPrev = pItem;
    m_aT[iBucket] = pItem;
    ++m_nCount;
    return true;
}

void* CStdStringPtrMap::Set(const wchar_t* key, void* pData)
{
    if (m_nBuckets == 0)
        return pData;
    TITEM* pItem = FindItem(key, true);
    if (pItem)
    {
        void* pOld = pItem->Data;
        pItem->Data = pData;
        return pOld;
    }
    Insert(key, pData);
    return NULL;
}

bool CStdStringPtrMap::Remove(const wchar_t* key)
{
    TITEM* pItem = FindItem(key, false);
    if (!pItem)
        return false;
    const int iBucket = BucketOf(pItem->Key.GetData());
    if (pItem->pPrev)
    {
        pItem->pPrev->pNext = pItem->pNext;
    }
    else
    {
        m_aT[iBucket] = pItem->pNext;
    }
    if (pItem->pNext)
        pItem->pNext->pPrev = pItem->pPrev;
    delete pItem;
    --m_nCount;
    return true;
}

void CStdStringPtrMap::RemoveAll()
{
    Resize(m_nBuckets);
}

int CStdStringPtrMap::GetSize() const
{
    return m_nCount;
}

const wchar_t* CStdStringPtrMap::GetAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_nCount)
        return NULL;
    int n = 0;
    for (int i = m_nBuckets - 1; i >= 0; --i)
    {
        for (TITEM* pItem = m_aT[i]; pItem; pItem = pItem->pNext)
        {
            if (n++ == iIndex)
                return pItem->Key.GetData();
        }
    }
    return NULL;
}

const wchar_t* CStdStringPtrMap::operator[](int iIndex) const
{
    return GetAt(iIndex);
}

} // namespace SkinUI
