// The resource part of CPaintManagerUI: process-wide resource settings, the window's and the
// shared tables of images, fonts, styles, default attribute lists and parsed image
// descriptions, and the default colours.
#include "engine/manager/CPaintManagerUI.h"

#include <cwchar>
#include <climits>
#include <new>

#include "engine/core/CGdiSelection.h"
#include "engine/render/tagTDrawInfo.h"
#include "engine/resources/CFontMemResource.h"
#include "engine/resources/CImageLoader.h"
#include "engine/resources/CMemoryDC.h"
#include "engine/resources/CResourceManager.h"
#include "engine/resources/CResourceReader.h"
#include "engine/resources/OwnedValueMaps.h"
#include "engine/resources/CZipArchive.h"

namespace SkinUI
{

HINSTANCE CPaintManagerUI::m_hInstance = nullptr;
HINSTANCE CPaintManagerUI::m_hResourceInstance = nullptr;
CUIString CPaintManagerUI::m_pStrResourcePath;
CUIString CPaintManagerUI::m_pStrResourceZip;
CUIString CPaintManagerUI::m_pStrResourceZipPwd;
std::unique_ptr<CZipArchive> CPaintManagerUI::m_hResourceZip;
bool CPaintManagerUI::m_bCachedResourceZip = false;
int CPaintManagerUI::m_nResType = 0;
tagTResInfo CPaintManagerUI::m_SharedResInfo;

namespace
{

const wchar_t kMemBuffer[] = L"membuffer";

void FreeAllImages(CStdStringPtrMap& map)
{
    for (int i = 0; i < map.GetSize(); ++i)
    {
        const wchar_t* key = map.GetAt(i);
        if (key != nullptr)
            CImageLoader::FreeImage(static_cast<tagTImageInfo*>(map.Find(key, false)));
    }
    map.RemoveAll();
}

const wchar_t* FindText(const CStdStringPtrMap& map, const wchar_t* key)
{
    if (key == nullptr)
        return nullptr;
    const CUIString* pValue = static_cast<const CUIString*>(map.Find(key));
    return pValue != nullptr ? pValue->GetData() : nullptr;
}

bool RemoveText(CStdStringPtrMap& map, const wchar_t* key)
{
    if (key == nullptr)
        return false;
    CUIString* pValue = static_cast<CUIString*>(map.Find(key, false));
    if (pValue == nullptr)
        return false;
    delete pValue;
    return map.Remove(key);
}

CUIString FontKey(int id)
{
    CUIString sKey;
    sKey.SmallFormat(L"%d", id);
    return sKey;
}

// The first font of a table with this face (case-sensitive), nominal size and style.
tagTFontInfo* FindFont(const CStdStringPtrMap& table, const wchar_t* pStrFontName, int nSize, bool bBold,
                       bool bUnderline, bool bItalic)
{
    const wchar_t* pName = pStrFontName != nullptr ? pStrFontName : L"";
    for (int i = 0; i < table.GetSize(); ++i)
    {
        tagTFontInfo* pInfo = static_cast<tagTFontInfo*>(table.Find(table.GetAt(i), false));
        if (pInfo != nullptr && pInfo->sFontName == pName && pInfo->iSize == nSize && pInfo->bBold == bBold &&
            pInfo->bUnderline == bUnderline && pInfo->bItalic == bItalic)
            return pInfo;
    }
    return nullptr;
}

// Default colours: the shared value changes and the window follows only when it still had
// the old shared value.
void SetColor(DWORD tagTResInfo::*field, tagTResInfo& window, tagTResInfo& shared, DWORD dwColor,
              bool bShared)
{
    if (bShared)
    {
        if (window.*field == shared.*field)
            window.*field = dwColor;
        shared.*field = dwColor;
    }
    else
    {
        window.*field = dwColor;
    }
}

} // namespace

// ---- lifecycle hooks ------------------------------------------------------------------------

void CPaintManagerUI::InitResources()
{
    tagTResInfo& shared = m_SharedResInfo;
    if (shared.m_DefaultFontInfo.sFontName.IsEmpty())
    {
        // The first manager of the process sets the shared defaults.
        shared.m_dwDefaultDisabledColor = 0xFFA7A6AA;
        shared.m_dwDefaultFontColor = 0xFF000000;
        shared.m_dwDefaultLinkFontColor = 0xFF0000FF;
        shared.m_dwDefaultLinkHoverFontColor = 0xFFD3215F;
        shared.m_dwDefaultSelectedBkColor = 0xFFBAE4FF;
        LOGFONTW lf = {};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfCharSet = DEFAULT_CHARSET;
        HFONT hFont = ::CreateFontIndirectW(&lf);
        if (hFont != nullptr)
        {
            tagTFontInfo& info = shared.m_DefaultFontInfo;
            info.id = -1;
            info.hFont.Reset(hFont);
            info.sFontName = lf.lfFaceName;
            info.iSize = -lf.lfHeight;
            info.bBold = lf.lfWeight >= FW_BOLD;
            info.bUnderline = lf.lfUnderline != FALSE;
            info.bItalic = lf.lfItalic != FALSE;
            ::ZeroMemory(&info.tm, sizeof(info.tm));
        }
    }
    m_ResInfo.m_dwDefaultDisabledColor = shared.m_dwDefaultDisabledColor;
    m_ResInfo.m_dwDefaultFontColor = shared.m_dwDefaultFontColor;
    m_ResInfo.m_dwDefaultLinkFontColor = shared.m_dwDefaultLinkFontColor;
    m_ResInfo.m_dwDefaultLinkHoverFontColor = shared.m_dwDefaultLinkHoverFontColor;
    m_ResInfo.m_dwDefaultSelectedBkColor = shared.m_dwDefaultSelectedBkColor;
}

void CPaintManagerUI::FreeResInfo(tagTResInfo& info)
{
    DeleteAllValues<tagTFontInfo>(info.m_CustomFonts);
    FreeAllImages(info.m_ImageHash);
    DeleteAllValues<CUIString>(info.m_AttrHash);
    DeleteAllValues<CUIString>(info.m_StyleHash);
    DeleteAllValues<tagTDrawInfo>(info.m_DrawInfoHash);
}

void CPaintManagerUI::FreeResources()
{
    FreeResInfo(m_ResInfo);
    m_ResInfo.m_DefaultFontInfo.hFont.Reset();
    for (int i = 0; i < m_aFonts.GetSize(); ++i)
        delete static_cast<CFontMemResource*>(m_aFonts.GetAt(i));
    m_aFonts.Empty();
}

void CPaintManagerUI::TermResources()
{
    FreeResInfo(m_SharedResInfo);
    tagTFontInfo& def = m_SharedResInfo.m_DefaultFontInfo;
    def.hFont.Reset();
    def.sFontName.Empty(); // the next manager made sets the shared defaults again
    ::ZeroMemory(&def.tm, sizeof(def.tm));
    CResourceManager::GetInstance()->Release();
    // The archive is closed; its settings go with it so no stale "membuffer" marker stays
    // behind without an open archive.
    m_hResourceZip.reset();
    m_pStrResourceZip.Empty();
    m_pStrResourceZipPwd.Empty();
    m_bCachedResourceZip = false;
}

tagTResInfo& CPaintManagerUI::TableFor(bool bShared)
{
    return (bShared || m_bForceUseSharedRes) ? m_SharedResInfo : m_ResInfo;
}

// Removal and index lookups follow the caller's flag alone: forcing shared resources only
// redirects what is added, so clearing a window (Init) never empties the shared tables.
tagTResInfo& CPaintManagerUI::ChosenTable(bool bShared)
{
    return bShared ? m_SharedResInfo : m_ResInfo;
}

// ---- process-wide settings --------------------------------------------------------------------

HINSTANCE CPaintManagerUI::GetInstance()
{
    return m_hInstance;
}

CUIString CPaintManagerUI::GetInstancePath()
{
    if (m_hInstance == nullptr)
        return CUIString();
    wchar_t szPath[MAX_PATH + 1] = {};
    DWORD n = ::GetModuleFileNameW(m_hInstance, szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return CUIString();
    CUIString sPath(szPath);
    int pos = sPath.ReverseFind(L'\\');
    return pos >= 0 ? sPath.Left(pos + 1) : CUIString();
}

CUIString CPaintManagerUI::GetCurrentPath()
{
    wchar_t szPath[MAX_PATH + 1] = {};
    DWORD n = ::GetCurrentDirectoryW(MAX_PATH, szPath);
    return n > 0 && n < MAX_PATH ? CUIString(szPath) : CUIString();
}

HINSTANCE CPaintManagerUI::GetResourceDll()
{
    return m_hResourceInstance != nullptr ? m_hResourceInstance : m_hInstance;
}

const CUIString& CPaintManagerUI::GetResourcePath()
{
    return m_pStrResourcePath;
}

const CUIString& CPaintManagerUI::GetResourceZip()
{
    return m_pStrResourceZip;
}

const CUIString& CPaintManagerUI::GetResourceZipPwd()
{
    return m_pStrResourceZipPwd;
}

bool CPaintManagerUI::IsCachedResourceZip()
{
    return m_bCachedResourceZip;
}

CZipArchive* CPaintManagerUI::GetResourceZipHandle()
{
    return m_hResourceZip.get();
}

// Empty unless the archive's path is fully qualified: a relative archive name under an empty or
// relative resource folder would otherwise be opened from the current directory.
CUIString CPaintManagerUI::GetResourceZipPath()
{
    if (CResourceReader::IsFullyQualifiedPath(m_pStrResourceZip))
        return m_pStrResourceZip;
    CUIString sPath = m_pStrResourcePath + m_pStrResourceZip;
    return CResourceReader::IsFullyQualifiedPath(sPath) ? sPath : CUIString();
}

void CPaintManagerUI::SetInstance(HINSTANCE hInst)
{
    m_hInstance = hInst;
}

void CPaintManagerUI::SetCurrentPath(const wchar_t* pStrPath)
{
    if (pStrPath != nullptr)
        ::SetCurrentDirectoryW(pStrPath);
}

void CPaintManagerUI::SetResourceDll(HINSTANCE hInst)
{
    m_hResourceInstance = hInst;
}

void CPaintManagerUI::SetResourcePath(const wchar_t* pStrPath)
{
    m_pStrResourcePath = pStrPath;
    if (m_pStrResourcePath.IsEmpty())
        return;
    wchar_t last = m_pStrResourcePath[m_pStrResourcePath.GetLength() - 1];
    if (last != L'\\' && last != L'/')
        m_pStrResourcePath += L'\\';
}

void CPaintManagerUI::SetResourceZip(const void* pVoid, unsigned int len, const wchar_t* password)
{
    // The first memory archive stays for the life of the process.
    if (m_pStrResourceZip == kMemBuffer)
        return;
    m_hResourceZip.reset();
    m_pStrResourceZip = kMemBuffer;
    m_bCachedResourceZip = true;
    m_pStrResourceZipPwd = password;
    CByteBuffer ansi;
    if (!CResourceReader::ToAnsiPassword(password, ansi))
        return;
    m_hResourceZip.reset(CZipArchive::OpenMemory(
        pVoid, len, ansi.IsEmpty() ? nullptr : reinterpret_cast<const char*>(ansi.GetData())));
}

void CPaintManagerUI::SetResourceZip(const wchar_t* pstrZip, bool bCachedResourceZip, const wchar_t* password)
{
    if (m_pStrResourceZip == (pstrZip != nullptr ? pstrZip : L"") &&
        m_bCachedResourceZip == bCachedResourceZip)
        return;
    m_hResourceZip.reset();
    m_pStrResourceZip = pstrZip;
    m_bCachedResourceZip = bCachedResourceZip;
    m_pStrResourceZipPwd = password;
    if (!m_bCachedResourceZip || m_pStrResourceZip.IsEmpty())
        return;
    CByteBuffer ansi;
    if (!CResourceReader::ToAnsiPassword(password, ansi))
        return;
    m_hResourceZip.reset(CZipArchive::OpenFile(
        GetResourceZipPath(), ansi.IsEmpty() ? nullptr : reinterpret_cast<const char*>(ansi.GetData())));
}

void CPaintManagerUI::SetResourceType(int nType)
{
    m_nResType = nType;
}

int CPaintManagerUI::GetResourceType()
{
    return m_nResType;
}

// ---- images -----------------------------------------------------------------------------------

CUIString CPaintManagerUI::MakeImageKey(const wchar_t* bitmap, int width, int height, DWORD fillcolor)
{
    CUIString sKey(bitmap);
    if (width != 0 || height != 0 || fillcolor != 0)
        sKey.Format(L"%s-%d-%d-%08X", bitmap != nullptr ? bitmap : L"", width, height, fillcolor);
    return sKey;
}

const tagTImageInfo* CPaintManagerUI::GetImage(const wchar_t* bitmap)
{
    if (bitmap == nullptr)
        return nullptr;
    const tagTImageInfo* pImage = static_cast<tagTImageInfo*>(m_ResInfo.m_ImageHash.Find(bitmap));
    if (pImage == nullptr)
        pImage = static_cast<tagTImageInfo*>(m_SharedResInfo.m_ImageHash.Find(bitmap));
    return pImage;
}

const tagTImageInfo* CPaintManagerUI::GetImageEx(const wchar_t* bitmap, const wchar_t* type, DWORD mask,
                                                 int width, int height, DWORD fillcolor, bool bUseHSL,
                                                 HINSTANCE instance)
{
    if (bitmap == nullptr || *bitmap == L'\0')
        return nullptr;
    CUIString sKey = MakeImageKey(bitmap, width, height, fillcolor);
    const tagTImageInfo* pImage = GetImage(sKey);
    if (pImage != nullptr)
        return pImage;
    AddImage(bitmap, type, mask, width, height, fillcolor, bUseHSL, false, instance);
    return static_cast<tagTImageInfo*>(TableFor(false).m_ImageHash.Find(sKey));
}

const tagTImageInfo* CPaintManagerUI::AddImage(const wchar_t* bitmap, const wchar_t* type, DWORD mask,
                                               int width, int height, DWORD fillcolor, bool bUseHSL,
                                               bool bShared, HINSTANCE instance)
{
    if (bitmap == nullptr || *bitmap == L'\0')
        return nullptr;
    tagTImageInfo* pImage = nullptr;
    if (type != nullptr && *type != L'\0')
    {
        if (!iswdigit(bitmap[0]))
            return nullptr;
        UINT nID = static_cast<UINT>(wcstoul(bitmap, nullptr, 10));
        pImage = CImageLoader::LoadImage(nID, type, mask, width, height, fillcolor, this, instance);
    }
    else
    {
        pImage = CImageLoader::LoadImage(bitmap, nullptr, mask, width, height, fillcolor, this, instance);
    }
    if (pImage == nullptr)
        return nullptr;
    pImage->bUseHSL = bUseHSL;
    pImage->sResType = type;
    pImage->dwMask = mask;

    CStdStringPtrMap& table = TableFor(bShared).m_ImageHash;
    CUIString sKey = MakeImageKey(bitmap, width, height, fillcolor);
    tagTImageInfo* pOld = static_cast<tagTImageInfo*>(table.Set(sKey, pImage));
    if (pOld != nullptr && pOld != pImage)
        CImageLoader::FreeImage(pOld);
    if (table.Find(sKey, false) != pImage)
    { // the table could not take it
        CImageLoader::FreeImage(pImage);
        return nullptr;
    }
    return pImage;
}

bool CPaintManagerUI::RemoveImage(const wchar_t* bitmap, bool bShared)
{
    if (bitmap == nullptr)
        return false;
    CStdStringPtrMap& table = ChosenTable(bShared).m_ImageHash;
    tagTImageInfo* pImage = static_cast<tagTImageInfo*>(table.Find(bitmap, false));
    if (pImage == nullptr)
        return false;
    CImageLoader::FreeImage(pImage);
    return table.Remove(bitmap);
}

void CPaintManagerUI::RemoveAllImages(bool bShared)
{
    FreeAllImages(ChosenTable(bShared).m_ImageHash);
}

bool CPaintManagerUI::ReloadImageRecord(const wchar_t* key, tagTImageInfo* pImage, CPaintManagerUI* pManager)
{
    tagTImageInfo* pNew = nullptr;
    if (!pImage->sResType.IsEmpty())
    {
        if (!iswdigit(key[0]))
            return false;
        pNew = CImageLoader::LoadImage(static_cast<UINT>(wcstoul(key, nullptr, 10)), pImage->sResType,
                                       pImage->dwMask, 0, 0, 0, pManager);
    }
    else
    {
        pNew = CImageLoader::LoadImage(key, nullptr, pImage->dwMask, 0, 0, 0, pManager);
    }
    if (pNew == nullptr)
        return false;
    // Keep the record (callers may hold it) and give it the new pixels.
    pImage->scaled.Clear();
    pImage->hBitmap.Reset(pNew->hBitmap.Detach());
    pImage->nX = pNew->nX;
    pImage->nY = pNew->nY;
    pImage->bAlpha = pNew->bAlpha;
    std::free(pImage->pSrcBits);
    pImage->pSrcBits = nullptr;
    CImageLoader::FreeImage(pNew);
    return true;
}

void CPaintManagerUI::ReloadImageTable(CStdStringPtrMap& table, CPaintManagerUI* pManager)
{
    // Walk backwards: removing an entry only shifts the entries after it.
    for (int i = table.GetSize() - 1; i >= 0; --i)
    {
        CUIString sKey = table.GetAt(i);
        tagTImageInfo* pImage = static_cast<tagTImageInfo*>(table.Find(sKey, false));
        if (pImage == nullptr)
            continue;
        if (!ReloadImageRecord(sKey, pImage, pManager))
        {
            CImageLoader::FreeImage(pImage);
            table.Remove(sKey);
        }
    }
}

void CPaintManagerUI::ReloadImages()
{
    RemoveAllDrawInfos();
    ReloadImageTable(m_ResInfo.m_ImageHash, this);
    if (m_hWndPaint != nullptr)
        ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

void CPaintManagerUI::ReloadSharedImages()
{
    ReloadImageTable(m_SharedResInfo.m_ImageHash, nullptr);
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
    {
        CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages.GetAt(i));
        if (pManager != nullptr && pManager->m_hWndPaint != nullptr)
            ::InvalidateRect(pManager->m_hWndPaint, nullptr, FALSE);
    }
}

void CPaintManagerUI::ReloadSkin()
{
    ReloadSharedImages();
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
    {
        CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages.GetAt(i));
        if (pManager != nullptr)
            pManager->ReloadImages();
    }
}

// ---- parsed image descriptions ------------------------------------------------------------------

tagTDrawInfo* CPaintManagerUI::GetDrawInfo(const wchar_t* pStrImage, const wchar_t* pStrModify)
{
    CUIString sKey = CUIString(pStrImage) + pStrModify;
    tagTDrawInfo* pDrawInfo = static_cast<tagTDrawInfo*>(m_ResInfo.m_DrawInfoHash.Find(sKey));
    if (pDrawInfo != nullptr || sKey.IsEmpty())
        return pDrawInfo;
    pDrawInfo = new (std::nothrow) tagTDrawInfo;
    if (pDrawInfo == nullptr)
        return nullptr;
    pDrawInfo->Parse(pStrImage, pStrModify, this);
    if (!m_ResInfo.m_DrawInfoHash.Insert(sKey, pDrawInfo))
    {
        delete pDrawInfo;
        return nullptr;
    }
    return pDrawInfo;
}

void CPaintManagerUI::RemoveDrawInfo(const wchar_t* pStrImage, const wchar_t* pStrModify)
{
    CUIString sKey = CUIString(pStrImage) + pStrModify;
    tagTDrawInfo* pDrawInfo = static_cast<tagTDrawInfo*>(m_ResInfo.m_DrawInfoHash.Find(sKey, false));
    if (pDrawInfo == nullptr)
        return;
    delete pDrawInfo;
    m_ResInfo.m_DrawInfoHash.Remove(sKey);
}

void CPaintManagerUI::RemoveAllDrawInfos()
{
    DeleteAllValues<tagTDrawInfo>(m_ResInfo.m_DrawInfoHash);
}

// ---- fonts ------------------------------------------------------------------------------------

HFONT CPaintManagerUI::CreateSkinFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                                      bool bItalic, bool bBoldAddsWeight, BYTE quality)
{
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    if (pStrFontName != nullptr && *pStrFontName != L'\0')
    {
        wcsncpy(lf.lfFaceName, pStrFontName, LF_FACESIZE - 1);
        lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    }
    lf.lfCharSet = DEFAULT_CHARSET;
    // The size comes from the skin: a scaled INT_MIN has no negative counterpart.
    const int nHeight = GetDPIObj()->Scale(nSize);
    lf.lfHeight = nHeight == INT_MIN ? INT_MAX : -nHeight;
    if (bBold)
        lf.lfWeight = bBoldAddsWeight ? lf.lfWeight + FW_BOLD : FW_BOLD;
    if (bUnderline)
        lf.lfUnderline = TRUE;
    if (bItalic)
        lf.lfItalic = TRUE;
    if (quality != 0)
        lf.lfQuality = quality;
    return ::CreateFontIndirectW(&lf);
}

