#include "installer/net/TextConvert.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <new>
#include <string>

namespace
{

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

wchar_t* Utf8ToWide(wchar_t* destination, const char* source, size_t capacity)
{
    if (destination == nullptr || capacity == 0)
        return destination;
    destination[0] = L'\0';
    if (source == nullptr || capacity > 0x7FFFFFFF)
        return destination;
    const int limit = static_cast<int>(capacity);
    int written = MultiByteToWideChar(CP_UTF8, 0, source, -1, destination, limit);
    if (written > 0)
        return destination; // fitted, terminator included
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    {
        destination[0] = L'\0';
        return destination;
    }
    // Too long: convert whole, then keep the first capacity - 1 characters.
    const int needed = MultiByteToWideChar(CP_UTF8, 0, source, -1, nullptr, 0);
    try
    {
        std::wstring whole(static_cast<size_t>(needed > 0 ? needed : 1), L'\0');
        if (needed <= 0 || MultiByteToWideChar(CP_UTF8, 0, source, -1, &whole[0], needed) <= 0)
        {
            destination[0] = L'\0';
            return destination;
        }
        size_t keep = capacity - 1;
        if (keep > 0 && IsHighSurrogate(whole[keep - 1]))
            --keep;
        wmemcpy(destination, whole.data(), keep);
        destination[keep] = L'\0';
    }
    catch (const std::bad_alloc&)
    {
        destination[0] = L'\0';
    }
    return destination;
}

char* WideToUtf8(char* destination, const wchar_t* source, size_t capacity)
{
    if (destination == nullptr || capacity == 0)
        return destination;
    destination[0] = '\0';
    if (source == nullptr || capacity > 0x7FFFFFFF)
        return destination;
    const int limit = static_cast<int>(capacity);
    int written = WideCharToMultiByte(CP_UTF8, 0, source, -1, destination, limit, nullptr, nullptr);
    if (written > 0)
        return destination;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    {
        destination[0] = '\0';
        return destination;
    }
    const int needed = WideCharToMultiByte(CP_UTF8, 0, source, -1, nullptr, 0, nullptr, nullptr);
    try
    {
        std::string whole(static_cast<size_t>(needed > 0 ? needed : 1), '\0');
        if (needed <= 0 ||
            WideCharToMultiByte(CP_UTF8, 0, source, -1, &whole[0], needed, nullptr, nullptr) <= 0)
        {
            destination[0] = '\0';
            return destination;
        }
        // Back off to the start of the sequence that would be cut.
        size_t keep = capacity - 1;
        while (keep > 0 && IsUtf8Continuation(whole[keep]))
            --keep;
        memcpy(destination, whole.data(), keep);
        destination[keep] = '\0';
    }
    catch (const std::bad_alloc&)
    {
        destination[0] = '\0';
    }
    return destination;
}

int FormatWide(wchar_t* destination, size_t capacity, const wchar_t* format, ...)
{
    if (destination == nullptr || capacity == 0)
        return 0;
    destination[0] = L'\0';
    if (format == nullptr)
        return 0;
    va_list args;
    va_start(args, format);
    const int written = _vsnwprintf(destination, capacity - 1, format, args);
    va_end(args);
    destination[capacity - 1] = L'\0';
    if (written < 0 || static_cast<size_t>(written) >= capacity)
    {
        size_t length = wcslen(destination);
        if (length > 0 && IsHighSurrogate(destination[length - 1]))
            destination[--length] = L'\0';
        return static_cast<int>(length);
    }
    return written;
}
