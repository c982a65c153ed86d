// CRichEditUI: a text field drawn and edited by the platform's windowless rich edit text
// services ("RichEdit"); the installer uses it read-only for the installation folder. On its
// first DoInit it creates its text host (CTxtWinHost); from then on the text lives in the
// services: SetText replaces all of it, GetText reads it back as UTF-16. Window messages reach
// it through its message filter: mouse messages over the text (all of them while the text
// services hold the mouse capture for a drag-selection, so that they see its release),
// keyboard messages while it has the focus, the wheel only with Ctrl; a right-click opens the
// edit context menu. A single-line field is vertically centred (or bottom-aligned) on the
// height of "A" in its font.
//
// Contract: attribute names are case-sensitive and booleans must be exactly "true" (except the
// names listed under SetAttribute). When the rich edit library or its entry point is missing
// the field has no host: it paints its background and border only, ignores input, and keeps
// its text in the control. The host is released (services first, then the library) when the
// field dies.
//
// While it has a text host and a manager the field is one of that manager's message filters;
// it leaves the filters when it changes manager or dies (dying mid drag-selection, it also
// releases the manager's capture).
//
// Not done: scroll bars, password mode, tip text, drag and drop, rich text formats beyond one
// character format.
#pragma once

#include <windows.h>

#include "engine/controls/CContainerUI.h"
#include "engine/manager/IMessageFilterUI.h"

namespace SkinUI
{

class CTxtWinHost;

// Context menu command ids.
enum : UINT
{
    RichEditMenuUndo = 101,
    RichEditMenuCut = 102,
    RichEditMenuCopy = 103,
    RichEditMenuPaste = 104,
    RichEditMenuClear = 105,
    RichEditMenuSelectAll = 106,
    RichEditMenuRedo = 107
};

class CRichEditUI : public CContainerUI, public IMessageFilterUI
{
public:
    CRichEditUI();
    ~CRichEditUI() override;

    static CControlUI* CreateControl();

    const wchar_t* GetClass() const override;
    void* GetInterface(const wchar_t* pstrName) override;
    UINT GetControlFlags() const override;

    void DoInit() override;
    CUIString GetText() const override;
    void SetText(const wchar_t* pstrText) override;
    void SetEnabled(bool bEnabled = true) override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    void DoEvent(tagTEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    bool DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    bool OnEnableResponseDefaultKeyEvent(WPARAM wParam) override;
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

    bool HasTextHost() const { return m_pTwh != nullptr; }
    bool IsWantTab() const { return m_bWantTab; }
    // Leaving a manager takes the field out of its message filters.
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    RECT GetTextRect() const; // the host's client rectangle
    bool IsReadOnly() const;
    void SetReadOnly(bool bReadOnly = true);
    DWORD GetTextColor() const;
    void SetTextColor(DWORD dwTextColor);
    int GetFont() const;
    void SetFont(int index);
    RECT GetTextPadding() const;
    void SetTextPadding(RECT rc);
    long GetTextLength() const;
    void SetSel(long nStartChar, long nEndChar);
    void SetSelAll();
    void GetSel(long& nStartChar, long& nEndChar) const;
    void ReplaceSel(const wchar_t* pstrText, bool bCanUndo = false);
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    bool CanPaste() const;

    // The edit context menu for the current state (greyed items included); the caller
    // destroys it. Runs a chosen item's command.
    HMENU CreateContextMenu() const;
    void DoContextMenuCommand(UINT uCmd);

    // What the text host reports back.
    void OnTxNotify(DWORD iNotify, void* pv);

private:
    LRESULT TxSend(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void ShowContextMenu(POINT ptClient);

    CTxtWinHost* m_pTwh;
    CPaintManagerUI* m_pFilterManager; // the manager this field is a message filter of, if any
    DWORD m_dwStyle;                   // ES_* bits of the host
    bool m_bWantTab;
    bool m_bWantReturn;
    bool m_bWantCtrlReturn;
    bool m_bTransparent;
    bool m_bRich;
    bool m_bReadOnly;
    bool m_bWordWrap;
    bool m_bInited;
    int m_iFont;
    DWORD m_dwTextColor;
    int m_iLimitText;
    UINT m_uTextVAlign; // 1 centre, 8 bottom
    WORD m_wTextAlign;  // PFA_* of the paragraph
    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sFocusedImage;
    CUIString m_sDisabledImage;
    CUIString m_sTipValue;
    DWORD m_dwTipValueColor;
    UINT m_uTipValueAlign;
    RECT m_rcTextPadding;
};

} // namespace SkinUI
