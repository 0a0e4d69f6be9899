// zavro6ip-cli: the configurator's command-line tool.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace zavro::cli {

int CmdCheck(const std::vector<std::string>& args);
int CmdList(const std::vector<std::string>& args);

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
};

// The commands of the tool, in the order the usage text lists them.
const Command kCommands[] = {
    {"new", CmdNew},
    {"convert", CmdConvert},
    {"check", CmdCheck},
    {"list", CmdList},
};

} // namespace

} // namespace zavro::cli

int main(int argc, char** argv) {
    using namespace zavro::cli;
    std::ios::sync_with_stdio(false);
    if (argc < 2) return UsageError("no command given");
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (name == "--version") {
        std::cout << "zavro6ip-cli " << ZAVRO_VERSION << "\n";
        return kExitOk;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            PrintUsage(std::cout);
            return kExitOk;
        }
    }
    for (const Command& c : kCommands)
        if (name == c.name) return c.run(args);
    return UsageError("unknown command '" + name + "'");
}
