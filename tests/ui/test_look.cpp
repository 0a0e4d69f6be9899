// The shared look: focus colours by control class, drawn button glyphs,
// caption tables and image lists, the hint table and hint timing.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include "ui/glyphs.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/resources.h"

using namespace zavro::ui;

namespace {

const QColor kBack(255, 0, 255);
const QColor kMark(0, 0, 255);

// A picture of iw x ih on the background colour with a marker pixel at (5, 5).
ImageList TestImages(int count, int iw = 24, int ih = 22) {
    ImageList list;
    list.size = QSize(iw, ih);
    for (int i = 0; i < count; ++i) {
        QImage img(iw, ih, QImage::Format_RGB32);
        img.fill(kBack);
        img.setPixelColor(5, 5, kMark);
        list.pictures.push_back(img);
    }
    return list;
}

QImage GlyphOf(const QPushButton& b) {
    return b.icon().pixmap(b.iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool HasDarkPixel(const QImage& img, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 100) return true;
    return false;
}

std::unique_ptr<QWidget> MakeControl(const QString& kind) {
    if (kind == "QLabel") return std::make_unique<QLabel>("caption");
    if (kind == "QLineEdit") return std::make_unique<QLineEdit>();
    if (kind == "QLineEdit read-only") {
        auto e = std::make_unique<QLineEdit>();
        e->setReadOnly(true);
        return e;
    }
    if (kind == "QRadioButton") return std::make_unique<QRadioButton>("radio");
    if (kind == "QCheckBox") return std::make_unique<QCheckBox>("check");
    if (kind == "QListView") return std::make_unique<QListView>();
    if (kind == "QTreeView") return std::make_unique<QTreeView>();
    if (kind == "QTreeWidget") return std::make_unique<QTreeWidget>();
    if (kind == "QSlider") return std::make_unique<QSlider>(Qt::Horizontal);
    if (kind == "QListWidget") return std::make_unique<QListWidget>();
    if (kind == "QComboBox") return std::make_unique<QComboBox>();
    if (kind == "QPushButton") return std::make_unique<QPushButton>("button");
    if (kind == "QSpinBox") return std::make_unique<QSpinBox>();
    return std::make_unique<QTableWidget>(2, 2);
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void focusColorByClass_data();
    void focusColorByClass();
    void editColorIsReadWhenLeft();
    void pictureGlyph_data();
    void pictureGlyph();
    void redFramedGlyph_data();
    void redFramedGlyph();
    void tagZeroIsLeftAlone();
    void formButtonsPaintTheFocusedOneYellow();
    void captionTables_data();
    void captionTables();
    void imageLists_data();
    void imageLists();
    void hintTableOrder();
    void quotedHints_data();
    void quotedHints();
    void hintTextsShape();
    void setControlHint();
    void hintShownAfterRestUntilLeave();
    void hintsSwitchedOff();
};

void LookTest::focusColorByClass_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("coloured");
    QTest::addColumn<QString>("normal"); // "face" or "window"
    QTest::newRow("label") << "QLabel" << true << "face";
    QTest::newRow("edit") << "QLineEdit" << true << "window";
    QTest::newRow("read-only edit") << "QLineEdit read-only" << true << "face";
    QTest::newRow("radio button") << "QRadioButton" << true << "face";
    QTest::newRow("check box") << "QCheckBox" << true << "face";
    QTest::newRow("list view") << "QListView" << true << "window";
    QTest::newRow("tree view") << "QTreeView" << true << "window";
    QTest::newRow("tree widget") << "QTreeWidget" << true << "window";
    QTest::newRow("slider") << "QSlider" << true << "face";
    QTest::newRow("list widget") << "QListWidget" << true << "window";
    QTest::newRow("combo box") << "QComboBox" << true << "window";
    QTest::newRow("button") << "QPushButton" << false << "";
    QTest::newRow("spinner") << "QSpinBox" << false << "";
    QTest::newRow("grid") << "QTableWidget" << false << "";
}

void LookTest::focusColorByClass() {
    QFETCH(QString, kind);
    QFETCH(bool, coloured);
    QFETCH(QString, normal);
    auto control = MakeControl(kind);
    const QPalette before = control->palette();
    SetFocusColor(control.get(), kFocusEntered);
    if (!coloured) {
        QCOMPARE(control->palette(), before);
        SetFocusColor(control.get(), kFocusLeft);
        QCOMPARE(control->palette(), before);
        return;
    }
    QCOMPARE(ControlColor(control.get()), FocusYellow());
    SetFocusColor(control.get(), kFocusLeft);
    QCOMPARE(ControlColor(control.get()), normal == "face" ? FaceColor() : WindowColor());
    if (kind == "QSlider") QVERIFY(control->autoFillBackground()); // its background is painted
}

void LookTest::editColorIsReadWhenLeft() {
    QLineEdit edit;
    SetFocusColor(&edit, kFocusEntered);
    edit.setReadOnly(true);
    SetFocusColor(&edit, kFocusLeft);
    QCOMPARE(ControlColor(&edit), FaceColor());
    edit.setReadOnly(false);
    SetFocusColor(&edit, kFocusLeft);
    QCOMPARE(ControlColor(&edit), WindowColor());
}

void LookTest::pictureGlyph_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QPoint>("pictureAt"); // top-left of the picture in the glyph
    // 150 x 40: glyph 144 x 34; glyph left: (4, (34 - 22) div 2 + 1).
    QTest::newRow("left, focused") << QSize(150, 40) << int(GlyphLayout::Left) << "Продолжить"
                                   << true << QPoint(4, 7);
    QTest::newRow("left, normal") << QSize(150, 40) << int(GlyphLayout::Left) << "Продолжить"
                                  << false << QPoint(4, 7);
    // 96 x 67: glyph 90 x 61; glyph above: ((90 - 24) div 2, 6).
    QTest::newRow("above") << QSize(96, 67) << int(GlyphLayout::Top) << "Открыть" << false
                           << QPoint(33, 6);
    // 40 x 34 without caption: glyph 34 x 28, picture centred at (5, 3).
    QTest::newRow("picture only") << QSize(40, 34) << int(GlyphLayout::Top) << "" << true
                                  << QPoint(5, 3);
    // 41 x 35: glyph 35 x 29; (35 - 24) div 2 = 5 and (29 - 22) div 2 = 3 truncate.
    QTest::newRow("picture only, odd") << QSize(41, 35) << int(GlyphLayout::Left) << "" << false
                                       << QPoint(5, 3);
}

