#include "ui/row_layout.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace zavro::ui {

// ---- Up-down --------------------------------------------------------------

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    repeat_.setInterval(400);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(60);
        if (pressed_ != 0) Step(pressed_);
    });
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    if (associate_ != nullptr) associate_->removeEventFilter(this);
    associate_ = edit;
    if (edit != nullptr) edit->installEventFilter(this);
}

void TUpDown::SetRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (associate_ != nullptr) associate_->setText(QString::number(position_));
    emit positionChanged(position_);
}

void TUpDown::Step(int direction) {
    if (associate_ != nullptr) {
        bool ok = false;
        const int typed = associate_->text().toInt(&ok);
        if (ok) position_ = std::clamp(typed, min_, max_);
    }
    SetPosition(position_ + (direction > 0 ? 1 : -1));
}

void TUpDown::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton b;
        b.initFrom(this);
        b.rect = halves[i];
        b.state |= QStyle::State_Raised;
        if ((i == 0 && pressed_ > 0) || (i == 1 && pressed_ < 0)) b.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &b, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &p, this);
    }
}

void TUpDown::mousePressEvent(QMouseEvent* event) {
    emit pressedDown();
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    pressed_ = event->position().y() < height() / 2 ? 1 : -1;
    Step(pressed_);
    repeat_.setInterval(400);
    repeat_.start();
    update();
}

void TUpDown::mouseReleaseEvent(QMouseEvent*) {
    pressed_ = 0;
    repeat_.stop();
    update();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Rows --------------------------------------------------------------------

RowLayout::RowLayout(QWidget* parent, int left, int top, int width)
    : parent_(parent), left_(left), top_(top), width_(width) {}

int RowLayout::TextWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().horizontalAdvance(text);
}

QLabel* RowLayout::MakeLabel(const QString& name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent_);
    label->setObjectName(name);
    label->setBuddy(buddy);
    label->setTextFormat(Qt::PlainText);
    return label;
}

PageRow& RowLayout::AddRow(const QString& name, const QString& caption, QWidget* control,
                           int controlWidth, TUpDown* upDown, const QString& unit) {
    PageRow row;
    row.control = control;
    row.upDown = upDown;
    row.controlWidth = controlWidth;
    row.extraTop = pendingSpace_;
    pendingSpace_ = 0;
    const QString base = QStringLiteral("L_") + name;
    row.strip = MakeLabel(base + QStringLiteral("_0"), QString(), control);
    if (!caption.isEmpty()) row.caption = MakeLabel(base + QStringLiteral("_1"), caption, control);
    if (!unit.isEmpty()) row.unit = MakeLabel(base + QStringLiteral("_2"), unit, control);
    if (control != nullptr && control->parentWidget() != parent_) control->setParent(parent_);
    if (upDown != nullptr) {
        if (upDown->parentWidget() != parent_) upDown->setParent(parent_);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) upDown->SetAssociate(edit);
    }
    rows_.push_back(row);
    return rows_.back();
}

PageRow& RowLayout::AddWide(const QString& name, QWidget* control) {
    PageRow& row = AddRow(name, QString(), control, -1);
    return row;
}

void RowLayout::AddSpace(int pixels) { pendingSpace_ += pixels; }

int RowLayout::Finish() {
    // The caption column is as wide as the widest caption.
    int captionWidth = 0;
    for (const PageRow& r : rows_)
        if (r.caption != nullptr && r.controlWidth >= 0)
            captionWidth = std::max(captionWidth, TextWidth(r.caption, r.caption->text()));
    const int controlLeft = left_ + (captionWidth > 0 ? captionWidth + gap_ : 0);

    int y = top_;
    for (PageRow& r : rows_) {
        y += r.extraTop;
        int height = r.caption != nullptr ? r.caption->fontMetrics().height() + 4 : 0;
        if (r.control != nullptr) height = std::max(height, r.control->sizeHint().height());
        int x = controlLeft;
        if (r.control != nullptr) {
            int w = r.controlWidth;
            if (w < 0) { // across the whole row
                x = left_;
                w = width_ - (r.unit != nullptr ? TextWidth(r.unit, r.unit->text()) + gap_ : 0);
            } else if (w == 0) {
                w = r.control->sizeHint().width();
            }
            r.control->setGeometry(x, y, w, height);
            x += w;
        }
        if (r.upDown != nullptr) {
            r.upDown->setGeometry(x, y, r.upDown->sizeHint().width(), height);
            x += r.upDown->sizeHint().width();
        }
        if (r.caption != nullptr)
            r.caption->setGeometry(left_, y, std::max(captionWidth, 1) + gap_ / 2, height);
        if (r.unit != nullptr) {
            const int w = TextWidth(r.unit, r.unit->text()) + 2;
            r.unit->setGeometry(x, y, std::max(w, left_ + width_ - x), height);
        }
        // The strip lies behind the whole row.
        r.strip->setGeometry(left_ - 2, y - 1, width_ + 4, height + 2);
        r.strip->lower();
        y += height + spacing_;
    }
    return rows_.empty() ? top_ : y - spacing_;
}

RowLayout GroupRows(QGroupBox* group, int width) {
    const int titleHeight = group->fontMetrics().height();
    return RowLayout(group, 8, titleHeight + 4, width - 16);
}

int PlaceGroup(QGroupBox* group, int left, int top, int width, RowLayout& rows) {
    const int bottom = rows.Finish();
    group->setGeometry(left, top, width, bottom + 8);
    return top + bottom + 8;
}

} // namespace zavro::ui
