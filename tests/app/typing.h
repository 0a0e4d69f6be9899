// Typing any text, Cyrillic included, as real key presses.
#pragma once

#include <QString>
#include <QTest>

inline void TypeText(QWidget* widget, const QString& text) {
    for (char32_t ch : text.toUcs4()) {
        const QString one = QString::fromUcs4(&ch, 1);
        Qt::Key key = Qt::Key_unknown;
        if (ch < 0x80 && ch >= 0x20) key = static_cast<Qt::Key>(QChar(ch).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, one, Qt::NoModifier);
    }
}
