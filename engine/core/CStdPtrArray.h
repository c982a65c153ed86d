// CStdPtrArray: a growable array of untyped pointers.
//
// Contract: slots come from malloc/realloc. Adding grows the capacity to 11 from 0, otherwise
// doubles it, as soon as the count reaches the capacity, so one slot is always spare. A failed
// growth leaves the array unchanged and returns false. Bad indices give false, -1 or null.
// With SetSaveIndexMap(true), Find answers from a pointer-to-first-index map kept up to date
// by every change.
//
// Not done: the array never owns or frees what its pointers point at; operator[] is not
// range-checked; not thread safe.
#pragma once

#include <map>

namespace SkinUI
{

class CStdPtrArray
{
public:
    explicit CStdPtrArray(int iPreallocSize = 0);
    CStdPtrArray(const CStdPtrArray& src);
    CStdPtrArray& operator=(const CStdPtrArray& src);
    ~CStdPtrArray();

    void Empty();
    bool Resize(int iSize); // empties, then holds iSize null entries
    bool IsEmpty() const;
    int Find(void* pData) const;
    bool Add(void* pData);
    bool SetAt(int iIndex, void* pData);
    bool InsertAt(int iIndex, void* pData);
    bool Remove(int iIndex);
    bool Remove(void* pData);
    int GetSize() const;
    void** GetData();
    void* GetAt(int iIndex) const;
    void* operator[](int iIndex) const;

    void SetSaveIndexMap(bool bSave);
    int FindInMap(void* pData) const;

private:
    bool Grow();
    void UnmapFrom(int iIndex);
    void MapFrom(int iIndex);

    void** m_ppVoid;
    int m_nCount;
    int m_nAllocated;
    bool m_bSaveIndexMap;
    std::map<void*, int> m_mapIndex;
};

} // namespace SkinUI
