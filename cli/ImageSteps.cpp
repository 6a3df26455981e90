#include "cli/EditSteps.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/CanvasOperations.h"
#include "document/ColorReplacement.h"
#include "document/OutlineShapes.h"
#include "document/SelectionTransforms.h"
#include "pixels/DIBImage.h"

#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

const char* const imageStepsUsage =
    R"(    image, on the selection the steps before made (a flip, turn, scale, edge, replace or
    renumber without one exits with status 1):
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
      --replace T,T,.../R[,R]
                        8-bit pictures: the selected dots of the target indices T take index
                        R, or the two results as a checkerboard (the first where x + y is even)
      --renumber C      8-bit pictures: move the selected dots to the palette row of index C,
                        each keeping its column
      --canvas W,H[,A]  make the picture W x H dots (1 to 10000 each), cut or extended with
                        the background colour about anchor A: 0-8 row by row from the
                        top-left (default 4, the centre); no selection needed
)";

namespace {

using Value = EditStep::Value;

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

// The direction comes from the option's name.
void turn(EditState& state, const std::string& value, const std::string& option)
{
    double angle = turnAngle(value, option);
    needSelection(state.document, option);
    selectionTransforms::rotate(state.document, angle);
}

const EditStep steps[] = {
    {"--flip", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         Point factors = flipFactors(v, o);
         needSelection(s.document, o);
         selectionTransforms::mirrorScale(s.document, factors);
     }},
    {"--rotate", Value::required, turn},
    {"--rotate-ccw", Value::required, turn},
    {"--scale", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         Point size = scaledSize(v, o);
         needSelection(s.document, o);
         selectionTransforms::scaleTo(s.document, size);
     }},
    {"--edge", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         EdgeArguments edge = edgeArguments(v, o);
         needSelection(s.document, o);
         outlineShapes(s.document, edge.width, edge.corners);
     }},
    {"--replace", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         Replacement colors = replacement(v, o);
         needIndexedSelection(s.document, o);
         replaceColors(s.document, colors.targets, colors.results);
     }},
    {"--renumber", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         int32_t entry = stepNumber(v, 0, 255, o);
         needIndexedSelection(s.document, o);
         assignPaletteRow(s.document, entry);
     }},
    {"--canvas", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         CanvasArguments canvas = canvasArguments(v, o);
         resizeCanvas(s.document, canvasRect(s.document.image()->extent(), canvas.size, canvas.anchor));
     }},
};

} // namespace

std::span<const EditStep> imageSteps()
{
    return steps;
}
