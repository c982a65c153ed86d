#include "engine/resources/CZipArchive.h"

#include <cstring>
#include <new>
#include <minizip/unzip.h>
#include <zlib.h>

// minizip's unzip is built without decryption (NOUNCRYPT); its crypt.h still carries the
// traditional PKWARE cipher, used here on the raw member data.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wregister"
#include <minizip/crypt.h>
#pragma GCC diagnostic pop

#include "engine/resources/CFileHandle.h"

namespace SkinUI
{

// A byte source with a known size: either a borrowed memory block or an open file. Every read
// and seek is checked against the size, so minizip never sees bytes outside the source.
struct CZipArchive::TSource
{
    const BYTE* pData = nullptr;
    DWORD dwSize = 0;
    DWORD dwPos = 0;
    CFileHandle file;

    bool IsFile() const { return file.IsValid(); }
};

namespace
{

typedef CZipArchive::TSource TSource;

voidpf ZCALLBACK SourceOpen(voidpf opaque, const char*, int mode)
{
    // Read-only archive access; the source is already open.
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    TSource* pSource = static_cast<TSource*>(opaque);
    pSource->dwPos = 0;
    return pSource;
}

uLong ZCALLBACK SourceRead(voidpf, voidpf stream, void* buf, uLong size)
{
    TSource* pSource = static_cast<TSource*>(stream);
    if (pSource == nullptr || buf == nullptr || pSource->dwPos >= pSource->dwSize)
        return 0;
    DWORD dwLeft = pSource->dwSize - pSource->dwPos;
    DWORD dwCount = size < dwLeft ? static_cast<DWORD>(size) : dwLeft;
    if (!pSource->IsFile())
    {
        std::memcpy(buf, pSource->pData + pSource->dwPos, dwCount);
    }
    else
    {
        LARGE_INTEGER li;
        li.QuadPart = pSource->dwPos;
        DWORD dwRead = 0;
        if (!::SetFilePointerEx(pSource->file.Get(), li, nullptr, FILE_BEGIN) ||
            !::ReadFile(pSource->file.Get(), buf, dwCount, &dwRead, nullptr))
            return 0;
        dwCount = dwRead;
    }
    pSource->dwPos += dwCount;
    return dwCount;
}

uLong ZCALLBACK SourceWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

long ZCALLBACK SourceTell(voidpf, voidpf stream)
{
    const TSource* pSource = static_cast<const TSource*>(stream);
    if (pSource == nullptr || pSource->dwPos > 0x7FFFFFFFu)
        return -1;
    return static_cast<long>(pSource->dwPos);
}

long ZCALLBACK SourceSeek(voidpf, voidpf stream, uLong offset, int origin)
{
    TSource* pSource = static_cast<TSource*>(stream);
    if (pSource == nullptr)
        return -1;
    unsigned long long base = 0;
    switch (origin)
    {
    case ZLIB_FILEFUNC_SEEK_SET:
        base = 0;
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = pSource->dwPos;
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = pSource->dwSize;
        break;
    default:
        return -1;
    }
    unsigned long long target = base + offset;
    if (target > pSource->dwSize)
        return -1; // never beyond the end of the source
    pSource->dwPos = static_cast<DWORD>(target);
    return 0;
}

int ZCALLBACK SourceClose(voidpf, voidpf)
{
    return 0; // the archive object owns and closes the source
}

int ZCALLBACK SourceError(voidpf, voidpf)
{
    return 0;
}

const DWORD END_RECORD_SIZE = 22;       // end-of-central-directory record without its comment
const DWORD END_RECORD_SEARCH = 0xFFFF; // how far before the end minizip looks for it

bool ReadSourceAt(TSource* pSource, DWORD dwPos, BYTE* pOut, DWORD dwCount)
{
    if (dwPos > pSource->dwSize || dwCount > pSource->dwSize - dwPos)
        return false;
    pSource->dwPos = dwPos;
    return SourceRead(nullptr, pSource, pOut, dwCount) == dwCount;
}

// Whether the last end-of-central-directory signature (the one minizip will use) starts a
// complete record: its fixed fields and the comment it announces all lie within the source.
// minizip reads a field cut off by the end of the source as whatever the previous byte was,
// so a download cut short inside the record would open with made-up counts and offsets.
bool HasCompleteEndRecord(TSource* pSource)
{
    if (pSource->dwSize < 4)
        return false;
    DWORD dwTail = pSource->dwSize < END_RECORD_SEARCH + END_RECORD_SIZE
                       ? pSource->dwSize
                       : END_RECORD_SEARCH + END_RECORD_SIZE;
    DWORD dwStart = pSource->dwSize - dwTail;
    BYTE buf[1024 + 3];
    // Scan backwards in blocks that overlap by three bytes so no signature is split.
    DWORD dwEnd = pSource->dwSize;
    while (dwEnd > dwStart)
    {
        DWORD dwBlock = dwEnd - dwStart < 1024 + 3 ? dwEnd - dwStart : 1024 + 3;
        DWORD dwFrom = dwEnd - dwBlock;
        if (!ReadSourceAt(pSource, dwFrom, buf, dwBlock))
            return false;
        for (DWORD i = dwBlock >= 4 ? dwBlock - 4 + 1 : 0; i-- > 0;)
        {
            if (buf[i] != 'P' || buf[i + 1] != 'K' || buf[i + 2] != 5 || buf[i + 3] != 6)
                continue;
            DWORD dwRecord = dwFrom + i;
            BYTE record[END_RECORD_SIZE];
            if (!ReadSourceAt(pSource, dwRecord, record, END_RECORD_SIZE))
                return false;
            DWORD dwComment = record[20] | (static_cast<DWORD>(record[21]) << 8);
            return pSource->dwSize - dwRecord - END_RECORD_SIZE >= dwComment;
        }
        if (dwFrom == dwStart)
            break;
        dwEnd = dwFrom + 3;
    }
    return false;
}

// ASCII-only case folding: other bytes of UTF-8 names must match exactly.
bool SameNameAsciiNoCase(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i)
    {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb - 'A' + 'a');
        if (ca != cb)
            return false;
    }
    return true;
}

