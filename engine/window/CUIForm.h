// CUIForm: a virtual form attached to a frame: a named part of the frame's controls with its
// own notification handlers and message map.
//
// Contract: the frame it is attached to initialises it before the frame's InitWindow, gives it
// every notification, custom message and menu command, activates or hides it on the
// "tabactiveform"/"tabnoactiveform" notifications sent by a control of the form's name, and
// deletes it when the native window ends.
//
// Not done: the installer has none; no controls or layout of its own.
#pragma once

#include "engine/core/CUIString.h"
#include "engine/window/CUIFrmBase.h"

namespace SkinUI
{

class CUIFrameWnd;

class CUIForm : public CUIFrmBase
{
public:
    explicit CUIForm(const wchar_t* pstrName = nullptr) : m_sName(pstrName) {}

    const CUIString& GetName() const { return m_sName; }
    CUIFrameWnd* GetFrame() const { return m_pFrame; }
    void SetFrame(CUIFrameWnd* pFrame) { m_pFrame = pFrame; }
    CPaintManagerUI* GetManager() override;

    virtual void InitForm() {}
    virtual void ActivateForm() {}
    virtual void HideForm() {}

private:
    CUIString m_sName;
    CUIFrameWnd* m_pFrame = nullptr;
};

} // namespace SkinUI
