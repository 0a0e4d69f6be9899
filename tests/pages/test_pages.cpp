// The pages Common, Modes and Indication in the main window, driven through
// real key presses and clicks: what they show, what they store, their
// enabling rules, the siren's pop-up check list, and validation bringing
// every failing rule's control into view.
#define QTEST_QPA_MOUSE_HANDLING
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <functional>

#include "model/command_table.h"
#include "model/device.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/mainwindow.h"
#include "ui/pages/page_mode.h"
#include "ui/pages/pages.h"
#include "ui/row_layout.h"
#include "validation/validation.h"

using namespace zavro;
using namespace zavro::ui;
using Setup = std::function<void(T_Command_DEVICE&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

struct Window {
    std::unique_ptr<TProgram> program;
    TFormMain* f = nullptr;

    Window() {
        PageRegistry pages;
        RegisterPages(pages);
        program = StartProgram({}, std::move(pages));
        f = program->FormMain.get();
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f)) qWarning("window not active");
        Work().Set_FileKey("key");
    }
    T_Command_DEVICE& Work() const { return *f->WorkDevice(); }
    template <class T = QWidget> T* W(const char* name) const {
        T* w = f->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) qWarning("no control %s", name);
        return w;
    }
    void Show(PageId page) const { f->GotoItem(f->Tab(page), nullptr); }
    // Sets the configuration up and shows it, as opening a file does.
    void Load(const Setup& setup) const {
        if (setup) setup(Work());
        f->Redraw_All();
    }
    void ClickIn(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }
    void Clear(QLineEdit* e) const {
        ClickIn(e);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
    }
};

