// The rules of the grid cell editors that need no widgets: which editor a
// cell gets, where an editor is placed, how a check list reads its cell, how
// a pop-up list item splits into its shown part and its hint, the commit
// flag, and the preparation of the key grid's cells.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QRect>
#include <QString>

namespace zavro::ui::grid {

enum class EditorKind { PhoneEdit, DigitEdit, HexEdit, TextEdit, CheckList, PopupList };

// ---- Editor choice ------------------------------------------------------
//
// A column's template is none, one editor or an ordered list of alternative
// editors (indexes into the column's editors). The active editor of a cell
// (SG_Edit_Enable) is chosen from it by kind: from a list the first editor of
// exactly that kind, from a single editor that editor whatever the kind.
struct ColumnTemplate {
    bool isList = false;
    std::vector<EditorKind> kinds; // one entry for a single editor
};
// The position in the template of the chosen editor, or none.
std::optional<int> ChooseEditor(const ColumnTemplate& column, std::optional<EditorKind> kind);
// SG_Edit_Get: the position of the editor of exactly that kind, or none.
std::optional<int> EditorOfKind(const ColumnTemplate& column, EditorKind kind);

// ---- Commit flag ----------------------------------------------------------
//
// Set when a text edit or check list opens, cleared when a pop-up list opens;
// Enter in a pop-up list sets it, Escape in a text edit or pop-up list
// clears it. The closing handlers store the value only while it is set.
bool CommitFlag();
void SetCommitFlag(bool set);

// ---- Check list -----------------------------------------------------------
//
// The checks of a check list of count items read from a cell: with fewer
// than 2 items the only item is checked when the text is not empty; else the
// text is comma-separated entries, each n or a-b (items counted from 1),
// numbers beyond the count ignored.
std::vector<bool> ChecksFromText(const QString& text, int count);
// The cell text of the checks, in the same notation (runs as 1-3,5).
QString TextFromChecks(const std::vector<bool>& checks);

// ---- Placement ------------------------------------------------------------
//
// cell: the cell's rectangle in the coordinates of the editor's parent.
QRect PlaceOverCell(const QRect& cell);
// A check list of itemCount items of itemHeight over the cell, inside a
// parent of parentHeight pixels.
QRect PlaceCheckList(const QRect& cell, int itemCount, int itemHeight, int parentHeight);
// A pop-up list over the cell (screen coordinates), on a screen of
// screenHeight pixels whose work area ends at workBottom (exclusive).
QRect PlacePopupList(const QRect& cellOnScreen, int itemCount, int itemHeight, int screenHeight,
                     int workBottom);

// ---- Pop-up list items --------------------------------------------------
//
// "short|long": shown as the short part, the long part is its hint.
struct ItemParts {
    QString shown;
    QString hint;
};
ItemParts SplitItem(const QString& text);
// The item whose text equals the cell's text, or the first (0 with no items: -1).
int ItemForCell(const std::vector<QString>& items, const QString& cellText);

// ---- Key grid preparation (grid tag 1) -------------------------------------
//
// The name edit takes 9 characters when the key has a type prefix and 10
// otherwise; the code edit opens with the stored code without its trailing
// "0" characters.
int KeyNameMaxLength(int keyType);
std::string CodeWithoutTrailingZeros(const std::string& code);

} // namespace zavro::ui::grid
