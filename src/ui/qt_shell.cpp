#include "ui/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "core/desktop/ids.h"
#include "helpfile/help_reader.h"
#include "ui/help_window.h"
#include "ui/qt_text.h"

namespace hashwell::ui {

QtShell::QtShell(const WindowRegistry& windows)
    : windows_(windows), helpReader_(helpfile::FindReaderProgram(platform::ProgramPath())) {}

QtShell::~QtShell() {
    delete help_.data();
}

bool QtShell::OpenWebAddress(std::u16string_view address) {
    const QUrl url(ToQString(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

core::HelpOutcome QtShell::ShowHelp(const platform::Path& helpFile, std::u16string_view topic) {
    if (platform::ShowHtmlHelp(helpFile, topic)) {  // the system's viewer, where there is one
        return core::HelpOutcome::Shown;
    }
    if (help_ == nullptr) {
        help_ = new HelpWindow(windows_.Window(core::WindowId::MainWindow), helpReader_);
    }
    return help_->Show(helpFile, topic);
}

HelpWindow* QtShell::Help() const {
    return help_.data();
}

}  // namespace hashwell::ui
