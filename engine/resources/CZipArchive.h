// CZipArchive: reads members of a ZIP archive held in memory or in a file, through minizip's
// unzip over a small bounded I/O layer (every read and seek is checked against the source's
// size, so a hostile archive cannot make it read outside the buffer).
//
// Contract: stored and deflated members, traditional PKWARE encryption with the narrow
// password given at open (empty or null = none). FindItem converts the wide name to UTF-8;
// names of 256 bytes or more are never found; names are compared ignoring case for ASCII
// a-z only; the first match in central-directory order wins. UnzipItem unpacks into the
// caller's buffer and answers ZR_OK when the member was read completely and verified (CRC),
// ZR_MORE when the buffer filled before the end, anything else is a failure. A memory archive
// borrows its block: it must outlive the archive object.
//
// Not done: no writing, no ZIP64, no other compression methods, no unpacking to files, no
// allocation on behalf of the caller (the caller decides how much it accepts).
#pragma once

#include <windows.h>
#include "engine/resources/CByteBuffer.h"

namespace SkinUI
{

struct tagTZipEntry
{
    int index; // position in the central directory
    DWORD dwCompressedSize;
    DWORD dwUncompressedSize;
    DWORD dwCrc32;
    bool bEncrypted;
};

class CZipArchive
{
public:
    enum : DWORD
    {
        ZR_OK = 0x00000000,
        ZR_NOFILE = 0x00000200, // archive could not be opened or is not a ZIP
        ZR_NOTFOUND = 0x00000500,
        ZR_MORE = 0x00000600,
        ZR_CORRUPT = 0x00000700, // bad headers or CRC mismatch
        ZR_READ = 0x00000800,
        ZR_PASSWORD = 0x00001000,
        ZR_ARGS = 0x00010000,
        ZR_FLATE = 0x05000000
    };

    ~CZipArchive();
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;

    // Null when the source cannot be opened or holds no readable central directory.
    static CZipArchive* OpenMemory(const void* pData, DWORD dwSize, const char* pszPassword);
    static CZipArchive* OpenFile(const wchar_t* pszPath, const char* pszPassword);

    int GetItemCount() const;
    DWORD FindItem(const wchar_t* pszName, tagTZipEntry* pEntry);
    DWORD UnzipItem(int index, void* pBuffer, DWORD dwSize);

    // Statuses a caller may treat as a successful unpack.
    static bool IsUnzipSuccess(DWORD dwStatus) { return dwStatus == ZR_OK || dwStatus == ZR_MORE; }

    struct TSource; // the bounded byte source behind the I/O callbacks

private:
    CZipArchive();
    static CZipArchive* Open(TSource* pSource, const char* pszPassword);
    bool GoToIndex(int index);

    TSource* m_pSource;
    void* m_hUnzip;         // unzFile
    CByteBuffer m_Password; // narrow (ANSI) password, zero-terminated; empty = none
    int m_nItems;
    int m_iCurrent; // index minizip's cursor is on, -1 when unknown
};

} // namespace SkinUI
