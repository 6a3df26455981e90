#include "cli/SelectCommand.h"

#include "cli/ClipboardSteps.h"
#include "cli/CommandDocument.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/CanvasOperations.h"
#include "document/ColorReplacement.h"
#include "document/OutlineShapes.h"
#include "document/SelectionCommands.h"
#include "document/SelectionTransforms.h"
#include "pixels/DIBImage.h"
#include "pixels/Region.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <string_view>

const char* const selectUsage = R"(  select IN OUT STEP...
                    open IN, select and edit with the editor's selection commands, then
                    commit the selection and write OUT; the steps run left to right:
      --rect L,T,R,B    select the rectangle (right and bottom excluded)
      --ellipse L,T,R,B select the ellipse inside the rectangle
      --lasso X0,Y0,X1,Y1,...
                        select the polygon through these corners of the dot grid
      --all, --none, --invert
                        select all, nothing, or the rest of the picture
      --fill, --border, --clear
                        fill the selection or its inner border with the drawing colour
                        through the tone, or clear it to the background colour
      --move DX,DY      move the selection, cutting it out first
      --move-copy DX,DY move it leaving a copy, as with Ctrl held
      --flip x|y|both   mirror the selection across, down or both ways
      --rotate D, --rotate-ccw D
                        turn the selection D degrees (whole degrees of a decimal of at most
                        6 digits) clockwise or counter-clockwise about its centre; 90 is an
                        exact quarter turn, other angles grow it to the turned box
      --scale W,H       scale the selection to W x H dots (1 to 10000 each; a negative side
                        mirrors), its top-left kept
      --edge N[,nocorners]
                        outline the shapes in the selection (the dots not of the background
                        colour) N dots wide, 1 to 64, with corners or without, in the drawing
                        colour through the tone
      --canvas W,H[,A]  make the picture W x H dots (1 to 10000 each), cut or extended with
                        the background colour about anchor A: 0-8 row by row from the
                        top-left (default 4, the centre)
      --replace T,T,.../R[,R]
                        8-bit pictures: the selected dots of the target indices T take index
                        R, or the two results as a checkerboard (the first where x + y is even)
      --renumber C      8-bit pictures: move the selected dots to the palette row of index C,
                        each keeping its column
      --mode M          paste mode 0-3: background transparent, everything, behind, inside
      --color C, --background C
                        drawing or background colour: an index 0-255, or #RRGGBB for a
                        full-colour picture (default: as the editor after opening IN)
      --tone T          drawing tone 0-11
)";

const char* const selectNotes = R"(                    A new selection commits the one before it, as in the editor.
                    A flip, turn, scale, edge, replace or renumber without a selection, and a
                    replace or renumber on a full-colour picture, exit with status 1.
                    Bad arguments exit with status 2.
)";

