// The six input filters typed into real edits: what each lets through, and
// how its change twin cleans pasted text.
#include <QLineEdit>
#include <QTest>

#include "ui/grid/key_filters.h"

#include "typing.h"

using namespace zavro::ui;
Q_DECLARE_METATYPE(zavro::ui::InputFilter)

class TestFilters : public QObject {
    Q_OBJECT
private slots:
    void typing_data() {
        QTest::addColumn<InputFilter>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("text+space: blank, letters, Cyrillic") << InputFilter::TextSpace << "Ab z9 Яя_" << "Ab z9 Яя_";
        QTest::newRow("text+space refuses Ё ё and signs") << InputFilter::TextSpace << "ЁёА-{}~+" << "А";
        QTest::newRow("text refuses blank and minus") << InputFilter::Text << "a b-c" << "abc";
        QTest::newRow("text takes Ё, ё and signs above 64") << InputFilter::Text << "Ёё{|}~№" << "Ёё{|}~№";
        QTest::newRow("phone: # * + digits") << InputFilter::PhoneNumber << "+7(912)-#*5" << "+7912#*5";
        QTest::newRow("digits") << InputFilter::Digital << "1a2 3-" << "123";
        QTest::newRow("hex") << InputFilter::Hex << "09afAFgG*" << "09afAF";
        QTest::newRow("hex and star") << InputFilter::HexAndStar << "*0fG+" << "*0f";
    }
    void typing() {
        QFETCH(InputFilter, filter);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit edit;
        BindInputFilter(&edit, filter);
        edit.show();
        TypeText(&edit, typed);
        QCOMPARE(edit.text(), kept);
        // Backspace is let through by every filter.
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), kept.left(kept.size() - 1));
        for (char32_t ch : typed.toUcs4())
            QCOMPARE(FilterKeyPress(filter, ch), kept.contains(QString::fromUcs4(&ch, 1)));
    }

    void pastedTextIsCleaned() {
        QLineEdit edit;
        BindInputFilter(&edit, InputFilter::Digital);
        edit.insert(QStringLiteral("12a3"));
        QCOMPARE(edit.text(), QStringLiteral("123"));
        QCOMPARE(edit.cursorPosition(), 3);
        QLineEdit phone;
        EditPhoneNumber_Change(&phone); // an empty text stays empty
        QCOMPARE(phone.text(), QString());
    }
};

QTEST_MAIN(TestFilters)
#include "test_filters.moc"
