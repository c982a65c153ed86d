// CUIApplication: single instance (mutex and one wake-up broadcast), the resource modes (files,
// archive file, archive in a module resource with a 16-bit id, an empty or missing resource),
// the loop, ExitInstance's order, and the profile store.
#include <gtest/gtest.h>

#include <memory>

#include "engine/controls/CControlUI.h"
#include "engine/markup/CControlFactory.h"
#include "engine/markup/CDialogBuilder.h"
#include "engine/window/CUIApplication.h"
#include "tests/engine/window/WindowTestSupport.h"
#include "tests/support/CTestWindow.h"
#include "tests/support/ExeFolder.h"

using namespace SkinUI;
using namespace WindowTest;

namespace
{

class CTestApp : public CUIApplication
{
public:
    void SetMainWnd(CUIFrameWnd* pWnd) { m_pMainWnd = pWnd; }
    bool HasMutex() const { return m_hMutex.IsValid(); }
};

// Skins need the archive the application hands over: nothing is preset.
class ApplicationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CPaintManagerUI::Term();
        CPaintManagerUI::SetResourcePath(L"");
    }
    void TearDown() override
    {
        PumpMessages();
        CPaintManagerUI::Term();
        CPaintManagerUI::SetResourceType(0);
        CPaintManagerUI::SetResourcePath(L"");
    }
    // Whether "Win.xml" can be built with the resources as they are now.
    static bool SkinBuilds()
    {
        CTestWindow window;
        CPaintManagerUI manager;
        manager.Init(window.Get());
        CDialogBuilder builder;
        CControlUI* pRoot = builder.Create(L"Win.xml", nullptr, nullptr, &manager);
        delete pRoot;
        return pRoot != nullptr;
    }
    static std::wstring UniqueName(const wchar_t* stem)
    {
        return std::wstring(L"ZentrivoTest-") + stem + L"-" + std::to_wstring(::GetCurrentProcessId());
    }
};

int g_wakeUps = 0;
UINT g_wakeMsg = 0;
LRESULT CALLBACK WakeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (g_wakeMsg != 0 && uMsg == g_wakeMsg)
        ++g_wakeUps;
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

} // namespace

TEST_F(ApplicationTest, SingleApplicationNeedsAName)
{
    CTestApp app;
    EXPECT_FALSE(app.SetSingleApplication(true, L""));
    EXPECT_FALSE(app.SetSingleApplication(true, nullptr));
    ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr))); // no check took place
    EXPECT_FALSE(app.HasMutex());
    EXPECT_EQ(0u, app.GetWakeUpMessage());
    EXPECT_EQ(0, app.ExitInstance());

    const std::wstring name = UniqueName(L"off");
    CTestApp off;
    EXPECT_TRUE(off.SetSingleApplication(false, name.c_str()));
    ASSERT_TRUE(off.InitInstance(::GetModuleHandleW(nullptr)));
    EXPECT_FALSE(off.HasMutex());
    EXPECT_EQ(nullptr, ::OpenMutexW(SYNCHRONIZE, FALSE, name.c_str())) << "no mutex when not asked for";
    off.ExitInstance();
}

TEST_F(ApplicationTest, ASecondInstanceBroadcastsOnceAndGivesUp)
{
    const std::wstring name = UniqueName(L"single");
    g_wakeMsg = ::RegisterWindowMessageW(name.c_str());
    g_wakeUps = 0;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WakeProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZentrivoWakeReceiver";
    ::RegisterClassW(&wc);
    HWND hReceiver = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hReceiver);

    CTestApp first;
    ASSERT_TRUE(first.SetSingleApplication(true, name.c_str()));
    ASSERT_TRUE(first.InitInstance(::GetModuleHandleW(nullptr)));
    EXPECT_TRUE(first.HasMutex());
    EXPECT_EQ(g_wakeMsg, first.GetWakeUpMessage());
    EXPECT_EQ(0, g_wakeUps);

    CTestApp second;
    ASSERT_TRUE(second.SetSingleApplication(true, name.c_str()));
    EXPECT_FALSE(second.InitInstance(::GetModuleHandleW(nullptr)));
    // The broadcast may arrive through the queue: wait a bounded while for it.
    for (int i = 0; i < 50 && g_wakeUps == 0; ++i)
    {
        PumpMessages();
        ::Sleep(10);
    }
    PumpMessages();
    EXPECT_EQ(1, g_wakeUps);

    first.ExitInstance();
    second.ExitInstance();
    HANDLE hLeft = ::OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
    EXPECT_EQ(nullptr, hLeft) << "both handles closed";
    if (hLeft != nullptr)
        ::CloseHandle(hLeft);
    ::DestroyWindow(hReceiver);
    g_wakeMsg = 0;
}

TEST_F(ApplicationTest, ArchiveInAModuleResourceServesTheSkins)
{
    CTestApp app;
    app.SetResType_ZipResource(L"skin", L"", 501 + 0x10000, L"ZIPRES"); // only the low 16 bits count
    ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr)));
    EXPECT_EQ(CUIApplication::RES_ZIPRESOURCE, CPaintManagerUI::GetResourceType());
    EXPECT_EQ(PathBesideExe(L"skin\\"), std::wstring(CPaintManagerUI::GetResourcePath().GetData()));
    EXPECT_EQ(PathBesideExe(L""), std::wstring(app.GetAppPath().GetData()));
    EXPECT_TRUE(SkinBuilds());
    EXPECT_EQ(0, app.ExitInstance());
}

