// The "list" command: the rows the configurator's list of a work folder
// shows once every row is tested.
//
//   zavro6ip-cli list DIR
//
// One line per file, all *.ini files first, then all *.cry files, each kind
// sorted by file name in byte order: icon (0 text, 1 encrypted), alias,
// identifier as shown, file name, separated by tabs, in UTF-8.
#include <chrono>
#include <iostream>

#include "cli/cli.h"
#include "format/file_list.h"
#include "model/cp1251.h"

namespace zavro::cli {

int CmdList(const std::vector<std::string>& args) {
    std::string folder;
    for (const std::string& a : args) {
        if (a.size() > 1 && a[0] == '-') return UsageError("list: unknown option '" + a + "'");
        if (!folder.empty()) return UsageError("list: more than one folder");
        folder = a;
    }
    if (folder.empty()) return UsageError("list: no folder given");

    T_Command_DEVICE probe;
    FileList list;
    list.Build(folder, probe);
    while (list.TestTick(probe, 2, std::chrono::milliseconds(20)) > 0) {
    }
    for (const FileListRow& row : list.Rows()) {
        std::cout << row.icon << '\t' << Cp1251ToUtf8(row.alias) << '\t' << row.ident << '\t'
                  << row.fileName << '\n';
    }
    std::cout.flush();
    return std::cout ? kExitOk : kExitFileError;
}

} // namespace zavro::cli
