// Character filters: the character tables of every set, typed keys, pasted
// text and the typing limit.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "ui/filters.h"

using namespace zavro::ui;

namespace {

const CharSet& SetByName(const QString& name) {
    if (name == "TextSpace") return SetTextSpace();
    if (name == "Text") return SetText();
    if (name == "Phone") return SetPhoneNumber();
    if (name == "Digital") return SetDigital();
    if (name == "Hex") return SetHex();
    if (name == "HexStar") return SetHexAndStar();
    if (name == "FileKey") return SetFileKey();
    if (name == "FileName") return SetFileNameChars();
    return SetPortDigits();
}

// Types one character as a real key press with that text.
void TypeChar(QWidget* w, const QString& ch) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, ch, Qt::NoModifier);
}

} // namespace

class FiltersTest : public QObject {
    Q_OBJECT
private slots:
    void characterTable_data();
    void characterTable();
    void backspaceAcceptedByAll_data();
    void backspaceAcceptedByAll();
    void filterChars_data();
    void filterChars();
    void filterCharsOfConfigurationBytes();
    void filterEditTextPutsCaretAtEnd();
    void pastedTextIsCleaned();
    void typedLengthLimit();
};

void FiltersTest::characterTable_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("ch");
    QTest::addColumn<bool>("accepted");
    struct Row {
        const char* set;
        const char* ch;
        bool accepted;
    };
    const Row rows[] = {
        {"TextSpace", " ", true},   {"TextSpace", "0", true},  {"TextSpace", "9", true},
        {"TextSpace", "A", true},   {"TextSpace", "[", true},  {"TextSpace", "_", true},
        {"TextSpace", "z", true},   {"TextSpace", "{", false}, {"TextSpace", "@", false},
        {"TextSpace", "-", false},  {"TextSpace", "+", false}, {"TextSpace", ".", false},
        {"TextSpace", "А", true},   {"TextSpace", "я", true},  {"TextSpace", "Ё", false},
        {"TextSpace", "ё", false},  {"TextSpace", "中", false},
        {"Text", " ", false},       {"Text", "-", false},      {"Text", "5", true},
        {"Text", "A", true},        {"Text", "~", true},       {"Text", "Ё", true},
        {"Text", "ё", true},        {"Text", "№", true},       {"Text", "€", true},
        {"Text", "\u0098", false},  {"Text", "中", false},     {"Text", ":", false},
        {"Phone", "+", true},       {"Phone", "-", false},     {"Phone", "#", true},
        {"Phone", "*", true},       {"Phone", ",", false},     {"Phone", "7", true},
        {"Phone", "a", false},
        {"Digital", "0", true},     {"Digital", "9", true},    {"Digital", "a", false},
        {"Digital", "٣", false},
        {"Hex", "F", true},         {"Hex", "f", true},        {"Hex", "G", false},
        {"Hex", "*", false},        {"Hex", "А", false},
        {"HexStar", "*", true},     {"HexStar", "c", true},    {"HexStar", "g", false},
        {"FileKey", "+", false},    {"FileKey", ".", false},   {"FileKey", "_", true},
        {"FileKey", "Ж", true},     {"FileKey", " ", true},
        {"FileName", "?", false},   {"FileName", "*", false},  {"FileName", "/", false},
        {"FileName", "\\", false},  {"FileName", ":", false},  {"FileName", "\"", false},
        {"FileName", "<", false},   {"FileName", ">", false},  {"FileName", "|", false},
        {"FileName", "Ж", true},    {"FileName", "-", true},   {"FileName", ".", true},
        {"FileName", "中", false},
        {"Port", "3", true},        {"Port", "a", false},
    };
    for (const Row& r : rows)
        QTest::addRow("%s %s", r.set, r.ch) << QString(r.set) << QString::fromUtf8(r.ch) << r.accepted;
}