void CPaintManagerUI::MeasureFont(tagTFontInfo* pFontInfo)
{
    if (pFontInfo == nullptr || pFontInfo->hFont.IsNull())
        return;
    HDC hDC = GetPaintDC();
    if (hDC != nullptr)
    {
        CGdiSelection select(hDC, pFontInfo->hFont.Get());
        ::GetTextMetricsW(hDC, &pFontInfo->tm);
        return;
    }
    // Without a window yet, a screen-compatible memory DC measures the same font.
    CMemoryDC scratch;
    if (scratch.Get() == nullptr)
        return;
    CGdiSelection select(scratch.Get(), pFontInfo->hFont.Get());
    ::GetTextMetricsW(scratch.Get(), &pFontInfo->tm);
}

HFONT CPaintManagerUI::AddFont(int id, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                               bool bItalic, bool bShared)
{
    HFONT hFont = CreateSkinFont(pStrFontName, nSize, bBold, bUnderline, bItalic, false, 0);
    if (hFont == nullptr)
        return nullptr;
    tagTFontInfo* pFontInfo = new (std::nothrow) tagTFontInfo;
    if (pFontInfo == nullptr)
    {
        ::DeleteObject(hFont);
        return nullptr;
    }
    pFontInfo->id = id;
    pFontInfo->hFont.Reset(hFont);
    pFontInfo->sFontName = pStrFontName;
    pFontInfo->iSize = nSize;
    pFontInfo->bBold = bBold;
    pFontInfo->bUnderline = bUnderline;
    pFontInfo->bItalic = bItalic;
    if (GetPaintDC() != nullptr)
        MeasureFont(pFontInfo);

    CStdStringPtrMap& table = TableFor(bShared).m_CustomFonts;
    CUIString sKey = FontKey(id);
    tagTFontInfo* pOld = static_cast<tagTFontInfo*>(table.Set(sKey, pFontInfo));
    if (pOld != nullptr && pOld != pFontInfo)
        delete pOld;
    if (table.Find(sKey, false) != pFontInfo)
    {
        delete pFontInfo;
        return nullptr;
    }
    return hFont;
}

