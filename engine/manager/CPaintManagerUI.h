// CPaintManagerUI: the paint manager of one skinned window, and the process-wide skin
// resource settings.
//
// Contract (resource part, implemented in engine/resources/CPaintManagerUIResources.cpp):
// - process-wide settings: the program module, the resource module, the resource folder
//   (always ending in a separator once set), the skin archive (a file under the resource
//   folder, or the first memory block ever given: later memory blocks are ignored), its
//   password, the cached archive handle and the resource mode;
// - per-window and shared tables of images, fonts, styles, default attribute lists and parsed
//   image descriptions (the window's table is asked first, then the shared one), and the
//   default colours. The manager owns every record in its tables; the shared tables live
//   until Term. Replacing an entry frees the old record: callers never keep image or font
//   records across a replacement.
// Lifecycle part (engine/manager/CPaintManagerUI.cpp): construction (shared defaults on the
// first construction, a GDI+ session for the manager's life), Init (window, paint DC, list of
// managers), the DPI object, Term.
// Control part (engine/manager/CPaintManagerUIControls.cpp): the attached tree and its name
// map, searching, invalidation and layout requests, per-control timers, focus and capture,
// synchronous and queued notifications, option groups, post-paint and mouse-leave lists, the
// delayed clean-up, and ReapObjects, which a control's destructor calls so that the manager
// never keeps a pointer to a deleted control (focus, hover, click, key, timers, names, lists,
// option groups, queued notifications).
//
// Message part (engine/manager/CPaintManagerUIMessages.cpp): the window's messages turned into
// control events (hover and leave through the platform's mouse tracking, capture, keys, wheel,
// timers, tooltips), reflection of WM_NOTIFY/WM_COMMAND to child windows, the pre-translation
// (Tab order, Alt shortcuts) and the static message loop.
// Paint part (engine/manager/CPaintManagerUIPaint.cpp): the layout pass and painting through
// one persistent off-screen 32-bit bitmap of the client size, remade only when the root is laid
// out again, limited to the update rectangle and copied with one BitBlt; layered windows go
// through UpdateLayeredWindow. The first layout after AttachDialog sends "windowinit"
// synchronously, every layout pass "windowsize" asynchronously.
// Settings part (engine/manager/CPaintManagerUISettings.cpp): the window settings the skin's
// Window element gives, and the DPI scale.
//
// Not done: OLE drag and drop, native child windows inside a layered window, script hooks.
// Not thread safe (UI thread only), except SendNotify(..., true), which any thread may call.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <unordered_map>
#include "engine/core/CStdPtrArray.h"
#include "engine/core/CStdStringPtrMap.h"
#include "engine/core/CUIString.h"
#include "engine/controls/tagTEventUI.h"
#include "engine/manager/CDPI.h"
#include "engine/manager/CWindowDC.h"
#include "engine/resources/tagTFontInfo.h"
#include "engine/resources/tagTImageInfo.h"
#include "engine/manager/tagTNotifyUI.h"
#include "engine/resources/CGdiObject.h"
#include "engine/resources/CMemoryDC.h"
#include "engine/resources/tagTResInfo.h"

namespace SkinUI
{

class CZipArchive;
class CControlUI;
class CGdiplusSession;
class INotifyUI;
class IMessageFilterUI;
class ITranslateAccelerator;
class CShadowUI;
class CLangManagerUI;
struct tagTDrawInfo;

// The wake-up message of the queued notifications and the delayed clean-up (WM_APP + 1).
enum : UINT
{
    WM_SKINUI_ASYNC = WM_APP + 1,
    // Posted by SetDPI once the window has its new size (WM_USER + 3).
    WM_SKINUI_DPICHANGED = WM_USER + 3
};

// Key-state bits of the events the manager makes (tagTEventUI::wKeyState).
enum : WORD
{
    KeyStateLButton = 0x01,
    KeyStateRButton = 0x02,
    KeyStateShift = 0x04,
    KeyStateControl = 0x08,
    KeyStateAlt = 0x20
};

class CPaintManagerUI
{
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // ---- lifecycle --------------------------------------------------------------------
    void Init(HWND hWnd, const wchar_t* pstrName = nullptr);
    const wchar_t* GetName() const { return m_sName.GetData(); }
    HWND GetPaintWindow() const { return m_hWndPaint; }
    HDC GetPaintDC() const { return m_hDcPaint.Get(); }
    CDPI* GetDPIObj();
    static CStdPtrArray* GetPaintManagers();
    static void Term();

