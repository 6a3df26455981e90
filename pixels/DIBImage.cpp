#include "pixels/DIBImage.h"

#include "base/ErrorFrame.h"

#include <QImage>

#include <cstdlib>
#include <cstring>
#include <sys/mman.h>

namespace {

void putLittleEndian(uint8_t* p, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

} // namespace

// Big pictures take their memory straight from the system as zeroed huge pages, so that a new
// 10000 x 10000 picture costs few page faults; small ones come from the heap.
uint8_t* DIBImage::allocatePixels(size_t bytes, bool zeroed)
{
    if (bytes < hugePageThreshold)
        return static_cast<uint8_t*>(zeroed ? std::calloc(bytes, 1) : std::malloc(bytes));
    void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    ::madvise(memory, bytes, MADV_HUGEPAGE);
    return static_cast<uint8_t*>(memory);
}

void DIBImage::FreeMemory::operator()(uint8_t* p) const
{
    if (bytes < hugePageThreshold)
        std::free(p);
    else
        ::munmap(p, bytes);
}

DIBImage::~DIBImage() = default;

void DIBImage::endDrawing(const QImage&) {}

int32_t DIBImage::rowLength(int32_t depth, int32_t width)
{
    return int32_t((int64_t(depth) * width + 31) / 32 * 4);
}

void DIBImage::create(Point size)
{
    allocate(size, true);
}

void DIBImage::allocate(Point size, bool zeroed)
{
    if (size.x <= 0 || size.y <= 0 || int64_t(size.x) * m_depth > INT32_MAX - 31)
        raiseError(errorOutOfMemory);
    int32_t length = rowLength(m_depth, size.x);
    size_t bytes = size_t(size.y) * size_t(length);
    uint8_t* memory = allocatePixels(bytes, zeroed);
    if (!memory)
        raiseError(errorOutOfMemory);
    m_memory = std::unique_ptr<uint8_t, FreeMemory>(memory, FreeMemory{bytes});
    m_width = size.x;
    m_height = size.y;
    if (bottomUp()) {
        m_bits = memory + ptrdiff_t(size.y - 1) * length;
        m_stride = -length;
    } else {
        m_bits = memory;
        m_stride = length;
    }
}

DIBImage::Header DIBImage::fillHeader(Point size) const
{
    Header header{};
    putLittleEndian(&header[0], headerSize, 4);
    putLittleEndian(&header[4], uint32_t(size.x), 4);
    putLittleEndian(&header[8], uint32_t(bottomUp() ? size.y : -size.y), 4);
    putLittleEndian(&header[12], 1, 2);
    putLittleEndian(&header[14], uint32_t(m_depth), 2);
    return header;
}

std::shared_ptr<DIBImage> DIBImage::duplicate() const
{
    std::shared_ptr<DIBImage> copy = newOfSameKind();
    if (isEmpty())
        return copy;
    copy->allocate(extent(), false);
    size_t length = size_t(std::abs(m_stride));
    for (int32_t y = 0; y < m_height; ++y)
        std::memcpy(copy->row(y), row(y), length);
    return copy;
}

// Unzeroed memory, every byte of it written: an undo copy costs the copy alone.
std::shared_ptr<DIBImage> DIBImage::copyOfArea(const Rect& area) const
{
    if (m_depth % 8 != 0 || area.isEmpty() || area.intersected(bounds()) != area)
        raiseError(errorQuiet);
    std::shared_ptr<DIBImage> copy = newOfSameKind();
    copy->allocate({area.width(), area.height()}, false);
    size_t pixel = size_t(m_depth / 8);
    for (int32_t y = 0; y < area.height(); ++y) {
        std::memcpy(copy->row(y), row(area.top + y) + pixel * size_t(area.left), pixel * size_t(area.width()));
        copy->clearPadding(y);
    }
    return copy;
}

void DIBImage::clear(bool flag)
{
    if (!isEmpty())
        std::memset(m_memory.get(), flag ? 0xFF : 0x00, size_t(m_height) * size_t(std::abs(m_stride)));
}

bool DIBImage::samePixels(const DIBImage& other) const
{
    if (other.extent() != extent() || other.depth() != m_depth)
        return false;
    size_t used = size_t((int64_t(m_depth) * m_width + 7) / 8);
    for (int32_t y = 0; y < m_height; ++y)
        if (std::memcmp(row(y), other.row(y), used) != 0)
            return false;
    return true;
}

void DIBImage::clearPadding(int32_t y)
{
    int32_t used = int32_t((int64_t(m_depth) * m_width + 7) / 8);
    std::memset(row(y) + used, 0, size_t(std::abs(m_stride) - used));
}
