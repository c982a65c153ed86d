// The control services of CPaintManagerUI: the attached tree and its name map, searching,
// invalidation, timers, focus and capture, notifications, option groups, the post-paint and
// mouse-leave lists, the delayed clean-up and ReapObjects.
#include "engine/manager/CPaintManagerUI.h"

#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/manager/CShadowUI.h"
#include "engine/manager/INotifyUI.h"

namespace SkinUI
{

namespace
{

struct tagTTimerInfo
{
    CControlUI* pSender;
    UINT nLocalID;
    HWND hWnd;
    UINT uWinTimer;
    bool bKilled;
};

// Holds a critical section for one scope.
class CQueueLock
{
public:
    explicit CQueueLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~CQueueLock() { ::LeaveCriticalSection(&m_cs); }
    CQueueLock(const CQueueLock&) = delete;
    CQueueLock& operator=(const CQueueLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

CControlUI* CALLBACK FindControlFromPoint(CControlUI* pThis, void* pData)
{
    const RECT& rc = pThis->GetPos();
    return ::PtInRect(&rc, *static_cast<const POINT*>(pData)) ? pThis : nullptr;
}

CControlUI* CALLBACK FindControlFromName(CControlUI* pThis, void* pData)
{
    return pThis->GetName().CompareNoCase(static_cast<const wchar_t*>(pData)) == 0 ? pThis : nullptr;
}

struct FindByClassData
{
    const wchar_t* pstrClass;
    int iIndex; // remaining matches to skip; -1 collects every match
    CStdPtrArray* pFound;
};

CControlUI* CALLBACK FindControlFromClass(CControlUI* pThis, void* pData)
{
    FindByClassData* pFind = static_cast<FindByClassData*>(pData);
    if (_wcsicmp(pThis->GetClass(), pFind->pstrClass) != 0)
        return nullptr;
    if (pFind->iIndex < 0)
    {
        pFind->pFound->Add(pThis);
        return nullptr;
    }
    return pFind->iIndex-- == 0 ? pThis : nullptr;
}

// An event record for the manager's own events (no key data).
tagTEventUI MakeEvent(EventType type, CControlUI* pSender, POINT ptMouse)
{
    tagTEventUI event = {};
    event.Type = type;
    event.pSender = pSender;
    event.ptMouse = ptMouse;
    event.dwTimestamp = ::GetTickCount();
    return event;
}

void RemoveAll(CStdPtrArray& list, void* p)
{
    for (int i = list.GetSize() - 1; i >= 0; --i)
        if (list[i] == p)
            list.Remove(i);
}

} // namespace

// ---- the tree ---------------------------------------------------------------------------------

bool CPaintManagerUI::AttachDialog(CControlUI* pControl)
{
    // A shadow shown by the skin gets its window now that the skinned window exists.
    GetShadow()->Create(this);
    SetFocus(nullptr);
    m_pEventKey = nullptr;
    m_pEventHover = nullptr;
    m_pEventClick = nullptr;
    if (m_pRoot != nullptr && m_pRoot != pControl)
    {
        // The old tree may be the one whose event is running: delete it at the next wake-up.
        m_aPostPaintControls.Empty();
        AddDelayedCleanup(m_pRoot);
    }
    m_pRoot = pControl;
    m_bFirstLayout = true;
    m_bUpdateNeeded = true;
    m_bFocusNeeded = true;
    return InitControls(pControl, nullptr);
}

bool CPaintManagerUI::InitControls(CControlUI* pControl, CControlUI* pParent)
{
    if (pControl == nullptr)
        return false;
    // A control removed and attached again before the wake-up lives on: the clean-up must
    // not delete it out of the tree.
    RemoveAll(m_aDelayedCleanup, pControl);
    pControl->SetManager(this, pParent != nullptr ? pParent : pControl->GetParent(), true);
    pControl->FindControl(FindControlFromNameHash, this, 0);
    return true;
}

CControlUI* CALLBACK CPaintManagerUI::FindControlFromNameHash(CControlUI* pThis, void* pData)
{
    CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(pData);
    const CUIString sName = pThis->GetName();
    if (!sName.IsEmpty())
    {
        // A later control of the same name replaces the earlier.
        pManager->m_mNameHash.Set(sName, pThis);
        const auto range = pManager->m_mNamesOf.equal_range(pThis);
        bool bKnown = false;
        for (auto it = range.first; it != range.second && !bKnown; ++it)
            bKnown = it->second == sName.GetData();
        if (!bKnown)
            pManager->m_mNamesOf.emplace(pThis, sName);
    }
    return nullptr; // visit every control
}

void CPaintManagerUI::AddDelayedCleanup(CControlUI* pControl)
{
    if (pControl == nullptr || m_aDelayedCleanup.Find(pControl) >= 0)
        return;
    pControl->SetManager(this, nullptr, false);
    m_aDelayedCleanup.Add(pControl);
    CQueueLock lock(m_lockNotify);
    PostAsyncWakeUp();
}

void CPaintManagerUI::PostAsyncWakeUp()
{
    if (m_bAsyncNotifyPosted || m_hWndPaint == nullptr)
        return;
    // Only a message that is really on its way counts as pending.
    m_bAsyncNotifyPosted = ::PostMessage(m_hWndPaint, WM_SKINUI_ASYNC, 0, 0) != FALSE;
}

void CPaintManagerUI::ReapObjects(CControlUI* pControl)
{
    if (pControl == nullptr)
        return;
    if (pControl == m_pEventKey)
        m_pEventKey = nullptr;
    if (pControl == m_pEventHover)
        m_pEventHover = nullptr;
    if (pControl == m_pEventClick)
        m_pEventClick = nullptr;
    if (pControl == m_pFocus)
        m_pFocus = nullptr;
    if (pControl == m_pLastFocus)
        m_pLastFocus = nullptr;
    if (pControl == m_pRoot)
        m_pRoot = nullptr;
    KillTimer(pControl);

    // Every name the control was entered under (a rename keeps the old entry), where the
    // entry is still this control.
    const auto range = m_mNamesOf.equal_range(pControl);
    for (auto it = range.first; it != range.second; ++it)
        if (m_mNameHash.Find(it->second, false) == pControl)
            m_mNameHash.Remove(it->second);
    m_mNamesOf.erase(range.first, range.second);

    RemoveAll(m_aPostPaintControls, pControl);
    RemoveAll(m_aNeedMouseLeaveNeeded, pControl);
    RemoveAll(m_aDelayedCleanup, pControl);
    RemoveAll(m_aFoundControls, pControl);
    if (m_mOptionGroup.GetSize() > 0)
    {
        // Keys first: removing from a group may delete the group and reorder the map.
        std::vector<CUIString> aGroups;
        for (int i = 0; i < m_mOptionGroup.GetSize(); ++i)
            if (const wchar_t* key = m_mOptionGroup.GetAt(i))
                aGroups.push_back(CUIString(key));
        for (const CUIString& key : aGroups)
            RemoveOptionGroup(key, pControl);
    }

    CQueueLock lock(m_lockNotify);
    for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i)
    {
        tagTNotifyUI* pMsg = static_cast<tagTNotifyUI*>(m_aAsyncNotify[i]);
        if (pMsg->pSender == pControl)
            pMsg->pSender = nullptr;
    }
}

void CPaintManagerUI::ReleaseFromTree(CControlUI* pControl)
{
    if (pControl == nullptr)
        return;
    if (pControl->GetRefCount() > 1)
    {
        if (CPaintManagerUI* pManager = pControl->GetManager())
            pControl->FindControl(ReapEachControl, pManager, 0);
        pControl->SetManager(nullptr, nullptr, false);
    }
    pControl->__ReleaseRef();
}

CControlUI* CALLBACK CPaintManagerUI::ReapEachControl(CControlUI* pThis, void* pData)
{
    static_cast<CPaintManagerUI*>(pData)->ReapObjects(pThis);
    return nullptr; // visit every control
}

void CPaintManagerUI::ReleaseDelayedCleanup()
{
    // Out of the list before the release: the control's destructor looks for itself there.
    while (m_aDelayedCleanup.GetSize() > 0)
    {
        CControlUI* pControl = static_cast<CControlUI*>(m_aDelayedCleanup[0]);
        m_aDelayedCleanup.Remove(0);
        ReleaseFromTree(pControl);
    }
}

void CPaintManagerUI::FreeControls()
{
    // Everything the tree might reach goes while the manager is still whole: the controls'
    // destructors call ReapObjects on it.
    ReleaseDelayedCleanup();
    {
        CQueueLock lock(m_lockNotify);
        for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i)
            delete static_cast<tagTNotifyUI*>(m_aAsyncNotify[i]);
        m_aAsyncNotify.Empty();
    }
    m_mNameHash.RemoveAll();
    m_mNamesOf.clear();
    if (m_pRoot != nullptr)
    {
        CControlUI* pRoot = m_pRoot;
        m_pRoot = nullptr;
        ReleaseFromTree(pRoot);
    }
    RemoveAllTimers();
    RemoveAllOptionGroups();
    m_aPostPaintControls.Empty();
    m_aNeedMouseLeaveNeeded.Empty();
    m_aNotifiers.Empty();
}

void CPaintManagerUI::ResetRichEditFonts()
{
    if (m_pRoot == nullptr)
        return;
    // A copy: the scratch list of FindSubControlsByClass is shared.
    const CStdPtrArray* pFound = FindSubControlsByClass(m_pRoot, L"RichEditUI");
    std::vector<CRichEditUI*> aFields;
    for (int i = 0; i < pFound->GetSize(); ++i)
        aFields.push_back(static_cast<CRichEditUI*>(pFound->GetAt(i)));
    for (CRichEditUI* pField : aFields)
        pField->SetFont(pField->GetFont());
}

// ---- finding ----------------------------------------------------------------------------------

CControlUI* CPaintManagerUI::FindControl(POINT pt) const
{
    if (m_pRoot == nullptr)
        return nullptr;
    return m_pRoot->FindControl(FindControlFromPoint, &pt, FindVisible | FindHitTest | FindTopFirst);
}

CControlUI* CPaintManagerUI::FindControl(const wchar_t* pstrName) const
{
    if (m_pRoot == nullptr || pstrName == nullptr)
        return nullptr;
    return static_cast<CControlUI*>(m_mNameHash.Find(pstrName));
}

CControlUI* CPaintManagerUI::FindSubControlByPoint(CControlUI* pParent, POINT pt) const
{
    if (pParent == nullptr)
        pParent = m_pRoot;
    if (pParent == nullptr)
        return nullptr;
    return pParent->FindControl(FindControlFromPoint, &pt, FindVisible | FindHitTest | FindTopFirst);
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* pParent, const wchar_t* pstrName) const
{
    if (pParent == nullptr)
        pParent = m_pRoot;
    if (pParent == nullptr || pstrName == nullptr)
        return nullptr;
    return pParent->FindControl(FindControlFromName, const_cast<wchar_t*>(pstrName), 0);
}

CControlUI* CPaintManagerUI::FindSubControlByClass(CControlUI* pParent, const wchar_t* pstrClass, int iIndex)
{
    if (pParent == nullptr)
        pParent = m_pRoot;
    if (pParent == nullptr || pstrClass == nullptr || iIndex < 0)
        return nullptr;
    FindByClassData data = {pstrClass, iIndex, nullptr};
    return pParent->FindControl(FindControlFromClass, &data, 0);
}

CStdPtrArray* CPaintManagerUI::FindSubControlsByClass(CControlUI* pParent, const wchar_t* pstrClass)
{
    m_aFoundControls.Empty();
    if (pParent == nullptr)
        pParent = m_pRoot;
    if (pParent == nullptr || pstrClass == nullptr)
        return &m_aFoundControls;
    FindByClassData data = {pstrClass, -1, &m_aFoundControls};
    pParent->FindControl(FindControlFromClass, &data, 0);
    return &m_aFoundControls;
}

// ---- invalidation -----------------------------------------------------------------------------

void CPaintManagerUI::Invalidate()
{
    if (m_hWndPaint == nullptr)
        return;
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    ::UnionRect(&m_rcLayeredUpdate, &m_rcLayeredUpdate, &rcClient);
    ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

void CPaintManagerUI::Invalidate(RECT& rcItem)
{
    if (rcItem.left < 0)
        rcItem.left = 0;
    if (rcItem.top < 0)
        rcItem.top = 0;
    if (rcItem.right < rcItem.left)
        rcItem.right = rcItem.left;
    if (rcItem.bottom < rcItem.top)
        rcItem.bottom = rcItem.top;
    // Without a window there is nothing to repaint (a null window would mean the desktop).
    if (m_hWndPaint == nullptr)
        return;
    ::UnionRect(&m_rcLayeredUpdate, &m_rcLayeredUpdate, &rcItem);
    ::InvalidateRect(m_hWndPaint, &rcItem, FALSE);
}

// ---- timers -----------------------------------------------------------------------------------

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse)
{
    if (pControl == nullptr)
        return false;
    for (int i = 0; i < m_aTimers.GetSize(); ++i)
    {
        tagTTimerInfo* pTimer = static_cast<tagTTimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint || pTimer->nLocalID != nTimerID)
            continue;
        if (!pTimer->bKilled)
            return false;
        if (::SetTimer(m_hWndPaint, pTimer->uWinTimer, uElapse, nullptr) == 0)
            return false;
        pTimer->bKilled = false;
        return true;
    }
    m_uTimerID = (m_uTimerID + 1) % 240;
    if (m_hWndPaint == nullptr || ::SetTimer(m_hWndPaint, m_uTimerID, uElapse, nullptr) == 0)
        return false;
    tagTTimerInfo* pTimer = new tagTTimerInfo{pControl, nTimerID, m_hWndPaint, m_uTimerID, false};
    if (!m_aTimers.Add(pTimer))
    {
        ::KillTimer(m_hWndPaint, pTimer->uWinTimer);
        delete pTimer;
        return false;
    }
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID)
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i)
    {
        tagTTimerInfo* pTimer = static_cast<tagTTimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint || pTimer->nLocalID != nTimerID ||
            pTimer->bKilled)
            continue;
        if (::IsWindow(m_hWndPaint))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        pTimer->bKilled = true;
        return true;
    }
    return false;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl)
{
    for (int i = m_aTimers.GetSize() - 1; i >= 0; --i)
    {
        tagTTimerInfo* pTimer = static_cast<tagTTimerInfo*>(m_aTimers[i]);
        if (pTimer->pSender != pControl || pTimer->hWnd != m_hWndPaint)
            continue;
        if (!pTimer->bKilled && ::IsWindow(pTimer->hWnd))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
        m_aTimers.Remove(i);
    }
}

