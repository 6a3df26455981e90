#include "formats/PaletteFormat.h"

#include "base/Utf8.h"
#include "formats/ActPaletteFormat.h"
#include "formats/AsePaletteFormat.h"
#include "formats/GimpPaletteFormat.h"
#include "formats/HexPaletteFormat.h"
#include "formats/JascPaletteFormat.h"
#include "formats/RawPaletteFormat.h"
#include "formats/RiffPaletteFormat.h"

#include <array>

std::span<const PaletteFormat* const> paletteFormats()
{
    static const std::array<const PaletteFormat*, 7> formats{
        &rawPaletteFormat(), &gimpPaletteFormat(), &jascPaletteFormat(), &riffPaletteFormat(),
        &actPaletteFormat(), &asePaletteFormat(),  &hexPaletteFormat()};
    return formats;
}

const PaletteFormat* paletteFormatOf(std::span<const uint8_t> bytes, std::string_view extension)
{
    // A signature outweighs the name: ".pal" is used by more than one format, and files get renamed.
    for (const PaletteFormat* format : paletteFormats())
        if (format->recognises(bytes))
            return format;
    for (const PaletteFormat* format : paletteFormats())
        if (utf8::equalIgnoringCase(format->extension(), extension))
            return format;
    return nullptr;
}

const PaletteFormat* paletteFormatForSave(std::string_view extension, bool riff)
{
    bool riffForm = riff && utf8::equalIgnoringCase(extension, riffPaletteFormat().extension());
    for (const PaletteFormat* format : paletteFormats())
        if (utf8::equalIgnoringCase(format->extension(), extension) && (format == &riffPaletteFormat()) == riffForm)
            return format;
    return nullptr;
}
