// CEventSource: a list of subscribers (a function and its context) that a control calls for
// one kind of occasion (initialisation, destruction, size, event, notification, paint).
//
// Contract: Fire calls the subscribers in order of subscription and stops at, and returns
// false for, the first that returns false; true when all agree (or there are none). A
// subscriber may unsubscribe itself or others while being called. Subscribing the same pair
// twice keeps one entry.
//
// Not done: owns nothing the contexts point at; not thread safe.
#pragma once

#include <cstddef>
#include <vector>

namespace SkinUI
{

class CEventSource
{
public:
    typedef bool (*Handler)(void* pContext, void* pParam);

    void Add(Handler fn, void* pContext);
    bool Remove(Handler fn, void* pContext);
    void Clear() { m_aSubscribers.clear(); }
    bool IsEmpty() const { return m_aSubscribers.empty(); }
    bool Fire(void* pParam);

private:
    struct Subscriber
    {
        Handler fn;
        void* pContext;
    };
    std::vector<Subscriber> m_aSubscribers;
};

} // namespace SkinUI
