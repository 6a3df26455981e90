#include "cli/PictureFiles.h"

#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "formats/FormatTable.h"
#include "formats/ReplacingWrite.h"
#include "pixels/DIBImage.h"

namespace {

ImageFormat& formatFor(const FilePath& path, int& index)
{
    index = formatIndexForExtension(path.extension());
    return *imageFormats()[size_t(index)];
}

std::string shownName(const FilePath& path, const std::string& name)
{
    return path.path().empty() ? name : std::string(path.name());
}

} // namespace

std::shared_ptr<DIBImage> readPicture(const std::string& name, PaletteModel& palette, int& format)
{
    FilePath path;
    try {
        path.setFullPath(name);
        ImageFormat& reader = formatFor(path, format);
        reader.file = path;
        return reader.readImage(palette);
    } catch (...) {
        reportReadFailure(currentError(), shownName(path, name));
        raiseError(errorQuiet);
    }
}

void writePicture(const std::string& name, const DIBImage& image, const PaletteModel& palette)
{
    FilePath path;
    try {
        path.setFullPath(name);
        int index;
        ImageFormat& writer = formatFor(path, index);
        writeReplacing(path, [&](FilePath& file) {
            writer.file = file;
            writer.writeImage(image, palette);
        });
    } catch (...) {
        reportWriteFailure(currentError(), shownName(path, name));
        raiseError(errorQuiet);
    }
}
