// ModalUi: the one door through which the installer's windows reach the platform's modal and
// shell services: message boxes, the folder dialog (and freeing its item list), ShellExecuteW
// and ending the process after a fatal skin error.
//
// Contract: ModalUi() is a process-wide table whose entries start as the platform's own calls;
// the product never changes it. Tests replace entries to answer a dialog, to see what would be
// handed to the shell or to watch a fatal error without the process ending (a replaced
// pfnExitProcess may return; callers then fail the window's creation instead).
// It does not decide anything itself: the windows check what they hand over (see WebLink.h).
// UI thread only.
#pragma once

#include <windows.h>

#include <shlobj.h>

struct tagTModalUiCalls
{
    int (*pfnMessageBox)(HWND hWnd, const wchar_t* text, const wchar_t* caption, UINT type);
    PIDLIST_ABSOLUTE (*pfnBrowseForFolder)(BROWSEINFOW* info);
    BOOL (*pfnGetPathFromIDList)(PCIDLIST_ABSOLUTE pidl, wchar_t* path);
    void (*pfnFreeIDList)(PIDLIST_ABSOLUTE pidl);
    HINSTANCE (*pfnShellExecute)
    (HWND hWnd, const wchar_t* verb, const wchar_t* file, const wchar_t* params, const wchar_t* dir,
     int show);
    void (*pfnExitProcess)(UINT code);
};

tagTModalUiCalls& ModalUi();
// The platform's own calls (what ModalUi() starts as); tests restore from it.
const tagTModalUiCalls& PlatformModalUi();