void CPaintManagerUI::RemoveAllTimers()
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i)
    {
        tagTTimerInfo* pTimer = static_cast<tagTTimerInfo*>(m_aTimers[i]);
        if (!pTimer->bKilled && pTimer->hWnd != nullptr && ::IsWindow(pTimer->hWnd))
            ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
        delete pTimer;
    }
    m_aTimers.Empty();
}

bool CPaintManagerUI::FindTimer(UINT uWinTimer, CControlUI*& pControl, UINT& nLocalID) const
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i)
    {
        const tagTTimerInfo* pTimer = static_cast<const tagTTimerInfo*>(m_aTimers[i]);
        if (pTimer->hWnd == m_hWndPaint && pTimer->uWinTimer == uWinTimer && !pTimer->bKilled)
        {
            pControl = pTimer->pSender;
            nLocalID = pTimer->nLocalID;
            return true;
        }
    }
    return false;
}

// ---- focus and capture ------------------------------------------------------------------------

void CPaintManagerUI::KillCurrentFocus(CControlUI* pNewFocus)
{
    if (m_pFocus == nullptr)
        return;
    CControlUI* pOld = m_pFocus;
    tagTEventUI event = MakeEvent(EventType::KillFocus, pNewFocus, m_ptLastMousePos);
    pOld->Event(event);
    // The handler may have deleted the old focus (ReapObjects cleared m_pFocus then).
    if (m_pFocus == pOld)
    {
        SendNotify(pOld, L"killfocus");
        m_pLastFocus = m_pFocus;
        m_pFocus = nullptr;
    }
}

