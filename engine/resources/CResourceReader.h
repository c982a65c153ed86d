// CResourceReader: turns a skin resource name into bytes, following the process-wide resource
// settings of CPaintManagerUI: a module resource of a given type, a plain file under the
// resource folder, or a member of the (cached or per-read) skin archive.
//
// Contract: every read is bounded by the caller's size limit (skin files use
// MAX_SKIN_FILE_SIZE); a member or file whose size exceeds it is refused before anything is
// allocated. Archive member names have every '\' replaced by '/'. An archive opened only for
// one read is closed again. Results say why a read failed so callers can report it.
//
// Not done: no caching (the callers cache what they decode); no resource index lookups (the
// image loader asks CResourceManager first); no fallback to the name as a plain path (the
// callers that want it call ReadFile themselves).
#pragma once

#include <windows.h>
#include "engine/core/STRINGorID.h"
#include "engine/resources/CByteBuffer.h"

namespace SkinUI
{

class CResourceReader
{
public:
    enum
    {
        MAX_SKIN_FILE_SIZE = 4 * 1024 * 1024
    }; // skin files (markup, language)
    enum
    {
        MAX_RESOURCE_SIZE = 32 * 1024 * 1024
    }; // images and font files

    enum EReadResult
    {
        READ_OK = 0,
        READ_OPEN_FAILED,    // file or module resource missing / cannot be opened
        READ_EMPTY,          // zero bytes
        READ_TOO_LARGE,      // larger than the caller's limit
        READ_SHORT,          // fewer bytes than announced
        READ_NO_ARCHIVE,     // an archive is configured but cannot be opened
        READ_NOT_IN_ARCHIVE, // no such member
        READ_UNZIP_FAILED,   // the member could not be unpacked
        READ_NO_MEMORY
    };

    // Module resource of a type (hInst null = CPaintManagerUI::GetResourceDll()); the bytes
    // are copied.
    static EReadResult ReadModuleResource(STRINGorID name, const wchar_t* pszType, HINSTANCE hInst,
                                          CByteBuffer& out, DWORD dwMaxSize = MAX_RESOURCE_SIZE);
    // A whole file (shared reading).
    static EReadResult ReadFile(const wchar_t* pszPath, CByteBuffer& out,
                                DWORD dwMaxSize = MAX_RESOURCE_SIZE);
    // Without an archive: resource folder + name; with one: the archive member.
    static EReadResult ReadSkinResource(const wchar_t* pszName, CByteBuffer& out,
                                        DWORD dwMaxSize = MAX_RESOURCE_SIZE);
    // The member of the configured archive (cached handle or opened for this read).
    static EReadResult ReadFromArchive(const wchar_t* pszName, CByteBuffer& out,
                                       DWORD dwMaxSize = MAX_RESOURCE_SIZE);
    // The archive password in the system ANSI code page (empty buffer = no password).
    static bool ToAnsiPassword(const wchar_t* pszPassword, CByteBuffer& out);

    // Images and font files: ReadSkinResource, then the name itself as a path.
    static EReadResult ReadImageOrFont(const wchar_t* pszName, CByteBuffer& out,
                                       DWORD dwMaxSize = MAX_RESOURCE_SIZE);
};

} // namespace SkinUI
