// Hashwell: creates the Qt application and desktop and runs the program on them.

#include <QApplication>
#include <string>
#include <vector>

#include "core/startup.h"
#include "settings/settings_location.h"
#include "ui/qt_desktop.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt has taken out the parameters meant for itself.
    std::vector<std::u16string> parameters;
    for (const QString& parameter : QApplication::arguments().mid(1)) {
        parameters.push_back(parameter.toStdU16String());
    }
    hashwell::ui::QtDesktop desktop;
    return hashwell::core::RunProgram(desktop, hashwell::settings::SystemSettingsEnvironment(),
                                      parameters);
}