bool CPaintManagerUI::AddFontArray(const wchar_t* pstrPath)
{
    CByteBuffer data;
    if (CResourceReader::ReadImageOrFont(pstrPath, data) != CResourceReader::READ_OK)
        return false;
    CFontMemResource* pFont = new (std::nothrow) CFontMemResource(data.GetData(), data.GetSize());
    if (pFont == nullptr)
        return false;
    if (!pFont->IsValid() || !m_aFonts.Add(pFont))
    {
        delete pFont;
        return false;
    }
    return true;
}

void CPaintManagerUI::SetDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                                     bool bItalic, bool bShared)
{
    HFONT hFont = CreateSkinFont(pStrFontName, nSize, bBold, bUnderline, bItalic, true, 0);
    if (hFont == nullptr)
        return;
    tagTFontInfo& info = bShared ? m_SharedResInfo.m_DefaultFontInfo : m_ResInfo.m_DefaultFontInfo;
    info.id = -1;
    info.hFont.Reset(hFont);
    info.sFontName = pStrFontName;
    if (info.sFontName.IsEmpty())
    {
        // An empty face means the stock face; keep its name so the font counts as set.
        LOGFONTW lf = {};
        ::GetObjectW(hFont, sizeof(lf), &lf);
        info.sFontName = lf.lfFaceName;
    }
    info.iSize = nSize;
    info.bBold = bBold;
    info.bUnderline = bUnderline;
    info.bItalic = bItalic;
    info.bDefault = true;
    ::ZeroMemory(&info.tm, sizeof(info.tm));
    if (GetPaintDC() != nullptr)
        MeasureFont(&info);
}

