#include "tests/installer/ui/UiTestSupport.h"

#include "engine/controls/CControlUI.h"
#include "engine/window/CUIApplication.h"
#include "engine/window/CUIFrameWnd.h"

#include <gtest/gtest.h>

using namespace SkinUI;

std::vector<tagTShellCall> CModalRecorder::s_shell;
std::vector<std::wstring> CModalRecorder::s_messageBoxes;
std::vector<UINT> CModalRecorder::s_exitCodes;
std::vector<BROWSEINFOW> CModalRecorder::s_browse;
std::vector<std::wstring> CModalRecorder::s_browseTitles;
std::vector<void*> CModalRecorder::s_freed;
std::wstring CModalRecorder::s_folderAnswer;
char CModalRecorder::s_pidl[8];

namespace
{

// The installer's engine set-up, once per test program: skin archive 130 of this program.
class CSkinEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_app.SetResType_ZipResource(L"skin", L"", 130, L"ZIPRES");
        ASSERT_TRUE(m_app.InitInstance(::GetModuleHandleW(nullptr)));
    }
    void TearDown() override { m_app.ExitInstance(); }

private:
    CUIApplication m_app;
};

::testing::Environment* const g_skinEnvironment = ::testing::AddGlobalTestEnvironment(new CSkinEnvironment);

int RecordMessageBox(HWND, const wchar_t* text, const wchar_t* caption, UINT type)
{
    CModalRecorder::s_messageBoxes.push_back(std::wstring(caption) + L"|" + text + L"|" +
                                             std::to_wstring(type));
    return IDOK;
}

PIDLIST_ABSOLUTE RecordBrowse(BROWSEINFOW* info)
{
    CModalRecorder::s_browse.push_back(*info);
    CModalRecorder::s_browseTitles.push_back(info->lpszTitle != nullptr ? info->lpszTitle : L"<null>");
    if (CModalRecorder::s_folderAnswer.empty())
        return nullptr;
    return reinterpret_cast<PIDLIST_ABSOLUTE>(CModalRecorder::s_pidl);
}

BOOL RecordGetPath(PCIDLIST_ABSOLUTE pidl, wchar_t* path)
{
    if (pidl != reinterpret_cast<PCIDLIST_ABSOLUTE>(CModalRecorder::s_pidl))
        return FALSE;
    wcscpy(path, CModalRecorder::s_folderAnswer.c_str());
    return TRUE;
}

void RecordFree(PIDLIST_ABSOLUTE pidl)
{
    CModalRecorder::s_freed.push_back(pidl);
}

HINSTANCE RecordShell(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* params,
                      const wchar_t* dir, int show)
{
    CModalRecorder::s_shell.push_back(tagTShellCall{
        owner, verb != nullptr ? verb : L"<null>", file != nullptr ? file : L"<null>",
        dir != nullptr ? dir : L"<null>", params != nullptr, params != nullptr ? params : L"", show});
    return reinterpret_cast<HINSTANCE>(33);
}

void RecordExit(UINT code)
{
    CModalRecorder::s_exitCodes.push_back(code);
}

CDialogAnswerer* g_answerer = nullptr;

} // namespace

CModalRecorder::CModalRecorder()
{
    s_shell.clear();
    s_messageBoxes.clear();
    s_exitCodes.clear();
    s_browse.clear();
    s_browseTitles.clear();
    s_freed.clear();
    s_folderAnswer.clear();
    tagTModalUiCalls& ui = ModalUi();
    ui.pfnMessageBox = &RecordMessageBox;
    ui.pfnBrowseForFolder = &RecordBrowse;
    ui.pfnGetPathFromIDList = &RecordGetPath;
    ui.pfnFreeIDList = &RecordFree;
    ui.pfnShellExecute = &RecordShell;
    ui.pfnExitProcess = &RecordExit;
}

CModalRecorder::~CModalRecorder()
{
    ModalUi() = PlatformModalUi();
}

CDialogAnswerer::CDialogAnswerer(const wchar_t* controlName, std::function<void()> before)
    : m_sName(controlName), m_before(std::move(before))
{
    g_answerer = this;
    m_timer = ::SetTimer(nullptr, 0, 30, &CDialogAnswerer::OnTimer);
}

CDialogAnswerer::~CDialogAnswerer()
{
    if (m_timer != 0)
        ::KillTimer(nullptr, m_timer);
    g_answerer = nullptr;
}

void CALLBACK CDialogAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answerer == nullptr)
        return;
    if (!g_answerer->m_bAnswered)
        g_answerer->Act();
    else if (::IsWindow(g_answerer->dialog) && ::GetTickCount() - g_answerer->m_nAnsweredAt > 3000)
    {
        // The answer was ignored: end the dialog, so a broken build fails instead of hanging.
        g_answerer->answerIgnored = true;
        ::SendMessageW(g_answerer->dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void CDialogAnswerer::Act()
{
    const HWND found = ::FindWindowW(L"MsgWnd", nullptr);
    if (found == nullptr || !::IsWindowVisible(found))
        return;         // not shown yet
    m_bAnswered = true; // the timer goes on, to end a dialog that ignores the answer
    m_nAnsweredAt = ::GetTickCount();
    dialog = found;
    owner = ::GetWindow(found, GW_OWNER);
    ownerEnabledWhileOpen = owner != nullptr && ::IsWindowEnabled(owner);
    style = static_cast<DWORD>(::GetWindowLongPtrW(found, GWL_STYLE));
    exStyle = static_cast<DWORD>(::GetWindowLongPtrW(found, GWL_EXSTYLE));
    wchar_t text[64] = {};
    ::GetWindowTextW(found, text, 64);
    title = text;
    ::GetWindowRect(found, &dialogRect);
    if (owner != nullptr)
        ::GetWindowRect(owner, &ownerRect);
    CPaintManagerUI* pm = ManagerOf(found);
    if (inspect && pm != nullptr)
        inspect(*pm);
    if (m_before)
        m_before();
    if (m_sName.empty())
        ::SendMessageW(found, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (pm == nullptr || !Click(*pm, m_sName.c_str()))
    {
        clickFailed = true; // end the dialog anyway: a test must not hang in its loop
        ::SendMessageW(found, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

CPaintManagerUI* ManagerOf(HWND hWnd)
{
    // The window procedure keeps the CWindowWnd part, which starts every skinned window.
    CWindowWnd* window = reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    return window != nullptr ? static_cast<CUIFrameWnd*>(window)->GetManager() : nullptr;
}

bool Click(CPaintManagerUI& pm, const wchar_t* name)
{
    CControlUI* control = pm.FindControl(name);
    return control != nullptr && control->Activate();
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        if (done())
            return true;
        if (::GetTickCount() - start > ms)
            return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                ::PostQuitMessage(static_cast<int>(msg.wParam)); // kept for TakeQuit
                break;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool TakeQuit()
{
    MSG msg;
    bool quit = false;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        quit = true;
    return quit;
}
