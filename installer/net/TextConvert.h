// Bounded text helpers for fixed-size buffers: UTF-8 <-> UTF-16 conversion and wide formatting.
//
// Contract: every function writes at most capacity units including the terminator, always
// zero-terminates when capacity > 0, and never splits a character: a text that does not fit is
// cut at the last whole character (a UTF-16 surrogate pair or a UTF-8 sequence stays together).
// A missing source gives the empty text; a missing destination or capacity 0 writes nothing.
// It does not allocate for texts that fit, does not report truncation, and never throws.
#pragma once

#include <cstddef>

// UTF-8 (zero-terminated) into a UTF-16 buffer of capacity characters; returns destination.
wchar_t* Utf8ToWide(wchar_t* destination, const char* source, size_t capacity);

// UTF-16 (zero-terminated) into a UTF-8 buffer of capacity bytes; returns destination.
char* WideToUtf8(char* destination, const wchar_t* source, size_t capacity);

// msvcrt-style wide formatting ("%s" takes a wide text) of at most capacity - 1 characters.
// Returns the number of characters written, without the terminator.
int FormatWide(wchar_t* destination, size_t capacity, const wchar_t* format, ...);
