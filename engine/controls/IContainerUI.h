// IContainerUI: item access of a control that owns children (CContainerUI and its kin). The
// markup builder adds children through it.
//
// Contract: indices are 0-based; bad indices and strangers give null, -1 or false and change
// nothing. Whether a removed child is deleted is the implementation's rule (auto destroy).
//
// Not done: no ownership rules of its own; no search (CControlUI::FindControl).
#pragma once

namespace SkinUI
{

class CControlUI;

class IContainerUI
{
public:
    virtual CControlUI* GetItemAt(int iIndex) const = 0;
    virtual int GetItemIndex(CControlUI* pControl) const = 0;
    virtual bool SetItemIndex(CControlUI* pControl, int iIndex) = 0;
    virtual int GetCount() const = 0;
    virtual bool Add(CControlUI* pControl) = 0;
    virtual bool AddAt(CControlUI* pControl, int iIndex) = 0;
    virtual bool AddAt(CControlUI* pControl, CControlUI* pBeforeControl) = 0;
    virtual bool Remove(CControlUI* pControl, bool bDoNotDestroy = false) = 0;
    virtual bool RemoveAt(int iIndex, bool bDoNotDestroy = false) = 0;
    virtual void RemoveAll() = 0;

protected:
    ~IContainerUI() {}
};

} // namespace SkinUI
