// The grid cell editors driven with real keys and clicks: opening, commit
// and cancel paths of every editor kind, the check list's reading of its
// cell, the pop-up list's selection and hint, and the key grid's preparation.
// Mouse events go through the window system, as the user's would, so that
// a click outside a pop-up list reaches the pop-up first.
#define QTEST_QPA_MOUSE_HANDLING
#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include "documents/work_settings.h"
#include "model/device.h"
#include "ui/grid/grid_editors.h"
#include "ui/hints.h"

#include "typing.h"

using namespace zavro;
using namespace zavro::ui::grid;

namespace {

// A double click as the window system delivers it: press, release, press, release.
void DoubleClick(QWidget* w, QPoint pos) { QTest::mouseDClick(w, Qt::LeftButton, {}, pos); }

enum Col { kName = 1, kType = 2, kCode = 3, kParts = 4, kDelay = 5 };

struct Fixture {
    QWidget window;
    QTableWidget* grid;
    QLineEdit* other;
    TGridEdit* name;
    TFormLB* type;
    TGridEdit* code;
    TGridCheckList* parts;
    TGridEdit* delay;
    int commits = 0;

    Fixture() {
        window.resize(600, 500);
        grid = new QTableWidget(6, 6, &window);
        grid->setGeometry(10, 10, 560, 300);
        for (int c = 0; c < 6; ++c) grid->setColumnWidth(c, 80);
        other = new QLineEdit(&window);
        other->setGeometry(10, 330, 200, 24);
        name = SG_Create_TextEdit(grid, kName);
        EditorList* list = SG_Create_ObjectList(grid, kType);
        type = SG_Create_FormLB(grid, list, kType);
        for (const char* t : {"Охранный|Охранный шлейф: тревога при нарушении", "Пожарный", "Технологический"})
            type->AddItem(QString::fromUtf8(t));
        code = SG_Create_HexEdit(grid, nullptr, kCode);
        parts = SG_Create_CheckListBox(grid, nullptr, kParts);
        for (int i = 1; i <= 16; ++i) parts->AddItem(QString::number(i));
        delay = SG_Create_DigitEdit(grid, kDelay);
        for (int r = 1; r < 6; ++r) {
            for (int c = 0; c < 6; ++c) grid->setItem(r, c, new QTableWidgetItem(QStringLiteral("v%1%2").arg(r).arg(c)));
            grid->item(r, kDelay)->setText(QString::number(r * 10));
            SG_Edit_Enable(EditorKind::TextEdit, grid, r, kName);
            SG_Edit_Enable(EditorKind::PopupList, grid, r, kType);
            SG_Edit_Enable(EditorKind::HexEdit, grid, r, kCode);
            SG_Edit_Enable(EditorKind::CheckList, grid, r, kParts);
            SG_Edit_Enable(EditorKind::DigitEdit, grid, r, kDelay);
        }
        for (GridEditor* e : std::initializer_list<GridEditor*>{name, type, code, parts, delay}) {
            e->OnCommit = [this](GridEditor& ed, int row, int column) {
                ++commits;
                grid->item(row, column)->setText(ed.Value());
            };
        }
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QString Cell(int r, int c) const { return grid->item(r, c)->text(); }

    QPoint CellCentre(int r, int c) const { return grid->visualRect(grid->model()->index(r, c)).center(); }

    // Opens a cell's editor with Enter on the grid.
    void Open(int r, int c) {
        grid->setFocus();
        grid->setCurrentCell(r, c);
        QTest::keyClick(grid, Qt::Key_Return);
    }
};

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void init() { ParamWork.HideHint = false; }

