// CGdiplusSession: keeps GDI+ started for its lifetime (GdiplusStartup / GdiplusShutdown).
// Sessions nest: GDI+ counts them itself, so the paint manager, the application object and a
// test environment may each hold one.
//
// Not done: no background thread hooks (the default GDI+ start-up is used). Every GDI+ object
// must be destroyed before the last session ends.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CGdiplusSession
{
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    bool IsStarted() const { return m_bStarted; }

private:
    ULONG_PTR m_uToken;
    bool m_bStarted;
};

} // namespace SkinUI
