// CGdiObject<T>: owns one GDI object (HBITMAP, HFONT, HPEN, HBRUSH, HRGN, ...) and deletes it
// with DeleteObject when destroyed or reset. Move-only, so a handle has exactly one owner.
//
// Not done: does not deselect the object from a device context first; destroy the selection
// (CGdiSelection) before the owner. Borrowed handles (stock objects, objects owned by a
// resource table) must not be put in here; keep them as plain handles.
#pragma once

#include <windows.h>

namespace SkinUI {

template <class T>
class CGdiObject
{
public:
    CGdiObject() : m_h(NULL) {}
    explicit CGdiObject(T h) : m_h(h) {}
    CGdiObject(CGdiObject&& src) noexcept : m_h(src.Detach()) {}
    CGdiObject& operator=(CGdiObject&& src) noexcept
    {
        if (this != &src) Reset(src.Detach());
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { Reset(); }

    T Get() const { return m_h; }
    operator T() const { return m_h; }
    bool IsNull() const { return m_h == NULL; }

    // Deletes the current object and takes h.
    void Reset(T h = NULL)
    {
        if (m_h != NULL && m_h != h) ::DeleteObject(m_h);
        m_h = h;
    }
    // Gives up ownership without deleting.
    T Detach()
    {
        T h = m_h;
        m_h = NULL;
        return h;
    }

private:
    T m_h;
};

}  // namespace SkinUI
