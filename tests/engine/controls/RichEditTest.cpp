// Rich edit field over the platform's windowless text services: text round trip (Chinese
// included), read-only typing refused, selection and copy reaching the clipboard, the context
// menu's greyed items, the single line centred on the height of "A", drawing, case-sensitive
// attributes, fonts given again after a DPI change, a missing library or entry point, and a
// drag-selection released outside the field giving the window's capture back.
#include <gtest/gtest.h>

#include <richedit.h>

#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/controls/CTxtWinHost.h"
#include "engine/render/CRenderEngine.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/render/CTestDib.h"
#include "tests/support/CTestWindow.h"
#include "tests/support/ExpectRect.h"

using namespace SkinUI;

namespace
{

const wchar_t kFolder[] = L"C:\\Program Files (x86)\\tolvane\\Zentrivo";

class RichEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_manager.AddFont(7, L"Tahoma", 15, false, false, false));
        m_pRow = new CHorizontalLayoutUI;
        m_manager.AttachDialog(m_pRow);
    }
    void TearDown() override { CTxtWinHost::SetLibraryName(L"riched20.dll"); }
    // The installer's folder field, configured before it joins the tree (as the builder does
    // for the attributes it reads before adding).
    CRichEditUI* AddField(bool bReadOnly = true)
    {
        CRichEditUI* pEdit = new CRichEditUI;
        pEdit->SetAttribute(L"name", L"edit_Installdir");
        pEdit->SetAttribute(L"font", L"7");
        pEdit->SetAttribute(L"valign", L"center");
        pEdit->SetAttribute(L"textpadding", L"9,0,9,0");
        pEdit->SetAttribute(L"text", kFolder);
        pEdit->SetAttribute(L"readonly", bReadOnly ? L"true" : L"false");
        pEdit->SetAttribute(L"textcolor", L"0xFF444444");
        pEdit->SetAttribute(L"bordercolor", L"0xFFD1D1D1");
        pEdit->SetAttribute(L"bordersize", L"1");
        m_pRow->Add(pEdit);
        m_pRow->SetPos(RECT{0, 0, 414, 32}, false);
        return pEdit;
    }
    LRESULT Message(CRichEditUI* pEdit, UINT uMsg, WPARAM wParam, LPARAM lParam, bool* pHandled = nullptr)
    {
        bool bHandled = false;
        const LRESULT l = pEdit->MessageHandler(uMsg, wParam, lParam, bHandled);
        if (pHandled != nullptr)
            *pHandled = bHandled;
        return l;
    }

    CPaintManagerUI m_manager;
    CHorizontalLayoutUI* m_pRow = nullptr;
};

std::wstring ClipboardText()
{
    std::wstring s;
    if (!::OpenClipboard(nullptr))
        return L"<clipboard busy>";
    if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (const wchar_t* p = static_cast<const wchar_t*>(::GlobalLock(h)))
        {
            s = p;
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    return s;
}

} // namespace

TEST_F(RichEditTest, TextRoundTripsThroughTheServices)
{
    CRichEditUI* pEdit = AddField();
    ASSERT_TRUE(pEdit->HasTextHost());
    EXPECT_STREQ(kFolder, pEdit->GetText());
    EXPECT_EQ(static_cast<long>(wcslen(kFolder)), pEdit->GetTextLength());

    const wchar_t kChinese[] = L"D:\\\u5B89\u88C5\u76EE\u5F55\\\u667A\u80FD PDF";
    pEdit->SetText(kChinese);
    EXPECT_STREQ(kChinese, pEdit->GetText());
    pEdit->SetText(L"");
    EXPECT_STREQ(L"", pEdit->GetText());
    // The same text as stored still replaces what the services hold.
    pEdit->SetText(L"");
    pEdit->SetReadOnly(false);
    pEdit->ReplaceSel(L"typed");
    pEdit->SetText(L"");
    EXPECT_STREQ(L"", pEdit->GetText());
}

TEST_F(RichEditTest, ReadOnlyFieldRefusesTypedCharacters)
{
    CRichEditUI* pEdit = AddField(true);
    CNotifyRecorder recorder(m_manager);
    m_manager.SetFocus(pEdit);
    ASSERT_TRUE(pEdit->IsFocused());
    Message(pEdit, WM_CHAR, L'x', 1);
    EXPECT_STREQ(kFolder, pEdit->GetText());
    EXPECT_EQ(0, recorder.Count(L"textchanged"));

    // The same path types into a writable field.
    pEdit->SetReadOnly(false);
    pEdit->SetSel(0, 0);
    bool bHandled = false;
    Message(pEdit, WM_CHAR, L'x', 1, &bHandled);
    EXPECT_TRUE(bHandled);
    EXPECT_EQ(std::wstring(L"x") + kFolder, std::wstring(pEdit->GetText().GetData()));
    EXPECT_EQ(1, recorder.Count(L"textchanged"));

    // Without the focus keys are not the field's.
    m_manager.SetFocus(nullptr);
    Message(pEdit, WM_CHAR, L'y', 1, &bHandled);
    EXPECT_FALSE(bHandled);
}