    // ---- process-wide resource settings -----------------------------------------------
    static HINSTANCE GetInstance();
    static CUIString GetInstancePath();
    static CUIString GetCurrentPath();
    static HINSTANCE GetResourceDll();
    static const CUIString& GetResourcePath();
    static const CUIString& GetResourceZip();
    static const CUIString& GetResourceZipPwd();
    static bool IsCachedResourceZip();
    static CZipArchive* GetResourceZipHandle();
    // The archive file: resource folder + archive name, or the name alone when it is a full
    // path (a drive, a UNC or a rooted name).
    static CUIString GetResourceZipPath();
    static void SetInstance(HINSTANCE hInst);
    static void SetCurrentPath(const wchar_t* pStrPath);
    static void SetResourceDll(HINSTANCE hInst);
    static void SetResourcePath(const wchar_t* pStrPath);
    static void SetResourceZip(const void* pVoid, unsigned int len, const wchar_t* password = nullptr);
    static void SetResourceZip(const wchar_t* pstrZip, bool bCachedResourceZip = false,
                               const wchar_t* password = nullptr);
    static void SetResourceType(int nType);
    static int GetResourceType();

    // ---- images -----------------------------------------------------------------------
    const tagTImageInfo* GetImage(const wchar_t* bitmap);
    const tagTImageInfo* GetImageEx(const wchar_t* bitmap, const wchar_t* type = nullptr, DWORD mask = 0,
                                    int width = 0, int height = 0, DWORD fillcolor = 0, bool bUseHSL = false,
                                    HINSTANCE instance = nullptr);
    const tagTImageInfo* AddImage(const wchar_t* bitmap, const wchar_t* type = nullptr, DWORD mask = 0,
                                  int width = 0, int height = 0, DWORD fillcolor = 0, bool bUseHSL = false,
                                  bool bShared = false, HINSTANCE instance = nullptr);
    bool RemoveImage(const wchar_t* bitmap, bool bShared = false);
    void RemoveAllImages(bool bShared = false);
    static void ReloadSharedImages();
    void ReloadImages();
    static void ReloadSkin();
    // The table key of an image: its name, or "%s-%d-%d-%08X" when a size or fill is given.
    static CUIString MakeImageKey(const wchar_t* bitmap, int width, int height, DWORD fillcolor);

    // ---- parsed image descriptions ----------------------------------------------------
    tagTDrawInfo* GetDrawInfo(const wchar_t* pStrImage, const wchar_t* pStrModify);
    void RemoveDrawInfo(const wchar_t* pStrImage, const wchar_t* pStrModify);
    void RemoveAllDrawInfos();

    // ---- fonts ------------------------------------------------------------------------
    HFONT AddFont(int id, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                  bool bShared = false);
    bool AddFontArray(const wchar_t* pstrPath);
    void SetDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                        bool bShared = false);
    tagTFontInfo* GetDefaultFontInfo();
    HFONT GetFont(int id);
    HFONT GetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    int GetFontIndex(HFONT hFont, bool bShared = false);
    int GetFontIndex(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                     bool bShared = false);
    void RemoveFont(HFONT hFont, bool bShared = false);
    void RemoveFont(int id, bool bShared = false);
    void RemoveAllFonts(bool bShared = false);
    tagTFontInfo* GetFontInfo(int id);
    tagTFontInfo* GetFontInfo(HFONT hFont);
    void RebuildFont(tagTFontInfo* pFontInfo);
    void ResetDPIAssets();

    // ---- styles and default attribute lists -------------------------------------------
    void AddStyle(const wchar_t* pName, const wchar_t* pStyle, bool bShared = false);
    const wchar_t* GetStyle(const wchar_t* pName) const;
    bool RemoveStyle(const wchar_t* pName, bool bShared = false);
    const CStdStringPtrMap& GetStyles(bool bShared = false) const;
    void RemoveAllStyle(bool bShared = false);

