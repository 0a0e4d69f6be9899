// The settings dialog: controls filled from the record, example, filters,
// enabling rules, label clicks, "Применить" and "Отказаться", the folder
// button and the stored result.
#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "documents/dialog_config.h"
#include "documents/select_path_tree.h"
#include "documents/settings_store.h"
#include "fake_volumes.h"
#include "ui/hints.h"
#include "ui/look.h"

using namespace zavro;

namespace {

void TypeChar(QWidget* w, const QString& ch) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, ch, Qt::NoModifier);
}

// Types a text as real key presses, one character at a time.
void TypeText(QWidget* w, const QString& text) {
    for (const QChar ch : text) TypeChar(w, QString(ch));
}

// Clicks a check box or radio button on its indicator.
void Tick(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->height() / 2, b->height() / 2));
}

TParamWork Defaults() {
    TParamWork w;
    w.ProgramPath = "/opt/zavro/";
    w.ListPathSave = "/opt/zavro/";
    return w;
}

} // namespace

class DialogConfigTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheRecord();
    void maskEditFilter_data();
    void maskEditFilter();
    void exampleFollowsControls();
    void portEdit();
    void applyStoresEverything();
    void applyAddsTrailingSeparator_data();
    void applyAddsTrailingSeparator();
    void cancelChangesNothing();
    void maskItemsEnabling();
    void openModeEnabling();
    void labelClicksFocusTheirControl();
    void hideHintAppliesAtOnce();
    void folderButtonOpensChooser();
    void hints();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
    TParamWork work_;
    std::unique_ptr<TDialogConfig> dialog_;
};

void DialogConfigTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    file_ = dir_->filePath("settings.ini");
    qputenv("ZAVRO6IP_SETTINGS", file_.toLocal8Bit());
    work_ = Defaults();
    dialog_ = std::make_unique<TDialogConfig>(work_);
    ui::SetApplicationHintsEnabled(true);
}

void DialogConfigTest::cleanup() { dialog_.reset(); }

void DialogConfigTest::showsTheRecord() {
    TDialogConfig& d = *dialog_;
    QCOMPARE(d.windowTitle(), QString("Параметры работы"));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(!d.CB_HideHint->isChecked());
    QCOMPARE(d.ME_PortTM->text(), QString("0"));
    QVERIFY(d.RB_OpenNormal->isChecked());
    QVERIFY(!d.E_SavePath->isEnabled());
    QCOMPARE(d.E_SavePath->text(), QString("/opt/zavro/"));
    QVERIFY(d.CB_SaveMask->isChecked());
    QCOMPARE(d.E_MaskPref->text(), QString("GSM4"));
    QCOMPARE(d.E_MaskDelimiter[0]->text(), QString("_"));
    for (int n = 0; n < 4; ++n) QVERIFY(d.RB_Mask[n][n + 1]->isChecked());
    QCOMPARE(d.ST_Example->text(), QString("GSM4_ПСЕВДОНИМN_AAAABBBBCCCC.ini"));
    QCOMPARE(d.focusWidget(), d.B_Cancel);
    QCOMPARE(d.GB_SaveMask->CaptionColor(), ui::Maroon());
    // The folder button shows its picture alone.
    QCOMPARE(d.B_SavePath->text(), QString());
    QVERIFY(!d.B_SavePath->icon().isNull());
}

void DialogConfigTest::maskEditFilter_data() {
    QTest::addColumn<int>("edit"); // 0 prefix, 1 suffix, 2..4 delimiters
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    for (const char* bad : {"\"", "*", "/", ":", "<", ">", "?", "\\", "|"})
        QTest::addRow("prefix %s refused", bad) << 0 << QString(bad) << false;
    QTest::newRow("prefix Cyrillic") << 0 << "Ж" << true;
    QTest::newRow("prefix blank") << 0 << " " << true;
    QTest::newRow("prefix no code page") << 0 << "中" << false;
    QTest::newRow("suffix ?") << 1 << "?" << false;
    QTest::newRow("suffix Ё") << 1 << "Ё" << true;
    QTest::newRow("delimiter -") << 2 << "-" << true;
    QTest::newRow("delimiter |") << 3 << "|" << false;
    QTest::newRow("delimiter .") << 4 << "." << true;
}