TEST_F(RichEditTest, SelectionAndCopyReachTheClipboard)
{
    CRichEditUI* pEdit = AddField(true);
    pEdit->SetSel(3, 16);
    long nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(3, nStart);
    EXPECT_EQ(16, nEnd);
    pEdit->Copy();
    EXPECT_EQ(L"Program Files", ClipboardText());
}

TEST_F(RichEditTest, ContextMenuGreysWhatAReadOnlyFieldCannotDo)
{
    CRichEditUI* pEdit = AddField(true);
    auto greyed = [](HMENU hMenu, UINT uId)
    { return (::GetMenuState(hMenu, uId, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    pEdit->SetSel(0, 2);
    HMENU hMenu = pEdit->CreateContextMenu();
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(9, ::GetMenuItemCount(hMenu));
    EXPECT_TRUE(greyed(hMenu, RichEditMenuCut));
    EXPECT_FALSE(greyed(hMenu, RichEditMenuCopy));
    EXPECT_TRUE(greyed(hMenu, RichEditMenuPaste));
    EXPECT_TRUE(greyed(hMenu, RichEditMenuClear));
    EXPECT_FALSE(greyed(hMenu, RichEditMenuSelectAll));
    EXPECT_TRUE(greyed(hMenu, RichEditMenuUndo));
    wchar_t szText[32] = {};
    ::GetMenuStringW(hMenu, RichEditMenuPaste, szText, 31, MF_BYCOMMAND);
    EXPECT_STREQ(L"\u7C98\u5E16(&V)", szText);
    ::DestroyMenu(hMenu);

    pEdit->SetSel(2, 2);
    pEdit->SetReadOnly(false);
    hMenu = pEdit->CreateContextMenu();
    EXPECT_TRUE(greyed(hMenu, RichEditMenuCut));
    EXPECT_TRUE(greyed(hMenu, RichEditMenuCopy));
    EXPECT_FALSE(greyed(hMenu, RichEditMenuPaste));
    EXPECT_FALSE(greyed(hMenu, RichEditMenuClear));
    ::DestroyMenu(hMenu);

    // Commands act only while the field has the focus.
    pEdit->DoContextMenuCommand(RichEditMenuSelectAll);
    long nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(2, nEnd);
    m_manager.SetFocus(pEdit);
    pEdit->DoContextMenuCommand(RichEditMenuSelectAll);
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_GE(nEnd, static_cast<long>(wcslen(kFolder))); // the final paragraph mark may count
}

TEST_F(RichEditTest, SingleLineIsCentredOnTheHeightOfA)
{
    // The home page's folder row: 32 high, vcenter, the field 414 x 60 after a 60-wide label.
    m_pRow->SetChildVAlign(4);
    CControlUI* pLabel = new CControlUI;
    pLabel->SetFixedWidth(60);
    m_pRow->Add(pLabel);
    CRichEditUI* pEdit = AddField();
    pEdit->SetAttribute(L"width", L"414");
    pEdit->SetAttribute(L"height", L"60");
    m_pRow->SetPos(RECT{20, 338, 580, 370}, false);
    ExpectRect(pEdit->GetPos(), 80, 338, 494, 370);

    CTestDib dib(4, 4);
    const LONG t = CRenderEngine::GetTextSize(dib.DC(), &m_manager, L"A", 7).cy;
    const LONG top = 338 + (370 - t - 338) / 2;
    const LONG bottom = 370 - (370 - t - top) / 2;
    ExpectRect(pEdit->GetTextRect(), 89, top, 485, bottom);
}

TEST_F(RichEditTest, PaintsBorderAndText)
{
    CRichEditUI* pEdit = AddField();
    CTestDib dib(414, 32);
    dib.Fill(0xFFFFFF);
    pEdit->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0xD1D1D1u, dib.Pixel(0, 0));
    EXPECT_EQ(0xD1D1D1u, dib.Pixel(413, 31));
    const RECT rcText = pEdit->GetTextRect();
    EXPECT_GT(dib.CountNot(rcText, 0xFFFFFF), 50);
    // Nothing is drawn in the padding left of the text.
    EXPECT_EQ(0, dib.CountNot(RECT{1, 1, 9, 31}, 0xFFFFFF));
}

TEST_F(RichEditTest, AttributeNamesAreCaseSensitiveAndBooleansExact)
{
    CRichEditUI edit;
    edit.SetAttribute(L"ReadOnly", L"true");
    EXPECT_FALSE(edit.IsReadOnly());
    EXPECT_STREQ(L"true", edit.GetCustomAttribute(L"ReadOnly"));
    edit.SetAttribute(L"readonly", L"TRUE");
    EXPECT_FALSE(edit.IsReadOnly());
    edit.SetAttribute(L"readonly", L"true");
    EXPECT_TRUE(edit.IsReadOnly());
    edit.SetAttribute(L"textcolor", L"  #FF123456");
    EXPECT_EQ(0xFF123456u, edit.GetTextColor());
    edit.SetAttribute(L"TextPadding", L"1,2,3,4");
    ExpectRect(edit.GetTextPadding(), 1, 2, 3, 4);
    edit.SetAttribute(L"wantreturnmsg", L"false");
    EXPECT_STREQ(L"false", edit.GetCustomAttribute(L"wantreturnmsg"));
}

TEST_F(RichEditTest, ResetDPIAssetsGivesTheFieldItsRebuiltFont)
{
    CRichEditUI* pEdit = AddField();
    // Rows of the field that hold ink.
    auto inkRows = [&]()
    {
        m_pRow->SetPos(RECT{0, 0, 414, 100}, false);
        CTestDib dib(414, 100);
        dib.Fill(0xFFFFFF);
        pEdit->Paint(dib.DC(), dib.Bounds());
        int n = 0;
        for (int y = 2; y < 98; ++y)
            if (dib.CountNot(RECT{2, y, 412, y + 1}, 0xFFFFFF) > 0)
                ++n;
        return n;
    };
    const int nBefore = inkRows();
    ASSERT_GT(nBefore, 5);
    m_manager.GetDPIObj()->SetScale(144); // 150 %
    m_manager.ResetDPIAssets();
    EXPECT_GT(inkRows(), nBefore + 2);
}

TEST_F(RichEditTest, MissingLibraryOrEntryPointLeavesAQuietField)
{
    const wchar_t* libraries[] = {L"no_such_riched.dll", L"kernel32.dll", L"..\\riched20.dll"};
    for (const wchar_t* pLibrary : libraries)
    {
        SCOPED_TRACE(pLibrary);
        CTxtWinHost::SetLibraryName(pLibrary);
        CRichEditUI* pEdit = AddField();
        EXPECT_FALSE(pEdit->HasTextHost());
        EXPECT_STREQ(kFolder, pEdit->GetText());
        pEdit->SetText(L"other");
        EXPECT_STREQ(L"other", pEdit->GetText());
        CTestDib dib(414, 32);
        dib.Fill(0xFFFFFF);
        pEdit->Paint(dib.DC(), dib.Bounds());
        EXPECT_EQ(0, dib.CountNot(RECT{1, 1, 413, 31}, 0xFFFFFF));
        m_manager.SetFocus(pEdit);
        bool bHandled = true;
        Message(pEdit, WM_CHAR, L'x', 1, &bHandled);
        EXPECT_FALSE(bHandled);
        pEdit->Copy();
        m_pRow->SetDelayedDestroy(false);
        m_pRow->Remove(pEdit);
    }
}

TEST_F(RichEditTest, DragSelectionReleasedOutsideTheFieldEndsTheCapture)
{
    CTestWindow window(420, 120); // a real window of this thread: capture and focus are real
    ASSERT_NE(nullptr, window.Get());
    m_manager.Init(window.Get());
    ASSERT_NE(nullptr, m_manager.AddFont(7, L"Tahoma", 15, false, false, false));
    CRichEditUI* pEdit = AddField(true);
    ASSERT_TRUE(pEdit->HasTextHost());
    const RECT rcText = pEdit->GetTextRect();
    const int yText = (rcText.top + rcText.bottom) / 2;
    LRESULT lRes = 0;
    CNotifyRecorder recorder(m_manager);

    // Press in the text, drag below the window's row and release there.
    m_manager.MessageHandler(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcText.left + 4, yText), lRes);
    ASSERT_EQ(window.Get(), ::GetCapture());
    ASSERT_TRUE(m_manager.IsCaptured());
    m_manager.MessageHandler(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 100), lRes);
    m_manager.MessageHandler(WM_LBUTTONUP, 0, MAKELPARAM(200, 100), lRes);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(m_manager.IsCaptured());
    EXPECT_EQ(0, recorder.Count(L"click")); // released outside the field

    // Moving over the text afterwards, no button held, selects nothing more.
    long nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    m_manager.MessageHandler(WM_MOUSEMOVE, 0, MAKELPARAM(rcText.left + 120, yText), lRes);
    long nStartAfter = -1, nEndAfter = -1;
    pEdit->GetSel(nStartAfter, nEndAfter);
    EXPECT_EQ(nStart, nStartAfter);
    EXPECT_EQ(nEnd, nEndAfter);

    // Outside the text and without a drag the field leaves the mouse to the window.
    bool bHandled = true;
    Message(pEdit, WM_MOUSEMOVE, 0, MAKELPARAM(200, 100), &bHandled);
    EXPECT_FALSE(bHandled);

    // A field that dies in the middle of a drag gives the capture back.
    m_manager.MessageHandler(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcText.left + 4, yText), lRes);
    ASSERT_EQ(window.Get(), ::GetCapture());
    m_pRow->SetDelayedDestroy(false);
    m_pRow->Remove(pEdit);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(m_manager.IsCaptured());
    m_manager.Init(nullptr);
}
