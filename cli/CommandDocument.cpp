#include "cli/CommandDocument.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "base/FilePath.h"
#include "cli/PictureFiles.h"
#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"

#include <memory>
#include <optional>

namespace {

struct DocumentDeleter {
    void operator()(BitmapDocument* document) const { delete document; }
};

} // namespace

int runOnDocument(const std::string& command, const std::string& in, const std::string& out,
                  const std::function<void(BitmapDocument&)>& steps, std::ostream& err)
{
    std::unique_ptr<BitmapDocument, DocumentDeleter> document(new BitmapDocument(NewParams::current()));
    FilePath file;
    try {
        file.setFullPath(in);
    } catch (...) {
        reportReadFailure(currentError(), in);
        return 1;
    }
    if (!document->setFile(file))
        return 1;
    try {
        steps(*document);
    } catch (const BadArgument& bad) {
        err << command << ": " << bad.reason << '\n';
        return 2;
    } catch (const StepFailed& failed) {
        err << command << ": " << failed.reason << '\n';
        return 1;
    } catch (...) {
        reportError(currentError(), 0, std::nullopt);
        return 1;
    }
    static const PaletteModel noPalette;
    bool written = guardCallback([&] {
        document->useShownImage([&](const DIBImage& shown) {
            writePicture(out, shown, document->palette() ? *document->palette() : noPalette);
        });
    });
    return written ? 0 : 1;
}
