// IMessageFilterUI: a control that wants the window's raw messages before the paint manager
// turns them into events (the rich edit field forwards them to its text services).
//
// Contract: bHandled set to true means the message was consumed and the returned value is the
// window procedure's result.
//
// Not done: registration lives with the paint manager's message handling.
#pragma once

#include <windows.h>

namespace SkinUI
{

class IMessageFilterUI
{
public:
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;

protected:
    ~IMessageFilterUI() {}
};

} // namespace SkinUI
