// Hashwell: creates the Qt application and desktop and runs the program on them.

#include <QApplication>
#include <QIcon>

#include "core/startup.h"
#include "platform/platform.h"
#include "settings/settings_location.h"
#include "ui/command_line.h"
#include "ui/qt_desktop.h"

int main(int argc, char* argv[]) {
    hashwell::platform::PrepareProcess();
    hashwell::ui::CommandLine commandLine(argc, argv);
    QApplication application(commandLine.QtArgc(), commandLine.QtArgv());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/hashwell.svg")));
    hashwell::ui::QtDesktop desktop;
    return hashwell::core::RunProgram(desktop, hashwell::settings::SystemSettingsEnvironment(),
                                      commandLine.Parameters());
}