tagTFontInfo* CPaintManagerUI::GetDefaultFontInfo()
{
    tagTFontInfo* pInfo = m_ResInfo.m_DefaultFontInfo.sFontName.IsEmpty() ? &m_SharedResInfo.m_DefaultFontInfo
                                                                          : &m_ResInfo.m_DefaultFontInfo;
    if (pInfo->tm.tmHeight == 0)
        MeasureFont(pInfo);
    return pInfo;
}

HFONT CPaintManagerUI::GetFont(int id)
{
    tagTFontInfo* pInfo = GetFontInfo(id);
    return pInfo != nullptr ? pInfo->hFont.Get() : nullptr;
}

tagTFontInfo* CPaintManagerUI::GetFontInfo(int id)
{
    if (id < 0)
        return GetDefaultFontInfo();
    CUIString sKey = FontKey(id);
    tagTFontInfo* pInfo = static_cast<tagTFontInfo*>(m_ResInfo.m_CustomFonts.Find(sKey));
    if (pInfo == nullptr)
        pInfo = static_cast<tagTFontInfo*>(m_SharedResInfo.m_CustomFonts.Find(sKey));
    if (pInfo == nullptr)
        return GetDefaultFontInfo();
    if (pInfo->tm.tmHeight == 0)
        MeasureFont(pInfo);
    return pInfo;
}

