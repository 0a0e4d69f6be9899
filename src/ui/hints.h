// The hint table: every pop-up hint of the program is taken by key from one
// table of texts. A text's lines are separated by CR (code 13) alone.
#pragma once

#include <cstdint>
#include <functional>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

namespace zavro::ui {

struct R_HELP_Type {
    std::int32_t key;
    const char* text; // UTF-8
};

extern const R_HELP_Type HelpHints[];
extern const int HelpHintCount; // 171

// The row of a key, searched in the table's order; nullptr when there is none.
const R_HELP_Type* FindHint(std::int32_t key);

// The text of a key as shown on the screen (CR turned into line breaks), or
// an empty text when the table lacks the key.
QString HintText(std::int32_t key);

// Gives the control the hint of the key: the hint display is switched on,
// the help context becomes the key and the hint the row's text. A key the
// table lacks leaves the control as it was.
void SetControlHint(QWidget* control, std::int32_t key);

// What SetControlHint stored: the help context (0 when none) and whether the
// control's hint display is on.
std::int32_t HelpContext(const QWidget* control);
bool ShowsHint(const QWidget* control);

// Application-wide switch of the pop-up hints (the hide-hints option).
void SetApplicationHintsEnabled(bool enabled);
bool ApplicationHintsEnabled();

// Shows the pop-up hints of the whole application: a hint appears after the
// mouse has rested 1000 ms on a control and stays until the mouse leaves it.
// While the mouse stays, the hint is looked at again every 1000 ms, so a
// resolver can make it follow the pointer inside a control (tabs, columns).
// The hint of a control without one of its own is that of its nearest parent.
class HintManager : public QObject {
    Q_OBJECT
public:
    // Gives the hint text for a control and a position in it; an empty
    // result falls back to the control's own hint.
    using Resolver = std::function<QString(QWidget* control, QPoint localPos)>;

    static constexpr int kWakeUpMs = 1000;

    // Installs the manager on the application (once); later calls return it.
    static HintManager* Install();
    static HintManager* Instance();

    void SetResolver(Resolver resolver) { resolver_ = std::move(resolver); }

    // The text the manager would show for a control at a position.
    QString HintFor(QWidget* control, QPoint localPos) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintManager();
    void Rest(QPoint globalPos);
    void ShowNow();

    Resolver resolver_;
    QTimer timer_;
    QPointer<QWidget> control_;
    QPoint globalPos_;
};

} // namespace zavro::ui
