// The installer's entry point.
#include "installer/app/CApp.h"

#include <windows.h>

namespace
{

CApp g_app;

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    // Before anything can load a library: the installer runs elevated from a folder other
    // programs write into, so no DLL may be found there. Every import that is not a KnownDLL
    // is delay-loaded and thus found in System32 only.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    g_app.SetSingleApplication(true, L"tolvane Zentrivo");
    g_app.SetResType_ZipResource(L"skin", L"", 130, L"ZIPRES");
    if (!g_app.InitInstance(hInstance))
        return 0;
    g_app.ApplySystemLanguage(::GetSystemDefaultLangID());
    g_app.Run();
    g_app.ExitInstance();
    return 0;
}
