// The archive reader on its own (lookup rules, statuses, hostile archives) and the resource
// reader that reads through the process-wide archive and folder settings.
#include "ResourceTestSupport.h"

#include <memory>
#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CResourceReader.h"
#include "engine/resources/CZipArchive.h"

using namespace SkinUI;
using ResourceTest::DataDir;
using ResourceTest::DataPath;
using ResourceTest::ReadData;

namespace
{

struct TUnzipped
{
    DWORD status = 0xFFFFFFFF;
    std::string text;
};

TUnzipped Unzip(CZipArchive& zip, const wchar_t* name, DWORD bufferSize = 0)
{
    TUnzipped result;
    tagTZipEntry entry = {};
    result.status = zip.FindItem(name, &entry);
    if (result.status != CZipArchive::ZR_OK)
        return result;
    DWORD size = bufferSize != 0 ? bufferSize : entry.dwUncompressedSize;
    std::string buffer(size, '\0');
    result.status = zip.UnzipItem(entry.index, &buffer[0], size);
    result.text = buffer;
    return result;
}

std::string Repeat(const char* text, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += text;
    return s;
}

std::string AsText(const CByteBuffer& buffer)
{
    return std::string(reinterpret_cast<const char*>(buffer.GetData()), buffer.GetSize());
}

} // namespace

TEST(ZipArchive, UnpacksStoredAndDeflatedMembers)
{
    std::vector<BYTE> data = ReadData(L"skin.zip");
    std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(data.data(), data.size(), nullptr));
    ASSERT_TRUE(zip);
    EXPECT_EQ(14, zip->GetItemCount());

    TUnzipped stored = Unzip(*zip, L"stored.txt");
    EXPECT_EQ(CZipArchive::ZR_OK, stored.status);
    EXPECT_EQ("stored member", stored.text);
    TUnzipped deflated = Unzip(*zip, L"deflated.txt");
    EXPECT_EQ(CZipArchive::ZR_OK, deflated.status);
    EXPECT_EQ(Repeat("deflated member ", 64), deflated.text);

    // A buffer that ends before the member does: "more", with the first bytes filled.
    TUnzipped partial = Unzip(*zip, L"deflated.txt", 8);
    EXPECT_EQ(CZipArchive::ZR_MORE, partial.status);
    EXPECT_EQ("deflated", partial.text);
    EXPECT_TRUE(CZipArchive::IsUnzipSuccess(CZipArchive::ZR_MORE));
    EXPECT_FALSE(CZipArchive::IsUnzipSuccess(CZipArchive::ZR_NOTFOUND));

    // Going back to an earlier member after a later one still works.
    EXPECT_EQ("stored member", Unzip(*zip, L"stored.txt").text);
}

TEST(ZipArchive, LookupRules)
{
    std::vector<BYTE> data = ReadData(L"skin.zip");
    std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(data.data(), data.size(), nullptr));
    ASSERT_TRUE(zip);
    tagTZipEntry entry = {};
    EXPECT_EQ(CZipArchive::ZR_OK, zip->FindItem(L"PAGE_HOME.PNG", &entry));
    EXPECT_EQ(1, entry.index);
    EXPECT_EQ(CZipArchive::ZR_OK, zip->FindItem(L"IMG/opaque.png", &entry));
    EXPECT_EQ(2, entry.index);
    EXPECT_EQ("utf-8 name", Unzip(*zip, L"\u4e2d\u6587/\u56fe\u7247.txt").text);

    // Case folding covers ASCII letters only.
    EXPECT_EQ("non-ascii upper", Unzip(*zip, L"\u00c4RGER.TXT").text);
    EXPECT_EQ(CZipArchive::ZR_NOTFOUND, zip->FindItem(L"\u00e4rger.txt", &entry));

    // 255 bytes are found, 256 bytes never, even though the member exists.
    std::wstring n255 = std::wstring(251, L'n') + L".txt";
    std::wstring n256 = std::wstring(252, L'm') + L".txt";
    EXPECT_EQ("255 bytes", Unzip(*zip, n255.c_str()).text);
    EXPECT_EQ(CZipArchive::ZR_NOTFOUND, zip->FindItem(n256.c_str(), &entry));

    // First match wins among names that differ only in case.
    EXPECT_EQ("first", Unzip(*zip, L"case.txt").text);
    EXPECT_EQ("first", Unzip(*zip, L"CASE.TXT").text);

    EXPECT_EQ(CZipArchive::ZR_NOTFOUND, zip->FindItem(L"missing.png", &entry));
    EXPECT_EQ(CZipArchive::ZR_NOTFOUND, zip->FindItem(L"", &entry));
    EXPECT_EQ(CZipArchive::ZR_ARGS, zip->FindItem(nullptr, &entry));
    // The reader itself does not rewrite separators; the resource reader does.
    EXPECT_EQ(CZipArchive::ZR_NOTFOUND, zip->FindItem(L"img\\Opaque.png", &entry));
}

