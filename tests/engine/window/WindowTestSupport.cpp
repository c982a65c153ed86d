#include "tests/engine/window/WindowTestSupport.h"

#include <algorithm>

#include "engine/lang/CLangManagerUI.h"
#include "engine/markup/CDialogBuilder.h"
#include "tests/engine/resources/TestFiles.h"
#include "tests/support/ExeFolder.h"

namespace WindowTest
{

namespace
{
void IgnoreUnknownControl(const wchar_t*, const wchar_t*) {}

void RecordFailedSkin(const wchar_t* pstrSkin)
{
    FailedSkins().push_back(pstrSkin != nullptr ? pstrSkin : L"");
}
} // namespace

const std::vector<BYTE>& ArchiveBytes()
{
    static std::vector<BYTE> s_data =
        ResourceTest::ReadFileBytes(PathBesideExe(L"window_data\\window.zip").c_str());
    return s_data;
}

std::vector<std::wstring>& FailedSkins()
{
    static std::vector<std::wstring> s_failed;
    return s_failed;
}

int CWindowLog::Count(UINT uMsg) const
{
    return static_cast<int>(std::count(messages.begin(), messages.end(), uMsg));
}

void CWindowTest::SetUp()
{
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
    FailedSkins().clear();
    SkinUI::WindowImplBase::SetSkinLoadFailedHandler(&RecordFailedSkin);
    SkinUI::CDialogBuilder::SetUnknownControlReporter(&IgnoreUnknownControl);
    const std::vector<BYTE>& zip = ArchiveBytes();
    ASSERT_FALSE(zip.empty()) << "window.zip missing beside the test executable";
    SkinUI::CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned int>(zip.size()), L"");
    SkinUI::CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
}

void CWindowTest::TearDown()
{
    PumpMessages();
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
}

void PumpMessages()
{
    MSG msg;
    // Bounded: a window that keeps posting must not hang a test.
    for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void LayOut(SkinUI::CPaintManagerUI& manager)
{
    RECT rc = {};
    ::GetClientRect(manager.GetPaintWindow(), &rc);
    if (manager.GetRoot() != nullptr)
        manager.GetRoot()->SetPos(rc);
}

LPARAM ScreenPoint(HWND hWnd, int x, int y)
{
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(pt.x)),
                      static_cast<WORD>(static_cast<SHORT>(pt.y)));
}

SkinUI::tagTNotifyUI MakeNotify(SkinUI::CPaintManagerUI& manager, const wchar_t* pstrType,
                                const wchar_t* pstrSender, WPARAM wParam, LPARAM lParam)
{
    SkinUI::tagTNotifyUI msg;
    msg.sType = pstrType;
    msg.pSender = pstrSender != nullptr ? manager.FindControl(pstrSender) : nullptr;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}

} // namespace WindowTest
