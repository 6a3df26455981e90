#include "commands/SaveAsDialog.h"

#include "commands/ExtensionQuestion.h"
#include "document/BitmapDocument.h"
#include "formats/FormatTable.h"
#include "framework/FileDialogs.h"
#include "resources/StringTable.h"

#include <algorithm>

namespace {

// The format of a save dialog's filter entry: entry 1 is the first format.
int formatForFilter(int filterIndex)
{
    return std::clamp<int>(filterIndex - 1, 0, int(imageFormats().size()) - 1);
}

} // namespace

std::optional<SaveTarget> chooseSaveTarget(const BitmapDocument& document)
{
    FileDialogRequest request{"", std::string(loadString(strings::saveFilters)), document.currentFormat() + 1, "",
                              document.file() ? document.file()->path() : ""};
    // A name whose extension is not the chosen type's asks first.
    auto accept = [](const FileChoice& choice) {
        const ImageFormat& format = *imageFormats()[size_t(formatForFilter(choice.filterIndex))];
        return acceptsExtension(choice.path, format.extension(), std::string(loadString(format.nameId())));
    };
    std::optional<FileChoice> choice = chooseSaveFile(request, accept);
    if (!choice)
        return std::nullopt;
    return SaveTarget{choice->path, formatForFilter(choice->filterIndex)};
}
