// Saving configurations: to a file through the save dialog, to the panel's
// disk with the clock file, the defaults, the status line and the
// read-only state of an armed panel; and the writer that never leaves a
// damaged or missing file behind.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include <QMessageBox>
#include <QTreeWidget>

#include "document_fixture.h"
#include "documents/logical_disks.h"
#include "documents/work_settings.h"
#include "ui/look.h"

using namespace zavro;
using namespace zavro::ui;
using namespace fixture;

namespace {

const QString kPrefix = MainCaption(QString());
const QString kDefaultsStatus = QStringLiteral("Конфигурация \"по-умолчанию\"");

// A writer whose writing breaks off after half of the bytes, as on a full disk.
class BrokenWriter : public SafeFileWriter {
public:
    int calls = 0;
protected:
    bool WriteBody(QIODevice& out, std::string_view bytes) override {
        ++calls;
        out.write(bytes.data(), static_cast<qint64>(bytes.size() / 2));
        return false;
    }
};

class FakeVolumes : public VolumeSource {
public:
    explicit FakeVolumes(std::vector<Volume> v) : v_(std::move(v)) {}
    std::vector<Volume> Volumes() const override { return v_; }
private:
    std::vector<Volume> v_;
};

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The disk chooser: the first disk, then "Выбрать" (Enter).
ModalScript::Step ChooseFirstDisk() {
    return [](QWidget* w) {
        auto* dlg = qobject_cast<TFormLogicalDisks*>(w);
        QVERIFY2(dlg != nullptr, "the disk chooser was expected");
        QVERIFY(dlg->ListBoxDisks->count() > 0);
        QTest::mouseClick(dlg->ListBoxDisks->viewport(), Qt::LeftButton, {},
                          dlg->ListBoxDisks->visualItemRect(dlg->ListBoxDisks->item(0)).center());
        QTest::keyClick(dlg->ListBoxDisks, Qt::Key_Return);
    };
}

// The overwrite question of the save dialog, answered "Yes".
ModalScript::Step ConfirmOverwrite() {
    return [](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY2(box != nullptr, "the overwrite question was expected");
        QTest::keyClick(box, Qt::Key_Y, Qt::AltModifier);
        if (box->isVisible()) box->button(QMessageBox::Yes)->click();
    };
}

} // namespace

