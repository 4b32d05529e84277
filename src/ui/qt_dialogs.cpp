#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include "core/ids.h"
#include "ui/open_dialog.h"
#include "ui/qt_text.h"

namespace hashwell::ui {
namespace {

QMessageBox::Icon ToQtIcon(core::MessageIcon icon) {
    switch (icon) {
        case core::MessageIcon::Error:
            return QMessageBox::Critical;
        case core::MessageIcon::Warning:
            return QMessageBox::Warning;
        case core::MessageIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

// The program's window in front; the main window when none is (a box shown at start-up
// before any window exists has no owner at all).
QWidget* QtDialogs::Owner() const {
    QWidget* owner = QApplication::activeWindow();
    return owner != nullptr ? owner : windows_.Window(core::WindowId::MainWindow);
}

core::MessageAnswer QtDialogs::ShowMessageBox(const core::MessageBoxRequest& box) {
    if (answerer_) {
        return answerer_(box);
    }
    const bool question = box.buttons == core::MessageButtons::YesNo;
    QMessageBox dialog(ToQtIcon(box.icon), ToQString(box.title), ToQString(box.text),
                       question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, Owner());
    const int answer = dialog.exec();
    if (!question) {
        return core::MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? core::MessageAnswer::Yes : core::MessageAnswer::No;
}

std::vector<platform::Path> QtDialogs::ShowOpenDialog(const core::OpenDialogRequest& request) {
    // Modal, so the program's other windows are disabled meanwhile.
    QWidget* owner = Owner();
    // A window kept on top could hide the dialog; it lets the dialog above it meanwhile.
    QWindow* onTop = owner != nullptr && owner->windowHandle() != nullptr &&
                             owner->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint)
                         ? owner->windowHandle()
                         : nullptr;
    if (onTop != nullptr) {
        onTop->setFlag(Qt::WindowStaysOnTopHint, false);
    }
    std::vector<platform::Path> chosen = RunOpenDialog(owner, request);
    if (onTop != nullptr) {
        onTop->setFlag(Qt::WindowStaysOnTopHint, true);
    }
    return chosen;
}

}  // namespace hashwell::ui
