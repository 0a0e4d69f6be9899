#include "ui/grid/grid_editors.h"

#include <map>

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QVBoxLayout>

#include "documents/work_settings.h"
#include "model/cp1251.h"
#include "model/device.h"
#include "ui/hints.h"
#include "ui/look.h"

namespace zavro::ui::grid {

namespace {

const T_Command_DEVICE* g_device = nullptr;
std::function<void()> g_hideMessage;

// What a grid keeps about its editors.
class GridContext : public QObject {
public:
    explicit GridContext(QTableWidget* grid) : QObject(grid), grid_(grid) {
        setObjectName(QStringLiteral("zavroGridContext"));
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::cellDoubleClicked, this, [grid](int, int) { SG_DblClick(grid); });
        connect(grid, &QTableWidget::currentCellChanged, this,
                [grid](int, int, int, int) { SG_SelectCell(grid); });
    }

    struct Column {
        bool isList = false;
        std::vector<GridEditor*> editors;
    };

    Column& ColumnAt(int column) { return columns[column]; }

    ColumnTemplate Template(int column) const {
        ColumnTemplate t;
        auto it = columns.find(column);
        if (it == columns.end()) return t;
        t.isList = it->second.isList;
        for (GridEditor* e : it->second.editors) t.kinds.push_back(e->Kind());
        return t;
    }

    std::map<int, Column> columns;
    std::map<std::pair<int, int>, GridEditor*> active;
    std::vector<GridEditor*> all;
    std::vector<std::unique_ptr<EditorList>> lists;
    int tag = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
                if (SG_KeyPress(grid_, key->key())) return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTableWidget* grid_;
};

GridContext* Context(QTableWidget* grid) {
    if (grid == nullptr) return nullptr;
    return grid->findChild<GridContext*>(QStringLiteral("zavroGridContext"),
                                         Qt::FindDirectChildrenOnly);
}

GridContext* EnsureContext(QTableWidget* grid) {
    GridContext* c = Context(grid);
    return c != nullptr ? c : new GridContext(grid);
}

// The editor's parent: the grid's own parent, so that the editor lies over
// the grid and not inside its scrolled area.
QWidget* EditorParent(QTableWidget* grid) {
    return grid->parentWidget() != nullptr ? grid->parentWidget() : grid;
}

void PaintYellow(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, FocusYellow());
    pal.setColor(QPalette::Window, FocusYellow());
    w->setPalette(pal);
}

void Register(GridContext* c, GridEditor* e, EditorList* list, int column, bool direct) {
    c->all.push_back(e);
    if (list != nullptr) {
        c->ColumnAt(list->column).editors.push_back(e);
    } else if (direct || column > 0) {
        GridContext::Column& col = c->ColumnAt(column);
        col.isList = false;
        col.editors = {e};
    }
}

} // namespace

// ---- Mouse outside an open editor ----------------------------------------

class MouseWatch : public QObject {
public:
    explicit MouseWatch(GridEditor* editor) : editor_(editor) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || !editor_->IsOpen())
            return QObject::eventFilter(watched, event);
        auto* target = qobject_cast<QWidget*>(watched);
        QWidget* self = editor_->Widget();
        if (target == nullptr || !target->isWidgetType()) return false;
        // The press inside the editor belongs to it.
        if (target == self || self->isAncestorOf(target)) return false;
        const auto* me = static_cast<QMouseEvent*>(event);
        if (self->rect().contains(self->mapFromGlobal(me->globalPosition().toPoint())))
            return false;
        // Outside: as if Enter (commit flag set) or Escape had been pressed.
        if (QTableWidget* grid = editor_->Grid()) grid->setFocus(Qt::MouseFocusReason);
        editor_->Close();
        return false;
    }

private:
    GridEditor* editor_;
};

void GridEditor::WatchMouse(bool on) {
    if (on) {
        if (mouseWatch_ == nullptr) {
            mouseWatch_ = new MouseWatch(this);
            // Goes with the editor's widget, and with it out of the filters.
            mouseWatch_->setParent(Widget());
        }
        qApp->installEventFilter(mouseWatch_);
    } else if (mouseWatch_ != nullptr) {
        qApp->removeEventFilter(mouseWatch_);
    }
}

QRect GridEditor::CellRectIn(QWidget* target) const {
    QRect cell = grid_->visualRect(grid_->model()->index(row_, column_));
    cell.moveTopLeft(target->mapFromGlobal(grid_->viewport()->mapToGlobal(cell.topLeft())));
    return cell;
}

