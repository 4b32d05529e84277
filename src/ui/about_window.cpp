#include "ui/about_window.h"

#include <QLabel>

#include "core/help/web_pages.h"
#include "core/windows/about_controls.h"
#include "ui/qt_text.h"
#include "ui/window_parts.h"

namespace hashwell::ui {

WindowWidgets BuildAboutWindowWidgets(QWidget* owner) {
    WindowWidgets parts = BuildFixedWindow(core::AboutWindowSpec(), owner);
    // The link shows the maker's web site, which the build was configured with.
    static_cast<QLabel*>(parts.Control(core::AboutControl::AboutLink))
        ->setText(ToQString(core::MakerWebSite()));
    return parts;
}

}  // namespace hashwell::ui
