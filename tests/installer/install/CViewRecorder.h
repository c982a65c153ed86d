// CViewRecorder: a test's stand-in for the main window's side of the installation display.
//
// Contract: made on the test's thread, it owns a hidden message-only window there, whose
// procedure hands every message to CInstallViewPoster::Dispatch with this recorder, exactly as
// the main window does. Each IInstallView call is recorded as a short text ("stretch:0",
// "value:37", "text:37%", "page:finished", "page:fail"); a call arriving on any other thread
// than the owner's is counted in WrongThreadCalls(). Pump/PumpUntil run the thread's message
// queue. It does not paint and holds no controls.
#pragma once

#include "installer/install/IInstallView.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CViewRecorder : public IInstallView
{
public:
    CViewRecorder();
    ~CViewRecorder() override;
    CViewRecorder(const CViewRecorder&) = delete;
    CViewRecorder& operator=(const CViewRecorder&) = delete;

    HWND Target() const { return m_hWnd; }

    void SetProgressStretch(bool stretch) override;
    void SetProgressValue(int value) override;
    void SetPercentText(const wchar_t* text) override;
    void ShowEndPage(InstallEndPage page) override;

    // Dispatches what is queued for this thread until cond holds or timeoutMs passed.
    bool PumpUntil(const std::function<bool()>& cond, int timeoutMs);
    void Pump()
    {
        PumpUntil([] { return false; }, 0);
    }
    bool HasEndPage() const;

    const std::vector<std::string>& Events() const { return m_events; }
    std::vector<std::string> Pages() const; // the "page:" events alone
    std::vector<int> Values() const;        // the "value:" events alone
    int WrongThreadCalls() const { return m_nWrongThread; }
    void Clear() { m_events.clear(); }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Record(const std::string& event);

    DWORD m_dwOwner;
    HWND m_hWnd = nullptr;
    std::vector<std::string> m_events;
    int m_nWrongThread = 0;
};
