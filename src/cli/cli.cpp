#include "cli/cli.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"
#include "model/cp1251.h"

namespace zavro::cli {

namespace {

bool HasCryExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".cry";
}

int FileError(const std::string& path, const std::string& reason) {
    std::cerr << "zavro6ip-cli: " << path << ": " << reason << "\n";
    return kExitFileError;
}

} // namespace

void PrintUsage(std::ostream& out) {
    out << "usage: zavro6ip-cli COMMAND [ARGS]\n"
           "\n"
           "  new [-o OUT]                          write the default configuration\n"
           "  convert IN [-o OUT] [--key KEY | --key-file F]\n"
           "                                        read IN as the configurator opens it and\n"
           "                                        write its configuration text\n"
           "  check IN [--key KEY | --key-file F] [-v] [--all] [--repair -o OUT]\n"
           "                                        validate IN rule by rule\n"
           "  list DIR                              the configurations of a work folder\n"
           "\n"
           "  --help, --version\n"
           "\n"
           "Configuration text is written as Windows-1251 with CR LF line ends, to OUT or\n"
           "to standard output. An IN ending in .cry (any case) is an encrypted container\n"
           "and needs its key.\n";
}

int UsageError(const std::string& problem) {
    std::cerr << "zavro6ip-cli: " << problem << "\n\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}

bool ParseInputOption(const std::vector<std::string>& args, std::size_t& i, InputSpec& input,
                      std::string& problem) {
    const std::string& a = args[i];
    auto value = [&](const char* name, std::optional<std::string>& slot) {
        if (i + 1 >= args.size()) {
            problem = std::string("option ") + name + " needs a value";
            return true;
        }
        slot = args[++i];
        return true;
    };
    if (a == "--key") return value("--key", input.key);
    if (a == "--key-file") return value("--key-file", input.keyFile);
    if (a.rfind("--key=", 0) == 0) {
        input.key = a.substr(6);
        return true;
    }
    if (a.rfind("--key-file=", 0) == 0) {
        input.keyFile = a.substr(11);
        return true;
    }
    return false;
}

std::string CheckInputSpec(const InputSpec& input) {
    if (input.path.empty()) return "no input file given";
    if (input.key && input.keyFile) return "--key and --key-file exclude each other";
    if (HasCryExtension(input.path) && !input.key && !input.keyFile)
        return "an encrypted file needs --key or --key-file";
    return {};
}

int OpenInput(const InputSpec& input, T_Command_DEVICE& device) {
    std::string text;
    std::string error;
    if (HasCryExtension(input.path)) {
        return FileError(input.path, "encrypted files are not supported yet");
    }
    if (!LoadTextFile(input.path, text, error)) return FileError(input.path, error);
    device.SetDefaults();
    ReadConfiguration(text, device);
    ApplyFileKeyRule(device, std::string());
    return kExitOk;
}

int WriteOutput(const T_Command_DEVICE& device, const std::string& outPath) {
    const std::string text = ConfigurationText(device);
    if (outPath.empty()) {
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        std::cout.flush();
        return std::cout ? kExitOk : FileError("standard output", "write failed");
    }
    // The new text goes to a file beside the target, which then replaces
    // the target in one rename: an existing file is never left half written.
    namespace fs = std::filesystem;
    const fs::path target(outPath);
    fs::path temp = target;
    temp += ".tmp~";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return FileError(outPath, "cannot create the file");
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignore;
            fs::remove(temp, ignore);
            return FileError(outPath, "write failed");
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignore;
        fs::remove(temp, ignore);
        return FileError(outPath, ec.message());
    }
    return kExitOk;
}

} // namespace zavro::cli
