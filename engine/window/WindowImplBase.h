// WindowImplBase: a skinned top-level window: no native caption or frame, the whole window is
// client area; dragging by the skin's caption rectangle, sizing by its size box, a maximised
// size from the work area, a round-cornered window region; the skin is built with
// CDialogBuilder when the window is created and the window's paint manager becomes its message
// handler, pre-message filter and notification source.
//
// Contract: HandleMessage gives a message to its typed handler (OnCreate ... OnMouseHover),
// then HandleCustomMessage, then the paint manager's MessageHandler, then the previous window
// procedure; the first that handles it supplies the result. The hit test reads the manager's
// size box (not while maximised) and caption rectangle (DPI-scaled; a bottom of -1 reaches the
// client bottom), and answers HTCAPTION only over controls whose class and every ancestor's
// class is one of the static ones (labels, layouts, containers). Return and Escape are not
// consumed unless ResponseDefaultKeyEvent says 0. Notifications go through this window's own
// message map (CNotifyPump). When the skin cannot be built, OnCreate reports it through the
// skin-failure seam: a message box and exit code 1 unless a test replaced it (then creation
// fails). The destructor cuts the native window off the object, so a window that outlives its
// object gets no more messages delivered to it.
//
// Not done: the skin's window attributes are applied by the builder, painting and input by the
// paint manager; no virtual forms or window buttons (CUIFrameWnd). UI thread only.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/manager/IMessageFilterUI.h"
#include "engine/manager/INotifyUI.h"
#include "engine/markup/IDialogBuilderCallback.h"
#include "engine/resources/IQueryControlText.h"
#include "engine/window/CNotifyPump.h"
#include "engine/window/CWindowWnd.h"

namespace SkinUI
{

class CControlUI;

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText
{
public:
    // Told that the skin named could not be built. The default shows "Loading resource failed :"
    // and ends the process with exit code 1; a replacement that returns makes creation fail.
    typedef void (*SkinLoadFailedHandler)(const wchar_t* pstrSkinXml);

    WindowImplBase();
    ~WindowImplBase() override;

    CPaintManagerUI& GetPaintManager() { return m_pm; }

    // Replaces the skin-failure report; returns the previous one. Null restores the default.
    static SkinLoadFailedHandler SetSkinLoadFailedHandler(SkinLoadFailedHandler pHandler);

    virtual void InitResource() {}
    virtual void __InitWindow() {}
    // True when the control and each ancestor up to the root are of the static classes.
    virtual bool IsInStaticControl(CControlUI* pControl);
    virtual CUIString GetSkinType() { return CUIString(); }
    virtual CUIString GetSkinXml() = 0;
    virtual const wchar_t* GetManagerName() { return nullptr; }
    // Return or Escape pressed; 0 consumes the key.
    virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);

    virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LONG GetStyle();

    // INotifyUI: pumps the notification through this window's message map.
    void Notify(tagTNotifyUI& msg) override;
    // IMessageFilterUI (pre-message filter): Return and Escape go to ResponseDefaultKeyEvent.
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    // IDialogBuilderCallback: no controls of its own.
    CControlUI* CreateControl(const wchar_t* pstrClass) override;
    // IQueryControlText: no texts of its own.
    const wchar_t* QueryControlText(const wchar_t* lpstrId, const wchar_t* lpstrType) override;

    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

protected:
    UINT GetClassStyle() const override;
    void OnFinalMessage(HWND hWnd) override;

    // The table part of HandleMessage: true when uMsg has a typed handler (bHandled then says
    // whether it took the message).
    bool DispatchTyped(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lRes);
    // The last two stages of the dispatch: the paint manager, then the previous procedure.
    LRESULT ManagerOrDefault(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Builds the skin into the manager; false when no root came out (already reported).
    bool BuildSkin();
    // Shows and hides the two named window buttons to match the maximised state.
    void ShowMaxRestoreButtons(bool bZoomed, const wchar_t* pstrMax, const wchar_t* pstrRestore);
    // The shared body of the two OnSysCommand versions.
    LRESULT SysCommandWithButtons(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled,
                                  const wchar_t* pstrMax, const wchar_t* pstrRestore);

    CPaintManagerUI m_pm;

private:
    static void ShowSkinLoadFailed(const wchar_t* pstrSkinXml);
    static SkinLoadFailedHandler s_pSkinLoadFailed;
};

} // namespace SkinUI
