// The program: starts the windows and runs the message loop until the main
// window closes.
//
// With the environment variable ZAVRO6IP_STARTUP_BENCHMARK set the program
// quits as soon as its window has been shown (used to measure start-up).
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

#include "ui/mainwindow.h"
#include "ui/pages/pages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zavro6ip")));

    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());

    zavro::ui::PageRegistry pages;
    zavro::ui::RegisterPages(pages);
    auto program = zavro::ui::StartProgram(arguments, std::move(pages));
    zavro::ui::TFormMain& form = *program->FormMain;
    if (qEnvironmentVariableIsSet("ZAVRO6IP_STARTUP_BENCHMARK"))
        QObject::connect(&form, &zavro::ui::TFormMain::firstShown, &app,
                         [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    // The message loop runs until the main window closes.
    form.show();
    return QApplication::exec();
}
