// Hashwell: creates the Qt application and desktop, brings the program up and runs Qt's
// event loop until the main window is closed.

#include <QApplication>

#include "core/app_state.h"
#include "core/startup.h"
#include "settings/settings_location.h"
#include "ui/qt_desktop.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    hashwell::ui::QtDesktop desktop;
    hashwell::core::AppState state;
    desktop.SetResizeHandler(
        [&](int windowId) { hashwell::core::HandleWindowSize(desktop, state, windowId); });
    if (hashwell::core::StartUp(desktop, state, hashwell::settings::SystemSettingsEnvironment())) {
        application.exec();
    }
    return 0;
}