void CPaintManagerUI::SetFocus(CControlUI* pControl)
{
    if (m_hWndPaint != nullptr && ::GetFocus() != m_hWndPaint && pControl != m_pFocus)
        ::SetFocus(m_hWndPaint);
    if (pControl == m_pFocus)
        return;
    KillCurrentFocus(pControl);
    if (pControl == nullptr || pControl->GetManager() != this || !pControl->IsVisible() ||
        !pControl->IsEnabled())
        return;
    m_pFocus = pControl;
    tagTEventUI event = MakeEvent(EventType::SetFocus, pControl, m_ptLastMousePos);
    m_pFocus->Event(event);
    if (m_pFocus == pControl)
        SendNotify(m_pFocus, L"setfocus");
}

namespace
{

struct TabSearch
{
    CControlUI* pFocus; // start of the walk; null: the first tab stop
    CControlUI* pLast;  // the last tab stop met so far
    bool bForward;
    bool bNextIsIt;
};

CControlUI* CALLBACK FindControlFromTab(CControlUI* pThis, void* pData)
{
    TabSearch* pInfo = static_cast<TabSearch*>(pData);
    if (pInfo->pFocus == pThis)
    {
        if (pInfo->bForward)
            pInfo->bNextIsIt = true;
        return pInfo->bForward ? nullptr : pInfo->pLast;
    }
    if ((pThis->GetControlFlags() & FlagTabStop) == 0)
        return nullptr;
    pInfo->pLast = pThis;
    if (pInfo->bNextIsIt || pInfo->pFocus == nullptr)
        return pThis;
    return nullptr;
}

const UINT kTabFlags = FindVisible | FindEnabled | FindMeFirst;

} // namespace

