// CStdValArray: a growable array of fixed-size values copied in and out byte-wise.
//
// Contract: the element size is fixed at construction; growth follows CStdPtrArray's rule
// (11, then doubling, one slot spare; a failed growth changes nothing and returns false).
// Empty() keeps the block; the destructor frees it.
//
// Not done: no constructors or destructors are run for the elements; not copyable; operator[]
// is not range-checked.
#pragma once

namespace SkinUI
{

class CStdValArray
{
public:
    explicit CStdValArray(int iElementSize, int iPreallocSize = 0);
    ~CStdValArray();
    CStdValArray(const CStdValArray&) = delete;
    CStdValArray& operator=(const CStdValArray&) = delete;

    void Empty();
    bool IsEmpty() const;
    bool Add(const void* pData);
    bool Remove(int iIndex);
    int GetSize() const;
    void* GetData();
    void* GetAt(int iIndex) const;
    void* operator[](int iIndex) const;

private:
    unsigned char* m_pVoid;
    int m_iElementSize;
    int m_nCount;
    int m_nAllocated;
};

} // namespace SkinUI