void LookTest::pictureGlyph() {
    QFETCH(QSize, size);
    QFETCH(int, layout);
    QFETCH(QString, caption);
    QFETCH(bool, focused);
    QFETCH(QPoint, pictureAt);
    const ImageList images = TestImages(2);
    BitBtn button("design", 1, GlyphLayout(layout));
    button.resize(size);
    if (focused) PaintButtonFocused(&button, images, caption);
    else PaintButtonNormal(&button, images, caption);

    QCOMPARE(button.text(), QString());
    const QImage g = GlyphOf(button);
    const int W = size.width() - 6, H = size.height() - 6;
    QCOMPARE(g.size(), QSize(W, H));
    const QColor box = focused ? FocusYellow() : FaceColor();
    // A 2-pixel frame in the picture's background colour around the box.
    for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(W - 1, H - 1), QPoint(W - 2, H - 2),
                     QPoint(W / 2, 1), QPoint(1, H / 2)})
        QCOMPARE(g.pixelColor(p), kBack);
    QCOMPARE(g.pixelColor(2, 2), box);
    QCOMPARE(g.pixelColor(W - 3, H - 3), box);
    // The picture's background shows the box colour; its marker is in place.
    QCOMPARE(g.pixelColor(pictureAt), box);
    QCOMPARE(g.pixelColor(pictureAt + QPoint(5, 5)), kMark);
    if (!caption.isEmpty()) {
        const QRect textArea = GlyphLayout(layout) == GlyphLayout::Left
                                   ? QRect(4 + 24 + 4, 2, W - 36, H - 4)
                                   : QRect(2, 6 + 22 + 1, W - 4, H - 6 - 22 - 3);
        QVERIFY(HasDarkPixel(g, textArea));
    }
}

void LookTest::redFramedGlyph_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("focused");
    QTest::newRow("tag -11, focused") << -11 << true;
    QTest::newRow("tag -11, normal") << -11 << false;
    QTest::newRow("tag beyond the pictures") << 5 << true;
}

