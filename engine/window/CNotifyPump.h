// CNotifyPump: delivers a window's notifications to the handlers of its message map, first to
// a registered virtual window when the notification names one.
//
// Contract: NotifyPump tries the pump registered under the notification's virtual-window name
// (compared without regard to case) and, when that pump's map has no entry for it, this pump's
// own map. LoopDispatch walks the map chain from the most derived class to CNotifyPump's empty
// map and calls the first entry that matches (see UIMessageMap.h); it returns whether a handler
// ran. A handler may delete the window: nothing of this object is read after the call.
//
// Not done: does not own the virtual-window pumps it is given; no thread safety (UI thread).
#pragma once

#include "engine/core/CStdStringPtrMap.h"
#include "engine/window/UIMessageMap.h"

namespace SkinUI
{

class CNotifyPump
{
public:
    CNotifyPump();
    virtual ~CNotifyPump();
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;

    virtual const UI_MSGMAP* GetMessageMap() const;

    // False for an empty name, a null pump or a name already registered.
    bool AddVirtualWnd(const wchar_t* strName, CNotifyPump* pObject);
    // False when the name is not registered.
    bool RemoveVirtualWnd(const wchar_t* strName);
    void NotifyPump(tagTNotifyUI& msg);
    bool LoopDispatch(tagTNotifyUI& msg);

    // The entry of one array a notification goes to, or null (exposed for the frame's forms).
    static const UI_MSGMAP_ENTRY* FindEntry(const UI_MSGMAP_ENTRY* lpEntries, const tagTNotifyUI& msg);

protected:
    static const UI_MSGMAP messageMap;
    static const UI_MSGMAP* _GetBaseMessageMap();

private:
    static const UI_MSGMAP_ENTRY _messageEntries[];
    CStdStringPtrMap m_VirtualWndMap; // name -> CNotifyPump*, borrowed
};

} // namespace SkinUI
