#include <gtest/gtest.h>

#include "engine/controls/CControlUI.h"
#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "installer/app/CApp.h"
#include "installer/ui/CMainFrame.h"
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <string>

using namespace SkinUI;

namespace
{

// Wine shows the host's root as drive Z:.
std::wstring HostPath(const char* hostPath)
{
    std::wstring path = L"Z:";
    for (const char* c = hostPath; *c != '\0'; ++c)
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c)));
    return path;
}

std::wstring ExePath()
{
    return HostPath(ZENTRIVO_EXE);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A started Zentrivo.exe; ended (by its handle) if a case leaves it running.
class CInstallerProcess
{
public:
    explicit CInstallerProcess(const std::wstring& exe = ExePath())
    {
        std::wstring command = L"\"" + exe + L"\" /ignored --options";
        STARTUPINFOW si = {sizeof(si)};
        m_ok = ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                &m_pi) != 0;
    }
    ~CInstallerProcess()
    {
        if (!m_ok)
            return;
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
        {
            ::TerminateProcess(m_pi.hProcess, 99);
            ::WaitForSingleObject(m_pi.hProcess, 10000);
        }
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
    }
    bool Started() const { return m_ok; }
    // Waits until the program's loop waits for input (its start-up is over).
    bool Idle(DWORD ms) { return ::WaitForInputIdle(m_pi.hProcess, ms) == 0; }
    // Exit code, or STILL_ACTIVE when it did not end within ms.
    DWORD WaitExit(DWORD ms)
    {
        DWORD code = STILL_ACTIVE;
        if (::WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }
    // The process's visible top-level window of the class, waited for at most ms.
    HWND WaitWindow(const wchar_t* cls, DWORD ms)
    {
        const DWORD start = ::GetTickCount();
        do
        {
            m_found = nullptr;
            m_cls = cls;
            ::EnumWindows(&CInstallerProcess::Visit, reinterpret_cast<LPARAM>(this));
            if (m_found != nullptr)
                return m_found;
            ::Sleep(50);
        } while (::GetTickCount() - start < ms);
        return nullptr;
    }

private:
    static BOOL CALLBACK Visit(HWND hWnd, LPARAM self)
    {
        CInstallerProcess* p = reinterpret_cast<CInstallerProcess*>(self);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hWnd, &pid);
        wchar_t cls[64] = {};
        ::GetClassNameW(hWnd, cls, 64);
        if (pid == p->m_pi.dwProcessId && p->m_cls == cls && ::IsWindowVisible(hWnd))
        {
            p->m_found = hWnd;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION m_pi = {};
    bool m_ok = false;
    std::wstring m_cls;
    HWND m_found = nullptr;
};

RECT WindowRect(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

} // namespace

TEST(CAppLanguage, OnlySimplifiedChineseSystemsGetChinese)
{
    CApp::SelectLanguage(0x0804);
    EXPECT_STREQ(L"chs", CLangManagerUI::GetLangName().GetData());
    EXPECT_STREQ(L"Lang\\ChineseSimplified", CLangManagerUI::GetLangPath().GetData());
    for (LANGID other : {0x0409, 0x0404, 0x0C04, 0x1004, 0x0407, 0x0000})
    {
        CApp::SelectLanguage(other);
        EXPECT_STREQ(L"en", CLangManagerUI::GetLangName().GetData()) << std::hex << other;
        EXPECT_STREQ(L"Lang\\English", CLangManagerUI::GetLangPath().GetData());
    }
}

// The application object in this process, with this program's copy of the installer's
// resources: the window is built in Chinese, then shows the system's language once switched.
TEST(CAppWindow, CreatesTheWindowInChineseThenAppliesTheSystemLanguage)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
    s->Script("/ipJson.jsp", R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
    s->Script("/client/userOperating", R"({"body":"ok"})");
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en"); // whatever came before
    CApp app;
    app.SetResType_ZipResource(L"skin", L"", 130, L"ZIPRES");
    ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr)));
    CUIFrameWnd* frame = app.GetMainWnd();
    ASSERT_NE(nullptr, frame);
    const HWND hWnd = frame->GetHWND();
    ASSERT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(static_cast<LONG>(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN),
              ::GetWindowLongPtrW(hWnd, GWL_STYLE) &
                  (WS_VISIBLE | WS_CAPTION | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    CControlUI* install = frame->GetManager()->FindControl(L"btn_Install");
    ASSERT_NE(nullptr, install);
    EXPECT_STREQ(L"立即安装", install->GetText().GetData()) << "created in Chinese";
    EXPECT_STREQ(L"chs", CLangManagerUI::GetLangName().GetData());

    app.ApplySystemLanguage(0x0409);
    EXPECT_STREQ(L"Install Now", install->GetText().GetData());
    EXPECT_STREQ(L"Install to:", frame->GetManager()->FindControl(L"lb_Path")->GetText().GetData());
    RECT dirty = {};
    EXPECT_TRUE(::GetUpdateRect(hWnd, &dirty, FALSE)) << "repainted";

    app.ApplySystemLanguage(0x0804);
    EXPECT_STREQ(L"立即安装", install->GetText().GetData());
    EXPECT_EQ(0, app.ExitInstance());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, app.GetMainWnd());
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {
    }
}