const size_t MAX_NAME_BYTES = 256; // names of this many UTF-8 bytes or more are never found
const DWORD CHUNK = 16 * 1024;

// The traditional PKWARE stream cipher over the raw (still encrypted) member bytes.
class CTraditionalCipher
{
public:
    explicit CTraditionalCipher(const char* pszPassword)
        : m_pTable(reinterpret_cast<const unsigned long*>(get_crc_table()))
    {
        init_keys(pszPassword, m_keys, m_pTable);
    }
    void Decrypt(BYTE* p, DWORD n)
    {
        for (DWORD i = 0; i < n; ++i)
        {
            int c = p[i];
            zdecode(m_keys, m_pTable, c);
            p[i] = static_cast<BYTE>(c);
        }
    }

private:
    unsigned long m_keys[3];
    const unsigned long* m_pTable;
};

// Owns an inflate stream for raw deflate data.
class CRawInflate
{
public:
    CRawInflate() : m_bReady(false)
    {
        m_stream = z_stream();
        m_bReady = inflateInit2(&m_stream, -MAX_WBITS) == Z_OK;
    }
    ~CRawInflate()
    {
        if (m_bReady)
            inflateEnd(&m_stream);
    }
    bool IsReady() const { return m_bReady; }
    z_stream& Stream() { return m_stream; }

private:
    z_stream m_stream;
    bool m_bReady;
};

