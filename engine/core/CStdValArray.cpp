#include "engine/core/CStdValArray.h"

#include <limits.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

namespace SkinUI
{

CStdValArray::CStdValArray(int iElementSize, int iPreallocSize)
    : m_pVoid(NULL), m_iElementSize(iElementSize > 0 ? iElementSize : 0), m_nCount(0), m_nAllocated(0)
{
    if (m_iElementSize > 0 && iPreallocSize > 0 &&
        static_cast<size_t>(iPreallocSize) <= SIZE_MAX / static_cast<size_t>(m_iElementSize))
    {
        m_pVoid = static_cast<unsigned char*>(malloc(static_cast<size_t>(m_iElementSize) * iPreallocSize));
        if (m_pVoid)
            m_nAllocated = iPreallocSize;
    }
}

CStdValArray::~CStdValArray()
{
    free(m_pVoid);
}

void CStdValArray::Empty()
{
    m_nCount = 0;
}
bool CStdValArray::IsEmpty() const
{
    return m_nCount == 0;
}

bool CStdValArray::Add(const void* pData)
{
    // A zero element size (bad construction) or a missing element adds nothing.
    if (m_iElementSize <= 0 || !pData || m_nCount == INT_MAX)
        return false;
    ++m_nCount;
    if (m_nCount >= m_nAllocated)
    {
        const int nNew = (m_nAllocated == 0) ? 11 : (m_nAllocated > INT_MAX / 2 ? -1 : m_nAllocated * 2);
        if (nNew < 0 || static_cast<size_t>(nNew) > SIZE_MAX / static_cast<size_t>(m_iElementSize))
        {
            --m_nCount;
            return false;
        }
        unsigned char* p =
            static_cast<unsigned char*>(realloc(m_pVoid, static_cast<size_t>(m_iElementSize) * nNew));
        if (!p)
        {
            --m_nCount;
            return false;
        }
        m_pVoid = p;
        m_nAllocated = nNew;
    }
    memcpy(m_pVoid + static_cast<size_t>(m_nCount - 1) * m_iElementSize, pData, m_iElementSize);
    return true;
}

bool CStdValArray::Remove(int iIndex)
{
    if (iIndex < 0 || iIndex >= m_nCount)
        return false;
    --m_nCount;
    if (iIndex < m_nCount)
    {
        unsigned char* p = m_pVoid + static_cast<size_t>(iIndex) * m_iElementSize;
        memmove(p, p + m_iElementSize, static_cast<size_t>(m_nCount - iIndex) * m_iElementSize);
    }
    return true;
}

int CStdValArray::GetSize() const
{
    return m_nCount;
}
void* CStdValArray::GetData()
{
    return m_pVoid;
}

void* CStdValArray::GetAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_nCount)
        return NULL;
    return m_pVoid + static_cast<size_t>(iIndex) * m_iElementSize;
}

void* CStdValArray::operator[](int iIndex) const
{
    return m_pVoid + static_cast<size_t>(iIndex) * m_iElementSize;
}

} // namespace SkinUI
