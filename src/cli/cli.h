// Shared parts of the command-line tool.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/device.h"

namespace zavro::cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInvalid = 3;
// An encrypted file that cannot be opened: 10 + the container's result
// code (11 bad signature, 12 bad size, 14 wrong key).
inline constexpr int kExitCryptoBase = 10;

// Where a command gets its input configuration from.
struct InputSpec {
    std::string path;
    std::optional<std::string> key;     // from --key, in the terminal's UTF-8
    std::optional<std::string> keyFile; // from --key-file
};

// Opens a configuration as the program opens one: defaults, reading, the
// file-key rule. On failure writes a one-line message to standard error and
// returns the exit status; returns 0 on success.
int OpenInput(const InputSpec& input, T_Command_DEVICE& device);

// Writes the configuration text to outPath, or to standard output when it
// is empty. An existing file is replaced only by a complete new one.
// Returns 0, or 1 after a message on standard error.
int WriteOutput(const T_Command_DEVICE& device, const std::string& outPath);

// The usage text; UsageError prints it to standard error after the problem
// and returns kExitUsage.
void PrintUsage(std::ostream& out);
int UsageError(const std::string& problem);

// Takes --key KEY, --key-file F (and their "=" forms) at args[i], advancing
// i past a value; true when args[i] was one of them. A missing value is
// reported in problem.
bool ParseInputOption(const std::vector<std::string>& args, std::size_t& i, InputSpec& input,
                      std::string& problem);

// What is wrong with an input, or the empty text: no file, both key
// options, or an encrypted file without a key.
std::string CheckInputSpec(const InputSpec& input);

// The commands. args holds the arguments after the command's name.
int CmdNew(const std::vector<std::string>& args);
int CmdConvert(const std::vector<std::string>& args);

} // namespace zavro::cli