void LookTest::redFramedGlyph() {
    QFETCH(int, tag);
    QFETCH(bool, focused);
    const ImageList images = TestImages(2);
    BitBtn button("design", tag, GlyphLayout::Left);
    button.resize(140, 40);
    const QString caption = tag == 5 ? QString("Печать") : CaptionText(CaptionsMain(), -tag);
    if (focused) PaintButtonFocused(&button, images, caption);
    else PaintButtonNormal(&button, images, caption);
    const QImage g = GlyphOf(button);
    const int W = 134, H = 34;
    QCOMPARE(g.size(), QSize(W, H));
    for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(W - 2, H - 2), QPoint(W - 1, 0)})
        QCOMPARE(g.pixelColor(p), Red());
    const QColor box = focused ? FocusYellow() : FaceColor();
    QCOMPARE(g.pixelColor(2, 2), box);
    QCOMPARE(g.pixelColor(W - 3, H - 3), box);
    // No picture: the text alone, starting left of the middle.
    QVERIFY(HasDarkPixel(g, QRect(H / 2 - 5, 2, W / 2, H - 4)));
}

void LookTest::tagZeroIsLeftAlone() {
    QWidget window;
    auto* plain = new BitBtn("Своя надпись", 0, GlyphLayout::Left, &window);
    plain->resize(120, 40);
    const ImageList images = TestImages(2);
    PaintFormButtons(&window, images, CaptionsOkMessage());
    PaintButtonFocused(plain, images, "другая");
    PaintButtonNormal(plain, images, "другая");
    QCOMPARE(plain->text(), QString("Своя надпись"));
    QVERIFY(plain->icon().isNull());
}

void LookTest::formButtonsPaintTheFocusedOneYellow() {
    QWidget window;
    auto* first = new BitBtn("x", 1, GlyphLayout::Left, &window);
    first->setGeometry(0, 0, 120, 40);
    auto* second = new BitBtn("y", 2, GlyphLayout::Left, &window);
    second->setGeometry(0, 50, 120, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    second->setFocus();
    PaintFormButtons(&window, ImagesOkMessage(), CaptionsOkMessage());
    QCOMPARE(GlyphOf(*first).pixelColor(2, 2), FaceColor());
    QCOMPARE(GlyphOf(*second).pixelColor(2, 2), FocusYellow());
    QCOMPARE(first->text(), QString());
}

void LookTest::captionTables_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("text");
    QTest::newRow("main 1") << "main" << 1 << "Открыть";
    QTest::newRow("main 3") << "main" << 3 << "В устройство...";
    QTest::newRow("main 5") << "main" << 5 << "";
    QTest::newRow("main 10") << "main" << 10 << "Выбрать файл \"в ручную\"";
    QTest::newRow("main 11") << "main" << 11 << "Генерация ключа";
    QTest::newRow("main 14") << "main" << 14 << "Очистить разделы";
    QTest::newRow("main 15") << "main" << 15 << "";
    QTest::newRow("error 1") << "error" << 1 << "Установить \"по-умолчанию\"";
    QTest::newRow("error 3") << "error" << 3 << "Исправить";
    QTest::newRow("ok 1") << "ok" << 1 << "Отказаться";
    QTest::newRow("key 2") << "key" << 2 << "Применить";
    QTest::newRow("tree 2") << "tree" << 2 << "Применить";
    QTest::newRow("disks 2") << "disks" << 2 << "Выбрать";
    QTest::newRow("config 3") << "config" << 3 << "";
}

void LookTest::captionTables() {
    QFETCH(QString, table);
    QFETCH(int, tag);
    QFETCH(QString, text);
    const CaptionTable& t = table == "main"    ? CaptionsMain()
                            : table == "error" ? CaptionsErrorMessage()
                            : table == "ok"    ? CaptionsOkMessage()
                            : table == "key"   ? CaptionsSetKeyConfig()
                            : table == "tree"  ? CaptionsSelectPathTree()
                            : table == "disks" ? CaptionsLogicalDisks()
                                               : CaptionsDialogConfig();
    QCOMPARE(CaptionText(t, tag), text);
}

void LookTest::imageLists_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("size");
    QTest::newRow("main") << "main" << 10 << QSize(90, 32);
    QTest::newRow("error") << "error" << 3 << QSize(24, 22);
    QTest::newRow("ok") << "ok" << 2 << QSize(24, 22);
    QTest::newRow("key") << "key" << 2 << QSize(24, 22);
    QTest::newRow("tree chooser") << "folder" << 2 << QSize(24, 22);
    QTest::newRow("disks") << "disks" << 2 << QSize(24, 22);
    QTest::newRow("config") << "config" << 3 << QSize(24, 22);
    QTest::newRow("tree") << "tree" << 7 << QSize(16, 16);
}

