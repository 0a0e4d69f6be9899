// The error, confirmation and key windows: results of Enter, Escape, every
// button and the close box; focus, colours, placement and the key filter.
#include <QApplication>
#include <QStyle>
#include <QWindow>
#include <QtTest>

#include <functional>

#include "model/cp1251.h"
#include "ui/dialogs/error_message.h"
#include "ui/dialogs/ok_message.h"
#include "ui/dialogs/set_key_config.h"
#include "ui/hints.h"
#include "ui/look.h"

using namespace zavro::ui;

namespace {

struct Outcome {
    int result = -1;
    bool closedByAction = false; // the action itself ended the window
};

// Shows the window modally, performs the action once it is active and, when
// the action left it open, closes it with the close box.
Outcome RunModal(LookDialog& dialog, const std::function<void(LookDialog&)>& action) {
    Outcome out;
    QTimer::singleShot(0, &dialog, [&] {
        if (!QTest::qWaitForWindowActive(&dialog)) qWarning("window not active");
        action(dialog);
        QTest::qWait(20);
        out.closedByAction = !dialog.isVisible();
        if (dialog.isVisible()) dialog.windowHandle()->close();
    });
    out.result = dialog.ShowModal();
    return out;
}

// The action named in a test row.
std::function<void(LookDialog&)> Action(const QString& name, QPushButton* button = nullptr) {
    if (name == "Enter")
        return [](LookDialog& d) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Return); };
    if (name == "Escape")
        return [](LookDialog& d) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape); };
    if (name == "click")
        return [button](LookDialog&) { QTest::mouseClick(button, Qt::LeftButton); };
    return [](LookDialog& d) { d.windowHandle()->close(); };
}

QColor BoxOf(const QPushButton* b) {
    return b->icon().pixmap(b->iconSize()).toImage().pixelColor(2, 2);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void errorWindowResults_data();
    void errorWindowResults();
    void errorWindowLook();
    void okWindowResults_data();
    void okWindowResults();
    void okWindowPlacement();
    void keyWindowResults_data();
    void keyWindowResults();
    void keyWindowFilter_data();
    void keyWindowFilter();
    void keyWindowLimit();
    void keyWindowLayoutAndFocus();
};

void DialogsTest::errorWindowResults_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("closedByAction");
    QTest::newRow("continue only, Enter") << "continue" << "Enter" << "" << int(mrOk) << true;
    QTest::newRow("continue only, Escape does nothing") << "continue" << "Escape" << "" << int(mrCancel) << false;
    QTest::newRow("continue only, click") << "continue" << "click" << "continue" << int(mrOk) << true;
    QTest::newRow("fix only, Enter") << "fix" << "Enter" << "" << int(mrRetry) << true;
    QTest::newRow("fix only, Escape") << "fix" << "Escape" << "" << int(mrRetry) << true;
    QTest::newRow("both, Enter on the fix button") << "both" << "Enter" << "" << int(mrRetry) << true;
    QTest::newRow("both, click continue") << "both" << "click" << "continue" << int(mrOk) << true;
    QTest::newRow("both, click fix") << "both" << "click" << "fix" << int(mrRetry) << true;
    QTest::newRow("no button, Enter does nothing") << "none" << "Enter" << "" << int(mrCancel) << false;
    QTest::newRow("no button, close box") << "none" << "close" << "" << int(mrCancel) << true;
    QTest::newRow("default, Enter") << "default" << "Enter" << "" << int(mrRetry) << true;
    QTest::newRow("default, Escape") << "default" << "Escape" << "" << int(mrRetry) << true;
    QTest::newRow("default, click default") << "default" << "click" << "default" << int(mrOk) << true;
    QTest::newRow("default, close box") << "default" << "close" << "" << int(mrCancel) << true;
    QTest::newRow("no default, Enter") << "nodefault" << "Enter" << "" << int(mrRetry) << true;
}

void DialogsTest::errorWindowResults() {
    QFETCH(QString, setup);
    QFETCH(QString, action);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, closedByAction);
    TFormErrorMessage dialog;
    if (setup == "continue") dialog.SetMessages("Сообщение", "Совет", true, false);
    if (setup == "fix") dialog.SetMessages("Сообщение", "Совет", false, true);
    if (setup == "both") dialog.SetMessages("Сообщение", "Совет", true, true);
    if (setup == "none") dialog.SetMessages("Сообщение", "Совет", false, false);
    if (setup == "default") dialog.SetErrorContinue("Сообщение", "Совет", true);
    if (setup == "nodefault") dialog.SetErrorContinue("Сообщение", "Совет", false);
    QPushButton* b = button == "continue" ? dialog.B_Continue
                     : button == "fix"    ? dialog.B_Cancel
                                          : dialog.B_Default;
    const Outcome out = RunModal(dialog, Action(action, b));
    QCOMPARE(out.result, result);
    QCOMPARE(out.closedByAction, closedByAction);
}

