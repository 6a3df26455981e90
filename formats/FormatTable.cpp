#include "formats/FormatTable.h"

#include "base/Utf8.h"
#include "formats/BmpFormat.h"
#include "formats/TiffFormat.h"

#include <memory>

bool sameExtension(std::string_view a, std::string_view b)
{
    return utf8::equalIgnoringCase(a, b);
}

const std::vector<ImageFormat*>& imageFormats()
{
    static const std::unique_ptr<ImageFormat> bmp = makeBmpFormat();
    static const std::unique_ptr<ImageFormat> tiff = makeTiffFormat();
    static const std::vector<ImageFormat*> formats{bmp.get(), tiff.get()};
    return formats;
}

int formatIndexForExtension(std::string_view extension)
{
    const std::vector<ImageFormat*>& formats = imageFormats();
    for (int i = int(formats.size()) - 1; i > 0; --i)
        if (sameExtension(formats[size_t(i)]->extension(), extension))
            return i;
    // The long spelling of the TIFF extension opens as TIFF too.
    if (sameExtension(extension, "tiff"))
        return tiffFormat;
    return bmpFormat;
}
