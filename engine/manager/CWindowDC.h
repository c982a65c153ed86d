// CWindowDC: owns a window's device context taken with GetDC and gives it back with ReleaseDC.
//
// Contract: Reset(hWnd) releases the DC it holds and takes the DC of the new window (none for
// null). The DC stays valid for the owner's life, as a class or own DC would.
//
// Not done: no BeginPaint/EndPaint pairing; that belongs to the paint handler.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CWindowDC
{
public:
    CWindowDC() : m_hWnd(nullptr), m_hDC(nullptr) {}
    ~CWindowDC() { Reset(nullptr); }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    void Reset(HWND hWnd)
    {
        if (m_hDC != nullptr)
            ::ReleaseDC(m_hWnd, m_hDC);
        m_hWnd = hWnd;
        m_hDC = hWnd != nullptr ? ::GetDC(hWnd) : nullptr;
    }
    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

} // namespace SkinUI