void DialogsTest::errorWindowLook() {
    TFormErrorMessage dialog;
    dialog.SetErrorContinue("Неверное значение", "Исправьте значение", true);
    QVERIFY(dialog.B_Cancel->isVisibleTo(&dialog));
    QVERIFY(!dialog.B_Continue->isVisibleTo(&dialog));
    QVERIFY(dialog.B_Default->isVisibleTo(&dialog));
    QCOMPARE(dialog.B_Default->pos(), dialog.B_Continue->pos());
    QVERIFY(dialog.B_Default->width() > dialog.B_Continue->width());
    QCOMPARE(dialog.size(), QSize(692, 468));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.palette().color(QPalette::Window), QColor(255, 255, 150));
    QCOMPARE(dialog.focusWidget(), dialog.B_Cancel);
    QCOMPARE(BoxOf(dialog.B_Cancel), FocusYellow());
    QCOMPARE(BoxOf(dialog.B_Default), FaceColor());
    QCOMPARE(dialog.ST_Message->text(), QString("Неверное значение"));
    QCOMPARE(dialog.L_Error->palette().color(QPalette::WindowText), Red());
    QCOMPARE(dialog.L_Recom->palette().color(QPalette::WindowText), Green());
    QCOMPARE(dialog.ST_Recomendation->palette().color(QPalette::WindowText), Maroon());
    // Tab to the other button: the glyphs follow the focus.
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), dialog.B_Default);
    QCOMPARE(BoxOf(dialog.B_Default), FocusYellow());
    QCOMPARE(BoxOf(dialog.B_Cancel), FaceColor());
    dialog.hide();
    // Only "Продолжить": it gets the focus.
    dialog.SetMessages("a", "b", true, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.B_Continue);
}

void DialogsTest::okWindowResults_data() {
    QTest::addColumn<bool>("withCancel");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("closedByAction");
    QTest::newRow("with cancel, Enter") << true << "Enter" << "" << int(mrOk) << true;
    QTest::newRow("with cancel, Escape") << true << "Escape" << "" << int(mrCancel) << true;
    QTest::newRow("with cancel, click continue") << true << "click" << "continue" << int(mrOk) << true;
    QTest::newRow("with cancel, click cancel") << true << "click" << "cancel" << int(mrCancel) << true;
    QTest::newRow("with cancel, close box") << true << "close" << "" << int(mrCancel) << true;
    QTest::newRow("alone, Enter") << false << "Enter" << "" << int(mrOk) << true;
    QTest::newRow("alone, Escape does nothing") << false << "Escape" << "" << int(mrCancel) << false;
    QTest::newRow("alone, close box") << false << "close" << "" << int(mrCancel) << true;
}

void DialogsTest::okWindowResults() {
    QFETCH(bool, withCancel);
    QFETCH(QString, action);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, closedByAction);
    TFormOkMessage dialog;
    dialog.SetMessages("Вопрос?", "Пояснение", withCancel);
    QPushButton* b = button == "continue" ? dialog.BitBtnContinue : dialog.BitBtnCancel;
    const Outcome out = RunModal(dialog, Action(action, b));
    QCOMPARE(out.result, result);
    QCOMPARE(out.closedByAction, closedByAction);
}

void DialogsTest::okWindowPlacement() {
    TFormOkMessage dialog;
    QCOMPARE(dialog.size(), QSize(617, 282));
    dialog.SetMessages("Вопрос?", "Пояснение", true);
    const int wc = dialog.BitBtnCancel->width();
    QCOMPARE(dialog.BitBtnContinue->width(), wc);
    const int g = 617 - 2 * wc;
    QCOMPARE(dialog.BitBtnCancel->x(), g / 4);
    QCOMPARE(dialog.BitBtnContinue->x(), 617 - g / 4 - wc);
    QVERIFY(dialog.BitBtnCancel->isVisibleTo(&dialog));
    dialog.SetMessages("Вопрос?", "Пояснение", false);
    QCOMPARE(dialog.BitBtnContinue->x(), (617 - wc) / 2);
    QVERIFY(!dialog.BitBtnCancel->isVisibleTo(&dialog));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.BitBtnContinue);
    QCOMPARE(dialog.palette().color(QPalette::Window), Green());
    QCOMPARE(BoxOf(dialog.BitBtnContinue), FocusYellow());
    QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
}

