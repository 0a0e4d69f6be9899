// In-place editors of the string grids: a small editor (text field, check
// list or pop-up list) is laid over the current cell, filled from it, and
// when it closes with its value accepted the page's commit handler stores
// the value. A column holds one editor or an ordered list of alternatives;
// each data cell has one of them, or none, as its active editor.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <QWidget>

#include "ui/filters.h"
#include "ui/grid/grid_logic.h"
#include "ui/grid/key_filters.h"

namespace zavro {
class T_Command_DEVICE;
}

namespace zavro::ui::grid {

class GridEditor;

// The page's handler of an accepted value: the editor (to read its text,
// checks or selected item), the cell's row and column. Without a handler the
// editor's value is written into the cell.
using CommitHandler = std::function<void(GridEditor& editor, int row, int column)>;

// What every editor shares.
class GridEditor {
public:
    GridEditor(EditorKind kind, QTableWidget* grid) : kind_(kind), grid_(grid) {}
    virtual ~GridEditor() = default;
    GridEditor(const GridEditor&) = delete;
    GridEditor& operator=(const GridEditor&) = delete;

    EditorKind Kind() const { return kind_; }
    QTableWidget* Grid() const { return grid_; }
    int Row() const { return row_; }
    int Column() const { return column_; }
    bool IsOpen() const { return open_; }

    virtual QWidget* Widget() = 0;
    // The value as the cell shows it: the text, the checks in the cell
    // notation, the shown part of the selected item.
    virtual QString Value() const = 0;

    // Opens the editor over the grid's current cell; initial replaces the
    // cell's text when given.
    virtual void Open(const std::optional<QString>& initial) = 0;
    // Ends the editing: stores the value when the commit flag is set, hides.
    void Close();

    CommitHandler OnCommit;

protected:
    // The cell's rectangle in the coordinates of a widget.
    QRect CellRectIn(QWidget* target) const;
    void BeginOpen();
    virtual void HideEditor() = 0;
    // The mouse outside an open text edit or check list closes it as Enter
    // (commit flag set) or Escape would.
    void WatchMouse(bool on);

    EditorKind kind_;
    QPointer<QTableWidget> grid_;
    int row_ = -1;
    int column_ = -1;
    bool open_ = false;

private:
    friend class MouseWatch;
    QObject* mouseWatch_ = nullptr;
};

// Phone, digit, hex and text edits: a single-line edit in the grid's font, bold.
class TGridEdit : public QLineEdit, public GridEditor {
    Q_OBJECT
public:
    TGridEdit(EditorKind kind, QTableWidget* grid, InputFilter filter);
    ~TGridEdit() override { open_ = false; }

    QWidget* Widget() override { return this; }
    QString Value() const override { return text(); }
    void Open(const std::optional<QString>& initial) override;

    // Puts another filter in place (the key grid's code edit takes stars).
    void SetFilter(InputFilter filter) { filter_ = filter; }
    InputFilter Filter() const { return filter_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void HideEditor() override { hide(); }

private:
    InputFilter filter_;
};

// The check list: a check-list box in the grid's font size and style.
class TGridCheckList : public QListWidget, public GridEditor {
    Q_OBJECT
public:
    explicit TGridCheckList(QTableWidget* grid);
    ~TGridCheckList() override { open_ = false; }

    QWidget* Widget() override { return this; }
    QString Value() const override { return TextFromChecks(Checks()); }
    void Open(const std::optional<QString>& initial) override;

    void AddItem(const QString& text);
    std::vector<bool> Checks() const;
    void SetChecks(const std::vector<bool>& checks);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void HideEditor() override { hide(); }

private:
    void ToggleCurrent();
};

// The list inside the pop-up list window.
class TListBoxMenu : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
};

// The pop-up list: a borderless window over the cell holding one
// owner-drawn list; items read "short|long", the long part being the hint
// shown beside the selected item.
class TFormLB : public QWidget, public GridEditor {
    Q_OBJECT
public:
    explicit TFormLB(QTableWidget* grid);
    ~TFormLB() override;

    QWidget* Widget() override { return this; }
    QString Value() const override;
    void Open(const std::optional<QString>& initial) override;

    void AddItem(const QString& text);
    void ClearItems();
    int ItemCount() const { return list_->count(); }
    // The selected item (0-based), -1 with none.
    int SelectedIndex() const { return list_->currentRow(); }
    QString ItemText(int index) const;

    TListBoxMenu* List() const { return list_; }
    // The hint window beside the list (the long part of the selected item).
    QLabel* HintWindow() const { return hint_; }
    int ItemHeight() const { return itemHeight_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void HideEditor() override { hide(); }

private:
    void Finish(bool commit);
    void ShowItemHint();

    TListBoxMenu* list_;
    QLabel* hint_;
    int itemHeight_ = 16;
    QPoint lastMouse_;
};

// ---- The framework -------------------------------------------------------

// Makes the column's template a new empty editor list.
struct EditorList {
    int column = 0;
};
EditorList* SG_Create_ObjectList(QTableWidget* grid, int column);

TGridEdit* SG_Create_PhoneEdit(QTableWidget* grid, int column);
TGridEdit* SG_Create_DigitEdit(QTableWidget* grid, int column);
TGridEdit* SG_Create_TextEdit(QTableWidget* grid, int column);
TGridEdit* SG_Create_HexEdit(QTableWidget* grid, EditorList* list, int column);
TFormLB* SG_Create_FormLB(QTableWidget* grid, EditorList* list, int column);
TGridCheckList* SG_Create_CheckListBox(QTableWidget* grid, EditorList* list, int column);

// Sets the cell's active editor (none first; then by kind from the template).
void SG_Edit_Enable(std::optional<EditorKind> kind, QTableWidget* grid, int row, int column);
// The column's editor of exactly that kind, or none.
GridEditor* SG_Edit_Get(EditorKind kind, QTableWidget* grid, int column);
// The active editor of a cell, or none.
GridEditor* SG_Cell_Editor(QTableWidget* grid, int row, int column);
// The editor a column's hint comes from: its editor, or the first of its list.
GridEditor* SG_Column_Editor(QTableWidget* grid, int column);

// Opens the editor of the grid's current cell.
void SG_Open_Edit(QTableWidget* grid);
// Grid handlers (bound by the editor creators): Enter or Space opens the
// current cell's editor; so does a double click; selecting a cell closes
// the open text edits and check lists.
bool SG_KeyPress(QTableWidget* grid, int key);
void SG_DblClick(QTableWidget* grid);
void SG_SelectCell(QTableWidget* grid);

// Per-grid preparation before opening: the key grid (tag 1) limits its name
// edit and opens its code edit with the code's significant part.
void SG_Edit_Tune(int gridTag, GridEditor* editor, std::optional<QString>& initial, int column,
                  int row);
// The grid's tag and the configuration its preparation reads.
void SG_Set_Tag(QTableWidget* grid, int tag);
int SG_Tag(QTableWidget* grid);
void SG_Set_Device(const T_Command_DEVICE* device);

// Hides the cell message of the main window; called whenever an editor opens.
void SG_Set_MessageHider(std::function<void()> hide);

// The grid's open editor, if any.
GridEditor* SG_Open_Editor(QTableWidget* grid);

} // namespace zavro::ui::grid
