#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>

#include "core/desktop/ids.h"
#include "ui/file_dialogs.h"
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

template <class Run>
auto QtDialogs::OverOwner(Run run) const {
    // Modal, so the program's other windows are disabled meanwhile.
    QWidget* owner = Owner();
    QWindow* onTop = owner != nullptr && owner->windowHandle() != nullptr &&
                             owner->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint)
                         ? owner->windowHandle()
                         : nullptr;
    if (onTop != nullptr) {
        onTop->setFlag(Qt::WindowStaysOnTopHint, false);
    }
    auto answer = run(owner);
    if (onTop != nullptr) {
        onTop->setFlag(Qt::WindowStaysOnTopHint, true);
    }
    return answer;
}

std::vector<platform::Path> QtDialogs::ShowOpenDialog(const core::OpenDialogRequest& request) {
    return OverOwner([&](QWidget* owner) { return RunOpenDialog(owner, request); });
}

std::optional<platform::Path> QtDialogs::ShowFolderDialog(std::u16string_view title) {
    return OverOwner([&](QWidget* owner) { return RunFolderDialog(owner, title); });
}

std::optional<core::SaveDialogAnswer> QtDialogs::ShowSaveDialog(
    const core::SaveDialogRequest& request) {
    return OverOwner([&](QWidget* owner) { return RunSaveDialog(owner, request); });
}

void QtDialogs::ShowPopupMenu(core::PopupMenu menuId) {
    // The chosen item's action is triggered, which the window's translator posts as a menu
    // event; it is handled once the command that showed the menu has returned.
    if (QMenu* menu = windows_.PopupMenu(menuId)) {
        menu->exec(QCursor::pos());
    }
}

}  // namespace hashwell::ui
