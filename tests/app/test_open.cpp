// Opening configurations: the start file, the key dialog's loop of an
// encrypted container, and the list of the work folder with its background
// testing, sorting and opening.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeWidget>

#include "document_fixture.h"
#include "documents/work_settings.h"
#include "ui/look.h"

using namespace zavro;
using namespace zavro::ui;
using namespace fixture;

namespace {

using Args = std::vector<std::string>;

const QString kPrefix = MainCaption(QString());
const QString kKey = QStringLiteral("Пароль2024");

QString Alias(const TProgram& p) { return QString::fromStdString(Cp1251ToUtf8(p.WorkDevice->Get_DeviceName())); }

} // namespace

class TestOpen : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString savedCwd_;
    QString P(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        savedCwd_ = QDir::currentPath();
    }
    void cleanup() {
        QDir::setCurrent(savedCwd_);
        LastFileKey.clear();
        ParamWork.ListModeOpenSave = false;
    }

    // ---- Start-up ----

    void startFile_data() {
        QTest::addColumn<QString>("file");    // created in the folder ("" for none)
        QTest::addColumn<QString>("bytes");   // "text" or "crypto"
        QTest::addColumn<Args>("args");       // "@" stands for the folder
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("caption"); // after the prefix
        QTest::newRow("text file") << "a.ini" << "text" << Args{"@/a.ini"} << true << "@/a.ini";
        QTest::newRow(".gsm is text") << "b.gsm" << "text" << Args{"@/b.gsm"} << true << "@/b.gsm";
        QTest::newRow("no extension is text") << "plain" << "text" << Args{"@/plain"} << true << "@/plain";
        QTest::newRow(".CRY in capitals") << "C.CRY" << "crypto" << Args{"@/C.CRY"} << true << "@/C.CRY";
        QTest::newRow("missing file") << "" << "text" << Args{"@/missing.ini"} << false << "";
        QTest::newRow("-debug then a file") << "d.ini" << "text" << Args{"-debug", "@/d.ini"} << true << "@/d.ini";
        QTest::newRow("config.ini of the current folder") << "config.ini" << "text" << Args{"-debug"} << true
                                                          << "./config.ini";
        QTest::newRow("config.cry of the current folder") << "config.cry" << "crypto" << Args{} << true
                                                          << "./config.cry";
    }
    void startFile() {
        QFETCH(QString, file);
        QFETCH(QString, bytes);
        QFETCH(Args, args);
        QFETCH(bool, opened);
        QFETCH(QString, caption);
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        const std::string text = ConfigText("Склад 7");
        if (!file.isEmpty())
            WriteBytes(folder.filePath(file), bytes == "crypto" ? Container(text, W("Пароль2024")) : text);
        for (std::string& a : args)
            if (a.front() == '@') a = folder.path().toStdString() + a.substr(1);
        caption.replace(QLatin1Char('@'), folder.path());

        ModalScript script;
        bool note = true;
        if (bytes == "crypto" && opened) script.Then(TypeKey(kKey, &note));
        auto program = Start(args);
        QVERIFY(program);
        QVERIFY(Finish(script));
        TFormMain& f = *program->FormMain;
        QCOMPARE(f.windowTitle(), kPrefix + caption);
        QCOMPARE(Alias(*program), opened ? QStringLiteral("Склад 7") : QString());
        QCOMPARE(f.PagesParam->isTabVisible(f.PagesParam->indexOf(f.TabDebug)), args.size() && args[0] == "-debug");
        QCOMPARE(QString::fromStdString(Cp1251ToUtf8(f.MemoText())),
                 opened ? QString::fromStdString(Cp1251ToUtf8(text)) : QString());
        QCOMPARE(f.Memo1->toPlainText().isEmpty(), !opened);
        const QString status = f.StaticTextStatus->text();
        if (opened) {
            const QString path = caption;
            QCOMPARE(status, QStringLiteral("Конфигурация сохраненная (") +
                                 QString::fromStdString(program->WorkDevice->Get_Version()) +
                                 QStringLiteral(") от ") + FileDateText(path) + QStringLiteral(" года "));
        } else {
            QCOMPARE(status, QStringLiteral("Конфигурация \"по-умолчанию\""));
        }
        QCOMPARE(TextColor(f.StaticTextStatus), Green());
        if (bytes == "crypto" && opened) QVERIFY(!note); // first ask: the note hidden
    }

    // ---- The key dialog's loop ----

    void keyLoop_data() {
        QTest::addColumn<QStringList>("keys"); // typed in turn; "ESC" cancels
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QList<bool>>("notes"); // the wrong-key note at each showing
        QTest::newRow("right key") << QStringList{kKey} << true << QList<bool>{false};
        QTest::newRow("wrong then right") << QStringList{"abc", kKey} << true << QList<bool>{false, true};
        QTest::newRow("blank is asked again") << QStringList{"   ", kKey} << true << QList<bool>{false, false};
        QTest::newRow("wrong then cancel") << QStringList{"abc", "ESC"} << false << QList<bool>{false, true};
        QTest::newRow("cancel") << QStringList{"ESC"} << false << QList<bool>{false};
    }
    void keyLoop() {
        QFETCH(QStringList, keys);
        QFETCH(bool, opened);
        QFETCH(QList<bool>, notes);
        const QString file = P(QStringLiteral("loop.cry"));
        // A configuration without a file key: the key that opened it becomes both keys.
        zavro::T_Command_DEVICE d;
        d.SetDefaults();
        d.Set_DeviceName(W("Касса"));
        WriteBytes(file, Container(ConfigurationText(d), W("Пароль2024")));

        ModalScript script;
        QList<bool> seen(keys.size(), false);
        bool* seenAt = reinterpret_cast<bool*>(seen.data());
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (keys[i] == "ESC") {
                script.Then([note = &seenAt[i]](QWidget* w) {
                    auto* dlg = qobject_cast<TFormDialogSetKeyConfig*>(w);
                    QVERIFY(dlg);
                    *note = dlg->StaticTextErrorKey->isVisible();
                    Press(dlg, Qt::Key_Escape);
                });
            } else {
                script.Then(TypeKey(keys[i], &seenAt[i]));
            }
        }
        auto program = Start({file.toStdString()});
        QVERIFY(program);
        QVERIFY(Finish(script));
        QCOMPARE(script.Handled(), keys.size());
        QCOMPARE(seen, notes);
        QCOMPARE(Alias(*program), opened ? QStringLiteral("Касса") : QString());
        QCOMPARE(program->WorkDevice->Get_FileKey(), opened ? W("Пароль2024") : std::string());
        QCOMPARE(program->WorkDevice->Get_FileKeyOld(), opened ? W("Пароль2024") : std::string());
        QCOMPARE(program->FormMain->windowTitle(), kPrefix + (opened ? file : QString()));
        QCOMPARE(program->FormMain->MemoText().empty(), !opened);
    }

    void containerErrors_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const std::string text = ConfigText("X");
        const std::string good = Container(text, W("Пароль2024"));
        QTest::newRow("signature") << QByteArray::fromStdString(Container(text, W("Пароль2024"), "Store 12  ",
                                                                          "0123456789AB", "ЗАВРО КОРВАЛ IP/GPRS 16"))
                                   << QString::fromUtf8(kCryptoSignatureMessage.data(),
                                                        static_cast<qsizetype>(kCryptoSignatureMessage.size()));
        QTest::newRow("size") << QByteArray::fromStdString(good + "abc")
                              << QStringLiteral("Ошибка размера файла конфигурации - файл не верный ");
    }
    void containerErrors() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString file = P(QStringLiteral("bad.cry"));
        WriteBytes(file, bytes.toStdString());
        ErrorSeen error;
        ModalScript script;
        script.Then(TypeKey(kKey)).Then(AnswerError(&error));
        auto program = Start({file.toStdString()});
        QVERIFY(program);
        QVERIFY(Finish(script));
        QCOMPARE(error.message, message);
        QCOMPARE(error.recommendation, QStringLiteral("Проверьте источник файла"));
        QCOMPARE(program->FormMain->windowTitle(), kPrefix);
        QCOMPARE(program->FormMain->StaticTextStatus->text(), QStringLiteral("Конфигурация \"по-умолчанию\""));
    }

    // ---- The standard open dialog ----

    void openDialog() {
        QTemporaryDir folder;
        const QString good = folder.filePath(QStringLiteral("good.ini"));
        WriteBytes(good, ConfigText("Офис"));
        auto program = Start({});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        {
            ModalScript script;
            script.Then([](QWidget* w) {
                auto* dlg = qobject_cast<QFileDialog*>(w);
                QVERIFY(dlg);
                // The filters read as given, all supported formats preselected.
                auto* combo = dlg->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                QVERIFY(combo);
                QStringList shown;
                for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
                QCOMPARE(shown, (QStringList{"Конфигурация прибора (*.ini)", "Конфигурация GSM-прибора (*.gsm)",
                                             "Шифрованная конфигурация (*.cry)",
                                             "Все поддерживаемые форматы (*.ini, *.gsm, *.cry)"}));
                QCOMPARE(combo->currentIndex(), 3);
            });
            script.Then(ChooseFile(good));
            Push(f.B_Open);
            QVERIFY(Finish(script));
        }
        QCOMPARE(Alias(*program), QStringLiteral("Офис"));
        QCOMPARE(f.windowTitle(), kPrefix + good);
        QVERIFY(f.StaticTextStatus->text().startsWith(QStringLiteral("Конфигурация сохраненная (")));
        // A name that does not exist: reported, nothing changes.
        ErrorSeen error;
        ModalScript script;
        script.Then(ChooseFile(folder.filePath(QStringLiteral("nothing.ini")))).Then(AnswerError(&error));
        Push(f.B_Open);
        const bool finished = Finish(script);
        QVERIFY2(finished, qPrintable(QStringLiteral("handled %1 unexpected %2 modal %3")
                                          .arg(script.Handled()).arg(script.Unexpected())
                                          .arg(QApplication::activeModalWidget() ? QApplication::activeModalWidget()->metaObject()->className() : "none")));
        QCOMPARE(error.message, QStringLiteral("Ошибка открытия файла"));
        QCOMPARE(error.recommendation, QStringLiteral("Проверьте наличие файла"));
        QVERIFY(error.fixShown && !error.continueShown && !error.defaultShown);
        QCOMPARE(Alias(*program), QStringLiteral("Офис"));
        QCOMPARE(f.windowTitle(), kPrefix + good);
    }

    void nameFilters() {
        QCOMPARE(QtNameFilters(QString::fromUtf8(kOpenFilter)),
                 (QStringList{"Конфигурация прибора (*.ini) (*.ini)", "Конфигурация GSM-прибора (*.gsm) (*.gsm)",
                              "Шифрованная конфигурация (*.cry) (*.cry)",
                              "Все поддерживаемые форматы (*.ini, *.gsm, *.cry) (*.ini *.gsm *.cry)"}));
    }

    // ---- List mode ----

    void listOfTwentyFive() {
        QTemporaryDir folder;
        for (int i = 1; i <= 25; ++i)
            WriteBytes(folder.filePath(QStringLiteral("cfg%1.ini").arg(i, 2, 10, QLatin1Char('0'))),
                       ConfigText(QStringLiteral("Dev%1").arg(i, 2, 10, QLatin1Char('0')).toStdString()));
        auto program = Start({});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        ParamWork.ListModeOpenSave = true;
        ParamWork.ListPathSave = folder.path().toStdString() + "/";
        Push(f.B_Open);
        // At once: the first 9 with their alias, the rest with the placeholders.
        QTreeWidget* list = f.ListFileConfig;
        QVERIFY(list->isVisible() && !f.PagesParam->isVisible());
        QVERIFY(f.B_CancelOpenList->isVisible() && f.B_OpenLIst->isVisible() && f.B_OpenDirectly->isVisible());
        QCOMPARE(list->topLevelItemCount(), 25);
        for (int i = 0; i < 25; ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            QCOMPARE(item->text(3), QStringLiteral("cfg%1.ini").arg(i + 1, 2, 10, QLatin1Char('0')));
            QCOMPARE(item->text(1), i < 9 ? QStringLiteral("Dev%1").arg(i + 1, 2, 10, QLatin1Char('0'))
                                          : QStringLiteral("??????????"));
            QCOMPARE(item->text(2), i < 9 ? QStringLiteral("12AB-0000-0000") : QString::fromLatin1(kListIdentPlaceholder));
        }
        QCOMPARE(f.LabelPozList->text(), QStringLiteral("1 из 25"));
        QCOMPARE(TextColor(f.LabelPozList), Red());
        QVERIFY(f.TimerTestListConfig->isActive());
        QCOMPARE(f.TimerTestListConfig->interval(), 50);
        // The ticks test the rest; the label turns when none is left.
        QTRY_VERIFY(!f.TimerTestListConfig->isActive());
        QCOMPARE(TextColor(f.LabelPozList), TDocuments::HotLight());
        for (int i = 0; i < 25; ++i)
            QCOMPARE(list->topLevelItem(i)->text(1), QStringLiteral("Dev%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        QVERIFY(!f.B_Save->isVisible());

        // Sorting: the direction is shared by all columns.
        QHeaderView* header = list->header();
        auto clickHeader = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        TDocuments& docs = *f.Documents();
        clickHeader(1);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Dev25"));
        QCOMPARE(list->topLevelItem(24)->text(1), QStringLiteral("Dev01"));
        QCOMPARE((QList<int>{docs.HeaderImage(0), docs.HeaderImage(1), docs.HeaderImage(2), docs.HeaderImage(3)}),
                 (QList<int>{2, 4, 2, 2}));
        // The selection (row 0, cfg01) went with its row to the end.
        QCOMPARE(f.LabelPozList->text(), QStringLiteral("25 из 25"));
        clickHeader(3);
        QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("cfg01.ini"));
        QCOMPARE(list->topLevelItem(24)->text(3), QStringLiteral("cfg25.ini"));
        QCOMPARE((QList<int>{docs.HeaderImage(0), docs.HeaderImage(1), docs.HeaderImage(2), docs.HeaderImage(3)}),
                 (QList<int>{2, 2, 2, 3}));
        QCOMPARE(list->headerItem()->data(3, Qt::UserRole).toInt(), 3);

        // Escape leaves the list; the working configuration is untouched.
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible() && f.PagesParam->isVisible() && f.B_Save->isVisible());
        QVERIFY(!f.TimerTestListConfig->isActive());
        QCOMPARE(Alias(*program), QString());
        QCOMPARE(f.windowTitle(), kPrefix);
    }

    void openFromList_data() {
        QTest::addColumn<QString>("how"); // "enter", "double click", "button"
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("status");
        QTest::newRow("Enter on a text file") << "enter" << "b.ini" << "Конфигурация сохраненная (";
        QTest::newRow("double click on a text file") << "double click" << "b.ini" << "Конфигурация сохраненная (";
        QTest::newRow("\"Открыть файл\" on an encrypted file") << "button" << "c.cry" << "Конфигурация прибора (";
    }
    void openFromList() {
        QFETCH(QString, how);
        QFETCH(QString, file);
        QFETCH(QString, status);
        QTemporaryDir folder;
        WriteBytes(folder.filePath(QStringLiteral("a.ini")), ConfigText("Первый"));
        WriteBytes(folder.filePath(QStringLiteral("b.ini")), ConfigText("Второй"));
        WriteBytes(folder.filePath(QStringLiteral("c.cry")), Container(ConfigText("Третий"), W("Пароль2024")));
        auto program = Start({});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        LastFileKey = W("Пароль2024"); // confirmed before: no key is asked
        ParamWork.ListModeOpenSave = true;
        ParamWork.ListPathSave = folder.path().toStdString() + "/";
        Push(f.B_Open);
        QTreeWidget* list = f.ListFileConfig;
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("Store 12  "));
        QCOMPARE(list->topLevelItem(2)->text(2), QStringLiteral("0123-4567-89AB"));
        const int row = file == "b.ini" ? 1 : 2;
        QTreeWidgetItem* item = list->topLevelItem(row);
        const QRect rect = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(f.LabelPozList->text(), QStringLiteral("%1 из 3").arg(row + 1));
        if (how == "enter") QTest::keyClick(list, Qt::Key_Return);
        else if (how == "double click") QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        else QTest::mouseClick(f.B_OpenLIst, Qt::LeftButton);
        QVERIFY(!list->isVisible() && f.PagesParam->isVisible());
        QCOMPARE(Alias(*program), row == 1 ? QStringLiteral("Второй") : QStringLiteral("Третий"));
        QCOMPARE(f.windowTitle(), kPrefix + folder.filePath(file));
        QVERIFY2(f.StaticTextStatus->text().startsWith(status), qPrintable(f.StaticTextStatus->text()));
    }

    void emptyListAndVanishedFile() {
        QTemporaryDir folder;
        auto program = Start({});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        ParamWork.ListModeOpenSave = true;
        ParamWork.ListPathSave = folder.path().toStdString() + "/";
        Push(f.B_Open);
        QCOMPARE(f.LabelPozList->text(), QStringLiteral("0 из 0"));
        QVERIFY(!f.B_OpenLIst->isEnabled());
        QTest::keyClick(f.ListFileConfig, Qt::Key_Return); // nothing happens
        QTest::qWait(100);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(f.ListFileConfig->isVisible());
        QTest::mouseClick(f.B_CancelOpenList, Qt::LeftButton);

        // A listed file gone before it is opened: reported, the list stays.
        WriteBytes(folder.filePath(QStringLiteral("gone.ini")), ConfigText("Z"));
        Push(f.B_Open);
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("gone.ini"))));
        ErrorSeen error;
        ModalScript script;
        script.Then(AnswerError(&error));
        QTest::keyClick(f.ListFileConfig, Qt::Key_Return);
        QVERIFY(Finish(script));
        QCOMPARE(error.message, QStringLiteral("Ошибка открытия файла"));
        QCOMPARE(error.recommendation, QStringLiteral("Проверьте наличие файла"));
        QVERIFY(f.ListFileConfig->isVisible());
        QCOMPARE(f.windowTitle(), kPrefix);
    }
};

QTEST_MAIN(TestOpen)
#include "test_open.moc"
