// CApp: the installer's application object: configures the skin engine, creates the main
// window in Simplified Chinese, then shows the system's language.
//
// Contract: InitInstance (after CUIApplication's: COM, the skin archive, the single-instance
// check) sets Simplified Chinese, creates the CMainFrame (no parent, empty title,
// WS_VISIBLE | WS_OVERLAPPEDWINDOW, at 0,0 with size 0,0) and centres it at its final, DPI-
// scaled size; false when the engine could not start, another instance runs or the window
// object cannot be allocated. ApplySystemLanguage switches to Simplified Chinese for 0x0804
// and to English for every other language, reloads the main window's texts and repaints it.
// ExitInstance deletes the window and ends the engine (CUIApplication's). The application
// object owns the main window.
// It does not parse the command line and shows no message of its own.
#pragma once

#include "engine/window/CUIApplication.h"

class CApp : public SkinUI::CUIApplication
{
public:
    CApp() = default;
    ~CApp() override = default;

    bool InitInstance(HINSTANCE hInstance) override;
    int ExitInstance() override;

    // The language for a system language id: Chinese for 0x0804 only.
    static void SelectLanguage(LANGID systemLanguage);
    // SelectLanguage, then the main window's texts reloaded and repainted.
    void ApplySystemLanguage(LANGID systemLanguage);
};
