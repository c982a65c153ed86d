// Implementation unit of the decoders declared in ImageCodecs.h.
#define STB_IMAGE_IMPLEMENTATION
#define NANOSVG_IMPLEMENTATION
#define NANOSVGRAST_IMPLEMENTATION
#include "engine/resources/ImageCodecs.h"

#include <cstdlib>

namespace SkinUI
{

void* DecoderMalloc(size_t size)
{
    return size <= static_cast<size_t>(MAX_DECODER_ALLOCATION) ? std::malloc(size) : nullptr;
}

void* DecoderRealloc(void* p, size_t size)
{
    return size <= static_cast<size_t>(MAX_DECODER_ALLOCATION) ? std::realloc(p, size) : nullptr;
}

void DecoderFree(void* p)
{
    std::free(p);
}

} // namespace SkinUI
