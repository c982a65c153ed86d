// CFileHandle: owns a kernel file handle from CreateFileW and closes it.
//
// Contract: INVALID_HANDLE_VALUE and null both mean "no file"; IsValid() tells which.
//
// Not done: no reading helpers; callers use the platform's file functions on Get().
#pragma once

#include <windows.h>

namespace SkinUI
{

class CFileHandle
{
public:
    CFileHandle() : m_h(INVALID_HANDLE_VALUE) {}
    explicit CFileHandle(HANDLE h) : m_h(h) {}
    ~CFileHandle() { Reset(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    void Reset(HANDLE h = INVALID_HANDLE_VALUE)
    {
        if (IsValid())
            ::CloseHandle(m_h);
        m_h = h;
    }

private:
    HANDLE m_h;
};

} // namespace SkinUI
