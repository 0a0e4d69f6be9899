#include "ui/pages/page_parts.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

#include <QLabel>
#include <QLineEdit>
#include <QEvent>
#include <QProxyStyle>
#include <QSignalBlocker>

#include "model/cp1251.h"
#include "ui/hints.h"
#include "ui/row_layout.h"

namespace zavro::ui {

void UpDownField::Show(int value) {
    text = NumberText(value);
    position = std::clamp(value, std::min(min, max), std::max(min, max));
}

std::string NumberText(int value) { return std::to_string(value); }

std::optional<int> NumberOf(const std::string& text) {
    if (text.empty()) return 0;
    const bool negative = text[0] == '-';
    const std::string_view digits = std::string_view(text).substr(negative ? 1 : 0);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return negative ? INT_MIN : INT_MAX;
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string ToScreen(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }
std::string FromScreen(const std::string& utf8) { return Utf8ToCp1251(utf8); }

std::string TrackLabel(int position) {
    return position <= 0 ? std::string(" (выкл)") : " (" + NumberText(position) + ")";
}

QString Qs(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string Ss(const QString& text) { return text.toStdString(); }

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength,
                    std::optional<InputFilter> filter) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    InstallTypedLengthLimit(edit, maxLength);
    if (filter) BindInputFilter(edit, *filter);
    return edit;
}

namespace {

class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void SetStarPassword(QLineEdit* edit) {
    edit->setEchoMode(QLineEdit::Password);
    auto* style = new StarPasswordStyle();
    style->setParent(edit);
    edit->setStyle(style);
}

TUpDown* MakeUpDown(QWidget* parent, const char* name, int min, int max) {
    auto* upDown = new TUpDown(parent);
    upDown->setObjectName(QString::fromLatin1(name));
    upDown->SetRange(min, max);
    return upDown;
}

namespace {

class BottomStretch : public QObject {
public:
    BottomStretch(QWidget* group, QWidget* page, int margin)
        : QObject(group), group_(group), natural_(group->height()), margin_(margin) {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const int height = static_cast<QWidget*>(watched)->height() - group_->y() - margin_;
            group_->resize(group_->width(), std::max(natural_, height));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* group_;
    int natural_;
    int margin_;
};

} // namespace

void StretchToBottom(QWidget* group, QWidget* page, int margin) { new BottomStretch(group, page, margin); }

void HintRow(const PageRow& row, int key) {
    for (QWidget* w : {static_cast<QWidget*>(row.strip), static_cast<QWidget*>(row.caption),
                       row.control, static_cast<QWidget*>(row.upDown),
                       static_cast<QWidget*>(row.unit)})
        if (w != nullptr) SetControlHint(w, key);
}

void EnableRow(const PageRow& row, bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(row.strip), static_cast<QWidget*>(row.caption),
                       row.control, static_cast<QWidget*>(row.upDown),
                       static_cast<QWidget*>(row.unit)})
        if (w != nullptr) w->setEnabled(enabled);
}

void ShowField(QLineEdit* edit, TUpDown* upDown, const UpDownField& field) {
    if (upDown != nullptr) {
        upDown->SetRange(field.min, field.max);
        upDown->SetPosition(field.position); // writes the position into the edit ...
    }
    SetNumberText(edit, field.text); // ... which then shows the stored value
}

void SetNumberText(QLineEdit* edit, const std::string& text) {
    const QSignalBlocker quiet(edit);
    edit->setText(Qs(text));
}

void ReadField(const QLineEdit* edit, UpDownField& field) { field.text = Ss(edit->text()); }

} // namespace zavro::ui
