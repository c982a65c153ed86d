// Support for the window tests: the skin archive of the test program set up as the installer
// does it, the modal seam replaced by recorders, and a dialog answerer that acts on the exit
// dialog from inside its modal loop.
#pragma once

#include "installer/ui/ModalUi.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace SkinUI
{
class CControlUI;
class CPaintManagerUI;
} // namespace SkinUI

// What went through the modal seam while a CModalRecorder was alive.
struct tagTShellCall
{
    HWND owner;
    std::wstring verb, file, dir;
    bool hasParams;
    std::wstring params;
    int show;
};

class CModalRecorder
{
public:
    CModalRecorder();
    ~CModalRecorder();
    CModalRecorder(const CModalRecorder&) = delete;
    CModalRecorder& operator=(const CModalRecorder&) = delete;

    // The folder dialog's answer: a path, or empty for Cancel.
    void AnswerFolder(const wchar_t* path) { s_folderAnswer = path; }

    static std::vector<tagTShellCall> s_shell;
    static std::vector<std::wstring> s_messageBoxes; // "caption|text|type"
    static std::vector<UINT> s_exitCodes;
    static std::vector<BROWSEINFOW> s_browse;
    static std::vector<std::wstring> s_browseTitles;
    static std::vector<void*> s_freed;
    static std::wstring s_folderAnswer;
    static char s_pidl[8]; // the item list the fake folder dialog hands out
};

// Acts once on the exit dialog that the next modal loop on this thread shows: records what it
// finds, runs before() inside the loop, then clicks the named control (Activate) or, for an
// empty name, sends the system's close command (also when the click is not possible).
class CDialogAnswerer
{
public:
    explicit CDialogAnswerer(const wchar_t* controlName, std::function<void()> before = nullptr);
    ~CDialogAnswerer();

    bool Answered() const { return m_bAnswered; }
    HWND dialog = nullptr;
    HWND owner = nullptr;
    bool ownerEnabledWhileOpen = true;
    bool clickFailed = false;   // the named control could not be clicked (closed instead)
    bool answerIgnored = false; // still open 3 s after the answer (then closed)
    DWORD style = 0, exStyle = 0;
    std::wstring title;
    RECT dialogRect = {}, ownerRect = {};
    std::function<void(SkinUI::CPaintManagerUI&)> inspect;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Act();

    std::wstring m_sName;
    std::function<void()> m_before;
    UINT_PTR m_timer = 0;
    bool m_bAnswered = false;
    DWORD m_nAnsweredAt = 0;
};

// The paint manager of a skinned window of this process (its object is kept in GWLP_USERDATA).
SkinUI::CPaintManagerUI* ManagerOf(HWND hWnd);
// Clicks a control the way the manager does for a mouse click (Activate); false when it could
// not (missing, hidden or disabled).
bool Click(SkinUI::CPaintManagerUI& pm, const wchar_t* name);
// Dispatches this thread's messages for at most ms, or until done() is true.
bool PumpUntil(const std::function<bool()>& done, DWORD ms);
// Removes a WM_QUIT waiting in this thread's queue; true when there was one.
bool TakeQuit();
