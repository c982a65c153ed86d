#include "installer/install/InstallSettings.h"

#include "engine/core/CModuleHandle.h"
#include "installer/net/TextConvert.h"

#include <windows.h>

namespace
{

constexpr size_t kPathCapacity = 260;

std::wstring SettingsFolder()
{
    wchar_t systemDir[kPathCapacity] = L"C";
    if (::GetSystemDirectoryW(systemDir, kPathCapacity) == 0)
    {
        systemDir[0] = L'C';
        systemDir[1] = L'\0';
    }
    const wchar_t drive[2] = {systemDir[0], L'\0'};
    wchar_t folder[kPathCapacity] = {};
    FormatWide(folder, kPathCapacity, L"%s:\\tolvane\\Zentrivo\\", drive);
    return folder;
}

void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value)
{
    const std::wstring file = GetSettingsFilePath();
    ::WritePrivateProfileStringW(section, key, value, file.c_str());
}

} // namespace

bool MakeSurePathExists(const wchar_t* folder)
{
    if (folder == nullptr || *folder == L'\0')
        return false;
    typedef BOOL(WINAPI * MakeSureFn)(PCSTR);
    // dbghelp is present on every supported system; imagehlp forwards to it on most.
    SkinUI::CModuleHandle library = SkinUI::CModuleHandle::LoadSystem(L"dbghelp.dll");
    if (library.IsNull())
        library = SkinUI::CModuleHandle::LoadSystem(L"imagehlp.dll");
    MakeSureFn makeSure = reinterpret_cast<MakeSureFn>(
        reinterpret_cast<void (*)()>(library.GetProc("MakeSureDirectoryPathExists")));
    if (makeSure == nullptr)
        return false;
    // The helper takes an ANSI path; a folder that does not survive the round trip through the
    // ANSI code page would create a different folder, so it is refused instead.
    char narrow[kPathCapacity * 2] = {};
    BOOL lossy = FALSE;
    if (::WideCharToMultiByte(CP_ACP, 0, folder, -1, narrow, sizeof(narrow), nullptr, &lossy) == 0 || lossy)
        return false;
    return makeSure(narrow) != FALSE;
}

std::wstring GetSettingsFilePath()
{
    const std::wstring folder = SettingsFolder();
    MakeSurePathExists(folder.c_str());
    wchar_t file[kPathCapacity] = {};
    FormatWide(file, kPathCapacity, L"%sConfigures.ini", folder.c_str());
    return file;
}

void WriteStartupSetting()
{
    WriteSetting(L"Platform", L"Platform", L"");
}

void WriteLanguageSetting()
{
    wchar_t value[16] = {};
    FormatWide(value, 16, L"%d", 1);
    WriteSetting(L"Language", L"LanguageType", value);
}
