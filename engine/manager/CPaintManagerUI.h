// CPaintManagerUI: the paint manager of one skinned window, and the process-wide skin
// resource settings.
//
// Contract (resource part, implemented in engine/resources/CPaintManagerUIResources.cpp):
// - process-wide settings: the program module, the resource module, the resource folder
//   (always ending in a separator once set), the skin archive (a file under the resource
//   folder, or the first memory block ever given: later memory blocks are ignored), its
//   password, the cached archive handle and the resource mode;
// - per-window and shared tables of images, fonts, styles, default attribute lists and parsed
//   image descriptions (the window's table is asked first, then the shared one), and the
//   default colours. The manager owns every record in its tables; the shared tables live
//   until Term. Replacing an entry frees the old record: callers never keep image or font
//   records across a replacement.
// Lifecycle part (engine/manager/CPaintManagerUI.cpp): construction (shared defaults on the
// first construction), Init (window, paint DC, list of managers), the DPI object, Term.
//
// Not done yet: message handling, painting, layout, focus, timers and notifications arrive
// with the control tree. Not thread safe: UI thread only.
#pragma once

#include <windows.h>
#include <memory>
#include "engine/core/CStdPtrArray.h"
#include "engine/core/CStdStringPtrMap.h"
#include "engine/core/CUIString.h"
#include "engine/manager/CDPI.h"
#include "engine/manager/CWindowDC.h"
#include "engine/resources/tagTFontInfo.h"
#include "engine/resources/tagTImageInfo.h"
#include "engine/resources/tagTResInfo.h"

namespace SkinUI
{

class CZipArchive;
struct tagTDrawInfo;

class CPaintManagerUI
{
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // ---- lifecycle --------------------------------------------------------------------
    void Init(HWND hWnd, const wchar_t* pstrName = nullptr);
    const wchar_t* GetName() const { return m_sName.GetData(); }
    HWND GetPaintWindow() const { return m_hWndPaint; }
    HDC GetPaintDC() const { return m_hDcPaint.Get(); }
    CDPI* GetDPIObj();
    static CStdPtrArray* GetPaintManagers();
    static void Term();

    // ---- process-wide resource settings -----------------------------------------------
    static HINSTANCE GetInstance();
    static CUIString GetInstancePath();
    static CUIString GetCurrentPath();
    static HINSTANCE GetResourceDll();
    static const CUIString& GetResourcePath();
    static const CUIString& GetResourceZip();
    static const CUIString& GetResourceZipPwd();
    static bool IsCachedResourceZip();
    static CZipArchive* GetResourceZipHandle();
    // The archive file: resource folder + archive name, or the name alone when it is a full
    // path (a drive, a UNC or a rooted name).
    static CUIString GetResourceZipPath();
    static void SetInstance(HINSTANCE hInst);
    static void SetCurrentPath(const wchar_t* pStrPath);
    static void SetResourceDll(HINSTANCE hInst);
    static void SetResourcePath(const wchar_t* pStrPath);
    static void SetResourceZip(const void* pVoid, unsigned int len, const wchar_t* password = nullptr);
    static void SetResourceZip(const wchar_t* pstrZip, bool bCachedResourceZip = false,
                               const wchar_t* password = nullptr);
    static void SetResourceType(int nType);
    static int GetResourceType();

    // ---- images -----------------------------------------------------------------------
    const tagTImageInfo* GetImage(const wchar_t* bitmap);
    const tagTImageInfo* GetImageEx(const wchar_t* bitmap, const wchar_t* type = nullptr, DWORD mask = 0,
                                    int width = 0, int height = 0, DWORD fillcolor = 0, bool bUseHSL = false,
                                    HINSTANCE instance = nullptr);
    const tagTImageInfo* AddImage(const wchar_t* bitmap, const wchar_t* type = nullptr, DWORD mask = 0,
                                  int width = 0, int height = 0, DWORD fillcolor = 0, bool bUseHSL = false,
                                  bool bShared = false, HINSTANCE instance = nullptr);
    bool RemoveImage(const wchar_t* bitmap, bool bShared = false);
    void RemoveAllImages(bool bShared = false);
    static void ReloadSharedImages();
    void ReloadImages();
    static void ReloadSkin();
    // The table key of an image: its name, or "%s-%d-%d-%08X" when a size or fill is given.
    static CUIString MakeImageKey(const wchar_t* bitmap, int width, int height, DWORD fillcolor);

    // ---- parsed image descriptions ----------------------------------------------------
    tagTDrawInfo* GetDrawInfo(const wchar_t* pStrImage, const wchar_t* pStrModify);
    void RemoveDrawInfo(const wchar_t* pStrImage, const wchar_t* pStrModify);
    void RemoveAllDrawInfos();