void DialogConfigTest::maskEditFilter() {
    QFETCH(int, edit);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    TDialogConfig& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QLineEdit* e = edit == 0 ? d.E_MaskPref : edit == 1 ? d.E_MaskSuff : d.E_MaskDelimiter[edit - 2];
    e->setFocus();
    e->clear();
    TypeChar(e, typed);
    QCOMPARE(e->text(), accepted ? typed : QString());
}

void DialogConfigTest::exampleFollowsControls() {
    TDialogConfig& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.E_MaskPref->setFocus();
    QTest::keyClick(d.E_MaskPref, Qt::Key_End);
    QTest::keyClick(d.E_MaskPref, 'X');
    QCOMPARE(d.ST_Example->text(), QString("GSM4X_ПСЕВДОНИМN_AAAABBBBCCCC.ini"));
    Tick(d.RB_Mask[1][0]); // element 2: "Пусто"
    QCOMPARE(d.ST_Example->text(), QString("GSM4X_AAAABBBBCCCC.ini"));
    d.E_MaskDelimiter[0]->setFocus();
    d.E_MaskDelimiter[0]->selectAll();
    QTest::keyClick(d.E_MaskDelimiter[0], '-');
    QCOMPARE(d.ST_Example->text(), QString("GSM4X-AAAABBBBCCCC.ini"));
    // A delimiter holds one typed character.
    QTest::keyClick(d.E_MaskDelimiter[0], '+');
    QCOMPARE(d.E_MaskDelimiter[0]->text(), QString("-"));
    // A prefix holds ten.
    d.E_MaskPref->setFocus();
    QTest::keyClicks(d.E_MaskPref, "abcdefghij");
    QCOMPARE(d.E_MaskPref->text(), QString("GSM4Xabcde"));
}

void DialogConfigTest::portEdit() {
    TDialogConfig& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ME_PortTM->setFocus();
    d.ME_PortTM->clear();
    QTest::keyClicks(d.ME_PortTM, "1a2");
    QCOMPARE(d.ME_PortTM->text(), QString("12"));
    QTest::keyClicks(d.ME_PortTM, "34");
    QCOMPARE(d.ME_PortTM->text(), QString("123")); // at most 3 characters
    d.ME_PortTM->clear();
    d.ME_PortTM->insert("12a"); // as a paste does
    QCOMPARE(d.ME_PortTM->text(), QString("12"));
    QCOMPARE(d.ME_PortTM->cursorPosition(), 2);
    QCOMPARE(ui::HelpContext(d.ME_PortTM), 0);
    QCOMPARE(ui::HelpContext(d.L_PortTM), 0);
}

void DialogConfigTest::applyStoresEverything() {
    TDialogConfig& d = *dialog_;
    int reopened = -1;
    d.ReopenKeyReader = [&](std::int32_t port) { reopened = port; };
    QTimer::singleShot(0, &d, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Tick(d.CB_HideHint);
        d.ME_PortTM->setFocus();
        d.ME_PortTM->selectAll();
        QTest::keyClicks(d.ME_PortTM, "102");
        Tick(d.RB_OpenList);
        d.E_SavePath->setText(dir_->path());
        Tick(d.RB_Mask[0][4]);
        d.E_MaskSuff->setFocus();
        TypeText(d.E_MaskSuff, "копия");
        Tick(d.CB_SaveMask);
        QTest::mouseClick(d.B_OK, Qt::LeftButton);
    });
    QCOMPARE(d.ShowModal(), int(ui::mrOk));
    QCOMPARE(reopened, 102);
    QCOMPARE(work_.PortTM, 102);
    QVERIFY(work_.HideHint);
    QVERIFY(!ui::ApplicationHintsEnabled());
    QVERIFY(work_.ListModeOpenSave);
    QCOMPARE(QString::fromStdString(work_.ListPathSave), dir_->path() + "/");
    QVERIFY(!work_.MaskMode);
    QCOMPARE(int(work_.MaskIdent1), 4);
    QCOMPARE(work_.MaskSuff, std::string("копия"));

    // Stored: a restart reads the same.
    TParamWork restarted;
    LoadWorkSettings(restarted);
    QVERIFY(restarted.HideHint);
    QCOMPARE(restarted.PortTM, 102);
    QCOMPARE(restarted.ListPathSave, work_.ListPathSave);
    QVERIFY(!restarted.MaskMode);
    QCOMPARE(int(restarted.MaskIdent1), 4);
    QCOMPARE(restarted.MaskSuff, std::string("копия"));

    // Shown again: the box is on.
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(d.CB_HideHint->isChecked());
    QVERIFY(!d.GB_SaveMask->isEnabled());
}

