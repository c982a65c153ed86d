#include "tests/installer/install/InstallTestSupport.h"

#include <tlhelp32.h>

#include <cstring>
#include <vector>

#ifndef ZENTRIVO_STANDIN_PRODUCT
#error "the stand-in product's path is given by the build"
#endif

std::string ProductHostPath()
{
    return ZENTRIVO_STANDIN_PRODUCT;
}

std::wstring ProductPath()
{
    // Wine shows the host's root as drive Z:.
    std::wstring path = L"Z:";
    for (const char c : ProductHostPath())
        path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return path;
}

bool MakeProductCopy(const std::wstring& path, const char* mode)
{
    if (!::CopyFileW(ProductPath().c_str(), path.c_str(), FALSE))
        return false;
    HANDLE file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const std::string marker = std::string("ZTVMODE:") + mode;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, marker.data(), static_cast<DWORD>(marker.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == marker.size();
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
    return !Exists(folder);
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string out;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        out.append(buffer, got);
    ::CloseHandle(file);
    return out;
}

void DeleteProductKey()
{
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\tolvane\\Zentrivo");
}

bool ReadPathValue(DWORD* type, std::string* bytes)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\tolvane\\Zentrivo", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG rc = ::RegQueryValueExW(key, L"Path", nullptr, type, nullptr, &size);
    std::vector<BYTE> data(size + 1);
    if (rc == ERROR_SUCCESS)
        rc = ::RegQueryValueExW(key, L"Path", nullptr, type, data.data(), &size);
    ::RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return false;
    bytes->assign(reinterpret_cast<const char*>(data.data()), size);
    return true;
}

// Wine's GetProcessHandleCount always answers 0, and asking for the system's handle list
// (NtQuerySystemInformation class 16) crashes Wine 8's server when another process is starting,
// taking every running test with it. So this process's own table is probed: Wine hands out the
// lowest free slot, multiples of 4, so a run of 2048 empty slots is past the last handle.
DWORD ProcessHandleCount()
{
    DWORD count = 0;
    DWORD misses = 0;
    for (ULONG_PTR value = 4; misses < 2048; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            misses = 0;
        } else {
            ++misses;
        }
    }
    return count;
}

// Running processes whose executable is named name (case-insensitive); ended first when asked.
int ProcessesNamed(const wchar_t* name, bool end)
{
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = ::Process32FirstW(snap, &entry); more; more = ::Process32NextW(snap, &entry))
    {
        if (_wcsicmp(entry.szExeFile, name) != 0)
            continue;
        ++count;
        HANDLE p = end ? ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID) : nullptr;
        if (p != nullptr)
        {
            ::TerminateProcess(p, 0);
            ::WaitForSingleObject(p, 5000);
            ::CloseHandle(p);
        }
    }
    ::CloseHandle(snap);
    return count;
}
