// Start-up of the program: the windows and objects created in order, the
// window's frame, and the command line with and without "-debug".
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include "model/device.h"
#include "ui/grid/grid_editors.h"
#include "ui/hints.h"
#include "documents/dialog_config.h"
#include "ui/mainwindow.h"

#include <QHeaderView>

using namespace zavro;
using namespace zavro::ui;

namespace {

using Args = std::vector<std::string>;

std::unique_ptr<TProgram> Start(const Args& args) {
    auto program = StartProgram(args);
    program->FormMain->show();
    if (!QTest::qWaitForWindowExposed(program->FormMain.get())) return nullptr;
    return program;
}

} // namespace

Q_DECLARE_METATYPE(Args)

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<Args>("args");
        QTest::addColumn<bool>("debug");
        QTest::addColumn<QString>("startFile"); // "-" for none
        QTest::newRow("none") << Args{} << false << "-";
        QTest::newRow("a file") << Args{"conf.ini"} << false << "conf.ini";
        QTest::newRow("-debug alone") << Args{"-debug"} << true << "-";
        QTest::newRow("-DEBUG and a file") << Args{"-DEBUG", "a b.CRY"} << true << "a b.CRY";
        QTest::newRow("-debug second is a file name") << Args{"x.gsm", "-debug"} << false << "x.gsm";
    }
    void commandLine() {
        QFETCH(Args, args);
        QFETCH(bool, debug);
        QFETCH(QString, startFile);
        const CommandLine cl = ParseCommandLine(args);
        QCOMPARE(cl.debug, debug);
        QCOMPARE(cl.startFile ? QString::fromStdString(*cl.startFile) : QStringLiteral("-"), startFile);
    }

    void startWithoutArguments() {
        auto program = Start({});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        QVERIFY(program->WorkDevice && program->ProbeDevice && program->LexPipe && program->Lexema);
        QVERIFY(program->FormErrorMessage && program->FormOkMessage && program->DialogConfig &&
                program->FormDialogSetKeyConfig && program->FormSelectPathTree && program->FormLogicalDisks);
        QVERIFY(HintManager::Instance() != nullptr);
        QVERIFY(f.FirstShown());
        QCOMPARE(f.size(), QSize(737, 513));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.windowTitle(), QStringLiteral("Конфигуратор ЗАВРО \"Корвал IP/GPRS 16\" v.4.3.0.4   =>   "));
        // The defaults are in WorkDevice.
        T_Command_DEVICE defaults;
        defaults.SetDefaults();
        QCOMPARE(program->WorkDevice->Get_Version(), defaults.Get_Version());
        QCOMPARE(grid::SG_Tag(nullptr), 0);
        // The pages in tab order, "Текст" hidden.
        const QStringList captions = {"Общие", "Режимы", "Индикация", "Шлейфы", "Реле", "Ключи", "SMS",
                                      "SMS-К", "GSM-дозвон", "IP/UDP", "GPRS", "Ethernet", "Расширения", "Текст"};
        QCOMPARE(f.PagesParam->count(), 14);
        for (int i = 0; i < 14; ++i) QCOMPARE(f.PagesParam->tabText(i), captions[i]);
        QVERIFY(!f.PagesParam->isTabVisible(13));
        QVERIFY(f.PagesParam->isVisible());
        QCOMPARE(f.PagesParam->size(), QSize(724, 441));
        // Every tab in view at once: inside the bar, none overlapping.
        TMultiRowTabBar* bar = f.PagesParam->Bar();
        QVERIFY(bar->RowCount() >= 1);
        for (int i = 0; i < 13; ++i) {
            const QRect r = bar->TabRect(i);
            QVERIFY2(bar->rect().contains(r), qPrintable(captions[i]));
            for (int j = 0; j < i; ++j) QVERIFY(!r.intersects(bar->TabRect(j)));
        }
        QCOMPARE(HelpContext(f.Tab(PageId::Keys)), 700);
        // The command buttons: tags, hint keys, tab order.
        const QList<BitBtn*> buttons = {f.B_Open, f.B_Print, f.B_SaveToDevice, f.B_Save, f.B_Default, f.B_Config};
        const int tags[] = {1, 2, 3, 4, 6, 7};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(buttons[i]->Tag(), tags[i]);
            QCOMPARE(HelpContext(buttons[i]), 10 + i);
            QVERIFY(buttons[i]->isVisible());
            QCOMPARE(buttons[i]->height(), 61);
            QVERIFY(buttons[i]->text().isEmpty()); // drawn into the glyph
        }
        f.B_Open->setFocus();
        for (int i = 1; i < 6; ++i) {
            QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
            QCOMPARE(f.focusWidget(), static_cast<QWidget*>(buttons[i]));
        }
        // List mode is hidden; its header cannot be dragged.
        for (QWidget* w : std::initializer_list<QWidget*>{f.ListFileConfig, f.LabelPozList, f.B_CancelOpenList,
                                                          f.B_OpenLIst, f.B_OpenDirectly, f.LB_1Wire})
            QVERIFY(!w->isVisible());
        QCOMPARE(f.ListFileConfig->header()->sectionSize(2), 185);
        QCOMPARE(f.ListFileConfig->header()->sectionResizeMode(1), QHeaderView::Fixed);
        QVERIFY(!f.ST_MessText->isVisible());
    }

    void startWithDebug() {
        auto program = Start({"-debug", "missing.ini"});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        QVERIFY(f.PagesParam->isTabVisible(f.PagesParam->indexOf(f.TabDebug)));
        QCOMPARE(f.L_Memo1->text(), QStringLiteral("Текстовый файл конфигурации:"));
        QVERIFY(f.StartCommandLine().debug);
        QCOMPARE(QString::fromStdString(f.StartCommandLine().startFile.value_or("")), QStringLiteral("missing.ini"));
        // The text page is reached with the tab bar like any other.
        const QRect r = f.PagesParam->Bar()->TabRect(13);
        QTest::mouseClick(f.PagesParam->Bar(), Qt::LeftButton, {}, r.center());
        QCOMPARE(f.PagesParam->currentWidget(), f.TabDebug);
        f.SetMemoText("ks 1 \xCA\xEB\xFE\xF7"); // Windows-1251 text
        QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("ks 1 Ключ"));
    }

    void configButtonShowsSettings() {
        auto program = Start({});
        QVERIFY(program);
        TDialogConfig* dialog = program->DialogConfig.get();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(static_cast<QWidget*>(dialog)->isVisible());
            seen = true;
            static_cast<QDialog*>(dialog)->reject();
        });
        QTest::mouseClick(program->FormMain->B_Config, Qt::LeftButton);
        QVERIFY(seen);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
