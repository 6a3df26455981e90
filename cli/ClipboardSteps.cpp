#include "cli/ClipboardSteps.h"

#include "cli/StepArguments.h"
#include "document/BitmapDocument.h"
#include "document/ClipboardImage.h"
#include "document/PastedPicture.h"
#include "pixels/DIBImage.h"

#include <fstream>
#include <iterator>
#include <optional>

const char* const clipboardStepsUsage = R"(    clipboard:
      --cut             copy the selection, then remove it (a plain one's dots cleared)
      --copy FILE       write the packed DIB a copy would put on the clipboard to FILE
      --paste FILE [--marked] [--at X,Y]
                        paste FILE, a packed DIB or a BMP file, as a floating selection;
                        --marked: as with the program's marker (values are display
                        positions); --at: its top-left corner, else around the picture's
                        middle. A paste the editor would ignore exits with status 1.
)";

namespace {

const std::string& valueAfter(const std::vector<std::string>& arguments, size_t at)
{
    if (at + 1 >= arguments.size())
        throw BadArgument{arguments[at] + ": needs a value"};
    return arguments[at + 1];
}

void copyTo(const BitmapDocument& document, const std::string& name)
{
    std::optional<clipboardImage::SelectionCopy> copy = clipboardImage::SelectionCopy::of(document);
    if (!copy)
        return;
    std::vector<uint8_t> dib(copy->size());
    copy->write(dib);
    std::ofstream file(name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(dib.data()), std::streamsize(dib.size()));
    if (!file.flush())
        throw StepFailed{"--copy: cannot write " + name};
}

size_t paste(BitmapDocument& document, const std::vector<std::string>& arguments, size_t first)
{
    const std::string& name = valueAfter(arguments, first);
    size_t used = 2;
    bool marked = false;
    std::optional<Point> at;
    while (first + used < arguments.size()) {
        const std::string& option = arguments[first + used];
        if (option == "--marked") {
            marked = true;
            used += 1;
        } else if (option == "--at") {
            std::vector<Point> points = stepPoints(valueAfter(arguments, first + used), option);
            if (points.size() != 1)
                throw BadArgument{"--at: takes X,Y"};
            at = points[0];
            used += 2;
        } else {
            break;
        }
    }
    std::ifstream file(name, std::ios::binary);
    if (!file)
        throw StepFailed{"--paste: cannot read " + name};
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    PasteTarget target = PasteTarget::of(document);
    bool isFile = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    std::shared_ptr<DIBImage> image = isFile ? fromBmpFile(target, bytes) : fromDib(target, bytes, 0, marked);
    if (!image)
        throw StepFailed{"--paste: " + name + " is no picture a paste takes"};
    // Without an edit view the middle of the picture stands for what it shows.
    Rect picture = document.bounds();
    Point middle{(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2};
    Point origin = at ? *at : clipboardImage::placement(document, image->extent(), middle, {1, 1});
    clipboardImage::install(document, std::move(image), origin);
    return used;
}

} // namespace

size_t runClipboardStep(BitmapDocument& document, const std::vector<std::string>& arguments, size_t first)
{
    const std::string& option = arguments[first];
    if (option == "--cut") {
        clipboardImage::removeCut(document);
        return 1;
    }
    if (option == "--copy") {
        copyTo(document, valueAfter(arguments, first));
        return 2;
    }
    if (option == "--paste")
        return paste(document, arguments, first);
    return 0;
}
