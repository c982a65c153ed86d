// CProcessInfo: owns the process and thread handles CreateProcessW returns and closes both.
//
// Contract: Get() is the PROCESS_INFORMATION to hand to CreateProcessW; after a successful
// start both handles belong to this object. Not copyable.
// It does not wait for or end the process; closing the handles leaves the process running.
#pragma once

#include <windows.h>

class CProcessInfo
{
public:
    CProcessInfo() : m_info() {}
    ~CProcessInfo() { Reset(); }
    CProcessInfo(const CProcessInfo&) = delete;
    CProcessInfo& operator=(const CProcessInfo&) = delete;

    PROCESS_INFORMATION* Get() { return &m_info; }
    HANDLE Process() const { return m_info.hProcess; }

    void Reset()
    {
        if (m_info.hThread != nullptr)
            ::CloseHandle(m_info.hThread);
        if (m_info.hProcess != nullptr)
            ::CloseHandle(m_info.hProcess);
        m_info = PROCESS_INFORMATION();
    }

private:
    PROCESS_INFORMATION m_info;
};