void GridEditor::BeginOpen() {
    row_ = grid_->currentRow();
    column_ = grid_->currentColumn();
    open_ = true;
}

void GridEditor::Close() {
    if (!open_) return;
    open_ = false;
    if (kind_ != EditorKind::PopupList) WatchMouse(false);
    if (CommitFlag()) {
        if (OnCommit) {
            OnCommit(*this, row_, column_);
        } else if (grid_ != nullptr) {
            QTableWidgetItem* item = grid_->item(row_, column_);
            if (item == nullptr) {
                item = new QTableWidgetItem();
                grid_->setItem(row_, column_, item);
            }
            item->setText(Value());
        }
    }
    HideEditor();
}

// ---- Text edits ------------------------------------------------------------

TGridEdit::TGridEdit(EditorKind kind, QTableWidget* grid, InputFilter filter)
    : QLineEdit(EditorParent(grid)), GridEditor(kind, grid), filter_(filter) {
    hide();
    setFrame(false);
    QFont f = grid->font();
    f.setBold(true);
    setFont(f);
    PaintYellow(this);
    // The key filter is applied in keyPressEvent with the edit's current
    // filter, so that a page can put another in its place; the change twin
    // below cleans pasted text with the same set.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        QString clean = text;
        FilterChars(clean, FilterSet(filter_));
        if (kind_ == EditorKind::HexEdit) clean = clean.toUpper();
        if (clean != text) {
            const int pos = cursorPosition() - static_cast<int>(text.size() - clean.size());
            setText(clean);
            setCursorPosition(std::max(0, pos));
        }
    });
}

void TGridEdit::Open(const std::optional<QString>& initial) {
    BeginOpen();
    SetCommitFlag(true);
    raise();
    setGeometry(PlaceOverCell(CellRectIn(parentWidget())));
    const QTableWidgetItem* item = grid_->item(row_, column_);
    setText(initial ? *initial : (item != nullptr ? item->text() : QString()));
    show();
    setFocus(Qt::OtherFocusReason);
    selectAll();
    WatchMouse(true);
}

void TGridEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) SetCommitFlag(false);
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (grid_ != nullptr) grid_->setFocus(Qt::OtherFocusReason);
        Close();
        event->accept();
        return;
    }
    // The edit's filter: a typed character outside its set is swallowed.
    const QString text = event->text();
    if (!text.isEmpty() && (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) == 0) {
        for (char32_t ch : text.toUcs4()) {
            if (ch < 0x20 || ch == 0x7F) continue;
            if (!FilterKeyPress(filter_, ch)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TGridEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the window or opening a menu is not leaving the edit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    Close();
}

// ---- Check list --------------------------------------------------------------

TGridCheckList::TGridCheckList(QTableWidget* grid)
    : QListWidget(EditorParent(grid)), GridEditor(EditorKind::CheckList, grid) {
    hide();
    QFont f = font();
    f.setPointSizeF(grid->font().pointSizeF());
    f.setBold(grid->font().bold());
    f.setItalic(grid->font().italic());
    setFont(f);
    PaintYellow(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { ToggleCurrent(); });
}

void TGridCheckList::AddItem(const QString& text) {
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

std::vector<bool> TGridCheckList::Checks() const {
    std::vector<bool> checks;
    for (int i = 0; i < count(); ++i) checks.push_back(item(i)->checkState() == Qt::Checked);
    return checks;
}

void TGridCheckList::SetChecks(const std::vector<bool>& checks) {
    for (int i = 0; i < count(); ++i)
        item(i)->setCheckState(static_cast<std::size_t>(i) < checks.size() && checks[static_cast<std::size_t>(i)]
                                   ? Qt::Checked
                                   : Qt::Unchecked);
}

void TGridCheckList::ToggleCurrent() {
    QListWidgetItem* it = currentItem();
    if (it == nullptr) return;
    it->setCheckState(it->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TGridCheckList::Open(const std::optional<QString>& initial) {
    BeginOpen();
    SetCommitFlag(true);
    raise();
    QWidget* parent = parentWidget();
    const int itemHeight = count() > 0 ? std::max(sizeHintForRow(0), 1) : fontMetrics().height();
    setGeometry(PlaceCheckList(CellRectIn(parent), count(), itemHeight, parent->height()));
    const QTableWidgetItem* item = grid_->item(row_, column_);
    SetChecks(ChecksFromText(initial ? *initial : (item != nullptr ? item->text() : QString()), count()));
    if (count() > 0 && currentRow() < 0) setCurrentRow(0);
    show();
    setFocus(Qt::OtherFocusReason);
    WatchMouse(true);
}

void TGridCheckList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The commit flag stays set: Escape stores the checks too.
        if (grid_ != nullptr) grid_->setFocus(Qt::OtherFocusReason);
        Close();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TGridCheckList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    Close();
}

// ---- Pop-up list -------------------------------------------------------------

namespace {

// Draws an item as its short part; the selected one on the highlight colour
// with white text, the others on yellow.
class PopupItemDelegate : public QStyledItemDelegate {
public:
    PopupItemDelegate(TFormLB* form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        p->save();
        p->fillRect(option.rect, selected ? option.palette.color(QPalette::Highlight) : FocusYellow());
        p->setPen(selected ? QColor(Qt::white) : option.palette.color(QPalette::WindowText));
        p->setFont(option.font);
        const QString shown = SplitItem(index.data(Qt::UserRole).toString()).shown;
        const QRect r = option.rect.adjusted(2, 2, 0, 0);
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(form_->ItemHeight());
        return s;
    }

private:
    TFormLB* form_;
};

} // namespace

TFormLB::TFormLB(QTableWidget* grid)
    : QWidget(grid, Qt::Popup | Qt::FramelessWindowHint), GridEditor(EditorKind::PopupList, grid) {
    hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = new TListBoxMenu(this);
    layout->addWidget(list_);
    PaintYellow(list_);
    QFont f = grid->font();
    if (f.pointSizeF() > 1) f.setPointSizeF(f.pointSizeF() - 1);
    else if (f.pixelSize() > 1) f.setPixelSize(f.pixelSize() - 1);
    list_->setFont(f);
    list_->setItemDelegate(new PopupItemDelegate(this, list_));
    list_->setUniformItemSizes(true);
    list_->setMouseTracking(true);
    list_->viewport()->setMouseTracking(true);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { Finish(true); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int) { ShowItemHint(); });
    itemHeight_ = grid->rowHeight(0) > 0 ? grid->rowHeight(0) : itemHeight_;

    hint_ = new QLabel(this, Qt::ToolTip);
    hint_->setObjectName(QStringLiteral("SG_LB_Hint"));
    hint_->setWordWrap(true);
    hint_->setMargin(0);
    hint_->setContentsMargins(3, 1, 3, 1);
    hint_->setFrameShape(QFrame::Box);
    hint_->setPalette(QToolTip::palette());
    hint_->setAutoFillBackground(true);
    hint_->hide();
}

TFormLB::~TFormLB() { open_ = false; }

void TFormLB::AddItem(const QString& text) {
    auto* item = new QListWidgetItem(SplitItem(text).shown, list_);
    item->setData(Qt::UserRole, text);
    item->setToolTip(QString());
}

void TFormLB::ClearItems() { list_->clear(); }

QString TFormLB::ItemText(int index) const {
    const QListWidgetItem* item = list_->item(index);
    return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

QString TFormLB::Value() const {
    const int i = SelectedIndex();
    return i >= 0 ? SplitItem(ItemText(i)).shown : QString();
}

void TFormLB::Open(const std::optional<QString>& initial) {
    BeginOpen();
    SetApplicationHintsEnabled(false);
    SetCommitFlag(false);
    QRect onScreen = grid_->visualRect(grid_->model()->index(row_, column_));
    onScreen.moveTopLeft(grid_->viewport()->mapToGlobal(onScreen.topLeft()));
    itemHeight_ = onScreen.height() + 1;
    list_->doItemsLayout();
    QScreen* screen = grid_->screen();
    const QRect avail = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int screenHeight = screen != nullptr ? screen->geometry().height() : 768;
    setGeometry(PlacePopupList(onScreen, ItemCount(), itemHeight_, screenHeight, avail.bottom() + 1));

    const QTableWidgetItem* item = grid_->item(row_, column_);
    const QString cellText = initial ? *initial : (item != nullptr ? item->text() : QString());
    std::vector<QString> full, shown;
    for (int i = 0; i < ItemCount(); ++i) {
        full.push_back(ItemText(i));
        shown.push_back(SplitItem(ItemText(i)).shown);
    }
    int index = -1;
    for (std::size_t i = 0; i < full.size() && index < 0; ++i)
        if (full[i] == cellText) index = static_cast<int>(i);
    if (index < 0) index = ItemForCell(shown, cellText);
    list_->setCurrentRow(index);
    show();
    raise();
    lastMouse_ = QCursor::pos();
    list_->setFocus(Qt::PopupFocusReason);
    ShowItemHint();
}

void TFormLB::Finish(bool commit) {
    SetCommitFlag(commit);
    if (grid_ != nullptr) grid_->setFocus(Qt::OtherFocusReason);
    hide();
}

bool TFormLB::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Finish(true);
            return true;
        }
        if (key == Qt::Key_Escape) {
            Finish(false);
            return true;
        }
    }
    if (watched == list_->viewport() && event->type() == QEvent::MouseMove) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const QPoint global = me->globalPosition().toPoint();
        // Only a pointer that really moved selects the item under it.
        if (global != lastMouse_) {
            lastMouse_ = global;
            const QModelIndex index = list_->indexAt(me->position().toPoint());
            if (index.isValid()) list_->setCurrentRow(index.row());
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TFormLB::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) hide();
    if (event->type() == QEvent::KeyPress) {
        // Keys reaching the window itself go to the list.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Finish(true);
            return true;
        }
        if (key == Qt::Key_Escape) {
            Finish(false);
            return true;
        }
    }
    return QWidget::event(event);
}

