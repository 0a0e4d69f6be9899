// Draws the pictures of the program's image lists into PNG files.
//
// The pictures are stored without an alpha mask: the colour of each picture's
// top-left pixel is its background and is treated as transparent when the
// picture is put on a button. The tree pictures use pure blue as background.
//
// Build the target zavro_make_pictures and run it with the output folder
// (src/ui/resources/images) to regenerate the files kept in the sources.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kButtonBack(111, 135, 168); // steel blue: background of button pictures, and the frame round them
const QColor kTreeBack(0, 0, 255);     // pure blue: background of tree pictures

using Art = std::function<void(QPainter&, const QRectF&)>;

// Every picture is drawn in a square of `side` pixels centred in the image.
QImage Make(int w, int h, const QColor& back, double side, const Art& art, bool smooth) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(back);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    const QRectF box((w - side) / 2.0, (h - side) / 2.0, side, side);
    art(p, box);
    p.end();
    // Antialiasing may blend the art into the background; keep the corner
    // pixel exactly the background colour, since it defines transparency.
    img.setPixelColor(0, 0, back);
    return img;
}

QPointF At(const QRectF& b, double x, double y) {
    return {b.left() + x * b.width(), b.top() + y * b.height()};
}

QPolygonF Poly(const QRectF& b, std::initializer_list<std::pair<double, double>> pts) {
    QPolygonF poly;
    for (const auto& [x, y] : pts) poly << At(b, x, y);
    return poly;
}

QRectF Sub(const QRectF& b, double x, double y, double w, double h) {
    return {b.left() + x * b.width(), b.top() + y * b.height(), w * b.width(), h * b.height()};
}

void Folder(QPainter& p, const QRectF& b) {
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(QColor(230, 180, 40));
    p.drawPolygon(Poly(b, {{0.05, 0.2}, {0.4, 0.2}, {0.5, 0.3}, {0.95, 0.3}, {0.95, 0.85},
                           {0.05, 0.85}}));
    p.setBrush(QColor(250, 210, 90));
    p.drawRect(Sub(b, 0.05, 0.4, 0.9, 0.45));
}

void OpenFolder(QPainter& p, const QRectF& b) {
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(QColor(230, 180, 40));
    p.drawPolygon(Poly(b, {{0.05, 0.2}, {0.4, 0.2}, {0.5, 0.3}, {0.85, 0.3}, {0.85, 0.85},
                           {0.05, 0.85}}));
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(Poly(b, {{0.2, 0.45}, {0.98, 0.45}, {0.85, 0.85}, {0.05, 0.85}}));
}

void Printer(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(Sub(b, 0.25, 0.05, 0.5, 0.35));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(Sub(b, 0.05, 0.35, 0.9, 0.35));
    p.setBrush(Qt::white);
    p.drawRect(Sub(b, 0.25, 0.6, 0.5, 0.35));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(At(b, 0.32, 0.75), At(b, 0.68, 0.75));
    p.drawLine(At(b, 0.32, 0.85), At(b, 0.6, 0.85));
    p.setBrush(QColor(0, 200, 0));
    p.drawEllipse(Sub(b, 0.8, 0.42, 0.08, 0.08));
}

void UsbStick(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(Sub(b, 0.62, 0.35, 0.3, 0.3));
    p.setBrush(QColor(40, 90, 170));
    p.drawRoundedRect(Sub(b, 0.08, 0.25, 0.58, 0.5), 3, 3);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(At(b, 0.2, 0.5), At(b, 0.5, 0.5));
    p.setBrush(Qt::black);
    p.drawRect(Sub(b, 0.7, 0.42, 0.06, 0.06));
    p.drawRect(Sub(b, 0.8, 0.52, 0.06, 0.06));
}

void Diskette(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(30, 60, 160));
    p.drawPolygon(Poly(b, {{0.08, 0.08}, {0.82, 0.08}, {0.92, 0.18}, {0.92, 0.92},
                           {0.08, 0.92}}));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(Sub(b, 0.25, 0.08, 0.45, 0.3));
    p.setBrush(QColor(30, 60, 160));
    p.drawRect(Sub(b, 0.52, 0.12, 0.1, 0.2));
    p.setBrush(Qt::white);
    p.drawRect(Sub(b, 0.18, 0.5, 0.64, 0.42));
}

void Reset(QPainter& p, const QRectF& b) {
    QPen pen(QColor(0, 120, 0), b.width() * 0.12);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(Sub(b, 0.18, 0.18, 0.64, 0.64), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 120, 0));
    p.drawPolygon(Poly(b, {{0.3, 0.02}, {0.55, 0.2}, {0.28, 0.38}}));
}

void Gear(QPainter& p, const QRectF& b) {
    QPainterPath path;
    const QPointF c = b.center();
    const double r1 = b.width() * 0.46, r2 = b.width() * 0.34;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = (i * 2 * M_PI) / (teeth * 4);
        const double r = ((i / 2) % 2 == 0) ? r1 : r2;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt);
        else path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(c, b.width() * 0.14, b.width() * 0.14);
    path.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(140, 140, 150));
    p.drawPath(path);
}

void Cross(QPainter& p, const QRectF& b) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(Sub(b, 0.05, 0.05, 0.9, 0.9));
    QPen pen(Qt::white, b.width() * 0.14);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(At(b, 0.32, 0.32), At(b, 0.68, 0.68));
    p.drawLine(At(b, 0.68, 0.32), At(b, 0.32, 0.68));
}

void Check(QPainter& p, const QRectF& b) {
    QPen pen(QColor(0, 150, 0), b.width() * 0.16);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Poly(b, {{0.12, 0.52}, {0.4, 0.8}, {0.88, 0.2}}));
}