// Reads an encrypted member opened raw: checks the header's check byte, then decrypts and
// (for deflated members) inflates into the caller's buffer. *pdwProduced gets the bytes
// written; the result is ZR_OK (read to the end of the data), ZR_MORE (buffer full first) or
// a failure.
DWORD ReadEncrypted(unzFile hUnzip, const unz_file_info& info, const char* pszPassword, BYTE* pOut,
                    DWORD dwSize, DWORD* pdwProduced)
{
    *pdwProduced = 0;
    CTraditionalCipher cipher(pszPassword);
    BYTE header[12];
    if (unzReadCurrentFile(hUnzip, header, sizeof(header)) != static_cast<int>(sizeof(header)))
        return CZipArchive::ZR_CORRUPT;
    cipher.Decrypt(header, sizeof(header));
    BYTE check = (info.flag & 8) != 0 ? static_cast<BYTE>((info.dosDate >> 8) & 0xFF)
                                      : static_cast<BYTE>((info.crc >> 24) & 0xFF);
    if (header[11] != check)
        return CZipArchive::ZR_PASSWORD;

    BYTE chunk[CHUNK];
    DWORD dwTotal = 0;
    if (info.compression_method == 0)
    {
        // The member's data is what follows the encryption header; its end is counted here,
        // not asked of minizip, whose raw-mode count still includes the header's 12 bytes.
        if (info.compressed_size < sizeof(header))
            return CZipArchive::ZR_CORRUPT;
        const DWORD dwData = static_cast<DWORD>(info.compressed_size - sizeof(header));
        if (static_cast<DWORD>(info.uncompressed_size) != dwData)
            return CZipArchive::ZR_CORRUPT; // a stored member's two sizes must agree
        const DWORD dwWanted = dwSize < dwData ? dwSize : dwData;
        while (dwTotal < dwWanted)
        {
            DWORD want = dwWanted - dwTotal < CHUNK ? dwWanted - dwTotal : CHUNK;
            int n = unzReadCurrentFile(hUnzip, chunk, want);
            if (n <= 0)
                return CZipArchive::ZR_CORRUPT; // unreadable, or ended before its stated size
            cipher.Decrypt(chunk, static_cast<DWORD>(n));
            std::memcpy(pOut + dwTotal, chunk, static_cast<size_t>(n));
            dwTotal += static_cast<DWORD>(n);
            *pdwProduced = dwTotal;
        }
        return dwTotal < dwData ? CZipArchive::ZR_MORE : CZipArchive::ZR_OK;
    }

    CRawInflate inflater;
    if (!inflater.IsReady())
        return CZipArchive::ZR_FLATE;
    z_stream& zs = inflater.Stream();
    zs.next_out = pOut;
    zs.avail_out = dwSize;
    for (;;)
    {
        if (zs.avail_in == 0)
        {
            int n = unzReadCurrentFile(hUnzip, chunk, CHUNK);
            if (n < 0)
                return CZipArchive::ZR_CORRUPT;
            if (n == 0)
                break; // the data ended before the deflate stream did
            cipher.Decrypt(chunk, static_cast<DWORD>(n));
            zs.next_in = chunk;
            zs.avail_in = static_cast<uInt>(n);
        }
        int err = inflate(&zs, Z_NO_FLUSH);
        *pdwProduced = dwSize - zs.avail_out;
        if (err == Z_STREAM_END)
            return CZipArchive::ZR_OK;
        if (err != Z_OK && err != Z_BUF_ERROR)
            return CZipArchive::ZR_FLATE;
        if (zs.avail_out == 0)
            return CZipArchive::ZR_MORE;
        if (err == Z_BUF_ERROR && zs.avail_in != 0)
            return CZipArchive::ZR_FLATE;
    }
    return CZipArchive::ZR_CORRUPT;
}

} // namespace

CZipArchive::CZipArchive() : m_pSource(nullptr), m_hUnzip(nullptr), m_nItems(0), m_iCurrent(-1) {}

CZipArchive::~CZipArchive()
{
    if (m_hUnzip != nullptr)
    {
        unzCloseCurrentFile(static_cast<unzFile>(m_hUnzip));
        unzClose(static_cast<unzFile>(m_hUnzip));
    }
    delete m_pSource;
}

CZipArchive* CZipArchive::OpenMemory(const void* pData, DWORD dwSize, const char* pszPassword)
{
    if (pData == nullptr || dwSize == 0)
        return nullptr;
    TSource* pSource = new (std::nothrow) TSource;
    if (pSource == nullptr)
        return nullptr;
    pSource->pData = static_cast<const BYTE*>(pData);
    pSource->dwSize = dwSize;
    return Open(pSource, pszPassword);
}

