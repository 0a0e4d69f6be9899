// The bindings of the pages Common, Modes and Indication without widgets:
// what each Redraw shows, what each UnLoad stores, the enabling rules and
// the label texts.
#include <climits>

#include <QTest>

#include "model/command_table.h"
#include "model/device.h"
#include "ui/pages/page_common.h"
#include "ui/pages/page_indic.h"
#include "ui/pages/page_mode.h"

using namespace zavro;
using namespace zavro::ui;

Q_DECLARE_METATYPE(std::optional<int>)

class TestBindings : public QObject {
    Q_OBJECT

    static T_Command_DEVICE Defaults() {
        T_Command_DEVICE d;
        d.SetDefaults();
        return d;
    }

private slots:
    void numberOf_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("value");
        QTest::newRow("empty") << "" << std::optional<int>(0);
        QTest::newRow("digits") << "048" << std::optional<int>(48);
        QTest::newRow("negative") << "-1" << std::optional<int>(-1);
        QTest::newRow("huge") << "99999999999" << std::optional<int>(INT_MAX);
        QTest::newRow("letters") << "1a" << std::optional<int>();
        QTest::newRow("minus alone") << "-" << std::optional<int>();
    }
    void numberOf() {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, value);
        QCOMPARE(NumberOf(text.toStdString()), value);
    }

    void trackLabel_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::newRow("0") << 0 << " (выкл)";
        QTest::newRow("-1") << -1 << " (выкл)";
        QTest::newRow("1") << 1 << " (1)";
        QTest::newRow("5") << 5 << " (5)";
    }
    void trackLabel() {
        QFETCH(int, position);
        QFETCH(QString, label);
        ModeBinding m;
        m.accel = position;
        QCOMPARE(QString::fromStdString(m.AccelLabel()), label);
        IndicBinding i;
        i.zummer = position;
        QCOMPARE(QString::fromStdString(i.ZummerLabel()), label);
    }

    // ---- Common ----

    void commonRangesFromTable() {
        T_Command_DEVICE d = Defaults();
        d.Set_BalanceDelay(2, 60);
        d.Set_BalanceValue(1, 0);
        CommonBinding b;
        b.Redraw(d);
        QCOMPARE(b.balanceDelay[0].min, 0);
        QCOMPARE(b.balanceDelay[0].max, 48);
        QCOMPARE(b.balanceValue[0].min, 1);
        QCOMPARE(b.balanceValue[0].max, 255);
        // Out of range: shown as stored (validation reports it), the
        // spinner starts from its nearest end.
        QCOMPARE(b.balanceDelay[1].text, std::string("60"));
        QCOMPARE(b.balanceDelay[1].position, 48);
        QCOMPARE(b.balanceValue[0].text, std::string("0"));
        QCOMPARE(b.balanceValue[0].position, 1);
        T_Command_DEVICE out = Defaults();
        b.UnLoad(out);
        QCOMPARE(out.Get_BalanceDelay(2), 60);
        QCOMPARE(out.Get_BalanceValue(1), 0);
    }

    void commonTextsRoundTrip() {
        T_Command_DEVICE d = Defaults();
        d.Set_FileKey("\xCA\xEB\xFE\xF7 1"); // "Ключ 1" in Windows-1251
        d.Set_SmsPassword("ab12c");
        d.Set_DevicePhone(2, "+79001234567");
        d.Set_BalancePhone(1, "*100#");
        CommonBinding b;
        b.Redraw(d);
        QCOMPARE(QString::fromStdString(b.key), QStringLiteral("Ключ 1"));
        QCOMPARE(b.balancePhone[0], std::string("*100#"));
        b.balanceDelay[0].text.clear();
        T_Command_DEVICE out = Defaults();
        out.Set_BalanceDelay(1, 7);
        b.UnLoad(out);
        QCOMPARE(out.Get_FileKey(), d.Get_FileKey());
        QCOMPARE(out.Get_SmsPassword(), std::string("ab12c"));
        QCOMPARE(out.Get_DevicePhone(2), std::string("+79001234567"));
        QCOMPARE(out.Get_BalancePhone(1), std::string("*100#"));
        QCOMPARE(out.Get_BalanceDelay(1), 0);
    }

    // ---- Modes ----

    void simMode_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("reserve");
        QTest::addColumn<int>("back");
        QTest::newRow("0") << 0 << false << 1;
        QTest::newRow("1") << 1 << false << 1;
        QTest::newRow("2") << 2 << true << 2;
        QTest::newRow("3") << 3 << false << 1;
    }
    void simMode() {
        QFETCH(int, stored);
        QFETCH(bool, reserve);
        QFETCH(int, back);
        T_Command_DEVICE d = Defaults();
        d.Commands(K_SimMode)[0].Value1 = stored;
        ModeBinding b;
        b.Redraw(d);
        QCOMPARE(b.reserve, reserve);
        QCOMPARE(b.ReserveRowsEnabled(), reserve);
        b.UnLoad(d);
        QCOMPARE(d.Get_SimMode(), back);
    }

    void dropDowns_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::newRow("master SIM 0") << int(K_SimMaster) << 0 << 0;
        QTest::newRow("master SIM 1") << int(K_SimMaster) << 1 << 1;
        QTest::newRow("master SIM 5") << int(K_SimMaster) << 5 << -1;
        QTest::newRow("channel 2") << int(K_MasterChannel) << 2 << 2;
        QTest::newRow("channel 3") << int(K_MasterChannel) << 3 << -1;
        QTest::newRow("power 1") << int(K_PowerOffMode) << 1 << 1;
        QTest::newRow("power 2") << int(K_PowerOffMode) << 2 << -1;
        QTest::newRow("SMS 0") << int(K_RuleSMS) << 0 << 0;
        QTest::newRow("SMS 4") << int(K_RuleSMS) << 4 << -1;
    }
    void dropDowns() {
        QFETCH(int, kind);
        QFETCH(int, stored);
        QFETCH(int, item);
        T_Command_DEVICE d = Defaults();
        d.Commands(kind)[0].Value1 = stored;
        ModeBinding b;
        b.Redraw(d);
        b.RedrawRuleSMS(d);
        const int shown = kind == K_SimMaster ? b.simMaster
                          : kind == K_MasterChannel ? b.masterChannel
                          : kind == K_PowerOffMode ? b.powerOff
                                                   : b.ruleSMS;
        QCOMPARE(shown, item);
        // Stored back unchanged, also when nothing was selected.
        b.UnLoad(d);
        QCOMPARE(d.Commands(kind)[0].Value1, stored);
    }

    void ruleSmsNotByRedraw() {
        T_Command_DEVICE d = Defaults();
        d.Set_RuleSMS(0);
        ModeBinding b;
        b.ruleSMS = 2;
        b.Redraw(d);
        QCOMPARE(b.ruleSMS, 2);
        b.RedrawRuleSMS(d);
        QCOMPARE(b.ruleSMS, 0);
    }

    void lockNoIPChannel_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("channelOn");
        for (bool t : {false, true})
            for (bool on : {false, true})
                QTest::addRow("ticked %d channel %d", t, on) << t << on;
    }
    void lockNoIPChannel() {
        QFETCH(bool, ticked);
        QFETCH(bool, channelOn);
        ModeBinding b;
        b.lockNoIP = b.lockMark = ticked;
        b.lockEnabled = false;
        b.LockNoIPChannel(channelOn);
        QCOMPARE(b.lockNoIP, ticked);
        QVERIFY(b.lockEnabled);
    }

    // ---- Indication ----

    void duty_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0 << false << "24";
        QTest::newRow("-3") << -3 << false << "24";
        QTest::newRow("12") << 12 << true << "12";
        QTest::newRow("49") << 49 << true << "49";
    }
    void duty() {
        QFETCH(int, stored);
        QFETCH(bool, active);
        QFETCH(QString, shown);
        T_Command_DEVICE d = Defaults();
        d.Set_DutyDelay(stored);
        IndicBinding b;
        b.Redraw(d);
        QCOMPARE(b.dutyActive, active);
        QCOMPARE(b.DutyRowEnabled(), active);
        QCOMPARE(QString::fromStdString(b.dutyDelay.text), shown);
        // Ticking stores the period shown, clearing stores 0.
        b.dutyActive = true;
        b.UnLoad(d);
        QCOMPARE(d.Get_DutyDelay(), shown.toInt());
        b.dutyActive = false;
        b.UnLoad(d);
        QCOMPARE(d.Get_DutyDelay(), 0);
    }

    void address_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("back");
        QTest::newRow("dotted") << "192.168.1.5" << "192.168.001.005" << "192,168,001,005";
        QTest::newRow("stored form") << "010,000,000,001" << "010.000.000.001" << "010,000,000,001";
        QTest::newRow("empty") << "" << "000.000.000.000" << "000,000,000,000";
        QTest::newRow("too long") << "1234567890123" << "123.456.789.012" << "123,456,789,012";
    }
    void address() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, back);
        T_Command_DEVICE d = Defaults();
        d.Set_TrapAddress(stored.toStdString());
        IndicBinding b;
        b.Redraw(d);
        QCOMPARE(QString::fromStdString(b.trapAddress), shown);
        b.UnLoad(d);
        QCOMPARE(QString::fromStdString(d.Get_TrapAddress()), back);
    }

    void sirenChecks_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QList<int>>("parts");
        QTest::addColumn<QString>("text");
        QTest::newRow("runs") << "1-3,5" << QList<int>{1, 2, 3, 5} << "1-3,5";
        QTest::newRow("beyond 16") << "15-20" << QList<int>{15, 16} << "15-16";
        QTest::newRow("empty") << "" << QList<int>{} << "";
        QTest::newRow("all") << "1-16" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}
                             << "1-16";
    }
    void sirenChecks() {
        QFETCH(QString, cell);
        QFETCH(QList<int>, parts);
        QFETCH(QString, text);
        const std::vector<bool> checks = IndicBinding::SirenChecks(cell.toStdString());
        QCOMPARE(checks.size(), std::size_t(16));
        PartSet expected;
        for (int p : parts) expected.Insert(p);
        const PartSet got = IndicBinding::SirenParts(checks);
        QVERIFY(got == expected);
        QCOMPARE(QString::fromStdString(PartsToText(got)), text);
    }

    void indicUnLoadLeavesSirenParts() {
        T_Command_DEVICE d = Defaults();
        IndicBinding b;
        b.Redraw(d);
        d.Set_SirenParts(PartSet{4});
        b.sirenParts = "1-3";
        b.UnLoad(d);
        QVERIFY(d.Get_SirenParts() == PartSet{4});
    }

    void indicNumbers() {
        T_Command_DEVICE d = Defaults();
        d.Set_AgentPort(-1);
        d.Set_IndicZone(0);
        IndicBinding b;
        b.Redraw(d);
        QCOMPARE(b.agentPort, std::string("-1"));
        QCOMPARE(b.zone, -1);
        b.trapPort.clear();
        b.trapPeriod = "0";
        b.UnLoad(d);
        QCOMPARE(d.Get_AgentPort(), -1);
        QCOMPARE(d.Get_IndicZone(), 0);
        QCOMPARE(d.Get_TrapPort(), 0);
        QCOMPARE(d.Get_TrapPeriod(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBindings)
#include "test_bindings.moc"
