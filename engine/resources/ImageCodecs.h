// The third-party image decoders the image loader uses, configured for skin images: stb_image
// (memory input only, no stdio) and nanosvg with its rasteriser.
//
// Contract: every allocation stb_image makes goes through a capped allocator that refuses
// blocks above MAX_DECODER_ALLOCATION, so a hostile file (a tiny PNG claiming huge dimensions,
// a GIF with endless frames) fails instead of exhausting the 32-bit address space. The bytes
// asked for are added up (DecoderBytesRequested), so callers can see whether a decode ran.
//
// Not done: nanosvg's own allocations are bounded by the caller (the input size and the
// raster size it asks for).
#pragma once

#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stddef.h>

namespace SkinUI
{
enum
{
    MAX_DECODER_ALLOCATION = 128 * 1024 * 1024
};
void* DecoderMalloc(size_t size);
void* DecoderRealloc(void* p, size_t size);
void DecoderFree(void* p);
unsigned long long DecoderBytesRequested(); // since the process started; UI thread only
} // namespace SkinUI

#define STBI_MALLOC(sz) SkinUI::DecoderMalloc(sz)
#define STBI_REALLOC(p, newsz) SkinUI::DecoderRealloc(p, newsz)
#define STBI_FREE(p) SkinUI::DecoderFree(p)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb_image.h>
#include <stdio.h>
#include <string.h>
#include <math.h>
#include <nanosvg.h>
#include <nanosvgrast.h>
#pragma GCC diagnostic pop