void CPaintManagerUI::SetFocusNeeded(CControlUI* pControl)
{
    if (m_hWndPaint != nullptr)
        ::SetFocus(m_hWndPaint);
    if (pControl == nullptr)
        return;
    KillCurrentFocus(pControl);
    m_pFocus = nullptr;
    if (m_pRoot != nullptr)
    {
        TabSearch info = {pControl, nullptr, false, false};
        m_pFocus = m_pRoot->FindControl(FindControlFromTab, &info, kTabFlags);
        m_bFocusNeeded = true;
        m_pRoot->NeedUpdate();
    }
}

bool CPaintManagerUI::SetNextTabControl(bool bForward)
{
    if (m_bUpdateNeeded && bForward)
    {
        m_bFocusNeeded = true;
        Invalidate();
        return true;
    }
    if (m_pRoot == nullptr)
        return false;
    TabSearch info = {m_pFocus, nullptr, bForward, false};
    CControlUI* pControl = m_pRoot->FindControl(FindControlFromTab, &info, kTabFlags);
    if (pControl == nullptr)
    {
        if (bForward)
        {
            TabSearch first = {nullptr, nullptr, true, false};
            pControl = m_pRoot->FindControl(FindControlFromTab, &first, kTabFlags);
        }
        else
            pControl = info.pLast; // the walk went on to the end: the last tab stop
    }
    if (pControl != nullptr)
        SetFocus(pControl);
    m_bFocusNeeded = false;
    return true;
}

