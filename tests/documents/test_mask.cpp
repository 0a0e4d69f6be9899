// The file-name mask and its edge cases.
#include <QtTest>

#include "documents/mask.h"

using namespace zavro;

class MaskTest : public QObject {
    Q_OBJECT
private slots:
    void maskFileName_data();
    void maskFileName();
    void maskOfWorkSettings();
};

void MaskTest::maskFileName_data() {
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QStringList>("texts"); // prefix, alias, identifier, suffix
    QTest::addColumn<QStringList>("delimiters");
    QTest::addColumn<QString>("name");
    const QStringList std = {"_", "_", "_"};
    QTest::newRow("defaults") << QList<int>{1, 2, 3, 4}
                              << QStringList{"GSM4", "ПСЕВДОНИМN", "AAAABBBBCCCC", ""} << std
                              << "GSM4_ПСЕВДОНИМN_AAAABBBBCCCC.ini";
    QTest::newRow("delimiter of the earlier element") << QList<int>{2, 0, 3, 0}
        << QStringList{"GSM4", "ABC", "0001-0002-0003", ""} << QStringList{"-", "+", "="}
        << "ABC-0001-0002-0003.ini";
    QTest::newRow("all empty") << QList<int>{0, 0, 0, 0}
                               << QStringList{"GSM4", "ABC", "0001", "S"} << std << ".ini";
    QTest::newRow("empty alias") << QList<int>{1, 2, 3, 4}
                                 << QStringList{"GSM4", "", "0012AB340000", ""} << std
                                 << "GSM4_0012AB340000.ini";
    QTest::newRow("no trailing delimiter") << QList<int>{1, 0, 0, 0}
                                           << QStringList{"GSM4", "A", "B", ""} << std
                                           << "GSM4.ini";
    QTest::newRow("suffix joins with delimiter 3") << QList<int>{0, 0, 3, 4}
        << QStringList{"", "", "ID", "end"} << QStringList{"1", "2", "3"} << "ID3end.ini";
    QTest::newRow("a kind used twice") << QList<int>{1, 1, 0, 4}
                                       << QStringList{"P", "", "", "S"}
                                       << QStringList{"a", "b", "c"} << "PaPbS.ini";
    QTest::newRow("out-of-range kind is empty") << QList<int>{7, 2, 0, 0}
                                                << QStringList{"P", "A", "", ""} << std
                                                << "A.ini";
    QTest::newRow("empty delimiters") << QList<int>{1, 2, 3, 4}
                                      << QStringList{"P", "A", "I", "S"}
                                      << QStringList{"", "", ""} << "PAIS.ini";
}

void MaskTest::maskFileName() {
    QFETCH(QList<int>, kinds);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, delimiters);
    QFETCH(QString, name);
    const auto s = [](const QString& t) { return t.toStdString(); };
    const std::string result =
        MaskFileName(kinds[0], s(texts[0]), s(delimiters[0]), kinds[1], s(texts[1]),
                     s(delimiters[1]), kinds[2], s(texts[2]), s(delimiters[2]), kinds[3],
                     s(texts[3]));
    QCOMPARE(QString::fromStdString(result), name);
}

void MaskTest::maskOfWorkSettings() {
    TParamWork w;
    QCOMPARE(MaskFileName(w, "Склад", "0001"), std::string("GSM4_Склад_0001.ini"));
    w.MaskIdent1 = kMaskIdent;
    w.MaskIdent2 = kMaskEmpty;
    w.MaskIdent3 = kMaskSuffix;
    w.MaskIdent4 = kMaskEmpty;
    w.MaskSuff = "копия";
    w.MaskDelim1 = "~";
    QCOMPARE(MaskFileName(w, "Склад", "0001"), std::string("0001~копия.ini"));
}

QTEST_MAIN(MaskTest)
#include "test_mask.moc"