void FiltersTest::characterTable() {
    QFETCH(QString, set);
    QFETCH(QString, ch);
    QFETCH(bool, accepted);
    const CharSet& chars = SetByName(set);

    // The set itself.
    QCOMPARE(InSet(ch.toUcs4().at(0), chars), accepted);

    // A key press in an edit with the key filter.
    QLineEdit edit;
    InstallKeyFilter(&edit, chars);
    edit.show();
    TypeChar(&edit, ch);
    QCOMPARE(edit.text(), accepted ? ch : QString());

    // The same character among others, pasted and removed by the change filter.
    QLineEdit pasted;
    InstallEditFilter(&pasted, chars);
    pasted.insert(ch + "0");
    QCOMPARE(pasted.text().contains(ch), accepted);
}

void FiltersTest::backspaceAcceptedByAll_data() {
    QTest::addColumn<QString>("set");
    for (const char* name :
         {"TextSpace", "Text", "Phone", "Digital", "Hex", "HexStar", "FileKey", "Port"})
        QTest::newRow(name) << QString(name);
}

void FiltersTest::backspaceAcceptedByAll() {
    QFETCH(QString, set);
    QVERIFY(SetByName(set).test(kBackspace));
    QLineEdit edit;
    InstallKeyFilter(&edit, SetByName(set));
    edit.setText("12");
    edit.show();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString("1"));
}

void FiltersTest::filterChars_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("result");
    QTest::newRow("digits") << "12a3" << "Digital" << "123";
    QTest::newRow("empty") << "" << "Digital" << "";
    QTest::newRow("nothing kept") << "abc" << "Digital" << "";
    QTest::newRow("phone") << "+7 (900) 123-45-67" << "Phone" << "+79001234567";
    QTest::newRow("no cp1251 code") << "Ключ中 1" << "TextSpace" << "Ключ 1";
    QTest::newRow("long text") << QString(300, 'a') + "b" << "Hex" << QString(300, 'a') + "b";
}

void FiltersTest::filterChars() {
    QFETCH(QString, text);
    QFETCH(QString, set);
    QFETCH(QString, result);
    FilterChars(text, SetByName(set));
    QCOMPARE(text, result);
}

void FiltersTest::filterCharsOfConfigurationBytes() {
    // Windows-1251 bytes: "Ёж" then the unassigned byte 0x98, a blank and "1".
    std::string text = "\xA8\xE6\x98 1";
    FilterChars(text, SetText());
    QCOMPARE(text, std::string("\xA8\xE6" "1"));
    text = "\xA8\xE6 1";
    FilterChars(text, SetTextSpace());
    QCOMPARE(text, std::string("\xE6 1"));
}

void FiltersTest::filterEditTextPutsCaretAtEnd() {
    QLineEdit edit;
    edit.setText("12a3");
    edit.setCursorPosition(1);
    FilterEditText(&edit, SetDigital());
    QCOMPARE(edit.text(), QString("123"));
    QCOMPARE(edit.cursorPosition(), 3);
    edit.clear();
    FilterEditText(&edit, SetDigital());
    QCOMPARE(edit.text(), QString());
    QCOMPARE(edit.cursorPosition(), 0);
}

void FiltersTest::pastedTextIsCleaned() {
    QLineEdit edit;
    InstallEditFilter(&edit, SetDigital());
    edit.show();
    QApplication::clipboard()->setText("4b5");
    if (QApplication::clipboard()->text() != "4b5") QSKIP("no clipboard on this platform");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("45"));
    QCOMPARE(edit.cursorPosition(), 2);
}

void FiltersTest::typedLengthLimit() {
    QLineEdit edit;
    InstallTypedLengthLimit(&edit, 3);
    edit.show();
    QTest::keyClicks(&edit, "abcd");
    QCOMPARE(edit.text(), QString("abc"));
    // A longer text set by the program stays; typing cannot make it longer,
    // but it can be shortened.
    edit.setText("123456");
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, '7');
    QCOMPARE(edit.text(), QString("123456"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString("12345"));
    // A pasted text is cut to the room left.
    edit.setText("a");
    QApplication::clipboard()->setText("xyz");
    if (QApplication::clipboard()->text() != "xyz") QSKIP("no clipboard on this platform");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("axy"));
}

QTEST_MAIN(FiltersTest)
#include "test_filters.moc"