void DialogsTest::keyWindowResults_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("keyStored");
    QTest::newRow("Enter") << "Enter" << "" << int(mrOk) << true;
    QTest::newRow("click apply") << "click" << "ok" << int(mrOk) << true;
    QTest::newRow("Escape") << "Escape" << "" << int(mrCancel) << false;
    QTest::newRow("click cancel") << "click" << "cancel" << int(mrCancel) << false;
    QTest::newRow("close box") << "close" << "" << int(mrCancel) << false;
}

void DialogsTest::keyWindowResults() {
    QFETCH(QString, action);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, keyStored);
    LastFileKey = "previous";
    TFormDialogSetKeyConfig dialog;
    dialog.SetKeyEntryLayout();
    QPushButton* b = button == "ok" ? dialog.BtnOK : dialog.BtnCancel;
    const auto act = Action(action, b);
    const Outcome out = RunModal(dialog, [&](LookDialog& d) {
        QTest::keyClicks(dialog.EditKEYConfig, "Key 12");
        QTest::sendKeyEvent(QTest::Click, dialog.EditKEYConfig, Qt::Key_unknown, QString("Ж"),
                            Qt::NoModifier);
        act(d);
    });
    QCOMPARE(out.result, result);
    QCOMPARE(LastFileKey, keyStored ? std::string("Key 12\xC6") : std::string("previous"));
    // The edit keeps its text for the next use.
    QCOMPARE(dialog.KeyText(), std::string("Key 12\xC6"));
}

void DialogsTest::keyWindowFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plus refused") << "+" << "";
    QTest::newRow("point refused") << "." << "";
    QTest::newRow("minus refused") << "-" << "";
    QTest::newRow("underscore accepted") << "_" << "_";
    QTest::newRow("Cyrillic accepted") << "Жя" << "Жя";
    QTest::newRow("Yo refused") << "Ё" << "";
    QTest::newRow("blank accepted") << " " << " ";
    QTest::newRow("signs between Z and a") << "[\\]^_`" << "[\\]^_`";
    QTest::newRow("mixed") << "a+b.c1" << "abc1";
}

void DialogsTest::keyWindowFilter() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TFormDialogSetKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (const QChar ch : typed)
        QTest::sendKeyEvent(QTest::Click, dialog.EditKEYConfig, Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
    QCOMPARE(dialog.EditKEYConfig->text(), shown);
}

void DialogsTest::keyWindowLimit() {
    TFormDialogSetKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(dialog.EditKEYConfig, QString(33, 'k'));
    QCOMPARE(dialog.EditKEYConfig->text().size(), 32);
    // The password character is "*".
    QCOMPARE(dialog.EditKEYConfig->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.EditKEYConfig->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter,
                                                      nullptr, dialog.EditKEYConfig),
             int('*'));
}

void DialogsTest::keyWindowLayoutAndFocus() {
    TFormDialogSetKeyConfig dialog;
    dialog.SetKeyEntryLayout();
    QVERIFY(dialog.StaticTextErrorKey->isVisibleTo(&dialog));
    QCOMPARE(dialog.height(), 179);
    const int cw = dialog.width();
    const int x = (cw - dialog.BtnOK->width() - dialog.BtnCancel->width()) / 4;
    QCOMPARE(dialog.BtnOK->pos(), QPoint(x, 96));
    QCOMPARE(dialog.BtnCancel->pos(), QPoint(dialog.BtnOK->width() + 3 * x, 96));
    QCOMPARE(dialog.EditKEYConfig->width(), cw - 2 * dialog.EditKEYConfig->x());
    dialog.ShowErrorKey(false);
    QVERIFY(!dialog.StaticTextErrorKey->isVisibleTo(&dialog));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.EditKEYConfig);
    QCOMPARE(ControlColor(dialog.EditKEYConfig), FocusYellow());
    QTest::keyClick(dialog.EditKEYConfig, Qt::Key_Tab);
    QCOMPARE(ControlColor(dialog.EditKEYConfig), WindowColor());
    QCOMPARE(BoxOf(dialog.focusWidget() == dialog.BtnOK ? dialog.BtnOK : dialog.BtnCancel),
             FocusYellow());
    QCOMPARE(zavro::ui::HelpContext(&dialog), 1);
    QCOMPARE(dialog.BtnOK->toolTip(), QString("Применить сделанные настройки"));
    QCOMPARE(dialog.BtnCancel->toolTip(), QString("Отменить изменения настроек"));
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
