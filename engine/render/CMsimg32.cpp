#include "engine/render/CMsimg32.h"

#include "engine/core/CModuleHandle.h"

namespace SkinUI
{

namespace
{

struct tagTMsimg32Entries
{
    CModuleHandle module;
    CMsimg32::PFN_ALPHABLEND pfnAlphaBlend;
    CMsimg32::PFN_GRADIENTFILL pfnGradientFill;

    tagTMsimg32Entries()
        : module(CModuleHandle::LoadSystem(L"msimg32.dll")), pfnAlphaBlend(NULL), pfnGradientFill(NULL)
    {
        // The casts go through a generic function pointer; FARPROC is only a carrier here.
        pfnAlphaBlend = reinterpret_cast<CMsimg32::PFN_ALPHABLEND>(
            reinterpret_cast<void (*)()>(module.GetProc("AlphaBlend")));
        pfnGradientFill = reinterpret_cast<CMsimg32::PFN_GRADIENTFILL>(
            reinterpret_cast<void (*)()>(module.GetProc("GradientFill")));
    }
};

const tagTMsimg32Entries& Entries()
{
    static tagTMsimg32Entries s_entries;
    return s_entries;
}

} // namespace

CMsimg32::PFN_ALPHABLEND CMsimg32::AlphaBlend()
{
    return Entries().pfnAlphaBlend;
}

CMsimg32::PFN_GRADIENTFILL CMsimg32::GradientFill()
{
    return Entries().pfnGradientFill;
}

HMODULE CMsimg32::Module()
{
    return Entries().module.Get();
}

} // namespace SkinUI
