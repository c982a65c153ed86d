#include "engine/controls/CEventSource.h"

namespace SkinUI
{

void CEventSource::Add(Handler fn, void* pContext)
{
    if (fn == nullptr)
        return;
    for (const Subscriber& s : m_aSubscribers)
        if (s.fn == fn && s.pContext == pContext)
            return;
    m_aSubscribers.push_back(Subscriber{fn, pContext});
}

bool CEventSource::Remove(Handler fn, void* pContext)
{
    for (size_t i = 0; i < m_aSubscribers.size(); ++i)
    {
        if (m_aSubscribers[i].fn == fn && m_aSubscribers[i].pContext == pContext)
        {
            m_aSubscribers.erase(m_aSubscribers.begin() + i);
            return true;
        }
    }
    return false;
}

bool CEventSource::Fire(void* pParam)
{
    // A subscriber may change the list while it runs: walk a copy, and skip entries that
    // were unsubscribed meanwhile so no stale context is called.
    const std::vector<Subscriber> subscribers = m_aSubscribers;
    for (const Subscriber& s : subscribers)
    {
        bool bStillSubscribed = false;
        for (const Subscriber& live : m_aSubscribers)
            bStillSubscribed = bStillSubscribed || (live.fn == s.fn && live.pContext == s.pContext);
        if (bStillSubscribed && !s.fn(s.pContext, pParam))
            return false;
    }
    return true;
}

} // namespace SkinUI