void DialogConfigTest::applyAddsTrailingSeparator_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("portStored");
    QTest::newRow("added") << "/srv/Work" << "/srv/Work/" << "7" << 7;
    QTest::newRow("kept") << "/srv/Work/" << "/srv/Work/" << "" << 0;
    QTest::newRow("empty") << "" << "/" << "0" << 0;
}

void DialogConfigTest::applyAddsTrailingSeparator() {
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QFETCH(QString, port);
    QFETCH(int, portStored);
    TDialogConfig& d = *dialog_;
    QTimer::singleShot(0, &d, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.E_SavePath->setText(path);
        d.ME_PortTM->setText(port);
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab); // off "Отказаться"
        d.ME_PortTM->setFocus();
        QTest::keyClick(d.ME_PortTM, Qt::Key_Return); // the default button
    });
    QCOMPARE(d.ShowModal(), int(ui::mrOk));
    QCOMPARE(QString::fromStdString(work_.ListPathSave), stored);
    QCOMPARE(work_.PortTM, portStored);
    QSettings raw(file_, QSettings::IniFormat);
    QCOMPARE(raw.value("ListPathSave").toString(), stored);
}

void DialogConfigTest::cancelChangesNothing() {
    TDialogConfig& d = *dialog_;
    bool reopened = false;
    d.ReopenKeyReader = [&](std::int32_t) { reopened = true; };
    QTimer::singleShot(0, &d, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.E_MaskPref->setFocus();
        QTest::keyClicks(d.E_MaskPref, "Z");
        Tick(d.RB_OpenList);
        QTest::keyClick(d.E_MaskPref, Qt::Key_Escape);
    });
    QCOMPARE(d.ShowModal(), int(ui::mrCancel));
    QCOMPARE(work_.MaskPref, std::string("GSM4"));
    QVERIFY(!work_.ListModeOpenSave);
    QVERIFY(!reopened);
    QVERIFY(!QFile::exists(file_));
    // The close box cancels too; showing again restores the controls.
    QTimer::singleShot(0, &d, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.E_MaskPref->text(), QString("GSM4"));
        QVERIFY(d.RB_OpenNormal->isChecked());
        d.windowHandle()->close();
    });
    QCOMPARE(d.ShowModal(), int(ui::mrCancel));
}

void DialogConfigTest::maskItemsEnabling() {
    TDialogConfig& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    Tick(d.CB_SaveMask);
    QVERIFY(!d.CB_SaveMask->isChecked());
    QVERIFY(!d.GB_SaveMask->isEnabled());
    QVERIFY(!d.E_MaskPref->isEnabled());
    QVERIFY(!d.RB_Mask[2][3]->isEnabled());
    QVERIFY(!d.ST_Example->isEnabled());
    QCOMPARE(d.GB_SaveMask->CaptionColor(), ui::Gray());
    for (auto* g : d.GB_Mask) QCOMPARE(g->CaptionColor(), ui::Gray());
    QTest::keyClick(d.CB_SaveMask, Qt::Key_Space);
    QVERIFY(d.CB_SaveMask->isChecked());
    QVERIFY(d.E_MaskDelimiter[2]->isEnabled());
    for (auto* g : d.GB_Mask) QCOMPARE(g->CaptionColor(), ui::Maroon());
}

void DialogConfigTest::openModeEnabling() {
    TDialogConfig& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(!d.L_SavePath->isEnabled());
    Tick(d.RB_OpenList);
    QVERIFY(d.L_SavePath->isEnabled());
    QVERIFY(d.E_SavePath->isEnabled());
    QVERIFY(d.B_SavePath->isEnabled());
    Tick(d.RB_OpenNormal);
    QVERIFY(!d.E_SavePath->isEnabled());
    QVERIFY(!d.B_SavePath->isEnabled());
}

