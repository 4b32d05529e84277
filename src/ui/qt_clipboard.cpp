#include "ui/qt_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>

#include "core/desktop/ids.h"
#include "ui/qt_text.h"

namespace hashwell::ui {

void QtClipboard::ClearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::SetClipboardText(std::u16string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

std::u16string QtClipboard::ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdU16String();
}

void QtClipboard::StartTextDrag(std::u16string_view text) {
    QWidget* source = QApplication::focusWidget();
    if (source == nullptr) {
        source = windows_.Window(core::WindowId::MainWindow);
    }
    auto* data = new QMimeData;
    data->setText(ToQString(text));
    // On X11 the receiving program asks for the data after exec() has returned: the drag and
    // its data must outlive this call, and Qt deletes a drag made with new when it is done.
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

}  // namespace hashwell::ui