CZipArchive* CZipArchive::OpenFile(const wchar_t* pszPath, const char* pszPassword)
{
    if (pszPath == nullptr || *pszPath == L'\0')
        return nullptr;
    TSource* pSource = new (std::nothrow) TSource;
    if (pSource == nullptr)
        return nullptr;
    pSource->file.Reset(::CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!pSource->file.IsValid() || !::GetFileSizeEx(pSource->file.Get(), &size) || size.QuadPart <= 0 ||
        size.QuadPart > 0x7FFFFFFF)
    {
        delete pSource;
        return nullptr;
    }
    pSource->dwSize = static_cast<DWORD>(size.QuadPart);
    return Open(pSource, pszPassword);
}

CZipArchive* CZipArchive::Open(TSource* pSource, const char* pszPassword)
{
    CZipArchive* pArchive = new (std::nothrow) CZipArchive;
    if (pArchive == nullptr)
    {
        delete pSource;
        return nullptr;
    }
    pArchive->m_pSource = pSource;

    size_t nPassword = pszPassword != nullptr ? std::strlen(pszPassword) : 0;
    if (nPassword > 0)
    {
        if (!pArchive->m_Password.Allocate(static_cast<DWORD>(nPassword)))
        {
            delete pArchive;
            return nullptr;
        }
        std::memcpy(pArchive->m_Password.GetData(), pszPassword, nPassword);
    }

    if (!HasCompleteEndRecord(pSource))
    {
        delete pArchive;
        return nullptr;
    }

    zlib_filefunc_def io;
    io.zopen_file = SourceOpen;
    io.zread_file = SourceRead;
    io.zwrite_file = SourceWrite;
    io.ztell_file = SourceTell;
    io.zseek_file = SourceSeek;
    io.zclose_file = SourceClose;
    io.zerror_file = SourceError;
    io.opaque = pSource;
    unzFile hUnzip = unzOpen2("", &io);
    if (hUnzip == nullptr)
    {
        delete pArchive;
        return nullptr;
    }
    pArchive->m_hUnzip = hUnzip;
    unz_global_info info;
    if (unzGetGlobalInfo(hUnzip, &info) != UNZ_OK)
    {
        delete pArchive;
        return nullptr;
    }
    pArchive->m_nItems = static_cast<int>(info.number_entry);
    pArchive->m_iCurrent = unzGoToFirstFile(hUnzip) == UNZ_OK ? 0 : -1;
    if (pArchive->m_nItems > 0 && pArchive->m_iCurrent < 0)
    {
        // The directory cannot be read: an archive none of whose members could be found.
        delete pArchive;
        return nullptr;
    }
    return pArchive;
}

int CZipArchive::GetItemCount() const
{
    return m_nItems;
}

bool CZipArchive::GoToIndex(int index)
{
    unzFile hUnzip = static_cast<unzFile>(m_hUnzip);
    if (index < 0 || index >= m_nItems)
        return false;
    if (m_iCurrent < 0 || index < m_iCurrent)
    {
        m_iCurrent = -1;
        if (unzGoToFirstFile(hUnzip) != UNZ_OK)
            return false;
        m_iCurrent = 0;
    }
    while (m_iCurrent < index)
    {
        if (unzGoToNextFile(hUnzip) != UNZ_OK)
        {
            m_iCurrent = -1;
            return false;
        }
        ++m_iCurrent;
    }
    return true;
}