void CPaintManagerUI::SetCapture()
{
    if (m_hWndPaint != nullptr)
        ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseCapture()
{
    if (m_bMouseCapture)
        ::ReleaseCapture();
    m_bMouseCapture = false;
}

// ---- notifications ----------------------------------------------------------------------------

bool CPaintManagerUI::AddNotifier(INotifyUI* pNotifier)
{
    if (pNotifier == nullptr)
        return false;
    return m_aNotifiers.Add(pNotifier);
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* pNotifier)
{
    const int i = m_aNotifiers.Find(pNotifier);
    return i >= 0 && m_aNotifiers.Remove(i);
}

void CPaintManagerUI::SendNotify(CControlUI* pControl, const wchar_t* pstrMessage, WPARAM wParam,
                                 LPARAM lParam, bool bAsync)
{
    tagTNotifyUI Msg;
    Msg.pSender = pControl;
    Msg.sType = pstrMessage;
    Msg.wParam = wParam;
    Msg.lParam = lParam;
    SendNotify(Msg, bAsync);
}

void CPaintManagerUI::DeliverNotify(tagTNotifyUI& Msg)
{
    if (Msg.pSender != nullptr)
        Msg.pSender->OnNotify.Fire(&Msg);
    // A listener may add or remove listeners: walk by index against the live list.
    for (int i = 0; i < m_aNotifiers.GetSize(); ++i)
        static_cast<INotifyUI*>(m_aNotifiers[i])->Notify(Msg);
}

void CPaintManagerUI::SendNotify(tagTNotifyUI& Msg, bool bAsync)
{
    Msg.ptMouse = m_ptLastMousePos;
    Msg.dwTimestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && Msg.pSender != nullptr)
        Msg.sVirtualWnd = Msg.pSender->GetVirtualWnd();

    if (!bAsync)
    {
        DeliverNotify(Msg);
        return;
    }
    tagTNotifyUI* pMsg = new tagTNotifyUI;
    pMsg->sType = Msg.sType;
    pMsg->pSender = Msg.pSender;
    pMsg->wParam = Msg.wParam;
    pMsg->lParam = Msg.lParam;
    pMsg->ptMouse = Msg.ptMouse;
    pMsg->dwTimestamp = Msg.dwTimestamp;
    CQueueLock lock(m_lockNotify);
    if (!m_aAsyncNotify.Add(pMsg))
    {
        delete pMsg;
        return;
    }
    PostAsyncWakeUp();
}

