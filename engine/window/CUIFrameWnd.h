// CUIFrameWnd: the skinned frame the installer's windows derive from: WindowImplBase plus the
// window buttons recognised by name, attached virtual forms, the single-instance wake-up and
// the menu-command messages; its notifications reach the CUIFrmBase message map.
//
// Contract: a "click" from "windowclosebtn" closes with result 2 (posted WM_CLOSE),
// "windowminbtn"/"windowmaxbtn"/"windowrestorebtn" send the matching system command;
// "windowinit" shows the max or the restore button to match the window. Then every attached
// form, and finally the frame's own CUIFrmBase map, get the notification. A message equal to
// the owning application's wake-up message shows, restores and activates the window. Forms are
// deleted when the native window ends. InitWindow runs once the skin is attached.
//
// Not done: menus (only the hooks), tabs of forms beyond activate/hide.
#pragma once

#include "engine/core/CStdPtrArray.h"
#include "engine/window/CUIFrmBase.h"
#include "engine/window/WindowImplBase.h"

namespace SkinUI
{

class CUIApplication;
class CUIForm;

class CUIFrameWnd : public WindowImplBase, public CUIFrmBase
{
    // An empty map over CUIFrmBase's: one final overrider of GetMessageMap for both CNotifyPump
    // parts, and the base a derived frame's map names.
    UI_DECLARE_MESSAGE_MAP()
public:
    CUIFrameWnd();
    ~CUIFrameWnd() override;

    // The frame's notifications and virtual windows live in its CUIFrmBase part.
    using CUIFrmBase::AddVirtualWnd;
    using CUIFrmBase::LoopDispatch;
    using CUIFrmBase::NotifyPump;
    using CUIFrmBase::RemoveVirtualWnd;

    CPaintManagerUI* GetManager() override { return &m_pm; }
    void Notify(tagTNotifyUI& msg) override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    void __InitWindow() override;
    virtual void InitWindow() {}
    virtual LRESULT HandleMenuCommandMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnRButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnRButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

    // The application whose wake-up message this window answers (set by CUIApplication::Run).
    void SetApplication(CUIApplication* pApp) { m_pApp = pApp; }
    CUIApplication* GetApplication() const { return m_pApp; }

    // Appended once; the frame becomes the form's frame. False for null or a known form.
    bool AttachVirtualForm(CUIForm* pForm);
    // False when the form is not attached. The caller owns it again.
    bool DetachVirtualForm(CUIForm* pForm);
    int GetVirtualFormCount() const { return m_aForms.GetSize(); }
    void ShowFullScreen();

protected:
    void OnFinalMessage(HWND hWnd) override;

private:
    void DeleteForms();

    CUIApplication* m_pApp = nullptr;
    CStdPtrArray m_aForms; // CUIForm*, owned
};

} // namespace SkinUI
