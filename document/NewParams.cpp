#include "document/NewParams.h"

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

// The third number of a "a,b,c" value read with format, or nothing when it is not exactly there.
template <class Number>
std::optional<Number> third(const SettingsFile& file, const char* key, const char* format)
{
    Number value{};
    if (std::sscanf(file.readString(key).c_str(), format, &value) != 1)
        return std::nullopt;
    return value;
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
    unsigned index = 0;
    bool oneIndex = std::sscanf(file.readString("Palette").c_str(), "%x", &index) == 1 && index <= 255;
    params.backgroundIndex.setValue(oneIndex ? int32_t(index) : 0);

    // Blue is cut to 8 bits as well as red and green, so a stored colour can never read back as a
    // palette-index reference.
    int red = 0, green = 0, blue = 0;
    bool color = std::sscanf(file.readString("BackColor").c_str(), "%d,%d,%d", &red, &green, &blue) == 3;
    params.backgroundColour.setValue(color ? rgb(uint8_t(red), uint8_t(green), uint8_t(blue)) : rgb(255, 255, 255));

    Point block = pairOf(file, "Block");
    params.blockSize.setPoint(within(block, 4, 999) ? block : Point{16, 16});
    Point canvas = pairOf(file, "Canvas");
    params.canvasSize.setPoint(within(canvas, 1, 10000) ? canvas : Point{256, 256});
    Point mesh = pairOf(file, "Mesh");
    params.meshSize.setPoint(within(mesh, 2, 9999) ? mesh : Point{64, 64});
    std::optional<unsigned> meshIndex = third<unsigned>(file, "Mesh", "%*d,%*d,%x");
    params.meshColourIndex.setValue(meshIndex && *meshIndex <= 255 ? int32_t(*meshIndex) : 1);

    int edge = 0;
    bool edgeRead = std::sscanf(file.readString("Edge").c_str(), "%d", &edge) == 1;
    params.edgeWidth.setValue(edgeRead && edge >= 1 && edge <= 64 ? edge : 1);

    Point offset = pairOf(file, "Offset");
    // The preferences accept offsets up to 10000, so reading does too: a saved value comes back.
    params.offset.setPoint(within(offset, 0, 10000) ? offset : Point{0, 0});
    std::optional<int> up = third<int>(file, "Offset", "%*d,%*d,%d");
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