TEST_F(ApplicationTest, AnEmptyOrMissingArchiveResourceIsSkippedQuietly)
{
    for (unsigned int id : {502u, 999u, 0u})
    {
        CTestApp app;
        app.SetResType_ZipResource(L"skin", L"", id, L"ZIPRES");
        EXPECT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr))) << id;
        EXPECT_TRUE(CPaintManagerUI::GetResourceZip().IsEmpty()) << id;
        EXPECT_FALSE(SkinBuilds()) << id;
        app.ExitInstance();
    }
}

TEST_F(ApplicationTest, ArchiveFileAndFolderModes)
{
    {
        CTestApp app;
        app.SetResType_File(L"nowhere");
        ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr)));
        EXPECT_EQ(CUIApplication::RES_FILE, CPaintManagerUI::GetResourceType());
        EXPECT_EQ(PathBesideExe(L"nowhere\\"), std::wstring(CPaintManagerUI::GetResourcePath().GetData()));
        EXPECT_FALSE(SkinBuilds());
        app.ExitInstance();
    }
    {
        CTestApp app;
        app.SetResType_File(L"");
        app.SetResType_ZIP(L"", L"window_data\\window.zip", false, nullptr); // the last call wins
        ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr)));
        EXPECT_EQ(CUIApplication::RES_ZIP, app.GetResourceMode());
        EXPECT_TRUE(SkinBuilds());
        app.ExitInstance();
    }
}

TEST_F(ApplicationTest, ExitInstanceEndsTheWindowBeforeDeletingItsObject)
{
    CTestApp app;
    CControlFactory::GetInstance()->RegistControl(L"CExitProbeUI",
                                                  []() -> CControlUI* { return new CControlUI; });
    ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr)));
    const std::vector<BYTE>& zip = ArchiveBytes();
    CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned int>(zip.size()), L"");
    CWindowLog log;
    CTestFrame* pFrame = new CTestFrame(&log);
    HWND hWnd = pFrame->CreateTestWindow();
    ASSERT_NE(nullptr, hWnd);
    app.SetMainWnd(pFrame);
    EXPECT_EQ(pFrame, app.GetMainWnd());

    EXPECT_EQ(0, app.ExitInstance());
    EXPECT_EQ(1, log.finalMessages) << "the window ended while its object still existed";
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, app.GetMainWnd());
    CControlUI* pProbe = CControlFactory::GetInstance()->CreateControl(L"CExitProbeUI");
    EXPECT_EQ(nullptr, pProbe) << "the control factory was released";
    delete pProbe;
    EXPECT_EQ(0, app.ExitInstance()) << "a second exit finds nothing to do";
}

TEST_F(ApplicationTest, RunHandsTheApplicationToTheMainWindowAndEndsOnQuit)
{
    CTestApp app;
    EXPECT_EQ(&app, UIGetApp());
    ASSERT_TRUE(app.InitInstance(::GetModuleHandleW(nullptr)));
    const std::vector<BYTE>& zip = ArchiveBytes();
    CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned int>(zip.size()), L"");
    CWindowLog log;
    CTestFrame* pFrame = new CTestFrame(&log);
    ASSERT_NE(nullptr, pFrame->CreateTestWindow());
    app.SetMainWnd(pFrame);
    ::PostMessageW(pFrame->GetHWND(), WM_APP + 77, 0, 0);
    ::PostQuitMessage(0);
    app.Run();
    EXPECT_EQ(&app, pFrame->GetApplication());
    EXPECT_EQ(1, log.Count(WM_APP + 77));
    app.ExitInstance();
}

TEST_F(ApplicationTest, ProfileStoreInAnIniFileAndInTheRegistry)
{
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring ini = std::wstring(szTemp) + UniqueName(L"profile") + L".ini";
    const std::wstring key = UniqueName(L"key");
    for (bool bRegistry : {false, true})
    {
        CTestApp app;
        if (bRegistry)
            app.SetRegistryKey(key.c_str(), L"profile");
        else
            app.SetRegistryKey(nullptr, ini.c_str());
        EXPECT_EQ(42u, app.GetProfileIntW(L"S", L"missing", 42));
        EXPECT_TRUE(app.WriteProfileInt(L"S", L"n", -7));
        EXPECT_EQ(static_cast<UINT>(-7), app.GetProfileIntW(L"S", L"n", 0));
        // A new ini file is written in the ANSI code page; the registry keeps any text.
        const wchar_t* text = bRegistry ? L"wert \u4e2d" : L"wert";
        EXPECT_TRUE(app.WriteProfileStringW(L"S", L"s", text));
        EXPECT_EQ(std::wstring(text), std::wstring(app.GetProfileStringW(L"S", L"s", L"x").GetData()));
        EXPECT_EQ(std::wstring(L"dflt"),
                  std::wstring(app.GetProfileStringW(L"S", L"none", L"dflt").GetData()));
        const BYTE blob[] = {0x00, 0xFF, 0x10, 0xA5};
        EXPECT_TRUE(app.WriteProfileBinary(L"S", L"b", blob, sizeof(blob)));
        std::vector<BYTE> back;
        EXPECT_TRUE(app.GetProfileBinary(L"S", L"b", back));
        EXPECT_EQ(std::vector<BYTE>(blob, blob + sizeof(blob)), back);
        EXPECT_FALSE(app.GetProfileBinary(L"S", L"s", back)) << "a text is no blob";
        EXPECT_FALSE(app.WriteProfileInt(nullptr, L"n", 1));
        EXPECT_FALSE(app.WriteProfileBinary(L"S", L"b", nullptr, 3));
    }
    ::DeleteFileW(ini.c_str());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"software\\" + key).c_str());
}