tagTFontInfo* CPaintManagerUI::GetFontInfo(HFONT hFont)
{
    if (hFont != nullptr)
    {
        tagTResInfo* tables[] = {&m_ResInfo, &m_SharedResInfo};
        for (tagTResInfo* pTable : tables)
        {
            for (int i = 0; i < pTable->m_CustomFonts.GetSize(); ++i)
            {
                tagTFontInfo* pInfo = static_cast<tagTFontInfo*>(
                    pTable->m_CustomFonts.Find(pTable->m_CustomFonts.GetAt(i), false));
                if (pInfo != nullptr && pInfo->hFont.Get() == hFont)
                {
                    if (pInfo->tm.tmHeight == 0)
                        MeasureFont(pInfo);
                    return pInfo;
                }
            }
        }
    }
    return GetDefaultFontInfo();
}

HFONT CPaintManagerUI::GetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                               bool bItalic)
{
    tagTFontInfo* pInfo = FindFont(m_ResInfo.m_CustomFonts, pStrFontName, nSize, bBold, bUnderline, bItalic);
    if (pInfo == nullptr)
        pInfo = FindFont(m_SharedResInfo.m_CustomFonts, pStrFontName, nSize, bBold, bUnderline, bItalic);
    return pInfo != nullptr ? pInfo->hFont.Get() : nullptr;
}

