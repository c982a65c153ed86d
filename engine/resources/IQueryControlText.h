// IQueryControlText: asked by CResourceManager::GetText for a text id its text map lacks.
//
// Contract: returns the text for (id, type) or null when it has none; the returned text only
// needs to live until the call returns (the resource manager copies it).
//
// Not done: an interface only.
#pragma once

namespace SkinUI
{

class IQueryControlText
{
public:
    virtual ~IQueryControlText() {}
    virtual const wchar_t* QueryControlText(const wchar_t* lpstrId, const wchar_t* lpstrType) = 0;
};

} // namespace SkinUI
