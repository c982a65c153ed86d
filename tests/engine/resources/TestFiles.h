// Whole-file reading for the skin-resource tests and the benchmark.
#pragma once

#include <windows.h>

#include <cstdio>
#include <vector>

namespace ResourceTest
{

inline std::vector<BYTE> ReadFileBytes(const wchar_t* path)
{
    std::vector<BYTE> data;
    FILE* f = _wfopen(path, L"rb");
    if (f == nullptr)
        return data;
    BYTE buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        data.insert(data.end(), buf, buf + n);
    fclose(f);
    return data;
}

} // namespace ResourceTest
