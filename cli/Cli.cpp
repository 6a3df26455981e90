#include "cli/Cli.h"

namespace {

constexpr const char* usage = R"(usage: tilvaner-cli COMMAND [ARGUMENTS]

The headless companion of the Tilvaner pixel editor.

Commands:
  --help    show this text

Picture commands come with the picture formats.
)";

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << usage;
        return 0;
    }
    err << usage;
    return 1;
}
