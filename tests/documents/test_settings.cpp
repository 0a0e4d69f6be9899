// Work settings: defaults, the round trip through a settings file, stored
// values that read as defaults, and the path and port helpers.
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "documents/settings_store.h"
#include "documents/work_settings.h"

using namespace zavro;

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void missingValuesGiveDefaults();
    void roundTrip();
    void storedValues_data();
    void storedValues();
    void writeFailureIsReported();
    void trailingSeparator_data();
    void trailingSeparator();
    void programFolder_data();
    void programFolder();
    void portDevice_data();
    void portDevice();

private:
    QString WriteRaw(const QString& name, const QString& value);
    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
};

void SettingsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    file_ = dir_->filePath("settings.ini");
    qputenv("ZAVRO6IP_SETTINGS", file_.toLocal8Bit());
}

QString SettingsTest::WriteRaw(const QString& name, const QString& value) {
    QSettings raw(file_, QSettings::IniFormat);
    raw.setValue(name, value);
    raw.sync();
    return raw.fileName();
}

void SettingsTest::missingValuesGiveDefaults() {
    QCOMPARE(WorkSettingsLocation(), file_);
    TParamWork w;
    w.ProgramPath = "/opt/zavro/";
    w.HideHint = true;
    w.MaskMode = false;
    w.MaskIdent3 = 0;
    LoadWorkSettings(w);
    QCOMPARE(w.HideHint, false);
    QCOMPARE(w.PortTM, 0);
    QCOMPARE(w.ListModeOpenSave, false);
    QCOMPARE(w.ListPathSave, std::string("/opt/zavro/"));
    QCOMPARE(w.MaskMode, true);
    QCOMPARE(w.MaskPref, std::string("GSM4"));
    QCOMPARE(w.MaskDelim1, std::string("_"));
    QCOMPARE(w.MaskDelim2, std::string("_"));
    QCOMPARE(w.MaskDelim3, std::string("_"));
    QCOMPARE(w.MaskSuff, std::string());
    QCOMPARE(int(w.MaskIdent1), 1);
    QCOMPARE(int(w.MaskIdent2), 2);
    QCOMPARE(int(w.MaskIdent3), 3);
    QCOMPARE(int(w.MaskIdent4), 4);
    QVERIFY(!QFile::exists(file_)); // reading writes nothing
}

void SettingsTest::roundTrip() {
    TParamWork w;
    w.HideHint = true;
    w.PortTM = 103;
    w.ListModeOpenSave = true;
    w.ListPathSave = "/home/user/Конфигурации, 2024/";
    w.MaskMode = false;
    w.MaskPref = "Объект";
    w.MaskDelim1 = "-";
    w.MaskDelim2 = ";";
    w.MaskDelim3 = "=";
    w.MaskSuff = "v1";
    w.MaskIdent1 = 2;
    w.MaskIdent2 = 0;
    w.MaskIdent3 = 4;
    w.MaskIdent4 = 1;
    QVERIFY(SaveWorkSettings(w));

    TParamWork back;
    back.ProgramPath = "/elsewhere/";
    LoadWorkSettings(back);
    QCOMPARE(back.HideHint, true);
    QCOMPARE(back.PortTM, 103);
    QCOMPARE(back.ListModeOpenSave, true);
    QCOMPARE(back.ListPathSave, w.ListPathSave);
    QCOMPARE(back.MaskMode, false);
    QCOMPARE(back.MaskPref, w.MaskPref);
    QCOMPARE(back.MaskDelim1, w.MaskDelim1);
    QCOMPARE(back.MaskDelim2, w.MaskDelim2);
    QCOMPARE(back.MaskDelim3, w.MaskDelim3);
    QCOMPARE(back.MaskSuff, w.MaskSuff);
    QCOMPARE(int(back.MaskIdent1), 2);
    QCOMPARE(int(back.MaskIdent2), 0);
    QCOMPARE(int(back.MaskIdent3), 4);
    QCOMPARE(int(back.MaskIdent4), 1);

    // Booleans are stored as the integers 0 and 1, under the value names.
    QSettings raw(file_, QSettings::IniFormat);
    QCOMPARE(raw.value("HideHint").toString(), QString("1"));
    QCOMPARE(raw.value("MaskMode").toString(), QString("0"));
    QCOMPARE(raw.value("ListModeOpenSave").toString(), QString("1"));
    QCOMPARE(raw.value("PortTM").toString(), QString("103"));
    QCOMPARE(raw.value("MaskIdent1").toString(), QString("2"));
    QCOMPARE(raw.value("MaskPref").toString(), QString("Объект"));
    QVERIFY(!raw.contains("ProgramPath"));
}

