// CControlFactory: the process-wide table from control class name ("CButtonUI") to the function
// that makes a new control of that class.
//
// Contract: made by the first GetInstance (thread-safe one-time initialisation), deleted by
// Release at engine shutdown; after Release the next GetInstance makes a fresh table. Names are
// stored lower-cased and looked up lower-cased, so any letter case finds a class. Registering a
// name that is already present keeps the first function. The constructor registers every
// control class this engine builds (see RegisterBuiltInControls).
//
// Not done: no unregistering; no locking after construction (registrations and lookups happen
// on the UI thread).
#pragma once

#include <map>

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CControlUI;

typedef CControlUI* (*CreateClass)();

class CControlFactory
{
public:
    static CControlFactory* GetInstance();
    void Release();

    // False when the name is empty, the function null or the name already registered.
    bool RegistControl(const wchar_t* pstrClassName, CreateClass pFunc);
    // A new control, or null for an unknown name.
    CControlUI* CreateControl(const wchar_t* pstrClassName) const;
    int GetCount() const { return static_cast<int>(m_mapControl.size()); }

private:
    CControlFactory();
    ~CControlFactory() = default;
    CControlFactory(const CControlFactory&) = delete;
    CControlFactory& operator=(const CControlFactory&) = delete;

    void RegisterBuiltInControls();
    static CUIString Key(const wchar_t* pstrClassName);

    struct LessText
    {
        bool operator()(const CUIString& a, const CUIString& b) const { return a.Compare(b) < 0; }
    };
    std::map<CUIString, CreateClass, LessText> m_mapControl;

    static CControlFactory* s_pInstance;
};

} // namespace SkinUI
