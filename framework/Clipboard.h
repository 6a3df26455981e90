#pragma once

#include "pixels/DecodedPicture.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The desktop's clipboard as the picture commands use it. A copy goes out as the program's own
// packed DIB with its marker and, for other programs, as a BMP file and a PNG picture made only when
// one of them asks.
namespace clipboard {

// Whether the clipboard holds a picture that a paste could take.
bool holdsImage();

// Replaces the clipboard's contents by a packed DIB of size bytes, which fill writes in place, and
// the program's marker bytes.
void publishDib(size_t size, const std::function<void(std::span<uint8_t>)>& fill, std::span<const uint8_t> marker);

// Bytes taken from the clipboard; they stay valid as long as the holder keeps them.
class Bytes {
public:
    Bytes() = default;
    Bytes(std::shared_ptr<const void> owner, std::span<const uint8_t> bytes) : m_owner(std::move(owner)), m_bytes(bytes)
    {
    }
    std::span<const uint8_t> span() const { return m_bytes; }

private:
    std::shared_ptr<const void> m_owner;
    std::span<const uint8_t> m_bytes;
};

// The MIME types the clipboard holds.
std::vector<std::string> types();
// The bytes the clipboard holds under a MIME type; none when it holds no such type.
Bytes bytesOf(const std::string& type);
// Replaces the clipboard's contents by these bytes under their MIME types, as other programs put
// theirs.
void publish(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& data);

// The picture a paste takes: the program's own DIB (marked when the marker came with it), else a
// BMP file, else any picture the desktop decodes.
struct Contents {
    enum class Kind { none, dib, bmpFile, picture };
    Kind kind = Kind::none;
    bool marked = false;
    Bytes bytes;
    DecodedPicture picture;
};
Contents take();

} // namespace clipboard
