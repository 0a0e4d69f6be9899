// Shared pieces of the opening and saving tests: configuration files and
// containers built in the test, the program started on them, and modal
// dialogs answered as a user would.
#pragma once

#include <cstdint>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "format/crypto_container.h"
#include "format/writer.h"
#include "model/cp1251.h"
#include "model/device.h"
#include "support/container_builder.h"
#include "ui/dialogs/error_message.h"
#include "ui/dialogs/ok_message.h"
#include "ui/dialogs/set_key_config.h"
#include "ui/document_ops.h"
#include "ui/mainwindow.h"
#include "typing.h"

namespace fixture {

inline std::string W(std::string_view utf8) { return zavro::Utf8ToCp1251(utf8); }

inline void WriteBytes(const QString& path, std::string_view bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A configuration that passes validation, with a device name and an identifier.
inline std::string ConfigText(std::string_view aliasUtf8, std::string_view ident = "12AB",
                              std::string_view fileKeyUtf8 = "Ключ-1") {
    zavro::T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_DeviceName(W(aliasUtf8));
    d.Set_Ident(std::string(ident));
    d.Set_FileKey(W(fileKeyUtf8));
    d.Set_FileKeyOld(W(fileKeyUtf8));
    return zavro::ConfigurationText(d);
}

// ---- Containers, built with the inverse steps of the loader ----

using zavro::testing_support::EncipherPayload;
using zavro::testing_support::MakePayload;

inline std::string Container(std::string_view text, std::string_view keyCp1251,
                             std::string_view aliasCp1251 = "Store 12  ",
                             std::string_view ident = "0123456789AB",
                             std::string_view signatureUtf8 = "ЗАВРО КОРВАЛ IP/GPRS 8") {
    return W(signatureUtf8) + "\r\n" + std::string(aliasCp1251) + std::string(ident) +
           EncipherPayload(MakePayload(text), keyCp1251);
}

// ---- Modal dialogs answered in turn ----

// Each step waits for the next modal window and acts on it (it may record
// what the window shows). Steps run from the window's own event loop.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;
    ModalScript() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    ModalScript& Then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool Done() const { return steps_.empty(); }
    int Handled() const { return handled_; }
    int Unexpected() const { return unexpected_; }
    void Stop() { timer_.stop(); }

private:
    void Poll() {
        // Steps may nest: a window can open another one from inside a step.
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || !w->isVisible()) return;
        if (steps_.empty()) {
            // A window nobody expected: closed, and counted as a failure.
            ++unexpected_;
            if (auto* dlg = qobject_cast<QDialog*>(w)) dlg->reject();
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        ++handled_;
        // Run from a timer of its own, so that polling goes on while the
        // step waits in a window it opened.
        QTimer::singleShot(0, w, [step = std::move(step), w] { step(w); });
    }
    QTimer timer_;
    std::deque<Step> steps_;
    int handled_ = 0;
    int unexpected_ = 0;
};

inline void Press(QWidget* dialog, Qt::Key key) {
    QWidget* target = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}

// The key dialog: empties the edit with Backspace, types the key, Enter.
inline ModalScript::Step TypeKey(const QString& key, bool* noteShown = nullptr) {
    return [key, noteShown](QWidget* w) {
        auto* dlg = qobject_cast<zavro::ui::TFormDialogSetKeyConfig*>(w);
        QVERIFY2(dlg != nullptr, "the key dialog was expected");
        if (noteShown != nullptr) *noteShown = dlg->StaticTextErrorKey->isVisible();
        QLineEdit* edit = dlg->EditKEYConfig;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        while (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
        TypeText(edit, key);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

struct ErrorSeen {
    QString message, recommendation;
    bool continueShown = false, fixShown = false, defaultShown = false;
};

// The error window: records it, then presses a key (Enter answers the focused button).
inline ModalScript::Step AnswerError(ErrorSeen* seen, Qt::Key key = Qt::Key_Return) {
    return [seen, key](QWidget* w) {
        auto* dlg = qobject_cast<zavro::ui::TFormErrorMessage*>(w);
        QVERIFY2(dlg != nullptr, "the error window was expected");
        if (seen != nullptr) {
            seen->message = dlg->ST_Message->text();
            seen->recommendation = dlg->ST_Recomendation->text();
            seen->continueShown = dlg->B_Continue->isVisible();
            seen->fixShown = dlg->B_Cancel->isVisible();
            seen->defaultShown = dlg->B_Default->isVisible();
        }
        Press(dlg, key);
    };
}

struct OkSeen {
    QString question, explanation;
    bool cancelShown = false;
};

inline ModalScript::Step AnswerOk(OkSeen* seen, Qt::Key key = Qt::Key_Return) {
    return [seen, key](QWidget* w) {
        auto* dlg = qobject_cast<zavro::ui::TFormOkMessage*>(w);
        QVERIFY2(dlg != nullptr, "the confirmation window was expected");
        if (seen != nullptr) {
            seen->question = dlg->StaticTextMessage->text();
            seen->explanation = dlg->StaticTextRecomendation->text();
            seen->cancelShown = dlg->BitBtnCancel->isVisible();
        }
        Press(dlg, key);
    };
}

// The standard file dialog: records the proposed name, types a full path, Enter.
inline ModalScript::Step ChooseFile(const QString& path, QString* proposed = nullptr) {
    return [path, proposed](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY2(edit != nullptr, "a file dialog was expected");
        if (proposed != nullptr) *proposed = edit->text();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        TypeText(edit, path);
        QTest::keyClick(edit, Qt::Key_Return);
        // The name's completion list may take the first Enter.
        if (w->isVisible() && QApplication::activeModalWidget() == w) QTest::keyClick(edit, Qt::Key_Return);
    };
}

// Presses a button with the space bar, as a user tabbing to it would. (A
// mouse click that opens a modal window leaves the test's mouse state
// pressed, so later clicks on the same window would not arrive.)
inline void Push(QWidget* button) {
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
}

// Starts the program as main() does (no pages yet) and shows its window.
inline std::unique_ptr<zavro::ui::TProgram> Start(const std::vector<std::string>& args) {
    auto program = zavro::ui::StartProgram(args);
    program->FormMain->show();
    if (!QTest::qWaitForWindowExposed(program->FormMain.get())) return nullptr;
    return program;
}

// Runs until the script is done (or 5 s have passed).
// Runs until the script is done (or 5 s have passed); no other window came.
// The script then stops watching, so later windows are left to later scripts.
inline bool Finish(ModalScript& script) {
    const bool done =
        QTest::qWaitFor([&] { return script.Done() && QApplication::activeModalWidget() == nullptr; }, 5000);
    script.Stop();
    return done && script.Unexpected() == 0;
}

inline QColor TextColor(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

} // namespace fixture