void LookTest::imageLists() {
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QSize, size);
    const ImageList& l = list == "main"     ? ImagesMain()
                         : list == "error"  ? ImagesErrorMessage()
                         : list == "ok"     ? ImagesOkMessage()
                         : list == "key"    ? ImagesSetKeyConfig()
                         : list == "folder" ? ImagesSelectPathTree()
                         : list == "disks"  ? ImagesLogicalDisks()
                         : list == "config" ? ImagesDialogConfig()
                                            : ImagesTree();
    QCOMPARE(l.Count(), count);
    for (const QImage& img : l.pictures) {
        QCOMPARE(img.size(), size);
        if (list == "tree") QCOMPARE(img.pixelColor(0, 0), QColor(0, 0, 255));
        // Some picture is drawn on the background.
        bool drawn = false;
        for (int y = 0; y < img.height() && !drawn; ++y)
            for (int x = 0; x < img.width() && !drawn; ++x)
                drawn = img.pixel(x, y) != img.pixel(0, 0);
        QVERIFY(drawn);
    }
}

void LookTest::hintTableOrder() {
    const QList<int> keys = {
        1,    10,   11,   12,   13,   14,   15,   16,   100,  101,  102,  103,  104,  105,  106,
        107,  108,  109,  110,  111,  200,  210,  211,  212,  213,  214,  220,  221,  223,  230,
        231,  232,  233,  234,  235,  240,  241,  242,  300,  310,  311,  312,  320,  321,  322,
        333,  335,  336,  337,  350,  351,  352,  353,  354,  355,  356,  500,  510,  511,  512,
        513,  514,  520,  521,  522,  600,  610,  611,  612,  613,  621,  622,  700,  710,  711,
        712,  713,  716,  717,  800,  810,  811,  812,  801,  820,  821,  822,  830,  831,  832,
        900,  910,  911,  912,  1000, 1011, 1012, 1020, 1021, 1022, 1100, 1110, 1111, 1112, 1113,
        1114, 1120, 1121, 1122, 1123, 1124, 1200, 1201, 1210, 1211, 1212, 1213, 1220, 1221, 1222,
        1223, 1224, 1225, 1300, 1301, 1302, 1303, 1304, 1305, 1310, 1311, 1312, 1313, 1314, 1315,
        1320, 1321, 1322, 1323, 1330, 1331, 1340, 1342, 1343, 1344, 1400, 1401, 1402, 1403, 1404,
        2000, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2100, 2110, 2111, 2112, 2113, 2114, 2120,
        2121, 2122, 2123, 2124, 2125, 2130};
    QCOMPARE(keys.size(), 171);
    QCOMPARE(HelpHintCount, 171);
    QList<int> table;
    for (int i = 0; i < HelpHintCount; ++i) table << HelpHints[i].key;
    QCOMPARE(table, keys);
    QCOMPARE(QSet<int>(table.begin(), table.end()).size(), 171);
}

void LookTest::quotedHints_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "Указание ключа, используемого для шифрования файла конфигурации";
    QTest::newRow("10") << 10
                        << "Открытие имеющегося конфигурационного файла:\r"
                           "- из памяти прибора (при подключении прибора к компьютеру по интерфейсу USB)\r"
                           "- из любого каталога в котором он ранее был сохранен.";
    QTest::newRow("11") << 11 << "Печать формуляра конфигурации устройства";
    QTest::newRow("12") << 12 << "Запись конфигурации в устройство";
    QTest::newRow("13") << 13 << "Сохранить конфигурацию в файл";
    QTest::newRow("14") << 14 << "Установка конфигурации в состояние \"по-умолчанию\"";
    QTest::newRow("15") << 15 << "Настройки параметров работы программы";
    QTest::newRow("16") << 16
                        << "Список файлов конфигурации, размещенных в заданном каталоге\r"
                           "Отображаются Файлы конфигурации с расширениями INI и CRY\r"
                           "Для выбранных корнфигураций возможно выполнять сортировку по столбцам";
    QTest::newRow("100") << 100 << "Общие параметры работы прибора";
    QTest::newRow("200") << 200 << "Режимы работы прибора";
    QTest::newRow("300") << 300 << "Параметры идикации и сообщений «ДЕЖУРНЫЙ РЕЖИМ»";
    QTest::newRow("500") << 500 << "Параметры работы шлейфов";
    QTest::newRow("511") << 511 << "Тип шлейфа";
    QTest::newRow("600") << 600 << "Параметры работы реле";
    QTest::newRow("611") << 611 << "Заданный режим работы реле";
    QTest::newRow("700") << 700 << "Список пользователей и параметры их работы";
    QTest::newRow("800") << 800 << "Параметры передачи SMS-сообщений";
    QTest::newRow("900") << 900 << "Параметры SMS-контроля пользователей";
    QTest::newRow("1000") << 1000 << "Параметры GSM-дозвона";
    QTest::newRow("1100") << 1100 << "Параметры связи с пультом по IP-каналу (GPRS/Ethernet)";
    QTest::newRow("1200") << 1200 << "Параметры GPRS-канала";
    QTest::newRow("1224") << 1224 << "Номер UDP-порта сервера пульта";
    QTest::newRow("1300") << 1300 << "Параметры канала подключения к локальной сети";
    QTest::newRow("1344") << 1344 << "Номер UDP-порта сервера пульта";
    QTest::newRow("1400") << 1400 << "Параметры подключения радиоканала (RS-485)";
    QTest::newRow("2000") << 2000
                          << "Параметры конфигурации, определяют механизмы открытия и сохранения "
                             "файлов конфигурации";
    QTest::newRow("2001") << 2001 << "Скрывает всплывающие подсказки";
    QTest::newRow("2100") << 2100 << "Параметры маски формирования имени файла";
}

