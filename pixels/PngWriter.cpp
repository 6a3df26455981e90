#include "pixels/PngWriter.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <new>

namespace {

void append(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool room = true;
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        room = false;
    }
    if (!room)
        png_error(png, "no room for the PNG");
}

void flushNothing(png_structp) {}

// libpng reports its failures by a long jump back here: nothing with a destructor lives in between.
bool encodeInto(const PngRows& rows, png_structp png, png_infop info, std::vector<uint8_t>& out)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &out, append, flushNothing);
    png_set_compression_level(png, 1);
    bool indexed = rows.depth == 8;
    png_set_IHDR(png, info, png_uint_32(rows.size.x), png_uint_32(rows.size.y), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (indexed) {
        png_color palette[PNG_MAX_PALETTE_LENGTH]{};
        size_t entries = std::min<size_t>(rows.table.size() / 4, PNG_MAX_PALETTE_LENGTH);
        for (size_t i = 0; i < entries; ++i)
            palette[i] = {rows.table[4 * i + 2], rows.table[4 * i + 1], rows.table[4 * i]};
        // Every value of the rows keeps a colour, whatever the table holds.
        png_set_PLTE(png, info, palette, PNG_MAX_PALETTE_LENGTH);
    }
    png_write_info(png, info);
    if (!indexed)
        png_set_bgr(png);
    for (int32_t y = 0; y < rows.size.y; ++y)
        png_write_row(png, rows.top + ptrdiff_t(y) * rows.stride);
    png_write_end(png, info);
    return true;
}

} // namespace

std::vector<uint8_t> encodePng(const PngRows& rows)
{
    std::vector<uint8_t> out;
    if ((rows.depth != 8 && rows.depth != 24) || rows.size.x < 1 || rows.size.y < 1)
        return out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool done = info && encodeInto(rows, png, info, out);
    png_destroy_write_struct(&png, &info);
    if (!done)
        out.clear();
    return out;
}
