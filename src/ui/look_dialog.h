// Base of the program's modal windows: focus colours of the controls,
// glyphs of the buttons, modal results and the Enter and Escape keys.
#pragma once

#include <QDialog>

#include "ui/glyphs.h"

namespace zavro::ui {

class LookDialog : public QDialog {
    Q_OBJECT
public:
    LookDialog(const ImageList& images, const CaptionTable& captions, QWidget* parent,
               Qt::WindowFlags flags);

    // Shows the window modally and returns the result of the button pressed
    // (mrCancel when it is closed with its close box).
    int ShowModal() { return exec(); }

    // Closing with the close box gives Cancel.
    void reject() override;

    // Focus colour and glyph handlers of the controls.
    virtual void Event_Enter(QWidget* control);
    virtual void Event_Exit(QWidget* control);
    virtual void Event_ButtonEnter(QWidget* button);
    virtual void Event_ButtonExit(QWidget* button);

    const ImageList& Images() const { return images_; }
    const CaptionTable& Captions() const { return captions_; }

protected:
    // Binds a control to the enter and exit handlers; a BitBtn also closes
    // the window with its modal result when clicked.
    void Watch(QWidget* control);
    // The button that Escape presses (none: Escape does nothing).
    void SetCancelButton(QPushButton* button) { cancel_ = button; }
    // Paints every glyph button of the window.
    void PaintButtons();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const ImageList& images_;
    const CaptionTable& captions_;
    QPushButton* cancel_ = nullptr;
};

} // namespace zavro::ui
