#include "engine/window/CNotifyPump.h"

#include "engine/controls/CControlUI.h"

namespace SkinUI
{

const UI_MSGMAP_ENTRY CNotifyPump::_messageEntries[] = {{L"", L"", UiSig_end, nullptr, nullptr}};
const UI_MSGMAP CNotifyPump::messageMap = {&CNotifyPump::_GetBaseMessageMap,
                                           &CNotifyPump::_messageEntries[0]};

const UI_MSGMAP* CNotifyPump::_GetBaseMessageMap()
{
    return nullptr;
}

const UI_MSGMAP* CNotifyPump::GetMessageMap() const
{
    return &CNotifyPump::messageMap;
}

CNotifyPump::CNotifyPump() : m_VirtualWndMap(83) {}

CNotifyPump::~CNotifyPump() = default;

bool CNotifyPump::AddVirtualWnd(const wchar_t* strName, CNotifyPump* pObject)
{
    if (strName == nullptr || *strName == L'\0' || pObject == nullptr)
        return false;
    if (m_VirtualWndMap.Find(strName) != nullptr)
        return false;
    return m_VirtualWndMap.Insert(strName, pObject);
}

bool CNotifyPump::RemoveVirtualWnd(const wchar_t* strName)
{
    if (strName == nullptr || m_VirtualWndMap.Find(strName) == nullptr)
        return false;
    return m_VirtualWndMap.Remove(strName);
}

void CNotifyPump::NotifyPump(tagTNotifyUI& msg)
{
    if (!msg.sVirtualWnd.IsEmpty())
    {
        for (int i = 0; i < m_VirtualWndMap.GetSize(); ++i)
        {
            const wchar_t* key = m_VirtualWndMap.GetAt(i);
            if (key == nullptr || msg.sVirtualWnd.CompareNoCase(key) != 0)
                continue;
            auto* pObject = static_cast<CNotifyPump*>(m_VirtualWndMap.Find(key, false));
            if (pObject != nullptr && pObject->LoopDispatch(msg))
                return;
        }
    }
    LoopDispatch(msg);
}

const UI_MSGMAP_ENTRY* CNotifyPump::FindEntry(const UI_MSGMAP_ENTRY* lpEntries, const tagTNotifyUI& msg)
{
    if (lpEntries == nullptr)
        return nullptr;
    const CUIString sSender = msg.pSender != nullptr ? msg.pSender->GetName() : CUIString();
    const UI_MSGMAP_ENTRY* pAnyControl = nullptr;
    for (const UI_MSGMAP_ENTRY* p = lpEntries; p->nSig != UiSig_end; ++p)
    {
        if (p->sMsgType != msg.sType.GetData())
            continue;
        if (p->sCtrlName.IsEmpty())
            pAnyControl = p; // the last one wins
        else if (msg.pSender != nullptr && p->sCtrlName == sSender.GetData())
            return p;
    }
    return pAnyControl;
}

bool CNotifyPump::LoopDispatch(tagTNotifyUI& msg)
{
    for (const UI_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        const UI_MSGMAP_ENTRY* pEntry = FindEntry(pMap->lpEntries, msg);
        if (pEntry == nullptr)
            continue;
        switch (pEntry->nSig)
        {
        case UiSig_vn:
            if (pEntry->pfn == nullptr)
                return false;
            (this->*(pEntry->pfn))(msg);
            return true;
        case UiSig_lwl:
            if (pEntry->pfnLwl == nullptr)
                return false;
            (this->*(pEntry->pfnLwl))(msg.wParam, msg.lParam);
            return true;
        default:
            return false;
        }
    }
    return false;
}

} // namespace SkinUI
