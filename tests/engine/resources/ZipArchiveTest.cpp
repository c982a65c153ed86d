// The archive reader on its own (lookup rules, statuses, hostile archives) and the resource
// reader that reads through the process-wide archive and folder settings.
#include "ResourceTestSupport.h"

#include <memory>
#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/tagTDrawInfo.h"
#include "engine/resources/CImageLoader.h"
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
    // No archive, rather than one that claims members none of which can be found.
    for (const wchar_t* name : {L"truncated_eocd.zip", L"bad_cd_offset.zip", L"cd_size_short.zip"})
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

// Archives written by other archivers (Info-ZIP, 7-Zip, bsdtar, Python) at build time.
const wchar_t* const kTools[] = {L"infozip", L"7z", L"bsdtar"};

std::wstring ToolArchive(const wchar_t* tool, const wchar_t* kind)
{
    return std::wstring(L"tool_") + tool + kind + L".zip";
}

std::string StoredPayload()
{
    std::string s;
    for (int i = 0; i < 100; ++i)
        s += static_cast<char>((i * 37 + 11) & 0xFF);
    return s;
}

TEST(ZipArchiveFromTools, EncryptedMembersReadWholeAndInPart)
{
    const std::string stored = StoredPayload();
    const std::string packed = Repeat("packed and encrypted ", 40);
    for (const wchar_t* tool : kTools)
    {
        std::vector<BYTE> data = ReadData(ToolArchive(tool, L"_enc_stored").c_str());
        std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(data.data(), data.size(), "s3cret"));
        ASSERT_TRUE(zip) << tool;
        TUnzipped whole = Unzip(*zip, L"stored.bin");
        EXPECT_EQ(CZipArchive::ZR_OK, whole.status) << tool;
        EXPECT_EQ(stored, whole.text) << tool;
        // Every buffer short of the member is "more" with the bytes so far, in particular the
        // one exactly as short as the 12-byte encryption header; a larger one is complete.
        for (DWORD size : {1u, 87u, 88u, 89u, 99u})
        {
            TUnzipped part = Unzip(*zip, L"stored.bin", size);
            EXPECT_EQ(CZipArchive::ZR_MORE, part.status) << tool << " buffer " << size;
            EXPECT_EQ(stored.substr(0, size), part.text) << tool << " buffer " << size;
        }
        TUnzipped roomy = Unzip(*zip, L"stored.bin", 150);
        EXPECT_EQ(CZipArchive::ZR_OK, roomy.status) << tool;
        EXPECT_EQ(stored, roomy.text.substr(0, 100)) << tool;

        std::vector<BYTE> deflated = ReadData(ToolArchive(tool, L"_enc_deflated").c_str());
        std::unique_ptr<CZipArchive> dzip(
            CZipArchive::OpenMemory(deflated.data(), deflated.size(), "s3cret"));
        ASSERT_TRUE(dzip) << tool;
        EXPECT_EQ(packed, Unzip(*dzip, L"packed.txt").text) << tool;
        TUnzipped dpart = Unzip(*dzip, L"packed.txt", static_cast<DWORD>(packed.size() - 12));
        EXPECT_EQ(CZipArchive::ZR_MORE, dpart.status) << tool;
        EXPECT_EQ(packed.substr(0, packed.size() - 12), dpart.text) << tool;
    }
}