void TFormLB::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    hint_->hide();
    if (!open_) return;
    // Hiding is the end of the editing, however it came about.
    Close();
    SetApplicationHintsEnabled(!ParamWork.HideHint);
}

void TFormLB::ShowItemHint() {
    const int i = SelectedIndex();
    const QString hint = i >= 0 ? SplitItem(ItemText(i)).hint : QString();
    if (!isVisible() || hint.isEmpty() || ParamWork.HideHint) {
        hint_->hide();
        return;
    }
    hint_->setText(hint);
    const QFontMetrics fm(hint_->font());
    const QRect text = fm.boundingRect(QRect(0, 0, 4 * list_->width(), 100000),
                                       Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, hint);
    const QSize size(text.width() + 6, text.height() + 2);
    const QRect item = list_->visualRect(list_->model()->index(i, 0));
    const QPoint middle = list_->viewport()->mapToGlobal(QPoint(0, item.center().y()));
    hint_->setGeometry(QRect(QPoint(geometry().right() + 1, middle.y()), size));
    hint_->show();
    hint_->raise();
}

// ---- Framework ---------------------------------------------------------------

EditorList* SG_Create_ObjectList(QTableWidget* grid, int column) {
    GridContext* c = EnsureContext(grid);
    c->lists.push_back(std::make_unique<EditorList>(EditorList{column}));
    GridContext::Column& col = c->ColumnAt(column);
    col.isList = true;
    col.editors.clear();
    return c->lists.back().get();
}

namespace {

TGridEdit* CreateEdit(QTableWidget* grid, EditorKind kind, InputFilter filter, EditorList* list,
                      int column, bool direct) {
    GridContext* c = EnsureContext(grid);
    auto* e = new TGridEdit(kind, grid, filter);
    Register(c, e, list, column, direct);
    return e;
}

} // namespace

TGridEdit* SG_Create_PhoneEdit(QTableWidget* grid, int column) {
    return CreateEdit(grid, EditorKind::PhoneEdit, InputFilter::PhoneNumber, nullptr, column, true);
}
TGridEdit* SG_Create_DigitEdit(QTableWidget* grid, int column) {
    return CreateEdit(grid, EditorKind::DigitEdit, InputFilter::Digital, nullptr, column, true);
}
TGridEdit* SG_Create_TextEdit(QTableWidget* grid, int column) {
    return CreateEdit(grid, EditorKind::TextEdit, InputFilter::Text, nullptr, column, true);
}
TGridEdit* SG_Create_HexEdit(QTableWidget* grid, EditorList* list, int column) {
    return CreateEdit(grid, EditorKind::HexEdit, InputFilter::Hex, list, column, false);
}

TFormLB* SG_Create_FormLB(QTableWidget* grid, EditorList* list, int column) {
    GridContext* c = EnsureContext(grid);
    auto* e = new TFormLB(grid);
    Register(c, e, list, column, false);
    return e;
}

