#include "palette/PaletteModel.h"

#include "base/FilePath.h"
#include "base/PaletteFile.h"
#include "core/Aspects.h"
#include "pixels/LogicalPalette.h"

#include <cstring>

namespace {

// The desktop's twenty stock colours, which a new palette starts from without a default file.
constexpr std::array<ColorRef, 20> stockColors{
    rgb(0, 0, 0),       rgb(128, 0, 0),     rgb(0, 128, 0),     rgb(128, 128, 0),   rgb(0, 0, 128),
    rgb(128, 0, 128),   rgb(0, 128, 128),   rgb(192, 192, 192), rgb(192, 220, 192), rgb(166, 202, 240),
    rgb(255, 251, 240), rgb(160, 160, 164), rgb(128, 128, 128), rgb(255, 0, 0),     rgb(0, 255, 0),
    rgb(255, 255, 0),   rgb(0, 0, 255),     rgb(255, 0, 255),   rgb(0, 255, 255),   rgb(255, 255, 255),
};

} // namespace

void PaletteModel::changed()
{
    updatePlatformPalette();
    Model::changed(&aspects::PaletteModel::access);
}

void PaletteModel::updatePlatformPalette()
{
    if (m_platform)
        m_platform->setColors(0, m_colors.data(), size);
}

void* PaletteModel::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::PaletteModel::access)
        return offer<PaletteModel>(this);
    return Model::valueFor(aspect);
}

void PaletteModel::reset()
{
    auto platform = std::make_shared<LogicalPalette>();
    platform->create(size);
    m_platform = std::move(platform);
    m_precision = 8;
    m_colors.fill(rgb(0, 0, 0));
    changed();
}

void PaletteModel::setColors(int count, const ColorRef* values, uint8_t* outEntries)
{
    reset();
    for (int i = count - 1; i >= 0; --i) {
        int e = entryOf(i);
        m_colors[size_t(e)] = values[i];
        if (outEntries)
            outEntries[i] = uint8_t(e);
    }
    changed();
}

void PaletteModel::loadDefault(const std::string& file)
{
    reset();
    FilePath path;
    path.setFullPath(file);
    if (path.exists()) {
        path.openForRead();
        std::vector<ColorRef> colors = paletteFile::read(path);
        for (size_t i = 0; i < colors.size(); ++i)
            setColorAt(int(i), colors[i]);
    } else {
        for (size_t i = 0; i < stockColors.size(); ++i)
            setColorAt(int(i), stockColors[i]);
    }
    changed();
}

ColorRef PaletteModel::colorAt(int i) const
{
    return unsigned(i) >= unsigned(size) ? rgb(0, 0, 0) : m_colors[size_t(entryOf(i))];
}

void PaletteModel::setColorAt(int i, ColorRef color)
{
    if (unsigned(i) < unsigned(size))
        m_colors[size_t(entryOf(i))] = quantizeColor(color);
}

void PaletteModel::setPrecision(int bits)
{
    if (bits == m_precision || bits < 1 || bits > 8)
        return;
    bool lower = bits < m_precision;
    m_precision = bits;
    if (!lower)
        return;
    for (ColorRef& c : m_colors)
        c = quantizeColor(c);
    changed();
}

uint8_t PaletteModel::quantizeChannel(uint8_t v) const
{
    int p = m_precision;
    unsigned q = v & (((1u << p) - 1) << (8 - p));
    for (int i = 0; i < 8 / p; ++i)
        q |= q >> p;
    return uint8_t(q);
}

ColorRef PaletteModel::quantizeColor(ColorRef c) const
{
    return rgb(quantizeChannel(redOf(c)), quantizeChannel(greenOf(c)), quantizeChannel(blueOf(c)));
}

std::optional<PaletteModel::Snapshot> PaletteModel::snapshot() const
{
    if (!m_platform)
        return std::nullopt;
    Snapshot block(snapshotSize);
    int16_t precision = int16_t(m_precision);
    std::memcpy(block.data(), &precision, 2);
    std::memcpy(block.data() + 2, m_colors.data(), 4 * size);
    return block;
}

void PaletteModel::restore(const std::optional<Snapshot>& block)
{
    if (!m_platform || !block || block->size() != size_t(snapshotSize))
        return;
    int16_t precision;
    std::memcpy(&precision, block->data(), 2);
    // A damaged block must not leave a precision that quantising cannot use.
    m_precision = precision >= 1 && precision <= 8 ? precision : 8;
    std::memcpy(m_colors.data(), block->data() + 2, 4 * size);
    changed();
}

void PaletteModel::copyFrom(const PaletteModel& other)
{
    m_precision = other.m_precision;
    m_platform = LogicalPalette::copyOf(other.m_platform.get());
    if (!m_platform) {
        m_platform = std::make_shared<LogicalPalette>();
        m_platform->create(size);
    }
    m_colors = other.m_colors;
    changed();
}

void PaletteModel::nearestIndices(int count, const ColorRef* colors, uint8_t* out) const
{
    for (int i = 0; i < count; ++i)
        out[i] = uint8_t(m_platform ? m_platform->nearestIndex(colors[i]) : 0);
}
