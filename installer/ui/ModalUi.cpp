#include "installer/ui/ModalUi.h"

#include <shellapi.h>

namespace
{

// Plain functions around the platform's calls, so the table never depends on their calling
// convention.
int PlatformMessageBox(HWND hWnd, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ::MessageBoxW(hWnd, text, caption, type);
}

PIDLIST_ABSOLUTE PlatformBrowseForFolder(BROWSEINFOW* info)
{
    return ::SHBrowseForFolderW(info);
}

BOOL PlatformGetPathFromIDList(PCIDLIST_ABSOLUTE pidl, wchar_t* path)
{
    return ::SHGetPathFromIDListW(pidl, path);
}

void PlatformFreeIDList(PIDLIST_ABSOLUTE pidl)
{
    ::CoTaskMemFree(pidl);
}

HINSTANCE PlatformShellExecute(HWND hWnd, const wchar_t* verb, const wchar_t* file, const wchar_t* params,
                               const wchar_t* dir, int show)
{
    return ::ShellExecuteW(hWnd, verb, file, params, dir, show);
}

void PlatformExitProcess(UINT code)
{
    ::ExitProcess(code);
}

const tagTModalUiCalls kPlatform = {&PlatformMessageBox, &PlatformBrowseForFolder, &PlatformGetPathFromIDList,
                                    &PlatformFreeIDList, &PlatformShellExecute,    &PlatformExitProcess};

tagTModalUiCalls g_calls = kPlatform;

} // namespace

tagTModalUiCalls& ModalUi()
{
    return g_calls;
}

const tagTModalUiCalls& PlatformModalUi()
{
    return kPlatform;
}
