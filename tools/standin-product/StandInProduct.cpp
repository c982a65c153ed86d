// Stand-in for the product's online installer, for the installer's tests and demonstrations.
//
// Accepts the silent-install command line "/VERYSILENT /SP- /NORESTART /DIR="<folder>"" and,
// like the real one, creates <folder> with an "AppRun.exe" (a copy of itself) and the registry
// key HKLM "Software\tolvane\Zentrivo". It also leaves the command line it was given, as UTF-8,
// in <folder>\commandline.txt, so a test can check exactly what it received. The folder is the
// raw text between /DIR=" and the next quotation mark, as an installer parses it (a folder
// ending in a backslash keeps it).
//
// Its behaviour comes from a marker appended to the file itself ("ZTVMODE:<mode>" in the last
// bytes, which the loader ignores), so the service stand-in picks it by what it serves:
//   normal  - installs and exits 0 (also without a marker)
//   slow    - installs, then keeps running for ten minutes
//   failing - exits 3 at once without installing anything
//   hanging - writes 64 KiB to its standard output first, which blocks on a pipe nobody reads
//             and never installs
// A command line without the four parameters exits 2 and does nothing. Started as the installed
// product (a file named AppRun.exe), it leaves "apprun-started.txt" next to itself with its
// command line and working folder, so a test sees the product was started, and exits 0. It shows
// no window.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>

namespace
{

enum class Mode
{
    Normal,
    Slow,
    Failing,
    Hanging,
};

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return (n == 0 || n >= MAX_PATH) ? std::wstring() : std::wstring(path, n);
}

Mode ReadMode(const std::wstring& self)
{
    HANDLE file = CreateFileW(self.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Mode::Normal;
    char tail[64] = {};
    DWORD got = 0;
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > static_cast<LONGLONG>(sizeof(tail)))
    {
        LARGE_INTEGER at;
        at.QuadPart = size.QuadPart - static_cast<LONGLONG>(sizeof(tail));
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        ReadFile(file, tail, sizeof(tail), &got, nullptr);
    }
    CloseHandle(file);
    const std::string text(tail, got);
    const size_t mark = text.rfind("ZTVMODE:");
    if (mark == std::string::npos)
        return Mode::Normal;
    const std::string mode = text.substr(mark + 8);
    if (mode.compare(0, 4, "slow") == 0)
        return Mode::Slow;
    if (mode.compare(0, 7, "failing") == 0)
        return Mode::Failing;
    if (mode.compare(0, 7, "hanging") == 0)
        return Mode::Hanging;
    return Mode::Normal;
}

bool HasWord(const std::wstring& line, const wchar_t* word)
{
    const size_t n = wcslen(word);
    for (size_t at = line.find(word); at != std::wstring::npos; at = line.find(word, at + 1))
    {
        const bool startOk = at == 0 || line[at - 1] == L' ';
        const bool endOk = at + n == line.size() || line[at + n] == L' ';
        if (startOk && endOk)
            return true;
    }
    return false;
}

bool ParseFolder(const std::wstring& line, std::wstring* folder)
{
    const size_t at = line.find(L"/DIR=\"");
    if (at == std::wstring::npos)
        return false;
    const size_t start = at + 6;
    const size_t end = line.find(L'"', start);
    if (end == std::wstring::npos || end == start)
        return false;
    *folder = line.substr(start, end - start);
    return true;
}

bool MakeFolders(const std::wstring& folder)
{
    for (size_t i = 3; i <= folder.size(); ++i)
    {
        if (i == folder.size() || folder[i] == L'\\')
        {
            const std::wstring level = folder.substr(0, i);
            if (!CreateDirectoryW(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
                return false;
        }
    }
    return true;
}

void WriteUtf8(const std::wstring& path, const std::wstring& text)
{
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], bytes, nullptr,
                            nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
}

void Say(const char* text)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        WriteFile(out, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
}

int Install(const std::wstring& self, const std::wstring& line, const std::wstring& folder)
{
    if (!MakeFolders(folder))
        return 4;
    std::wstring base = folder;
    if (base.empty() || base.back() != L'\\')
        base += L'\\';
    WriteUtf8(base + L"commandline.txt", line);
    CopyFileW(self.c_str(), (base + L"AppRun.exe").c_str(), FALSE);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\tolvane\\Zentrivo", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
    Say("Zentrivo installed\r\n");
    return 0;
}

} // namespace

// The installed product's own start: records how it was started.
bool StartedAsProduct(const std::wstring& self, const std::wstring& line)
{
    const size_t slash = self.find_last_of(L'\\');
    const std::wstring name = slash == std::wstring::npos ? self : self.substr(slash + 1);
    if (_wcsicmp(name.c_str(), L"AppRun.exe") != 0)
        return false;
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    WriteUtf8(self.substr(0, slash + 1) + L"apprun-started.txt", line + L"\r\n" + cwd);
    return true;
}

int main()
{
    const std::wstring line = GetCommandLineW();
    const std::wstring self = OwnPath();
    if (StartedAsProduct(self, line))
        return 0;
    std::wstring folder;
    if (!HasWord(line, L"/VERYSILENT") || !HasWord(line, L"/SP-") || !HasWord(line, L"/NORESTART") ||
        !ParseFolder(line, &folder))
        return 2;
    switch (ReadMode(self))
    {
    case Mode::Failing:
        return 3;
    case Mode::Hanging:
    {
        const std::string noise(1024, '.');
        for (int i = 0; i < 64; ++i)
            Say(noise.c_str()); // blocks once the pipe is full
        Sleep(INFINITE);
        return 0;
    }
    case Mode::Slow:
    {
        const int rc = Install(self, line, folder);
        Sleep(600000);
        return rc;
    }
    case Mode::Normal:
        break;
    }
    return Install(self, line, folder);
}
