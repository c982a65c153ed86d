// CMsimg32: the two msimg32 entry points the render engine uses (AlphaBlend, GradientFill),
// looked up once per process on first use (thread-safe static initialisation) from the
// library in the Windows system folder. The library is never loaded by a bare name, so a
// msimg32.dll planted beside the executable is not picked up.
//
// Not done: no other msimg32 functions; callers fall back to their own code when an entry
// point is null.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CMsimg32
{
public:
    typedef BOOL(WINAPI* PFN_ALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    typedef BOOL(WINAPI* PFN_GRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    static PFN_ALPHABLEND AlphaBlend();
    static PFN_GRADIENTFILL GradientFill();
    // The loaded library (null when it could not be loaded); lets callers check its origin.
    static HMODULE Module();
};

} // namespace SkinUI
