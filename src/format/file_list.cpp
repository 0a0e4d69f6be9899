#include "format/file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "format/crypto_container.h"
#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"
#include "model/cp1251.h"

namespace zavro {

namespace fs = std::filesystem;

namespace {

// A text as a list view shows it: up to its first NUL.
std::string Shown(std::string s) {
    const auto nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    return s;
}

void Placeholders(FileListRow& row) {
    row.alias = kListAliasPlaceholder;
    row.ident = kListIdentPlaceholder;
}

} // namespace

bool HasExtension(std::string_view name, std::string_view lowerExt) {
    const std::size_t n = lowerExt.size();
    if (name.size() <= n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = name[name.size() - n + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerExt[i]) return false;
    }
    return true;
}

std::string ListIdentText(const std::string& ident) {
    std::string text = ident;
    FormatCodeGroups(text, kHexDigits, '-', '0', 4, 12, true);
    return text;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::vector<std::string> FindConfigFiles(const std::string& folder, bool encrypted) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return names;
    for (const fs::directory_entry& entry : it) {
        std::error_code statError;
        if (!entry.is_regular_file(statError)) continue;
        const std::string name = entry.path().filename().string();
        if (HasExtension(name, encrypted ? ".cry" : ".ini")) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void TestNormalFile(const std::string& folder, FileListRow& row, T_Command_DEVICE& probe) {
    row.icon = kListIconText;
    row.mark = kListTested;
    std::string text;
    std::string error;
    if (!LoadTextFile(JoinPath(folder, row.fileName), text, error)) {
        Placeholders(row);
        return;
    }
    probe.SetDefaults();
    ReadConfiguration(text, probe);
    ApplyFileKeyRule(probe, std::string());
    row.alias = Shown(probe.Get_DeviceName());
    row.ident = ListIdentText(probe.Get_Ident());
}

void TestCryptoFile(const std::string& folder, FileListRow& row) {
    row.icon = kListIconCrypto;
    row.mark = kListTested;
    const std::optional<CryptoSummary> summary = ReadCryptoSummaryFile(JoinPath(folder, row.fileName));
    if (!summary) {
        Placeholders(row);
        return;
    }
    row.alias = Shown(summary->alias);
    row.ident = ListIdentText(summary->ident);
}

void TestRow(const std::string& folder, FileListRow& row, T_Command_DEVICE& probe) {
    if (row.icon == kListIconCrypto) TestCryptoFile(folder, row);
    else TestNormalFile(folder, row, probe);
}

void FileList::Build(const std::string& folder, T_Command_DEVICE& probe) {
    folder_ = folder;
    rows_.clear();
    for (const bool encrypted : {false, true}) {
        int count = 0;
        for (const std::string& name : FindConfigFiles(folder, encrypted)) {
            FileListRow row;
            row.icon = encrypted ? kListIconCrypto : kListIconText;
            row.fileName = name;
            Placeholders(row);
            const bool testNow = ++count <= kListTestedAtOnce;
            if (testNow) TestRow(folder_, row, probe);
            rows_.push_back(std::move(row));
        }
    }
}

int FileList::TestTick(T_Command_DEVICE& probe, int minimum, std::chrono::microseconds budget) {
    const auto start = std::chrono::steady_clock::now();
    int tested = 0;
    for (FileListRow& row : rows_) {
        if (row.mark != kListUntested) continue;
        if (tested >= minimum && std::chrono::steady_clock::now() - start >= budget) break;
        TestRow(folder_, row, probe);
        ++tested;
    }
    return tested;
}

bool FileList::HasUntested() const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [](const FileListRow& r) { return r.mark == kListUntested; });
}

namespace {

// What a row is sorted by in a text column: the text upper-cased.
std::string SortKey(const FileListRow& row, int column) {
    switch (column) {
    case 1: return Cp1251Upper(row.alias);
    case 2: return Cp1251Upper(row.ident);
    default: return Cp1251Upper(row.fileName);
    }
}

// char_traits<char> compares as unsigned bytes, a shorter prefix first.
int CompareKeys(const std::string& a, const std::string& b) {
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

} // namespace

int CompareRows(const FileListRow& a, const FileListRow& b, int column) {
    if (column == 0) return (a.icon > b.icon) - (a.icon < b.icon);
    return CompareKeys(SortKey(a, column), SortKey(b, column));
}

void FileList::Sort(int column, int direction) {
    if (column == 0) {
        std::stable_sort(rows_.begin(), rows_.end(), [&](const FileListRow& a, const FileListRow& b) {
            return CompareRows(a, b, 0) * direction < 0;
        });
        return;
    }
    // The keys are made once, not at every comparison.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) keys.emplace_back(SortKey(rows_[i], column), i);
    std::stable_sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        return CompareKeys(a.first, b.first) * direction < 0;
    });
    std::vector<FileListRow> sorted;
    sorted.reserve(rows_.size());
    for (const auto& key : keys) sorted.push_back(std::move(rows_[key.second]));
    rows_ = std::move(sorted);
}

} // namespace zavro