    // ---- fonts ------------------------------------------------------------------------
    HFONT AddFont(int id, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                  bool bShared = false);
    bool AddFontArray(const wchar_t* pstrPath);
    void SetDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                        bool bShared = false);
    tagTFontInfo* GetDefaultFontInfo();
    HFONT GetFont(int id);
    HFONT GetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    int GetFontIndex(HFONT hFont, bool bShared = false);
    int GetFontIndex(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                     bool bShared = false);
    void RemoveFont(HFONT hFont, bool bShared = false);
    void RemoveFont(int id, bool bShared = false);
    void RemoveAllFonts(bool bShared = false);
    tagTFontInfo* GetFontInfo(int id);
    tagTFontInfo* GetFontInfo(HFONT hFont);
    void RebuildFont(tagTFontInfo* pFontInfo);
    void ResetDPIAssets();

    // ---- styles and default attribute lists -------------------------------------------
    void AddStyle(const wchar_t* pName, const wchar_t* pStyle, bool bShared = false);
    const wchar_t* GetStyle(const wchar_t* pName) const;
    bool RemoveStyle(const wchar_t* pName, bool bShared = false);
    const CStdStringPtrMap& GetStyles(bool bShared = false) const;
    void RemoveAllStyle(bool bShared = false);

    void AddDefaultAttributeList(const wchar_t* pStrControlName, const wchar_t* pStrControlAttrList,
                                 bool bShared = false);
    const wchar_t* GetDefaultAttributeList(const wchar_t* pStrControlName) const;
    bool RemoveDefaultAttributeList(const wchar_t* pStrControlName, bool bShared = false);
    void RemoveAllDefaultAttributeList(bool bShared = false);

    // ---- default colours --------------------------------------------------------------
    DWORD GetDefaultDisabledColor() const;
    void SetDefaultDisabledColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultFontColor() const;
    void SetDefaultFontColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultLinkFontColor() const;
    void SetDefaultLinkFontColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultLinkHoverFontColor() const;
    void SetDefaultLinkHoverFontColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultSelectedBkColor() const;
    void SetDefaultSelectedBkColor(DWORD dwColor, bool bShared = false);

    void SetForceUseSharedRes(bool bForce) { m_bForceUseSharedRes = bForce; }
    bool IsForceUseSharedRes() const { return m_bForceUseSharedRes; }

    // ---- window settings the render engine reads (the window part sets them) -----------
    bool IsLayered() const { return m_bLayered; }
    void SetUseGdiplusText(bool bUse) { m_bUseGdiplusText = bUse; }
    bool IsUseGdiplusText() const { return m_bUseGdiplusText; }
    void SetGdiplusTextRenderingHint(int trh) { m_trh = trh; }
    int GetGdiplusTextRenderingHint() const { return m_trh; }
    POINT GetMousePos() const { return m_ptLastMousePos; }

private:
    bool m_bLayered = false;
    bool m_bUseGdiplusText = false;
    int m_trh = 0;
    POINT m_ptLastMousePos = {-1, -1};

private:
    // Resource part helpers (CPaintManagerUIResources.cpp).
    void InitResources();
    void FreeResources();
    static void TermResources();
    static void FreeResInfo(tagTResInfo& info);
    tagTResInfo& TableFor(bool bShared);    // where additions go (honours force-shared)
    tagTResInfo& ChosenTable(bool bShared); // where removals look (the flag alone)
    HFONT CreateSkinFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                         bool bBoldAddsWeight, BYTE quality);
    void MeasureFont(tagTFontInfo* pFontInfo);
    static bool ReloadImageRecord(const wchar_t* key, tagTImageInfo* pImage, CPaintManagerUI* pManager);
    static void ReloadImageTable(CStdStringPtrMap& table, CPaintManagerUI* pManager);

    // Window.
    CUIString m_sName;
    HWND m_hWndPaint;
    CWindowDC m_hDcPaint;
    std::unique_ptr<CDPI> m_pDPI;
    bool m_bForceUseSharedRes;
    tagTResInfo m_ResInfo;
    CStdPtrArray m_aFonts; // CFontMemResource* of AddFontArray, owned

    // Process-wide.
    static CStdPtrArray m_aPreMessages; // every live manager that went through Init
    static HINSTANCE m_hInstance;
    static HINSTANCE m_hResourceInstance;
    static CUIString m_pStrResourcePath;
    static CUIString m_pStrResourceZip;
    static CUIString m_pStrResourceZipPwd;
    static std::unique_ptr<CZipArchive> m_hResourceZip;
    static bool m_bCachedResourceZip;
    static int m_nResType;
    static tagTResInfo m_SharedResInfo;
};

} // namespace SkinUI
