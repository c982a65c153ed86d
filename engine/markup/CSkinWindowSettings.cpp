#include "engine/markup/CSkinWindowSettings.h"

#include <map>
#include <memory>
#include <new>

#include "engine/manager/CPaintManagerUI.h"

namespace SkinUI
{

namespace
{

struct Entry
{
    HWND hWnd = nullptr; // the window the record was made for
    std::unique_ptr<CSkinWindowSettings> pSettings;
};

std::map<const CPaintManagerUI*, Entry>& Table()
{
    static std::map<const CPaintManagerUI*, Entry> s_table;
    return s_table;
}

} // namespace

CSkinWindowSettings* CSkinWindowSettings::For(CPaintManagerUI* pManager)
{
    if (pManager == nullptr)
        return nullptr;
    try
    {
        Entry& entry = Table()[pManager];
        HWND hWnd = pManager->GetPaintWindow();
        if (entry.pSettings == nullptr || entry.hWnd != hWnd)
        {
            entry.pSettings.reset(new CSkinWindowSettings);
            entry.hWnd = hWnd;
        }
        return entry.pSettings.get();
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

const CSkinWindowSettings* CSkinWindowSettings::Find(const CPaintManagerUI* pManager)
{
    auto it = Table().find(pManager);
    if (it == Table().end() || it->second.hWnd != pManager->GetPaintWindow())
        return nullptr;
    return it->second.pSettings.get();
}

void CSkinWindowSettings::Forget(const CPaintManagerUI* pManager)
{
    Table().erase(pManager);
}

void CSkinWindowSettings::ForgetAll()
{
    Table().clear();
}

} // namespace SkinUI
