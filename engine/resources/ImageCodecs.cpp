// Implementation unit of the decoders declared in ImageCodecs.h.
#define STB_IMAGE_IMPLEMENTATION
#define NANOSVG_IMPLEMENTATION
#define NANOSVGRAST_IMPLEMENTATION
#include "engine/resources/ImageCodecs.h"

#include <cstdlib>

namespace SkinUI
{

namespace
{
unsigned long long s_ullBytesRequested = 0; // decoding runs on the UI thread only
}

unsigned long long DecoderBytesRequested()
{
    return s_ullBytesRequested;
}

void* DecoderMalloc(size_t size)
{
    s_ullBytesRequested += size;
    return size <= static_cast<size_t>(MAX_DECODER_ALLOCATION) ? std::malloc(size) : nullptr;
}

void* DecoderRealloc(void* p, size_t size)
{
    s_ullBytesRequested += size;
    return size <= static_cast<size_t>(MAX_DECODER_ALLOCATION) ? std::realloc(p, size) : nullptr;
}

void DecoderFree(void* p)
{
    std::free(p);
}

} // namespace SkinUI
