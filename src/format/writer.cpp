#include "format/writer.h"

#include <algorithm>
#include <charconv>

namespace zavro {

namespace {

void AppendNumber(std::string& line, long long n) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, n);
    line.append(digits, result.ptr);
}

void AppendList(std::string& line, const T_Command& c) {
    bool first = true;
    for (int p = 1; p <= 16; ++p) {
        if (c.Aux[p] == 0) continue; // holes do not show
        if (!first) line += ',';
        AppendNumber(line, c.Aux[p]);
        first = false;
    }
}

void AppendKeyLine(std::string& line, const T_Command& c) {
    const std::size_t start = line.size();
    line += "ua";
    if (c.Number >= 0 && c.Number < 10) line += '0';
    AppendNumber(line, c.Number);
    line += '-';
    line += c.Text1;
    if (line.size() - start < 15) line.append(15 - (line.size() - start), ' ');
    line += '.';
    line.append(c.Text2.rbegin(), c.Text2.rend()); // the code is stored reversed
}

void AppendBalanceLine(std::string& line, const T_Command& c) {
    line += "cb";
    AppendNumber(line, c.Number);
    line += '-';
    if (c.Text2.empty()) line += '0';
    else AppendNumber(line, c.Value1);
    line += '.';
    line += c.Text2;
}

// Appends the text of one instance (before filling) to line.
void AppendCommandLine(std::string& line, const T_Command_DEVICE& device, int kind, int element) {
    const TParamImage& row = ParamImages[kind];
    if (row.keyword[0] == '\0') return;
    const T_Command& c = device.Commands(kind)[element];
    if (kind == K_Key) return AppendKeyLine(line, c);
    if (kind == K_Balance) return AppendBalanceLine(line, c);

    line += row.keyword;
    if (row.kind1 == V1None && row.kind2 == V2None) return;
    if (HasIndex(kind)) AppendNumber(line, c.Number);
    line += '-';

    switch (row.kind1) {
    case V1Integer:
        // A phone without a number is written without its type.
        if (row.kind2 != V2Text || !c.Text2.empty()) AppendNumber(line, c.Value1);
        break;
    case V1Text:
    case V1TextRest: line += c.Text1; break;
    case V1List: AppendList(line, c); break;
    default: break;
    }

    switch (row.kind2) {
    case V2Integer:
        if (c.Value2 >= row.min2 && c.Value2 <= row.max2) {
            line += '.';
            AppendNumber(line, c.Value2);
        }
        break;
    case V2Text:
        line += '.';
        line += c.Text2;
        break;
    default: break;
    }
}

// Calls f(kind, element) for every written instance, in the order of the text.
template <typename F> void ForEachLine(const T_Command_DEVICE& device, F f) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (ParamImages[kind].keyword[0] == '\0') continue;
        const int count = static_cast<int>(device.Commands(kind).size());
        for (int n = 0; n < count; ++n) {
            // The file keys are written old key first.
            f(kind, kind == K_FileKey ? count - 1 - n : n);
        }
    }
}

} // namespace

std::string BuildCommandLine(const T_Command_DEVICE& device, int kind, int element) {
    std::string line;
    AppendCommandLine(line, device, kind, element);
    return line;
}

void WriteConfiguration(const T_Command_DEVICE& device, std::vector<std::string>& lines) {
    ForEachLine(device, [&](int kind, int element) {
        lines.push_back(PadLine(BuildCommandLine(device, kind, element)));
    });
}

std::string ConfigurationText(const T_Command_DEVICE& device) {
    std::string text;
    text.reserve(660 * (kLineWidth + 2));
    ForEachLine(device, [&](int kind, int element) {
        const std::size_t start = text.size();
        AppendCommandLine(text, device, kind, element);
        if (text.size() - start < kLineWidth) text.append(kLineWidth - (text.size() - start), ' ');
        text += "\r\n";
    });
    return text;
}

std::string PadLine(std::string line) {
    if (line.size() < kLineWidth) line.append(kLineWidth - line.size(), ' ');
    return line;
}

std::string PadNumber(long long n, int width, char fill) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), fill);
    return s;
}

bool FormatCodeGroups(std::string& text, std::string_view allowed, char delimiter, char fill,
                      int group, int width, bool insertDelimiters) {
    const auto isAllowed = [&](char c) { return allowed.find(c) != std::string_view::npos; };
    const std::size_t groupSize = group > 0 ? static_cast<std::size_t>(group) : 0;

    // Regrouping: every run of allowed characters padded to the group size.
    std::string regrouped;
    std::string run;
    const auto emitRun = [&] {
        if (width == 0) return;
        const std::size_t missing = run.size() < groupSize ? groupSize - run.size() : 0;
        if (width > 0) {
            regrouped += run;
            regrouped.append(missing, fill);
        } else {
            regrouped.append(missing, fill);
            regrouped += run;
        }
    };
    for (char c : text) {
        if (isAllowed(c)) {
            run += c;
            continue;
        }
        emitRun();
        regrouped += c;
        run.clear();
    }
    if (!run.empty()) emitRun();

    // Only the allowed characters, filled to the width.
    std::string stripped;
    for (char c : regrouped)
        if (isAllowed(c)) stripped += c;
    const std::size_t w = static_cast<std::size_t>(width < 0 ? -static_cast<long long>(width) : width);
    if (stripped.size() < w) {
        if (width > 0) stripped.append(w - stripped.size(), fill);
        else stripped.insert(0, w - stripped.size(), fill);
    }

    if (!insertDelimiters) {
        text = stripped;
        return false;
    }

    std::string grouped;
    for (std::size_t i = 0; i < w && i < stripped.size(); ++i) {
        grouped += stripped[i];
        if (groupSize > 0 && (i + 1) % groupSize == 0 && i + 1 != w) grouped += delimiter;
    }
    const bool changed = grouped != regrouped;
    text = grouped;
    return changed;
}

std::string ReplaceChar(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

bool IsDigitsAndCommas(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == ','; });
}

} // namespace zavro
