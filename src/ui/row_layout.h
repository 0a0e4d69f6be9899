// Rows of the editor pages. A row is an input control, optionally an
// up-down spinner beside it, and up to three labels named after the row:
// _0 a strip behind the whole row, _1 the caption, _2 the unit right of the
// control. Every label has the row's control as its focus control (buddy),
// so that the main window lights the whole row up when the control is
// entered and a click on any of them reaches the control.
//
// RowLayout places a column of such rows from the measured widths of their
// texts: captions left, controls aligned in one column after the widest
// caption, up-downs and units after the controls.
#pragma once

#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace zavro::ui {

// An up-down spinner bound to an edit (its associate): the arrows step the
// number in the edit within the range, Up and Down in the edit do the same.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return associate_; }

    void SetRange(int min, int max);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // The position; setting it writes it into the associate.
    int Position() const { return position_; }
    void SetPosition(int position);
    // One step up (+1) or down (-1) from the number in the associate.
    void Step(int direction);

    QSize sizeHint() const override { return {17, 21}; }

signals:
    // A mouse press on the spinner (the main window focuses the associate).
    void pressedDown();
    void positionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> associate_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pressed_ = 0; // +1 upper arrow, -1 lower arrow, 0 none
    QTimer repeat_;
};

// One laid-out row.
struct PageRow {
    QLabel* strip = nullptr;   // L_<name>_0
    QLabel* caption = nullptr; // L_<name>_1
    QWidget* control = nullptr;
    TUpDown* upDown = nullptr;
    QLabel* unit = nullptr;    // L_<name>_2
    int controlWidth = 0;
    int extraTop = 0;
};

class RowLayout {
public:
    // Rows go into parent, starting at (left, top), across width pixels.
    RowLayout(QWidget* parent, int left, int top, int width);

    // Adds a row named name (without the L_ prefix and the _0/_1/_2
    // endings): caption and unit texts may be empty (no label then), the
    // control takes controlWidth pixels (0: its size hint). Returns the row.
    PageRow& AddRow(const QString& name, const QString& caption, QWidget* control,
                    int controlWidth = 0, TUpDown* upDown = nullptr, const QString& unit = {});
    // A row of a control alone (a check box across the width), with its strip.
    PageRow& AddWide(const QString& name, QWidget* control);
    // Leaves some space before the next row.
    void AddSpace(int pixels);

    // Spacing between rows and the gap between columns.
    void SetSpacing(int pixels) { spacing_ = pixels; }
    void SetGap(int pixels) { gap_ = pixels; }
    // Places every row; returns the y just below the last one.
    int Finish();

    const std::vector<PageRow>& Rows() const { return rows_; }

    // The width of a text in a widget's font.
    static int TextWidth(const QWidget* widget, const QString& text);

private:
    QLabel* MakeLabel(const QString& name, const QString& text, QWidget* buddy);

    QWidget* parent_;
    int left_;
    int top_;
    int width_;
    int spacing_ = 3;
    int gap_ = 4;
    int pendingSpace_ = 0;
    std::vector<PageRow> rows_;
};

// Places a group box at (left, top) across width and lays its rows out in
// it; returns the y just below the box, where the next group may start.
int PlaceGroup(QGroupBox* group, int left, int top, int width, RowLayout& rows);
// The layout of a group box's inside, below its title.
RowLayout GroupRows(QGroupBox* group, int width);

} // namespace zavro::ui