    void AddDefaultAttributeList(const wchar_t* pStrControlName, const wchar_t* pStrControlAttrList,
                                 bool bShared = false);
    const wchar_t* GetDefaultAttributeList(const wchar_t* pStrControlName) const;
    bool RemoveDefaultAttributeList(const wchar_t* pStrControlName, bool bShared = false);
    void RemoveAllDefaultAttributeList(bool bShared = false);

    // ---- default colours --------------------------------------------------------------
    DWORD GetDefaultDisabledColor() const;
    void SetDefaultDisabledColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultFontColor() const;
    void SetDefaultFontColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultLinkFontColor() const;
    void SetDefaultLinkFontColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultLinkHoverFontColor() const;
    void SetDefaultLinkHoverFontColor(DWORD dwColor, bool bShared = false);
    DWORD GetDefaultSelectedBkColor() const;
    void SetDefaultSelectedBkColor(DWORD dwColor, bool bShared = false);

    void SetForceUseSharedRes(bool bForce) { m_bForceUseSharedRes = bForce; }
    bool IsForceUseSharedRes() const { return m_bForceUseSharedRes; }

    // ---- window settings the render engine reads (the window part sets them) -----------
    bool IsLayered() const { return m_bLayered; }
    void SetUseGdiplusText(bool bUse) { m_bUseGdiplusText = bUse; }
    bool IsUseGdiplusText() const { return m_bUseGdiplusText; }
    void SetGdiplusTextRenderingHint(int trh) { m_trh = trh; }
    int GetGdiplusTextRenderingHint() const { return m_trh; }
    POINT GetMousePos() const { return m_ptLastMousePos; }

    // ---- the control tree (CPaintManagerUIControls.cpp) --------------------------------
    bool AttachDialog(CControlUI* pControl);
    bool InitControls(CControlUI* pControl, CControlUI* pParent = nullptr);
    void AddDelayedCleanup(CControlUI* pControl);
    void ReapObjects(CControlUI* pControl);
    // Lets go of the reference a container or the clean-up held. A control someone else still
    // holds survives it: the control and everything below it first leave their manager
    // (ReapObjects on each) and their parent, so the survivor never reaches a manager or a
    // container that may be gone by the time it is released.
    static void ReleaseFromTree(CControlUI* pControl);
    CControlUI* GetRoot() const { return m_pRoot; }

    CControlUI* FindControl(POINT pt) const;
    CControlUI* FindControl(const wchar_t* pstrName) const;
    CControlUI* FindSubControlByPoint(CControlUI* pParent, POINT pt) const;
    CControlUI* FindSubControlByName(CControlUI* pParent, const wchar_t* pstrName) const;
    CControlUI* FindSubControlByClass(CControlUI* pParent, const wchar_t* pstrClass, int iIndex = 0);
    CStdPtrArray* FindSubControlsByClass(CControlUI* pParent, const wchar_t* pstrClass);