    void editorChoice() {
        QTableWidget grid(3, 4);
        EditorList* list = SG_Create_ObjectList(&grid, 3);
        TGridCheckList* checks = SG_Create_CheckListBox(&grid, list, 3);
        TFormLB* popup = SG_Create_FormLB(&grid, list, 3);
        TGridEdit* text = SG_Create_TextEdit(&grid, 1);
        SG_Edit_Enable(EditorKind::PopupList, &grid, 1, 3);
        QCOMPARE(SG_Cell_Editor(&grid, 1, 3), static_cast<GridEditor*>(popup));
        SG_Edit_Enable(EditorKind::HexEdit, &grid, 1, 3); // none of that kind in the list
        QCOMPARE(SG_Cell_Editor(&grid, 1, 3), nullptr);
        SG_Edit_Enable(EditorKind::DigitEdit, &grid, 2, 1); // a single editor, whatever the kind
        QCOMPARE(SG_Cell_Editor(&grid, 2, 1), static_cast<GridEditor*>(text));
        SG_Edit_Enable(std::nullopt, &grid, 2, 1);
        QCOMPARE(SG_Cell_Editor(&grid, 2, 1), nullptr);
        QCOMPARE(SG_Edit_Get(EditorKind::CheckList, &grid, 3), static_cast<GridEditor*>(checks));
        QCOMPARE(SG_Edit_Get(EditorKind::TextEdit, &grid, 3), nullptr);
        QCOMPARE(SG_Column_Editor(&grid, 3), static_cast<GridEditor*>(checks));
    }

    void enterOpensOnlyEditableCells() {
        Fixture f;
        f.Open(0, kName); // the title row
        QVERIFY(!f.name->isVisible());
        f.Open(2, 0); // no editor
        QVERIFY(SG_Open_Editor(f.grid) == nullptr);
        f.grid->setCurrentCell(2, kName);
        QTest::keyClick(f.grid, Qt::Key_Space);
        QVERIFY(f.name->isVisible());
        QCOMPARE(f.name->text(), QStringLiteral("v21"));
        QVERIFY(f.name->hasFocus());
        // Laid over the cell.
        const QRect cell = f.grid->visualRect(f.grid->model()->index(2, kName));
        QCOMPARE(f.name->geometry().topLeft(), f.grid->viewport()->mapTo(&f.window, cell.topLeft()));
    }

    void doubleClickOpens() {
        Fixture f;
        DoubleClick(f.grid->viewport(), f.CellCentre(3, kDelay));
        QVERIFY(f.delay->isVisible());
        QCOMPARE(f.delay->text(), QStringLiteral("30"));
    }

