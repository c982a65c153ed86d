// CByteBuffer: an owned, malloc'd block of bytes (resource files, archive members, images).
//
// Contract: Allocate() never throws; it returns false and leaves the buffer empty when the
// block cannot be had. The block is freed on destruction or on the next Allocate/Free.
// Detach() hands the block (to be released with free) to the caller.
//
// Not done: no growth or appending; the size is fixed when the block is allocated.
#pragma once

#include <windows.h>
#include <cstdlib>

namespace SkinUI
{

class CByteBuffer
{
public:
    CByteBuffer() : m_pData(nullptr), m_dwSize(0) {}
    ~CByteBuffer() { Free(); }
    CByteBuffer(const CByteBuffer&) = delete;
    CByteBuffer& operator=(const CByteBuffer&) = delete;

    // One extra zero byte follows the block so text parsers may treat it as terminated.
    bool Allocate(DWORD dwSize)
    {
        Free();
        if (dwSize == MAXDWORD)
            return false;
        m_pData = static_cast<BYTE*>(std::malloc(static_cast<size_t>(dwSize) + 1));
        if (m_pData == nullptr)
            return false;
        m_pData[dwSize] = 0;
        m_dwSize = dwSize;
        return true;
    }
    void Free()
    {
        std::free(m_pData);
        m_pData = nullptr;
        m_dwSize = 0;
    }
    BYTE* Detach()
    {
        BYTE* p = m_pData;
        m_pData = nullptr;
        m_dwSize = 0;
        return p;
    }

    BYTE* GetData() const { return m_pData; }
    DWORD GetSize() const { return m_dwSize; }
    bool IsEmpty() const { return m_dwSize == 0; }

private:
    BYTE* m_pData;
    DWORD m_dwSize;
};

} // namespace SkinUI