    void Invalidate();
    void Invalidate(RECT& rcItem);
    void NeedUpdate() { m_bUpdateNeeded = true; }
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }

    // Platform timer ids run 17, 18 .. 239, 0, 1 ..; a running timer set again gives false, a
    // killed one restarts with its old id.
    bool SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse);
    bool KillTimer(CControlUI* pControl, UINT nTimerID);
    void KillTimer(CControlUI* pControl);
    void RemoveAllTimers();
    // The running timer behind a platform timer id (the window's WM_TIMER handler uses it).
    bool FindTimer(UINT uWinTimer, CControlUI*& pControl, UINT& nLocalID) const;

    CControlUI* GetFocus() const { return m_pFocus; }
    CControlUI* GetLastFocus() const { return m_pLastFocus; }
    void SetFocus(CControlUI* pControl);
    // Focus for a control that cannot take it yet (layout pending): the tab stop before it
    // gets the focus quietly, and the next paint moves forward onto the control.
    void SetFocusNeeded(CControlUI* pControl);
    // Tab order: the next (or previous) visible, enabled tab stop, parents before children;
    // forward wraps to the first, backward from the first goes to the last. While a layout is
    // pending a forward move waits for the next paint.
    bool SetNextTabControl(bool bForward = true);
    void SetCapture();
    void ReleaseCapture();
    bool IsCaptured() const { return m_bMouseCapture; }

    bool AddNotifier(INotifyUI* pControl);
    bool RemoveNotifier(INotifyUI* pControl);
    void SendNotify(tagTNotifyUI& Msg, bool bAsync = false);
    void SendNotify(CControlUI* pControl, const wchar_t* pstrMessage, WPARAM wParam = 0, LPARAM lParam = 0,
                    bool bAsync = false);
    void UsedVirtualWnd(bool bUsed) { m_bUsedVirtualWnd = bUsed; }
    // The window's handler of WM_SKINUI_ASYNC: deletes the delayed clean-up controls, then
    // delivers the queued notifications in order.
    void OnAsyncNotify();

    bool AddOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl);
    CStdPtrArray* GetOptionGroup(const wchar_t* pStrGroupName);
    void RemoveOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl);
    void RemoveAllOptionGroups();

    bool AddPostPaint(CControlUI* pControl);
    bool RemovePostPaint(CControlUI* pControl);
    bool SetPostPaintIndex(CControlUI* pControl, int iIndex);
    int GetPostPaintCount() const { return m_aPostPaintControls.GetSize(); }
    bool AddMouseLeaveNeeded(CControlUI* pControl);
    bool RemoveMouseLeaveNeeded(CControlUI* pControl);

    // ---- messages and painting (CPaintManagerUIMessages.cpp) ------------------------------
    // The window procedure forwards every message here; false leaves it to the default.
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool TranslateAccelerator(LPMSG pMsg);
    static void MessageLoop();
    static bool TranslateMessage(const LPMSG pMsg);
    static CPaintManagerUI* GetPaintManager(const wchar_t* pstrName);

    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    bool AddMessageFilter(IMessageFilterUI* pFilter);
    bool RemoveMessageFilter(IMessageFilterUI* pFilter);
    bool AddTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator);
    bool RemoveTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator);

    HWND GetTooltipWindow() const;
    SIZE GetClientSize() const;
    CControlUI* GetHoverControl() const { return m_pEventHover; }
    bool IsShowUpdateRect() const { return m_bShowUpdateRect; }
    RECT GetLayeredInset() const { return m_rcLayeredInset; }
    BYTE GetLayeredOpacity() const { return m_nLayeredOpacity; }
    const wchar_t* GetLayeredImage() const { return m_sLayeredImage.GetData(); }
    void LockUpdate(bool bLock);
    bool IsLockUpdate() const;
    void SetPainting(bool bIsPainting);
    bool IsPainting() const;

    // ---- window settings read from the skin ------------------------------------------
    SIZE GetInitSize();
    void SetInitSize(int cx, int cy);
    RECT& GetSizeBox();
    void SetSizeBox(RECT& rcSizeBox);
    RECT& GetCaptionRect();
    void SetCaptionRect(RECT& rcCaption);
    SIZE GetRoundCorner() const;
    void SetRoundCorner(int cx, int cy);
    SIZE GetMinInfo() const;
    void SetMinInfo(int cx, int cy);
    SIZE GetMaxInfo() const;
    void SetMaxInfo(int cx, int cy);
    void SetShowUpdateRect(bool show);
    void SetNoActivate(bool bNoActivate);
    bool IsNoActivate() const;
    void SetHoverTime(int iTime);
    int GetHoverTime() const;
    void SetLayered(bool bLayered);
    void SetLayeredInset(RECT& rcLayeredInset);
    void SetLayeredOpacity(BYTE nOpacity);
    void SetLayeredImage(const wchar_t* pstrImage);
    void SetOpacity(BYTE nOpacity);
    BYTE GetOpacity() const;
    void SetInitWindowParameter(bool bInit);
    bool IsInitWindowParameter() const;
    CShadowUI* GetShadow();
    CLangManagerUI* GetLangManager();

    // ---- DPI ----------------------------------------------------------------------------
    // New scale, fonts and images redone, the window resized by new/old scale unless
    // maximised, a layout requested and WM_USER + 3 posted to the window.
    void SetDPI(int iDPI);
    static void SetAllDPI(int iDPI);

