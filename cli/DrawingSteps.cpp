#include "cli/EditSteps.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BucketFill.h"
#include "document/PencilStroke.h"
#include "document/SelectionCommands.h"
#include "document/StraightLine.h"

#include <vector>

const char* const drawingStepsUsage = R"(    drawing, in the drawing colour through the tone:
      --pencil X0,Y0[,X1,Y1,...]
                        a pencil stroke pressed at the first point and moved through the
                        others; it commits the selection. A stroke that starts off the picture
                        draws nothing, as in the editor
      --line X0,Y0,X1,Y1
                        a line as the line tool draws it on release, both ends included
      --fill X,Y        the bucket: fill the 4-connected area of the colour at X,Y, inside
                        the selection when there is one
      --border-fill X,Y the bucket with Shift: on an 8-bit picture fill outward from X,Y up to
                        the border colours; on a full-colour one as --fill X,Y
      --fill, --border, --clear
                        fill the selection or its inner border, or clear it to the background
                        colour
)";

namespace {

using Value = EditStep::Value;

void pencil(EditState& state, const std::vector<Point>& path)
{
    if (!state.document.bounds().contains(path.front()))
        return;
    PencilStroke stroke(state.document, state.pen);
    stroke.press(path.front());
    for (size_t i = 1; i < path.size(); ++i)
        stroke.moveTo(path[i]);
}

void line(EditState& state, const std::vector<Point>& ends, const std::string& option)
{
    if (ends.size() != 2)
        throw BadArgument{option + ": takes X0,Y0,X1,Y1"};
    if (state.document.bounds().contains(ends[0]))
        drawStraightLine(state.document, ends[0], ends[1], state.width);
}

// A bucket click at the value's point, which the editor beeps at outside the picture or selection.
void bucket(BitmapDocument& document, const std::string& value, const std::string& option, bool border)
{
    Point p = stepPoint(value, option);
    BucketClick click = border ? borderFill(document, p) : bucketFill(document, p);
    if (click == BucketClick::outsidePicture)
        throw StepFailed{option + ": " + value + " lies outside the picture"};
    if (click == BucketClick::outsideSelection)
        throw StepFailed{option + ": " + value + " lies outside the selection"};
}

const EditStep steps[] = {
    {"--pencil", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { pencil(s, stepPoints(v, o)); }},
    {"--line", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { line(s, stepPoints(v, o), o); }},
    {"--fill", Value::optionalPoint,
     [](EditState& s, const std::string& v, const std::string& o) {
         if (v.empty())
             selectionCommands::fill(s.document, false);
         else
             bucket(s.document, v, o, false);
     }},
    {"--border-fill", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { bucket(s.document, v, o, true); }},
    {"--border", Value::none,
     [](EditState& s, const std::string&, const std::string&) { selectionCommands::fill(s.document, true); }},
    {"--clear", Value::none,
     [](EditState& s, const std::string&, const std::string&) { selectionCommands::clear(s.document); }},
};

} // namespace

std::span<const EditStep> drawingSteps()
{
    return steps;
}
