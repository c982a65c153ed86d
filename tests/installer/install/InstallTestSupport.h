// Helpers the installation tests share: the stand-in product's files, folders, the product's
// registry key and the process's handle count. Failures come back as empty/false results.
#pragma once

#include <windows.h>

#include <string>

// The stand-in product as the stand-in (a Linux process) reads it, and as this program does.
std::string ProductHostPath();
std::wstring ProductPath();

// A copy of the product at path whose behaviour is mode ("slow", "hanging", ...).
bool MakeProductCopy(const std::wstring& path, const char* mode);

// Deletes a folder and everything in it; true when it is gone.
bool RemoveTree(const std::wstring& folder);
bool Exists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);

// HKLM "Software\tolvane\Zentrivo": removed, and its "Path" value as stored (type, raw bytes).
void DeleteProductKey();
bool ReadPathValue(DWORD* type, std::string* bytes);

// Handles this process holds (from the system's handle list).
DWORD ProcessHandleCount();

// Running processes whose executable is named name (case-insensitive); ended first when asked.
int ProcessesNamed(const wchar_t* name, bool end = false);
