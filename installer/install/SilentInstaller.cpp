#include "installer/install/SilentInstaller.h"

#include "engine/resources/CFileHandle.h"
#include "installer/install/CProcessInfo.h"
#include "installer/net/TextConvert.h"

#include <cwchar>
#include <exception>
#include <iterator>

namespace
{

constexpr DWORD kPipeBytes = 10240;
constexpr size_t kCommandLineCapacity = 2048;
constexpr DWORD kStopPollMs = 50;

template <size_t N> bool Terminated(const wchar_t (&field)[N])
{
    return wmemchr(field, L'\0', N) != nullptr;
}

// Waits for the process at most waitMs; polls stop meanwhile. False when stop ended it.
bool WaitForInstaller(HANDLE process, DWORD waitMs, const std::function<bool()>& stop)
{
    if (!stop)
    {
        ::WaitForSingleObject(process, waitMs);
        return true;
    }
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        const DWORD spent = ::GetTickCount() - start;
        if (spent >= waitMs)
            return true;
        const DWORD slice = waitMs - spent < kStopPollMs ? waitMs - spent : kStopPollMs;
        if (::WaitForSingleObject(process, slice) == WAIT_OBJECT_0)
            return true;
        if (stop())
            return false;
    }
}

bool Launch(const tagTLaunchRecord& record, const std::function<bool()>& stop)
{
    if (!Terminated(record.executable) || !Terminated(record.parameters))
        return false;
    const size_t needed = wcslen(record.executable) + 1 + wcslen(record.parameters);
    if (needed >= kCommandLineCapacity)
        return false; // a cut command line could name another folder
    wchar_t commandLine[kCommandLineCapacity] = {};
    FormatWide(commandLine, kCommandLineCapacity, L"%s %s", record.executable, record.parameters);

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, kPipeBytes))
        return false;
    SkinUI::CFileHandle pipeRead(readEnd);
    SkinUI::CFileHandle pipeWrite(writeEnd);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = pipeWrite.Get();
    startup.hStdError = pipeWrite.Get();
    startup.hStdInput = nullptr;
    CProcessInfo process;
    if (!::CreateProcessW(nullptr, commandLine, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                          &startup, process.Get()))
        return false;
    if (record.waitMs == 0)
        return true;
    if (WaitForInstaller(process.Process(), record.waitMs, stop))
        ::TerminateProcess(process.Process(), 0);
    ::Sleep(10);
    process.Reset();
    DWORD waiting = 0;
    return ::PeekNamedPipe(pipeRead.Get(), nullptr, 0, nullptr, &waiting, nullptr) != FALSE;
}

} // namespace

bool RunSilentInstaller(const tagTLaunchRecord* record, const std::function<bool()>& stop)
{
    if (record == nullptr)
        return false;
    try
    {
        return Launch(*record, stop);
    }
    catch (const std::exception&)
    {
        return false;
    }
}
