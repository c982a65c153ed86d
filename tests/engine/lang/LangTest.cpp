// Language packages and the string table, read from a resource folder the tests write.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine/lang/CLangManagerUI.h"
#include "engine/lang/CLangPackageUI.h"
#include "engine/manager/CPaintManagerUI.h"

using SkinUI::CLangManagerUI;
using SkinUI::CLangPackageUI;
using SkinUI::CUIString;

namespace
{

// Each test gets a fresh resource folder under the temporary folder.
class LangTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t szTemp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, szTemp);
        wchar_t szDir[MAX_PATH] = {};
        _snwprintf(szDir, MAX_PATH - 1, L"%slangtest_%lu_%d\\", szTemp, ::GetCurrentProcessId(), s_nRun++);
        m_dir = szDir;
        ::CreateDirectoryW(m_dir.c_str(), nullptr);
        ::CreateDirectoryW((m_dir + L"Lang").c_str(), nullptr);
        ::CreateDirectoryW((m_dir + L"Lang\\English").c_str(), nullptr);
        ::CreateDirectoryW((m_dir + L"Lang\\ChineseSimplified").c_str(), nullptr);
        SkinUI::CPaintManagerUI::Term();
        SkinUI::CPaintManagerUI::SetResourcePath(m_dir.c_str());
        CLangManagerUI::SetLanguage(L"", L"");
    }
    void TearDown() override
    {
        CLangManagerUI::SetLanguage(L"", L"");
        CLangManagerUI::ReleaseStringTable();
        SkinUI::CPaintManagerUI::SetResourcePath(L"");
        // The folder stays when a file is still open; the temp folder is cleaned elsewhere.
        RemoveTree(m_dir);
    }

    // Writes UTF-8 bytes under the resource folder.
    void Write(const std::wstring& relative, const std::string& bytes)
    {
        FILE* f = _wfopen((m_dir + relative).c_str(), L"wb");
        ASSERT_NE(f, nullptr) << "cannot write test file";
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }

    static void RemoveTree(const std::wstring& dir)
    {
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW((dir + L"*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE)
        {
            do
            {
                std::wstring name = fd.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(dir + name + L"\\");
                else
                    ::DeleteFileW((dir + name).c_str());
            } while (::FindNextFileW(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryW(dir.c_str());
    }

    std::wstring m_dir;
    static int s_nRun;
};

int LangTest::s_nRun = 0;

// Wide literal to the UTF-8 bytes of a file.
std::string Utf8(const wchar_t* p)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, p, -1, nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, p, -1, &s[0], n, nullptr, nullptr);
    return s;
}

const char kMainEnglish[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                            "<Language>\n"
                            "  <Text id=\"2\" text=\"Install Now\"/>\n"
                            "  <Text id=\"4\" text=\"<User License Agreement>\" tooltip=\"licence\"/>\n"
                            "  <Text id=\"5\" text=\"Install to:\"/>\n"
                            "  <Text id=\"5\" text=\"second five\" tipvalue=\"first tip\"/>\n"
                            "  <TEXT id=\"6\" text=\"Alter\"/>\n"
                            "  <Text id=\"12\" text=\"\"/>\n"
                            "  <Text text=\"no id\"/>\n"
                            "  <Other id=\"7\" text=\"ignored\"/>\n"
                            "  <Text id=\"x\" text=\"not a number\"/>\n"
                            "</Language>\n";

} // namespace

// Reading package files: file name rule, duplicates, case of "Text", missing ids.
TEST_F(LangTest, PackageReadsTextsFromTheLanguageFolder)
{
    Write(L"Lang\\English\\MainFrame.lng", kMainEnglish);
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    CLangManagerUI manager;
    CLangPackageUI* pPackage = manager.AddPackage(L"MainFrame.xml");
    ASSERT_NE(pPackage, nullptr);
    EXPECT_STREQ(pPackage->GetSkinFile(), L"MainFrame.xml");
    EXPECT_EQ(manager.GetPackage(L"MainFrame.xml"), pPackage);
    EXPECT_STREQ(pPackage->GetText(2), L"Install Now");
    EXPECT_STREQ(pPackage->GetText(4), L"<User License Agreement>");
    EXPECT_STREQ(pPackage->GetToolTip(4), L"licence");
    EXPECT_STREQ(pPackage->GetText(5), L"Install to:"); // the first of two id 5 stays
    EXPECT_STREQ(pPackage->GetTipValue(5), L"first tip");
    EXPECT_STREQ(pPackage->GetText(6), L"Alter");
    EXPECT_STREQ(pPackage->GetText(12), L""); // empty: the control keeps its markup text
    EXPECT_STREQ(pPackage->GetText(7), L"");
    EXPECT_STREQ(pPackage->GetText(0), L"not a number");
    EXPECT_STREQ(pPackage->GetToolTip(2), L"");
    EXPECT_STREQ(pPackage->GetTipValue(99), L"");
}

TEST_F(LangTest, PackageFileNameReplacesFromTheLastDot)
{
    EXPECT_STREQ(CLangManagerUI::PackageFileName(L"MainFrame.xml"), L"MainFrame.lng");
    EXPECT_STREQ(CLangManagerUI::PackageFileName(L"Msg.Wnd.xml"), L"Msg.Wnd.lng");
    EXPECT_STREQ(CLangManagerUI::PackageFileName(L"MsgWnd"), L"MsgWnd");
    EXPECT_STREQ(CLangManagerUI::PackageFileName(L""), L"");
    EXPECT_STREQ(CLangManagerUI::PackageFileName(nullptr), L"");

    // A name without an extension looks for a file of exactly that name.
    Write(L"Lang\\English\\Plain", "<Language><Text id=\"1\" text=\"plain\"/></Language>");
    Write(L"Lang\\English\\Plain.lng", "<Language><Text id=\"1\" text=\"wrong\"/></Language>");
    CLangManagerUI::SetLanguage(L"Lang\\English\\", L"en"); // trailing backslash kept single
    CLangManagerUI manager;
    CLangPackageUI* pPackage = manager.AddPackage(L"Plain");
    ASSERT_NE(pPackage, nullptr);
    EXPECT_STREQ(pPackage->GetText(1), L"plain");
}

// One package per skin per window; a missing file still gives an (empty) package.
TEST_F(LangTest, AddPackageOncePerSkinFile)
{
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    CLangManagerUI manager;
    CLangPackageUI* pMissing = manager.AddPackage(L"Nothing.xml");
    ASSERT_NE(pMissing, nullptr);
    EXPECT_STREQ(pMissing->GetText(1), L"");
    EXPECT_EQ(manager.AddPackage(L"Nothing.xml"), nullptr);
    EXPECT_EQ(manager.GetPackage(L"Nothing.xml"), pMissing);
    EXPECT_EQ(manager.GetPackage(L"Other.xml"), nullptr);
    EXPECT_EQ(manager.GetPackage(nullptr), nullptr);
    EXPECT_EQ(manager.AddPackage(nullptr), nullptr);
    EXPECT_EQ(manager.AddPackage(L""), nullptr);

    // Another window builds the same skin with its own package.
    CLangManagerUI other;
    EXPECT_NE(other.AddPackage(L"Nothing.xml"), nullptr);
}

// SetLanguage alone changes the string table, not the packages; ReloadLanguage re-reads every
// remembered skin from the new folder.
TEST_F(LangTest, SetLanguageThenReloadSwitchesEveryPackage)
{
    Write(L"Lang\\English\\MainFrame.lng", "<Language><Text id=\"2\" text=\"Install Now\"/></Language>");
    Write(L"Lang\\English\\MsgWnd.lng", "<Language><Text id=\"1\" text=\"Tips\"/></Language>");
    Write(L"Lang\\English\\StringTable.lng",
          "<Language><String id=\"1\" text1=\"Select\" text2=\"0002\" text3=\"x\"/></Language>");
    Write(L"Lang\\ChineseSimplified\\MainFrame.lng",
          Utf8(L"<Language><Text id=\"2\" text=\"立即安装\"/></Language>"));
    Write(L"Lang\\ChineseSimplified\\MsgWnd.lng",
          Utf8(L"<Language><Text id=\"1\" text=\"提示\"/></Language>"));
    Write(L"Lang\\ChineseSimplified\\StringTable.lng",
          Utf8(L"<Language><String id=\"1\" text1=\"从下面选文件夹目录:\" text2=\"0002\"/></Language>"));

    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    CLangManagerUI manager;
    ASSERT_NE(manager.AddPackage(L"MainFrame.xml"), nullptr);
    ASSERT_NE(manager.AddPackage(L"MsgWnd.xml"), nullptr);
    EXPECT_STREQ(CLangManagerUI::GetString(1), L"Select");

    CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    EXPECT_STREQ(CLangManagerUI::GetLangPath(), L"Lang\\ChineseSimplified");
    EXPECT_STREQ(CLangManagerUI::GetLangName(), L"chs");
    EXPECT_STREQ(CLangManagerUI::GetString(1), L"从下面选文件夹目录:");
    EXPECT_STREQ(CLangManagerUI::GetStringExtra(1), L"0002");
    EXPECT_STREQ(manager.GetPackage(L"MainFrame.xml")->GetText(2), L"Install Now");

    manager.ReloadLanguage();
    CLangPackageUI* pMain = manager.GetPackage(L"MainFrame.xml");
    CLangPackageUI* pMsg = manager.GetPackage(L"MsgWnd.xml");
    ASSERT_NE(pMain, nullptr);
    ASSERT_NE(pMsg, nullptr);
    EXPECT_STREQ(pMain->GetText(2), L"立即安装");
    EXPECT_STREQ(pMsg->GetText(1), L"提示");
    // The names are still remembered: no second package after the reload either.
    EXPECT_EQ(manager.AddPackage(L"MainFrame.xml"), nullptr);

    // A text taken before a reload is a copy and survives it.
    CUIString sKept = pMain->GetText(2);
    manager.ReloadLanguage();
    EXPECT_STREQ(sKept, L"立即安装");
}

TEST_F(LangTest, StringTableFirstRecordWinsAndMissingIdsAreEmpty)
{
    Write(L"Lang\\English\\StringTable.lng",
          "<Language><String id=\"3\" text1=\"first\"/><String id=\"3\" text1=\"second\" text2=\"b\"/>"
          "<String text1=\"no id\"/><Text id=\"4\" text1=\"wrong element\"/></Language>");
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    EXPECT_STREQ(CLangManagerUI::GetString(3), L"first");
    EXPECT_STREQ(CLangManagerUI::GetStringExtra(3), L""); // absent text2 of the first record
    EXPECT_STREQ(CLangManagerUI::GetString(4), L"");
    EXPECT_STREQ(CLangManagerUI::GetString(99, L"default"), L"");
    EXPECT_STREQ(CLangManagerUI::GetStringExtra(99, L"default"), L"");

    // Switching to a folder without a table empties it rather than keeping the old texts.
    CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    EXPECT_STREQ(CLangManagerUI::GetString(3), L"");
}

// The three sources of a file: module resource, literal XML, skin file; broken input fails.
TEST_F(LangTest, LoadResourceSourcesAndBrokenInput)
{
    CLangPackageUI package;
    EXPECT_EQ(package.LoadResource(400u, L"LNG"), 1);
    EXPECT_STREQ(package.GetText(1), L"from resource");
    EXPECT_EQ(package.LoadResource(400u, nullptr), 0);
    EXPECT_EQ(package.LoadResource(401u, L"LNG"), 0);

    EXPECT_EQ(package.LoadResource(L"<Language><Text id=\"2\" text=\"literal\"/></Language>"), 1);
    EXPECT_STREQ(package.GetText(2), L"literal");

    EXPECT_EQ(package.LoadResource(L"<Language><Text id=\"3\" text=\"unclosed\""), 0);
    EXPECT_EQ(package.LoadResource(L"<Root><Text id=\"3\" text=\"wrong root\"/></Root>"), 0);
    EXPECT_STREQ(package.GetText(3), L"");
    EXPECT_EQ(package.LoadResource(L""), 0);
    EXPECT_EQ(package.LoadResource(static_cast<const wchar_t*>(nullptr)), 0);
    EXPECT_EQ(package.LoadResource(L"missing.lng"), 0);

    Write(L"broken.lng", "<Language><Text id=\"9\" text=\"a\"/>\n<Text id=\"10\" text=\"\xff\xfe");
    EXPECT_EQ(package.LoadResource(L"broken.lng"), 0);
    Write(L"empty.lng", "");
    EXPECT_EQ(package.LoadResource(L"empty.lng"), 0);

    // Earlier texts are untouched by the failures; ResetResource clears all three kinds.
    EXPECT_STREQ(package.GetText(1), L"from resource");
    EXPECT_EQ(package.AddToolTip(1, L"tip"), 1);
    EXPECT_EQ(package.AddToolTip(1, L"again"), 0);
    EXPECT_EQ(package.AddTipValue(1, nullptr), 1);
    package.ResetResource();
    EXPECT_STREQ(package.GetText(1), L"");
    EXPECT_STREQ(package.GetToolTip(1), L"");
    EXPECT_EQ(package.AddText(1, L"new"), 1);
}

// Bounded mutation run: damaged package and string-table files never crash, and whatever
// loads still answers lookups.
TEST_F(LangTest, MutatedFilesNeverCrash)
{
    const std::string base =
        std::string(kMainEnglish) + "<Language><String id=\"1\" text1=\"a\" text2=\"b\"/></Language>";
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    unsigned int seed = 12345;
    auto next = [&seed]()
    {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    const char alphabet[] = "<>/=\"' \n&;#xX0123456789TextidLanguageString\xc3\xa9\xff\x00";
    int loaded = 0;
    for (int run = 0; run < 120; ++run)
    {
        std::string bytes = base;
        const int edits = 1 + next() % 6;
        for (int e = 0; e < edits && !bytes.empty(); ++e)
        {
            size_t pos = next() % bytes.size();
            switch (next() % 3)
            {
            case 0:
                bytes[pos] = alphabet[next() % (sizeof(alphabet) - 1)];
                break;
            case 1:
                bytes.erase(pos, 1 + next() % 8);
                break;
            default:
                bytes.insert(pos, 1, alphabet[next() % (sizeof(alphabet) - 1)]);
                break;
            }
        }
        Write(L"Lang\\English\\Mut.lng", bytes);
        Write(L"Lang\\English\\StringTable.lng", bytes);
        CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
        CLangManagerUI manager;
        CLangPackageUI* pPackage = manager.AddPackage(L"Mut.xml");
        ASSERT_NE(pPackage, nullptr) << "run " << run;
        for (int id = -1; id < 14; ++id)
        {
            pPackage->GetText(id);
            pPackage->GetToolTip(id);
            pPackage->GetTipValue(id);
            CLangManagerUI::GetString(id);
        }
        if (!pPackage->GetText(2).IsEmpty())
            ++loaded;
        manager.ReloadLanguage();
    }
    // Some damage is harmless: a run where nothing ever loads would mean the reader is broken.
    EXPECT_GT(loaded, 0);
}
