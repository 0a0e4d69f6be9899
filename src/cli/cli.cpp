#include "cli/cli.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "format/crypto_container.h"
#include "format/file_list.h"
#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"
#include "model/cp1251.h"

namespace zavro::cli {

namespace {

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
    if (IsEncryptedFileName(input.path) && !input.key && !input.keyFile)
        return "an encrypted file needs --key or --key-file";

    return {};
}

namespace {

// The first line of a key file, without its line end. A line that is valid
// UTF-8 is converted to Windows-1251; any other is taken as Windows-1251.
bool ReadKeyFile(const std::string& path, std::string& key, std::string& error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error)) return false;
    const auto end = bytes.find_first_of("\r\n");
    std::string line = bytes.substr(0, end);
    SecureWipe(bytes);
    bool exact = false;
    std::string converted = Utf8ToCp1251(line, &exact);
    if (exact) {
        SecureWipe(line);
        key = std::move(converted);
    } else {
        SecureWipe(converted);
        key = std::move(line);
    }
    return true;
}

// Deciphers an encrypted configuration into text; the key that worked
// (trimmed) goes to key. Returns 0 or the exit status after a message.
int OpenCrypto(const InputSpec& input, std::string& text, std::string& key) {
    std::string typed;
    std::string error;
    if (input.keyFile) {
        if (!ReadKeyFile(*input.keyFile, typed, error)) return FileError(*input.keyFile, error);
    } else {
        typed = Utf8ToCp1251(input.key.value_or(std::string()));
    }
    if (TrimCryptoText(typed).empty()) {
        SecureWipe(typed);
        return UsageError("an encrypted file needs a key that is not empty");
    }
    std::optional<CryptoLoadResult> result = LoadCryptoFile(input.path, typed);
    SecureWipe(typed);
    if (!result) {
        std::string bytes;
        ReadFileBytes(input.path, bytes, error);
        return FileError(input.path, error.empty() ? std::string("cannot be read") : error);
    }
    if (result->code != kCryptoOk) {
        const CryptoMessage m = CryptoResultMessage(result->code);
        const std::string_view message =
            result->code == kCryptoWrongKey ? kCryptoWrongKeyNote : m.message;
        std::cerr << message << "\n";
        if (!m.recommendation.empty()) std::cerr << m.recommendation << "\n";
        SecureWipe(result->key);
        return kExitCryptoBase + result->code;
    }
    text = std::move(result->text);
    key = std::move(result->key);
    return kExitOk;
}

} // namespace

int OpenInput(const InputSpec& input, T_Command_DEVICE& device) {
    std::string text;
    std::string key;
    std::string error;
    if (IsEncryptedFileName(input.path)) {
        if (const int status = OpenCrypto(input, text, key); status != kExitOk) return status;
    } else if (!LoadTextFile(input.path, text, error)) {
        return FileError(input.path, error);
    }
    device.SetDefaults();
    ReadConfiguration(text, device);
    ApplyFileKeyRule(device, key);
    SecureWipe(key);
    SecureWipe(text);
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
