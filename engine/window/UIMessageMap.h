// Message maps: tables that send a window's string-typed notifications ("click", ...) to
// handler methods, declared with the UI_ macros below.
//
// Contract: a map is a function giving the base class's map (or null) and an entry array ended
// by an entry of signature UiSig_end. An entry matches a notification whose type equals its
// type exactly; among the matching entries of one array, one whose control name equals the
// sender's name is taken at once, otherwise the last matching entry with an empty control name.
// Signature UiSig_vn handlers take the notification record, UiSig_lwl handlers take its wParam
// and lParam. The handler is stored as a member of CNotifyPump: a class that inherits
// CUIFrmBase reaches it through CUIFrmBase (so the frame's CUIFrmBase part runs its map), any
// other class through its only CNotifyPump base.
//
// Not done: no other signatures; no registration at run time (the tables are static).
//
// Use:
//   class CMyWnd : public CUIFrameWnd { UI_DECLARE_MESSAGE_MAP() void OnOk(tagTNotifyUI&); };
//   UI_BEGIN_MESSAGE_MAP(CMyWnd, CUIFrameWnd)
//     UI_ON_CLICK_CTRNAME(L"btn_ok", CMyWnd::OnOk)
//   UI_END_MESSAGE_MAP()
#pragma once

#include <windows.h>

#include <type_traits>

#include "engine/core/CUIString.h"
#include "engine/manager/tagTNotifyUI.h"

namespace SkinUI
{

class CNotifyPump;
class CUIFrmBase;

enum UiSig : UINT
{
    UiSig_end = 0, // ends an entry array
    UiSig_lwl = 1, // void (wParam, lParam)
    UiSig_vn = 2   // void (tagTNotifyUI&)
};

typedef void (CNotifyPump::*UI_PMSG)(tagTNotifyUI& msg);
typedef void (CNotifyPump::*UI_PMSG_LWL)(WPARAM wParam, LPARAM lParam);

struct UI_MSGMAP_ENTRY
{
    CUIString sMsgType;
    CUIString sCtrlName; // empty: any control
    UINT nSig;
    UI_PMSG pfn;        // UiSig_vn
    UI_PMSG_LWL pfnLwl; // UiSig_lwl
};

struct UI_MSGMAP
{
    const UI_MSGMAP* (*pfnGetBaseMap)();
    const UI_MSGMAP_ENTRY* lpEntries;
};

namespace MessageMapDetail
{
// The CNotifyPump base a class's handlers are called through.
template <class T>
using PumpPath =
    typename std::conditional<std::is_base_of<CUIFrmBase, T>::value, CUIFrmBase, CNotifyPump>::type;

template <class T> UI_PMSG Handler(void (T::*pfn)(tagTNotifyUI&))
{
    return static_cast<UI_PMSG>(static_cast<void (PumpPath<T>::*)(tagTNotifyUI&)>(pfn));
}

template <class T> UI_PMSG_LWL HandlerLwl(void (T::*pfn)(WPARAM, LPARAM))
{
    return static_cast<UI_PMSG_LWL>(static_cast<void (PumpPath<T>::*)(WPARAM, LPARAM)>(pfn));
}
} // namespace MessageMapDetail

} // namespace SkinUI

// In the class body.
#define UI_DECLARE_MESSAGE_MAP()                                                                             \
private:                                                                                                     \
    static const ::SkinUI::UI_MSGMAP_ENTRY _messageEntries[];                                                \
                                                                                                             \
protected:                                                                                                   \
    static const ::SkinUI::UI_MSGMAP messageMap;                                                             \
    static const ::SkinUI::UI_MSGMAP* _GetBaseMessageMap();                                                  \
                                                                                                             \
public:                                                                                                      \
    const ::SkinUI::UI_MSGMAP* GetMessageMap() const override;                                               \
                                                                                                             \
private:

// In one source file. The base class must declare a map too (CNotifyPump and CUIFrmBase do).
#define UI_BEGIN_MESSAGE_MAP(theClass, baseClass)                                                            \
    const ::SkinUI::UI_MSGMAP* theClass::_GetBaseMessageMap()                                                \
    {                                                                                                        \
        return &baseClass::messageMap;                                                                       \
    }                                                                                                        \
    const ::SkinUI::UI_MSGMAP theClass::messageMap = {&theClass::_GetBaseMessageMap,                         \
                                                      &theClass::_messageEntries[0]};                        \
    const ::SkinUI::UI_MSGMAP* theClass::GetMessageMap() const                                               \
    {                                                                                                        \
        return &theClass::messageMap;                                                                        \
    }                                                                                                        \
    const ::SkinUI::UI_MSGMAP_ENTRY theClass::_messageEntries[] = {

#define UI_END_MESSAGE_MAP()                                                                                 \
    {                                                                                                        \
        L"", L"", ::SkinUI::UiSig_end, nullptr, nullptr                                                      \
    }                                                                                                        \
    }                                                                                                        \
    ;

// Any control's notification of this type; the handler takes the record.
#define UI_ON_MSGTYPE(msgtype, memberFxn)                                                                    \
    {msgtype, L"", ::SkinUI::UiSig_vn, ::SkinUI::MessageMapDetail::Handler(&memberFxn), nullptr},
// The named control's notification of this type.
#define UI_ON_MSGTYPE_CTRNAME(msgtype, ctrname, memberFxn)                                                   \
    {msgtype, ctrname, ::SkinUI::UiSig_vn, ::SkinUI::MessageMapDetail::Handler(&memberFxn), nullptr},
// The handler takes the notification's wParam and lParam.
#define UI_ON_MSGTYPE_LWL(msgtype, memberFxn)                                                                \
    {msgtype, L"", ::SkinUI::UiSig_lwl, nullptr, ::SkinUI::MessageMapDetail::HandlerLwl(&memberFxn)},
#define UI_ON_MSGTYPE_CTRNAME_LWL(msgtype, ctrname, memberFxn)                                               \
    {msgtype, ctrname, ::SkinUI::UiSig_lwl, nullptr, ::SkinUI::MessageMapDetail::HandlerLwl(&memberFxn)},

#define UI_ON_CLICK_CTRNAME(ctrname, memberFxn) UI_ON_MSGTYPE_CTRNAME(L"click", ctrname, memberFxn)
#define UI_ON_SELECTCHANGED_CTRNAME(ctrname, memberFxn)                                                      \
    UI_ON_MSGTYPE_CTRNAME(L"selectchanged", ctrname, memberFxn)
#define UI_ON_KILLFOCUS_CTRNAME(ctrname, memberFxn) UI_ON_MSGTYPE_CTRNAME(L"killfocus", ctrname, memberFxn)
#define UI_ON_TIMER(memberFxn) UI_ON_MSGTYPE(L"timer", memberFxn)
