#include "ui/hints.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace zavro::ui {

namespace {

constexpr const char* kHelpContextProperty = "zavroHelpContext";
constexpr const char* kShowHintProperty = "zavroShowHint";

bool g_hintsEnabled = true;
HintManager* g_manager = nullptr;

} // namespace

const R_HELP_Type* FindHint(std::int32_t key) {
    for (int i = 0; i < HelpHintCount; ++i)
        if (HelpHints[i].key == key) return &HelpHints[i];
    return nullptr;
}

QString HintText(std::int32_t key) {
    const R_HELP_Type* row = FindHint(key);
    if (row == nullptr) return {};
    QString text = QString::fromUtf8(row->text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void SetControlHint(QWidget* control, std::int32_t key) {
    if (control == nullptr || FindHint(key) == nullptr) return;
    control->setProperty(kShowHintProperty, true);
    control->setProperty(kHelpContextProperty, key);
    control->setToolTip(HintText(key));
}

std::int32_t HelpContext(const QWidget* control) {
    if (control == nullptr) return 0;
    const QVariant v = control->property(kHelpContextProperty);
    return v.isValid() ? v.toInt() : 0;
}

bool ShowsHint(const QWidget* control) {
    return control != nullptr && control->property(kShowHintProperty).toBool();
}

void SetApplicationHintsEnabled(bool enabled) {
    g_hintsEnabled = enabled;
    if (!enabled) QToolTip::hideText();
}

bool ApplicationHintsEnabled() { return g_hintsEnabled; }

namespace {

// The widget under a point of the screen: the deepest child of the visible
// top-level window that holds the point.
QWidget* WidgetAt(QPoint globalPos) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* top = *it;
        if (!top->isVisible() || top->windowType() == Qt::ToolTip) continue;
        if (!top->geometry().contains(globalPos)) continue;
        if (QWidget* child = top->childAt(top->mapFromGlobal(globalPos))) return child;
        return top;
    }
    return nullptr;
}

} // namespace

HintManager::HintManager() {
    timer_.setSingleShot(true);
    timer_.setInterval(kWakeUpMs);
    connect(&timer_, &QTimer::timeout, this, &HintManager::ShowNow);
}

HintManager* HintManager::Install() {
    if (g_manager == nullptr && qApp != nullptr) {
        g_manager = new HintManager();
        g_manager->setParent(qApp);
        qApp->installEventFilter(g_manager);
    }
    return g_manager;
}

HintManager* HintManager::Instance() { return g_manager; }

QString HintManager::HintFor(QWidget* control, QPoint localPos) const {
    for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        if (resolver_) {
            const QString text = resolver_(w, control->mapTo(w, localPos));
            if (!text.isEmpty()) return text;
        }
        if (!w->toolTip().isEmpty()) return w->toolTip();
        if (w->isWindow()) break;
    }
    return {};
}

bool HintManager::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        // The toolkit's own hints are replaced by ours.
        return true;
    case QEvent::MouseMove:
        // Every move reaches the window first, with or without mouse tracking.
        if (watched->isWindowType())
            Rest(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
        if (watched == control_) {
            timer_.stop();
            QToolTip::hideText();
            control_ = nullptr;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::WindowDeactivate: timer_.stop(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void HintManager::Rest(QPoint globalPos) {
    QWidget* under = WidgetAt(globalPos);
    globalPos_ = globalPos;
    if (under == control_) return; // still resting on the same control
    QToolTip::hideText();
    control_ = under;
    if (under != nullptr) timer_.start();
    else timer_.stop();
}

void HintManager::ShowNow() {
    if (!g_hintsEnabled || control_.isNull() || !control_->isVisible()) return;
    if (WidgetAt(globalPos_) != control_) return;
    const QPoint local = control_->mapFromGlobal(globalPos_);
    const QString text = HintFor(control_, local);
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        // Shown until the mouse leaves the control: no time-out of our own.
        constexpr int kForever = 24 * 60 * 60 * 1000;
        QToolTip::showText(globalPos_, text, control_, control_->rect(), kForever);
    }
    // Looked at again while the mouse stays on the control.
    timer_.start();
}

} // namespace zavro::ui
