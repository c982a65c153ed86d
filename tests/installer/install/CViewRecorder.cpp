#include "tests/installer/install/CViewRecorder.h"

#include "installer/install/CInstallViewPoster.h"

namespace
{

const wchar_t kClassName[] = L"ZentrivoInstallViewRecorder";

} // namespace

CViewRecorder::CViewRecorder() : m_dwOwner(::GetCurrentThreadId())
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CViewRecorder::WndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    ::RegisterClassW(&wc); // a second registration fails harmlessly
    m_hWnd =
        ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CViewRecorder::~CViewRecorder()
{
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CViewRecorder::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CViewRecorder* self = reinterpret_cast<CViewRecorder*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self != nullptr && CInstallViewPoster::Dispatch(msg, wParam, lParam, *self))
        return 0;
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

void CViewRecorder::Record(const std::string& event)
{
    if (::GetCurrentThreadId() != m_dwOwner)
        ++m_nWrongThread;
    m_events.push_back(event);
}

void CViewRecorder::SetProgressStretch(bool stretch)
{
    Record(stretch ? "stretch:1" : "stretch:0");
}

void CViewRecorder::SetProgressValue(int value)
{
    Record("value:" + std::to_string(value));
}

void CViewRecorder::SetPercentText(const wchar_t* text)
{
    std::string narrow;
    for (const wchar_t* p = text; p != nullptr && *p != L'\0'; ++p)
        narrow.push_back(static_cast<char>(*p));
    Record("text:" + narrow);
}

void CViewRecorder::ShowEndPage(InstallEndPage page)
{
    Record(page == InstallEndPage::Finished ? "page:finished" : "page:fail");
}

bool CViewRecorder::PumpUntil(const std::function<bool()>& cond, int timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (cond())
            return true;
        const DWORD spent = ::GetTickCount() - start;
        if (static_cast<int>(spent) >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

bool CViewRecorder::HasEndPage() const
{
    return !Pages().empty();
}

std::vector<std::string> CViewRecorder::Pages() const
{
    std::vector<std::string> out;
    for (const std::string& e : m_events)
        if (e.compare(0, 5, "page:") == 0)
            out.push_back(e);
    return out;
}

std::vector<int> CViewRecorder::Values() const
{
    std::vector<int> out;
    for (const std::string& e : m_events)
        if (e.compare(0, 6, "value:") == 0)
            out.push_back(std::stoi(e.substr(6)));
    return out;
}
