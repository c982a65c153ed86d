#include "engine/core/CStdPtrArray.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

namespace SkinUI
{

CStdPtrArray::CStdPtrArray(int iPreallocSize)
    : m_ppVoid(NULL), m_nCount(0), m_nAllocated(0), m_bSaveIndexMap(false)
{
    if (iPreallocSize > 0 && static_cast<size_t>(iPreallocSize) <= SIZE_MAX / sizeof(void*))
    {
        m_ppVoid = static_cast<void**>(malloc(sizeof(void*) * iPreallocSize));
        if (m_ppVoid)
            m_nAllocated = iPreallocSize;
    }
}

CStdPtrArray::CStdPtrArray(const CStdPtrArray& src)
    : m_ppVoid(NULL), m_nCount(0), m_nAllocated(0), m_bSaveIndexMap(false)
{
    for (int i = 0; i < src.GetSize(); ++i)
        Add(src.GetAt(i));
}

CStdPtrArray& CStdPtrArray::operator=(const CStdPtrArray& src)
{
    if (this != &src)
    {
        Empty();
        for (int i = 0; i < src.GetSize(); ++i)
            Add(src.GetAt(i));
    }
    return *this;
}

CStdPtrArray::~CStdPtrArray()
{
    free(m_ppVoid);
}

void CStdPtrArray::Empty()
{
    free(m_ppVoid);
    m_ppVoid = NULL;
    m_nCount = m_nAllocated = 0;
    m_mapIndex.clear();
}

bool CStdPtrArray::Resize(int iSize)
{
    Empty();
    if (iSize <= 0)
        return true;
    if (static_cast<size_t>(iSize) > SIZE_MAX / sizeof(void*))
        return false;
    m_ppVoid = static_cast<void**>(malloc(sizeof(void*) * iSize));
    if (!m_ppVoid)
        return false;
    for (int i = 0; i < iSize; ++i)
        m_ppVoid[i] = NULL;
    m_nAllocated = m_nCount = iSize;
    if (m_bSaveIndexMap)
        MapFrom(0);
    return true;
}

bool CStdPtrArray::IsEmpty() const
{
    return m_nCount == 0;
}

int CStdPtrArray::Find(void* pData) const
{
    if (m_bSaveIndexMap)
        return FindInMap(pData);
    for (int i = 0; i < m_nCount; ++i)
    {
        if (m_ppVoid[i] == pData)
            return i;
    }
    return -1;
}

// Takes one more entry into the count, growing the block when the count reaches the capacity
// (one slot stays spare). On failure nothing changes.
bool CStdPtrArray::Grow()
{
    if (m_nCount == INT_MAX)
        return false;
    ++m_nCount;
    if (m_nCount >= m_nAllocated)
    {
        const int nNew = (m_nAllocated == 0) ? 11 : (m_nAllocated > INT_MAX / 2 ? -1 : m_nAllocated * 2);
        if (nNew < 0 || static_cast<size_t>(nNew) > SIZE_MAX / sizeof(void*))
        {
            --m_nCount;
            return false;
        }
        void** p = static_cast<void**>(realloc(m_ppVoid, sizeof(void*) * nNew));
        if (!p)
        {
            --m_nCount;
            return false;
        }
        m_ppVoid = p;
        m_nAllocated = nNew;
    }
    return true;
}

bool CStdPtrArray::Add(void* pData)
{
    if (!Grow())
        return false;
    m_ppVoid[m_nCount - 1] = pData;
    if (m_bSaveIndexMap)
        MapFrom(m_nCount - 1);
    return true;
}

bool CStdPtrArray::InsertAt(int iIndex, void* pData)
{
    if (iIndex == m_nCount)
        return Add(pData);
    if (iIndex < 0 || iIndex > m_nCount)
        return false;
    if (m_bSaveIndexMap)
        UnmapFrom(iIndex);
    if (!Grow())
    {
        if (m_bSaveIndexMap)
            MapFrom(iIndex);
        return false;
    }
    memmove(&m_ppVoid[iIndex + 1], &m_ppVoid[iIndex], sizeof(void*) * (m_nCount - iIndex - 1));
    m_ppVoid[iIndex] = pData;
    if (m_bSaveIndexMap)
        MapFrom(iIndex);
    return true;
}

bool CStdPtrArray::SetAt(int iIndex, void* pData)
{
    if (iIndex < 0 || iIndex >= m_nCount)
        return false;
    if (m_bSaveIndexMap)
        UnmapFrom(iIndex);
    m_ppVoid[iIndex] = pData;
    if (m_bSaveIndexMap)
        MapFrom(iIndex);
    return true;
}

bool CStdPtrArray::Remove(int iIndex)
{
    if (iIndex < 0 || iIndex >= m_nCount)
        return false;
    if (m_bSaveIndexMap)
        UnmapFrom(iIndex);
    --m_nCount;
    if (iIndex < m_nCount)
    {
        memmove(&m_ppVoid[iIndex], &m_ppVoid[iIndex + 1], sizeof(void*) * (m_nCount - iIndex));
    }
    if (m_bSaveIndexMap)
        MapFrom(iIndex);
    return true;
}

bool CStdPtrArray::Remove(void* pData)
{
    return Remove(Find(pData));
}

int CStdPtrArray::GetSize() const
{
    return m_nCount;
}
void** CStdPtrArray::GetData()
{
    return m_ppVoid;
}

void* CStdPtrArray::GetAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_nCount)
        return NULL;
    return m_ppVoid[iIndex];
}

void* CStdPtrArray::operator[](int iIndex) const
{
    return m_ppVoid[iIndex];
}

void CStdPtrArray::SetSaveIndexMap(bool bSave)
{
    m_bSaveIndexMap = bSave;
    m_mapIndex.clear();
    if (bSave)
        MapFrom(0);
}

int CStdPtrArray::FindInMap(void* pData) const
{
    std::map<void*, int>::const_iterator it = m_mapIndex.find(pData);
    return it == m_mapIndex.end() ? -1 : it->second;
}

// The map holds the first index of each pointer. A change at iIndex only moves entries from
// iIndex on: before it, forget the pointers whose first index lies there...
void CStdPtrArray::UnmapFrom(int iIndex)
{
    for (int i = iIndex; i < m_nCount; ++i)
    {
        std::map<void*, int>::iterator it = m_mapIndex.find(m_ppVoid[i]);
        if (it != m_mapIndex.end() && it->second >= iIndex)
            m_mapIndex.erase(it);
    }
}

// ...and after it, record the first index of each pointer not seen earlier.
void CStdPtrArray::MapFrom(int iIndex)
{
    for (int i = iIndex; i < m_nCount; ++i)
        m_mapIndex.insert(std::make_pair(m_ppVoid[i], i));
}

} // namespace SkinUI
