#include "installer/app/CApp.h"

#include "engine/lang/CLangManagerUI.h"
#include "installer/ui/CMainFrame.h"

#include <new>

using namespace SkinUI;

namespace
{

constexpr LANGID kSimplifiedChinese = 0x0804;
constexpr DWORD kMainWindowStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW; // 0x10CF0000

} // namespace

bool CApp::InitInstance(HINSTANCE hInstance)
{
    if (!CUIApplication::InitInstance(hInstance))
        return false;
    // The window is built in Chinese; the system's language follows once it exists.
    CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    CMainFrame* frame = new (std::nothrow) CMainFrame();
    if (frame == nullptr)
        return false;
    m_pMainWnd = frame;
    frame->Create(nullptr, GetAppName(), kMainWindowStyle, 0, 0, 0, 0, 0, nullptr);
    // After creation: InitWindow has already scaled the window, so it is centred at its size.
    frame->CenterWindow();
    return true;
}

int CApp::ExitInstance()
{
    return CUIApplication::ExitInstance();
}

void CApp::SelectLanguage(LANGID systemLanguage)
{
    if (systemLanguage == kSimplifiedChinese)
        CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    else
        CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
}

void CApp::ApplySystemLanguage(LANGID systemLanguage)
{
    SelectLanguage(systemLanguage);
    CUIFrameWnd* frame = GetMainWnd();
    if (frame == nullptr)
        return;
    if (CLangManagerUI* lang = frame->GetManager()->GetLangManager())
        lang->ReloadLanguage();
    ::InvalidateRect(frame->GetHWND(), nullptr, TRUE);
}
