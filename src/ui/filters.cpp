#include "ui/filters.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

#include "model/cp1251.h"

namespace zavro::ui {

CharSet MakeCharSet(std::initializer_list<CodeRange> ranges) {
    CharSet set;
    for (const auto& r : ranges)
        for (int c = r.first; c <= r.last; ++c) set.set(static_cast<std::size_t>(c));
    return set;
}

namespace {

constexpr CodeRange kDigits{'0', '9'};
constexpr CodeRange kBack{kBackspace, kBackspace};

} // namespace

const CharSet& SetTextSpace() {
    static const CharSet s = MakeCharSet({kBack, {' ', ' '}, kDigits, {65, 122}, {192, 255}});
    return s;
}

const CharSet& SetText() {
    static const CharSet s = MakeCharSet({kBack, kDigits, {65, 255}});
    return s;
}

const CharSet& SetPhoneNumber() {
    static const CharSet s = MakeCharSet({kBack, {'#', '#'}, {'*', '+'}, kDigits});
    return s;
}

const CharSet& SetDigital() {
    static const CharSet s = MakeCharSet({kBack, kDigits});
    return s;
}

const CharSet& SetHex() {
    static const CharSet s = MakeCharSet({kBack, kDigits, {'A', 'F'}, {'a', 'f'}});
    return s;
}

const CharSet& SetHexAndStar() {
    static const CharSet s = MakeCharSet({kBack, {'*', '*'}, kDigits, {'A', 'F'}, {'a', 'f'}});
    return s;
}

const CharSet& SetFileKey() { return SetTextSpace(); }

const CharSet& SetPortDigits() { return SetDigital(); }

const CharSet& SetFileNameChars() {
    static const CharSet s = [] {
        CharSet all;
        all.set();
        for (char c : std::string("\"*/:<>?\\|")) all.reset(static_cast<unsigned char>(c));
        return all;
    }();
    return s;
}

int Cp1251Code(char32_t ch) {
    if (ch == 0x98) return -1;
    return UnicodeToCp1251(ch);
}

bool InSet(char32_t ch, const CharSet& set) {
    const int code = Cp1251Code(ch);
    return code >= 0 && set.test(static_cast<std::size_t>(code));
}

void FilterChars(std::string& text, const CharSet& set) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code != 0x98 && set.test(code)) kept += c;
    }
    text.swap(kept);
}

void FilterChars(QString& text, const CharSet& set) {
    QString kept;
    kept.reserve(text.size());
    for (char32_t ch : text.toUcs4())
        if (InSet(ch, set)) kept += QString::fromUcs4(&ch, 1);
    text = kept;
}

void FilterEditText(QLineEdit* edit, const CharSet& set) {
    QString text = edit->text();
    FilterChars(text, set);
    if (text != edit->text()) edit->setText(text);
    edit->setCursorPosition(static_cast<int>(text.size()));
}

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* edit, const CharSet& set) : QObject(edit), set_(set) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty()) return false;
        if ((key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) return false;
        for (char32_t ch : text.toUcs4()) {
            if (ch < 0x20 || ch == 0x7F) continue; // control keys pass
            if (!InSet(ch, set_)) return true;     // swallowed
        }
        return false;
    }

private:
    CharSet set_;
};

// Refuses a typed or pasted character that would make the text longer than
// the limit; a longer text put there by the program stays and can be
// shortened.
class TypedLengthLimit : public QObject {
public:
    TypedLengthLimit(QLineEdit* edit, int limit) : QObject(edit), edit_(edit), limit_(limit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const auto room = [this] {
            return limit_ - (edit_->text().size() - edit_->selectedText().size());
        };
        if (key->matches(QKeySequence::Paste)) {
            const qsizetype free = room();
            QString text = QApplication::clipboard()->text();
            text.remove(QLatin1Char('\n'));
            text.remove(QLatin1Char('\r'));
            if (text.size() > free) {
                if (free > 0 || edit_->hasSelectedText())
                    edit_->insert(text.left(std::max<qsizetype>(free, 0)));
                return true;
            }
            return false;
        }
        if ((key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) return false;
        const QString text = key->text();
        if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F)
            return false;
        return room() <= 0;
    }

private:
    QLineEdit* edit_;
    int limit_;
};

} // namespace

void InstallKeyFilter(QLineEdit* edit, const CharSet& set) {
    edit->installEventFilter(new KeyFilter(edit, set));
}

void InstallEditFilter(QLineEdit* edit, const CharSet& set) {
    InstallKeyFilter(edit, set);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, set](const QString& text) {
        QString clean = text;
        FilterChars(clean, set);
        if (clean != text) FilterEditText(edit, set);
    });
}

void InstallTypedLengthLimit(QLineEdit* edit, int limit) {
    edit->installEventFilter(new TypedLengthLimit(edit, limit));
}

} // namespace zavro::ui