private:
    friend class CPaintManagerUIPeer; // tests set the input references the message handler owns
    void FreeControls();
    // Message part helpers (CPaintManagerUIMessages.cpp).
    tagTEventUI MakeInputEvent(EventType type, CControlUI* pSender, WPARAM wParam = 0,
                               LPARAM lParam = 0) const;
    CControlUI* OwnControlAt(POINT pt) const; // the control under pt when it is one of ours
    // A key event (key character = wParam) to the control; the system-key event has no sender.
    void SendKeyEvent(EventType type, CControlUI* pControl, WPARAM wParam, LPARAM lParam,
                      bool bWithSender = true);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnMouseLeave();
    bool OnMouseHover(LPARAM lParam);
    void OnButtonDown(EventType type, WPARAM wParam, LPARAM lParam);
    void OnButtonUp(EventType type, WPARAM wParam, LPARAM lParam);
    void OnClose();
    bool OnSetCursor(LPARAM lParam, LRESULT& lRes);
    void OnPrintClient(HDC hDC, LPARAM lParam);
    void ShowToolTip(CControlUI* pControl);
    void HideToolTip();
    void DestroyToolTip();
    // Paint part helpers (CPaintManagerUIPaint.cpp).
    void OnPaint();
    bool LayoutPass(const RECT& rcClient, bool& bStop);
    void PaintLayered(const RECT& rcClient, const RECT& rcPaint);
    void ReleaseOffscreen();
    static bool LoadUpdateLayeredWindow();
    // Gives every rich edit field of the tree its font again (after the fonts were rebuilt).
    void ResetRichEditFonts();
    void ReleaseDelayedCleanup();
    void DeliverNotify(tagTNotifyUI& Msg);
    static CControlUI* CALLBACK FindControlFromNameHash(CControlUI* pThis, void* pData);
    static CControlUI* CALLBACK ReapEachControl(CControlUI* pThis, void* pData);
    void KillCurrentFocus(CControlUI* pNewFocus);
    void PostAsyncWakeUp(); // caller holds the queue lock

    std::unique_ptr<CGdiplusSession> m_pGdiplus; // first member: ends after everything else
    bool m_bLayered = false;
    bool m_bUseGdiplusText = false;
    int m_trh = 0;
    POINT m_ptLastMousePos = {-1, -1};

