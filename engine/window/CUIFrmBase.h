// CUIFrmBase: the notification part of a frame (and of a virtual form): a message map with one
// entry per notification type of the engine, each calling an overridable handler that does
// nothing by default, plus the frame's hooks for custom and menu-command messages.
//
// Contract: Notify pumps the notification through the map chain (CNotifyPump); a derived class
// either overrides the typed handlers (OnNotifyClick ...) or declares its own map, whose
// entries win over these because the most derived map is searched first. The typed handlers
// are matched on the type alone (any sender).
//
// Not done: no window of its own; GetManager answers null unless a frame supplies one.
#pragma once

#include <windows.h>

#include "engine/window/CNotifyPump.h"
#include "engine/window/tagTMenuCmdUI.h"

namespace SkinUI
{

class CPaintManagerUI;

class CUIFrmBase : public CNotifyPump
{
public:
    CUIFrmBase() = default;
    ~CUIFrmBase() override = default;

    const UI_MSGMAP* GetMessageMap() const override;
    virtual CPaintManagerUI* GetManager() { return nullptr; }
    virtual void Notify(tagTNotifyUI& msg);

    virtual void OnNotifyClick(tagTNotifyUI& msg);
    virtual void OnNotifyRClick(tagTNotifyUI& msg);
    virtual void OnNotifyDbClick(tagTNotifyUI& msg);
    virtual void OnNotifyMenu(tagTNotifyUI& msg);
    virtual void OnNotifyLink(tagTNotifyUI& msg);
    virtual void OnNotifyTimer(tagTNotifyUI& msg);
    virtual void OnNotifyReturn(tagTNotifyUI& msg);
    virtual void OnNotifyScroll(tagTNotifyUI& msg);
    virtual void OnNotifyPreDropDown(tagTNotifyUI& msg);
    virtual void OnNotifyDropDown(tagTNotifyUI& msg);
    virtual void OnNotifySetFocus(tagTNotifyUI& msg);
    virtual void OnNotifyKillFocus(tagTNotifyUI& msg);
    virtual void OnNotifyItemClick(tagTNotifyUI& msg);
    virtual void OnNotifyItemRClick(tagTNotifyUI& msg);
    virtual void OnNotifyTabSelect(tagTNotifyUI& msg);
    virtual void OnNotifyItemSelect(tagTNotifyUI& msg);
    virtual void OnNotifyItemExpand(tagTNotifyUI& msg);
    virtual void OnNotifyWindowPrepare(tagTNotifyUI& msg);
    virtual void OnNotifyWindowSize(tagTNotifyUI& msg);
    virtual void OnNotifyButtonDown(tagTNotifyUI& msg);
    virtual void OnNotifyMouseEnter(tagTNotifyUI& msg);
    virtual void OnNotifyMouseLeave(tagTNotifyUI& msg);
    virtual void OnNotifyTextChanged(tagTNotifyUI& msg);
    virtual void OnNotifyHeaderClick(tagTNotifyUI& msg);
    virtual void OnNotifyItemDBClick(tagTNotifyUI& msg);
    virtual void OnNotifyShowActivex(tagTNotifyUI& msg);
    virtual void OnNotifyItemCollapse(tagTNotifyUI& msg);
    virtual void OnNotifyItemActivate(tagTNotifyUI& msg);
    virtual void OnNotifyValueChanged(tagTNotifyUI& msg);
    virtual void OnNotifySelectChanged(tagTNotifyUI& msg);
    virtual void OnNotifyInitCell(tagTNotifyUI& msg);
    virtual void OnNotifyDrawItem(tagTNotifyUI& msg);
    virtual void OnNotifySortItem(tagTNotifyUI& msg);
    virtual void OnNotifyStartEdit(tagTNotifyUI& msg);
    virtual void OnNotifyEndEdit(tagTNotifyUI& msg);
    virtual void OnNotifyDeleteItem(tagTNotifyUI& msg);
    virtual void OnNotityGridStartEdit(tagTNotifyUI& msg);
    virtual void OnNotityGridEndEdit(tagTNotifyUI& msg);
    virtual void OnNotityGridStartSelChange(tagTNotifyUI& msg);
    virtual void OnNotityGridEndSelChange(tagTNotifyUI& msg);
    virtual void OnNotityGridDropDownList(tagTNotifyUI& msg);
    virtual void OnNotityGridGetDispInfo(tagTNotifyUI& msg);
    virtual void OnNotifySciNotify(tagTNotifyUI& msg);

    virtual bool OnMenuCommand(const tagTMenuCmdUI* pMenuCmd);
    virtual bool OnMenuUpdateCommandUI(tagTMenuCmdUI* pMenuCmd);
    virtual bool OnCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

protected:
    static const UI_MSGMAP messageMap;
    static const UI_MSGMAP* _GetBaseMessageMap();

private:
    static const UI_MSGMAP_ENTRY _messageEntries[];
};

} // namespace SkinUI
