#include "document/NewParams.h"

#include "base/NumberList.h"
#include "formats/SettingsFile.h"

#include <cstdio>
#include <optional>

namespace {

bool within(Point p, int32_t low, int32_t high)
{
    return p.x >= low && p.x <= high && p.y >= low && p.y <= high;
}

Point pairOf(const SettingsFile& file, const char* key)
{
    auto [a, b] = file.readPair(key);
    return {a, b};
}

// The third number of an "a,b,c" value, read in radix after two decimal ones.
std::optional<int32_t> third(const SettingsFile& file, const char* key, int radix)
{
    NumberList numbers(file.readString(key));
    numbers.next();
    numbers.next();
    return numbers.next(radix);
}

} // namespace

NewParams::NewParams()
{
    blockSize.setPoint({16, 16});
    canvasSize.setPoint({256, 256});
    meshSize.setPoint({64, 64});
}

void loadNewParams(const SettingsFile& file, NewParams& params)
{
    std::optional<int32_t> index = NumberList(file.readString("Palette")).next(16);
    params.backgroundIndex.setValue(index && *index >= 0 && *index <= 255 ? *index : 0);

    // Blue is cut to 8 bits as well as red and green, so a stored colour can never read back as a
    // palette-index reference.
    std::vector<int32_t> c = NumberList::read(file.readString("BackColor"), 3);
    params.backgroundColour.setValue(c.size() == 3 ? rgb(uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2]))
                                                   : rgb(255, 255, 255));

    Point block = pairOf(file, "Block");
    params.blockSize.setPoint(within(block, 4, 999) ? block : Point{16, 16});
    Point canvas = pairOf(file, "Canvas");
    params.canvasSize.setPoint(within(canvas, 1, 10000) ? canvas : Point{256, 256});
    Point mesh = pairOf(file, "Mesh");
    params.meshSize.setPoint(within(mesh, 2, 9999) ? mesh : Point{64, 64});
    std::optional<int32_t> meshIndex = third(file, "Mesh", 16);
    params.meshColourIndex.setValue(meshIndex && *meshIndex >= 0 && *meshIndex <= 255 ? *meshIndex : 1);

    std::optional<int32_t> edge = NumberList(file.readString("Edge")).next();
    params.edgeWidth.setValue(edge && *edge >= 1 && *edge <= 64 ? *edge : 1);

    Point offset = pairOf(file, "Offset");
    // The preferences accept offsets up to 10000, so reading does too: a saved value comes back.
    params.offset.setPoint(within(offset, 0, 10000) ? offset : Point{0, 0});
    std::optional<int32_t> up = third(file, "Offset", 10);
    params.yUp.setValue(up && *up == 1 ? 1 : 0);
}

void saveNewParams(SettingsFile& file, const NewParams& params)
{
    char text[64];
    std::snprintf(text, sizeof text, "%x", unsigned(params.backgroundIndex.value()));
    file.writeString("Palette", text);
    ColorRef c = params.backgroundColour.value();
    std::snprintf(text, sizeof text, "%d,%d,%d", redOf(c), greenOf(c), blueOf(c));
    file.writeString("BackColor", text);
    file.writePair("Block", {params.blockSize.point().x, params.blockSize.point().y});
    file.writePair("Canvas", {params.canvasSize.point().x, params.canvasSize.point().y});
    Point mesh = params.meshSize.point();
    std::snprintf(text, sizeof text, "%d,%d,%x", mesh.x, mesh.y, unsigned(params.meshColourIndex.value()));
    file.writeString("Mesh", text);
    file.writeString("Edge", std::to_string(params.edgeWidth.value()));
    Point offset = params.offset.point();
    std::snprintf(text, sizeof text, "%d,%d,%d", offset.x, offset.y, params.yUp.value());
    file.writeString("Offset", text);
}

NewParams& NewParams::current()
{
    static NewParams params;
    return params;
}
