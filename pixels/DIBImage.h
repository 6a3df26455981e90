#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

class QImage;

// An image whose pixels the program reads and writes directly. Rows are padded to 4 bytes; bits()
// is row 0, the top row, and stride() the signed distance from one row to the next, so callers never
// need to know whether memory runs top-down or bottom-up. New pixel memory is always zero.
class DIBImage {
public:
    static constexpr int headerSize = 40;
    // The longest side of any picture the editor opens, creates or pastes.
    static constexpr int32_t maxSide = 10000;
    using Header = std::array<uint8_t, headerSize>;

    DIBImage(const DIBImage&) = delete;
    DIBImage& operator=(const DIBImage&) = delete;

    virtual Point extent() const { return {m_width, m_height}; }
    virtual ~DIBImage();
    // Replaces the pixels by zeroed ones of the given size; raises -1 when there is no room.
    void create(Point size);
    virtual std::shared_ptr<DIBImage> newOfSameKind() const = 0;
    // The bitmap header: size 40, width, height (negative for top-down memory), one plane, depth.
    Header fillHeader(Point size) const;
    // colorCount() entries of blue, green, red and a reserved byte.
    virtual void fillColorTable(uint8_t* table) const = 0;
    virtual int colorCount() const = 0;
    virtual ColorRef pixelAt(Point p) const = 0;
    // Fills count pixels from the start of a row buffer with value.
    virtual void fillRun(uint8_t* buffer, ColorRef value, int count) const = 0;

    std::shared_ptr<DIBImage> duplicate() const;
    // A new image of the same kind holding the pixels of area, which lies inside the image; the
    // image is 8 or 24 bits deep.
    std::shared_ptr<DIBImage> copyOfArea(const Rect& area) const;
    // Every byte 0xFF when flag is set, else 0x00.
    void clear(bool flag);
    // Whether other has this image's size and depth and the same pixels, padding aside.
    bool samePixels(const DIBImage& other) const;

    bool isEmpty() const { return !m_memory; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    int32_t depth() const { return m_depth; }
    int32_t stride() const { return m_stride; }
    uint8_t* bits() { return m_bits; }
    const uint8_t* bits() const { return m_bits; }
    uint8_t* row(int32_t y) { return m_bits + ptrdiff_t(y) * m_stride; }
    const uint8_t* row(int32_t y) const { return m_bits + ptrdiff_t(y) * m_stride; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }

    // Zeroes the bytes of row y past its last pixel, so that nothing stray reaches a file.
    void clearPadding(int32_t y);

    // Bytes in one row: depth x width bits rounded up to a multiple of 32 bits.
    static int32_t rowLength(int32_t depth, int32_t width);

protected:
    explicit DIBImage(int32_t depth) : m_depth(depth) {}

    // Masks keep the bottom row first in memory, as the bitmaps they are loaded from do.
    virtual bool bottomUp() const { return false; }
    // Graphics contexts draw from and into images through the Qt images below.
    friend class GraphicsContext;
    friend class MemoryGC;
    // The pixels of source (inside the image) as a Qt image to draw from.
    virtual QImage sourceImage(const Rect& source) const = 0;
    // The Qt image that a MemoryGC paints on and how it maps colours; endDrawing takes the painted
    // image back for kinds that draw on a copy.
    virtual QImage beginDrawing() = 0;
    virtual void endDrawing(const QImage& painted);

private:
    static constexpr size_t hugePageThreshold = 4 << 20;
    // Pixel memory, zeroed unless the caller fills all of it.
    static uint8_t* allocatePixels(size_t bytes, bool zeroed);
    void allocate(Point size, bool zeroed);
    struct FreeMemory {
        size_t bytes;
        void operator()(uint8_t* p) const;
    };

    std::unique_ptr<uint8_t, FreeMemory> m_memory;
    uint8_t* m_bits = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_stride = 0;
    int32_t m_depth;
};
