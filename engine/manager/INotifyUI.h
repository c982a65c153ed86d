// INotifyUI: a listener of a window's notifications (the skinned window itself, usually),
// registered with CPaintManagerUI::AddNotifier.
//
// Contract: Notify runs on the window's thread, synchronously inside SendNotify or when the
// manager delivers its queue; it may change the control tree.
//
// Not done: no ownership; the manager only borrows its listeners.
#pragma once

#include "engine/manager/tagTNotifyUI.h"

namespace SkinUI
{

class INotifyUI
{
public:
    virtual void Notify(tagTNotifyUI& msg) = 0;

protected:
    ~INotifyUI() {}
};

} // namespace SkinUI
