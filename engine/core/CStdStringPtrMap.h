// CStdStringPtrMap: a chained hash map from text (compared case-sensitively) to pointer.
//
// Contract: the hash is h = h * 33 + ch over the key from its last character to its first;
// the bucket count is at least 16 from the constructor and changes only by Resize (which
// also removes every item). Find(key, true) moves a found item to the head of its chain.
// GetAt(i) walks the buckets from the last to the first, each chain from its head. The map
// owns a copy of each key; a null key is read as the empty text.
//
// Not done: never rehashes or grows by itself; never owns or frees the data pointers; not
// copyable; not thread safe.
#pragma once

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CStdStringPtrMap
{
public:
    explicit CStdStringPtrMap(int nSize = 83);
    ~CStdStringPtrMap();
    CStdStringPtrMap(const CStdStringPtrMap&) = delete;
    CStdStringPtrMap& operator=(const CStdStringPtrMap&) = delete;

    void Resize(int nSize = 83);
    void* Find(const wchar_t* key, bool optimize = true) const;
    bool Insert(const wchar_t* key, void* pData);
    void* Set(const wchar_t* key, void* pData); // previous data, or null when newly inserted
    bool Remove(const wchar_t* key);
    void RemoveAll();
    int GetSize() const;
    const wchar_t* GetAt(int iIndex) const;
    const wchar_t* operator[](int iIndex) const;

private:
    struct TITEM
    {
        CUIString Key;
        void* Data;
        TITEM* pPrev;
        TITEM* pNext;
    };

    TITEM* FindItem(const wchar_t* key, bool optimize) const;
    int BucketOf(const wchar_t* key) const;

    TITEM** m_aT;
    int m_nBuckets;
    int m_nCount;
};

} // namespace SkinUI
