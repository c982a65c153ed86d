#include "installer/install/DownloadFolder.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

namespace
{

// SYSTEM and Administrators: full control; everyone: read and execute; all inherited by files
// and folders made inside. "P" keeps the parent's entries out.
const wchar_t kProtectedFolderSddl[] = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FRFX;;;WD)";

class CLocalMemory
{
public:
    explicit CLocalMemory(void* p = nullptr) : m_p(p) {}
    ~CLocalMemory()
    {
        if (m_p != nullptr)
            ::LocalFree(m_p);
    }
    CLocalMemory(const CLocalMemory&) = delete;
    CLocalMemory& operator=(const CLocalMemory&) = delete;
    void** Out() { return &m_p; }
    void* Get() const { return m_p; }

private:
    void* m_p;
};

} // namespace

bool PrepareDownloadFolder(const wchar_t* folder)
{
    if (folder == nullptr || *folder == L'\0')
        return false;
    CLocalMemory descriptor;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kProtectedFolderSddl, SDDL_REVISION_1,
                                                                descriptor.Out(), nullptr))
        return false;
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), descriptor.Get(), FALSE};
    if (!::CreateDirectoryW(folder, &attributes) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    const DWORD found = ::GetFileAttributesW(folder);
    if (found == INVALID_FILE_ATTRIBUTES || (found & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (found & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return false;
    // A folder that was already there gets the same list as a new one.
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    if (!::GetSecurityDescriptorDacl(descriptor.Get(), &present, &dacl, &defaulted) || !present)
        return false;
    return ::SetNamedSecurityInfoW(const_cast<wchar_t*>(folder), SE_FILE_OBJECT,
                                   DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                   nullptr, dacl, nullptr) == ERROR_SUCCESS;
}

std::wstring ReadDownloadFolderDacl(const wchar_t* folder)
{
    if (folder == nullptr)
        return std::wstring();
    PACL dacl = nullptr;
    CLocalMemory descriptor;
    if (::GetNamedSecurityInfoW(folder, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                nullptr, descriptor.Out()) != ERROR_SUCCESS)
        return std::wstring();
    CLocalMemory text;
    if (!::ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor.Get(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
            reinterpret_cast<wchar_t**>(text.Out()), nullptr))
        return std::wstring();
    return std::wstring(static_cast<const wchar_t*>(text.Get()));
}
