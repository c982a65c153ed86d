// The folder the online installer is downloaded into, made safe to run an elevated program from.
//
// Contract: PrepareDownloadFolder creates the folder when it is missing and, whether it made it or
// found it, gives it a protected access list (SYSTEM and Administrators full control, everyone
// else read and execute, inherited by what is created inside), so no unprivileged program can put
// or swap a file there. It refuses (false) a path that is a file or a reparse point (a junction
// planted to send the download, and the access list, elsewhere), and a folder whose access list
// cannot be set. ReadDownloadFolderDacl reads the list back in SDDL form, for checks.
// It does not touch files already in the folder beyond what inheritance does.
#pragma once

#include <string>

bool PrepareDownloadFolder(const wchar_t* folder);
std::wstring ReadDownloadFolderDacl(const wchar_t* folder);
