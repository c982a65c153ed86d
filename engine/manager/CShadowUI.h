// CShadowUI: the soft drop shadow of one borderless skinned window, drawn in a separate
// transparent layered window ("UmbraShadowWnd") that sits behind the skinned window and follows
// it when it moves, is resized, shown, hidden, minimised or activated.
//
// Contract:
// - The shadow image is 32-bit per-pixel alpha, premultiplied, held in a bottom-up DIB section
//   that lives only for one Update. It is either computed from the window's outline (its window
//   region when it has one) with colour, darkness, sharpness, size and offset, or stretched as a
//   nine-patch with an empty centre from the image named by SetImage (image mode).
// - Setters refuse values outside their ranges (false, old value kept) and redraw a visible
//   shadow at once. Nothing is drawn while size is 0 (computed mode) or the image text is empty
//   (image mode), nor for an image that would be empty (no DIB is made then).
// - Create subclasses the skinned window with ParentProc; the previous procedure is restored when
//   the window is destroyed, or when this object dies first and nobody subclassed on top of it.
//   A window missing from the shadow map keeps working: its messages go to the procedure saved
//   with the window.
// - Creating twice, or a second shadow for a window that already has one, does nothing.
//
// What the paint manager must call (it owns one CShadowUI, GetShadow):
// - its constructor: CShadowUI::Initialize(program module);
// - AttachDialog: GetShadow()->Create(this) after Init gave it the window;
// - its first layout, right after the synchronous "windowinit": Update(paint window).
//
// Not done: no drawing of its own outside Update; no thread safety (UI thread only: the shadow
// map and the class flag are process-wide and unlocked). Layered-window alpha is what the DIB
// holds; how a display composes it is the platform's business.
#pragma once

#include <windows.h>
#include <map>
#include <vector>
#include "engine/core/CUIString.h"

namespace SkinUI
{

class CPaintManagerUI;

class CShadowUI
{
    friend class CPaintManagerUI;

public:
    CShadowUI();
    virtual ~CShadowUI();
    CShadowUI(const CShadowUI&) = delete;
    CShadowUI& operator=(const CShadowUI&) = delete;

    // Registers the shadow window class once per process; false when already done or refused.
    static bool Initialize(HINSTANCE hInstance);

    void Create(CPaintManagerUI* pPaintManager);

    void ShowShadow(bool bShow);
    bool IsShowShadow() const { return m_bIsShowShadow; }
    void DisableShadow(bool bDisable);
    bool IsDisableShadow() const { return m_bIsDisableShadow; }

    bool SetSize(int NewSize);                        // -35..35
    bool SetSharpness(unsigned int NewSharpness);     // 0..35
    bool SetDarkness(unsigned int NewDarkness);       // 0..255
    bool SetPosition(int NewXOffset, int NewYOffset); // each -35..35
    bool SetColor(COLORREF NewColor);                 // 0x00RRGGBB
    bool SetImage(const wchar_t* szImage);            // switches to image mode; null refused
    bool SetShadowCorner(RECT rcCorner);              // nine-patch insets, none negative
    bool CopyShadow(CShadowUI* pShadow);

    int GetSize() const { return m_nSize; }
    unsigned int GetSharpness() const { return m_nSharpness; }
    unsigned int GetDarkness() const { return m_nDarkness; }
    int GetXOffset() const { return m_nxOffset; }
    int GetYOffset() const { return m_nyOffset; }
    COLORREF GetColor() const { return m_Color; }
    const wchar_t* GetImage() const { return m_sShadowImage.GetData(); }
    RECT GetShadowCorner() const { return m_rcShadowCorner; }
    bool IsImageMode() const { return m_bIsImageMode; }
    HWND GetShadowWindow() const { return m_hWnd; }

    // The pixels last handed to the layered window, kept only when asked (tests): memory lines
    // as the DIB holds them, cx × cy, with the DIB's biHeight (positive: bottom-up). Asking
    // again forgets the kept image, so a test can tell whether the next update drew.
    struct TLastImage
    {
        std::vector<DWORD> pixels;
        int cx = 0;
        int cy = 0;
        LONG biHeight = 0;
    };
    void KeepLastImage(bool bKeep)
    {
        m_bKeepLastImage = bKeep;
        m_LastImage = TLastImage();
    }
    const TLastImage& GetLastImage() const { return m_LastImage; }

protected:
    enum ShadowStatus
    {
        SS_ENABLED = 1,
        SS_VISABLE = 1 << 1,
        SS_PARENTVISIBLE = 1 << 2
    };

    static std::map<HWND, CShadowUI*>& GetShadowMap();
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    void Update(HWND hParent);
    void MakeShadow(UINT32* pShadBits, HWND hParent, RECT* rcParent);
    static void PreMultiply(COLORREF& cl, unsigned char nAlpha);

private:
    BYTE StatusFromStyle() const;
    void MoveShadow(HWND hParent);
    void ShowShadowWindow();
    void UpdateIfShown(); // a setter's new value is drawn at once on a visible shadow
    void Unsubclass();

    CPaintManagerUI* m_pManager;
    HWND m_hWnd;
    WNDPROC m_OriParentProc;
    BYTE m_Status;
    bool m_bIsImageMode;
    bool m_bIsShowShadow;
    bool m_bIsDisableShadow;
    unsigned char m_nDarkness;
    unsigned char m_nSharpness;
    signed char m_nSize;
    signed char m_nxOffset;
    signed char m_nyOffset;
    LPARAM m_WndSize;
    bool m_bUpdate;
    COLORREF m_Color;
    CUIString m_sShadowImage;
    RECT m_rcShadowCorner;

    HWND m_hParent; // the subclassed skinned window, kept for tear-down
    bool m_bKeepLastImage;
    TLastImage m_LastImage;

    static bool s_bHasInit;
    static HINSTANCE s_hInstance;
};

} // namespace SkinUI
