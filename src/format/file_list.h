// The list of the configurations of a work folder: one row per *.ini and
// *.cry file, showing each one's device name (alias) and identifier. Rows
// are tested (their file read) a few at once and the rest in the
// background, so that a large folder shows at once.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "model/device.h"

namespace zavro {

inline constexpr int kListIconText = 0;  // text configuration (*.ini)
inline constexpr int kListIconCrypto = 1; // encrypted configuration (*.cry)
inline constexpr int kListUntested = -1;
inline constexpr int kListTested = 0;
// How many files of each kind are tested when the list is built.
inline constexpr int kListTestedAtOnce = 9;

// Placeholders of a row not yet tested (Windows-1251, plain ASCII).
inline constexpr const char* kListAliasPlaceholder = "??????????";
inline constexpr const char* kListIdentPlaceholder = "?\?\?\?-?\?\?\?-?\?\?\?"; // ????-????-????

struct FileListRow {
    int icon = kListIconText;
    std::string alias; // Windows-1251
    std::string ident; // as shown: four-four-four hexadecimal digits
    std::string fileName; // without folder
    int mark = kListUntested;
};

// Whether a file name ends in an extension such as ".cry" (given in lower
// case), in any letter case, after at least one other character.
bool HasExtension(std::string_view name, std::string_view lowerExt);
// An encrypted configuration: the extension ".cry" in any letter case.
inline bool IsEncryptedFileName(std::string_view name) { return HasExtension(name, ".cry"); }

// The identifier as the list shows it.
std::string ListIdentText(const std::string& ident);

// The names of the regular files of a folder whose extension is ".ini" (or
// ".cry" when encrypted), in any letter case, sorted by name in byte order.
// A missing or unreadable folder gives none.
std::vector<std::string> FindConfigFiles(const std::string& folder, bool encrypted);

// Fills alias and identifier of a row from its file, read into probe (a
// configuration used for nothing else). A file that cannot be read keeps
// the placeholders. Either way the row is marked tested.
void TestNormalFile(const std::string& folder, FileListRow& row, T_Command_DEVICE& probe);
// The same for an encrypted file, from its plain summary.
void TestCryptoFile(const std::string& folder, FileListRow& row);
void TestRow(const std::string& folder, FileListRow& row, T_Command_DEVICE& probe);

class FileList {
public:
    // Empties the list and adds every *.ini file, then every *.cry file of
    // the folder; the first 9 of each kind are tested at once.
    void Build(const std::string& folder, T_Command_DEVICE& probe);

    // One background tick: tests untested rows from the top, at least
    // minimum of them, and goes on while the tick has lasted less than
    // budget. Returns the number tested; fewer than minimum means that no
    // untested row is left.
    int TestTick(T_Command_DEVICE& probe, int minimum, std::chrono::microseconds budget);

    bool HasUntested() const;

    // Sorts by column 0 (icon), 1 (alias), 2 (identifier) or 3 (file name),
    // ascending when direction > 0. Texts are compared upper-cased, byte by byte.
    void Sort(int column, int direction);

    const std::string& Folder() const { return folder_; }
    std::vector<FileListRow>& Rows() { return rows_; }
    const std::vector<FileListRow>& Rows() const { return rows_; }

private:
    std::string folder_;
    std::vector<FileListRow> rows_;
};

// Compares two rows by a column as the sort does (-1, 0, 1), before the direction.
int CompareRows(const FileListRow& a, const FileListRow& b, int column);

// The path of a file of the folder.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace zavro
