// The configurator's entry point: the application, the start-up style, the main window and
// the message loop. No command-line options: the program's settings live in Charger.INI in
// the working directory it is started from.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/desktop/app_icon.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/form1.h"
#include "ui/window/program_font.h"
#include "ui/window/qt_dialogs.h"

namespace {

int Run(QApplication& app) {
    orvane::ui::SkinSwitcher skins;
    if (!skins.apply(u"Amakrits"))
        QMessageBox::critical(nullptr, orvane::ui::BoxTitle(),
                              orvane::ui::StyleNotFoundMessage(QStringLiteral("Amakrits")));
    orvane::ui::Form1 window(skins);
    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane-configurator"));
    QApplication::setDesktopFileName(QStringLiteral("orvane-configurator"));
    QApplication::setFont(orvane::ui::ProgramFont());
    QApplication::setWindowIcon(orvane::ui::AppIcon());
    try {
        return Run(app);
    } catch (const std::exception& error) {
        // A start-up that failed is not a success: say why and end with a failure status.
        QMessageBox::critical(nullptr, orvane::ui::BoxTitle(),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, orvane::ui::BoxTitle(), QStringLiteral("Unexpected error"));
    }
    return 1;
}
