// Shared pieces of the control tests: the colours of the generated images, a listener that
// records notifications, and synthetic input events.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/manager/INotifyUI.h"

namespace SkinUI
{

// Inner and border colours (0x00RRGGBB) of the rows of btn_states.png and the columns of
// btn_strip.png: normal, hot, pushed, disabled.
const DWORD kInner[4] = {0xC80000, 0x00C800, 0x0000C8, 0x646464};
const DWORD kBorder[4] = {0x320000, 0x003200, 0x000032, 0x1E1E1E};
const DWORD kRed = 0xFF0000;
const DWORD kGreen = 0x00FF00;
const DWORD kBlue = 0x0000FF;
const DWORD kGrey = 0x808080;

// Records every notification as "type:name".
class CNotifyRecorder : public INotifyUI
{
public:
    explicit CNotifyRecorder(CPaintManagerUI& manager) : m_manager(manager) { m_manager.AddNotifier(this); }
    ~CNotifyRecorder() { m_manager.RemoveNotifier(this); }
    void Notify(tagTNotifyUI& msg) override
    {
        std::wstring s = msg.sType.GetData();
        if (msg.pSender != nullptr)
            s += L":" + std::wstring(msg.pSender->GetName().GetData());
        m_events.push_back(s);
    }
    int Count(const wchar_t* pType) const
    {
        int n = 0;
        for (const std::wstring& s : m_events)
            if (s.compare(0, wcslen(pType), pType) == 0 &&
                (s.size() == wcslen(pType) || s[wcslen(pType)] == L':'))
                ++n;
        return n;
    }
    std::vector<std::wstring> m_events;

private:
    CPaintManagerUI& m_manager;
};

inline void SendEvent(CControlUI* pControl, EventType type, int x = 0, int y = 0, wchar_t chKey = 0)
{
    tagTEventUI event = {};
    event.Type = type;
    event.pSender = pControl;
    event.ptMouse = POINT{x, y};
    event.chKey = chKey;
    event.dwTimestamp = ::GetTickCount();
    pControl->Event(event);
}

// A press and a release at two points.
inline void Click(CControlUI* pControl, POINT down, POINT up)
{
    SendEvent(pControl, EventType::ButtonDown, down.x, down.y);
    SendEvent(pControl, EventType::ButtonUp, up.x, up.y);
}

} // namespace SkinUI
