#include "ui/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/qt_text.h"

namespace hashwell::ui {

bool QtShell::OpenWebAddress(std::u16string_view address) {
    const QUrl url(ToQString(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace hashwell::ui
