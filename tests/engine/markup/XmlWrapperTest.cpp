// The XML wrappers: skin value conversions, encoding detection, the parse options, load
// failures with their reasons, the size limit, archive member names, and the resource index
// read through a node.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/markup/CXmlDocumentUI.h"
#include "engine/resources/CResourceManager.h"
#include "tests/engine/markup/MarkupTestSupport.h"
#include "tests/support/ExeFolder.h"

using namespace SkinUI;
using MarkupTest::CMarkupTest;

namespace
{

CXmlAttributeUI Attr(CXmlDocumentUI& doc, const wchar_t* pstrName)
{
    return doc.first_element().attribute(pstrName);
}

} // namespace

TEST(XmlValues, IntegersClampAndReadHex)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<a i1='  -12' i2='0x1F' i3='99999999999' i4='-99999999999' i5='abc'"
                                L" u1='4294967296' u2='-5' f='2.5'/>"));
    EXPECT_EQ(-12, Attr(doc, L"i1").as_int());
    EXPECT_EQ(31, Attr(doc, L"i2").as_int());
    EXPECT_EQ(INT_MAX, Attr(doc, L"i3").as_int());
    EXPECT_EQ(INT_MIN, Attr(doc, L"i4").as_int());
    EXPECT_EQ(0, Attr(doc, L"i5").as_int(7));
    EXPECT_EQ(7, Attr(doc, L"missing").as_int(7));
    EXPECT_EQ(4294967295u, Attr(doc, L"u1").as_uint());
    EXPECT_DOUBLE_EQ(2.5, Attr(doc, L"f").as_double());
}

TEST(XmlValues, BooleansByFirstCharacter)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<a t='true' y='Yes' one='1' f='false' e='' n='no'/>"));
    EXPECT_TRUE(Attr(doc, L"t").as_bool());
    EXPECT_TRUE(Attr(doc, L"y").as_bool());
    EXPECT_TRUE(Attr(doc, L"one").as_bool());
    EXPECT_FALSE(Attr(doc, L"f").as_bool(true));
    EXPECT_FALSE(Attr(doc, L"e").as_bool(true));
    EXPECT_FALSE(Attr(doc, L"n").as_bool());
    EXPECT_TRUE(Attr(doc, L"missing").as_bool(true));
}

TEST(XmlValues, ColoursWithHashOrPrefix)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<a h='#FF444444' x='0xFF444444' w='0xFFFFFFFF' six='0xDCDCDC' sp=' \t#12'"
                                L" bad='zz'/>"));
    EXPECT_EQ(0xFF444444u, Attr(doc, L"h").as_uicolor());
    EXPECT_EQ(Attr(doc, L"h").as_uicolor(), Attr(doc, L"x").as_uicolor());
    EXPECT_EQ(0xFFFFFFFFu, Attr(doc, L"w").as_uicolor());
    EXPECT_EQ(0x00DCDCDCu, Attr(doc, L"six").as_uicolor()); // alpha 0
    EXPECT_EQ(0x12u, Attr(doc, L"sp").as_uicolor());
    EXPECT_EQ(0u, Attr(doc, L"bad").as_uicolor());
    EXPECT_EQ(0u, Attr(doc, L"missing").as_uicolor(0xFF000000)); // no colour, whatever the default
}

TEST(XmlValues, SizesAndRectanglesFallBackToDefaults)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<a s='600,400' r='1,2,3,4' bad='' x='x'/>"));
    CUISize sz = Attr(doc, L"s").as_size(CUISize(1, 1));
    EXPECT_EQ(600, sz.cx);
    EXPECT_EQ(400, sz.cy);
    CUISize def = Attr(doc, L"bad").as_size(CUISize(5, 6));
    EXPECT_EQ(5, def.cx);
    EXPECT_EQ(6, def.cy);
    CUISize zero = Attr(doc, L"x").as_size(CUISize(5, 6)); // unreadable fields are 0
    EXPECT_EQ(0, zero.cx);
    CUIRect rc = Attr(doc, L"r").as_rect();
    EXPECT_EQ(1, rc.left);
    EXPECT_EQ(4, rc.bottom);
    CUIRect rcDef = Attr(doc, L"missing").as_rect(CUIRect(9, 9, 9, 9));
    EXPECT_EQ(9, rcDef.top);
}

