#include "ui/glyphs.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "ui/look.h"
#include "ui/resources.h"

namespace zavro::ui {

ImageList LoadImageList(const QStringList& resources) {
    InitUiResources();
    ImageList list;
    for (const QString& name : resources) {
        QImage img(name);
        if (img.isNull()) continue;
        img = img.convertToFormat(QImage::Format_RGB32);
        if (list.pictures.empty()) list.size = img.size();
        list.pictures.push_back(img);
    }
    return list;
}

QString CaptionText(const CaptionTable& table, int n) {
    if (n < 1 || n > table.size()) return {};
    return table.at(n - 1);
}

namespace {

// The picture with its background colour made transparent.
QImage Transparent(const QImage& picture, QRgb background) {
    QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] | 0xFF000000u) == (background | 0xFF000000u)) line[x] = 0;
    }
    return img;
}

// A rectangle given by its left, top, right and bottom edges (right and
// bottom exclusive, as the drawing rules count them).
QRect Edges(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

} // namespace

QImage BuildGlyph(QSize buttonSize, int tag, GlyphLayout layout, const QFont& font,
                  const QColor& textColor, const ImageList& images, const QColor& box,
                  const QString& caption) {
    const int W = std::max(buttonSize.width() - 6, 1);
    const int H = std::max(buttonSize.height() - 6, 1);
    QImage glyph(W, H, QImage::Format_ARGB32);
    QPainter p(&glyph);
    int w = 0;
    if (tag >= 1 && tag <= images.Count()) {
        const QImage& picture = images.pictures[static_cast<std::size_t>(tag - 1)];
        const int iw = picture.width();
        const int ih = picture.height();
        const QRgb K = picture.pixel(0, 0);
        w = iw;
        glyph.fill(QColor::fromRgb(K));
        p.fillRect(Edges(2, 2, W - 2, H - 2), box);
        QRect target;
        if (caption.isEmpty())
            target = Edges((W - iw) / 2, (H - ih) / 2, W - (W - iw) / 2, H - (H - ih) / 2);
        else if (layout == GlyphLayout::Left)
            target = Edges(4, (H - ih) / 2 + 1, iw + 4, (H - ih) / 2 + ih + 1);
        else
            target = Edges((W - iw) / 2, 6, W - (W - iw) / 2, ih + 6);
        p.drawImage(target, Transparent(picture, K));
    } else {
        glyph.fill(Red());
        p.fillRect(Edges(2, 2, W - 2, H - 2), box);
    }
    if (!caption.isEmpty()) {
        const int measureWidth = layout == GlyphLayout::Left ? W - w : W;
        const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
        p.setFont(font);
        p.setPen(textColor);
        const QRect measured =
            QFontMetrics(font).boundingRect(QRect(0, 0, measureWidth, 0), flags, caption);
        const int right = measured.width();
        const int bottom = measured.height();
        int dx = 0;
        int dy = 0;
        if (layout == GlyphLayout::Left) {
            dx = H / 2 + w - 5;
            dy = (H - bottom) / 2;
        } else {
            dx = (W - right) / 2;
            dy = H - (bottom / 4) * 5 - 2;
        }
        p.drawText(QRect(dx, dy, right, bottom), flags, caption);
    }
    p.end();
    return glyph;
}

void PaintButtonGlyph(BitBtn* button, const ImageList& images, const QColor& box,
                      const QString& caption) {
    if (button == nullptr) return;
    const QImage glyph =
        BuildGlyph(button->size(), button->Tag(), button->Layout(), button->font(),
                   button->palette().color(QPalette::ButtonText), images, box, caption);
    QWidget* parent = button->parentWidget();
    const bool locked = parent != nullptr && parent->updatesEnabled();
    if (locked) parent->setUpdatesEnabled(false);
    button->setText(QString());
    button->setIcon(QIcon(QPixmap::fromImage(glyph)));
    button->setIconSize(glyph.size());
    if (locked) parent->setUpdatesEnabled(true);
}

void PaintButtonFocused(BitBtn* button, const ImageList& images, const QString& caption) {
    if (button != nullptr && button->Tag() != 0)
        PaintButtonGlyph(button, images, FocusYellow(), caption);
}

void PaintButtonNormal(BitBtn* button, const ImageList& images, const QString& caption) {
    if (button != nullptr && button->Tag() != 0)
        PaintButtonGlyph(button, images, FaceColor(), caption);
}

void PaintFormButtons(QWidget* window, const ImageList& images, const CaptionTable& captions) {
    if (window == nullptr) return;
    const QList<BitBtn*> buttons = window->findChildren<BitBtn*>();
    const QWidget* focused = window->window()->focusWidget();
    for (auto it = buttons.crbegin(); it != buttons.crend(); ++it) {
        BitBtn* button = *it;
        if (button->Tag() == 0) continue;
        const QString caption = CaptionText(captions, std::abs(button->Tag()));
        if (button == focused) PaintButtonFocused(button, images, caption);
        else PaintButtonNormal(button, images, caption);
    }
}

} // namespace zavro::ui