TGridCheckList* SG_Create_CheckListBox(QTableWidget* grid, EditorList* list, int column) {
    GridContext* c = EnsureContext(grid);
    auto* e = new TGridCheckList(grid);
    Register(c, e, list, column, false);
    return e;
}

void SG_Edit_Enable(std::optional<EditorKind> kind, QTableWidget* grid, int row, int column) {
    GridContext* c = EnsureContext(grid);
    c->active.erase({row, column});
    if (!kind) return;
    auto it = c->columns.find(column);
    if (it == c->columns.end()) return;
    if (auto i = ChooseEditor(c->Template(column), kind))
        c->active[{row, column}] = it->second.editors[static_cast<std::size_t>(*i)];
}

GridEditor* SG_Edit_Get(EditorKind kind, QTableWidget* grid, int column) {
    GridContext* c = Context(grid);
    if (c == nullptr) return nullptr;
    auto it = c->columns.find(column);
    if (it == c->columns.end()) return nullptr;
    if (auto i = EditorOfKind(c->Template(column), kind))
        return it->second.editors[static_cast<std::size_t>(*i)];
    return nullptr;
}

GridEditor* SG_Cell_Editor(QTableWidget* grid, int row, int column) {
    GridContext* c = Context(grid);
    if (c == nullptr) return nullptr;
    auto it = c->active.find({row, column});
    return it == c->active.end() ? nullptr : it->second;
}

GridEditor* SG_Column_Editor(QTableWidget* grid, int column) {
    GridContext* c = Context(grid);
    if (c == nullptr) return nullptr;
    auto it = c->columns.find(column);
    if (it == c->columns.end() || it->second.editors.empty()) return nullptr;
    return it->second.editors.front();
}

GridEditor* SG_Open_Editor(QTableWidget* grid) {
    GridContext* c = Context(grid);
    if (c == nullptr) return nullptr;
    for (GridEditor* e : c->all)
        if (e->IsOpen()) return e;
    return nullptr;
}

void SG_Open_Edit(QTableWidget* grid) {
    if (g_hideMessage) g_hideMessage();
    GridContext* c = Context(grid);
    if (c == nullptr) return;
    const int row = grid->currentRow();
    const int column = grid->currentColumn();
    if (row <= 0 || column < 0) return;
    GridEditor* editor = SG_Cell_Editor(grid, row, column);
    if (editor == nullptr) return;
    // Another editor of this grid still open is closed first.
    if (GridEditor* open = SG_Open_Editor(grid); open != nullptr && open != editor) open->Close();
    std::optional<QString> initial;
    SG_Edit_Tune(c->tag, editor, initial, column, row);
    editor->Open(initial);
}

bool SG_KeyPress(QTableWidget* grid, int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
    SG_Open_Edit(grid);
    return true;
}

void SG_DblClick(QTableWidget* grid) { SG_Open_Edit(grid); }


void SG_SelectCell(QTableWidget* grid) {
    GridContext* c = Context(grid);
    if (c == nullptr) return;
    bool any = false;
    for (GridEditor* e : c->all)
        if (e->Kind() != EditorKind::PopupList && e->IsOpen()) any = true;
    if (!any) return;
    grid->setFocus(Qt::OtherFocusReason);
    for (GridEditor* e : c->all)
        if (e->Kind() != EditorKind::PopupList && e->IsOpen()) e->Close();
}

void SG_Edit_Tune(int gridTag, GridEditor* editor, std::optional<QString>& initial, int column,
                  int row) {
    initial.reset();
    if (gridTag != 1 || editor == nullptr || g_device == nullptr) return;
    if (column == 1) {
        if (auto* edit = dynamic_cast<TGridEdit*>(editor))
            edit->setMaxLength(KeyNameMaxLength(g_device->Get_KeyType(row)));
    } else if (column == 3) {
        initial = QString::fromStdString(Cp1251ToUtf8(CodeWithoutTrailingZeros(g_device->Get_KeyCode(row))));
    }
}

void SG_Set_Tag(QTableWidget* grid, int tag) { EnsureContext(grid)->tag = tag; }

int SG_Tag(QTableWidget* grid) {
    GridContext* c = Context(grid);
    return c != nullptr ? c->tag : 0;
}

void SG_Set_Device(const T_Command_DEVICE* device) { g_device = device; }

void SG_Set_MessageHider(std::function<void()> hide) { g_hideMessage = std::move(hide); }

} // namespace zavro::ui::grid
