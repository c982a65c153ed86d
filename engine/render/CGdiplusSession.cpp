#include "engine/render/CGdiplusSession.h"

#include <gdiplus.h>

namespace SkinUI
{

CGdiplusSession::CGdiplusSession() : m_uToken(0), m_bStarted(false)
{
    Gdiplus::GdiplusStartupInput input;
    m_bStarted = Gdiplus::GdiplusStartup(&m_uToken, &input, NULL) == Gdiplus::Ok;
}

CGdiplusSession::~CGdiplusSession()
{
    if (m_bStarted)
        Gdiplus::GdiplusShutdown(m_uToken);
}

} // namespace SkinUI
