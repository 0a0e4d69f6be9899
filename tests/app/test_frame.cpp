// The conventions of the main window driven through small test pages
// registered like the editor pages: row highlighting, caption clicks,
// up-downs, the control remembered per page, GotoItem, tab and column
// hints, the cell message and the orders of Redraw_All and UnLoad_All.
#define QTEST_QPA_MOUSE_HANDLING
#include <QRadioButton>
#include <QToolTip>
#include <QTest>

#include "model/device.h"
#include "ui/grid/grid_editors.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/mainwindow.h"
#include "ui/row_layout.h"

using namespace zavro;
using namespace zavro::ui;

namespace {

std::vector<std::string> g_log;

// A page with two edit rows (one with an up-down and a unit), two radio
// buttons and a grid with a text-edit column.
class TestPage : public EditorPage {
public:
    explicit TestPage(std::string name) : name_(std::move(name)) {}
    void Create(TFormMain&, QWidget* tab) override {
        const QString n = QString::fromStdString(name_);
        auto* a = new QLineEdit(tab);
        a->setObjectName("E_" + n + "_A");
        auto* b = new QLineEdit(tab);
        b->setObjectName("E_" + n + "_B");
        auto* ud = new TUpDown(tab);
        ud->setObjectName("UD_" + n + "_B");
        ud->SetRange(0, 48);
        auto* r1 = new QRadioButton(QStringLiteral("один"), tab);
        r1->setObjectName("RB_" + n + "_1");
        auto* r2 = new QRadioButton(QStringLiteral("два"), tab);
        r2->setObjectName("RB_" + n + "_2");
        RowLayout rows(tab, 8, 8, 400);
        rows.AddRow(n + "_A", QStringLiteral("Первая строка "), a, 80);
        rows.AddRow(n + "_B", QStringLiteral("Период (0..48) "), b, 40, ud, QStringLiteral("  час."));
        rows.AddRow(n + "_R1", QString(), r1, 0);
        rows.AddRow(n + "_R2", QString(), r2, 0);
        const int bottom = rows.Finish();
        auto* grid = new QTableWidget(4, 3, tab);
        grid->setObjectName("SG_" + n);
        grid->setGeometry(8, bottom + 8, 330, 130);
        grid::TGridEdit* edit = grid::SG_Create_TextEdit(grid, 1);
        SetControlHint(edit, 511);
        for (int r = 1; r < 4; ++r) grid::SG_Edit_Enable(grid::EditorKind::TextEdit, grid, r, 1);
        SetControlHint(grid, 510);
    }
    void Redraw(T_Command_DEVICE&) override { g_log.push_back("R:" + name_); }
    void UnLoad(T_Command_DEVICE&) override { g_log.push_back("U:" + name_); }

private:
    std::string name_;
};

struct Fixture {
    std::unique_ptr<TProgram> program;
    TFormMain* f = nullptr;

    Fixture() {
        PageRegistry pages;
        pages.Register(PageId::Common, std::make_unique<TestPage>("Common"));
        pages.Register(PageId::Mode, std::make_unique<TestPage>("Mode"));
        pages.Register(PageId::Keys, std::make_unique<TestPage>("KEY"));
        pages.Register(PageId::P485, std::make_unique<TestPage>("485"));
        g_log.clear();
        program = StartProgram({}, std::move(pages));
        f = program->FormMain.get();
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    template <class T = QWidget> T* W(const QString& name) const { return f->findChild<T*>(name); }
    void ClickTab(PageId page) {
        const int i = f->PagesParam->indexOf(f->Tab(page));
        QTest::mouseClick(f->PagesParam->Bar(), Qt::LeftButton, {}, f->PagesParam->Bar()->TabRect(i).center());
    }
};

bool Lit(QWidget* w) { return ControlColor(w) == FocusYellow(); }

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void firstShowRedrawsInOrder() {
        Fixture x;
        QCOMPARE(g_log, (std::vector<std::string>{"R:Common", "R:Mode", "R:KEY", "R:485"}));
        g_log.clear();
        x.f->UnLoad_All();
        QCOMPARE(g_log, (std::vector<std::string>{"U:Mode", "U:KEY", "U:Common", "U:485"}));
        g_log.clear();
        QVERIFY(x.f->RedrawPage("Tab_Keys"));
        QVERIFY(!x.f->RedrawPage("Tab_Nothing"));
        QVERIFY(x.f->RedrawPage("Tab_GPRS")); // not registered: nothing runs
        QCOMPARE(g_log, (std::vector<std::string>{"R:KEY"}));
    }

