// The "check" command: validates a configuration the way a save does.
//
//   zavro6ip-cli check IN [--key KEY|--key-file F] [-v] [--all] [--repair -o OUT]
//
// Without options the checks run in the save's order and stop at the first
// failure, as if "Исправить" were answered. With --all every rule is
// evaluated on the configuration as read and every failure is listed. With
// --repair the default is taken wherever a rule offers it; a configuration
// that then passes is written to OUT.
//
// A failure is printed on standard output (UTF-8) as one block of four lines:
//
//   Страница: <caption of the page>
//   Ошибка: <message>
//   Рекомендация: <recommendation>
//   Элемент: <control>                        e.g. E_Common_KEY
//   Элемент: <grid>, строка <r>, столбец <c>  e.g. SG_Keys, строка 7, столбец 3
//
// With --all the blocks follow one another separated by an empty line.
// A valid configuration prints nothing, or with -v the line
// "Ошибок не найдено". With --repair -v each default put in is noted on
// standard error as "По умолчанию: <caption>: <message>".
//
// Exit status: 0 valid (or repaired and written), 3 invalid, 2 usage,
// 1 file error.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "validation/validation.h"

namespace zavro::cli {

int CmdCheck(const std::vector<std::string>& args);

namespace {

namespace v = zavro::validation;

void PrintReport(std::ostream& out, const v::FailureReport& report) {
    out << "Страница: " << report.caption << '\n';
    out << "Ошибка: " << report.message << '\n';
    out << "Рекомендация: " << report.recommendation << '\n';
    out << "Элемент: " << report.item.control;
    if (report.item.IsCell())
        out << ", строка " << report.item.row << ", столбец " << report.item.column;
    out << '\n';
}

// Answers the reports without a window: "Исправить" to every failure, or,
// when repairing, the default wherever it is offered. The "=" box of the
// GPRS page is what that page would show for the configuration as it
// stands.
class BatchAnswerer final : public v::ValidationUi {
  public:
    BatchAnswerer(const T_Command_DEVICE& device, bool repair, bool verbose)
        : device_(device), repair_(repair), verbose_(verbose) {}

    v::Answer ShowFailure(const v::FailureReport& report) override {
        if (repair_ && report.offersDefault) {
            if (verbose_)
                std::cerr << "По умолчанию: " << report.caption << ": " << report.message << '\n';
            return v::Answer::Default;
        }
        last_ = report;
        return v::Answer::Fix;
    }
    void GotoItem(const v::ItemRef&) override {}
    void RedrawPage(const std::string&) override {}
    bool GprsEqualChecked() override { return v::GprsServersEqual(device_); }
    void ClearGprsEqual() override {}

    const v::FailureReport& Last() const { return last_; }

  private:
    const T_Command_DEVICE& device_;
    bool repair_;
    bool verbose_;
    v::FailureReport last_;
};

} // namespace

int CmdCheck(const std::vector<std::string>& args) {
    InputSpec input;
    bool verbose = false;
    bool all = false;
    bool repair = false;
    std::optional<std::string> outPath;

    std::string problem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (ParseInputOption(args, i, input, problem)) {
            if (!problem.empty()) return UsageError(problem);
        } else if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return UsageError("check: option " + a + " needs a value");
            if (outPath) return UsageError("check: more than one output file");
            outPath = args[++i];
        } else if (a == "-v") {
            verbose = true;
        } else if (a == "--all") {
            all = true;
        } else if (a == "--repair") {
            repair = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("check: unknown option '" + a + "'");
        } else if (!input.path.empty()) {
            return UsageError("check: more than one input file");
        } else {
            input.path = a;
        }
    }
    problem = CheckInputSpec(input);
    if (!problem.empty()) return UsageError("check: " + problem);
    if (all && repair) return UsageError("check: --all and --repair exclude each other");
    if (repair && !outPath) return UsageError("check: --repair needs -o OUT");
    if (!repair && outPath) return UsageError("check: -o is used only with --repair");

    T_Command_DEVICE device;
    if (const int status = OpenInput(input, device); status != kExitOk) return status;

    if (all) {
        const std::vector<v::FailureReport> failures = v::ListFailures(device);
        for (std::size_t i = 0; i < failures.size(); ++i) {
            if (i > 0) std::cout << '\n';
            PrintReport(std::cout, failures[i]);
        }
        if (!failures.empty()) return kExitInvalid;
        if (verbose) std::cout << "Ошибок не найдено\n";
        return kExitOk;
    }

    BatchAnswerer answerer(device, repair, verbose);
    if (!v::Check_All(device, answerer)) {
        PrintReport(std::cout, answerer.Last());
        return kExitInvalid;
    }
    if (repair) {
        // "-" writes the repaired configuration to standard output.
        if (int status = WriteOutput(device, *outPath == "-" ? std::string() : *outPath);
            status != 0)
            return status;
    }
    if (verbose && !(repair && *outPath == "-")) std::cout << "Ошибок не найдено\n";
    return kExitOk;
}

} // namespace zavro::cli
