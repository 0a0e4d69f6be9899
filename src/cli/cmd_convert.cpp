// The commands new and convert.
#include <iostream>

#include "cli/cli.h"

namespace zavro::cli {

namespace {

// Takes "-o OUT" or "--output OUT" at args[i]; true when it was one.
bool ParseOutputOption(const std::vector<std::string>& args, std::size_t& i, std::string& out,
                       std::string& problem) {
    const std::string& a = args[i];
    if (a == "-o" || a == "--output") {
        if (i + 1 >= args.size()) problem = "option " + a + " needs a value";
        else out = args[++i];
        return true;
    }
    if (a.rfind("--output=", 0) == 0) {
        out = a.substr(9);
        return true;
    }
    return false;
}

} // namespace

int CmdNew(const std::vector<std::string>& args) {
    std::string out;
    std::string problem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (ParseOutputOption(args, i, out, problem)) {
            if (!problem.empty()) return UsageError(problem);
            continue;
        }
        return UsageError("new: unexpected argument '" + args[i] + "'");
    }
    T_Command_DEVICE device;
    device.SetDefaults();
    return WriteOutput(device, out);
}

int CmdConvert(const std::vector<std::string>& args) {
    InputSpec input;
    std::string out;
    std::string problem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (ParseOutputOption(args, i, out, problem) || ParseInputOption(args, i, input, problem)) {
            if (!problem.empty()) return UsageError(problem);
            continue;
        }
        if (args[i].size() > 1 && args[i][0] == '-')
            return UsageError("convert: unknown option '" + args[i] + "'");
        if (!input.path.empty()) return UsageError("convert: more than one input file");
        input.path = args[i];
    }
    problem = CheckInputSpec(input);
    if (!problem.empty()) return UsageError("convert: " + problem);
    T_Command_DEVICE device;
    if (const int status = OpenInput(input, device); status != kExitOk) return status;
    return WriteOutput(device, out);
}

} // namespace zavro::cli