TEST(ZipArchive, TraditionalEncryption)
{
    std::vector<BYTE> data = ReadData(L"encrypted.zip");
    std::unique_ptr<CZipArchive> good(CZipArchive::OpenMemory(data.data(), data.size(), "s3cret"));
    ASSERT_TRUE(good);
    TUnzipped deflated = Unzip(*good, L"secret.txt");
    EXPECT_EQ(CZipArchive::ZR_OK, deflated.status);
    EXPECT_EQ(Repeat("the secret text ", 32), deflated.text);
    TUnzipped stored = Unzip(*good, L"plain.txt");
    EXPECT_EQ(CZipArchive::ZR_OK, stored.status);
    EXPECT_EQ("short", stored.text);

    std::unique_ptr<CZipArchive> wrong(CZipArchive::OpenMemory(data.data(), data.size(), "guess"));
    ASSERT_TRUE(wrong);
    EXPECT_EQ(CZipArchive::ZR_PASSWORD, Unzip(*wrong, L"secret.txt").status);
    EXPECT_EQ(CZipArchive::ZR_PASSWORD, Unzip(*wrong, L"plain.txt").status);

    std::unique_ptr<CZipArchive> none(CZipArchive::OpenMemory(data.data(), data.size(), ""));
    ASSERT_TRUE(none);
    EXPECT_EQ(CZipArchive::ZR_PASSWORD, Unzip(*none, L"secret.txt").status);
}

TEST(ZipArchive, HostileArchivesFailCleanly)
{
    for (const wchar_t* name : {L"truncated_eocd.zip", L"bad_cd_offset.zip"})
    {
        std::vector<BYTE> data = ReadData(name);
        ASSERT_FALSE(data.empty()) << name;
        std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(data.data(), data.size(), nullptr));
        EXPECT_FALSE(zip) << name;
    }
    // Archives that open but whose members cannot be trusted: every unpack fails.
    for (const wchar_t* name :
         {L"bad_local_offset.zip", L"size_smaller.zip", L"size_larger.zip", L"csize_huge.zip"})
    {
        std::vector<BYTE> data = ReadData(name);
        std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(data.data(), data.size(), nullptr));
        ASSERT_TRUE(zip) << name;
        for (const wchar_t* member : {L"page_home.png", L"stored.txt", L"deflated.txt"})
        {
            TUnzipped result = Unzip(*zip, member);
            EXPECT_FALSE(CZipArchive::IsUnzipSuccess(result.status)) << name << " " << member;
        }
    }
    std::vector<BYTE> corrupt = ReadData(L"data_corrupt.zip");
    std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(corrupt.data(), corrupt.size(), nullptr));
    ASSERT_TRUE(zip);
    EXPECT_FALSE(CZipArchive::IsUnzipSuccess(Unzip(*zip, L"deflated.txt").status));
    EXPECT_FALSE(CZipArchive::IsUnzipSuccess(Unzip(*zip, L"stored.txt").status));

    // Half an archive: the central directory is gone.
    std::vector<BYTE> half = ReadData(L"truncated_half.zip");
    std::unique_ptr<CZipArchive> cut(CZipArchive::OpenMemory(half.data(), half.size(), nullptr));
    EXPECT_FALSE(cut);

    // The bomb declares 1000 bytes and holds 64 MiB of zeros: only the declared size is
    // produced, and its checksum gives it away.
    std::vector<BYTE> bomb = ReadData(L"bomb.zip");
    std::unique_ptr<CZipArchive> bombZip(CZipArchive::OpenMemory(bomb.data(), bomb.size(), nullptr));
    ASSERT_TRUE(bombZip);
    TUnzipped bombed = Unzip(*bombZip, L"bomb.bin");
    EXPECT_EQ(1000u, bombed.text.size());
    EXPECT_EQ(CZipArchive::ZR_CORRUPT, bombed.status);

    EXPECT_FALSE(CZipArchive::OpenMemory(nullptr, 10, nullptr));
    EXPECT_FALSE(CZipArchive::OpenMemory("PK", 0, nullptr));
    EXPECT_FALSE(CZipArchive::OpenMemory("not an archive at all", 21, nullptr));
}

TEST(ZipArchive, OpensFiles)
{
    std::unique_ptr<CZipArchive> zip(CZipArchive::OpenFile(DataPath(L"skin.zip").c_str(), nullptr));
    ASSERT_TRUE(zip);
    EXPECT_EQ(Repeat("deflated member ", 64), Unzip(*zip, L"deflated.txt").text);
    EXPECT_FALSE(CZipArchive::OpenFile(DataPath(L"no_such.zip").c_str(), nullptr));
    EXPECT_FALSE(CZipArchive::OpenFile(DataPath(L"plain_file.txt").c_str(), nullptr));
}

class ResourceReader : public ResourceTest::CResourceTest
{
};

