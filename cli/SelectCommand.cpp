#include "cli/SelectCommand.h"

#include "cli/ClipboardSteps.h"
#include "cli/CommandDocument.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionCommands.h"
#include "pixels/Region.h"

#include <functional>

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
      --mode M          paste mode 0-3: background transparent, everything, behind, inside
      --color C, --background C
                        drawing or background colour: an index 0-255, or #RRGGBB for a
                        full-colour picture (default: as the editor after opening IN)
      --tone T          drawing tone 0-11
)";

const char* const selectNotes = R"(                    A new selection commits the one before it, as in the editor.
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

const std::vector<Step>& steps()
{
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
