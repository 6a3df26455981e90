#include "cli/DrawCommand.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "base/FilePath.h"
#include "cli/PictureFiles.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "document/PencilStroke.h"
#include "document/StraightLine.h"

#include <charconv>
#include <memory>
#include <optional>

const char* const drawUsage = R"(  draw IN OUT STEP...
                    open IN, draw with the editor's pencil and line, write OUT; the steps run
                    left to right, settings applying to the actions after them:
      --color C     drawing colour: a palette index 0-255 for an 8-bit picture, #RRGGBB for
                    a full-colour one (default: as the editor after opening IN)
      --tone T      drawing tone 0-11 (0 is solid)
      --pen N       pencil pen shape 0-8 (0 is one dot)
      --width W     line width 1-99
      --pencil X0,Y0[,X1,Y1,...]
                    a pencil stroke pressed at the first point and moved through the others
      --line X0,Y0,X1,Y1
                    a line as the line tool draws it on release, both ends included
                    Strokes that start off the picture draw nothing, as in the editor.
                    Bad arguments exit with status 2.
)";

namespace {

// A step that cannot be understood: its text goes to standard error and the command exits 2.
struct BadArgument {
    std::string reason;
};

int32_t number(std::string_view text, int32_t low, int32_t high, const std::string& option)
{
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw BadArgument{option + ": expected a whole number from " + std::to_string(low) + " to " +
                          std::to_string(high) + ", not \"" + std::string(text) + "\""};
    return value;
}

std::vector<Point> points(const std::string& text, const std::string& option)
{
    std::vector<int32_t> values;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string_view part(text.data() + start, (comma == std::string::npos ? text.size() : comma) - start);
        values.push_back(number(part, -1000000, 1000000, option));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (values.size() % 2 != 0)
        throw BadArgument{option + ": coordinates come in pairs X,Y"};
    std::vector<Point> result;
    for (size_t i = 0; i < values.size(); i += 2)
        result.push_back({values[i], values[i + 1]});
    return result;
}

ColorRef color(const std::string& text, bool fullColor)
{
    if (fullColor) {
        uint32_t value = 0;
        auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
        if (text.size() != 7 || text[0] != '#' || error != std::errc() || end != text.data() + text.size())
            throw BadArgument{"--color: a full-colour picture takes #RRGGBB, not \"" + text + "\""};
        return rgb(uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value));
    }
    return paletteIndex(uint8_t(number(text, 0, 255, "--color (a palette index for an 8-bit picture)")));
}

// The editor's state for the strokes: the document, and what the tools keep in the view.
struct Drawing {
    BitmapDocument& document;
    int pen = 0;
    int32_t width = 1;
};

void pencil(Drawing& drawing, const std::vector<Point>& path)
{
    if (!drawing.document.bounds().contains(path.front()))
        return;
    PencilStroke stroke(drawing.document, drawing.pen);
    stroke.press(path.front());
    for (size_t i = 1; i < path.size(); ++i)
        stroke.moveTo(path[i]);
}

void line(Drawing& drawing, const std::vector<Point>& ends)
{
    if (ends.size() != 2)
        throw BadArgument{"--line: takes X0,Y0,X1,Y1"};
    if (drawing.document.bounds().contains(ends[0]))
        drawStraightLine(drawing.document, ends[0], ends[1], drawing.width);
}

void apply(Drawing& drawing, const std::string& option, const std::string& value)
{
    BitmapDocument& document = drawing.document;
    if (option == "--color")
        document.setDrawingColor(color(value, document.isFullColor()));
    else if (option == "--tone")
        document.setDrawingTone(number(value, 0, 11, option));
    else if (option == "--pen")
        drawing.pen = number(value, 0, 8, option);
    else if (option == "--width")
        drawing.width = number(value, 1, maxLineWidth, option);
    else if (option == "--pencil")
        pencil(drawing, points(value, option));
    else if (option == "--line")
        line(drawing, points(value, option));
    else
        throw BadArgument{"unknown step \"" + option + "\""};
}

// A document that lives only for the command, read as the editor reads it.
struct DocumentDeleter {
    void operator()(BitmapDocument* document) const { delete document; }
};

} // namespace

int runDraw(const std::vector<std::string>& arguments, std::ostream& err)
{
    if (arguments.size() < 2 || arguments.size() % 2 != 0) {
        err << "draw: expected IN OUT and steps of an option and its value\n";
        return 2;
    }
    std::unique_ptr<BitmapDocument, DocumentDeleter> document(new BitmapDocument(NewParams::current()));
    FilePath in;
    try {
        in.setFullPath(arguments[0]);
    } catch (...) {
        reportReadFailure(currentError(), arguments[0]);
        return 1;
    }
    if (!document->setFile(in))
        return 1;
    Drawing drawing{*document};
    try {
        for (size_t i = 2; i < arguments.size(); i += 2)
            apply(drawing, arguments[i], arguments[i + 1]);
    } catch (const BadArgument& bad) {
        err << "draw: " << bad.reason << '\n';
        return 2;
    } catch (...) {
        reportError(currentError(), 0, std::nullopt);
        return 1;
    }
    static const PaletteModel noPalette;
    bool written = guardCallback([&] {
        writePicture(arguments[1], *document->image(), document->palette() ? *document->palette() : noPalette);
    });
    return written ? 0 : 1;
}