void LookTest::quotedHints() {
    QFETCH(int, key);
    QFETCH(QString, text);
    const R_HELP_Type* row = FindHint(key);
    QVERIFY(row != nullptr);
    QCOMPARE(QString::fromUtf8(row->text), text);
}

void LookTest::hintTextsShape() {
    for (int i = 0; i < HelpHintCount; ++i) {
        const QString text = QString::fromUtf8(HelpHints[i].text);
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QString::number(HelpHints[i].key)));
        QVERIFY(text.size() <= 1028);
        QVERIFY(text.count('\r') + 1 <= 13);
        QVERIFY(!text.contains('\n'));
        // The hint is plain text on the screen.
        QVERIFY(!Qt::mightBeRichText(HintText(HelpHints[i].key)));
    }
}

void LookTest::setControlHint() {
    QLabel label;
    SetControlHint(&label, 16);
    QCOMPARE(label.toolTip(), QString::fromUtf8(FindHint(16)->text).replace('\r', '\n'));
    QCOMPARE(HelpContext(&label), 16);
    QVERIFY(ShowsHint(&label));

    QLabel other;
    other.setToolTip("своя подсказка");
    SetControlHint(&other, 9999);
    QCOMPARE(other.toolTip(), QString("своя подсказка"));
    QCOMPARE(HelpContext(&other), 0);
    QVERIFY(!ShowsHint(&other));
    SetControlHint(&other, 511);
    SetControlHint(&other, 9999);
    QCOMPARE(other.toolTip(), QString("Тип шлейфа"));
    QCOMPARE(HelpContext(&other), 511);
}

void LookTest::hintShownAfterRestUntilLeave() {
    HintManager::Install();
    SetApplicationHintsEnabled(true);
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    auto* withHint = new QLabel("с подсказкой", &window);
    withHint->setGeometry(10, 10, 120, 30);
    SetControlHint(withHint, 13);
    auto* inside = new QWidget(&window); // no hint of its own: the window's
    inside->setGeometry(10, 100, 120, 30);
    SetControlHint(&window, 2000);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseMove(withHint, QPoint(20, 10));
    QTest::qWait(600);
    QVERIFY(!QToolTip::isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 1500);
    QCOMPARE(QToolTip::text(), HintText(13));
    // It stays while the mouse rests on the control.
    QTest::qWait(2500);
    QVERIFY(QToolTip::isVisible());
    // Another control: the old hint goes at once, the new one after a rest.
    QTest::mouseMove(inside, QPoint(20, 10));
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible() || QToolTip::text() != HintText(13), 500);
    QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), HintText(2000), 1500);
}

void LookTest::hintsSwitchedOff() {
    HintManager::Install();
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    auto* withHint = new QLabel("с подсказкой", &window);
    withHint->setGeometry(10, 10, 120, 30);
    SetControlHint(withHint, 11);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SetApplicationHintsEnabled(false);
    QTest::mouseMove(withHint, QPoint(30, 10));
    QTest::qWait(1500);
    QVERIFY(!QToolTip::isVisible() || QToolTip::text() != HintText(11));
    SetApplicationHintsEnabled(true);
}

QTEST_MAIN(LookTest)
#include "test_look.moc"
