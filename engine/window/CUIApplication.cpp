#include "engine/window/CUIApplication.h"

#include <ole2.h>

#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/markup/CControlFactory.h"
#include "engine/resources/CResourceManager.h"
#include "engine/window/CUIFrameWnd.h"

namespace SkinUI
{

namespace
{
CUIApplication* g_pApp = nullptr;
const wchar_t kResourceIndex[] = L"res.xml";
} // namespace

CUIApplication* UIGetApp()
{
    return g_pApp;
}

CUIApplication::CUIApplication()
{
    g_pApp = this;
}

CUIApplication::~CUIApplication() = default;

bool CUIApplication::SetSingleApplication(bool bSingle, const wchar_t* pstrName)
{
    if (pstrName == nullptr || *pstrName == L'\0')
        return false;
    m_bSingleInstance = bSingle;
    m_sSingleName = pstrName;
    return true;
}

void CUIApplication::SetRegistryKey(const wchar_t* pstrKey, const wchar_t* pstrProfile)
{
    m_RegistryKey.SetRegistryKey(pstrKey, pstrProfile);
}

void CUIApplication::SetResType_File(const wchar_t* pstrFolder)
{
    m_nResMode = RES_FILE;
    m_sSkinFolder = pstrFolder;
}

void CUIApplication::SetResType_Resource(const wchar_t* pstrFolder, const wchar_t* pstrIndexName,
                                         const wchar_t* pstrIndexType)
{
    m_nResMode = RES_RESOURCE;
    m_sSkinFolder = pstrFolder;
    m_sIndexName = pstrIndexName;
    m_sIndexType = pstrIndexType;
}

void CUIApplication::SetResType_ZIP(const wchar_t* pstrFolder, const wchar_t* pstrZipFile, bool bCached,
                                    const wchar_t* pstrPassword)
{
    m_nResMode = RES_ZIP;
    m_sSkinFolder = pstrFolder;
    m_sZipFile = pstrZipFile;
    m_bCachedZip = bCached;
    m_sZipPassword = pstrPassword;
}

void CUIApplication::SetResType_ZipResource(const wchar_t* pstrFolder, const wchar_t* pstrPassword,
                                            unsigned int nID, const wchar_t* pstrType)
{
    m_nResMode = RES_ZIPRESOURCE;
    m_sSkinFolder = pstrFolder;
    m_sZipPassword = pstrPassword;
    m_nZipResID = nID;
    m_sZipResType = pstrType;
}

bool CUIApplication::InitInstance(HINSTANCE hInstance)
{
    if (FAILED(::CoInitialize(nullptr)))
        return false;
    m_bComStarted = true;
    ::OleInitialize(nullptr);

    CPaintManagerUI::SetInstance(hInstance);
    m_sAppPath = CPaintManagerUI::GetInstancePath();
    InitResource();

    if (m_bSingleInstance && !m_sSingleName.IsEmpty())
    {
        m_uWakeUpMsg = ::RegisterWindowMessageW(m_sSingleName);
        m_hMutex.Reset(::CreateMutexW(nullptr, FALSE, m_sSingleName));
        if (::GetLastError() == ERROR_ALREADY_EXISTS)
        {
            DWORD dwRecipients = BSM_APPLICATIONS;
            ::BroadcastSystemMessageW(BSF_NOHANG, &dwRecipients, m_uWakeUpMsg, 0, 0);
            return false;
        }
    }
    return true;
}

void CUIApplication::InitResource()
{
    CPaintManagerUI::SetResourceType(m_nResMode);
    const CUIString sResourcePath = m_sAppPath + m_sSkinFolder;
    switch (CPaintManagerUI::GetResourceType())
    {
    case RES_FILE:
        CPaintManagerUI::SetResourcePath(sResourcePath);
        CResourceManager::GetInstance()->LoadResource(kResourceIndex, nullptr);
        break;
    case RES_ZIP:
        CPaintManagerUI::SetResourcePath(sResourcePath);
        CPaintManagerUI::SetResourceZip(m_sAppPath + m_sZipFile, m_bCachedZip, m_sZipPassword);
        break;
    case RES_RESOURCE:
        CPaintManagerUI::SetResourcePath(sResourcePath);
        CResourceManager::GetInstance()->LoadResource(
            m_sIndexName.GetData(), m_sIndexType.IsEmpty() ? nullptr : m_sIndexType.GetData());
        break;
    case RES_ZIPRESOURCE:
    {
        CPaintManagerUI::SetResourcePath(sResourcePath);
        const HINSTANCE hModule = CPaintManagerUI::GetResourceDll();
        const WORD wID = static_cast<WORD>(m_nZipResID & 0xFFFF);
        if (wID == 0 || m_sZipResType.IsEmpty())
            break;
        HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(wID), m_sZipResType);
        if (hResource == nullptr)
            break;
        HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
        const DWORD dwSize = ::SizeofResource(hModule, hResource);
        if (hGlobal == nullptr || dwSize == 0)
            break;
        const void* pData = ::LockResource(hGlobal);
        if (pData == nullptr)
            break;
        // Module resources stay mapped for the module's life: the manager may keep the pointer.
        CPaintManagerUI::SetResourceZip(pData, dwSize, m_sZipPassword);
        CResourceManager::GetInstance()->LoadResource(kResourceIndex, nullptr);
        break;
    }
    default:
        break;
    }
}

void CUIApplication::Run()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SetApplication(this);
    CPaintManagerUI::MessageLoop();
}

int CUIApplication::ExitInstance()
{
    if (m_pMainWnd != nullptr)
    {
        // The native window may outlive the loop (closed through the system menu): end it first,
        // while its object still exists, so no message can reach a deleted object.
        const HWND hWnd = m_pMainWnd->GetHWND();
        if (hWnd != nullptr && ::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
        delete m_pMainWnd;
        m_pMainWnd = nullptr;
    }
    m_hMutex.Reset();
    CControlFactory::GetInstance()->Release();
    CPaintManagerUI::Term();
    CLangManagerUI::ReleaseStringTable();
    if (m_bComStarted)
    {
        ::OleUninitialize();
        ::CoUninitialize();
        m_bComStarted = false;
    }
    return 0;
}

UINT CUIApplication::GetProfileIntW(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nDefault)
{
    return m_RegistryKey.GetProfileIntW(pstrSection, pstrEntry, nDefault);
}

bool CUIApplication::WriteProfileInt(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nValue)
{
    return m_RegistryKey.WriteProfileInt(pstrSection, pstrEntry, nValue);
}

CUIString CUIApplication::GetProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                            const wchar_t* pstrDefault)
{
    return m_RegistryKey.GetProfileStringW(pstrSection, pstrEntry, pstrDefault);
}

bool CUIApplication::WriteProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                         const wchar_t* pstrValue)
{
    return m_RegistryKey.WriteProfileStringW(pstrSection, pstrEntry, pstrValue);
}

bool CUIApplication::GetProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                      std::vector<BYTE>& data)
{
    return m_RegistryKey.GetProfileBinary(pstrSection, pstrEntry, data);
}

bool CUIApplication::WriteProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                        const BYTE* pData, UINT nBytes)
{
    return m_RegistryKey.WriteProfileBinary(pstrSection, pstrEntry, pData, nBytes);
}

} // namespace SkinUI
