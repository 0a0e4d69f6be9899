#include "format/file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "format/crypto_container.h"
#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"
#include "model/cp1251.h"

namespace zavro {

namespace fs = std::filesystem;

namespace {

bool HasExtension(const std::string& name, const char* ext) {
    const std::size_t n = std::char_traits<char>::length(ext);
    if (name.size() <= n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = name[name.size() - n + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

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

int CompareRows(const FileListRow& a, const FileListRow& b, int column) {
    if (column == 0) return (a.icon > b.icon) - (a.icon < b.icon);
    const std::string* x = nullptr;
    const std::string* y = nullptr;
    switch (column) {
    case 1: x = &a.alias; y = &b.alias; break;
    case 2: x = &a.ident; y = &b.ident; break;
    default: x = &a.fileName; y = &b.fileName; break;
    }
    const std::string ux = Cp1251Upper(*x);
    const std::string uy = Cp1251Upper(*y);
    const int c = ux.compare(uy); // char_traits<char> compares as unsigned bytes
    return (c > 0) - (c < 0);
}

void FileList::Sort(int column, int direction) {
    std::stable_sort(rows_.begin(), rows_.end(), [&](const FileListRow& a, const FileListRow& b) {
        return CompareRows(a, b, column) * direction < 0;
    });
}

} // namespace zavro