int CPaintManagerUI::GetFontIndex(HFONT hFont, bool bShared)
{
    CStdStringPtrMap& table = ChosenTable(bShared).m_CustomFonts;
    for (int i = 0; i < table.GetSize(); ++i)
    {
        tagTFontInfo* pInfo = static_cast<tagTFontInfo*>(table.Find(table.GetAt(i), false));
        if (pInfo != nullptr && hFont != nullptr && pInfo->hFont.Get() == hFont)
            return pInfo->id;
    }
    return -1;
}

int CPaintManagerUI::GetFontIndex(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline,
                                  bool bItalic, bool bShared)
{
    tagTFontInfo* pInfo = FindFont((bShared ? m_SharedResInfo : m_ResInfo).m_CustomFonts, pStrFontName, nSize,
                                   bBold, bUnderline, bItalic);
    return pInfo != nullptr ? pInfo->id : -1;
}

void CPaintManagerUI::RemoveFont(HFONT hFont, bool bShared)
{
    int id = GetFontIndex(hFont, bShared);
    if (id != -1)
        RemoveFont(id, bShared);
}

void CPaintManagerUI::RemoveFont(int id, bool bShared)
{
    CStdStringPtrMap& table = ChosenTable(bShared).m_CustomFonts;
    CUIString sKey = FontKey(id);
    tagTFontInfo* pInfo = static_cast<tagTFontInfo*>(table.Find(sKey, false));
    if (pInfo == nullptr)
        return;
    delete pInfo;
    table.Remove(sKey);
}

