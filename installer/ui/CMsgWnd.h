// CMsgWnd: the installer's exit confirmation: a small modal skinned window ("MsgWnd.xml") that
// asks whether to quit the installation, always in Simplified Chinese.
//
// Contract: ShowExitConfirmation creates a new dialog owned by parent (title "msgwnd",
// WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW), centres it over its owner, runs it modally
// and answers 1 for btn_confirm and 0 for btn_cancel, the title bar's btn_Close, the system's
// close command (Alt+F4) or a dialog that could not be created. While it runs the owner is
// disabled; the owner is enabled again before the dialog's window is destroyed, so activation
// returns to it. Return and Escape close nothing. Showing it switches the process-wide
// language to Simplified Chinese. The object deletes itself when its window ends; it never
// outlives its window. A skin that cannot be built ends the process with exit code 1 without a
// message; a missing archive gives a dialog without controls that only the close command ends.
// It does not act on the answer (the main window does) and does not show the title or text it
// is given unless the skin has controls named "MessageTitle" / "MessageText".
#pragma once

#include "engine/window/CUIFrameWnd.h"

#include <memory>

class CMsgWnd : public SkinUI::CUIFrameWnd
{
public:
    CMsgWnd();
    ~CMsgWnd() override;

    // Each does nothing for an empty text.
    void SetMessageTitle(const wchar_t* title);
    void SetMessageText(const wchar_t* text);

    // Set by ShowExitConfirmation: told (set true) when the object deletes itself.
    void SetDeletedFlag(bool* deleted) { m_pDeleted = deleted; }

    const wchar_t* GetWndClassName() const override { return L"MsgWnd"; }
    void OnFinalMessage(HWND hWnd) override;
    SkinUI::CUIString GetSkinXml() override { return L"MsgWnd.xml"; }
    LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    void InitWindow() override;
    // Return and Escape are consumed: the focused button (the title bar's close button is the
    // first tab stop) would otherwise answer the question for the user.
    LRESULT ResponseDefaultKeyEvent(WPARAM wParam) override;
    virtual SkinUI::CUIString GetSkinDir() { return L""; }
    virtual UINT GetSkinResId() { return 130; }
    virtual int GetSkinResMode() { return 4; }

    void Notify(SkinUI::tagTNotifyUI& msg) override;

    UI_DECLARE_MESSAGE_MAP()

private:
    void SetNamedText(const wchar_t* controlName, const wchar_t* text);

    std::unique_ptr<unsigned char[]> m_pSkinZip; // own copy of the skin archive
    bool* m_pDeleted = nullptr;
};

// Runs the dialog over parent; 1 when the user confirmed, 0 otherwise.
unsigned int ShowExitConfirmation(HWND parent, const wchar_t* title, const wchar_t* text);