DWORD CZipArchive::FindItem(const wchar_t* pszName, tagTZipEntry* pEntry)
{
    if (pszName == nullptr)
        return ZR_ARGS;
    int nNeeded = ::WideCharToMultiByte(CP_UTF8, 0, pszName, -1, nullptr, 0, nullptr, nullptr);
    if (nNeeded <= 1 || static_cast<size_t>(nNeeded - 1) >= MAX_NAME_BYTES)
        return ZR_NOTFOUND;
    char szWanted[MAX_NAME_BYTES + 1];
    ::WideCharToMultiByte(CP_UTF8, 0, pszName, -1, szWanted, sizeof(szWanted), nullptr, nullptr);
    size_t nWanted = static_cast<size_t>(nNeeded - 1);

    unzFile hUnzip = static_cast<unzFile>(m_hUnzip);
    for (int i = 0; i < m_nItems; ++i)
    {
        if (!GoToIndex(i))
            break;
        unz_file_info info;
        char szName[MAX_NAME_BYTES + 1];
        if (unzGetCurrentFileInfo(hUnzip, &info, szName, sizeof(szName), nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        if (info.size_filename != nWanted || !SameNameAsciiNoCase(szName, szWanted, nWanted))
            continue;
        if (pEntry != nullptr)
        {
            pEntry->index = i;
            pEntry->dwCompressedSize = static_cast<DWORD>(info.compressed_size);
            pEntry->dwUncompressedSize = static_cast<DWORD>(info.uncompressed_size);
            pEntry->dwCrc32 = static_cast<DWORD>(info.crc);
            pEntry->bEncrypted = (info.flag & 1) != 0;
        }
        return ZR_OK;
    }
    return ZR_NOTFOUND;
}

DWORD CZipArchive::UnzipItem(int index, void* pBuffer, DWORD dwSize)
{
    if (pBuffer == nullptr && dwSize > 0)
        return ZR_ARGS;
    if (!GoToIndex(index))
        return ZR_NOTFOUND;
    unzFile hUnzip = static_cast<unzFile>(m_hUnzip);
    unz_file_info info;
    if (unzGetCurrentFileInfo(hUnzip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return ZR_CORRUPT;
    bool bEncrypted = (info.flag & 1) != 0;
    const char* pszPassword =
        m_Password.IsEmpty() ? nullptr : reinterpret_cast<const char*>(m_Password.GetData());
    if (bEncrypted && pszPassword == nullptr)
        return ZR_PASSWORD;
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED)
        return ZR_FLATE;

    const DWORD dwMember = static_cast<DWORD>(info.uncompressed_size);
    BYTE* pOut = static_cast<BYTE*>(pBuffer);
    DWORD dwTotal = 0;
    DWORD dwStatus = ZR_OK;
    if (bEncrypted)
    {
        int method = 0, level = 0;
        if (unzOpenCurrentFile2(hUnzip, &method, &level, 1) != UNZ_OK)
            return ZR_CORRUPT;
        dwStatus = ReadEncrypted(hUnzip, info, pszPassword, pOut, dwSize, &dwTotal);
        unzCloseCurrentFile(hUnzip); // raw mode: the checksum is ours to verify
        if (dwStatus == ZR_MORE && dwTotal >= dwMember)
            dwStatus = ZR_OK;
        if (dwStatus == ZR_OK && dwTotal != dwMember)
            dwStatus = ZR_CORRUPT;
        if (dwStatus == ZR_OK && crc32(0L, pOut, dwTotal) != info.crc)
            dwStatus = ZR_CORRUPT;
        if (dwStatus == ZR_MORE && dwSize >= dwMember)
            dwStatus = ZR_CORRUPT; // sizes lie
        return dwStatus;
    }

    if (unzOpenCurrentFile(hUnzip) != UNZ_OK)
        return ZR_CORRUPT;
    while (dwTotal < dwSize)
    {
        DWORD dwChunk = dwSize - dwTotal;
        if (dwChunk > 0x40000000u)
            dwChunk = 0x40000000u;
        int n = unzReadCurrentFile(hUnzip, pOut + dwTotal, dwChunk);
        if (n < 0)
        {
            dwStatus = (n == Z_DATA_ERROR || n == Z_STREAM_ERROR || n == Z_MEM_ERROR || n == Z_BUF_ERROR ||
                        n == Z_NEED_DICT)
                           ? ZR_FLATE
                           : ZR_CORRUPT;
            break;
        }
        if (n == 0)
            break;
        dwTotal += static_cast<DWORD>(n);
    }
    if (dwStatus == ZR_OK)
    {
        if (dwTotal == dwSize && dwSize < dwMember)
        {
            dwStatus = ZR_MORE; // the caller's buffer ended before the member did
        }
        else if (dwTotal < dwMember)
        {
            dwStatus = ZR_CORRUPT; // the data ended early
        }
    }
    int closeErr = unzCloseCurrentFile(hUnzip);
    if (dwStatus == ZR_OK && closeErr == UNZ_CRCERROR)
        dwStatus = ZR_CORRUPT;
    return dwStatus;
}

} // namespace SkinUI
