#include "cli/SelectCommand.h"

#include "cli/ClipboardSteps.h"
#include "cli/CommandDocument.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionCommands.h"
#include "document/SelectionTransforms.h"
#include "pixels/DIBImage.h"
#include "pixels/Region.h"

#include <cstdlib>
#include <functional>
#include <optional>

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
      --mode M          paste mode 0-3: background transparent, everything, behind, inside
      --color C, --background C
                        drawing or background colour: an index 0-255, or #RRGGBB for a
                        full-colour picture (default: as the editor after opening IN)
      --tone T          drawing tone 0-11
)";

const char* const selectNotes = R"(                    A new selection commits the one before it, as in the editor.
                    A flip, turn or scale without a selection exits with status 1.
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
