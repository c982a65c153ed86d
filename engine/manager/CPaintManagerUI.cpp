// Lifecycle of CPaintManagerUI: construction, Init, the DPI object, the list of managers and
// Term. The resource operations live in engine/resources/CPaintManagerUIResources.cpp.
#include "engine/manager/CPaintManagerUI.h"

#include <commctrl.h>

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
    static bool s_bCommonControls = false;
    if (!s_bCommonControls)
    {
        // The tooltip window class.
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        s_bCommonControls = ::InitCommonControlsEx(&icc) != FALSE;
    }
    InitResources();
    CShadowUI::Initialize(m_hInstance != nullptr ? m_hInstance : ::GetModuleHandleW(nullptr));
    m_pLangManager.reset(new CLangManagerUI);
    m_bInitWindowParameter = false;
}

CPaintManagerUI::~CPaintManagerUI()
{
    m_pLangManager.reset();
    // The tree first, while the manager is whole: the controls' destructors call back into it.
    FreeControls();
    FreeResources();
    DestroyToolTip();
    ReleaseOffscreen();
    m_hDcPaint.Reset(nullptr);
    m_aPreMessages.Remove(m_aPreMessages.Find(this));
    ::DeleteCriticalSection(&m_lockNotify);
}

void CPaintManagerUI::Init(HWND hWnd, const wchar_t* pstrName)
{
    // A window starts every build with only what its skin declares.
    RemoveAllFonts(false);
    RemoveAllImages(false);
    RemoveAllStyle(false);
    RemoveAllDefaultAttributeList(false);
    RemoveAllOptionGroups();
    RemoveAllTimers();
    m_mNameHash.Resize(83);
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
    CLangManagerUI::ReleaseStringTable();
    TermResources();
}

} // namespace SkinUI