// A user who answers every report the same way; "Исправить" goes to the
// control through the window.
struct AnsweringUi : validation::ValidationUi {
    TFormMain* f;
    validation::Answer answer;
    std::vector<validation::FailureReport> reports;
    std::vector<std::string> redrawn;
    AnsweringUi(TFormMain* form, validation::Answer a) : f(form), answer(a) {}
    validation::Answer ShowFailure(const validation::FailureReport& r) override {
        reports.push_back(r);
        return answer;
    }
    void GotoItem(const validation::ItemRef& item) override {
        QVERIFY(f->GotoItem(item.page, item.control, item.row, item.column));
    }
    void RedrawPage(const std::string& page) override {
        redrawn.push_back(page);
        f->RedrawPage(page);
    }
    bool GprsEqualChecked() override { return false; }
    void ClearGprsEqual() override {}
};

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    // ---- Common ----

    void keyShownWhileFocused() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_FileKey("secret"); });
        for (const char* name : {"E_Common_KEY", "E_Common_KEYOld", "E_Common_Password"}) {
            auto* e = x.W<QLineEdit>(name);
            QCOMPARE(e->echoMode(), QLineEdit::Password);
            x.ClickIn(e);
            QCOMPARE(e->echoMode(), QLineEdit::Normal);
            x.ClickIn(x.W<QLineEdit>("E_Common_PhoneNumber1"));
            QCOMPARE(e->echoMode(), QLineEdit::Password);
        }
        QCOMPARE(x.W<QLineEdit>("E_Common_KEY")->text(), QStringLiteral("secret"));
    }

    void emptiedBalancePeriodStoresZero_data() {
        QTest::addColumn<int>("sim");
        QTest::newRow("SIM 1") << 1;
        QTest::newRow("SIM 2") << 2;
    }
    void emptiedBalancePeriodStoresZero() {
        QFETCH(int, sim);
        Window x;
        x.Load([](T_Command_DEVICE& d) {
            d.Set_BalanceDelay(1, 12);
            d.Set_BalanceDelay(2, 12);
        });
        auto* e = x.W<QLineEdit>(sim == 1 ? "E_Common_BalanceDelay1" : "E_Common_BalanceDelay2");
        QCOMPARE(e->text(), QStringLiteral("12"));
        x.Clear(e);
        QTest::keyClicks(e, "x"); // the digit filter refuses it
        QCOMPARE(e->text(), QString());
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_BalanceDelay(sim), 0);
        QCOMPARE(x.Work().Get_BalanceDelay(3 - sim), 12);
    }

    void thresholdSpinsFrom1To255_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("end");
        QTest::newRow("up to 255") << 253 << 1 << 255;
        QTest::newRow("down to 1") << 3 << -1 << 1;
    }
    void thresholdSpinsFrom1To255() {
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(int, end);
        Window x;
        x.Load([start](T_Command_DEVICE& d) { d.Set_BalanceValue(2, start); });
        auto* ud = x.W<TUpDown>("UD_Common_BalanceVal2");
        const QPoint arrow(ud->width() / 2, direction > 0 ? 3 : ud->height() - 3);
        for (int i = 0; i < 4; ++i) QTest::mouseClick(ud, Qt::LeftButton, {}, arrow);
        QCOMPARE(QApplication::focusWidget(), x.W("E_Common_BalanceVal2"));
        QCOMPARE(x.W<QLineEdit>("E_Common_BalanceVal2")->text(), QString::number(end));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_BalanceValue(2), end);
    }

    void outOfRangeShownAsStored() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_BalanceDelay(2, 60); });
        QCOMPARE(x.W<QLineEdit>("E_Common_BalanceDelay2")->text(), QStringLiteral("60"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_BalanceDelay(2), 60);
    }

    void typedTextsStored() {
        Window x;
        x.Load({});
        auto* phone = x.W<QLineEdit>("E_Common_BalancePhone1");
        x.Clear(phone);
        QTest::keyClicks(phone, "*10-0#");
        auto* key = x.W<QLineEdit>("E_Common_KEY");
        x.Clear(key);
        QTest::keyClicks(key, "Ab 1.");
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_BalancePhone(1), std::string("*100#"));
        QCOMPARE(x.Work().Get_FileKey(), std::string("Ab 1"));
    }

    // Every row's labels carry its control's hint; every control lies inside its page.
    void hintsAndLayout() {
        Window x;
        QCOMPARE(HelpContext(x.W("E_Common_BalanceDelay1")), 108);
        QCOMPARE(HelpContext(x.W("L_Common_BalanceDelay1_1")), 108);
        QCOMPARE(HelpContext(x.W("L_Common_BalanceDelay1_2")), 108);
        QCOMPARE(HelpContext(x.W("UD_Common_BalanceDelay1")), 108);
        QCOMPARE(HelpContext(x.W("E_Mode_SIMDelay")), 213);
        QCOMPARE(HelpContext(x.W("SG_Indic_Sirena_Parts")), 335);
        QCOMPARE(HelpContext(x.W("E_SNMP_port_agent")), 355);
        QVERIFY(x.W("E_Common_KEY")->y() >= 20); // the status line lies above
        for (PageId p : {PageId::Common, PageId::Mode, PageId::Indic}) {
            x.Show(p);
            QWidget* tab = x.f->Tab(p);
            for (QWidget* w : tab->findChildren<QWidget*>()) {
                const QRect r(w->mapTo(tab, QPoint(0, 0)), w->size());
                if (w->isVisibleTo(tab)) QVERIFY2(tab->rect().contains(r), qPrintable(w->objectName()));
            }
        }
    }

    // ---- Modes ----

    void reserveRows() {
        Window x;
        x.Load([](T_Command_DEVICE& d) {
            d.Set_SimMode(1);
            d.Set_SimDelay(30);
        });
        x.Show(PageId::Mode);
        auto* symmetr = x.W<QRadioButton>("RB_Mode_SIMSymmetr");
        auto* rezerv = x.W<QRadioButton>("RB_Mode_SIMRezerv");
        QVERIFY(symmetr->isChecked());
        const char* rows[] = {"E_Mode_SIMDelay", "UD_Mode_SIMDelay", "CB_Mode_SIM_Master", "L_Mode_SIMDelay_0",
                              "L_Mode_SIMDelay_1", "L_Mode_SIMDelay_2", "L_Mode_SIM_Master_0", "L_Mode_SIM_Master_1"};
        for (const char* name : rows) QVERIFY2(!x.W(name)->isEnabled(), name);
        // A click on the caption of a disabled row does nothing.
        QWidget* before = QApplication::focusWidget();
        QTest::mouseClick(x.W("L_Mode_SIMDelay_1"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), before);
        QTest::mouseClick(rezerv, Qt::LeftButton, {}, QPoint(8, rezerv->height() / 2));
        QVERIFY(rezerv->isChecked());
        for (const char* name : rows) QVERIFY2(x.W(name)->isEnabled(), name);
        QCOMPARE(x.W<QLineEdit>("E_Mode_SIMDelay")->text(), QStringLiteral("30"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_SimMode(), 2);
        QCOMPARE(x.Work().Get_SimDelay(), 30);
        QTest::mouseClick(symmetr, Qt::LeftButton, {}, QPoint(8, symmetr->height() / 2));
        for (const char* name : rows) QVERIFY2(!x.W(name)->isEnabled(), name);
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_SimMode(), 1);
        QCOMPARE(x.Work().Get_SimDelay(), 30);
    }

    void simModeStoredBack_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << 0;
        QTest::newRow("3") << 3;
    }
    void simModeStoredBack() {
        QFETCH(int, stored);
        Window x;
        x.Load([stored](T_Command_DEVICE& d) { d.Commands(K_SimMode)[0].Value1 = stored; });
        QVERIFY(x.W<QRadioButton>("RB_Mode_SIMSymmetr")->isChecked());
        QVERIFY(!x.W("E_Mode_SIMDelay")->isEnabled());
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_SimMode(), 1);
    }

    void masterSim() {
        Window x;
        x.Load([](T_Command_DEVICE& d) {
            d.Set_SimMode(2);
            d.Commands(K_SimMaster)[0].Value1 = 1; // the second card
        });
        auto* list = x.W<QComboBox>("CB_Mode_SIM_Master");
        QCOMPARE(list->currentText(), QStringLiteral("2"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Commands(K_SimMaster)[0].Value1, 1);
        // Chosen with the keyboard.
        x.Show(PageId::Mode);
        x.ClickIn(x.W("E_Mode_SIMDelay"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentText(), QStringLiteral("1"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Commands(K_SimMaster)[0].Value1, 0);
    }

    void accelLabel() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_AccelSensitivity(2); });
        x.Show(PageId::Mode);
        auto* bar = x.W<QSlider>("TB_Mode_Accel");
        auto* label = x.W<QLabel>("L_Mode_Accel_2");
        QCOMPARE(label->text(), QStringLiteral(" (2)"));
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(label->text(), QStringLiteral(" (5)"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_AccelSensitivity(), 5);
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(label->text(), QStringLiteral(" (выкл)"));
    }

    void lockNoIPHooks() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_LockNoIP(true); });
        auto* box = x.W<QCheckBox>("CB_Mode_LockNoIP");
        ModePage* modes = FindModePage(*x.f);
        QVERIFY(modes != nullptr);
        modes->Mode_LockNoIP_GPRS_Enable(false);
        modes->Mode_LockNoIP_LAN_Enable(false);
        QVERIFY(box->isEnabled());
        QVERIFY(box->isChecked());
        x.Show(PageId::Mode);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(!box->isChecked());
        modes->Mode_LockNoIP_GPRS_Enable(true);
        QVERIFY(!box->isChecked()); // the mark followed the click
        x.f->UnLoad_All();
        QVERIFY(!x.Work().Get_LockNoIP());
    }

    void ruleSmsShownByRedraw() {
        Window x;
        auto* list = x.W<QComboBox>("CB_Mode_RuleSMS");
        QCOMPARE(list->count(), 3);
        x.Load([](T_Command_DEVICE& d) { d.Set_RuleSMS(0); });
        QCOMPARE(list->currentText(), QStringLiteral("запрещено"));
        x.Load([](T_Command_DEVICE& d) { d.Set_RuleSMS(1); });
        QCOMPARE(list->currentText(), QStringLiteral("только постановка/снятие"));
    }

    // ---- Indication ----

    void dutyPeriod() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_DutyDelay(0); });
        x.Show(PageId::Indic);
        auto* box = x.W<QCheckBox>("CB_Indic_DutyActive");
        auto* edit = x.W<QLineEdit>("E_Indic_DutyDelay");
        QVERIFY(!box->isChecked());
        QCOMPARE(edit->text(), QStringLiteral("24"));
        for (const char* name : {"E_Indic_DutyDelay", "UD_Indic_DutyDelay", "L_Indic_DutyDelay_1", "L_Indic_DutyDelay_2"})
            QVERIFY2(!x.W(name)->isEnabled(), name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(box->isChecked());
        for (const char* name : {"E_Indic_DutyDelay", "UD_Indic_DutyDelay", "L_Indic_DutyDelay_1", "L_Indic_DutyDelay_2"})
            QVERIFY2(x.W(name)->isEnabled(), name);
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_DutyDelay(), 24);
        // The strip toggles the box back; the period is kept but stored as 0.
        QTest::mouseClick(x.W("L_Indic_DutyActive_0"), Qt::LeftButton, {}, QPoint(2, 4));
        QVERIFY(!box->isChecked());
        QVERIFY(!edit->isEnabled());
        QCOMPARE(edit->text(), QStringLiteral("24"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_DutyDelay(), 0);
    }

    void buzzerLabel() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_ZummerVolume(0); });
        x.Show(PageId::Indic);
        auto* bar = x.W<QSlider>("TB_Indic_IntZummer");
        auto* label = x.W<QLabel>("L_Indic_IntZummer_2");
        QCOMPARE(label->text(), QStringLiteral(" (выкл)"));
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(label->text(), QStringLiteral(" (1)"));
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(label->text(), QStringLiteral(" (4)"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_ZummerVolume(), 4);
    }

    void indicatorZoneWritesAtOnce() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_IndicZone(0); });
        x.Show(PageId::Indic);
        auto* list = x.W<QComboBox>("CB_Indic_Zone");
        QCOMPARE(list->count(), 16);
        QCOMPARE(list->itemText(15), QStringLiteral("раздел 16"));
        QCOMPARE(list->currentIndex(), -1);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(x.Work().Get_IndicZone(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(x.Work().Get_IndicZone(), 2);
        x.Load([](T_Command_DEVICE& d) { d.Set_IndicZone(0); });
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_IndicZone(), 0);
    }

    void sirenPopup() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_SirenParts(PartSet{1, 2, 3, 5}); });
        x.Show(PageId::Indic);
        auto* grid = x.W<QTableWidget>("SG_Indic_Sirena_Parts");
        auto* popup = x.W<QListWidget>("PARTS_CLB");
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1-3,5"));
        QVERIFY(!popup->isVisible());
        // Letters typed on the grid do nothing.
        grid->setFocus();
        QTest::keyClicks(grid, "ab1");
        QVERIFY(!popup->isVisible());
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1-3,5"));
        // Enter opens the pop-up with the partitions ticked.
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(popup->isVisible());
        QCOMPARE(QApplication::focusWidget(), popup);
        QCOMPARE(ControlColor(popup), FocusYellow());
        QCOMPARE(popup->count(), 16);
        QCOMPARE(popup->item(0)->text(), QStringLiteral("Раздел 1"));
        for (int k = 0; k < 16; ++k)
            QCOMPARE(popup->item(k)->checkState() == Qt::Checked, k == 0 || k == 1 || k == 2 || k == 4);
        // Escape at once stores the same set again.
        x.Work().Set_SirenParts(PartSet{});
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
        QCOMPARE(QApplication::focusWidget(), grid);
        QVERIFY(x.Work().Get_SirenParts() == (PartSet{1, 2, 3, 5}));
        // A click opens it; a double click toggles the item under the pointer.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(popup->isVisible());
        const QRect r6 = popup->visualItemRect(popup->item(5));
        QTest::mouseDClick(popup->viewport(), Qt::LeftButton, {}, QPoint(r6.right() - 4, r6.center().y()));
        QCOMPARE(popup->item(5)->checkState(), Qt::Checked);
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1-3,5-6"));
        QVERIFY(x.Work().Get_SirenParts() == (PartSet{1, 2, 3, 5, 6}));
        // A press outside closes it, storing the ticks.
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(popup->isVisible());
        for (int k = 0; k < 16; ++k) popup->item(k)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(x.W("E_Indic_ExtIndic"), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!popup->isVisible());
        QCOMPARE(grid->item(0, 0)->text(), QString());
        QVERIFY(x.Work().Get_SirenParts() == PartSet{});
        // UnLoad leaves the partitions alone.
        x.Work().Set_SirenParts(PartSet{16});
        x.f->UnLoad_All();
        QVERIFY(x.Work().Get_SirenParts() == PartSet{16});
    }

    void popupOpenWhenWindowCloses() {
        {
            Window x;
            x.Load([](T_Command_DEVICE& d) { d.Set_SirenParts(PartSet{2}); });
            x.Show(PageId::Indic);
            auto* grid = x.W<QTableWidget>("SG_Indic_Sirena_Parts");
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Return);
            QVERIFY(x.W("PARTS_CLB")->isVisible());
        }
        // The application goes on working without the window.
        QWidget other;
        other.show();
        QTest::mouseClick(&other, Qt::LeftButton);
    }

    void snmpAddress_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed"); // after emptying the edit; empty: untouched
        QTest::addColumn<QString>("back");
        QTest::newRow("shown") << "192.168.1.5" << "192.168.001.005" << "" << "192,168,001,005";
        QTest::newRow("zeros kept") << "010,000,000,001" << "010.000.000.001" << "" << "010,000,000,001";
        QTest::newRow("typed") << "" << "000.000.000.000" << "0102a00030004x" << "010,200,030,004";
        QTest::newRow("partly typed") << "" << "000.000.000.000" << "19216" << "192,160,000,000";
    }
    void snmpAddress() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, back);
        Window x;
        x.Load([stored](T_Command_DEVICE& d) { d.Set_TrapAddress(stored.toStdString()); });
        x.Show(PageId::Indic);
        auto* e = x.W<QLineEdit>("E_SNMP_addr_mng");
        QCOMPARE(e->displayText(), shown);
        if (!typed.isEmpty()) {
            x.ClickIn(e);
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
            QTest::keyClick(e, Qt::Key_Home);
            QTest::keyClicks(e, typed);
        }
        x.f->UnLoad_All();
        QCOMPARE(QString::fromStdString(x.Work().Get_TrapAddress()), back);
    }

    void snmpNumbersTakeDigitsOnly_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::newRow("manager port") << "E_SNMP_port_mng" << int(K_TrapAddress) << 2;
        QTest::newRow("trap period") << "E_SNMP_trap_loop" << int(K_TrapPeriod) << 1;
        QTest::newRow("agent port") << "E_SNMP_port_agent" << int(K_AgentPort) << 1;
    }
    void snmpNumbersTakeDigitsOnly() {
        QFETCH(QString, edit);
        QFETCH(int, kind);
        QFETCH(int, slot);
        Window x;
        x.Load({});
        x.Show(PageId::Indic);
        auto* e = x.W<QLineEdit>(edit.toLatin1().constData());
        x.Clear(e);
        QTest::keyClicks(e, "1-a2 3.4567");
        QCOMPARE(e->text(), QStringLiteral("12345"));
        x.f->UnLoad_All();
        const T_Command& c = x.Work().Commands(kind)[0];
        QCOMPARE(slot == 1 ? c.Value1 : c.Value2, 12345);
        x.Clear(e);
        x.f->UnLoad_All();
        QCOMPARE(slot == 1 ? c.Value1 : c.Value2, 0);
    }

    void agentPortMinusOneKept() {
        Window x;
        x.Load([](T_Command_DEVICE& d) { d.Set_AgentPort(-1); });
        QCOMPARE(x.W<QLineEdit>("E_SNMP_port_agent")->text(), QStringLiteral("-1"));
        x.f->UnLoad_All();
        QCOMPARE(x.Work().Get_AgentPort(), -1);
    }

    // ---- Validation in the window ----

    void fixFocusesControl_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        const auto row = [](const char* name, Setup s, const char* page, const char* control) {
            QTest::newRow(name) << s << QString::fromLatin1(page) << QString::fromLatin1(control);
        };
        row("balance phone 1", [](T_Command_DEVICE& d) { d.Set_BalanceDelay(1, 5); }, "Tab_Common", "E_Common_BalancePhone1");
        row("balance phone 2", [](T_Command_DEVICE& d) { d.Set_BalanceDelay(2, 5); }, "Tab_Common", "E_Common_BalancePhone2");
        row("balance delay 1", [](T_Command_DEVICE& d) { d.Set_BalanceDelay(1, 49); }, "Tab_Common", "E_Common_BalanceDelay1");
        row("balance delay 2", [](T_Command_DEVICE& d) { d.Set_BalanceDelay(2, 60); }, "Tab_Common", "E_Common_BalanceDelay2");
        row("balance value 1", [](T_Command_DEVICE& d) { d.Set_BalanceValue(1, 0); }, "Tab_Common", "E_Common_BalanceVal1");
        row("balance value 2", [](T_Command_DEVICE& d) { d.Set_BalanceValue(2, 256); }, "Tab_Common", "E_Common_BalanceVal2");
        row("password", [](T_Command_DEVICE& d) { d.Set_SmsPassword("abc"); }, "Tab_Common", "E_Common_Password");
        row("file key", [](T_Command_DEVICE& d) { d.Set_FileKey(""); }, "Tab_Common", "E_Common_KEY");
        row("attempts", [](T_Command_DEVICE& d) { d.Set_CountConnect(21); }, "Tab_Mode", "E_Mode_SIM_CountConect");
        row("SIM delay", [](T_Command_DEVICE& d) { d.Set_SimMode(2); d.Set_SimDelay(500); }, "Tab_Mode", "E_Mode_SIMDelay");
        row("duty", [](T_Command_DEVICE& d) { d.Set_DutyDelay(49); }, "Tab_Indic", "E_Indic_DutyDelay");
        row("indicator", [](T_Command_DEVICE& d) { d.Set_ExtIndicTime(0); }, "Tab_Indic", "E_Indic_ExtIndic");
        row("siren", [](T_Command_DEVICE& d) { d.Set_SirenTime(1000); }, "Tab_Indic", "E_Indic_Sirena");
        row("trap period", [](T_Command_DEVICE& d) { d.Set_TrapPeriod(65536); }, "Tab_Indic", "E_SNMP_trap_loop");
        row("trap address", [](T_Command_DEVICE& d) { d.Set_TrapAddress("256,001,001,001"); }, "Tab_Indic", "E_SNMP_addr_mng");
        row("trap port", [](T_Command_DEVICE& d) { d.Set_TrapPort(70000); }, "Tab_Indic", "E_SNMP_port_mng");
        row("agent port", [](T_Command_DEVICE& d) { d.Set_AgentPort(99999); }, "Tab_Indic", "E_SNMP_port_agent");
    }
    void fixFocusesControl() {
        QFETCH(Setup, setup);
        QFETCH(QString, page);
        QFETCH(QString, control);
        Window x;
        x.Load(setup);
        // Start from another page, as a save from anywhere would.
        x.Show(page == QLatin1String("Tab_Common") ? PageId::Indic : PageId::Common);
        x.f->UnLoad_All();
        AnsweringUi ui(x.f, validation::Answer::Fix);
        QVERIFY(!validation::Check_All(x.Work(), ui));
        QCOMPARE(ui.reports.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(ui.reports[0].item.control), control);
        QCOMPARE(x.f->PagesParam->currentWidget()->objectName(), page);
        QCOMPARE(QApplication::focusWidget()->objectName(), control);
    }

    void defaultRedrawsPage_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("balance delay 2") << Setup([](T_Command_DEVICE& d) { d.Set_BalanceDelay(2, 60); })
                                         << "E_Common_BalanceDelay2" << "0";
        QTest::newRow("SIM delay") << Setup([](T_Command_DEVICE& d) { d.Set_SimMode(2); d.Set_SimDelay(500); })
                                   << "E_Mode_SIMDelay" << "15";
        QTest::newRow("duty") << Setup([](T_Command_DEVICE& d) { d.Set_DutyDelay(49); }) << "E_Indic_DutyDelay" << "24";
        QTest::newRow("agent port") << Setup([](T_Command_DEVICE& d) { d.Set_AgentPort(99999); })
                                    << "E_SNMP_port_agent" << "161";
    }
    void defaultRedrawsPage() {
        QFETCH(Setup, setup);
        QFETCH(QString, control);
        QFETCH(QString, text);
        Window x;
        x.Load(setup);
        x.f->UnLoad_All();
        AnsweringUi ui(x.f, validation::Answer::Default);
        QVERIFY(validation::Check_All(x.Work(), ui));
        QCOMPARE(ui.reports.size(), std::size_t(1));
        QCOMPARE(x.W<QLineEdit>(control.toLatin1().constData())->text(), text);
        // What the page shows now is what is saved.
        x.f->UnLoad_All();
        AnsweringUi again(x.f, validation::Answer::Fix);
        QVERIFY(validation::Check_All(x.Work(), again));
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
