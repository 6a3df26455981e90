#include "cli/DrawCommand.h"

#include "cli/CommandDocument.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BucketFill.h"
#include "document/PencilStroke.h"
#include "document/SelectionCommands.h"
#include "document/StraightLine.h"
#include "pixels/Region.h"

const char* const drawUsage = R"(  draw IN OUT STEP...
                    open IN, draw with the editor's pencil, line and bucket, write OUT;
                    the steps run left to right, settings applying to the actions after them:
      --color C     drawing colour: a palette index 0-255 for an 8-bit picture, #RRGGBB for
                    a full-colour one (default: as the editor after opening IN)
      --tone T      drawing tone 0-11 (0 is solid)
      --pen N       pencil pen shape 0-8 (0 is one dot)
      --width W     line width 1-99
      --pencil X0,Y0[,X1,Y1,...]
                    a pencil stroke pressed at the first point and moved through the others
      --line X0,Y0,X1,Y1
                    a line as the line tool draws it on release, both ends included
      --fill X,Y    the bucket: fill the 4-connected area of the colour at X,Y with the
                    drawing colour through the tone
      --border-fill X,Y
                    the bucket with Shift: on an 8-bit picture fill outward from X,Y up to
                    the border colours; on a full-colour one as --fill
      --borders I,J,...
                    the border colours, palette indices 0-255 ("" for none)
      --select L,T,R,B
                    select the rectangle (right and bottom excluded), cut to the picture
                    (none when nothing of it is left); later fills stay inside it, a pencil
                    stroke commits it. --select none selects nothing
                    A fill outside the picture or the selection, where the editor beeps,
                    or one the editor reports, exits 1 and writes nothing.
                    Strokes that start off the picture draw nothing, as in the editor.
                    Bad arguments exit with status 2.
)";

namespace {

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

void fill(BitmapDocument& document, const std::string& value, const std::string& option, bool border)
{
    Point p = stepPoint(value, option);
    BucketClick click = border ? borderFill(document, p) : bucketFill(document, p);
    if (click == BucketClick::outsidePicture)
        throw StepFailed{option + ": " + value + " lies outside the picture"};
    if (click == BucketClick::outsideSelection)
        throw StepFailed{option + ": " + value + " lies outside the selection"};
}

void select(BitmapDocument& document, const std::string& value, const std::string& option)
{
    if (value == "none") {
        selectionCommands::selectNone(document);
        return;
    }
    Region region;
    region.setRect(stepRect(value, option));
    selectionCommands::select(document, region);
}

std::vector<uint8_t> borders(const std::string& value, const std::string& option)
{
    if (value.empty())
        return {};
    std::vector<int32_t> indices = stepNumbers(value, 0, 255, option);
    return std::vector<uint8_t>(indices.begin(), indices.end());
}

void apply(Drawing& drawing, const std::string& option, const std::string& value)
{
    BitmapDocument& document = drawing.document;
    if (option == "--color")
        document.setDrawingColor(stepColor(value, document.isFullColor(), option));
    else if (option == "--tone")
        document.setDrawingTone(stepNumber(value, 0, 11, option));
    else if (option == "--pen")
        drawing.pen = stepNumber(value, 0, 8, option);
    else if (option == "--width")
        drawing.width = stepNumber(value, 1, maxLineWidth, option);
    else if (option == "--pencil")
        pencil(drawing, stepPoints(value, option));
    else if (option == "--line")
        line(drawing, stepPoints(value, option));
    else if (option == "--fill" || option == "--border-fill")
        fill(document, value, option, option == "--border-fill");
    else if (option == "--borders")
        document.setBorderColors(borders(value, option));
    else if (option == "--select")
        select(document, value, option);
    else
        throw BadArgument{"unknown step \"" + option + "\""};
}

} // namespace

int runDraw(const std::vector<std::string>& arguments, std::ostream& err)
{
    if (arguments.size() < 2 || arguments.size() % 2 != 0) {
        err << "draw: expected IN OUT and steps of an option and its value\n";
        return 2;
    }
    return runOnDocument(
        "draw", arguments[0], arguments[1],
        [&](BitmapDocument& document) {
            Drawing drawing{document};
            for (size_t i = 2; i < arguments.size(); i += 2)
                apply(drawing, arguments[i], arguments[i + 1]);
        },
        err);
}