// The real program: its window as created, a second start, the close command's question and
// the end of the program when its window goes.
TEST(ZentrivoExe, StartsOneCentredWindowAsksBeforeClosingAndEndsWithItsWindow)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
    s->Script("/ipJson.jsp", R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
    s->Script("/client/userOperating", R"({"body":"ok"})");

    CInstallerProcess first;
    ASSERT_TRUE(first.Started());
    const HWND main = first.WaitWindow(L"MainFrame", 120000);
    ASSERT_NE(nullptr, main) << "no main window";
    ASSERT_TRUE(first.Idle(60000)); // created visible, then centred: look once it is done
    EXPECT_EQ(0, ::GetWindowTextLengthW(main));
    const LONG style = static_cast<LONG>(::GetWindowLongPtrW(main, GWL_STYLE));
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_TRUE(style & WS_VISIBLE);
    const RECT rc = WindowRect(main);
    EXPECT_EQ(690, rc.right - rc.left) << "600 at 115 %";
    EXPECT_EQ(460, rc.bottom - rc.top);
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((rc.left + rc.right) - (work.left + work.right)), 1) << "centred at its final size";
    EXPECT_LE(std::abs((rc.top + rc.bottom) - (work.top + work.bottom)), 1);

    // Minimised, so that a wake-up (show, restore, activate) would be seen.
    ::ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(main));
    {
        CInstallerProcess second;
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(0u, second.WaitExit(120000)) << "a second start ends at once with 0";
    }
    first.Idle(10000);
    ::Sleep(500);
    EXPECT_TRUE(::IsIconic(main)) << "the first window is left as it was";
    EXPECT_TRUE(::IsWindowVisible(main));
    ::ShowWindow(main, SW_RESTORE);
    first.Idle(10000);
    const RECT after = WindowRect(main);
    EXPECT_TRUE(::EqualRect(&rc, &after));

    // The system's close command asks first; closing the question keeps the window.
    ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    const HWND dialog = first.WaitWindow(L"MsgWnd", 60000);
    ASSERT_NE(nullptr, dialog) << "no question";
    EXPECT_EQ(main, ::GetWindow(dialog, GW_OWNER));
    EXPECT_FALSE(::IsWindowEnabled(main));
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    const DWORD start = ::GetTickCount();
    while (::IsWindow(dialog) && ::GetTickCount() - start < 30000)
        ::Sleep(50);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_TRUE(::IsWindowEnabled(main));
    EXPECT_EQ(STILL_ACTIVE, first.WaitExit(500));

    // The window's end ends the program with 0.
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, first.WaitExit(60000));
}

// A download folder holding a copy of the program and DLLs planted under the names of the DLLs
// it loads on first use (TLS, certificates, GDI+, ...): none of them may be loaded, not even
// while it fetches the addresses over HTTPS and paints its window.
TEST(ZentrivoExe, LoadsNoDllPlantedBesideIt)
{
    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl", R"({"status":404,"body":"none"})");
    s->Script("/ipJson.jsp", R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
    s->Script("/client/userOperating", R"({"body":"ok"})");
    const std::wstring folder = L"C:\\ztest\\planted";
    ::CreateDirectoryW(L"C:\\ztest", nullptr);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\Zentrivo.exe";
    ASSERT_TRUE(::CopyFileW(ExePath().c_str(), exe.c_str(), FALSE));
    const wchar_t* names[] = {L"gdiplus.dll",  L"crypt32.dll",  L"bcrypt.dll",  L"secur32.dll",
                              L"msimg32.dll",  L"version.dll",  L"uxtheme.dll", L"comctl32.dll",
                              L"riched20.dll", L"msftedit.dll", L"shcore.dll",  L"dbghelp.dll",
                              L"imagehlp.dll", L"ncrypt.dll",   L"winmm.dll"};
    for (const wchar_t* name : names)
    {
        const std::wstring dll = folder + L"\\" + name;
        ::DeleteFileW((dll + L".loaded").c_str());
        ASSERT_TRUE(::CopyFileW(HostPath(ZENTRIVO_PLANTED_DLL).c_str(), dll.c_str(), FALSE));
    }
    {
        CInstallerProcess planted(exe);
        ASSERT_TRUE(planted.Started());
        const HWND main = planted.WaitWindow(L"MainFrame", 120000);
        ASSERT_NE(nullptr, main);
        ASSERT_TRUE(planted.Idle(60000));
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, planted.WaitExit(60000));
    }
    for (const wchar_t* name : names)
        EXPECT_FALSE(Exists(folder + L"\\" + name + L".loaded")) << "loaded the planted " << name;

    // The marker works: a program that asks for the folder's copy gets it.
    const std::wstring control = folder + L"\\probe.dll";
    ASSERT_TRUE(::CopyFileW(HostPath(ZENTRIVO_PLANTED_DLL).c_str(), control.c_str(), FALSE));
    ::DeleteFileW((control + L".loaded").c_str());
    HMODULE loaded = ::LoadLibraryW(control.c_str());
    ASSERT_NE(nullptr, loaded);
    ::FreeLibrary(loaded);
    EXPECT_TRUE(Exists(control + L".loaded"));
}
