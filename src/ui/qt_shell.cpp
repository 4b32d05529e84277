#include "ui/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/help_window.h"
#include "ui/qt_text.h"

namespace hashwell::ui {

QtShell::QtShell() = default;
QtShell::~QtShell() = default;

bool QtShell::OpenWebAddress(std::u16string_view address) {
    const QUrl url(ToQString(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtShell::ShowHelp(const platform::Path& helpFile, std::u16string_view topic) {
#ifdef _WIN32
    if (platform::ShowHtmlHelp(helpFile, topic)) {
        return;
    }
#endif
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
    }
    help_->Show(helpFile, topic);
}

}  // namespace hashwell::ui