TEST(XmlParse, FullOptionsKeepEveryNodeKind)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<?xml version='1.0'?><!DOCTYPE w><?pi data?><!--c-->"
                                L"<w a='x&quot;y' t='a\tb'>line1\r\nline2<![CDATA[<raw>]]></w>"));
    CXmlNodeUI n = doc.first_child();
    EXPECT_EQ(node_declaration_ui, n.type());
    EXPECT_EQ(node_doctype_ui, (n = n.next_sibling()).type());
    EXPECT_EQ(node_pi_ui, (n = n.next_sibling()).type());
    EXPECT_EQ(node_comment_ui, (n = n.next_sibling()).type());
    EXPECT_STREQ(L"c", n.value().GetData());
    CXmlNodeUI w = n.next_sibling();
    EXPECT_EQ(node_element_ui, w.type());
    EXPECT_EQ(w, doc.first_element());
    EXPECT_STREQ(L"x\"y", w.attribute(L"a").value().GetData()); // escapes resolved
    EXPECT_STREQ(L"a b", w.attribute(L"t").value().GetData());  // attribute white space converted
    EXPECT_STREQ(L"line1\nline2", w.first_child().value().GetData());
    EXPECT_EQ(node_cdata_ui, w.last_child().type());
    EXPECT_STREQ(L"<raw>", w.last_child().value().GetData());
    // Names match with exact case.
    EXPECT_TRUE(w.attribute(L"A").empty());
    EXPECT_TRUE(doc.child(L"W").empty());
    EXPECT_FALSE(doc.child(L"w").empty());
    EXPECT_TRUE(w.name_is_nocase(L"W"));
}

TEST(XmlParse, MalformedTextKeepsTheParserReason)
{
    CXmlDocumentUI doc;
    EXPECT_FALSE(doc.load_string(L"<a><b></a>"));
    EXPECT_STREQ(L"Start-end tags mismatch", doc.GetError());
    EXPECT_TRUE(doc.empty()); // no half-built tree is handed out
    EXPECT_FALSE(doc.load_string(L"<!-- nothing -->"));
    EXPECT_STREQ(L"No document element found", doc.GetError());
    EXPECT_FALSE(doc.load_buffer("<a b=>", 6));
    EXPECT_STREQ(L"Error parsing element attribute", doc.GetError());
    EXPECT_TRUE(doc.load_string(L"<ok/>"));
    EXPECT_STREQ(L"", doc.GetError());
}

TEST(XmlParse, EditAndSaveRoundTrip)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<Window/>"));
    CXmlNodeUI root = doc.first_element();
    CXmlNodeUI child = root.append_child(L"Label");
    child.append_attribute(L"text").set_value(L"\u5b89\u88c5");
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    std::wstring path = std::wstring(szTemp) + L"markup_roundtrip.xml";
    ASSERT_TRUE(doc.save_file(path.c_str()));
    CXmlDocumentUI again;
    CPaintManagerUI::SetResourcePath(szTemp);
    ASSERT_TRUE(again.load_file(L"markup_roundtrip.xml"));
    EXPECT_STREQ(L"\u5b89\u88c5", again.first_element().child(L"Label").attribute(L"text").value().GetData());
    ::DeleteFileW(path.c_str());
    CPaintManagerUI::SetResourcePath(L"");
}

TEST_F(CMarkupTest, XmlEncodingsAreDetected)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_file(L"Latin1.xml"));
    EXPECT_STREQ(L"caf\u00e9", doc.first_element().first_element().attribute(L"name").value().GetData());
    ASSERT_TRUE(doc.load_file(L"Utf16.xml"));
    EXPECT_STREQ(L"\u5b89\u88c5", doc.first_element().first_element().attribute(L"name").value().GetData());
    ASSERT_TRUE(doc.load_file(L"Utf16NoBom.xml"));
    EXPECT_STREQ(L"be", doc.first_element().first_element().attribute(L"name").value().GetData());
}

