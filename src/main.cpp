// Hashwell: reads the command line, then creates the Qt application and desktop and runs the
// program on them.

#include <QApplication>
#include <QIcon>

#include "core/app/program_options.h"
#include "core/app/startup.h"
#include "platform/platform.h"
#include "settings/settings_location.h"
#include "ui/command_line.h"
#include "ui/qt_desktop.h"

int main(int argc, char* argv[]) {
    using hashwell::core::ProgramOptions;
    hashwell::platform::PrepareProcess();
    hashwell::ui::CommandLine commandLine(argc, argv);
    // Read before any window exists: --help and --version need no display.
    const ProgramOptions options = hashwell::core::ReadProgramOptions(
        commandLine.Parameters(), hashwell::platform::PathExists);
    if (options.action != ProgramOptions::Action::Run) {
        const int code = hashwell::core::AnswerOnTerminal(options);
        if (options.action == ProgramOptions::Action::UsageError &&
            hashwell::platform::GraphicalDisplayAvailable()) {
            QApplication application(commandLine.QtArgc(), commandLine.QtArgv());
            hashwell::ui::QtDesktop desktop;
            hashwell::core::ShowUsageError(desktop, options);
        }
        return code;
    }
    QApplication application(commandLine.QtArgc(), commandLine.QtArgv());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/hashwell.svg")));
    hashwell::ui::QtDesktop desktop;
    return hashwell::core::RunProgram(desktop, hashwell::settings::SystemSettingsEnvironment(),
                                      options.paths, options.verify);
}