TEST(ZipArchiveFromTools, EndRecordCutShortDoesNotOpen)
{
    const std::string packed = Repeat("packed and encrypted ", 40);
    for (const wchar_t* kind : {L"infozip", L"infozip_comment", L"7z", L"bsdtar", L"python"})
    {
        std::vector<BYTE> data = ReadData(ToolArchive(kind, L"").c_str());
        ASSERT_GT(data.size(), 22u) << kind;
        std::unique_ptr<CZipArchive> whole(CZipArchive::OpenMemory(data.data(), data.size(), nullptr));
        ASSERT_TRUE(whole) << kind;
        EXPECT_EQ(2, whole->GetItemCount()) << kind;
        EXPECT_EQ(StoredPayload(), Unzip(*whole, L"stored.bin").text) << kind;
        EXPECT_EQ(packed, Unzip(*whole, L"packed.txt").text) << kind;

        // Bytes after a complete record (a signature block, padding) are no cut.
        std::vector<BYTE> padded = data;
        padded.insert(padded.end(), 5, 0);
        std::unique_ptr<CZipArchive> tail(CZipArchive::OpenMemory(padded.data(), padded.size(), nullptr));
        ASSERT_TRUE(tail) << kind;
        EXPECT_EQ(packed, Unzip(*tail, L"packed.txt").text) << kind;

        // Cut anywhere from the record's signature to the last byte of its comment: no archive.
        size_t record = data.size() - 22;
        while (record > 0 && !(data[record] == 'P' && data[record + 1] == 'K' && data[record + 2] == 5 &&
                               data[record + 3] == 6))
            --record;
        ASSERT_GT(record, 0u) << kind;
        for (size_t cut = record; cut < data.size(); ++cut)
        {
            std::vector<BYTE> shortened(data.begin(), data.begin() + cut);
            std::unique_ptr<CZipArchive> zip(CZipArchive::OpenMemory(shortened.data(), cut, nullptr));
            EXPECT_FALSE(zip) << kind << " cut to " << cut << " of " << data.size();
        }
    }
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

// The installer runs from a download folder other programs write into: a file planted in the
// current directory must never stand in for a missing member, a missing DPI variant or a
// relative resource folder.
TEST_F(ResourceReader, NothingIsReadFromTheCurrentFolder)
{
    ResourceTest::CPlantedCurrentFolder planted;
    ASSERT_TRUE(planted.Plant(L"planted.png", L"opaque.png"));
    ASSERT_TRUE(planted.Plant(L"page_home@115.png", L"opaque.png"));
    ASSERT_TRUE(planted.Plant(L"plain_file.txt", L"plain_file.txt"));
    ASSERT_TRUE(planted.Plant(L"skin.zip", L"skin.zip"));
    CByteBuffer out;
    ASSERT_EQ(CResourceReader::READ_OK, CResourceReader::ReadFile(planted.Path(L"planted.png").c_str(), out));
    EXPECT_EQ(CResourceReader::READ_NOT_QUALIFIED, CResourceReader::ReadFile(L"planted.png", out));
    EXPECT_EQ(CResourceReader::READ_NOT_QUALIFIED, CResourceReader::ReadFile(L".\\planted.png", out));
    EXPECT_EQ(CResourceReader::READ_NOT_QUALIFIED, CResourceReader::ReadFile(L"\\planted.png", out));

    // No archive and no resource folder, or a relative one: not the current directory.
    EXPECT_EQ(CResourceReader::READ_NOT_QUALIFIED, CResourceReader::ReadSkinResource(L"plain_file.txt", out));
    CPaintManagerUI::SetResourcePath(L".");
    EXPECT_EQ(CResourceReader::READ_NOT_QUALIFIED, CResourceReader::ReadSkinResource(L"plain_file.txt", out));
    // An archive named relative to an empty resource folder is not opened from here either.
    CPaintManagerUI::SetResourcePath(L"");
    CPaintManagerUI::SetResourceZip(L"skin.zip", true, nullptr);
    EXPECT_EQ(nullptr, CPaintManagerUI::GetResourceZipHandle());
    EXPECT_EQ(CResourceReader::READ_NO_ARCHIVE, CResourceReader::ReadSkinResource(L"stored.txt", out));
    CPaintManagerUI::SetResourceZip(L"skin.zip", false, nullptr);
    EXPECT_EQ(CResourceReader::READ_NO_ARCHIVE, CResourceReader::ReadSkinResource(L"stored.txt", out));
    CPaintManagerUI::SetResourceZip(L"", false, nullptr);

    // The installer's set-up: a memory archive. A member it lacks is not taken from here.
    static std::vector<BYTE> zip = ReadData(L"skin.zip");
    CPaintManagerUI::SetResourceZip(zip.data(), zip.size(), L"");
    EXPECT_NE(CResourceReader::READ_OK, CResourceReader::ReadImageOrFont(L"planted.png", out));
    EXPECT_EQ(nullptr, CImageLoader::LoadImage(L"planted.png"));
    EXPECT_EQ(nullptr, CImageLoader::LoadImage(L"planted.png", L"PNG"));
    CPaintManagerUI manager;
    EXPECT_EQ(nullptr, manager.GetImageEx(L"planted.png"));
    // At 115 % the "@115." variant exists only here: the description keeps the archive's image.
    manager.GetDPIObj()->SetScale(110);
    tagTDrawInfo* pDraw = manager.GetDrawInfo(L"file='page_home.png'", L"");
    ASSERT_NE(nullptr, pDraw);
    EXPECT_EQ(std::wstring(L"page_home.png"), pDraw->m_sImageName.GetData());

    // A fully qualified name is still read as the path it names.
    EXPECT_EQ(CResourceReader::READ_OK,
              CResourceReader::ReadImageOrFont(planted.Path(L"planted.png").c_str(), out));
}

TEST(ResourcePaths, FullyQualifiedMeansIndependentOfTheCurrentDirectory)
{
    for (const wchar_t* path : {L"C:\\skin\\a.png", L"c:/a.png", L"\\\\server\\share\\a.png", L"//server/a"})
        EXPECT_TRUE(CResourceReader::IsFullyQualifiedPath(path)) << path;
    for (const wchar_t* path : {L"a.png", L"skin\\a.png", L".\\a.png", L"..\\a.png", L"\\a.png", L"/a.png",
                                L"C:a.png", L"C:", L"\\\\", L"", L"1:\\a.png"})
        EXPECT_FALSE(CResourceReader::IsFullyQualifiedPath(path)) << path;
    EXPECT_FALSE(CResourceReader::IsFullyQualifiedPath(nullptr));
}