void CPaintManagerUI::OnAsyncNotify()
{
    ReleaseDelayedCleanup();
    {
        CQueueLock lock(m_lockNotify);
        m_bAsyncNotifyPosted = false;
    }
    for (;;)
    {
        tagTNotifyUI* pMsg = nullptr;
        {
            CQueueLock lock(m_lockNotify);
            if (m_aAsyncNotify.IsEmpty())
                break;
            pMsg = static_cast<tagTNotifyUI*>(m_aAsyncNotify[0]);
            m_aAsyncNotify.Remove(0);
        }
        // Delivered outside the lock: a listener may queue more or delete controls.
        DeliverNotify(*pMsg);
        delete pMsg;
    }
}

// ---- option groups ----------------------------------------------------------------------------

bool CPaintManagerUI::AddOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl)
{
    if (pStrGroupName == nullptr || pControl == nullptr)
        return false;
    CStdPtrArray* aOptionGroup = static_cast<CStdPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
    if (aOptionGroup != nullptr)
    {
        if (aOptionGroup->Find(pControl) >= 0)
            return false;
        return aOptionGroup->Add(pControl);
    }
    aOptionGroup = new CStdPtrArray(6);
    if (!aOptionGroup->Add(pControl) || !m_mOptionGroup.Insert(pStrGroupName, aOptionGroup))
    {
        delete aOptionGroup;
        return false;
    }
    return true;
}

CStdPtrArray* CPaintManagerUI::GetOptionGroup(const wchar_t* pStrGroupName)
{
    if (pStrGroupName == nullptr)
        return nullptr;
    return static_cast<CStdPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
}

void CPaintManagerUI::RemoveOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl)
{
    CStdPtrArray* aOptionGroup = GetOptionGroup(pStrGroupName);
    if (aOptionGroup == nullptr)
        return;
    RemoveAll(*aOptionGroup, pControl);
    if (aOptionGroup->IsEmpty())
    {
        delete aOptionGroup;
        m_mOptionGroup.Remove(pStrGroupName);
    }
}

void CPaintManagerUI::RemoveAllOptionGroups()
{
    for (int i = 0; i < m_mOptionGroup.GetSize(); ++i)
    {
        if (const wchar_t* key = m_mOptionGroup.GetAt(i))
            delete static_cast<CStdPtrArray*>(m_mOptionGroup.Find(key, false));
    }
    m_mOptionGroup.RemoveAll();
}

// ---- post-paint and mouse-leave lists ---------------------------------------------------------

bool CPaintManagerUI::AddPostPaint(CControlUI* pControl)
{
    return pControl != nullptr && m_aPostPaintControls.Add(pControl);
}

bool CPaintManagerUI::RemovePostPaint(CControlUI* pControl)
{
    const int i = m_aPostPaintControls.Find(pControl);
    return i >= 0 && m_aPostPaintControls.Remove(i);
}

bool CPaintManagerUI::SetPostPaintIndex(CControlUI* pControl, int iIndex)
{
    const int iOld = m_aPostPaintControls.Find(pControl);
    if (iOld < 0 || iIndex < 0 || iIndex >= m_aPostPaintControls.GetSize())
        return false;
    m_aPostPaintControls.Remove(iOld);
    return m_aPostPaintControls.InsertAt(iIndex, pControl);
}

bool CPaintManagerUI::AddMouseLeaveNeeded(CControlUI* pControl)
{
    if (pControl == nullptr || m_aNeedMouseLeaveNeeded.Find(pControl) >= 0)
        return false;
    return m_aNeedMouseLeaveNeeded.Add(pControl);
}

bool CPaintManagerUI::RemoveMouseLeaveNeeded(CControlUI* pControl)
{
    const int i = m_aNeedMouseLeaveNeeded.Find(pControl);
    return i >= 0 && m_aNeedMouseLeaveNeeded.Remove(i);
}

} // namespace SkinUI