    void textEditClosing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stored");
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("click elsewhere") << "click" << true;
        QTest::newRow("click on another cell") << "cell" << true;
        QTest::newRow("another cell selected") << "select" << true;
    }
    void textEditClosing() {
        QFETCH(QString, how);
        QFETCH(bool, stored);
        Fixture f;
        f.Open(1, kName);
        QVERIFY(f.name->isVisible());
        QTest::keyClick(f.name, Qt::Key_End);
        TypeText(f.name, QStringLiteral("Аб"));
        if (how == "escape") QTest::keyClick(f.name, Qt::Key_Escape);
        else if (how == "enter") QTest::keyClick(f.name, Qt::Key_Return);
        else if (how == "click") QTest::mouseClick(f.other, Qt::LeftButton);
        else if (how == "cell") QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.CellCentre(4, 0));
        else f.grid->setCurrentCell(3, 0);
        QVERIFY(!f.name->isVisible());
        QCOMPARE(f.Cell(1, kName), stored ? QStringLiteral("v11Аб") : QStringLiteral("v11"));
        QCOMPARE(f.commits, stored ? 1 : 0);
        if (how == "enter" || how == "escape") QVERIFY(f.grid->hasFocus());
        if (how == "click") QVERIFY(f.other->hasFocus());
    }

    void clickOnNonFocusingAreaCloses() {
        // A press outside the editor closes it even where the focus stays.
        Fixture f;
        f.Open(2, kDelay);
        QTest::keyClick(f.delay, Qt::Key_End);
        TypeText(f.delay, QStringLiteral("7x"));
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(400, 450));
        QVERIFY(!f.delay->isVisible());
        QCOMPARE(f.Cell(2, kDelay), QStringLiteral("207")); // x refused by the digit filter
        // A click inside the editor keeps it open.
        f.Open(2, kDelay);
        QTest::mouseClick(f.delay, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(f.delay->isVisible());
    }

    void hexEditUpperCaseAndFilter() {
        Fixture f;
        f.Open(1, kCode);
        QTest::keyClick(f.code, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.code, Qt::Key_Delete);
        TypeText(f.code, QStringLiteral("a1g*f"));
        QCOMPARE(f.code->text(), QStringLiteral("A1F"));
        f.code->SetFilter(ui::InputFilter::HexAndStar);
        TypeText(f.code, QStringLiteral("*"));
        QCOMPARE(f.code->text(), QStringLiteral("A1F*"));
        QTest::keyClick(f.code, Qt::Key_Enter);
        QCOMPARE(f.Cell(1, kCode), QStringLiteral("A1F*"));
    }

    void checkListReading_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("checked");
        QTest::newRow("runs and singles") << "1-3,6" << "1-3,6";
        QTest::newRow("range beyond the items") << "15-20" << "15-16";
        QTest::newRow("numbers beyond the items") << "2,17,40" << "2";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("garbage entries") << "x,3,-,4-" << "3";
    }
    void checkListReading() {
        QFETCH(QString, cell);
        QFETCH(QString, checked);
        Fixture f;
        f.grid->item(2, kParts)->setText(cell);
        f.Open(2, kParts);
        QVERIFY(f.parts->isVisible());
        QStringList on;
        for (int i = 0; i < f.parts->count(); ++i)
            if (f.parts->item(i)->checkState() == Qt::Checked) on << QString::number(i + 1);
        QCOMPARE(TextFromChecks(f.parts->Checks()), checked);
    }

    void checkListSingleItem() {
        QCOMPARE(ChecksFromText(QStringLiteral("7"), 1), std::vector<bool>{true});
        QCOMPARE(ChecksFromText(QString(), 1), std::vector<bool>{false});
    }

    void checkListEscapeStores_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void checkListEscapeStores() {
        QFETCH(int, key);
        Fixture f;
        f.grid->item(3, kParts)->setText(QStringLiteral("2"));
        f.Open(3, kParts);
        f.parts->setCurrentRow(4);
        QTest::keyClick(f.parts, Qt::Key_Space); // tick item 5
        const QRect r = f.parts->visualItemRect(f.parts->item(5));
        DoubleClick(f.parts->viewport(), r.center() + QPoint(r.width() / 4, 0)); // toggles item 6
        QTest::keyClick(f.parts, Qt::Key(key));
        QVERIFY(!f.parts->isVisible());
        QVERIFY(f.grid->hasFocus());
        QCOMPARE(f.Cell(3, kParts), QStringLiteral("2,5-6"));
    }

    void checkListPlacement() {
        // Never below its parent: moved up so that it ends at the cell's bottom.
        const QRect cell(100, 280, 50, 20);
        const QRect r = PlaceCheckList(cell, 16, 18, 300);
        QCOMPARE(r.bottom(), cell.bottom() + 1);
        QVERIFY(r.height() <= (300 - 20) / 2);
        const QRect high = PlaceCheckList(QRect(0, 10, 50, 20), 3, 18, 300);
        QCOMPARE(high.top(), 10);
        QCOMPARE(high.height(), 3 * 18 + 4);
    }

    void popupClosing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stored");
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("click elsewhere") << "click" << false;
        QTest::newRow("deactivation") << "deactivate" << false;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("double click") << "dblclick" << true;
    }
    void popupClosing() {
        QFETCH(QString, how);
        QFETCH(bool, stored);
        Fixture f;
        f.grid->item(2, kType)->setText(QStringLiteral("Пожарный"));
        f.Open(2, kType);
        QVERIFY(f.type->isVisible());
        QCOMPARE(f.type->SelectedIndex(), 1);
        QVERIFY(!ui::ApplicationHintsEnabled()); // hints off while it is open
        QTest::keyClick(f.type->List(), Qt::Key_Down);
        QCOMPARE(f.type->SelectedIndex(), 2);
        if (how == "escape") {
            QTest::keyClick(f.type->List(), Qt::Key_Escape);
        } else if (how == "enter") {
            QTest::keyClick(f.type->List(), Qt::Key_Return);
        } else if (how == "dblclick") {
            const QRect r = f.type->List()->visualItemRect(f.type->List()->item(2));
            DoubleClick(f.type->List()->viewport(), r.center());
        } else if (how == "click") {
            QTest::mouseClick(f.other, Qt::LeftButton);
        } else {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(f.type, &deactivate);
        }
        QTRY_VERIFY(!f.type->isVisible());
        QCOMPARE(f.Cell(2, kType), stored ? QStringLiteral("Технологический") : QStringLiteral("Пожарный"));
        QCOMPARE(f.commits, stored ? 1 : 0);
        QVERIFY(ui::ApplicationHintsEnabled());
        QVERIFY(!f.type->HintWindow()->isVisible());
    }

    void popupHintsStayOffWhenHidden() {
        ParamWork.HideHint = true;
        Fixture f;
        f.Open(1, kType);
        QVERIFY(!f.type->HintWindow()->isVisible());
        QTest::keyClick(f.type->List(), Qt::Key_Escape);
        QVERIFY(!ui::ApplicationHintsEnabled());
        ParamWork.HideHint = false;
        ui::SetApplicationHintsEnabled(true);
    }

    void popupOnUnmatchedCellSelectsFirst() {
        Fixture f;
        f.grid->item(4, kType)->setText(QStringLiteral("нет такого"));
        f.Open(4, kType);
        QCOMPARE(f.type->SelectedIndex(), 0);
        // The first item's long part is shown beside the list, level with the item's middle.
        QVERIFY(f.type->HintWindow()->isVisible());
        QCOMPARE(f.type->HintWindow()->text(), QStringLiteral("Охранный шлейф: тревога при нарушении"));
        QCOMPARE(f.type->HintWindow()->geometry().left(), f.type->geometry().right() + 1);
        const QRect item = f.type->List()->visualItemRect(f.type->List()->item(0));
        QCOMPARE(f.type->HintWindow()->geometry().top(),
                 f.type->List()->viewport()->mapToGlobal(item.center()).y());
        // An item without a long part shows no hint; the list shows short parts.
        QTest::keyClick(f.type->List(), Qt::Key_Down);
        QVERIFY(!f.type->HintWindow()->isVisible());
        QCOMPARE(f.type->List()->item(0)->text(), QStringLiteral("Охранный"));
        QTest::keyClick(f.type->List(), Qt::Key_Escape);
    }

    void popupHoverSelects() {
        Fixture f;
        f.Open(1, kType);
        QListWidget* list = f.type->List();
        const QRect r = list->visualItemRect(list->item(2));
        QTest::mouseMove(list->viewport(), r.center() - QPoint(0, 2));
        QTest::mouseMove(list->viewport(), r.center());
        QTRY_COMPARE(f.type->SelectedIndex(), 2);
        // Geometry: over the cell, one item height per item plus the border.
        QCOMPARE(f.type->height(), 3 * f.type->ItemHeight() + 4);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.Cell(1, kType), QStringLiteral("Технологический"));
    }

    void keyGridTuning() {
        T_Command_DEVICE device;
        device.SetDefaults();
        device.Set_KeyCode(7, "12AB");
        device.Set_KeyType(7, 1);
        SG_Set_Device(&device);
        Fixture f;
        f.grid->setRowCount(9);
        for (int c = 0; c < 6; ++c) f.grid->setItem(7, c, new QTableWidgetItem(QStringLiteral("5")));
        SG_Edit_Enable(EditorKind::TextEdit, f.grid, 7, kName);
        SG_Edit_Enable(EditorKind::HexEdit, f.grid, 7, kCode);
        SG_Set_Tag(f.grid, 1);
        QCOMPARE(QString::fromStdString(device.Get_KeyCode(7)), QStringLiteral("12AB00000000"));
        f.Open(7, kCode);
        QCOMPARE(f.code->text(), QStringLiteral("12AB"));
        QTest::keyClick(f.code, Qt::Key_Escape);
        f.Open(7, kName);
        QCOMPARE(f.name->maxLength(), 9);
        QTest::keyClick(f.name, Qt::Key_Escape);
        device.Set_KeyType(7, 0);
        f.Open(7, kName);
        QCOMPARE(f.name->maxLength(), 10);
        QTest::keyClick(f.name, Qt::Key_Escape);
        SG_Set_Tag(f.grid, 0); // other grids get no initial text
        f.Open(7, kCode);
        QCOMPARE(f.code->text(), QStringLiteral("5"));
        QTest::keyClick(f.code, Qt::Key_Escape);
        SG_Set_Device(nullptr);
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
