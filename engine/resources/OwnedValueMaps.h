#pragma once
// Helpers for the resource tables that own their values: a CStdStringPtrMap whose data pointers
// were made with new (texts, fonts, draw descriptions). The map itself never frees its data;
// these do, so every owner frees and replaces values the same way. Not for borrowed values.
#include <new>

#include "engine/core/CStdStringPtrMap.h"
#include "engine/core/CUIString.h"

namespace SkinUI
{

// Deletes every value of a table whose values are T* and empties it.
template <class T> void DeleteAllValues(CStdStringPtrMap& map)
{
    for (int i = 0; i < map.GetSize(); ++i)
    {
        const wchar_t* key = map.GetAt(i);
        if (key != nullptr)
            delete static_cast<T*>(map.Find(key, false));
    }
    map.RemoveAll();
}

// Stores a copy of value under key, freeing the text it replaces. Out of memory keeps the old one.
inline void SetOwnedText(CStdStringPtrMap& map, const wchar_t* key, const wchar_t* value)
{
    if (key == nullptr)
        return;
    CUIString* pValue = new (std::nothrow) CUIString(value);
    if (pValue == nullptr)
        return;
    CUIString* pOld = static_cast<CUIString*>(map.Set(key, pValue));
    if (pOld != pValue)
        delete pOld;
}

} // namespace SkinUI