namespace {

// One step: its option, whether a value follows it, and what it does.
struct Step {
    const char* option;
    bool takesValue;
    std::function<void(BitmapDocument&, const std::string& value, const std::string& option)> run;
};

Point offset(const std::string& value, const std::string& option)
{
    std::vector<Point> points = stepPoints(value, option);
    if (points.size() != 1)
        throw BadArgument{option + ": takes DX,DY"};
    return points[0];
}

// The selection an image step acts on; StepFailed without one, where the editor's command is off.
void needSelection(const BitmapDocument& document, const std::string& option)
{
    if (!document.selection())
        throw StepFailed{option + ": nothing is selected"};
}

Point flipFactors(const std::string& value, const std::string& option)
{
    if (value == "x")
        return {-1, 1};
    if (value == "y")
        return {1, -1};
    if (value == "both")
        return {-1, -1};
    throw BadArgument{option + ": takes x, y or both"};
}

double turnAngle(const std::string& value, const std::string& option)
{
    std::optional<int32_t> degrees = selectionTransforms::wholeDegrees(value);
    if (!degrees)
        throw BadArgument{option + ": takes degrees, a number of at most 6 digits"};
    return selectionTransforms::rotationAngle(*degrees, option == "--rotate-ccw");
}

Point scaledSize(const std::string& value, const std::string& option)
{
    Point size = stepPoint(value, option);
    auto within = [](int32_t side) { return side != 0 && std::abs(side) <= DIBImage::maxSide; };
    if (!within(size.x) || !within(size.y))
        throw BadArgument{option + ": each side is 1 to 10000 dots, or -1 to -10000"};
    return size;
}

// The selection of an 8-bit picture that a replacement recolours by index.
void needIndexedSelection(const BitmapDocument& document, const std::string& option)
{
    needSelection(document, option);
    if (document.isFullColor())
        throw StepFailed{option + ": a full-colour picture has no palette to replace by"};
}

struct Replacement {
    std::vector<int> targets;
    std::vector<int> results;
};

Replacement replacement(const std::string& value, const std::string& option)
{
    size_t slash = value.find('/');
    if (slash == std::string::npos)
        throw BadArgument{option + ": takes T,T,.../R[,R]"};
    std::vector<int32_t> targets = stepNumbers(value.substr(0, slash), 0, 255, option);
    std::vector<int32_t> results = stepNumbers(value.substr(slash + 1), 0, 255, option);
    if (targets.empty() || results.empty() || results.size() > 2)
        throw BadArgument{option + ": takes one or more targets and one or two results"};
    return {{targets.begin(), targets.end()}, {results.begin(), results.end()}};
}

struct EdgeArguments {
    int32_t width;
    bool corners;
};

EdgeArguments edgeArguments(const std::string& value, const std::string& option)
{
    size_t comma = value.find(',');
    bool corners = comma == std::string::npos;
    if (!corners && value.compare(comma + 1, std::string::npos, "nocorners") != 0)
        throw BadArgument{option + ": takes N or N,nocorners"};
    return {stepNumber(std::string_view(value).substr(0, comma), 1, 64, option), corners};
}

struct CanvasArguments {
    Point size;
    int32_t anchor;
};

CanvasArguments canvasArguments(const std::string& value, const std::string& option)
{
    std::vector<int32_t> values = stepNumbers(value, 0, DIBImage::maxSide, option);
    bool sized = values.size() >= 2 && values[0] >= 1 && values[1] >= 1;
    if (!sized || values.size() > 3 || (values.size() == 3 && values[2] > 8))
        throw BadArgument{option + ": takes W,H of 1 to 10000 dots each and an anchor 0-8"};
    return {{values[0], values[1]}, values.size() == 3 ? values[2] : 4};
}

const std::vector<Step>& steps()
{
    // The direction comes from the option's name.
    auto turn = [](BitmapDocument& d, const std::string& v, const std::string& o) {
        double angle = turnAngle(v, o);
        needSelection(d, o);
        selectionTransforms::rotate(d, angle);
    };
    static const std::vector<Step> table{
        {"--rect", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             Region region;
             region.setRect(stepRect(v, o));
             selectionCommands::select(d, region);
         }},
        {"--ellipse", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             Region region;
             region.setEllipse(stepRect(v, o));
             selectionCommands::select(d, region);
         }},
        {"--lasso", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             std::vector<Point> corners = stepPoints(v, o);
             if (corners.size() < 3)
                 throw BadArgument{o + ": takes at least three corners"};
             Region region;
             region.setPolygon(corners.data(), int(corners.size()));
             selectionCommands::select(d, region);
         }},
        {"--all", false,
         [](BitmapDocument& d, const std::string&, const std::string&) { selectionCommands::selectAll(d); }},
        {"--none", false,
         [](BitmapDocument& d, const std::string&, const std::string&) { selectionCommands::selectNone(d); }},
        {"--invert", false,
         [](BitmapDocument& d, const std::string&, const std::string&) { selectionCommands::invert(d); }},
        {"--fill", false,
         [](BitmapDocument& d, const std::string&, const std::string&) { selectionCommands::fill(d, false); }},
        {"--border", false,
         [](BitmapDocument& d, const std::string&, const std::string&) { selectionCommands::fill(d, true); }},
        {"--clear", false,
         [](BitmapDocument& d, const std::string&, const std::string&) { selectionCommands::clear(d); }},
        {"--move", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             d.selectionPlug().moveBy(offset(v, o), false);
         }},
        {"--move-copy", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             d.selectionPlug().moveBy(offset(v, o), true);
         }},
        {"--flip", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             Point factors = flipFactors(v, o);
             needSelection(d, o);
             selectionTransforms::mirrorScale(d, factors);
         }},
        {"--rotate", true, turn},
        {"--rotate-ccw", true, turn},
        {"--scale", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             Point size = scaledSize(v, o);
             needSelection(d, o);
             selectionTransforms::scaleTo(d, size);
         }},
        {"--edge", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             EdgeArguments edge = edgeArguments(v, o);
             needSelection(d, o);
             outlineShapes(d, edge.width, edge.corners);
         }},
        {"--canvas", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             CanvasArguments canvas = canvasArguments(v, o);
             resizeCanvas(d, canvasRect(d.image()->extent(), canvas.size, canvas.anchor));
         }},
        {"--replace", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             Replacement colors = replacement(v, o);
             needIndexedSelection(d, o);
             replaceColors(d, colors.targets, colors.results);
         }},
        {"--renumber", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             int32_t entry = stepNumber(v, 0, 255, o);
             needIndexedSelection(d, o);
             assignPaletteRow(d, entry);
         }},
        {"--mode", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) { d.setPasteMode(stepNumber(v, 0, 3, o)); }},
        {"--color", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             d.setDrawingColor(stepColor(v, d.isFullColor(), o));
         }},
        {"--background", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             d.setBackgroundColor(stepColor(v, d.isFullColor(), o));
         }},
        {"--tone", true,
         [](BitmapDocument& d, const std::string& v, const std::string& o) {
             d.setDrawingTone(stepNumber(v, 0, 11, o));
         }},
    };
    return table;
}

const Step& stepFor(const std::string& option)
{
    for (const Step& step : steps())
        if (option == step.option)
            return step;
    throw BadArgument{"unknown step \"" + option + "\""};
}

} // namespace

int runSelect(const std::vector<std::string>& arguments, std::ostream& err)
{
    if (arguments.size() < 2) {
        err << "select: expected IN OUT and steps\n";
        return 2;
    }
    return runOnDocument(
        "select", arguments[0], arguments[1],
        [&](BitmapDocument& document) {
            for (size_t i = 2; i < arguments.size(); ++i) {
                if (size_t used = runClipboardStep(document, arguments, i)) {
                    i += used - 1;
                    continue;
                }
                const std::string& option = arguments[i];
                const Step& step = stepFor(option);
                std::string value;
                if (step.takesValue) {
                    if (i + 1 == arguments.size())
                        throw BadArgument{option + ": needs a value"};
                    value = arguments[++i];
                }
                step.run(document, value, option);
            }
            document.commitSelection();
        },
        err);
}
