#include "cli/Cli.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "cli/EditCommand.h"
#include "cli/PaletteCommand.h"
#include "cli/PaletteFileCommands.h"
#include "cli/PictureFiles.h"
#include "formats/FormatTable.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

#include <algorithm>
#include <memory>

namespace {

constexpr const char* usageHead = R"(usage: tilvaner-cli COMMAND [ARGUMENTS]

The headless companion of the Tilvaner pixel editor; it reads and writes pictures with the
editor's own code.

Commands:
  info FILE         print the picture's format, width, height and depth (8 or 24 bits)
  convert IN OUT    read IN and write it to OUT; each file's format follows its extension
                    as in the editor: ".tif" and ".tiff" are TIFF, anything else is BMP
)";

constexpr const char* usageTail = R"(  --help            show this text

On failure the message the editor would show is printed on standard error as two lines, its
title and its text, and the exit status is 1; convert, edit and the palette commands
then leave OUT as it was, with no partial file behind.
)";

std::string usage()
{
    return std::string(usageHead) + editUsage() + paletteUsage + paletteFileUsage + usageTail;
}

// Prints alerts as the editor would show them: the title on one line and the text on the next.
class ConsoleMessages : public MessageBoxService {
public:
    explicit ConsoleMessages(std::ostream& err) : m_err(err), m_previous(installMessageBoxService(this)) {}
    ~ConsoleMessages() { installMessageBoxService(m_previous); }

    int show(const MessageRequest& request) override
    {
        std::string body = request.body;
        std::replace(body.begin(), body.end(), '\n', ' ');
        m_err << request.title << '\n' << body << '\n';
        return alertAnswer::cancel;
    }

private:
    std::ostream& m_err;
    MessageBoxService* m_previous;
};

struct Picture {
    std::shared_ptr<DIBImage> image;
    PaletteModel palette;
    int format = 0;
};

void read(const std::string& name, Picture& picture)
{
    picture.image = readPicture(name, picture.palette, picture.format);
}

void info(const std::string& name, std::ostream& out)
{
    Picture picture;
    read(name, picture);
    Point size = picture.image->extent();
    std::string format(imageFormats()[size_t(picture.format)]->extension());
    out << "format: " << format << "\nwidth: " << size.x << "\nheight: " << size.y
        << "\ndepth: " << picture.image->depth() << '\n';
}

void convert(const std::string& in, const std::string& out)
{
    Picture picture;
    read(in, picture);
    writePicture(out, *picture.image, picture.palette);
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << usage();
        return 0;
    }
    if (arguments.size() == 2 && arguments[0] == "edit" && arguments[1] == "--help") {
        out << editUsage();
        return 0;
    }
    ConsoleMessages messages(err);
    for (const char* edit : {"edit", "draw", "select"})
        if (!arguments.empty() && arguments[0] == edit)
            return runEdit(edit, {arguments.begin() + 1, arguments.end()}, err);
    if (!arguments.empty() && arguments[0] == "palette")
        return runPalette({arguments.begin() + 1, arguments.end()}, out, err);
    bool done = guardCallback([&] {
        if (arguments.size() == 2 && arguments[0] == "info")
            info(arguments[1], out);
        else if (arguments.size() == 3 && arguments[0] == "convert")
            convert(arguments[1], arguments[2]);
        else {
            err << usage();
            raiseError(errorQuiet);
        }
    });
    return done ? 0 : 1;
}
