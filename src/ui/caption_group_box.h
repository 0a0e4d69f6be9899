// A group box whose caption can be given a colour of its own without
// recolouring the controls inside it.
#pragma once

#include <QColor>
#include <QGroupBox>

namespace zavro::ui {

class CaptionGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionGroupBox(const QString& title, QWidget* parent = nullptr)
        : QGroupBox(title, parent) {}

    void SetCaptionColor(const QColor& color) {
        captionColor_ = color;
        update();
    }
    QColor CaptionColor() const { return captionColor_; }

protected:
    void initStyleOption(QStyleOptionGroupBox* option) const override;

private:
    QColor captionColor_;
};

} // namespace zavro::ui
