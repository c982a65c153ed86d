// Lifecycle of CPaintManagerUI: construction, Init, the DPI object, the list of managers and
// Term. The resource operations live in engine/resources/CPaintManagerUIResources.cpp.
#include "engine/manager/CPaintManagerUI.h"

#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CShadowUI.h"
#include "engine/render/CGdiplusSession.h"

namespace SkinUI
{

CStdPtrArray CPaintManagerUI::m_aPreMessages;

CPaintManagerUI::CPaintManagerUI() : m_hWndPaint(nullptr), m_bForceUseSharedRes(false)
{
    // DrawColor, DrawRect and GDI+ text draw nothing unless GDI+ runs; sessions nest, so each
    // manager keeps one for its life.
    m_pGdiplus.reset(new CGdiplusSession);
    ::InitializeCriticalSectionAndSpinCount(&m_lockNotify, 5000);
    InitResources();
}

CPaintManagerUI::~CPaintManagerUI()
{
    FreeControls();
    FreeResources();
    ::DeleteCriticalSection(&m_lockNotify);
    m_aPreMessages.Remove(static_cast<void*>(this));
}

void CPaintManagerUI::Init(HWND hWnd, const wchar_t* pstrName)
{
    // A window starts every build with only what its skin declares.
    RemoveAllFonts(false);
    RemoveAllImages(false);
    RemoveAllStyle(false);
    RemoveAllDefaultAttributeList(false);
    m_sName = pstrName;
    if (m_hWndPaint != hWnd)
    {
        m_hWndPaint = hWnd;
        m_hDcPaint.Reset(hWnd);
        if (m_aPreMessages.Find(this) < 0)
            m_aPreMessages.Add(this);
    }
}

CDPI* CPaintManagerUI::GetDPIObj()
{
    if (!m_pDPI)
        m_pDPI.reset(new CDPI);
    return m_pDPI.get();
}

CStdPtrArray* CPaintManagerUI::GetPaintManagers()
{
    return &m_aPreMessages;
}

void CPaintManagerUI::Term()
{
    TermResources();
}

} // namespace SkinUI
