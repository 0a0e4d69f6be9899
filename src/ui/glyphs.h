// Drawn button glyphs: a command button shows no caption of its own; its
// caption text and its picture are drawn together into one pixmap, inside a
// yellow box while the button has the focus and a face-coloured box otherwise.
#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace zavro::ui {

// Modal results of the program's windows.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrRetry = 4 };

enum class GlyphLayout { Left, Top };

// A command button whose glyph is drawn by the program.
//   Tag 0: the button is left alone and keeps its own caption and icon.
//   Tag n > 0: picture n - 1 of the window's image list and caption text n.
//   Tag -n: no picture, caption text n, inside a red frame.
// A button with a modal result other than mrNone closes its dialog with it.
class BitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit BitBtn(QWidget* parent = nullptr) : QPushButton(parent) {}
    BitBtn(const QString& caption, int tag, GlyphLayout layout, QWidget* parent = nullptr)
        : QPushButton(caption, parent), tag_(tag), layout_(layout) {}

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    GlyphLayout Layout() const { return layout_; }
    void SetLayout(GlyphLayout layout) { layout_ = layout; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

private:
    int tag_ = 0;
    GlyphLayout layout_ = GlyphLayout::Left;
    int modalResult_ = mrNone;
};

// A window's image list: pictures of one size, counted from 0, without mask;
// the colour of a picture's top-left pixel is its background colour.
struct ImageList {
    QSize size;
    std::vector<QImage> pictures;
    int Count() const { return static_cast<int>(pictures.size()); }
};

// Loads an image list from resource files.
ImageList LoadImageList(const QStringList& resources);

// A caption table: texts counted from 1; CaptionText gives the empty text for
// a number outside the table.
using CaptionTable = QStringList;
QString CaptionText(const CaptionTable& table, int n);

// Draws the glyph of a button and gives it to the button (its caption is emptied).
void PaintButtonGlyph(BitBtn* button, const ImageList& images, const QColor& box,
                      const QString& caption);
// PaintButtonGlyph with yellow, or the face colour; nothing for Tag 0.
void PaintButtonFocused(BitBtn* button, const ImageList& images, const QString& caption);
void PaintButtonNormal(BitBtn* button, const ImageList& images, const QString& caption);
// Paints every BitBtn of a window whose Tag is not 0, from the last to the
// first: focused when it is the window's focus widget, else normal.
void PaintFormButtons(QWidget* window, const ImageList& images, const CaptionTable& captions);

// The glyph bitmap itself, as PaintButtonGlyph builds it for a button of the
// given size, tag, layout and font.
QImage BuildGlyph(QSize buttonSize, int tag, GlyphLayout layout, const QFont& font,
                  const QColor& textColor, const ImageList& images, const QColor& box,
                  const QString& caption);

} // namespace zavro::ui
