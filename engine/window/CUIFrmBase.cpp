#include "engine/window/CUIFrmBase.h"

namespace SkinUI
{

UI_BEGIN_MESSAGE_MAP(CUIFrmBase, CNotifyPump)
UI_ON_MSGTYPE(L"click", CUIFrmBase::OnNotifyClick)
UI_ON_MSGTYPE(L"rclick", CUIFrmBase::OnNotifyRClick)
UI_ON_MSGTYPE(L"dbclick", CUIFrmBase::OnNotifyDbClick)
UI_ON_MSGTYPE(L"menu", CUIFrmBase::OnNotifyMenu)
UI_ON_MSGTYPE(L"link", CUIFrmBase::OnNotifyLink)
UI_ON_MSGTYPE(L"timer", CUIFrmBase::OnNotifyTimer)
UI_ON_MSGTYPE(L"return", CUIFrmBase::OnNotifyReturn)
UI_ON_MSGTYPE(L"scroll", CUIFrmBase::OnNotifyScroll)
UI_ON_MSGTYPE(L"predropdown", CUIFrmBase::OnNotifyPreDropDown)
UI_ON_MSGTYPE(L"dropdown", CUIFrmBase::OnNotifyDropDown)
UI_ON_MSGTYPE(L"setfocus", CUIFrmBase::OnNotifySetFocus)
UI_ON_MSGTYPE(L"killfocus", CUIFrmBase::OnNotifyKillFocus)
UI_ON_MSGTYPE(L"itemclick", CUIFrmBase::OnNotifyItemClick)
UI_ON_MSGTYPE(L"itemrclick", CUIFrmBase::OnNotifyItemRClick)
UI_ON_MSGTYPE(L"tabselect", CUIFrmBase::OnNotifyTabSelect)
UI_ON_MSGTYPE(L"itemselect", CUIFrmBase::OnNotifyItemSelect)
UI_ON_MSGTYPE(L"itemexpand", CUIFrmBase::OnNotifyItemExpand)
UI_ON_MSGTYPE(L"windowinit", CUIFrmBase::OnNotifyWindowPrepare)
UI_ON_MSGTYPE(L"windowsize", CUIFrmBase::OnNotifyWindowSize)
UI_ON_MSGTYPE(L"buttondown", CUIFrmBase::OnNotifyButtonDown)
UI_ON_MSGTYPE(L"mouseenter", CUIFrmBase::OnNotifyMouseEnter)
UI_ON_MSGTYPE(L"mouseleave", CUIFrmBase::OnNotifyMouseLeave)
UI_ON_MSGTYPE(L"textchanged", CUIFrmBase::OnNotifyTextChanged)
UI_ON_MSGTYPE(L"headerclick", CUIFrmBase::OnNotifyHeaderClick)
UI_ON_MSGTYPE(L"itemdbclick", CUIFrmBase::OnNotifyItemDBClick)
UI_ON_MSGTYPE(L"showactivex", CUIFrmBase::OnNotifyShowActivex)
UI_ON_MSGTYPE(L"itemcollapse", CUIFrmBase::OnNotifyItemCollapse)
UI_ON_MSGTYPE(L"itemactivate", CUIFrmBase::OnNotifyItemActivate)
UI_ON_MSGTYPE(L"valuechanged", CUIFrmBase::OnNotifyValueChanged)
UI_ON_MSGTYPE(L"selectchanged", CUIFrmBase::OnNotifySelectChanged)
UI_ON_MSGTYPE(L"initcell", CUIFrmBase::OnNotifyInitCell)
UI_ON_MSGTYPE(L"drawitem", CUIFrmBase::OnNotifyDrawItem)
UI_ON_MSGTYPE(L"sortitem", CUIFrmBase::OnNotifySortItem)
UI_ON_MSGTYPE(L"startedit", CUIFrmBase::OnNotifyStartEdit)
UI_ON_MSGTYPE(L"endedit", CUIFrmBase::OnNotifyEndEdit)
UI_ON_MSGTYPE(L"deleteitem", CUIFrmBase::OnNotifyDeleteItem)
UI_ON_MSGTYPE(L"gridstartedit", CUIFrmBase::OnNotityGridStartEdit)
UI_ON_MSGTYPE(L"gridendedit", CUIFrmBase::OnNotityGridEndEdit)
UI_ON_MSGTYPE(L"gridstartselchange", CUIFrmBase::OnNotityGridStartSelChange)
UI_ON_MSGTYPE(L"gridendselchange", CUIFrmBase::OnNotityGridEndSelChange)
UI_ON_MSGTYPE(L"griddropdownlist", CUIFrmBase::OnNotityGridDropDownList)
UI_ON_MSGTYPE(L"gridgetdispinfo", CUIFrmBase::OnNotityGridGetDispInfo)
UI_ON_MSGTYPE(L"scinotify", CUIFrmBase::OnNotifySciNotify)
UI_END_MESSAGE_MAP()

void CUIFrmBase::Notify(tagTNotifyUI& msg)
{
    NotifyPump(msg);
}

void CUIFrmBase::OnNotifyClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyRClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyDbClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyMenu(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyLink(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyTimer(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyReturn(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyScroll(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyPreDropDown(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyDropDown(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifySetFocus(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyKillFocus(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemRClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyTabSelect(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemSelect(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemExpand(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyWindowPrepare(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyWindowSize(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyButtonDown(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyMouseEnter(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyMouseLeave(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyTextChanged(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyHeaderClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemDBClick(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyShowActivex(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemCollapse(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyItemActivate(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyValueChanged(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifySelectChanged(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyInitCell(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyDrawItem(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifySortItem(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyStartEdit(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyEndEdit(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifyDeleteItem(tagTNotifyUI&) {}
void CUIFrmBase::OnNotityGridStartEdit(tagTNotifyUI&) {}
void CUIFrmBase::OnNotityGridEndEdit(tagTNotifyUI&) {}
void CUIFrmBase::OnNotityGridStartSelChange(tagTNotifyUI&) {}
void CUIFrmBase::OnNotityGridEndSelChange(tagTNotifyUI&) {}
void CUIFrmBase::OnNotityGridDropDownList(tagTNotifyUI&) {}
void CUIFrmBase::OnNotityGridGetDispInfo(tagTNotifyUI&) {}
void CUIFrmBase::OnNotifySciNotify(tagTNotifyUI&) {}

bool CUIFrmBase::OnMenuCommand(const tagTMenuCmdUI*)
{
    return false;
}

bool CUIFrmBase::OnMenuUpdateCommandUI(tagTMenuCmdUI*)
{
    return false;
}

bool CUIFrmBase::OnCustomMessage(UINT, WPARAM, LPARAM)
{
    return false;
}

} // namespace SkinUI