void ArrowRight(QPainter& p, const QRectF& b) {
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(0, 170, 0));
    p.drawPolygon(Poly(b, {{0.08, 0.35}, {0.5, 0.35}, {0.5, 0.12}, {0.92, 0.5}, {0.5, 0.88},
                           {0.5, 0.65}, {0.08, 0.65}}));
}

void Pencil(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 200, 40));
    p.drawPolygon(Poly(b, {{0.7, 0.08}, {0.92, 0.3}, {0.35, 0.87}, {0.13, 0.65}}));
    p.setBrush(QColor(240, 210, 170));
    p.drawPolygon(Poly(b, {{0.13, 0.65}, {0.35, 0.87}, {0.06, 0.94}}));
    p.setBrush(QColor(220, 80, 80));
    p.drawPolygon(Poly(b, {{0.7, 0.08}, {0.92, 0.3}, {0.84, 0.38}, {0.62, 0.16}}));
}

void Document(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(Poly(b, {{0.2, 0.05}, {0.62, 0.05}, {0.82, 0.25}, {0.82, 0.95},
                           {0.2, 0.95}}));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (double y = 0.4; y < 0.9; y += 0.15) p.drawLine(At(b, 0.3, y), At(b, 0.72, y));
}

void OpenFile(QPainter& p, const QRectF& b) {
    Document(p, Sub(b, 0.25, 0.0, 0.75, 0.75));
    Folder(p, Sub(b, 0.0, 0.3, 0.7, 0.7));
}

void PickFile(QPainter& p, const QRectF& b) {
    Document(p, Sub(b, 0.0, 0.0, 0.8, 0.9));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(Poly(b, {{0.55, 0.4}, {0.55, 0.98}, {0.68, 0.85}, {0.78, 1.0}, {0.86, 0.95},
                           {0.76, 0.8}, {0.95, 0.8}}));
}

void HardDisk(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(Sub(b, 0.05, 0.3, 0.9, 0.45));
    p.setBrush(QColor(0, 200, 0));
    p.drawRect(Sub(b, 0.72, 0.5, 0.12, 0.1));
}

void Network(QPainter& p, const QRectF& b) {
    HardDisk(p, Sub(b, 0.0, -0.15, 1.0, 1.0));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(At(b, 0.5, 0.6), At(b, 0.5, 0.85));
    p.drawLine(At(b, 0.1, 0.85), At(b, 0.9, 0.85));
}

void Optical(QPainter& p, const QRectF& b) {
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(QColor(210, 210, 230));
    p.drawEllipse(Sub(b, 0.05, 0.05, 0.9, 0.9));
    p.setBrush(Qt::white);
    p.drawEllipse(Sub(b, 0.38, 0.38, 0.24, 0.24));
}

void Memory(QPainter& p, const QRectF& b) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 110, 60));
    p.drawRect(Sub(b, 0.05, 0.3, 0.9, 0.35));
    p.setBrush(QColor(30, 30, 30));
    for (double x = 0.12; x < 0.85; x += 0.22) p.drawRect(Sub(b, x, 0.36, 0.14, 0.22));
    p.setPen(QPen(QColor(200, 160, 0), 1));
    for (double x = 0.1; x < 0.95; x += 0.1) p.drawLine(At(b, x, 0.65), At(b, x, 0.78));
}

struct Picture {
    const char* file;
    int w, h;
    bool tree;
    double side;
    Art art;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const Picture pictures[] = {
        // Main window buttons, 90 x 32.
        {"main_open.png", 90, 32, false, 28, OpenFolder},
        {"main_print.png", 90, 32, false, 28, Printer},
        {"main_device.png", 90, 32, false, 28, UsbStick},
        {"main_save.png", 90, 32, false, 28, Diskette},
        {"main_spare.png", 90, 32, false, 28, Document},
        {"main_default.png", 90, 32, false, 28, Reset},
        {"main_config.png", 90, 32, false, 28, Gear},
        {"main_cancel.png", 90, 32, false, 28, Cross},
        {"main_openfile.png", 90, 32, false, 28, OpenFile},
        {"main_pickfile.png", 90, 32, false, 28, PickFile},
        // Dialog buttons, 24 x 22.
        {"dlg_cancel.png", 24, 22, false, 20, Cross},
        {"dlg_ok.png", 24, 22, false, 20, Check},
        {"dlg_continue.png", 24, 22, false, 20, ArrowRight},
        {"dlg_fix.png", 24, 22, false, 20, Pencil},
        {"dlg_default.png", 24, 22, false, 20, Reset},
        {"dlg_folder.png", 24, 22, false, 20, OpenFolder},
        {"dlg_disk.png", 24, 22, false, 20, UsbStick},
        // Folder tree, 16 x 16, blue background.
        {"tree_closedfolder.png", 16, 16, true, 16, Folder},
        {"tree_openfolder.png", 16, 16, true, 16, OpenFolder},
        {"tree_floppy.png", 16, 16, true, 16, UsbStick},
        {"tree_hard.png", 16, 16, true, 16, HardDisk},
        {"tree_network.png", 16, 16, true, 16, Network},
        {"tree_cdrom.png", 16, 16, true, 16, Optical},
        {"tree_ram.png", 16, 16, true, 16, Memory},
    };
    for (const auto& pic : pictures) {
        // Drawn without antialiasing, so that no pixel mixes with the
        // background colour that becomes transparent.
        const QImage img =
            Make(pic.w, pic.h, pic.tree ? kTreeBack : kButtonBack, pic.side, pic.art, false);
        if (!img.save(out.filePath(QString::fromLatin1(pic.file)), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", pic.file);
            return 1;
        }
    }
    return 0;
}
