// CUIApplication: the program's application object: where the skin resources come from (a
// folder, an archive file, an index in the module's resources, or an archive stored as a
// module resource), COM/OLE start-up, one running instance per name, the main window, the
// message loop and the engine's shutdown.
//
// Contract: the last constructed object is the one UIGetApp returns. InitInstance starts
// COM and OLE (false when COM cannot start), hands the resource settings to the paint
// manager (InitResource) and, when a single instance under a non-empty name was asked for,
// creates the named mutex; when it already exists it broadcasts the registered wake-up message
// of that name once (BSF_NOHANG, to applications) and returns false. Run runs the message loop
// until WM_QUIT. ExitInstance destroys the main window's native window first, so no message can
// reach the deleted object, deletes the object, closes the mutex, releases the control factory,
// ends the engine (CPaintManagerUI::Term) and COM/OLE; it returns 0.
//
// Not done: the profile store only forwards to CUIAppRegistryKey; the main thread only.
#pragma once

#include <windows.h>

#include <vector>

#include "engine/core/CUIString.h"
#include "engine/resources/CFileHandle.h"
#include "engine/window/CUIAppRegistryKey.h"

namespace SkinUI
{

class CUIFrameWnd;

class CUIApplication
{
public:
    enum ResourceMode
    {
        RES_NONE = 0,
        RES_FILE = 1,
        RES_ZIP = 2,
        RES_RESOURCE = 3,
        RES_ZIPRESOURCE = 4
    };

    CUIApplication();
    virtual ~CUIApplication();
    CUIApplication(const CUIApplication&) = delete;
    CUIApplication& operator=(const CUIApplication&) = delete;

    virtual void SetResType_File(const wchar_t* pstrFolder);
    virtual void SetResType_Resource(const wchar_t* pstrFolder, const wchar_t* pstrIndexName,
                                     const wchar_t* pstrIndexType);
    virtual void SetResType_ZIP(const wchar_t* pstrFolder, const wchar_t* pstrZipFile, bool bCached = false,
                                const wchar_t* pstrPassword = nullptr);
    virtual void SetResType_ZipResource(const wchar_t* pstrFolder, const wchar_t* pstrPassword,
                                        unsigned int nID, const wchar_t* pstrType);
    virtual bool InitInstance(HINSTANCE hInstance);
    virtual void Run();
    virtual UINT GetProfileIntW(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nDefault);
    virtual bool WriteProfileInt(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nValue);
    virtual CUIString GetProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                        const wchar_t* pstrDefault = nullptr);
    virtual bool WriteProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                     const wchar_t* pstrValue);
    virtual bool GetProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                  std::vector<BYTE>& data);
    virtual bool WriteProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry, const BYTE* pData,
                                    UINT nBytes);

    // False (nothing changed) for a null or empty name.
    bool SetSingleApplication(bool bSingle, const wchar_t* pstrName);
    void SetRegistryKey(const wchar_t* pstrKey, const wchar_t* pstrProfile);

    CUIFrameWnd* GetMainWnd() const { return m_pMainWnd; }
    const wchar_t* GetAppName() const { return m_sAppName.GetData(); }
    void SetAppName(const wchar_t* pstrName) { m_sAppName = pstrName; }
    CUIString GetAppPath() const { return m_sAppPath; }
    int GetResourceMode() const { return m_nResMode; }
    // The registered wake-up message, 0 before InitInstance registered it.
    UINT GetWakeUpMessage() const { return m_uWakeUpMsg; }

    virtual int ExitInstance();

protected:
    virtual void InitResource();

    CUIAppRegistryKey m_RegistryKey;
    CUIFrameWnd* m_pMainWnd = nullptr; // owned
    CUIString m_sAppPath;
    CUIString m_sAppName;
    int m_nResMode = RES_NONE;
    CUIString m_sSkinFolder;
    CUIString m_sIndexName;
    CUIString m_sIndexType;
    CUIString m_sZipFile;
    bool m_bCachedZip = false;
    CUIString m_sZipPassword;
    unsigned int m_nZipResID = 0;
    CUIString m_sZipResType;
    bool m_bSingleInstance = false;
    CUIString m_sSingleName;
    CFileHandle m_hMutex;
    UINT m_uWakeUpMsg = 0;

private:
    bool m_bComStarted = false;
};

// The application object constructed last.
CUIApplication* UIGetApp();

} // namespace SkinUI