TEST_F(ResourceReader, MemoryArchiveBackslashNamesAndFirstArchiveWins)
{
    static std::vector<BYTE> first = ReadData(L"skin.zip");
    static std::vector<BYTE> second = ReadData(L"second.zip");
    CPaintManagerUI::SetResourceZip(first.data(), first.size(), L"");
    EXPECT_EQ(std::wstring(L"membuffer"), CPaintManagerUI::GetResourceZip().GetData());
    EXPECT_TRUE(CPaintManagerUI::IsCachedResourceZip());
    CZipArchive* pHandle = CPaintManagerUI::GetResourceZipHandle();
    ASSERT_NE(nullptr, pHandle);

    CByteBuffer out;
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"img\\Opaque.png", out));
    EXPECT_EQ(ReadData(L"opaque.png").size(), out.GetSize());

    // The installer's window repeats the call with its own copy: nothing changes.
    CPaintManagerUI::SetResourceZip(second.data(), second.size(), nullptr);
    EXPECT_EQ(pHandle, CPaintManagerUI::GetResourceZipHandle());
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"stored.txt", out));
    EXPECT_EQ("stored member", AsText(out));
    EXPECT_EQ(CResourceReader::READ_NOT_IN_ARCHIVE,
              CResourceReader::ReadSkinResource(L"only_second.txt", out));
    EXPECT_EQ(CResourceReader::READ_EMPTY, CResourceReader::ReadSkinResource(L"empty.txt", out));

    // Images and fonts fall back to the name as a path; skin files do not.
    std::wstring plain = DataPath(L"plain_file.txt");
    EXPECT_EQ(CResourceReader::READ_NOT_IN_ARCHIVE, CResourceReader::ReadSkinResource(plain.c_str(), out));
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadImageOrFont(plain.c_str(), out));
    EXPECT_EQ("plain file", AsText(out));
}

TEST_F(ResourceReader, EncryptedMemoryArchiveUsesThePassword)
{
    static std::vector<BYTE> data = ReadData(L"encrypted.zip");
    CPaintManagerUI::SetResourceZip(data.data(), data.size(), L"s3cret");
    CByteBuffer out;
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"secret.txt", out));
    EXPECT_EQ(Repeat("the secret text ", 32), AsText(out));
}

TEST_F(ResourceReader, FileArchiveCachedOrPerRead)
{
    CPaintManagerUI::SetResourcePath(DataDir().c_str());
    CPaintManagerUI::SetResourceZip(L"skin.zip", false, nullptr);
    EXPECT_EQ(nullptr, CPaintManagerUI::GetResourceZipHandle());
    CByteBuffer out;
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"Lang\\English", out));
    EXPECT_EQ("<Res/>", AsText(out));

    CPaintManagerUI::SetResourceZip(L"skin.zip", true, nullptr);
    EXPECT_NE(nullptr, CPaintManagerUI::GetResourceZipHandle());
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"stored.txt", out));

    CPaintManagerUI::SetResourceZip(L"no_such.zip", false, nullptr);
    EXPECT_EQ(CResourceReader::READ_NO_ARCHIVE, CResourceReader::ReadSkinResource(L"stored.txt", out));
}

TEST_F(ResourceReader, SkinFileLimitRefusesLargeMembersBeforeAllocating)
{
    CPaintManagerUI::SetResourcePath(DataDir().c_str());
    CPaintManagerUI::SetResourceZip(L"big.zip", true, nullptr);
    CByteBuffer out;
    EXPECT_EQ(CResourceReader::READ_TOO_LARGE,
              CResourceReader::ReadSkinResource(L"big.xml", out, CResourceReader::MAX_SKIN_FILE_SIZE));
    EXPECT_EQ(0u, out.GetSize());
    EXPECT_EQ(CResourceReader::READ_OK,
              CResourceReader::ReadSkinResource(L"small.xml", out, CResourceReader::MAX_SKIN_FILE_SIZE));
    // The same member within a larger limit.
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"big.xml", out));
    EXPECT_EQ(5u * 1024 * 1024, out.GetSize());
}

TEST_F(ResourceReader, PlainFilesUnderTheResourceFolder)
{
    std::wstring dir = DataDir();
    CPaintManagerUI::SetResourcePath(dir.substr(0, dir.size() - 1).c_str());
    EXPECT_EQ(dir, CPaintManagerUI::GetResourcePath().GetData());
    CPaintManagerUI::SetResourcePath(dir.c_str());
    EXPECT_EQ(dir, CPaintManagerUI::GetResourcePath().GetData());
    CPaintManagerUI::SetResourcePath(L"C:/skins");
    EXPECT_EQ(std::wstring(L"C:/skins\\"), CPaintManagerUI::GetResourcePath().GetData());
    CPaintManagerUI::SetResourcePath(dir.c_str());

    CByteBuffer out;
    EXPECT_EQ(CResourceReader::READ_OK, CResourceReader::ReadSkinResource(L"plain_file.txt", out));
    EXPECT_EQ("plain file", AsText(out));
    EXPECT_EQ(CResourceReader::READ_OPEN_FAILED, CResourceReader::ReadSkinResource(L"nothing", out));
    EXPECT_EQ(CResourceReader::READ_TOO_LARGE, CResourceReader::ReadSkinResource(L"plain_file.txt", out, 4));
}
