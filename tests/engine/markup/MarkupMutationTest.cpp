// Bounded mutation run over skin files: bytes flipped, cut, repeated and markup characters
// inserted, and attribute values replaced by hostile texts. Every build must end without a
// crash; whatever tree comes back is deleted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/markup/CDialogBuilder.h"
#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceReader.h"
#include "tests/engine/markup/MarkupTestSupport.h"

using namespace SkinUI;
using MarkupTest::CMarkupTest;
using MarkupTest::CWindowedManager;

namespace
{

struct CRandom
{
    unsigned int state;
    unsigned int Next(unsigned int n)
    {
        state = state * 1103515245u + 12345u;
        return n == 0 ? 0 : (state >> 8) % n;
    }
};

std::string ReadMember(const wchar_t* pstrName)
{
    CByteBuffer data;
    if (CResourceReader::ReadFromArchive(pstrName, data) != CResourceReader::READ_OK)
        return std::string();
    return std::string(reinterpret_cast<const char*>(data.GetData()), data.GetSize());
}

void BuildBytes(CPaintManagerUI* pManager, const std::string& bytes)
{
    CDialogBuilder builder;
    if (!builder.GetMarkup()->load_buffer(bytes.data(), bytes.size()))
        return;
    delete builder.Create(nullptr, pManager, nullptr, nullptr);
}

} // namespace

TEST_F(CMarkupTest, MutatedSkinBytesNeverCrash)
{
    CWindowedManager w;
    const wchar_t* members[] = {L"MainFrame.xml", L"sub/Row.xml", L"MissingInclude.xml", L"Bench.xml"};
    const char inserts[] = "<>\"'&/=!?[]- \0\xff";
    CRandom rnd = {20261209u};
    int built = 0;
    for (const wchar_t* pstrMember : members)
    {
        const std::string original = ReadMember(pstrMember);
        ASSERT_FALSE(original.empty());
        for (int round = 0; round < 60; ++round)
        {
            std::string s = original;
            int edits = 1 + rnd.Next(6);
            for (int e = 0; e < edits && !s.empty(); ++e)
            {
                size_t pos = rnd.Next(static_cast<unsigned int>(s.size()));
                switch (rnd.Next(4))
                {
                case 0:
                    s[pos] = static_cast<char>(rnd.Next(256));
                    break;
                case 1:
                    s.resize(pos);
                    break;
                case 2:
                    s.insert(pos, 1, inserts[rnd.Next(sizeof(inserts) - 1)]);
                    break;
                default:
                    s.insert(pos, s.substr(rnd.Next(static_cast<unsigned int>(s.size())), 1 + rnd.Next(40)));
                    break;
                }
            }
            BuildBytes(&w.manager, s);
            ++built;
        }
    }
    EXPECT_EQ(240, built);
}

TEST_F(CMarkupTest, HostileAttributeValuesNeverCrash)
{
    CWindowedManager w;
    const char* hostile[] = {"",          "-99999999999", "99999999999,99999999999",
                             "#",         "0x",           "%s%s%n%d",
                             "1,2,3",     "-1,-1,-1,-1",  ",,,",
                             "opt_style", "sub/Row.xml",  "Self.xml",
                             "0",         "-5",           "2147483647"};
    const std::string original = ReadMember(L"MainFrame.xml");
    ASSERT_FALSE(original.empty());
    CRandom rnd = {7u};
    for (int round = 0; round < 120; ++round)
    {
        std::string s = original;
        // Replace the value after a random '="' with a hostile text.
        for (int e = 0; e < 4; ++e)
        {
            size_t pos = s.find("=\"", rnd.Next(static_cast<unsigned int>(s.size())));
            if (pos == std::string::npos)
                continue;
            size_t end = s.find('"', pos + 2);
            if (end == std::string::npos)
                continue;
            s.replace(pos + 2, end - pos - 2, hostile[rnd.Next(sizeof(hostile) / sizeof(hostile[0]))]);
        }
        BuildBytes(&w.manager, s);
    }
    // A long text value and a long element name.
    BuildBytes(&w.manager, "<Window><Control text=\"" + std::string(100000, 'x') + "\"/><" +
                               std::string(5000, 'N') + "/></Window>");
    SUCCEED();
}