void SettingsTest::storedValues_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");
    QTest::newRow("MaskIdent2 9 reads 2") << "MaskIdent2" << "9" << "MaskIdent2" << 2;
    QTest::newRow("MaskIdent2 -1 reads 2") << "MaskIdent2" << "-1" << "MaskIdent2" << 2;
    QTest::newRow("MaskIdent2 0 reads 0") << "MaskIdent2" << "0" << "MaskIdent2" << 0;
    QTest::newRow("MaskIdent4 text reads 4") << "MaskIdent4" << "x" << "MaskIdent4" << 4;
    QTest::newRow("MaskMode 0 is false") << "MaskMode" << "0" << "MaskMode" << 0;
    QTest::newRow("MaskMode 5 is true") << "MaskMode" << "5" << "MaskMode" << 1;
    QTest::newRow("MaskMode text is true") << "MaskMode" << "abc" << "MaskMode" << 1;
    QTest::newRow("HideHint 7 is true") << "HideHint" << "7" << "HideHint" << 1;
    QTest::newRow("HideHint 0 is false") << "HideHint" << "0" << "HideHint" << 0;
    QTest::newRow("ListModeOpenSave 1") << "ListModeOpenSave" << "1" << "ListModeOpenSave" << 1;
    QTest::newRow("PortTM 12") << "PortTM" << "12" << "PortTM" << 12;
    QTest::newRow("PortTM text reads 0") << "PortTM" << "COM3" << "PortTM" << 0;
}

void SettingsTest::storedValues() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, field);
    QFETCH(int, expected);
    WriteRaw(name, stored);
    TParamWork w;
    LoadWorkSettings(w);
    const int value = field == "MaskIdent2"         ? w.MaskIdent2
                      : field == "MaskIdent4"       ? w.MaskIdent4
                      : field == "MaskMode"         ? int(w.MaskMode)
                      : field == "HideHint"         ? int(w.HideHint)
                      : field == "ListModeOpenSave" ? int(w.ListModeOpenSave)
                                                    : w.PortTM;
    QCOMPARE(value, expected);
}

void SettingsTest::writeFailureIsReported() {
    QFile blocker(dir_->filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("ZAVRO6IP_SETTINGS", dir_->filePath("not-a-folder/settings.ini").toLocal8Bit());
    QVERIFY(!SaveWorkSettings(TParamWork()));
}

void SettingsTest::trailingSeparator_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");
    QTest::newRow("added") << "/tmp/Work" << "/tmp/Work/";
    QTest::newRow("kept") << "/tmp/Work/" << "/tmp/Work/";
    QTest::newRow("empty") << "" << "/";
}

void SettingsTest::trailingSeparator() {
    QFETCH(QString, path);
    QFETCH(QString, result);
    QCOMPARE(QString::fromStdString(WithTrailingSeparator(path.toStdString())), result);
}

void SettingsTest::programFolder_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::newRow("full path") << "/opt/zavro/bin/zavro6ip" << "/opt/zavro/bin/";
    QTest::newRow("root") << "/zavro6ip" << "/";
    QTest::newRow("no separator") << "zavro6ip" << "";
}

void SettingsTest::programFolder() {
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(QString::fromStdString(ProgramFolderOf(file.toStdString())), folder);
}

void SettingsTest::portDevice_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("device");
    QTest::newRow("none") << 0 << "";
    QTest::newRow("COM1") << 1 << "/dev/ttyS0";
    QTest::newRow("COM4") << 4 << "/dev/ttyS3";
    QTest::newRow("COM99") << 99 << "/dev/ttyS98";
    QTest::newRow("100") << 100 << "";
    QTest::newRow("USB 0") << 101 << "/dev/ttyUSB0";
    QTest::newRow("USB 2") << 103 << "/dev/ttyUSB2";
    QTest::newRow("ACM 0") << 201 << "/dev/ttyACM0";
    QTest::newRow("300") << 300 << "";
    QTest::newRow("negative") << -1 << "";
}

void SettingsTest::portDevice() {
    QFETCH(int, port);
    QFETCH(QString, device);
    QCOMPARE(QString::fromStdString(PortTMDevice(port)), device);
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
