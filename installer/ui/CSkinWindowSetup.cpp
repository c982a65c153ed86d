#include "installer/ui/CSkinWindowSetup.h"

#include "engine/markup/CDialogBuilder.h"

#include <cstring>
#include <cwchar>

using namespace SkinUI;

namespace
{

constexpr LONG kNoCaptionMask = static_cast<LONG>(0xFF3FFFFF);
constexpr int kZipResourceMode = 4;
constexpr int kIndexResourceMode = 3;

// Copies the archive resource; false (copy untouched) when there is none worth using.
bool CopyArchiveResource(UINT resId, std::unique_ptr<unsigned char[]>& copy, DWORD& size)
{
    const HINSTANCE module = CPaintManagerUI::GetResourceDll();
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(resId), L"ZIPRES");
    if (found == nullptr)
        return false;
    const HGLOBAL loaded = ::LoadResource(module, found);
    if (loaded == nullptr)
        return false;
    size = ::SizeofResource(module, found);
    const void* bytes = ::LockResource(loaded);
    if (size == 0 || bytes == nullptr)
        return false;
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size]);
    if (!buffer)
        return false;
    memcpy(buffer.get(), bytes, size);
    copy = std::move(buffer);
    return true;
}

} // namespace

CSkinWindowSetup::Result CSkinWindowSetup::Run(CUIFrameWnd& window, const CUIString& skinDir, UINT resId,
                                               int resMode, const CUIString& skinXml,
                                               std::unique_ptr<unsigned char[]>& archiveCopy,
                                               CControlUI*& root)
{
    root = nullptr;
    const HWND hWnd = window.GetHWND();
    const LONG style = static_cast<LONG>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    ::SetWindowLongPtrW(hWnd, GWL_STYLE, (style & kNoCaptionMask) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_FRAMECHANGED);

    CPaintManagerUI& pm = window.GetPaintManager();
    pm.Init(hWnd, nullptr);
    pm.AddPreMessageFilter(&window);

    if (CPaintManagerUI::GetResourcePath().IsEmpty())
    {
        CUIString path = CPaintManagerUI::GetInstancePath();
        path += skinDir;
        CPaintManagerUI::SetResourcePath(path.GetData());
    }

    if (resMode == kZipResourceMode)
    {
        DWORD size = 0;
        if (!CopyArchiveResource(resId, archiveCopy, size))
            return NoArchive;
        CPaintManagerUI::SetResourceZip(archiveCopy.get(), size, nullptr);
    }

    CDialogBuilder builder;
    if (resMode == kIndexResourceMode)
        root = builder.Create(STRINGorID(static_cast<UINT>(_wtoi(skinXml.GetData()))), L"xml", &window, &pm);
    else
        root = builder.Create(STRINGorID(skinXml.GetData()), L"", &window, &pm);
    return root != nullptr ? Built : BuildFailed;
}
