#include "cli/Cli.h"
#include "formats/ReplacingWrite.h"

#include <csignal>
#include <iostream>

int main(int argc, char* argv[])
{
    // A file-size limit then fails the write, which is reported and cleaned up like any other.
    std::signal(SIGXFSZ, SIG_IGN);
    removeTemporaryFileOnSignals();
    return runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
