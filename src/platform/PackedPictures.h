#pragma once

#include <cstddef>

// The program's pictures as the build packed them into the executable (tools/pack_pictures.cpp):
// pixels ready to draw, so that start-up decodes nothing.
struct PackedPicture {
    unsigned id;  // the resource id
    int width;
    int height;
    int bytesPerLine;
    // With a palette: one index byte a pixel, each line padded to 4 bytes. Without: one
    // 0xffRRGGBB word a pixel.
    const void* pixels;
    const unsigned int* palette;  // 0xAARRGGBB entries, or null
    int paletteSize;
};

extern const PackedPicture kPackedPictures[];
extern const std::size_t kPackedPictureCount;
