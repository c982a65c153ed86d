// The installer's settings file ("Configures.ini" in X:\tolvane\Zentrivo\ on the system drive)
// and the folder helper the run and the settings share.
//
// Contract: GetSettingsFilePath makes sure the settings folder exists and returns the file's
// full path; the drive is the system directory's, C when that cannot be read. The writers set
// one key each with WritePrivateProfileStringW and leave the file's other sections and keys as
// they are; their failure is not reported (nothing depends on it). MakeSurePathExists creates
// every missing level of a folder with MakeSureDirectoryPathExists, taken from dbghelp.dll (or
// imagehlp.dll) of the Windows system folder only, never from beside the executable.
// It does not read settings back and does not remove anything.
#pragma once

#include <string>

// "X:\tolvane\Zentrivo\Configures.ini"; the folder is created first.
std::wstring GetSettingsFilePath();

// Section "Platform", key "Platform", the empty text: the start-up mark.
void WriteStartupSetting();

// Section "Language", key "LanguageType", "1": written once the product's installer has run.
void WriteLanguageSetting();

// Creates every missing level of folder (UTF-16; a trailing backslash ends the last level).
// False when the helper library is missing or a level could not be made.
bool MakeSurePathExists(const wchar_t* folder);
