#include "ui/grid/grid_logic.h"

#include <algorithm>

#include <QStringList>

namespace zavro::ui::grid {

std::optional<int> ChooseEditor(const ColumnTemplate& column, std::optional<EditorKind> kind) {
    if (!kind || column.kinds.empty()) return std::nullopt;
    if (!column.isList) return 0;
    return EditorOfKind(column, *kind);
}

std::optional<int> EditorOfKind(const ColumnTemplate& column, EditorKind kind) {
    for (std::size_t i = 0; i < column.kinds.size(); ++i)
        if (column.kinds[i] == kind) return static_cast<int>(i);
    return std::nullopt;
}

namespace {
bool g_commit = false;
} // namespace

bool CommitFlag() { return g_commit; }
void SetCommitFlag(bool set) { g_commit = set; }

namespace {

// A decimal number of the cell notation; none for anything else.
std::optional<long long> Number(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9) return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return t.toLongLong();
}

} // namespace

std::vector<bool> ChecksFromText(const QString& text, int count) {
    std::vector<bool> checks(static_cast<std::size_t>(std::max(count, 0)), false);
    if (count <= 0) return checks;
    if (count < 2) {
        checks[0] = !text.isEmpty();
        return checks;
    }
    const auto check = [&](long long n) {
        if (n >= 1 && n <= count) checks[static_cast<std::size_t>(n - 1)] = true;
    };
    for (const QString& entry : text.split(QLatin1Char(','))) {
        const qsizetype dash = entry.indexOf(QLatin1Char('-'));
        if (dash < 0) {
            if (auto n = Number(entry)) check(*n);
            continue;
        }
        const auto a = Number(entry.left(dash));
        const auto b = Number(entry.mid(dash + 1));
        if (!a || !b) continue;
        // Only the items that exist are visited, however large the range.
        const long long last = std::min<long long>(*b, count);
        for (long long n = std::max<long long>(*a, 1); n <= last; ++n) check(n);
    }
    return checks;
}

QString TextFromChecks(const std::vector<bool>& checks) {
    QStringList parts;
    const int n = static_cast<int>(checks.size());
    for (int i = 0; i < n;) {
        if (!checks[static_cast<std::size_t>(i)]) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < n && checks[static_cast<std::size_t>(j + 1)]) ++j;
        if (j == i) parts << QString::number(i + 1);
        else parts << QStringLiteral("%1-%2").arg(i + 1).arg(j + 1);
        i = j + 1;
    }
    return parts.join(QLatin1Char(','));
}

QRect PlaceOverCell(const QRect& cell) {
    // The editor covers the cell and the grid lines to its right and below.
    return QRect(cell.left(), cell.top(), cell.width() + 1, cell.height() + 1);
}

QRect PlaceCheckList(const QRect& cell, int itemCount, int itemHeight, int parentHeight) {
    QRect r = PlaceOverCell(cell);
    int height = itemCount * itemHeight + 4;
    // At most half of what lies between the parent's height and the cell.
    const int limit = (parentHeight + cell.top() - (cell.bottom() + 1)) / 2;
    height = std::max(std::min(height, limit), r.height());
    r.setHeight(height);
    if (r.top() + height > parentHeight) r.moveTop(r.top() - (height - (cell.height() + 1)));
    return r;
}

QRect PlacePopupList(const QRect& cellOnScreen, int itemCount, int itemHeight, int screenHeight,
                     int workBottom) {
    QRect r = PlaceOverCell(cellOnScreen);
    int height = itemCount * itemHeight + 4;
    height = std::min(height, screenHeight / 2);
    r.setHeight(height);
    if (r.top() + height > workBottom) r.moveTop(r.top() - (height - (cellOnScreen.height() + 1)));
    return r;
}

ItemParts SplitItem(const QString& text) {
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0) return {text, QString()};
    return {text.left(bar), text.mid(bar + 1)};
}

int ItemForCell(const std::vector<QString>& items, const QString& cellText) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == cellText) return static_cast<int>(i);
    return items.empty() ? -1 : 0;
}

int KeyNameMaxLength(int keyType) { return keyType != 0 ? 9 : 10; }

std::string CodeWithoutTrailingZeros(const std::string& code) {
    const std::size_t end = code.find_last_not_of('0');
    return end == std::string::npos ? std::string() : code.substr(0, end + 1);
}

} // namespace zavro::ui::grid