TEST_F(CMarkupTest, XmlArchiveLimitsAndReasons)
{
    CXmlDocumentUI doc;
    EXPECT_TRUE(doc.load_file(L"Exact.xml")); // 4,194,304 bytes: the largest accepted
    EXPECT_FALSE(doc.load_file(L"TooBig.xml"));
    EXPECT_STREQ(L"File too large", doc.GetError());
    EXPECT_FALSE(doc.load_file(L"Empty.xml"));
    EXPECT_STREQ(L"File is empty", doc.GetError());
    EXPECT_FALSE(doc.load_file(L"Nowhere.xml"));
    EXPECT_STREQ(L"Could not find ziped file", doc.GetError());
    EXPECT_FALSE(doc.load_file(L"Picture.xml")); // a member that is no XML
    EXPECT_FALSE(doc.load_file(L"Broken.xml"));
    EXPECT_STREQ(L"Start-end tags mismatch", doc.GetError());
    // Back-slashes name the folder, letter case does not matter.
    EXPECT_TRUE(doc.load_file(L"SUB\\row.XML"));
    EXPECT_TRUE(doc.load_file(L"mainframe.xml"));
}

TEST_F(CMarkupTest, XmlFolderReasons)
{
    CPaintManagerUI::Term(); // no archive: the resource folder
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    CPaintManagerUI::SetResourcePath(szTemp);
    std::wstring empty = std::wstring(szTemp) + L"markup_empty.xml";
    HANDLE h = ::CreateFileW(empty.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    ::CloseHandle(h);
    CXmlDocumentUI doc;
    EXPECT_FALSE(doc.load_file(L"markup_empty.xml"));
    EXPECT_STREQ(L"File is empty", doc.GetError());
    EXPECT_FALSE(doc.load_file(L"markup_not_there.xml"));
    EXPECT_STREQ(L"Error opening file", doc.GetError());
    ::DeleteFileW(empty.c_str());
}

TEST_F(CMarkupTest, XmlArchiveFileReasons)
{
    CPaintManagerUI::Term(); // an archive file under the resource folder, opened per read
    CPaintManagerUI::SetResourcePath(PathBesideExe(L"markup_data\\").c_str());
    CPaintManagerUI::SetResourceZip(L"missing.zip");
    CXmlDocumentUI doc;
    EXPECT_FALSE(doc.load_file(L"MainFrame.xml"));
    EXPECT_STREQ(L"Error opening zip file", doc.GetError());
    CPaintManagerUI::SetResourceZip(L"damaged.zip");
    EXPECT_FALSE(doc.load_file(L"Damaged.xml"));
    EXPECT_STREQ(L"Could not unzip file", doc.GetError());
    CPaintManagerUI::SetResourceZip(L"markup.zip");
    EXPECT_TRUE(doc.load_file(L"sub\\Row.xml"));
}

TEST_F(CMarkupTest, ResourceIndexFromANode)
{
    CXmlDocumentUI doc;
    ASSERT_TRUE(doc.load_string(L"<Root><Res><Xml id='main' path='MainFrame.xml'/><XML id='main' path='x'/>"
                                L"<image id='logo' path='a.png'/><Image id='nopath'/></Res></Root>"));
    CResourceManager* pRes = CResourceManager::GetInstance();
    EXPECT_TRUE(pRes->LoadResource(doc.first_element()));
    EXPECT_STREQ(L"MainFrame.xml", pRes->GetXmlPath(L"main")); // the first path stays
    EXPECT_STREQ(L"a.png", pRes->GetImagePath(L"logo"));
    EXPECT_EQ(nullptr, pRes->GetImagePath(L"nopath"));
    EXPECT_FALSE(pRes->LoadResource(CXmlNodeUI()));
}
