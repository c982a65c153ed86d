// Helpers of the window tests: the generated skin archive as the in-memory skin archive, skinned
// test windows (a WindowImplBase and a CUIFrameWnd) that record what reaches them into a log
// that outlives them, and message pumping.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/window/CUIFrameWnd.h"
#include "engine/window/WindowImplBase.h"

namespace WindowTest
{

// The bytes of window.zip beside the executable (read once, kept for the process).
const std::vector<BYTE>& ArchiveBytes();

// Every test starts with the window archive in memory, the English language folder, the
// engine's instance set to the test program, and skin failures recorded instead of ending the
// process.
class CWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// Skin failures reported while a test runs (the skin names).
std::vector<std::wstring>& FailedSkins();

// What reached a test window; lives outside the window so a window may delete itself.
struct CWindowLog
{
    std::vector<UINT> messages;         // every message HandleMessage saw
    std::vector<std::wstring> notifies; // "type:sender" of notifications the map's handlers got
    int finalMessages = 0;
    bool handleClearedAtFinal = false;   // GetHWND() was null in OnFinalMessage
    bool userDataClearedAtFinal = false; // the window no longer pointed at the object
    bool initWindowCalled = false;
    WPARAM lastCloseWParam = 0xDEAD;
    int closeMessages = 0;
    int Count(UINT uMsg) const;
};

// Dispatches every waiting message of this thread.
void PumpMessages();
// Places the manager's root on the client rectangle (what the first paint does).
void LayOut(SkinUI::CPaintManagerUI& manager);
// Screen-coordinate lParam of a client point of the window.
LPARAM ScreenPoint(HWND hWnd, int x, int y);

template <class Base> class CRecordingWindow : public Base
{
public:
    explicit CRecordingWindow(CWindowLog* pLog, const wchar_t* pstrSkin = L"Win.xml")
        : m_pLog(pLog), m_sSkin(pstrSkin)
    {
    }
    bool m_bDeleteOnFinal = false;
    LRESULT m_lDefaultKeyResult = 1;
    // Runs before the window's own handling of every message (tests act from inside loops).
    std::function<void(UINT, WPARAM, LPARAM)> m_onMessage;

    // A hidden popup at (100, 100) of 300 x 200.
    HWND CreateTestWindow(HWND hOwner = nullptr, DWORD dwStyle = WS_POPUP | WS_CAPTION)
    {
        return this->Create(hOwner, L"test", dwStyle, 0, 100, 100, 300, 200);
    }

    const wchar_t* GetWndClassName() const override { return L"ZentrivoTestSkinWindow"; }
    SkinUI::CUIString GetSkinXml() override { return SkinUI::CUIString(m_sSkin.c_str()); }
    LRESULT ResponseDefaultKeyEvent(WPARAM) override { return m_lDefaultKeyResult; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        m_pLog->messages.push_back(uMsg);
        if (m_onMessage)
            m_onMessage(uMsg, wParam, lParam);
        if (uMsg == WM_CLOSE)
        {
            m_pLog->lastCloseWParam = wParam;
            ++m_pLog->closeMessages;
        }
        return Base::HandleMessage(uMsg, wParam, lParam);
    }

protected:
    void OnFinalMessage(HWND hWnd) override
    {
        ++m_pLog->finalMessages;
        m_pLog->handleClearedAtFinal = this->GetHWND() == nullptr;
        m_pLog->userDataClearedAtFinal = ::GetWindowLongPtrW(hWnd, GWLP_USERDATA) == 0;
        Base::OnFinalMessage(hWnd);
        if (m_bDeleteOnFinal)
            delete this;
    }
    CWindowLog* m_pLog;
    std::wstring m_sSkin;
};

typedef CRecordingWindow<SkinUI::WindowImplBase> CTestSkinWindow;

class CTestFrame : public CRecordingWindow<SkinUI::CUIFrameWnd>
{
public:
    using CRecordingWindow::CRecordingWindow;
    void InitWindow() override { m_pLog->initWindowCalled = true; }
    void OnNotifyClick(SkinUI::tagTNotifyUI& msg) override { Record(msg); }
    void OnNotifyWindowPrepare(SkinUI::tagTNotifyUI& msg) override { Record(msg); }
    bool OnCustomMessage(UINT uMsg, WPARAM, LPARAM) override { return uMsg == WM_APP + 50; }

private:
    void Record(SkinUI::tagTNotifyUI& msg)
    {
        m_pLog->notifies.push_back(std::wstring(msg.sType.GetData()) + L":" +
                                   (msg.pSender != nullptr ? msg.pSender->GetName().GetData() : L""));
    }
};

// A notification of the type from the named control of the manager.
SkinUI::tagTNotifyUI MakeNotify(SkinUI::CPaintManagerUI& manager, const wchar_t* pstrType,
                                const wchar_t* pstrSender, WPARAM wParam = 0, LPARAM lParam = 0);

} // namespace WindowTest