class TestSave : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        ParamWork.ListModeOpenSave = false;
        ParamWork.MaskMode = true;
    }

    // ---- The writer ----

    void writer_data() {
        QTest::addColumn<QString>("existing"); // "", "file" or "folder"
        QTest::addColumn<bool>("broken");
        QTest::addColumn<int>("outcome");
        QTest::newRow("new file") << "" << false << int(WriteOutcome::Written);
        QTest::newRow("replaces a file") << "file" << false << int(WriteOutcome::Written);
        QTest::newRow("broken write keeps the old file") << "file" << true << int(WriteOutcome::CannotCreate);
        QTest::newRow("broken write leaves nothing") << "" << true << int(WriteOutcome::CannotCreate);
        QTest::newRow("a folder is not replaced") << "folder" << false << int(WriteOutcome::CannotReplace);
        QTest::newRow("no such folder") << "missing/" << false << int(WriteOutcome::CannotCreate);
    }
    void writer() {
        QFETCH(QString, existing);
        QFETCH(bool, broken);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        QString target = dir.filePath(QStringLiteral("config.ini"));
        if (existing == "file") WriteBytes(target, "old contents");
        if (existing == "folder") QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
        if (existing == "missing/") target = dir.filePath(QStringLiteral("missing/config.ini"));
        const QStringList before = Entries(dir.path());
        BrokenWriter brokenWriter;
        SafeFileWriter plain;
        FileWriter& w = broken ? static_cast<FileWriter&>(brokenWriter) : plain;
        QCOMPARE(int(w.WriteFile(target.toStdString(), "new contents\r\n")), outcome);
        if (outcome == int(WriteOutcome::Written)) {
            QCOMPARE(ReadBytes(target), std::string("new contents\r\n"));
        } else {
            // Nothing beside the target, the old one as it was.
            QCOMPARE(Entries(dir.path()), before);
            if (existing == "file") QCOMPARE(ReadBytes(target), std::string("old contents"));
        }
        if (outcome == int(WriteOutcome::Written)) QCOMPARE(Entries(dir.path()), QStringList{"config.ini"});
    }

    // ---- Save to a file ----

    void saveToFile_data() {
        QTest::addColumn<bool>("mask");
        QTest::addColumn<bool>("broken");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("mask") << true << false << "GSM4_Склад 7_12AB.ini";
        QTest::newRow("no mask") << false << false << "config.ini";
        QTest::newRow("the write fails") << true << true << "GSM4_Склад 7_12AB.ini";
    }
    void saveToFile() {
        QFETCH(bool, mask);
        QFETCH(bool, broken);
        QFETCH(QString, proposed);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("source.ini"));
        WriteBytes(source, ConfigText("Склад 7"));
        const QString target = dir.filePath(QStringLiteral("saved.ini"));
        WriteBytes(target, "previous configuration");
        auto program = Start({source.toStdString()});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        auto brokenWriter = std::make_shared<BrokenWriter>();
        if (broken) f.Documents()->SetFileWriter(brokenWriter);
        ParamWork.MaskMode = mask;
        const QString statusBefore = f.StaticTextStatus->text();

        QString shown;
        ErrorSeen error;
        OkSeen done;
        ModalScript script;
        script.Then(ChooseFile(target, &shown)).Then(ConfirmOverwrite());
        if (broken) script.Then(AnswerError(&error));
        else script.Then(AnswerOk(&done));
        Push(f.B_Save);
        QVERIFY(Finish(script));
        QCOMPARE(shown, proposed);
        if (broken) {
            QCOMPARE(brokenWriter->calls, 1);
            QCOMPARE(error.message, QStringLiteral("Ошибка записи в файл - файл не может быть создан"));
            QCOMPARE(error.recommendation, QStringLiteral("Проверьте отсутствие запрета записи и наличие свободного места"));
            QVERIFY(error.fixShown && !error.continueShown && !error.defaultShown);
            QCOMPARE(ReadBytes(target), std::string("previous configuration"));
            QCOMPARE(Entries(dir.path()), (QStringList{"saved.ini", "source.ini"}));
        } else {
            QCOMPARE(done.question, QStringLiteral("Операция выполнена"));
            QCOMPARE(done.explanation, QStringLiteral("Конфигурация сохранена"));
            QVERIFY(!done.cancelShown);
            QCOMPARE(ReadBytes(target), ConfigurationText(*program->WorkDevice));
        }
        // A save changes neither the status line nor the caption.
        QCOMPARE(f.StaticTextStatus->text(), statusBefore);
        QCOMPARE(f.windowTitle(), kPrefix + source);
    }

    // ---- The panel's disk ----

    void saveToDevice_data() {
        QTest::addColumn<QString>("oldConfig"); // "file", "folder" or ""
        QTest::addColumn<bool>("broken");
        QTest::addColumn<QString>("message");   // "" for success
        QTest::newRow("an older config.ini replaced") << "file" << false << "";
        QTest::newRow("an empty disk") << "" << false << "";
        QTest::newRow("config.ini cannot be replaced")
            << "folder" << false << "Ошибка записи в файл - файл не может быть записан";
        QTest::newRow("the write fails") << "file" << true << "Ошибка записи в файл - файл не может быть создан";
    }
    void saveToDevice() {
        QFETCH(QString, oldConfig);
        QFETCH(bool, broken);
        QFETCH(QString, message);
        QTemporaryDir work;
        QTemporaryDir disk;
        const QString source = work.filePath(QStringLiteral("source.ini"));
        WriteBytes(source, ConfigText("Склад 7"));
        const QString config = disk.filePath(QStringLiteral("config.ini"));
        if (oldConfig == "file") WriteBytes(config, "older configuration");
        if (oldConfig == "folder") QVERIFY(QDir(disk.path()).mkdir(QStringLiteral("config.ini")));
        auto program = Start({source.toStdString()});
        QVERIFY(program);
        program->FormLogicalDisks = std::make_unique<TFormLogicalDisks>(
            std::make_shared<FakeVolumes>(std::vector<Volume>{{disk.path().toStdString(), VolumeKind::Removable}}));
        TFormMain& f = *program->FormMain;
        if (broken) f.Documents()->SetFileWriter(std::make_shared<BrokenWriter>());

        ErrorSeen error;
        OkSeen done;
        ModalScript script;
        script.Then(ChooseFirstDisk());
        if (message.isEmpty()) script.Then(AnswerOk(&done));
        else script.Then(AnswerError(&error));
        Push(f.B_SaveToDevice);
        QVERIFY(Finish(script));
        const QString clock = disk.filePath(QStringLiteral("clock.txt"));
        if (message.isEmpty()) {
            QCOMPARE(done.question, QStringLiteral("Операция выполнена"));
            QCOMPARE(done.explanation, QStringLiteral("Файлы успешно записаны в устройство"));
            QCOMPARE(ReadBytes(config), ConfigurationText(*program->WorkDevice));
            QCOMPARE(ReadBytes(clock), std::string("ZAVRO 4GSM clock file"));
            QCOMPARE(QFileInfo(clock).size(), 21);
            QCOMPARE(Entries(disk.path()), (QStringList{"clock.txt", "config.ini"}));
        } else {
            QCOMPARE(error.message, message);
            QVERIFY(error.fixShown && !error.continueShown && !error.defaultShown);
            // No clock file without a complete config.ini; the old one untouched.
            QVERIFY(!QFileInfo::exists(clock));
            QCOMPARE(Entries(disk.path()), QStringList{"config.ini"});
            if (oldConfig == "file") QCOMPARE(ReadBytes(config), std::string("older configuration"));
        }
    }

    void deviceChooserCancelled() {
        QTemporaryDir disk;
        QTemporaryDir work;
        const QString source = work.filePath(QStringLiteral("source.ini"));
        WriteBytes(source, ConfigText("Склад 7"));
        auto program = Start({source.toStdString()});
        QVERIFY(program);
        program->FormLogicalDisks = std::make_unique<TFormLogicalDisks>(
            std::make_shared<FakeVolumes>(std::vector<Volume>{{disk.path().toStdString(), VolumeKind::Removable}}));
        ModalScript script;
        script.Then([](QWidget* w) { Press(w, Qt::Key_Escape); });
        Push(program->FormMain->B_SaveToDevice);
        QVERIFY(Finish(script));
        QVERIFY(Entries(disk.path()).isEmpty());
    }

    // ---- Read-only state ----

    void lockedPanel() {
        QTemporaryDir armed;
        QTemporaryDir other;
        const QString locked = armed.filePath(QStringLiteral("config.ini"));
        WriteBytes(locked, ConfigText("Склад 7"));
        WriteBytes(armed.filePath(QStringLiteral("lock.txt")), "");
        const QString free = other.filePath(QStringLiteral("free.ini"));
        WriteBytes(free, ConfigText("Офис"));

        ErrorSeen lock;
        ModalScript script;
        script.Then(AnswerError(&lock));
        auto program = Start({locked.toStdString()});
        QVERIFY(program);
        QVERIFY(Finish(script));
        TFormMain& f = *program->FormMain;
        QCOMPARE(lock.message, QStringLiteral("Прибор находится во взятом состоянии, редактирование параметров невозможно"));
        QCOMPARE(lock.recommendation, QStringLiteral("Для изменения параметров работы прибора необходимо снять его с охраны"));
        QVERIFY(lock.continueShown && !lock.fixShown && !lock.defaultShown);
        const QString version = QString::fromStdString(program->WorkDevice->Get_Version());
        QCOMPARE(f.StaticTextStatus->text(), QStringLiteral("Конфигурация сохраненная (") + version +
                                                 QStringLiteral(") от ") + FileDateText(locked) +
                                                 QStringLiteral(" года (только чтение)"));
        QCOMPARE(TextColor(f.StaticTextStatus), Red());
        QVERIFY(!f.B_SaveToDevice->isVisible() && !f.B_SaveToDevice->isEnabled());
        // The status line sits at the top of the "Общие" page.
        QCOMPARE(f.StaticTextStatus->parentWidget(), f.Tab(PageId::Common));
        QCOMPARE(f.StaticTextStatus->width(), 703);
        QVERIFY(f.StaticTextStatus->geometry().bottom() < 20);

        // Saving to a file still works.
        const QString copy = other.filePath(QStringLiteral("copy.ini"));
        OkSeen done;
        ModalScript save;
        save.Then(ChooseFile(copy)).Then(AnswerOk(&done));
        Push(f.B_Save);
        const bool saved = Finish(save);
        QVERIFY2(saved, qPrintable(QStringLiteral("%1 %2 %3").arg(save.Handled()).arg(save.Unexpected()).arg(done.question)));
        QCOMPARE(done.explanation, QStringLiteral("Конфигурация сохранена"));
        QCOMPARE(ReadBytes(copy), ConfigurationText(*program->WorkDevice));

        // List mode entered and cancelled keeps "В устройство..." hidden.
        ParamWork.ListModeOpenSave = true;
        ParamWork.ListPathSave = other.path().toStdString() + "/";
        Push(f.B_Open);
        QVERIFY(f.ListFileConfig->isVisible());
        Push(f.B_CancelOpenList);
        QVERIFY(!f.ListFileConfig->isVisible() && f.B_Save->isVisible());
        QVERIFY(!f.B_SaveToDevice->isVisible());

        // A file without the marker brings it back.
        ParamWork.ListModeOpenSave = false;
        ModalScript open;
        open.Then(ChooseFile(free));
        Push(f.B_Open);
        QVERIFY(Finish(open));
        QVERIFY(f.B_SaveToDevice->isVisible() && f.B_SaveToDevice->isEnabled());
        QCOMPARE(TextColor(f.StaticTextStatus), Green());
        QVERIFY(!f.StaticTextStatus->text().contains(QStringLiteral("только чтение")));
    }

    // ---- Defaults ----

    void defaults_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("reset");
        QTest::newRow("Продолжить") << Qt::Key_Return << true;
        QTest::newRow("Отказаться") << Qt::Key_Escape << false;
    }
    void defaults() {
        QFETCH(Qt::Key, key);
        QFETCH(bool, reset);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("source.ini"));
        WriteBytes(source, ConfigText("Склад 7"));
        auto program = Start({source.toStdString()});
        QVERIFY(program);
        TFormMain& f = *program->FormMain;
        program->FormDialogSetKeyConfig->SetKeyText(W("Ключ"));
        const QString status = f.StaticTextStatus->text();
        OkSeen asked;
        ModalScript script;
        script.Then(AnswerOk(&asked, key));
        Push(f.B_Default);
        QVERIFY(Finish(script));
        QCOMPARE(asked.question, QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"));
        QCOMPARE(asked.explanation, QStringLiteral("(все введённые значения параметров будут потеряны)"));
        QVERIFY(asked.cancelShown);
        QCOMPARE(program->WorkDevice->Get_DeviceName(), reset ? std::string() : W("Склад 7"));
        QCOMPARE(f.StaticTextStatus->text(), reset ? kDefaultsStatus : status);
        QCOMPARE(TextColor(f.StaticTextStatus), Green());
        QCOMPARE(f.windowTitle(), reset ? kPrefix : kPrefix + source);
        QCOMPARE(program->FormDialogSetKeyConfig->KeyText().empty(), reset);
        QVERIFY(f.PagesParam->isVisible());
    }
};

QTEST_MAIN(TestSave)
#include "test_save.moc"