void CPaintManagerUI::RemoveAllFonts(bool bShared)
{
    DeleteAllValues<tagTFontInfo>(ChosenTable(bShared).m_CustomFonts);
}

void CPaintManagerUI::RebuildFont(tagTFontInfo* pFontInfo)
{
    if (pFontInfo == nullptr)
        return;
    HFONT hFont = CreateSkinFont(pFontInfo->sFontName, pFontInfo->iSize, pFontInfo->bBold,
                                 pFontInfo->bUnderline, pFontInfo->bItalic, true, CLEARTYPE_QUALITY);
    if (hFont == nullptr)
        return; // keep the old font rather than none
    pFontInfo->hFont.Reset(hFont);
    ::ZeroMemory(&pFontInfo->tm, sizeof(pFontInfo->tm));
    if (GetPaintDC() != nullptr)
        MeasureFont(pFontInfo);
}

void CPaintManagerUI::ResetDPIAssets()
{
    RemoveAllDrawInfos();
    FreeAllImages(m_ResInfo.m_ImageHash);
    tagTResInfo* tables[] = {&m_ResInfo, &m_SharedResInfo};
    for (tagTResInfo* pTable : tables)
    {
        for (int i = 0; i < pTable->m_CustomFonts.GetSize(); ++i)
            RebuildFont(static_cast<tagTFontInfo*>(
                pTable->m_CustomFonts.Find(pTable->m_CustomFonts.GetAt(i), false)));
        if (!pTable->m_DefaultFontInfo.hFont.IsNull())
            RebuildFont(&pTable->m_DefaultFontInfo);
    }
    // Rich edit fields copied their font into their text services: hand them the rebuilt one.
    ResetRichEditFonts();
}