    void rowLightsUpAndGoesOut() {
        Fixture x;
        auto* b = x.W<QLineEdit>("E_Common_B");
        QLabel* strip = x.W<QLabel>("L_Common_B_0");
        QLabel* caption = x.W<QLabel>("L_Common_B_1");
        QLabel* unit = x.W<QLabel>("L_Common_B_2");
        QVERIFY(strip && caption && unit);
        QCOMPARE(caption->buddy(), static_cast<QWidget*>(b));
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(b->hasFocus());
        for (QWidget* w : std::initializer_list<QWidget*>{b, strip, caption, unit}) QVERIFY(Lit(w));
        QVERIFY(!Lit(x.W<QLabel>("L_Common_A_1")));
        QCOMPARE(x.f->LastControl(PageId::Common), static_cast<QWidget*>(b));
        // To the first row: the second row goes out, the first lights up.
        QTest::mouseClick(x.W<QLabel>("L_Common_A_1"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), x.W("E_Common_A"));
        QVERIFY(Lit(x.W("L_Common_A_0")));
        for (QWidget* w : std::initializer_list<QWidget*>{b, strip, caption, unit}) QVERIFY(!Lit(w));
        QCOMPARE(ControlColor(b), NormalColor(b));
    }

    void captionClicks_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("focused");
        QTest::newRow("caption") << "L_Common_B_1" << true << true;
        QTest::newRow("unit") << "L_Common_B_2" << true << true;
        QTest::newRow("strip") << "L_Common_B_0" << true << true;
        QTest::newRow("disabled row") << "L_Common_B_1" << false << false;
    }
    void captionClicks() {
        QFETCH(QString, label);
        QFETCH(bool, enabled);
        QFETCH(bool, focused);
        Fixture x;
        auto* b = x.W<QLineEdit>("E_Common_B");
        b->setEnabled(enabled);
        x.W("E_Common_A")->setFocus();
        QLabel* l = x.W<QLabel>(label);
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(2, l->height() / 2));
        QCOMPARE(b->hasFocus(), focused);
    }

    void upDownFocusesItsEdit() {
        Fixture x;
        auto* b = x.W<QLineEdit>("E_Common_B");
        auto* ud = x.W<TUpDown>("UD_Common_B");
        b->setText("47");
        x.W("E_Common_A")->setFocus();
        QTest::mouseClick(ud, Qt::LeftButton, {}, QPoint(ud->width() / 2, 3));
        QVERIFY(b->hasFocus());
        QVERIFY(Lit(x.W("L_Common_B_1")));
        QCOMPARE(b->text(), QStringLiteral("48"));
        QTest::mouseClick(ud, Qt::LeftButton, {}, QPoint(ud->width() / 2, 3));
        QCOMPARE(b->text(), QStringLiteral("48")); // the range ends at 48
        QTest::keyClick(b, Qt::Key_Down);
        QCOMPARE(b->text(), QStringLiteral("47"));
    }

    void pageGivesFocusBack_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("change"); // what happens while the page is away
        QTest::addColumn<bool>("restored");
        QTest::newRow("edit kept") << "E_Mode_B" << "" << true;
        QTest::newRow("edit disabled") << "E_Mode_B" << "disable" << false;
        QTest::newRow("edit hidden") << "E_Mode_B" << "hide" << false;
        QTest::newRow("radio kept") << "RB_Mode_2" << "" << true;
        QTest::newRow("radio deselected") << "RB_Mode_2" << "deselect" << false;
    }
    void pageGivesFocusBack() {
        QFETCH(QString, control);
        QFETCH(QString, change);
        QFETCH(bool, restored);
        Fixture x;
        x.ClickTab(PageId::Mode);
        QWidget* c = x.W(control);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, c->height() / 2));
        QVERIFY(c->hasFocus());
        x.ClickTab(PageId::Keys);
        if (change == "disable") c->setEnabled(false);
        if (change == "hide") c->hide();
        if (change == "deselect") x.W<QRadioButton>("RB_Mode_1")->setChecked(true);
        x.ClickTab(PageId::Mode);
        QCOMPARE(c->hasFocus(), restored);
        QCOMPARE(x.f->LastControl(PageId::Mode) == c, restored);
    }

    void gotoItem() {
        Fixture x;
        QCOMPARE(x.f->PagesParam->currentWidget(), x.f->Tab(PageId::Common));
        QVERIFY(x.f->GotoItem("Tab_485", "E_485_A"));
        QCOMPARE(x.f->PagesParam->currentWidget(), x.f->Tab(PageId::P485));
        QVERIFY(x.W("E_485_A")->hasFocus());
        // Forward from the last page on to the first.
        QVERIFY(x.f->GotoItem("Tab_Mode", "RB_Mode_1"));
        QCOMPARE(x.f->PagesParam->currentWidget(), x.f->Tab(PageId::Mode));
        QVERIFY(x.W("RB_Mode_1")->hasFocus());
        // The page in front: only the control.
        QVERIFY(x.f->GotoItem("Tab_Mode", "E_Mode_B"));
        QVERIFY(x.W("E_Mode_B")->hasFocus());
        // A grid cell.
        QVERIFY(x.f->GotoItem("Tab_Keys", "SG_KEY", 2, 1));
        auto* grid = x.W<QTableWidget>("SG_KEY");
        QVERIFY(grid->hasFocus());
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 1);
        // Unknown names, and the hidden text page, change nothing.
        QVERIFY(!x.f->GotoItem("Tab_Keys", "E_Nothing"));
        QVERIFY(!x.f->GotoItem("Tab_Nothing", ""));
        QVERIFY(x.f->GotoItem("TabDebug", ""));
        QCOMPARE(x.f->PagesParam->currentWidget(), x.f->Tab(PageId::Keys));
    }

    void selectedTabRowIsNextToThePage() {
        Fixture x;
        TMultiRowTabBar* bar = x.f->PagesParam->Bar();
        QVERIFY(bar->RowCount() > 1);
        const auto row = [&](PageId id) { return bar->TabRect(static_cast<int>(id)).top(); };
        const int bottom = bar->height() - bar->TabRect(0).height();
        x.ClickTab(PageId::Common);
        QCOMPARE(row(PageId::Common), bottom);
        QVERIFY(row(PageId::GPRS) < bottom);
        x.ClickTab(PageId::GPRS);
        QCOMPARE(row(PageId::GPRS), bottom);
        QCOMPARE(row(PageId::Mode), row(PageId::Common)); // a row moves as a whole
        QVERIFY(row(PageId::Common) < bottom);
    }

    void tabHintFollowsPointer() {
        Fixture x;
        TMultiRowTabBar* bar = x.f->PagesParam->Bar();
        const QRect keys = bar->TabRect(static_cast<int>(PageId::Keys));
        const QRect gprs = bar->TabRect(static_cast<int>(PageId::GPRS));
        QCOMPARE(x.f->My_onShowHint(bar, keys.center()), HintText(700));
        QCOMPARE(x.f->My_onShowHint(bar, gprs.center()), HintText(1200));
        // Through the hint window: after 1000 ms at rest, and again while moving along the tabs.
        QTest::mouseMove(bar, keys.center());
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), HintText(700), 3000);
        QTest::mouseMove(bar, gprs.center());
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), HintText(1200), 3000);
    }

    void gridColumnHint() {
        Fixture x;
        x.ClickTab(PageId::Keys);
        auto* grid = x.W<QTableWidget>("SG_KEY");
        const QPoint col1 = grid->visualRect(grid->model()->index(1, 1)).center();
        const QPoint col2 = grid->visualRect(grid->model()->index(1, 2)).center();
        QCOMPARE(x.f->My_onShowHint(grid->viewport(), col1), HintText(511));
        QCOMPARE(x.f->My_onShowHint(grid->viewport(), col2), QString()); // the grid's own then
        QTest::mouseMove(grid->viewport(), col1);
        QCOMPARE(HintManager::Instance()->HintFor(grid->viewport(), col1), HintText(511));
        QTest::mouseMove(grid->viewport(), col2);
        QCOMPARE(HintManager::Instance()->HintFor(grid->viewport(), col2), HintText(510));
    }

    void cellMessage() {
        Fixture x;
        x.ClickTab(PageId::Keys);
        auto* grid = x.W<QTableWidget>("SG_KEY");
        x.f->ShowCellMessage(grid, 2, 1, QStringLiteral("Повтор (ключ №3)"));
        QVERIFY(x.f->ST_MessText->isVisible());
        QCOMPARE(x.f->T_HideToolTip->interval(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!x.f->ST_MessText->isVisible(), 3000);
        // Opening an editor hides it at once.
        x.f->ShowCellMessage(grid, 2, 1, QStringLiteral("Повтор (ключ №3)"));
        grid->setFocus();
        grid->setCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!x.f->ST_MessText->isVisible());
    }
};

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
