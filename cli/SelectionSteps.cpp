#include "cli/EditSteps.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionCommands.h"
#include "pixels/Region.h"

#include <vector>

const char* const selectionStepsUsage = R"(    selection (a new selection commits the one before it, as in the editor):
      --rect L,T,R,B    select the rectangle (right and bottom excluded)
      --select L,T,R,B  the same, cut to the picture (none when nothing of it is left);
                        --select none selects nothing
      --ellipse L,T,R,B select the ellipse inside the rectangle
      --lasso X0,Y0,X1,Y1,...
                        select the polygon through these corners of the dot grid
      --all, --none, --invert
                        select all, nothing, or the rest of the picture
      --move DX,DY      move the selection, cutting it out first
      --move-copy DX,DY move it leaving a copy, as with Ctrl held
)";

namespace {

using Value = EditStep::Value;

void selectRect(EditState& state, const std::string& value, const std::string& option)
{
    Region region;
    region.setRect(stepRect(value, option));
    selectionCommands::select(state.document, region);
}

const EditStep steps[] = {
    {"--rect", Value::required, selectRect},
    {"--select", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         if (v == "none")
             return selectionCommands::selectNone(s.document);
         selectRect(s, v, o);
     }},
    {"--ellipse", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         Region region;
         region.setEllipse(stepRect(v, o));
         selectionCommands::select(s.document, region);
     }},
    {"--lasso", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         std::vector<Point> corners = stepPoints(v, o);
         if (corners.size() < 3)
             throw BadArgument{o + ": takes at least three corners"};
         Region region;
         region.setPolygon(corners.data(), int(corners.size()));
         selectionCommands::select(s.document, region);
     }},
    {"--all", Value::none,
     [](EditState& s, const std::string&, const std::string&) { selectionCommands::selectAll(s.document); }},
    {"--none", Value::none,
     [](EditState& s, const std::string&, const std::string&) { selectionCommands::selectNone(s.document); }},
    {"--invert", Value::none,
     [](EditState& s, const std::string&, const std::string&) { selectionCommands::invert(s.document); }},
    {"--move", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         s.document.selectionPlug().moveBy(stepPoint(v, o), false);
     }},
    {"--move-copy", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         s.document.selectionPlug().moveBy(stepPoint(v, o), true);
     }},
};

} // namespace

std::span<const EditStep> selectionSteps()
{
    return steps;
}

void needSelection(const BitmapDocument& document, const std::string& option)
{
    if (!document.selection())
        throw StepFailed{option + ": nothing is selected"};
}