private:
    // Resource part helpers (CPaintManagerUIResources.cpp).
    void InitResources();
    void FreeResources();
    static void TermResources();
    static void FreeResInfo(tagTResInfo& info);
    tagTResInfo& TableFor(bool bShared);    // where additions go (honours force-shared)
    tagTResInfo& ChosenTable(bool bShared); // where removals look (the flag alone)
    HFONT CreateSkinFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                         bool bBoldAddsWeight, BYTE quality);
    void MeasureFont(tagTFontInfo* pFontInfo);
    static bool ReloadImageRecord(const wchar_t* key, tagTImageInfo* pImage, CPaintManagerUI* pManager);
    static void ReloadImageTable(CStdStringPtrMap& table, CPaintManagerUI* pManager);

    // Window.
    CUIString m_sName;
    HWND m_hWndPaint;
    CWindowDC m_hDcPaint;
    std::unique_ptr<CDPI> m_pDPI;
    bool m_bForceUseSharedRes;
    tagTResInfo m_ResInfo;
    CStdPtrArray m_aFonts; // CFontMemResource* of AddFontArray, owned

    // Control tree.
    CControlUI* m_pRoot = nullptr;
    CControlUI* m_pFocus = nullptr;
    CControlUI* m_pLastFocus = nullptr;
    CControlUI* m_pEventKey = nullptr;
    CControlUI* m_pEventHover = nullptr;
    CControlUI* m_pEventClick = nullptr;
    RECT m_rcLayeredUpdate = {0, 0, 0, 0};
    UINT m_uTimerID = 0x1000;
    bool m_bFirstLayout = true;
    bool m_bUpdateNeeded = false;
    bool m_bFocusNeeded = false;
    bool m_bMouseCapture = false;
    bool m_bUsedVirtualWnd = false;
    bool m_bAsyncNotifyPosted = false;
    CStdPtrArray m_aNotifiers;            // INotifyUI*, borrowed
    CStdPtrArray m_aTimers;               // timer records, owned
    CStdPtrArray m_aPostPaintControls;    // borrowed
    CStdPtrArray m_aDelayedCleanup;       // owned until the wake-up message
    CStdPtrArray m_aAsyncNotify;          // tagTNotifyUI*, owned, guarded by m_lockNotify
    CStdPtrArray m_aFoundControls;        // scratch list of FindSubControlsByClass
    CStdPtrArray m_aNeedMouseLeaveNeeded; // borrowed
    CStdStringPtrMap m_mNameHash;         // name -> control, borrowed
    std::unordered_multimap<CControlUI*, CUIString> m_mNamesOf; // names each control was entered under
    CStdStringPtrMap m_mOptionGroup; // group name -> owned CStdPtrArray* of borrowed options
    CRITICAL_SECTION m_lockNotify;

    // Window settings (the window classes and the builder fill them).
    SIZE m_szInitWindowSize = {0, 0};
    RECT m_rcSizeBox = {0, 0, 0, 0};
    RECT m_rcCaption = {0, 0, 0, 0};
    SIZE m_szRoundCorner = {0, 0};
    SIZE m_szMinWindow = {0, 0};
    SIZE m_szMaxWindow = {0, 0};
    RECT m_rcLayeredInset = {0, 0, 0, 0};
    CUIString m_sLayeredImage;
    int m_iHoverTime = 400;
    BYTE m_nOpacity = 255;
    BYTE m_nLayeredOpacity = 255;
    bool m_bShowUpdateRect = false;
    bool m_bNoActivate = false;
    bool m_bLayeredChanged = false;
    bool m_bIsPainting = false;
    bool m_bLockUpdate = false;
    bool m_bInitWindowParameter = false;
    bool m_bMouseTracking = false;
    bool m_bOffscreenPaint = true;

    // Painting: the off-screen bitmap lives until the root is laid out again; the DC holds no
    // selection between paints. Bitmaps are declared before their DCs so the DCs go first.
    CGdiObject<HBITMAP> m_hbmpOffscreen;
    std::unique_ptr<CMemoryDC> m_pDcOffscreen;
    BYTE* m_pOffscreenBits = nullptr;     // bottom-up 32-bit rows of the client size
    CGdiObject<HBITMAP> m_hbmpBackground; // the layered image, drawn once per change
    std::unique_ptr<CMemoryDC> m_pDcBackground;
    BYTE* m_pBackgroundBits = nullptr;
    SIZE m_szOffscreen = {0, 0};

    // Tooltip window (owned, destroyed on WM_CLOSE and with the manager) and its tool record.
    HWND m_hwndTooltip = nullptr;
    TOOLINFOW m_ToolTip = {};
    CUIString m_sToolTipText; // the record points at it

    std::unique_ptr<CShadowUI> m_pShadow;
    std::unique_ptr<CLangManagerUI> m_pLangManager;
    CStdPtrArray m_aPreMessageFilters;    // IMessageFilterUI*, borrowed
    CStdPtrArray m_aMessageFilters;       // IMessageFilterUI*, borrowed
    CStdPtrArray m_aTranslateAccelerator; // ITranslateAccelerator*, borrowed

    // Process-wide.
    static CStdPtrArray m_aPreMessages; // every live manager that went through Init
    static HINSTANCE m_hInstance;
    static HINSTANCE m_hResourceInstance;
    static CUIString m_pStrResourcePath;
    static CUIString m_pStrResourceZip;
    static CUIString m_pStrResourceZipPwd;
    static std::unique_ptr<CZipArchive> m_hResourceZip;
    static bool m_bCachedResourceZip;
    static int m_nResType;
    static tagTResInfo m_SharedResInfo;
};

} // namespace SkinUI
