// CGdiObject<T>: owns one GDI object (bitmap, font, pen, brush, region) and deletes it with
// DeleteObject when destroyed or reset.
//
// Contract: exactly one owner per object; moving hands the object over, copying is refused.
// Get() and the implicit conversion lend the handle without giving up ownership; Detach()
// gives it up. A borrowed handle is simply the raw T and is never deleted by its user.
//
// Not done: no selection tracking: deleting an object still selected into a DC is the
// caller's mistake to avoid (select the previous object back first).
#pragma once

#include <windows.h>

namespace SkinUI
{

template <class T> class CGdiObject
{
public:
    CGdiObject() : m_h(nullptr) {}
    explicit CGdiObject(T h) : m_h(h) {}
    ~CGdiObject() { Reset(); }

    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) : m_h(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other)
    {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }

    T Get() const { return m_h; }
    operator T() const { return m_h; }
    bool IsNull() const { return m_h == nullptr; }

    void Reset(T h = nullptr)
    {
        if (m_h != nullptr && m_h != h)
            ::DeleteObject(m_h);
        m_h = h;
    }
    T Detach()
    {
        T h = m_h;
        m_h = nullptr;
        return h;
    }

private:
    T m_h;
};

} // namespace SkinUI
