// CResourceReader: turns a skin resource name into bytes, following the process-wide resource
// settings of CPaintManagerUI: a module resource of a given type, a plain file under the
// resource folder, or a member of the (cached or per-read) skin archive.
//
// Contract: every read is bounded by the caller's size limit (skin files use
// MAX_SKIN_FILE_SIZE); a member or file whose size exceeds it is refused before anything is
// allocated. Archive member names have every '\' replaced by '/'. An archive opened only for
// one read is closed again. Results say why a read failed so callers can report it.
// Files are opened by fully qualified paths only: the installer runs from a download folder
// that other programs write into, so a relative name (or a relative resource folder) is never
// resolved against the current directory. A name missing from the archive is therefore only
// looked for again when it is itself a fully qualified path.
//
// Not done: no caching (the callers cache what they decode); no resource index lookups (the
// image loader asks CResourceManager first).
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
        READ_NO_MEMORY,
        READ_NOT_QUALIFIED // a relative path: never resolved against the current directory
    };

    // Module resource of a type (hInst null = CPaintManagerUI::GetResourceDll()); the bytes
    // are copied.
    static EReadResult ReadModuleResource(STRINGorID name, const wchar_t* pszType, HINSTANCE hInst,
                                          CByteBuffer& out, DWORD dwMaxSize = MAX_RESOURCE_SIZE);
    // A whole file (shared reading); the path must be fully qualified.
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
    // "X:\..." or "\\server\..." (either separator): a path that names the same file whatever
    // the current directory and drive are.
    static bool IsFullyQualifiedPath(const wchar_t* pszPath);

    // Images and font files: ReadSkinResource, then the name itself when it is a fully
    // qualified path.
    static EReadResult ReadImageOrFont(const wchar_t* pszName, CByteBuffer& out,
                                       DWORD dwMaxSize = MAX_RESOURCE_SIZE);
};

} // namespace SkinUI
