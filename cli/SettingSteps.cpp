#include "cli/EditSteps.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/StraightLine.h"

#include <vector>

const char* const settingStepsUsage = R"(    settings, each holding for the steps after it:
      --color C, --background C
                        drawing or background colour: a palette index 0-255 for an 8-bit
                        picture, #RRGGBB for a full-colour one (default: as the editor after
                        opening IN)
      --tone T          drawing tone 0-11 (0 is solid)
      --pen N           pencil pen shape 0-8 (0 is one dot)
      --width W         line width 1-99
      --mode M          paste mode 0-3: background transparent, everything, behind, inside
      --borders I,J,... the border colours of --border-fill, palette indices 0-255 ("" for
                        none)
)";

namespace {

using Value = EditStep::Value;

std::vector<uint8_t> borders(const std::string& value, const std::string& option)
{
    if (value.empty())
        return {};
    std::vector<int32_t> indices = stepNumbers(value, 0, 255, option);
    return std::vector<uint8_t>(indices.begin(), indices.end());
}

const EditStep steps[] = {
    {"--color", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         s.document.setDrawingColor(stepColor(v, s.document.isFullColor(), o));
     }},
    {"--background", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         s.document.setBackgroundColor(stepColor(v, s.document.isFullColor(), o));
     }},
    {"--tone", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) {
         s.document.setDrawingTone(stepNumber(v, 0, 11, o));
     }},
    {"--pen", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { s.pen = stepNumber(v, 0, 8, o); }},
    {"--width", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { s.width = stepNumber(v, 1, maxLineWidth, o); }},
    {"--mode", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { s.document.setPasteMode(stepNumber(v, 0, 3, o)); }},
    {"--borders", Value::required,
     [](EditState& s, const std::string& v, const std::string& o) { s.document.setBorderColors(borders(v, o)); }},
};

} // namespace

std::span<const EditStep> settingSteps()
{
    return steps;
}
