#include "ui/caption_group_box.h"

#include <QStyleOptionGroupBox>

namespace zavro::ui {

void CaptionGroupBox::initStyleOption(QStyleOptionGroupBox* option) const {
    QGroupBox::initStyleOption(option);
    if (captionColor_.isValid()) option->textColor = captionColor_;
}

} // namespace zavro::ui