void DialogConfigTest::labelClicksFocusTheirControl() {
    TDialogConfig& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::mouseClick(d.L_PortTM, Qt::LeftButton);
    QCOMPARE(d.focusWidget(), d.ME_PortTM);
    QCOMPARE(ui::ControlColor(d.ME_PortTM), ui::FocusYellow());
    QTest::mouseClick(d.L_MaskDelimiter[1], Qt::LeftButton);
    QCOMPARE(d.focusWidget(), d.E_MaskDelimiter[1]);
    QCOMPARE(ui::ControlColor(d.ME_PortTM), ui::WindowColor());
    QTest::mouseClick(d.L_OpenMode, Qt::LeftButton);
    QCOMPARE(d.focusWidget(), d.RB_OpenNormal);
    // A disabled control is not focused by its label.
    QTest::mouseClick(d.L_SavePath, Qt::LeftButton);
    QCOMPARE(d.focusWidget(), d.RB_OpenNormal);
    Tick(d.RB_OpenList);
    QTest::mouseClick(d.L_OpenMode, Qt::LeftButton);
    QCOMPARE(d.focusWidget(), d.RB_OpenList);
    QTest::mouseClick(d.L_SavePath, Qt::LeftButton);
    QCOMPARE(d.focusWidget(), d.E_SavePath);
}

void DialogConfigTest::hideHintAppliesAtOnce() {
    TDialogConfig& d = *dialog_;
    QTimer::singleShot(0, &d, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Tick(d.CB_HideHint);
        QVERIFY(!ui::ApplicationHintsEnabled());
        QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
    });
    QCOMPARE(d.ShowModal(), int(ui::mrCancel));
    // "Отказаться" does not undo the switch, and the record is unchanged.
    QVERIFY(!ui::ApplicationHintsEnabled());
    QVERIFY(!work_.HideHint);
}

void DialogConfigTest::folderButtonOpensChooser() {
    QDir(dir_->path()).mkpath("Work");
    TFormSelectPathTree chooser(std::make_shared<FakeVolumeSource>(
        std::vector<Volume>{{dir_->path().toStdString(), VolumeKind::Fixed}}));
    TDialogConfig& d = *dialog_;
    d.SetFolderChooser(&chooser);
    QString given;
    QTimer::singleShot(0, &d, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Tick(d.RB_OpenList);
        QTimer::singleShot(0, &chooser, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&chooser));
            given = chooser.ResultPath;
            QTreeWidgetItem* drive = chooser.TV_Path->topLevelItem(0);
            chooser.TV_Path->setFocus();
            chooser.TV_Path->setCurrentItem(drive);
            QTest::keyClick(chooser.TV_Path, Qt::Key_Right);
            QTest::keyClick(chooser.TV_Path, Qt::Key_Down);
            QTest::mouseClick(chooser.BtnOK, Qt::LeftButton);
        });
        QTest::mouseClick(d.B_SavePath, Qt::LeftButton);
        QCOMPARE(d.E_SavePath->text(), dir_->path() + "/Work/");
        QTRY_COMPARE(d.focusWidget(), d.E_SavePath);
        QTest::mouseClick(d.B_OK, Qt::LeftButton);
    });
    QCOMPARE(d.ShowModal(), int(ui::mrOk));
    QCOMPARE(given, QString("/opt/zavro/"));
    QCOMPARE(QString::fromStdString(work_.ListPathSave), dir_->path() + "/Work/");
}

void DialogConfigTest::hints() {
    TDialogConfig& d = *dialog_;
    QCOMPARE(ui::HelpContext(&d), 2000);
    QCOMPARE(ui::HelpContext(d.CB_HideHint), 2001);
    QCOMPARE(d.CB_HideHint->toolTip(), QString("Скрывает всплывающие подсказки"));
    QCOMPARE(ui::HelpContext(d.L_OpenMode), 2002);
    QCOMPARE(ui::HelpContext(d.E_SavePath), 2005);
    QCOMPARE(ui::HelpContext(d.B_SavePath), 2006);
    QCOMPARE(ui::HelpContext(d.GB_SaveMask), 2100);
    QCOMPARE(ui::HelpContext(d.E_MaskDelimiter[2]), 2114);
    QCOMPARE(ui::HelpContext(d.GB_Mask[3]), 2120);
    QCOMPARE(ui::HelpContext(d.RB_Mask[3][2]), 2123);
    QCOMPARE(ui::HelpContext(d.ST_Example), 2130);
}

QTEST_MAIN(DialogConfigTest)
#include "test_dialog_config.moc"
