#include "cli/EditCommand.h"

#include "cli/ClipboardSteps.h"
#include "cli/CommandDocument.h"
#include "cli/EditSteps.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"

#include <regex>

namespace {

constexpr const char* editHead = R"(  edit IN OUT STEP...
                    open IN, run the steps left to right with the editor's own code, then
                    commit the selection and write OUT; draw and select are other names for
                    it. The steps:
)";

constexpr const char* editTail =
    R"(                    A fill outside the picture or the selection, where the editor beeps,
                    or a failure the editor reports, exits with status 1 and writes nothing.
                    Bad arguments exit with status 2.
)";

const EditStep& stepFor(const std::string& option)
{
    for (auto kind : {settingSteps, selectionSteps, drawingSteps, imageSteps, paletteSteps})
        for (const EditStep& step : kind())
            if (option == step.option)
                return step;
    throw BadArgument{"unknown step \"" + option + "\""};
}

bool isPoint(const std::string& text)
{
    static const std::regex point("-?[0-9]+,-?[0-9]+");
    return std::regex_match(text, point);
}

void runSteps(EditState& state, const std::vector<std::string>& arguments)
{
    for (size_t i = 2; i < arguments.size(); ++i) {
        if (size_t used = runClipboardStep(state.document, arguments, i)) {
            i += used - 1;
            continue;
        }
        const std::string& option = arguments[i];
        const EditStep& step = stepFor(option);
        std::string value;
        bool hasNext = i + 1 < arguments.size();
        if (step.value == EditStep::Value::required) {
            if (!hasNext)
                throw BadArgument{option + ": needs a value"};
            value = arguments[++i];
        } else if (step.value == EditStep::Value::optionalPoint && hasNext && isPoint(arguments[i + 1])) {
            value = arguments[++i];
        }
        step.run(state, value, option);
    }
    state.document.commitSelection();
}

} // namespace

int runEdit(const char* command, const std::vector<std::string>& arguments, std::ostream& err)
{
    if (arguments.size() < 2) {
        err << command << ": expected IN OUT and steps\n";
        return 2;
    }
    return runOnDocument(
        command, arguments[0], arguments[1],
        [&](BitmapDocument& document) {
            EditState state{document, err, command};
            runSteps(state, arguments);
        },
        err);
}

std::string editUsage()
{
    return std::string(editHead) + settingStepsUsage + selectionStepsUsage + drawingStepsUsage + clipboardStepsUsage +
           imageStepsUsage + paletteStepsUsage + editTail;
}