// ---- styles and default attribute lists -------------------------------------------------------

void CPaintManagerUI::AddStyle(const wchar_t* pName, const wchar_t* pStyle, bool bShared)
{
    SetOwnedText(TableFor(bShared).m_StyleHash, pName, pStyle);
}

const wchar_t* CPaintManagerUI::GetStyle(const wchar_t* pName) const
{
    const wchar_t* pStyle = FindText(m_ResInfo.m_StyleHash, pName);
    return pStyle != nullptr ? pStyle : FindText(m_SharedResInfo.m_StyleHash, pName);
}

bool CPaintManagerUI::RemoveStyle(const wchar_t* pName, bool bShared)
{
    return RemoveText(ChosenTable(bShared).m_StyleHash, pName);
}

const CStdStringPtrMap& CPaintManagerUI::GetStyles(bool bShared) const
{
    return bShared ? m_SharedResInfo.m_StyleHash : m_ResInfo.m_StyleHash;
}

void CPaintManagerUI::RemoveAllStyle(bool bShared)
{
    DeleteAllValues<CUIString>(ChosenTable(bShared).m_StyleHash);
}

void CPaintManagerUI::AddDefaultAttributeList(const wchar_t* pStrControlName,
                                              const wchar_t* pStrControlAttrList, bool bShared)
{
    SetOwnedText(TableFor(bShared).m_AttrHash, pStrControlName, pStrControlAttrList);
}

const wchar_t* CPaintManagerUI::GetDefaultAttributeList(const wchar_t* pStrControlName) const
{
    const wchar_t* pList = FindText(m_ResInfo.m_AttrHash, pStrControlName);
    return pList != nullptr ? pList : FindText(m_SharedResInfo.m_AttrHash, pStrControlName);
}

bool CPaintManagerUI::RemoveDefaultAttributeList(const wchar_t* pStrControlName, bool bShared)
{
    return RemoveText(ChosenTable(bShared).m_AttrHash, pStrControlName);
}

void CPaintManagerUI::RemoveAllDefaultAttributeList(bool bShared)
{
    DeleteAllValues<CUIString>(ChosenTable(bShared).m_AttrHash);
}

// ---- default colours --------------------------------------------------------------------------

DWORD CPaintManagerUI::GetDefaultDisabledColor() const
{
    return m_ResInfo.m_dwDefaultDisabledColor;
}
DWORD CPaintManagerUI::GetDefaultFontColor() const
{
    return m_ResInfo.m_dwDefaultFontColor;
}
DWORD CPaintManagerUI::GetDefaultLinkFontColor() const
{
    return m_ResInfo.m_dwDefaultLinkFontColor;
}
DWORD CPaintManagerUI::GetDefaultLinkHoverFontColor() const
{
    return m_ResInfo.m_dwDefaultLinkHoverFontColor;
}
DWORD CPaintManagerUI::GetDefaultSelectedBkColor() const
{
    return m_ResInfo.m_dwDefaultSelectedBkColor;
}

void CPaintManagerUI::SetDefaultDisabledColor(DWORD dwColor, bool bShared)
{
    SetColor(&tagTResInfo::m_dwDefaultDisabledColor, m_ResInfo, m_SharedResInfo, dwColor, bShared);
}

void CPaintManagerUI::SetDefaultFontColor(DWORD dwColor, bool bShared)
{
    SetColor(&tagTResInfo::m_dwDefaultFontColor, m_ResInfo, m_SharedResInfo, dwColor, bShared);
}

void CPaintManagerUI::SetDefaultLinkFontColor(DWORD dwColor, bool bShared)
{
    SetColor(&tagTResInfo::m_dwDefaultLinkFontColor, m_ResInfo, m_SharedResInfo, dwColor, bShared);
}

void CPaintManagerUI::SetDefaultLinkHoverFontColor(DWORD dwColor, bool bShared)
{
    SetColor(&tagTResInfo::m_dwDefaultLinkHoverFontColor, m_ResInfo, m_SharedResInfo, dwColor, bShared);
}

void CPaintManagerUI::SetDefaultSelectedBkColor(DWORD dwColor, bool bShared)
{
    SetColor(&tagTResInfo::m_dwDefaultSelectedBkColor, m_ResInfo, m_SharedResInfo, dwColor, bShared);
}

} // namespace SkinUI
