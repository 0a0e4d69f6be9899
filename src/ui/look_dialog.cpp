#include "ui/look_dialog.h"

#include <QEvent>
#include <QKeyEvent>

#include <cstdlib>

#include "ui/look.h"

namespace zavro::ui {

LookDialog::LookDialog(const ImageList& images, const CaptionTable& captions, QWidget* parent,
                       Qt::WindowFlags flags)
    : QDialog(parent, flags), images_(images), captions_(captions) {}

void LookDialog::reject() { done(mrCancel); }

void LookDialog::Event_Enter(QWidget* control) { SetFocusColor(control, kFocusEntered); }

void LookDialog::Event_Exit(QWidget* control) { SetFocusColor(control, kFocusLeft); }

void LookDialog::Event_ButtonEnter(QWidget* button) {
    auto* b = qobject_cast<BitBtn*>(button);
    if (b == nullptr || b->Tag() == 0) return;
    PaintButtonFocused(b, images_, CaptionText(captions_, std::abs(b->Tag())));
}

void LookDialog::Event_ButtonExit(QWidget* button) {
    auto* b = qobject_cast<BitBtn*>(button);
    if (b == nullptr || b->Tag() == 0) return;
    PaintButtonNormal(b, images_, CaptionText(captions_, std::abs(b->Tag())));
}

void LookDialog::Watch(QWidget* control) {
    control->installEventFilter(this);
    if (auto* b = qobject_cast<BitBtn*>(control)) {
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (b->ModalResult() != mrNone) done(b->ModalResult());
        });
    }
}

void LookDialog::PaintButtons() { PaintFormButtons(this, images_, captions_); }

bool LookDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w != nullptr && w != this) {
        const bool button = qobject_cast<BitBtn*>(w) != nullptr;
        if (event->type() == QEvent::FocusIn) {
            if (button) Event_ButtonEnter(w);
            else Event_Enter(w);
        } else if (event->type() == QEvent::FocusOut) {
            if (button) Event_ButtonExit(w);
            else Event_Exit(w);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LookDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape presses the cancel button when there is one to press;
        // otherwise it does nothing (it never closes the window by itself).
        if (cancel_ != nullptr && cancel_->isVisible() && cancel_->isEnabled()) cancel_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zavro::ui
