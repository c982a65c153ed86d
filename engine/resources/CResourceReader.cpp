#include "engine/resources/CResourceReader.h"

#include <cstring>
#include <memory>

#include "engine/core/CUIString.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CFileHandle.h"
#include "engine/resources/CZipArchive.h"

namespace SkinUI
{

bool CResourceReader::ToAnsiPassword(const wchar_t* pszPassword, CByteBuffer& out)
{
    out.Free();
    if (pszPassword == nullptr || *pszPassword == L'\0')
        return true;
    int n = ::WideCharToMultiByte(CP_ACP, 0, pszPassword, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1 || !out.Allocate(static_cast<DWORD>(n)))
        return false;
    ::WideCharToMultiByte(CP_ACP, 0, pszPassword, -1, reinterpret_cast<char*>(out.GetData()), n, nullptr,
                          nullptr);
    return true;
}

bool CResourceReader::IsFullyQualifiedPath(const wchar_t* pszPath)
{
    if (pszPath == nullptr)
        return false;
    auto isSeparator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    const wchar_t c = pszPath[0];
    if (((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) && pszPath[1] == L':')
        return isSeparator(pszPath[2]); // "C:name" is relative to drive C's current folder
    return isSeparator(pszPath[0]) && isSeparator(pszPath[1]) && pszPath[2] != L'\0';
}

CResourceReader::EReadResult CResourceReader::ReadModuleResource(STRINGorID name, const wchar_t* pszType,
                                                                 HINSTANCE hInst, CByteBuffer& out,
                                                                 DWORD dwMaxSize)
{
    out.Free();
    if (pszType == nullptr || name.m_lpstr == nullptr)
        return READ_OPEN_FAILED;
    HINSTANCE hModule = hInst != nullptr ? hInst : CPaintManagerUI::GetResourceDll();
    HRSRC hResource = ::FindResourceW(hModule, name.m_lpstr, pszType);
    if (hResource == nullptr)
        return READ_OPEN_FAILED;
    // Module resources are mapped with the module: nothing to free here.
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    if (hGlobal == nullptr)
        return READ_OPEN_FAILED;
    DWORD dwSize = ::SizeofResource(hModule, hResource);
    const void* pData = ::LockResource(hGlobal);
    if (pData == nullptr)
        return READ_OPEN_FAILED;
    if (dwSize == 0)
        return READ_EMPTY;
    if (dwSize > dwMaxSize)
        return READ_TOO_LARGE;
    if (!out.Allocate(dwSize))
        return READ_NO_MEMORY;
    std::memcpy(out.GetData(), pData, dwSize);
    return READ_OK;
}

CResourceReader::EReadResult CResourceReader::ReadFile(const wchar_t* pszPath, CByteBuffer& out,
                                                       DWORD dwMaxSize)
{
    out.Free();
    if (pszPath == nullptr || *pszPath == L'\0')
        return READ_OPEN_FAILED;
    if (!IsFullyQualifiedPath(pszPath))
        return READ_NOT_QUALIFIED;
    CFileHandle file(::CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return READ_OPEN_FAILED;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.Get(), &size))
        return READ_OPEN_FAILED;
    if (size.QuadPart == 0)
        return READ_EMPTY;
    if (size.QuadPart < 0 || size.QuadPart > static_cast<LONGLONG>(dwMaxSize))
        return READ_TOO_LARGE;
    DWORD dwSize = static_cast<DWORD>(size.QuadPart);
    if (!out.Allocate(dwSize))
        return READ_NO_MEMORY;
    DWORD dwRead = 0;
    if (!::ReadFile(file.Get(), out.GetData(), dwSize, &dwRead, nullptr) || dwRead != dwSize)
    {
        out.Free();
        return READ_SHORT;
    }
    return READ_OK;
}

CResourceReader::EReadResult CResourceReader::ReadFromArchive(const wchar_t* pszName, CByteBuffer& out,
                                                              DWORD dwMaxSize)
{
    out.Free();
    if (pszName == nullptr || *pszName == L'\0')
        return READ_NOT_IN_ARCHIVE;
    CZipArchive* pArchive = nullptr;
    std::unique_ptr<CZipArchive> pOwnArchive; // opened for this one read only
    if (CPaintManagerUI::IsCachedResourceZip())
    {
        pArchive = CPaintManagerUI::GetResourceZipHandle();
    }
    else
    {
        CByteBuffer password;
        if (!ToAnsiPassword(CPaintManagerUI::GetResourceZipPwd(), password))
            return READ_NO_ARCHIVE;
        pOwnArchive.reset(CZipArchive::OpenFile(
            CPaintManagerUI::GetResourceZipPath(),
            password.IsEmpty() ? nullptr : reinterpret_cast<const char*>(password.GetData())));
        pArchive = pOwnArchive.get();
    }
    if (pArchive == nullptr)
        return READ_NO_ARCHIVE;

    CUIString sMember = pszName;
    sMember.Replace(L"\\", L"/");
    tagTZipEntry entry;
    if (pArchive->FindItem(sMember, &entry) != CZipArchive::ZR_OK)
        return READ_NOT_IN_ARCHIVE;
    if (entry.dwUncompressedSize == 0)
        return READ_EMPTY;
    if (entry.dwUncompressedSize > dwMaxSize)
        return READ_TOO_LARGE;
    if (!out.Allocate(entry.dwUncompressedSize))
        return READ_NO_MEMORY;
    DWORD dwStatus = pArchive->UnzipItem(entry.index, out.GetData(), out.GetSize());
    if (!CZipArchive::IsUnzipSuccess(dwStatus))
    {
        out.Free();
        return READ_UNZIP_FAILED;
    }
    return READ_OK;
}

CResourceReader::EReadResult CResourceReader::ReadSkinResource(const wchar_t* pszName, CByteBuffer& out,
                                                               DWORD dwMaxSize)
{
    out.Free();
    if (pszName == nullptr || *pszName == L'\0')
        return READ_OPEN_FAILED;
    if (CPaintManagerUI::GetResourceZip().IsEmpty())
    {
        CUIString sPath = CPaintManagerUI::GetResourcePath() + pszName;
        return ReadFile(sPath, out, dwMaxSize);
    }
    return ReadFromArchive(pszName, out, dwMaxSize);
}

CResourceReader::EReadResult CResourceReader::ReadImageOrFont(const wchar_t* pszName, CByteBuffer& out,
                                                              DWORD dwMaxSize)
{
    EReadResult result = ReadSkinResource(pszName, out, dwMaxSize);
    if (result == READ_OK)
        return result;
    EReadResult plain = ReadFile(pszName, out, dwMaxSize);
    return plain == READ_OK ? plain : result;
}

} // namespace SkinUI
